// The analyses' worked examples, typed into the real worksheets field by field as a user does; every figure
// is read from the cell the user sees, after the field was left and the worksheet recalculated.
#include <array>
#include <string>

#include "analysis/calc/analysis_module.h"
#include "analysis/calc/incident_fixture.h"
#include "analysis/calc/industry_codes.h"
#include "analysis/pages/pages_globals.h"
#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/date_fields.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

using Cell = std::array<int, 4>;

class WorkedExample : public ProgramTest {
 protected:
  // A new analysis of the module on the second tab (3 Before & After, 2 Concurrent Groups, 1 Potential
  // Intervention), shown on step 1.
  void Open(int secondTab, void (*newAnalysis)(), WorksheetGadgets& gadget) {
    g_ = &gadget;
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    SelectTopTab(1);
    SelectSecondTab(secondTab);
    SelectThirdTab(8);
    ShowPage(-1, -1, -1);
    Pump();
    newAnalysis();
    Pump();
  }
  void Step(int step) {
    ShowPage(-1, -1, 9 - step);
    Pump();
  }
  int At(Cell c) const { return (*g_)(c[0], c[1], c[2], c[3]); }
  std::string Shown(Cell c) const { return pf::GetGadgetText(At(c)); }

  // Focus, select all, type, leave the field with Tab: the field's exit recalculates the worksheet.
  void Enter(Cell c, const std::string& text) {
    const int field = At(c);
    ASSERT_NE(field, 0) << c[0] << "," << c[1] << "," << c[2] << "," << c[3];
    pf::SetActiveGadget(field);
    Pump();
    ASSERT_TRUE(pf::test::HasFocus(field)) << c[0] << "," << c[1] << "," << c[2] << "," << c[3];
    pf::SetGadgetSelection(field, 0, -1);
    pf::test::TypeText(text);
    Pump();
    pf::test::PressTab();
    Pump();
  }
  void EnterAll(std::initializer_list<std::pair<Cell, const char*>> cells) {
    for (const auto& [c, text] : cells) Enter(c, text);
  }
  void Dates(int column, int fromYear, int fromMonth, int fromDay, int toYear, int toMonth, int toDay) {
    SetDateGadget(At({7, 2, column, 2}), fromYear, fromMonth, fromDay);
    Pump();
    SetDateGadget(At({7, 3, column, 2}), toYear, toMonth, toDay);
    Pump();
  }
  void ClickSummaryApproach(int mark) {
    pf::test::Click(mark);
    Pump();
  }
  void ExpectCells(std::initializer_list<std::pair<Cell, const char*>> cells) const {
    for (const auto& [c, text] : cells)
      EXPECT_EQ(Shown(c), text) << c[0] << "," << c[1] << "," << c[2] << "," << c[3];
  }
  // Every figure of step 8 (slots 1 and 2; slot 0 holds the labels) is a number, never "inf" or "nan".
  void ExpectNoNonNumbers() const {
    for (int row = 1; row < 40; ++row)
      for (int column = 1; column <= 2; ++column)
        for (int slot = 1; slot <= 2; ++slot) {
          const int g = (*g_)(1, row, column, slot);
          if (!g) continue;
          const std::string text = pf::GetGadgetText(g);
          EXPECT_EQ(text.find("inf"), std::string::npos)
              << row << "," << column << "," << slot << ": " << text;
          EXPECT_EQ(text.find("nan"), std::string::npos)
              << row << "," << column << "," << slot << ": " << text;
        }
  }

  WorksheetGadgets* g_ = nullptr;
};

