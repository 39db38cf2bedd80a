#include "analysis/calc/worksheet_figures.h"

#include <algorithm>
#include <cmath>

double AverageCost(double total, double count) { return count == 0 ? 0 : total / count; }

double GridIncidentCount(const IncidentGrid& grid) {
  double count = 0;
  for (int t = 1; t <= 5; ++t) count = std::round(count + grid.count[t]);
  return count;
}

double GridTotalCost(const IncidentGrid& g) {
  const auto modifiedWork = [&](int t) { return g.modifiedWageValue[t] * (1 - g.outputPercent[t] * 0.01); };
  double total = 0;
  for (int t : {1, 3})
    total += g.wageValueOff[t] * g.indirectMultiplier[t] + g.wagesPaid[t] + modifiedWork(t);
  total += g.count[2] * g.averageIndirect[2] + modifiedWork(2);
  for (int t : {4, 5}) total += g.count[t] * g.averageIndirect[t];
  return total;
}

double ProductivityValue(double labourCost, double percent) { return labourCost * percent * 0.01; }

double ScaledTurnoverChange(double firstRecruit, double firstOther, double secondRecruit, double secondOther,
                            double hoursRatio) {
  return (secondRecruit + secondOther) - (firstRecruit + firstOther) * hoursRatio;
}

double PotentialTurnoverChange(double recruit, double other, double savingPercent) {
  return -(recruit + other) * savingPercent * 0.01;
}

std::int64_t AnalysisPeriodDays(const DateRecord& start, const DateRecord& end) {
  return std::max<std::int64_t>(1, (DateToSeconds(end) - DateToSeconds(start)) / 86400 + 1);
}

double AnnualisationFactor(std::int64_t days) { return 365.0 / double(std::max<std::int64_t>(days, 1)); }

std::int64_t PromptYear(double typedYear, int currentYear) {
  if (!(typedYear >= 1) || typedYear >= 1e12) return currentYear;
  return std::int64_t(std::trunc(typedYear));
}

std::array<std::string, 6> RatePrompts(std::int64_t year, bool payrollColon) {
  const std::string y = std::to_string(year), before = std::to_string(year - 1);
  return {
      "Enter your " + before + " basic change limit for this industry code:",
      "Enter the " + y + " WCB average rate:",
      "Enter your " + before + " restated rate for this industry code:",
      "Enter your payroll for calendar year " + y + " and the 5 years prior for this industry code" +
          (payrollColon ? ":" : ""),
      "Enter your direct claim costs for this industry code from calendar year " + before,
      "Enter your rate range for this industry code from calendar year " + before,
  };
}

std::string PeriodDateText(const DateRecord& date) {
  return MonthName(date.month) + " " + std::to_string(date.day) + ", " + std::to_string(date.year);
}

std::string InterventionTitle(bool isExample, const std::string& name) {
  return (isExample ? "Example Intervention: " : "Intervention: ") + name;
}
