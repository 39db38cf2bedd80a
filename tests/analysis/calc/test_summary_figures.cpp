#include <gtest/gtest.h>

#include "analysis/calc/summary_figures.h"

namespace {

// Labour 300 / 300 after scaling, incident costs 15,000 (10,000 scaled by 1.5) / 4,000, intervention
// costs 5,000 over a 365-day period.
SummaryInputs WorkedSummary() {
  SummaryInputs in;
  in.labour1 = 300;
  in.labour2 = 300;
  in.incidents1 = 15000;
  in.incidents2 = 4000;
  in.interventionCost = 5000;
  in.periodDays = 365;
  return in;
}

struct Expected {
  std::array<std::string, 3> net, payback, ratio;
};

void ExpectTexts(const SummaryInputs& in, const Expected& e) {
  const SummaryTexts out = SummaryResults(in);
  EXPECT_EQ(out.netReturn, e.net);
  EXPECT_EQ(out.payback, e.payback);
  EXPECT_EQ(out.ratio, e.ratio);
}

TEST(SummaryFigures, WorkedExampleWithSensitivity) {
  ExpectTexts(WorkedSummary(), {{"$6,000", "$4,900", "$7,100"},
                                {"5.53 months", "6.14 months", "5.03 months"},
                                {"2.20", "1.98", "2.42"}});
}

TEST(SummaryFigures, UndefinedFiguresShowZero) {
  SummaryInputs empty;
  ExpectTexts(empty,
              {{"$0", "$0", "$0"}, {"0.00 months", "0.00 months", "0.00 months"}, {"0.00", "0.00", "0.00"}});

  SummaryInputs noCost = WorkedSummary();
  noCost.interventionCost = 0;  // payback 0 / benefits, no ratio without a cost
  ExpectTexts(noCost, {{"$11,000", "$9,900", "$12,100"},
                       {"0.00 months", "0.00 months", "0.00 months"},
                       {"0.00", "0.00", "0.00"}});

  SummaryInputs noPeriod = WorkedSummary();
  noPeriod.periodDays = 0;
  EXPECT_EQ(SummaryResults(noPeriod).payback[0], "0.00 months");
}

TEST(SummaryFigures, BreakEvenShowsRatioOneAndThePeriodAsPayback) {
  SummaryInputs in = WorkedSummary();
  in.incidents2 = 10000;  // benefits equal the cost
  ExpectTexts(
      in,
      {{"$0", "$-500", "$500"}, {"12.17 months", "13.52 months", "11.06 months"}, {"1.00", "0.90", "1.10"}});
}

TEST(SummaryFigures, LongPaybacksAndLargeRatiosCarryThousandsSeparators) {
  SummaryInputs slow;
  slow.incidents1 = 1000;
  slow.interventionCost = 100000;
  slow.periodDays = 365;
  ExpectTexts(slow, {{"$-99,000", "$-99,100", "$-98,900"},
                     {"1,216.67 months", "1,351.85 months", "1,106.06 months"},
                     {"0.01", "0.01", "0.01"}});
  SummaryInputs cheap;
  cheap.incidents1 = 2000000;
  cheap.interventionCost = 1000;
  cheap.periodDays = 365;
  ExpectTexts(cheap, {{"$1,999,000", "$1,799,000", "$2,199,000"},
                      {"0.01 months", "0.01 months", "0.01 months"},
                      {"2,000.00", "1,800.00", "2,200.00"}});
}

TEST(SummaryFigures, NegativeAndNearZeroReturns) {
  SummaryInputs in;
  in.turnoverChange = 25.4;
  EXPECT_EQ(SummaryResults(in).netReturn[0], "$-25");
  in.turnoverChange = 0.4;
  EXPECT_EQ(SummaryResults(in).netReturn[0], "$0");
  // Nothing gained: the benefits are 0, so the payback is undefined and the ratio 0.
  SummaryInputs costOnly;
  costOnly.interventionCost = 1000;
  costOnly.periodDays = 30;
  ExpectTexts(costOnly, {{"$-1,000", "$-1,000", "$-1,000"},
                         {"0.00 months", "0.00 months", "0.00 months"},
                         {"0.00", "0.00", "0.00"}});
}

TEST(SummaryFigures, HugeValuesStayNumbers) {
  SummaryInputs in = WorkedSummary();
  in.incidents1 = 1e300;
  in.incidents2 = -1e300;
  in.interventionCost = 1e-300;
  for (const auto& text : SummaryResults(in).ratio) {
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_EQ(text.find("nan"), std::string::npos);
  }
}

}  // namespace