// Labour 200 / 300 over 100 / 150 hours (r = 1.5), incident costs 10,000 / 4,000 typed as near misses of the
// summary approach, intervention costs 5,000, periods of a year. Before & After has two periods and shows the
// labour totals in row 8; Concurrent Groups one period, the totals in row 24.
TEST_F(WorkedExample, SummaryReachesItsNetReturnPaybackAndRatio) {
  const struct {
    int secondTab;
    void (*newAnalysis)();
    WorksheetGadgets& gadget;
    const int& summaryMark;
    int labourRow;
  } analyses[] = {{3, NewBAAnalysis, BAGadget, BASummaryMark, 8},
                  {2, NewCGAnalysis, CGGadget, CGSummaryMark, 24}};
  for (const auto& a : analyses) {
    SCOPED_TRACE(a.secondTab);
    Open(a.secondTab, a.newAnalysis, a.gadget);
    Step(2);
    Dates(1, 2009, 1, 1, 2009, 12, 31);
    if (a.labourRow == 8) Dates(2, 2010, 1, 1, 2010, 12, 31);
    EnterAll({{{7, 6, 1, 2}, "100"}, {{7, 7, 1, 2}, "2"}, {{7, 6, 2, 2}, "150"}});
    ExpectCells(
        {{{7, 7, 2, 2}, "2"}, {{7, 15, 1, 2}, "200.00"}, {{7, 16, 2, 2}, "300.00"}, {{7, 18, 2, 2}, "150"}});

    Step(3);
    ClickSummaryApproach(a.summaryMark);
    ASSERT_EQ(pf::GetGadgetText(a.summaryMark), "X");
    EnterAll({{{6, 20, 1, 4}, "1"}, {{6, 34, 1, 4}, "10000"}, {{6, 20, 2, 4}, "1"}, {{6, 34, 2, 4}, "4000"}});
    ExpectCells({{{6, 37, 1, 2}, "10,000.00"}, {{6, 37, 2, 2}, "4,000.00"}, {{6, 36, 1, 2}, "1"}});

    Step(4);
    Enter({5, 3, 2, 2}, "5000");
    EXPECT_EQ(Shown({5, 20, 2, 2}), "5,000.00");

    Step(8);
    ExpectCells({
        {{1, 2, 1, 2}, "365"},          {{1, 2, 2, 2}, "365"},          {{1, 3, 1, 2}, "100"},
        {{1, 3, 2, 2}, "150"},          {{1, 10, 1, 2}, "150"},         {{1, 11, 1, 2}, "300.00"},
        {{1, 11, 2, 2}, "300.00"},      {{1, 12, 1, 2}, "15,000.00"},   {{1, 12, 2, 2}, "4,000.00"},
        {{1, 13, 2, 2}, "5,000.00"},    {{1, 18, 2, 1}, "$6,000"},      {{1, 18, 1, 2}, "$4,900"},
        {{1, 18, 2, 2}, "$7,100"},      {{1, 19, 2, 1}, "5.53 months"}, {{1, 19, 1, 2}, "6.14 months"},
        {{1, 19, 2, 2}, "5.03 months"}, {{1, 20, 2, 1}, "2.20"},        {{1, 20, 1, 2}, "1.98"},
        {{1, 20, 2, 2}, "2.42"},
    });
    EXPECT_EQ(Shown({1, a.labourRow, 1, 2}), "200.00");
    EXPECT_EQ(Shown({1, a.labourRow, 2, 2}), "300.00");
  }
}

// Benefits equal to the intervention's cost: no net return, yet the investment pays for itself once.
TEST_F(WorkedExample, BreakEvenShowsRatioOne) {
  Open(3, NewBAAnalysis, BAGadget);
  Step(2);
  Dates(1, 2009, 1, 1, 2009, 12, 31);
  Dates(2, 2010, 1, 1, 2010, 12, 31);
  Step(3);
  ClickSummaryApproach(BASummaryMark);
  EnterAll({{{6, 20, 1, 4}, "1"}, {{6, 34, 1, 4}, "5000"}});
  Step(4);
  Enter({5, 3, 2, 2}, "5000");
  Step(8);
  ExpectCells({{{1, 18, 2, 1}, "$0"},
               {{1, 18, 1, 2}, "$-500"},
               {{1, 18, 2, 2}, "$500"},
               {{1, 20, 2, 1}, "1.00"},
               {{1, 20, 1, 2}, "0.90"},
               {{1, 20, 2, 2}, "1.10"},
               {{1, 19, 2, 1}, "12.17 months"}});
  ExpectNoNonNumbers();
}

