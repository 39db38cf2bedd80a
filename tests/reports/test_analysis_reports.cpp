// The three analysis reports printed from filled worksheets: their sections in order with labels and
// values, the groups they print, the incident figures of the approach shown, and long texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "report_fixture.h"
#include "reports/reports.h"

namespace {

using report_tests::PrintedText;

class AnalysisReportTest : public report_tests::ReportTest {
 protected:
  // Group 1 of welders in both situations; the criteria lists of step 3 with a few items selected.
  static void FillModule(BoundedArray<int, 10, 40, 2, 10>& gadget,
                         BoundedArray<std::string, 10, 2, 10>& labour,
                         std::initializer_list<int> criteriaRows, bool twoLists) {
    FillAnalysis(gadget);
    const char* fields[] = {"welders", "12", "1000", "20.00", "50", "30.00", "", "", "", "1050", "21500.00"};
    for (int column = 0; column <= 1; ++column)
      for (int field = 0; field <= 10; ++field) labour(1, column, field) = fields[field];
    for (const int row : criteriaRows) {
      gadget(6, row, 1, 2) = List({"ALL", "Falls", "Cuts", "Burns"}, {1, 3});
      if (twoLists) gadget(6, row, 2, 2) = List({"ALL", "Falls", "Cuts"}, {2});
    }
  }
};

TEST_F(AnalysisReportTest, BeforeAndAfterPrintsEverySectionInOrder) {
  FillModule(BAGadget, BALabour, {4, 5, 9, 10, 7, 14, 6}, true);
  const auto printed = Print(PrintBAReport);
  ExpectInOrder(
      printed,
      {"Acme Works", "Record title", "INTERVENTION DESCRIPTION", "L8-2:", "v8-2-1-2", "L8-7:", "v8-7-1-2",
       "L8-8", "L8-9:", "v8-9-1-2", "L8-10:", "v8-10-1-2", "WORK TIME & LABOUR COSTS", "Before Period",
       "After Period", "v7-2-1-2", "v7-2-2-2", "L7-2", "L7-3", "Occupational group number: 1",
       "\xE2\x80\xA2 Occupation of workers:", "WELDERS", "12", "12", "L7-5", "1000 hrs", "1000 hrs", "L7-6",
       "$20.00 /hr", "$20.00 /hr", "L7-7", "L7-8", "L7-9", "1050 hrs", "1050 hrs", "L7-17", "$21,500.00",
       "$21,500.00", "L7-15", "OCCUPATIONAL GROUP TOTALS", "v7-18-1-2 hrs", "v7-18-2-2 hrs", "L7-18",
       "$v7-16-1-2", "$v7-16-2-2", "L7-16", "INCIDENTS", "Before Period", "After Period", "v6-2-1-2",
       "v6-2-2-2", "L6-2", "L6-3",
       // Selected items of the two periods side by side, each list in its own order.
       "L6-4:", "\xE2\x80\xA2 Falls", "\xE2\x80\xA2 Cuts", "\xE2\x80\xA2 Burns", "L6-5:", "v6-11-1-2",
       "v6-11-2-2", "L6-11", "$v6-12-1-2", "$v6-12-2-2", "L6-12", "$v6-13-1-2", "L6-13", "INTERVENTION COSTS",
       "Details", "Amount", "L5-2", "$v5-3-2-2", "L5-3", "v5-3-1-2", "L5-10", "$v5-19-2-2", "L5-19",
       "v5-19-1-2", "L5-20", "$v5-20-2-2", "AT-WORK PRODUCTIVITY", "Percentage change", "Value", "L4-3",
       "v4-2-1-2%", "$v4-3-2-2", "TURNOVER COSTS", "Before Period", "After Period", "$v3-2-1-2", "$v3-2-2-2",
       "L3-2", "$v3-3-1-2", "$ v3-5-2-2", "L3-5", "INSURANCE COSTS", "Workers' compensation costs",
       "Your organizations's experience rating program: v2-3-1-2", "BEFORE PERIOD", "AFTER PERIOD",
       "Total claims cost", "Total claims cost", "v2-8-1-1", "v2-8-1-2", "v2-11-1-2", "L2-11", "$v2-12-1-2",
       "L2-12", "L2-14", "$v2-14-1-2", "v2-14-1-1", "$v2-19-1-2", "v2-19-1-1", "$v2-20-1-2", "L2-29",
       "$v2-22-1-2", "L2-22", "$ v2-24-2-2", "L2-24", "$ v2-25-2-2", "L2-25", "SUMMARY", "Before Period",
       "After Period", "v1-2-1-2", "days", "v1-2-2-2", "days", "L1-2", "$v1-8-1-2", "$v1-8-2-2", "L1-8",
       "v1-5-1-2", "L1-5", "v1-23-2-2", "L1-23", "L1-9", "v1-10-1-2", "$v1-12-2-2", "L1-12", "$v1-13-2-2",
       "L1-13", "$v1-17-2-2", "L1-17", "Calculated", "Calculated", "Calculated", "benefits less", "value",
       "benefits plus", "10%", "10%", "v1-18-1-2", "v1-18-2-1", "v1-18-2-2", "L1-18", "v1-20-2-2", "L1-20"});
  // The analysis number is not printed; the after column of rows 13 to 17 stands alone.
  EXPECT_EQ(Find(printed, "L8-1:"), nullptr);
  EXPECT_EQ(Find(printed, "$v1-13-1-2"), nullptr);
  // Groups without hours leave no trace.
  EXPECT_EQ(Find(printed, "Occupational group number: 2"), nullptr);
}

TEST_F(AnalysisReportTest, ConcurrentGroupsPrintsItsOwnDatesListsAndHeadings) {
  FillModule(CGGadget, CGLabour, {4, 5, 9, 10, 7, 14}, false);
  CGGadget(6, 6, 1, 2) = List({"Shipping", "Assembly"}, {0, 1});
  CGGadget(6, 6, 2, 2) = List({"Paint"}, {0});
  const auto printed = Print(PrintCGReport);
  ExpectInOrder(
      printed, {"INTERVENTION DESCRIPTION", "L8-9:", "L8-10:", "L8-11:", "v8-11-1-2",
                "WORK TIME & LABOUR COSTS", "v7-2-1-2", "L7-2", "Occupational group number: 1", "WELDERS",
                "Non-Intervention Department", "Intervention Department", "12", "12", "L7-5",
                "OCCUPATIONAL GROUP TOTALS", "INCIDENTS", "v6-2-1-2", "L6-2",
                // A shared list prints its selected items under each other beside the label.
                "L6-4:", "\xE2\x80\xA2 Falls", "\xE2\x80\xA2 Burns", "L6-5:", "Non-Intervention Department",
                "Intervention Department", "L6-6:", "\xE2\x80\xA2 Shipping", "\xE2\x80\xA2 Paint",
                "\xE2\x80\xA2 Assembly", "v6-11-1-2", "INTERVENTION COSTS", "L5-2", "L5-20", "TURNOVER COSTS",
                "Non-Intervention", "Intervention", "Department", "Department", "$v3-2-1-2",
                "INSURANCE COSTS", "Non-Intervention Department", "Intervention Department",
                "Total claims cost", "SUMMARY", "Non-Intervention Department", "Intervention Department",
                "$v1-24-1-2", "L1-24", "L1-9", "Calculated"});
  EXPECT_EQ(Find(printed, "v7-2-2-2"), nullptr);  // the dates hold one value
  const auto* falls = Find(printed, "\xE2\x80\xA2 Falls");
  const auto* burns = Find(printed, "\xE2\x80\xA2 Burns");
  ASSERT_TRUE(falls && burns);
  EXPECT_EQ(falls->y, Find(printed, "L6-4:")->y);
  EXPECT_GT(burns->y, falls->y);
  EXPECT_EQ(Find(printed, "\xE2\x80\xA2 Paint")->y, Find(printed, "\xE2\x80\xA2 Shipping")->y);
}

TEST_F(AnalysisReportTest, PotentialInterventionPrintsTheGridBreakdownAndItsOwnPages) {
  FillModule(PIGadget, PILabour, {4, 5, 9, 10, 7, 11, 6}, false);
  const auto printed = Print(PrintPIReport);
  ExpectInOrder(printed, {"POTENTIAL INTERVENTION DESCRIPTION",
                          "L8-2:",
                          "L8-8",
                          "L8-10:",
                          "WORK TIME & LABOUR COSTS",
                          "v7-2-1-2",
                          "Occupational group number: 1",
                          "Existing Situation",
                          "Potential Scenario",
                          "OCCUPATIONAL GROUP TOTALS",
                          "INCIDENTS",
                          "L6-11:",
                          "\xE2\x80\xA2 Falls",
                          "Existing",
                          "Potential",
                          "Situation",
                          "Scenario",
                          "INCIDENTS BREAKDOWN",
                          "Justification for Estimate",
                          "Lost-time work injuries/illnesses",
                          "Number of incidents",
                          "v6-20-1-1",
                          "v6-20-2-1",
                          "v6-20-2-6",
                          "Indirect costs multiplier",
                          "v6-35-1-1",
                          "No-lost-time work injuries/illnesses (including first aid)",
                          "Average incident cost",
                          "$v6-34-1-2",
                          "$v6-34-2-2",
                          "v6-34-2-6",
                          "Other incidents",
                          "$v6-34-1-5",
                          "L6-36",
                          "v6-36-1-2",
                          "v6-36-2-2",
                          "L6-38",
                          "$v6-38-1-2",
                          "INTERVENTION COSTS",
                          "L5-20",
                          "TURNOVER COSTS",
                          "Justification for Estimate",
                          "$v3-2-1-2",
                          "L3-2",
                          "v3-4-1-2",
                          "%",
                          "v3-4-2-2",
                          "L3-4",
                          "$ v3-5-2-2",
                          "INSURANCE COSTS",
                          "Existing Situation",
                          "Potential Scenario",
                          "$ v2-24-2-2",
                          "L2-25",
                          "$ v2-25-2-2",
                          "Short- and long-term disability costs",
                          "Existing",
                          "Potential",
                          "Situation",
                          "Scenario",
                          "Justification for Estimate",
                          "L2-26",
                          "$v2-26-2-2",
                          "L2-27",
                          "SUMMARY",
                          "Existing Situation",
                          "Potential Scenario",
                          "v1-2-1-2",
                          "days",
                          "$v1-17-2-2",
                          "L1-17",
                          "Calculated",
                          "v1-20-2-2"});
  // Insurance and summary always open a page of their own.
  for (const char* title : {"INSURANCE COSTS", "SUMMARY"}) EXPECT_TRUE(OpensItsPage(printed, title)) << title;
}

// A group with hours only in the second column still explains part of the totals, so it is printed.
TEST_F(AnalysisReportTest, AGroupIsPrintedWhenEitherColumnHasHours) {
  FillAnalysis(BAGadget);
  BALabour(3, 0, 9) = "0", BALabour(3, 1, 9) = "40";
  BALabour(5, 0, 9) = "12.7";
  BALabour(6, 0, 9) = "0.5", BALabour(6, 1, 9) = "";
  const auto printed = Print(PrintBAReport);
  EXPECT_EQ(Find(printed, "Occupational group number: 1"), nullptr);
  EXPECT_NE(Find(printed, "Occupational group number: 3"), nullptr);
  EXPECT_NE(Find(printed, "Occupational group number: 5"), nullptr);
  EXPECT_EQ(Find(printed, "Occupational group number: 6"), nullptr);
  ExpectInOrder(printed, {"Occupational group number: 3", "Before Period", "After Period", "40 hrs",
                          "Occupational group number: 5", "12.7 hrs"});
}

// In the summary approach step 8 works with the typed figures, so the report prints those.
TEST_F(AnalysisReportTest, TheSummaryApproachPrintsItsOwnIncidentFigures) {
  FillAnalysis(BAGadget);
  NoticeGadget(1, 4) = pf::ContainerGadget(pf::kAutoNumber, 0, 0, 10, 10);
  pf::HideGadget(NoticeGadget(1, 4), true);
  const auto printed = Print(PrintBAReport);
  ExpectInOrder(printed, {"INCIDENTS", "v6-18-1-2", "v6-18-2-2", "L6-18", "L6-19", "v6-36-1-2", "L6-36",
                          "$v6-37-1-2", "$v6-38-2-2", "INTERVENTION COSTS"});
  EXPECT_EQ(Find(printed, "v6-11-1-2"), nullptr);
  EXPECT_EQ(Find(printed, "L6-4:"), nullptr);
}

// The selected items of the two periods stand side by side; a pair starts below the longer item of the
// pair before it, whatever side that item is on.
TEST_F(AnalysisReportTest, AWrappedCriteriaItemPushesTheNextPairDown) {
  FillAnalysis(BAGadget);
  const std::string wide = "Struck by a falling object while loading the overhead racking in bay four";
  BAGadget(6, 4, 1, 2) = List({"ALL", wide, "Cuts"}, {1, 2});
  BAGadget(6, 4, 2, 2) = List({"ALL", "Falls", "Burns"}, {1, 2});
  const auto printed = Print(PrintBAReport);
  const auto* falls = Find(printed, "\xE2\x80\xA2 Falls");
  const auto* cuts = Find(printed, "\xE2\x80\xA2 Cuts");
  const auto* burns = Find(printed, "\xE2\x80\xA2 Burns");
  ASSERT_TRUE(falls && cuts && burns);
  int wideEnd = falls->y;  // the y of the wide item's last line
  for (const auto& t : printed) {
    if (t.page == falls->page && t.y >= falls->y && wide.find(t.text) != std::string::npos) {
      wideEnd = std::max(wideEnd, t.y);
    }
  }
  EXPECT_GT(wideEnd, falls->y) << "the item does not wrap";
  EXPECT_GT(cuts->y, wideEnd);
  EXPECT_EQ(burns->y, cuts->y);
}

// The summary table runs over a page: the next page opens with its title, continued, and its column headings
// before the rows go on.
TEST_F(AnalysisReportTest, ARowMovedToTheNextPageGoesOnUnderTheSectionsHeadings) {
  FillModule(BAGadget, BALabour, {4, 5, 9, 10, 7, 14, 6}, true);
  const auto printed = Print(PrintBAReport);
  std::size_t at = 0;
  while (at < printed.size() && printed[at].text != "SUMMARY (continued)") ++at;
  ASSERT_LT(at + 2, printed.size()) << "the summary fits on one page";
  EXPECT_TRUE(at > 0 && printed[at - 1].page < printed[at].page);
  EXPECT_EQ(printed[at + 1].text, "Before Period");
  EXPECT_EQ(printed[at + 2].text, "After Period");
  EXPECT_EQ(printed[at + 1].page, printed[at].page);
}

TEST_F(AnalysisReportTest, ALongDescriptionRunsOnToTheNextPageWithoutLosingAWord) {
  FillAnalysis(BAGadget);
  std::string text;
  for (int i = 0; i < 400; ++i) text += (i ? " w" : "w") + std::to_string(i);
  pf::SetGadgetText(BAGadget(8, 3, 1, 2), text);
  const auto printed = Print(PrintBAReport, "", 2000);
  std::string joined;
  int firstPage = -1, lastPage = -1;
  bool inside = false;
  for (const auto& t : printed) {
    if (t.text == "L8-3:")
      inside = true;
    else if (t.text == "L8-4:")
      break;
    else if (inside && t.text != "INTERVENTION DESCRIPTION (continued)") {
      joined += (joined.empty() ? "" : " ") + t.text;
      if (firstPage < 0) firstPage = t.page;
      lastPage = t.page;
    }
  }
  EXPECT_EQ(joined, text);
  EXPECT_GT(lastPage, firstPage);
  // Every line starts on its page.
  for (const auto& t : printed) EXPECT_LE(t.y, 2000 * 98 / 100 + 100) << t.text;
}

}  // namespace
