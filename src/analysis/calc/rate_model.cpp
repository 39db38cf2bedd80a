#include "analysis/calc/rate_model.h"

#include <map>

#include "shell/number_text.h"

namespace {

// The weights of the five past payroll years, exactly as the board's tables give them.
constexpr double kPayrollWeight[5] = {0.21000000000000002, 0.28, 0.088, 0.054000000000000006, 0.04};

constexpr double kAdministrationFactor = 1.15;

const std::map<std::string, double, std::less<>>& LimitTable() {
  static const std::map<std::string, double, std::less<>> table = {
      {"0.10lower", -5},   {"0.10higher", 20},  {"0.20lower", -5},   {"0.20higher", 30},  {"0.30lower", -5},
      {"0.30higher", 40},  {"0.40lower", -5},   {"0.40higher", 50},  {"0.50lower", -5},   {"0.50higher", 50},
      {"-0.05lower", -10}, {"-0.05higher", 10}, {"-0.10lower", -15}, {"-0.10higher", 10}, {"-0.15lower", -20},
      {"-0.15higher", 10}, {"-0.20lower", -25}, {"-0.20higher", 10}, {"-0.25lower", -25}, {"-0.25higher", 10},
      {"0.00lower", -5},   {"0.00higher", 10},
  };
  return table;
}

}  // namespace

std::optional<double> LimitStep(const std::string& key) {
  const auto& table = LimitTable();
  const auto it = table.find(key);
  if (it == table.end()) return std::nullopt;
  return it->second;
}

std::string LimitKey(double limitPercent, bool lower) {
  return FixedText(limitPercent * 0.01, 2) + (lower ? "lower" : "higher");
}

double ModelRate(const RateInputs& in, int w, double hoursRatio, double a1, double a2,
                 LimitStepMemory& memory) {
  const double claims = in.directClaims - w * (in.claims1 * a1 * hoursRatio - in.claims2 * a2);
  double weighted = 0;
  for (int i = 0; i < 5; ++i) weighted += in.pastPayroll[i] * kPayrollWeight[i];
  weighted *= 0.01;
  // Without payroll the experience rate is infinite or undefined; every comparison below is then false
  // or true in the way that settles on the limit rate, so the model still gives a number.
  const double experience = claims / weighted * in.averageRate;
  const bool lower = in.restatedRate > experience;
  auto step = LimitStep(LimitKey(in.limitPercent, lower));
  if (!step) step = memory.step ? memory.step : LimitStep(LimitKey(0, lower));  // a new firm's step
  memory.step = step;
  const double limitRate = in.restatedRate * (1 + *step * 0.01);
  const bool limitLower = limitRate > experience;
  double rate = limitLower == lower ? limitRate : experience;
  if (in.upperBound < rate) rate = in.upperBound;
  if (in.lowerBound > rate) rate = in.lowerBound;  // crossed boundaries: the lower one wins
  return rate;
}

double PremiumChange(const RateInputs& in, double hoursRatio, double a1, double a2, LimitStepMemory& memory) {
  const double without = ModelRate(in, 0, hoursRatio, a1, a2, memory);
  const double with = ModelRate(in, 1, hoursRatio, a1, a2, memory);
  return in.payroll * with / 100 - in.payroll * without / 100;
}

double DisabilityChange(double first, double second, double hoursRatio) {
  return second - first * hoursRatio;
}

double SummaryDisabilityChange(double firstLostTime, double firstSickness, double secondLostTime,
                               double secondSickness, double hoursRatio) {
  return (secondLostTime + secondSickness) * kAdministrationFactor -
         (firstLostTime + firstSickness) * kAdministrationFactor * hoursRatio;
}
