#include <gtest/gtest.h>

#include "analysis/calc/labour_groups.h"
#include "analysis/calc/worksheet_figures.h"
#include "shell/number_text.h"

namespace {

TEST(HoursRatio, GuardsAnEmptyFirstColumn) {
  struct Case {
    double h1, h2, r;
  };
  for (const Case c :
       {Case{0, 100, 0}, Case{0, 0, 1}, Case{100, 150, 1.5}, Case{100, 100, 1}, Case{-50, 100, -2}}) {
    EXPECT_DOUBLE_EQ(HoursRatio(c.h1, c.h2), c.r) << c.h1 << " " << c.h2;
  }
}

TEST(LabourGroups, TotalsReadEveryGroupAndOnlyGroupsOneToTen) {
  LabourArray labour;
  labour(1, 0, 2) = "10.4";
  labour(2, 0, 2) = "10.4";
  labour(2, 0, 4) = "1,000";  // a stray separator still reads as the number
  labour(2, 1, 4) = "abc";
  labour(10, 0, 4) = "5";
  labour(11, 0, 2) = "500";  // no such group: the write goes nowhere
  EXPECT_DOUBLE_EQ(LabourWorkHours(labour, 0), 1025.8);
  EXPECT_DOUBLE_EQ(LabourWorkHours(labour, 1), 0);
  labour(10, 1, 10) = "12.50";  // the last group's shown labour cost is in the step-2 total
  labour(1, 1, 10) = "1,000.25";
  EXPECT_DOUBLE_EQ(LabourFieldTotal(labour, 1, 10), 1012.75);
  for (int g : {0, 11, -1}) EXPECT_FALSE(IsLabourGroup(g)) << g;
  for (int g : {1, 10}) EXPECT_TRUE(IsLabourGroup(g)) << g;
  EXPECT_EQ(FixedText(GroupLabourCost(3.5, 13.35, 4.5, 16.75), 2), "122.10");
}

IncidentGrid Grid() { return {}; }

TEST(IncidentGrid, CostsAndCountsOfTheSummaryApproach) {
  IncidentGrid lost = Grid();
  lost.count[1] = 4;
  lost.wageValueOff[1] = 100;
  lost.indirectMultiplier[1] = 1.5;
  lost.wagesPaid[1] = 20;
  lost.modifiedWageValue[1] = 40;
  lost.outputPercent[1] = 25;
  lost.averageIndirect[1] = 999;  // not used for lost-time incidents
  EXPECT_DOUBLE_EQ(GridTotalCost(lost), 200);
  EXPECT_DOUBLE_EQ(AverageCost(GridTotalCost(lost), GridIncidentCount(lost)), 50);

  IncidentGrid other = Grid();
  other.count[4] = 3;
  other.averageIndirect[4] = 50;
  other.count[5] = 2;
  other.averageIndirect[5] = 25;
  other.wagesPaid[4] = 1000;  // no wages for near misses
  EXPECT_DOUBLE_EQ(GridTotalCost(other), 200);
  EXPECT_DOUBLE_EQ(GridIncidentCount(other), 5);

  IncidentGrid halves = Grid();
  halves.count[1] = 0.4;
  halves.count[2] = 0.4;  // rounded after each addition: 0, then 0
  halves.count[3] = 2.5;  // 2.5 rounds away from zero
  EXPECT_DOUBLE_EQ(GridIncidentCount(halves), 3);
}

TEST(AverageCost, NoCountGivesZero) {
  EXPECT_EQ(AverageCost(500, 0), 0);
  EXPECT_EQ(AverageCost(0, 3), 0);
  EXPECT_EQ(AverageCost(90, 4), 22.5);
}

TEST(Steps4To6, ProductivityAndTurnover) {
  EXPECT_EQ(FixedText(ProductivityValue(900, 2), 2), "18.00");
  EXPECT_EQ(FixedText(ScaledTurnoverChange(100, 50, 80, 20, 1.5), 2), "-125.00");
  EXPECT_EQ(FixedText(PotentialTurnoverChange(100, 50, 10), 2), "-15.00");
  EXPECT_EQ(FixedText(PotentialTurnoverChange(100, 50, 0), 2), "0.00");
}

TEST(Periods, LengthsCountBothEndsAndNeverDropBelowOneDay) {
  struct Case {
    DateRecord start, end;
    std::int64_t days;
  };
  const Case cases[] = {
      {{2009, 1, 1}, {2009, 12, 31}, 365}, {{2010, 1, 1}, {2010, 6, 30}, 181},
      {{2010, 3, 3}, {2010, 3, 3}, 1},     {{2008, 1, 1}, {2008, 12, 31}, 366},
      {{2010, 5, 1}, {2010, 4, 1}, 1},     {{}, {}, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(AnalysisPeriodDays(c.start, c.end), c.days) << c.start.year;
  EXPECT_DOUBLE_EQ(AnnualisationFactor(0), 365);
  EXPECT_DOUBLE_EQ(AnnualisationFactor(730), 0.5);
  EXPECT_EQ(PeriodDateText({2009, 1, 1}), "January 1, 2009");
}

TEST(Step7Prompts, NameTheTypedYearOrThisYear) {
  const std::pair<double, std::int64_t> years[] = {
      {0.0, 2011},    {-5.0, 2011},       {0.5, 2011},          {1e300, 2011},
      {2010.9, 2010}, {1000000, 1000000}, {12345678, 12345678}, {999999999999.0, 999999999999},
  };
  for (const auto& [typed, year] : years) EXPECT_EQ(PromptYear(typed, 2011), year) << typed;
  EXPECT_EQ(RatePrompts(1000000, false)[1], "Enter the 1000000 WCB average rate:");
  const auto p = RatePrompts(2010, false);
  EXPECT_EQ(p[0], "Enter your 2009 basic change limit for this industry code:");
  EXPECT_EQ(p[1], "Enter the 2010 WCB average rate:");
  EXPECT_EQ(p[2], "Enter your 2009 restated rate for this industry code:");
  EXPECT_EQ(p[3], "Enter your payroll for calendar year 2010 and the 5 years prior for this industry code");
  EXPECT_EQ(p[4], "Enter your direct claim costs for this industry code from calendar year 2009");
  EXPECT_EQ(p[5], "Enter your rate range for this industry code from calendar year 2009");
  EXPECT_EQ(RatePrompts(2010, true)[3].back(), ':');
  EXPECT_EQ(InterventionTitle(true, "Lifts"), "Example Intervention: Lifts");
  EXPECT_EQ(InterventionTitle(false, "Lifts"), "Intervention: Lifts");
}

}  // namespace
