// The economic result of an intervention: net return with benefits 10 % lower and higher, payback
// period in months and benefit-to-cost ratio, each as the worksheet shows it.
#pragma once

#include <array>
#include <string>

// What the result rows are computed from, each as its row shows it.
struct SummaryInputs {
  double labour1 = 0, labour2 = 0;  // labour costs compared (second after productivity)
  double incidents1 = 0, incidents2 = 0;
  double interventionCost = 0;  // T13
  double turnoverChange = 0;    // T14
  double premiumChange = 0;     // T15
  double shortTermChange = 0;   // T16
  double longTermChange = 0;    // T17
  double periodDays = 0;        // length of the period the benefits were seen in
};

// Texts of the three result rows, in the order middle (calculated value), left (benefits less 10 %) and
// right (benefits plus 10 %).
struct SummaryTexts {
  std::array<std::string, 3> netReturn;  // "$6,000"
  std::array<std::string, 3> payback;    // "5.53 months"
  std::array<std::string, 3> ratio;      // "2.20"
};

double NetReturn(const SummaryInputs& in);

// Months until the benefits repay the intervention, a month being 30 days; 0 where undefined.
double PaybackMonths(double interventionCost, double netReturn, double periodDays);

// Benefits over costs; 0 where undefined (no intervention cost).
double BenefitCostRatio(double interventionCost, double netReturn);

SummaryTexts SummaryResults(const SummaryInputs& in);
