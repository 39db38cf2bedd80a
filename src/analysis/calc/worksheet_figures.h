// Figures of steps 3 to 7 of an intervention analysis as plain arithmetic: incident totals and averages,
// the intervention cost total, productivity and turnover changes, the step-7 prompts and period lengths.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shell/date_arithmetic.h"

// Average cost per incident; 0 when there is nothing to divide by.
double AverageCost(double total, double count);

// The step-3 summary grid of one column, per incident type 1-5 (index 0 unused).
struct IncidentGrid {
  std::array<double, 6> count{};               // row 20
  std::array<double, 6> wageValueOff{};        // row 23
  std::array<double, 6> wagesPaid{};           // row 24
  std::array<double, 6> modifiedWageValue{};   // row 33
  std::array<double, 6> averageIndirect{};     // row 34
  std::array<double, 6> indirectMultiplier{};  // row 35
  std::array<double, 6> outputPercent{};       // row 39
};

// Incidents of every type, rounded to a whole number after each addition.
double GridIncidentCount(const IncidentGrid& grid);

// Direct and indirect cost of every incident of the grid.
double GridTotalCost(const IncidentGrid& grid);

// Value of productivity changes: labour cost x percent / 100.
double ProductivityValue(double labourCost, double percent);

// Turnover change when the second column is compared with the first scaled by the hours ratio.
double ScaledTurnoverChange(double firstRecruit, double firstOther, double secondRecruit, double secondOther,
                            double hoursRatio);

// Turnover saved when existing costs fall by `savingPercent`.
double PotentialTurnoverChange(double recruit, double other, double savingPercent);

// Days of a period counting both ends, at least 1 so that annual figures stay finite.
std::int64_t AnalysisPeriodDays(const DateRecord& start, const DateRecord& end);

// 365 over the days of the period.
double AnnualisationFactor(std::int64_t days);

// The year the step-7 prompts name: the typed year as a whole number, or this year when that is 0 or less.
// The field takes at most 12 digits; a stored text beyond them names no year either.
std::int64_t PromptYear(double typedYear, int currentYear);

// Step-7 prompts for calendar year `year`: basic change limit, average rate, restated rate, payroll,
// direct claim costs, rate range. `payrollColon` ends the payroll prompt with ":".
std::array<std::string, 6> RatePrompts(std::int64_t year, bool payrollColon);

// "January 1, 2009".
std::string PeriodDateText(const DateRecord& date);

// The line under the company name for an analysis.
std::string InterventionTitle(bool isExample, const std::string& name);