// No hours, a period whose end is put before its start, intervention costs but no benefit: every division
// of step 8 is guarded.
TEST_F(WorkedExample, EmptyPeriodAndHoursShowGuardedFigures) {
  Open(3, NewBAAnalysis, BAGadget);
  Step(2);
  Dates(2, 2010, 6, 1, 2010, 5, 1);
  EnterAll({{{7, 6, 1, 2}, "0"}, {{7, 6, 2, 2}, "0"}});
  Step(4);
  Enter({5, 3, 2, 2}, "0");
  Step(8);
  // The date fields keep the end on the start at the earliest, so the period lasts a day.
  ExpectCells({{{1, 2, 2, 2}, "1"},
               {{1, 3, 1, 2}, "0"},
               {{1, 3, 2, 2}, "0"},
               {{1, 18, 2, 1}, "$0"},
               {{1, 19, 2, 1}, "0.00 months"},
               {{1, 19, 1, 2}, "0.00 months"},
               {{1, 20, 2, 1}, "0.00"},
               {{1, 20, 2, 2}, "0.00"}});
  ExpectNoNonNumbers();

  // Costs without any benefit: a negative return, payback and ratio still finite.
  Step(4);
  Enter({5, 3, 2, 2}, "1000");
  Step(8);
  ExpectCells({{{1, 18, 2, 1}, "$-1,000"}, {{1, 19, 2, 1}, "0.00 months"}, {{1, 20, 2, 1}, "0.00"}});
  ExpectNoNonNumbers();
}

// One industry code, payroll S = 1,000,000 in every year, claims 0.3 % of S before and 0.1 % after, direct
// claim costs 0.8 % of S, rates 2 and 2, range 1.5 to 3, limit 10 %, equal work hours and full years.
TEST_F(WorkedExample, PremiumChangeOfOneIndustryCode) {
  Open(3, NewBAAnalysis, BAGadget);
  Step(2);
  Dates(1, 2009, 1, 1, 2009, 12, 31);
  Dates(2, 2010, 1, 1, 2010, 12, 31);
  Step(3);
  ClickSummaryApproach(BASummaryMark);
  EnterAll(
      {{{6, 27, 1, 0}, "72100"}, {{6, 27, 1, 1}, "3000"}, {{6, 27, 2, 0}, "72100"}, {{6, 27, 2, 1}, "1000"}});

  Step(7);
  const int combo = At({2, 3, 1, 2});
  ASSERT_EQ(pf::CountGadgetItems(combo), 1);
  EXPECT_EQ(pf::GetGadgetText(combo), "72100");
  const int limit = At({2, 11, 1, 2});
  // The basic change limits the board gives, each with its position as its code; a new firm's comes last.
  const char* const limits[] = {"10%",  "20%",  "30%",  "40%",  "50%",     "-5%",
                                "-10%", "-15%", "-20%", "-25%", "new firm"};
  ASSERT_EQ(pf::CountGadgetItems(limit), int(std::size(limits)));
  for (int i = 0; i < int(std::size(limits)); ++i) {
    EXPECT_EQ(pf::GetGadgetItemText(limit, i), limits[i]);
    EXPECT_EQ(pf::GetGadgetItemData(limit, i), i);
  }
  pf::SetGadgetState(limit, 0);
  Pump();
  ASSERT_EQ(pf::GetGadgetText(limit), "10%");
  EnterAll({{{2, 4, 1, 2}, "2010"}, {{2, 12, 1, 2}, "2"}, {{2, 13, 1, 2}, "2"}});
  for (int row = 14; row <= 19; ++row) Enter({2, row, 1, 2}, "1000000");
  EnterAll({{{2, 20, 1, 2}, "8000"}, {{2, 21, 1, 2}, "1.5"}, {{2, 22, 1, 2}, "3"}});
  ExpectCells({{{2, 24, 2, 2}, "-4,809.52"}, {{2, 25, 2, 2}, "-4,809.52"}});
  ASSERT_EQ(BAIndustryCodesSummary.size(), 1u);
  EXPECT_EQ(BAIndustryCodesSummary[0].s[kPremiumChangeField], "-4809.52");
  Step(8);
  EXPECT_EQ(Shown({1, 15, 2, 2}), "-4,809.52");
}

// Short-term disability wages of lost-time injuries and sickness absences: 100 and 50 before, 40 and 10
// after, each with the 15 % administration cost. The first column is the retrieval's until the summary
// approach is chosen, so both analyses are switched to it.
TEST_F(WorkedExample, DisabilityChangeOfTheSummaryApproach) {
  const struct {
    int secondTab;
    void (*newAnalysis)();
    WorksheetGadgets& gadget;
    const int& summaryMark;
  } analyses[] = {{3, NewBAAnalysis, BAGadget, BASummaryMark}, {1, NewPIAnalysis, PIGadget, PISummaryMark}};
  for (const auto& a : analyses) {
    Open(a.secondTab, a.newAnalysis, a.gadget);
    Step(3);
    ClickSummaryApproach(a.summaryMark);
    EnterAll({{{6, 25, 1, 1}, "100"}, {{6, 25, 1, 3}, "50"}, {{6, 25, 2, 1}, "40"}, {{6, 25, 2, 3}, "10"}});
    Step(7);
    EXPECT_EQ(Shown({2, 26, 2, 2}), "-115.00") << a.secondTab;
    Step(8);
    EXPECT_EQ(Shown({1, 16, 2, 2}), "-115.00") << a.secondTab;
  }
}

