// The retrieve button's procedures on the real worksheets, over a record file of fixture incidents.
#include <map>
#include <string>

#include "analysis/calc/incident_fixture.h"
#include "analysis/calc/incident_retrieval.h"
#include "incident/incident_pages.h"
#include "platform/platform.h"
#include "shell/date_fields.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"
#include "store/record_store.h"
#include "store/store_globals.h"

namespace {

using Gadgets = BoundedArray<int, 10, 40, 2, 10>;

class RetrievalWorksheet : public ProgramTest {
 protected:
  // Shows step 3 of the module (second tab 3 Before & After, 2 Concurrent Groups, 1 Potential Intervention)
  // over a new analysis, and stores the fixture incidents.
  void Open(int secondTab, void (*newAnalysis)()) {
    Show(secondTab, newAnalysis);
    AddIncidentColumns(RecordDatabase);
    InsertFixtureIncidents(RecordDatabase);
  }
  void Show(int secondTab, void (*newAnalysis)()) {
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    SelectTopTab(1);
    SelectSecondTab(secondTab);
    SelectThirdTab(6);
    ShowPage(-1, -1, -1);
    Pump();
    newAnalysis();
    Pump();
  }
  // The Multiple Incidents Summary over a new record.
  void ShowSummary() {
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    SelectTopTab(2);
    SelectSecondTab(10);
    ShowPage(-1, -1, -1);
    Pump();
    NewMISummary();
    Pump();
  }
  static void SetDate(const Gadgets& x, int row, int column, int y, int m, int d) {
    SetDateGadget(x(7, row, column, 2), y, m, d);
  }
  static std::string Text(const Gadgets& x, int page, int row, int column, int slot) {
    return pf::GetGadgetText(x(page, row, column, slot));
  }
  // Every text of the worksheet, to see that a failed retrieval changed none.
  static std::map<int, std::string> AllTexts(const Gadgets& x) {
    std::map<int, std::string> texts;
    for (int p = 0; p < 10; ++p)
      for (int r = 0; r < 40; ++r)
        for (int c = 0; c < 2 + 1; ++c)
          for (int s = 0; s < 10; ++s)
            if (const int g = x(p, r, c, s)) texts[g] = pf::GetGadgetText(g);
    return texts;
  }
  // Another program holds the record file locked for writing.
  void LockRecordFile() {
    ASSERT_TRUE(locker.Open(kRecordFileName, false));
    ASSERT_TRUE(locker.Execute("begin exclusive;"));
    ASSERT_TRUE(RecordDatabase.SetBusyTimeout(0));
  }
  sql::Database locker;
};

TEST_F(RetrievalWorksheet, BeforeAndAfterFillsCountsCostsClaimsAndStepEight) {
  Open(3, NewBAAnalysis);
  auto& x = BAGadget;
  SetDate(x, 2, 1, 2009, 1, 1);
  SetDate(x, 3, 1, 2009, 12, 31);
  SetDate(x, 2, 2, 2010, 1, 1);
  SetDate(x, 3, 2, 2010, 12, 31);
  BAIndustryCodes.resize(1);
  BAIndustryCodes[0].s[kCodeField] = "4711";
  BAIndustryCodes[0].s[kAverageRateField] = "1.25";
  pf::test::TakeMessageLog();
  RetrieveIncidentsForBA();
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());

