#include <gtest/gtest.h>

#include <cmath>

#include "analysis/calc/rate_model.h"
#include "shell/number_text.h"

namespace {

// One industry code whose payroll is S in every year, with claims that an intervention cuts.
RateInputs WorkedCode(double s) {
  RateInputs in;
  in.directClaims = 0.008 * s;
  in.claims1 = 0.003 * s;
  in.claims2 = 0.001 * s;
  in.averageRate = 2;
  in.restatedRate = 2;
  in.payroll = s;
  for (double& p : in.pastPayroll) p = s;
  in.lowerBound = 1.5;
  in.upperBound = 3;
  in.limitPercent = 10;
  return in;
}

TEST(RateModel, ReproducesThePremiumSavingOfOneCode) {
  LimitStepMemory memory;
  const RateInputs in = WorkedCode(1'000'000);
  EXPECT_NEAR(ModelRate(in, 0, 1, 1, 1, memory), 2.380952380952381, 1e-12);  // the experience rate
  EXPECT_DOUBLE_EQ(ModelRate(in, 1, 1, 1, 1, memory), 1.9);                  // stopped at the limit rate
  const double change = PremiumChange(in, 1, 1, 1, memory);
  EXPECT_EQ(AddThousandsSeparators(FixedText(change, 2)), "-4,809.52");
  EXPECT_EQ(FixedText(change, 2), "-4809.52");
}

TEST(RateModel, LimitKeysFollowTheBoardsTable) {
  struct Case {
    double percent;
    bool lower;
    const char* key;
    double step;
  };
  const Case cases[] = {
      {10, false, "0.10higher", 20}, {50, false, "0.50higher", 50},   {-25, true, "-0.25lower", -25},
      {-5, true, "-0.05lower", -10}, {-20, false, "-0.20higher", 10}, {0, true, "0.00lower", -5},
      {0, false, "0.00higher", 10},  {-0.0, false, "0.00higher", 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(LimitKey(c.percent, c.lower), c.key);
    EXPECT_EQ(LimitStep(c.key), c.step);
  }
  EXPECT_FALSE(LimitStep("0.12higher"));
}

TEST(RateModel, UnknownLimitTakesTheNewFirmStepFirstAndThenKeepsThePreviousOne) {
  RateInputs in = WorkedCode(1'000'000);
  in.lowerBound = 0;
  in.upperBound = 100;
  in.directClaims = 0.016 * in.payroll;  // experience far above the restated rate: the limit applies
  in.limitPercent = 12;                  // no such limit
  LimitStepMemory fresh;
  EXPECT_DOUBLE_EQ(ModelRate(in, 0, 1, 1, 1, fresh), 2 * 1.10);  // a new firm's +10 %
  LimitStepMemory carried;
  RateInputs known = in;
  known.limitPercent = 30;
  EXPECT_DOUBLE_EQ(ModelRate(known, 0, 1, 1, 1, carried), 2 * 1.40);
  EXPECT_DOUBLE_EQ(ModelRate(in, 0, 1, 1, 1, carried), 2 * 1.40);
}

// Inputs that would divide by zero or contradict each other still give a finite, bounded result.
TEST(RateModel, GuardedCasesGiveFiniteChanges) {
  struct Case {
    const char* what;
    void (*change)(RateInputs&);
    double rate0, rate1, premium;
  };
  const Case cases[] = {
      {"no past payroll, claims",
       [](RateInputs& in) {
         for (double& p : in.pastPayroll) p = 0;
       },
       2.4, 2.4, 0},
      {"no payroll and no claims",
       [](RateInputs& in) {
         for (double& p : in.pastPayroll) p = 0;
         in.directClaims = in.claims1 = in.claims2 = 0;
       },
       2.4, 2.4, 0},
      {"crossed rate range: lower boundary wins",
       [](RateInputs& in) { in.lowerBound = 5, in.upperBound = 1; }, 5, 5, 0},
      {"empty rate range", [](RateInputs& in) { in.lowerBound = in.upperBound = 0; }, 0, 0, 0},
      {"equal claims in both columns", [](RateInputs& in) { in.claims2 = in.claims1; }, 2.380952380952381,
       2.380952380952381, 0},
      {"no restated rate",
       [](RateInputs& in) { in.restatedRate = 0, in.upperBound = 100, in.lowerBound = 0; }, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RateInputs in = WorkedCode(1'000'000);
    c.change(in);
    LimitStepMemory memory;
    const double r0 = ModelRate(in, 0, 1, 1, 1, memory), r1 = ModelRate(in, 1, 1, 1, 1, memory);
    EXPECT_NEAR(r0, c.rate0, 1e-9);
    EXPECT_NEAR(r1, c.rate1, 1e-9);
    const double premium = PremiumChange(in, 1, 1, 1, memory);
    EXPECT_TRUE(std::isfinite(premium));
    EXPECT_NEAR(premium, c.premium, 1e-6);
  }
}

TEST(RateModel, ScalesAndAnnualisesTheFirstColumnsClaims) {
  // Half a year before, a full year after, twice the hours after: claims 1,000 before count as
  // 1,000 x 2 x 2 = 4,000 a year against 1,000 after, so 3,000 come off the direct claims.
  RateInputs in = WorkedCode(1'000'000);
  in.claims1 = 1000;
  in.claims2 = 1000;
  in.upperBound = 100;
  in.lowerBound = 0;
  in.restatedRate = 1.6;
  in.limitPercent = -25;  // the limit rate 1.2 lies below the experience rate
  LimitStepMemory memory;
  const double with = ModelRate(in, 1, 2, 2, 1, memory);
  EXPECT_NEAR(with, (8000.0 - 3000) / 6720 * 2, 1e-9);
}

TEST(DisabilityChange, AddsAdministrationCostInTheSummaryForm) {
  EXPECT_EQ(FixedText(SummaryDisabilityChange(100, 50, 40, 10, 1), 2), "-115.00");
  EXPECT_NEAR(SummaryDisabilityChange(100, 0, 0, 0, 1.5), -172.5, 1e-9);
  EXPECT_NEAR(DisabilityChange(115, 46, 2), 46 - 230, 1e-9);
}

}  // namespace