// The same change where a new analysis starts: the retrieval sums the stored incidents' short-term wages per
// period (10 hours at 15 and at 5 an hour, fully paid by short-term disability).
TEST_F(WorkedExample, DisabilityChangeOfRetrievedIncidents) {
  Open(3, NewBAAnalysis, BAGadget);
  AddIncidentColumns(RecordDatabase);
  for (const char* year : {"2009", "2010"})
    InsertIncident(RecordDatabase, {{"datefield", std::string(year) + "-03-03"},
                                    {"totalcostfield", "100"},
                                    {"incidenttypefield", "0"},
                                    {"absencetimefield", "10"},
                                    {"absenceratefield", year == std::string("2009") ? "15" : "5"},
                                    {"absenceshorttermfield", "100"}});
  Step(2);
  Dates(1, 2009, 1, 1, 2009, 12, 31);
  Dates(2, 2010, 1, 1, 2010, 12, 31);
  Step(3);
  ASSERT_EQ(pf::GetGadgetData(BADatabaseMark), 0);
  // The retrieve button sits below the criteria lists: scroll down to it, then press it.
  const int button = At({6, 8, 1, 2});
  const pf::Rect area = pf::GadgetScreenRect(BADatabaseScrollArea), rect = pf::GadgetScreenRect(button);
  if (rect.y + rect.h > area.y + area.h)
    pf::SetScrollY(BADatabaseScrollArea,
                   pf::GetScrollY(BADatabaseScrollArea) + rect.y + rect.h - area.y - area.h + 20);
  Pump();
  pf::test::Click(button);
  Pump();
  EXPECT_FALSE(pf::IsGadgetHidden(At({6, 8, 1, 1})));
  ExpectCells(
      {{{6, 11, 1, 2}, "1"}, {{6, 11, 2, 2}, "1"}, {{2, 26, 1, 2}, "172.50"}, {{2, 26, 2, 1}, "57.50"}});
  Step(7);
  EXPECT_EQ(Shown({2, 26, 2, 2}), "-115.00");
  Step(8);
  EXPECT_EQ(Shown({1, 16, 2, 2}), "-115.00");
}

// Two occupational groups of 10.4 hours at 10 and 20 an hour: each keeps its own fields, both stay in the
// totals, and the summary's hours are the unrounded 20.8.
TEST_F(WorkedExample, GroupSwitchKeepsEachGroupsValues) {
  Open(3, NewBAAnalysis, BAGadget);
  Step(2);
  EnterAll({{{7, 4, 2, 2}, "Welders"}, {{7, 5, 1, 2}, "3"}, {{7, 6, 1, 2}, "10.4"}, {{7, 7, 1, 2}, "10"}});
  EXPECT_EQ(Shown({7, 15, 1, 2}), "104.00");

  pf::SetGadgetText(At({7, 4, 1, 2}), "2");
  Pump();
  ExpectCells({{{7, 4, 2, 2}, ""}, {{7, 6, 1, 2}, ""}, {{7, 16, 1, 2}, "104.00"}});
  EnterAll({{{7, 4, 2, 2}, "Drivers"}, {{7, 6, 1, 2}, "10.4"}, {{7, 7, 1, 2}, "20"}});
  ExpectCells(
      {{{7, 15, 1, 2}, "208.00"}, {{7, 16, 1, 2}, "312.00"}, {{7, 17, 1, 2}, "10"}, {{7, 18, 1, 2}, "20"}});

  pf::SetGadgetText(At({7, 4, 1, 2}), "1");
  Pump();
  ExpectCells({{{7, 4, 2, 2}, "Welders"},
               {{7, 5, 1, 2}, "3"},
               {{7, 6, 1, 2}, "10.4"},
               {{7, 7, 1, 2}, "10"},
               {{7, 15, 1, 2}, "104.00"},
               {{7, 16, 1, 2}, "312.00"}});
  Step(8);
  ExpectCells({{{1, 3, 1, 2}, "21"}, {{1, 8, 1, 2}, "312.00"}});
}
}  // namespace