  struct Expect {
    int page, row, column, slot;
    const char* text;
  };
  const Expect expected[] = {
      {6, 11, 1, 2, "5"},      {6, 12, 1, 2, "3,790.50"},
      {6, 11, 2, 2, "1"},      {6, 12, 2, 2, "9,000.00"},
      {1, 5, 1, 2, "2"},       {1, 4, 1, 2, "1"},  // an empty type code reads 0: lost time
      {1, 22, 1, 2, "1"},      {1, 23, 1, 2, "1"},
      {1, 21, 1, 2, "0"},      {1, 6, 1, 2, "11.25"},
      {1, 7, 1, 2, "6.50"},    {1, 21, 2, 2, "1"},
      {1, 6, 2, 2, "8.00"},    {1, 5, 2, 2, "0"},
      {2, 26, 1, 2, "138.00"}, {2, 27, 1, 2, "23.00"},
      {2, 26, 2, 1, "0.00"},   {6, 8, 1, 1, "* Incidents successfully retrieved (see below) *"},
  };
  for (const Expect& e : expected)
    EXPECT_EQ(Text(x, e.page, e.row, e.column, e.slot), e.text) << e.page << "," << e.row << "," << e.column;
  EXPECT_FALSE(pf::IsGadgetHidden(x(6, 8, 1, 1)));
  EXPECT_EQ(ModifiedFlags(KindBA), 1);

  // One record per code in query order; the code found again keeps what was typed for it.
  ASSERT_EQ(BAIndustryCodes.size(), 3u);
  EXPECT_EQ(BAIndustryCodes[0].s[kCodeField], "4711");
  EXPECT_EQ(BAIndustryCodes[0].s[kClaims1Field], "500.40");
  EXPECT_EQ(BAIndustryCodes[0].s[kClaims2Field], "999.00");
  EXPECT_EQ(BAIndustryCodes[0].s[kAverageRateField], "1.25");
  EXPECT_EQ(BAIndustryCodes[1].s[kCodeField], "");
  EXPECT_EQ(BAIndustryCodes[2].s[kCodeField], "999");
  const int combo = x(2, 3, 1, 2);
  ASSERT_EQ(pf::CountGadgetItems(combo), 3);
  EXPECT_EQ(pf::GetGadgetState(combo), 0);
  EXPECT_EQ(Text(x, 2, 8, 1, 1), "$500.40 ");
  EXPECT_EQ(Text(x, 2, 8, 1, 2), "$999.00 ");

  // Only lost-time incidents, and a period that finds none in the after column.
  const int types = x(6, 4, 1, 2);
  pf::SetGadgetItemSelected(types, 0, false);
  for (int i = 1; i < pf::CountGadgetItems(types); ++i)
    pf::SetGadgetItemSelected(types, i, pf::GetGadgetItemData(types, i) == 0);
  SetDate(x, 2, 2, 2011, 1, 1);
  SetDate(x, 3, 2, 2011, 12, 31);
  RetrieveIncidentsForBA();
  EXPECT_EQ(Text(x, 6, 11, 1, 2), "1");
  EXPECT_EQ(Text(x, 6, 12, 1, 2), "1,000.50");
  EXPECT_EQ(Text(x, 6, 11, 2, 2), "0");
  EXPECT_EQ(Text(x, 6, 12, 2, 2), "0.00");
  EXPECT_EQ(Text(x, 1, 23, 1, 2), "0");
  ASSERT_EQ(BAIndustryCodes.size(), 1u);
  EXPECT_EQ(BAIndustryCodes[0].s[kClaims2Field], "0");
}

TEST_F(RetrievalWorksheet, ConcurrentGroupsPassesDifferOnlyInTheirDepartment) {
  Open(2, NewCGAnalysis);
  auto& x = CGGadget;
  SetDate(x, 2, 1, 2009, 1, 1);
  SetDate(x, 3, 1, 2010, 12, 31);
  const int second = x(6, 6, 2, 2);
  pf::AddGadgetItem(second, -1, "kitchen");
  pf::SetGadgetItemSelected(second, 0, false);
  pf::SetGadgetItemSelected(second, pf::CountGadgetItems(second) - 1, true);
  RetrieveIncidentsForCG();
  EXPECT_EQ(Text(x, 6, 11, 1, 2), "6");
  EXPECT_EQ(Text(x, 6, 11, 2, 2), "3");
  EXPECT_EQ(Text(x, 6, 12, 2, 2), "9,290.00");
  EXPECT_EQ(ModifiedFlags(KindCG), 1);
}

