// The compensation board's experience-rating rate model, simplified: per industry code the premium rate
// with and without the intervention's claim savings, bounded by the basic change limit and the rate range,
// and the premium change between the two. Also the disability-insurance changes beside it.
#pragma once

#include <optional>
#include <string>

// Step percentage of a basic change limit key ("0.10higher", "-0.05lower", ...); none for an unknown key.
std::optional<double> LimitStep(const std::string& key);

// The key of a limit text read as a number ("10%" -> 10, "new firm" -> 0) and a direction.
std::string LimitKey(double limitPercent, bool lower);

// The rate-model inputs of one industry code, read from its record.
struct RateInputs {
  double claims1 = 0, claims2 = 0;  // claim costs of the two columns
  double averageRate = 0;           // the board's average rate
  double restatedRate = 0;
  double payroll = 0;          // year Y
  double pastPayroll[5] = {};  // years Y-1 to Y-5
  double directClaims = 0;
  double lowerBound = 0, upperBound = 0;
  double limitPercent = 0;
};

// The step of the previous lookup within one recalculation: an unknown limit key keeps it.
struct LimitStepMemory {
  std::optional<double> step;
};

// Premium rate for w = 0 (claims as they were) or w = 1 (claims reduced by the intervention's savings).
double ModelRate(const RateInputs& in, int w, double hoursRatio, double a1, double a2,
                 LimitStepMemory& memory);

// Premium change for the code: payroll x (rate with - rate without) / 100; a saving is negative.
double PremiumChange(const RateInputs& in, double hoursRatio, double a1, double a2, LimitStepMemory& memory);

// Disability-insurance change from amounts that already include their administration cost.
double DisabilityChange(double first, double second, double hoursRatio);

// Disability wages of lost-time and sickness absences of both columns, administration cost added.
double SummaryDisabilityChange(double firstLostTime, double firstSickness, double secondLostTime,
                               double secondSickness, double hoursRatio);