TEST_F(RetrievalWorksheet, ALockedRecordFileIsReportedAndChangesNothing) {
  Open(3, NewBAAnalysis);
  auto& x = BAGadget;
  SetDate(x, 2, 1, 2009, 1, 1);
  SetDate(x, 3, 1, 2009, 12, 31);
  RetrieveIncidentsForBA();
  pf::SetGadgetText(x(2, 12, 1, 2), "7.5");  // typed on step 7 for the code shown
  Pump();
  ModifiedFlags(KindBA) = 0;
  const auto before = AllTexts(x);
  const auto codes = BAIndustryCodes;
  LockRecordFile();
  pf::test::TakeMessageLog();
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  RetrieveIncidentsForBA();
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].text.find("locked"), std::string::npos) << log[0].text;
  EXPECT_EQ(AllTexts(x), before);
  EXPECT_EQ(BAIndustryCodes.size(), codes.size());
  EXPECT_EQ(ModifiedFlags(KindBA), 0);
}

TEST_F(RetrievalWorksheet, PotentialInterventionFillsTheExistingSituationGrid) {
  Open(1, NewPIAnalysis);
  auto& x = PIGadget;
  SetDate(x, 2, 1, 2009, 1, 1);
  SetDate(x, 3, 1, 2009, 12, 31);
  pf::SetGadgetText(x(6, 30, 1, 0), "stale");  // cleared by the run
  RetrieveIncidentsForPI();
  struct Expect {
    int row, slot;
    const char* text;
  };
  const Expect expected[] = {
      {20, 1, "2"},   {20, 2, "1"},      {20, 4, "1"},  {20, 5, "1"},  {21, 1, "11"},    {23, 1, "200"},
      {24, 1, "80"},  {25, 1, "100"},    {26, 1, "20"}, {22, 1, "4"},  {22, 2, "3"},     {33, 1, "80"},
      {39, 1, "50"},  {35, 1, "0.50"},   {34, 2, "50"}, {34, 4, "30"}, {27, 0, "4711 "}, {27, 1, "300"},
      {27, 2, "200"}, {28, 0, "[none]"}, {28, 1, "0"},  {30, 0, ""},   {20, 3, ""},
  };
  for (const Expect& e : expected) EXPECT_EQ(Text(x, 6, e.row, 1, e.slot), e.text) << e.row << "," << e.slot;
  EXPECT_EQ(Text(x, 6, 37, 1, 2), "3,790.50");
  EXPECT_EQ(Text(x, 6, 8, 1, 1), "* Incidents successfully retrieved (see below) *");
  EXPECT_EQ(ModifiedFlags(KindPI), 1);
}

// One stored incident is the same type to the summary and to every analysis's retrieval: its type code is
// read by its leading number, and 0 to 3 are their own types, everything else is other.
TEST_F(RetrievalWorksheet, TheSummaryAndEveryRetrievalReadAStoredTypeAlike) {
  AddIncidentColumns(RecordDatabase);
  ShowSummary();
  SetDateGadget(MIGadget(2, 2), 2009, 1, 1);
  SetDateGadget(MIGadget(3, 2), 2009, 12, 31);
  struct Module {
    Gadgets& x;
    int secondTab;
    void (*newAnalysis)();
    void (*retrieve)();
  };
  const Module modules[] = {{BAGadget, 3, NewBAAnalysis, RetrieveIncidentsForBA},
                            {CGGadget, 2, NewCGAnalysis, RetrieveIncidentsForCG},
                            {PIGadget, 1, NewPIAnalysis, RetrieveIncidentsForPI}};
  for (const Module& m : modules) {
    Show(m.secondTab, m.newAnalysis);
    for (int column = 1; column <= 2; ++column) {
      SetDate(m.x, 2, column, 2009, 1, 1);
      SetDate(m.x, 3, column, 2009, 12, 31);
    }
  }
  // The type column each reader counted the one incident in; 0 when none.
  const auto column = [](auto&& count) {
    int found = 0;
    for (int t = 1; t <= 5; ++t)
      if (count(t) == "1") found = found ? -1 : t;
    return found;
  };
  const int stepEightRow[6] = {0, 5, 4, 21, 22, 23};
  const std::pair<const char*, int> cases[] = {{"", 1},  {" 1", 2}, {"2.0", 3}, {"abc", 1},
                                               {"5", 5}, {"-1", 5}, {"99", 5},  {"100", 5}};
  for (const auto& [code, type] : cases) {
    SCOPED_TRACE(std::string("type \"") + code + "\"");
    ASSERT_TRUE(RecordDatabase.Execute("delete from incidents;"));
    InsertIncident(RecordDatabase,
                   {{"datefield", "2009-05-05"}, {"totalcostfield", "10"}, {"incidenttypefield", code}});
    RetrieveIncidentsForMI();
    EXPECT_EQ(column([](int t) { return pf::GetGadgetText(MIGadget(14, t)); }), type) << "summary";
    for (const Module& m : modules) {
      m.retrieve();
      if (&m.x == &PIGadget) {
        EXPECT_EQ(column([&](int t) { return Text(m.x, 6, 20, 1, t); }), type) << "potential";
      } else {
        EXPECT_EQ(column([&](int t) { return Text(m.x, 1, stepEightRow[t], 1, 2); }), type) << m.secondTab;
      }
    }
  }
}

// The notice strip's Update reruns the retrieval and announces it; a run that found nothing keeps saying so.
TEST_F(RetrievalWorksheet, UpdateAnnouncesOnlyARetrievalThatFoundIncidents) {
  struct Case {
    int kind, secondTab;
    void (*newAnalysis)();
    bool (*save)(int);
    bool (*load)(int);
    Gadgets& x;
    int year;
    const char* status;
  };
  const char* const updated = "* INCIDENT DATA UPDATED *";
  const char* const none = "- No incidents found matching criteria -";
  const Case cases[] = {
      {KindBA, 3, NewBAAnalysis, SaveBAAnalysis, LoadBAAnalysis, BAGadget, 2009, updated},
      {KindBA, 3, NewBAAnalysis, SaveBAAnalysis, LoadBAAnalysis, BAGadget, 2011, none},
      {KindPI, 1, NewPIAnalysis, SavePIAnalysis, LoadPIAnalysis, PIGadget, 2009, updated},
      {KindPI, 1, NewPIAnalysis, SavePIAnalysis, LoadPIAnalysis, PIGadget, 2011, none},
  };
  AddIncidentColumns(RecordDatabase);
  InsertFixtureIncidents(RecordDatabase);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + " " + std::to_string(c.year));
    Show(c.secondTab, c.newAnalysis);
    for (int column = 1; column <= 2; ++column) {
      SetDate(c.x, 2, column, c.year, 1, 1);
      SetDate(c.x, 3, column, c.year, 12, 31);
    }
    ASSERT_TRUE(c.save(1));
    // The stored record opened again: the notice strip offers an update.
    ASSERT_TRUE(c.load(std::stoi(Text(c.x, 0, 0, 0, 0))));
    Pump();
    const int strip = NoticeGadget(c.kind - 1, 1);
    ASSERT_FALSE(pf::IsGadgetHidden(strip));
    pf::test::Click(NoticeGadget(c.kind - 1, 2));
    Pump();
    EXPECT_TRUE(pf::IsGadgetHidden(strip));
    EXPECT_EQ(Text(c.x, 6, 8, 1, 1), c.status);
    EXPECT_FALSE(pf::IsGadgetHidden(c.x(6, 8, 1, 1)));
    EXPECT_EQ(ModifiedFlags(c.kind), 1);
    ModifiedFlags(c.kind) = 0;  // the next case starts a new analysis without a question
  }
}

}  // namespace
