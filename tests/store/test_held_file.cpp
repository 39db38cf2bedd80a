// The record file held by another program while the user opens pages and panels that read from it: the
// user waits out the busy time-out once per click and is told once, and the lists that could not be read
// show the stored records as soon as their panel is shown again with the file free.
#include <sqlite3.h>

#include <string>

#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "store/record_database.h"
#include "store/store_fixture.h"
#include "store/store_globals.h"

namespace {

constexpr int kIncidents = 200, kSummaries = 3, kAnalyses = 4;

// Each wait for the file begins with a call of attempt 0. Giving up at once stands for the time-out, so
// no test waits on the clock.
int BusyWaits = 0;
int CountBusyWait(void*, int attempt) {
  if (attempt == 0) ++BusyWaits;
  return 0;
}

void Run(sql::Database& db, const std::string& text) { ASSERT_TRUE(db.Execute(text)) << text; }

// A record file as a user's looks after some work: incidents with departments and occupations, summaries
// and analyses of every kind.
void MakeStoredRecords() {
  MakeRecordFile(kRecordFileName, "10");
  sql::Database db;
  ASSERT_TRUE(db.Open(kRecordFileName, false));
  Run(db,
      "alter table incidents add column altrefnumberfield text;"
      "alter table incidents add column datefield text;"
      "alter table incidents add column field_0x6x2 text;"
      "alter table incidents add column departmentfield text;"
      "alter table incidents add column occupationfield text;"
      "create table MISummaries (uid integer primary key, field1 text, field2 text, titlefield text);");
  for (const char* table : {"BAAnalyses", "cganalyses", "PIanalyses"})
    Run(db, std::string("create table ") + table +
                " (uid integer primary key, field1 text, field2 text, interventionnamefield text,"
                " interventiondescriptionfield text);");
  sql::Transaction tx(db);
  for (int i = 1; i <= kIncidents; ++i) {
    sql::Statement row(db,
                       "insert into incidents (altrefnumberfield, datefield, field_0x6x2, departmentfield, "
                       "occupationfield) values (?1, '2012-02-05', 'Slipped', ?2, ?3)");
    ASSERT_TRUE(row.Bind(1, "ALT-" + std::to_string(i))
                    .Bind(2, "Dept " + std::to_string(i % 7))
                    .Bind(3, "Trade " + std::to_string(i % 5))
                    .Run());
  }
  for (int i = 1; i <= kSummaries; ++i) {
    sql::Statement row(db, "insert into MISummaries (titlefield) values (?1)");
    ASSERT_TRUE(row.Bind(1, "Summary " + std::to_string(i)).Run());
  }
  for (const char* table : {"BAAnalyses", "cganalyses", "PIanalyses"})
    for (int i = 1; i <= kAnalyses; ++i) {
      sql::Statement row(db,
                         std::string("insert into ") + table +
                             " (interventionnamefield, interventiondescriptionfield) values (?1, 'Rails')");
      ASSERT_TRUE(row.Bind(1, "Intervention " + std::to_string(i)).Run());
    }
  ASSERT_TRUE(tx.Commit());
}

class HeldFileTest : public ProgramTest {
 protected:
  void PrepareDirectory() override { MakeStoredRecords(); }

  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_TRUE(RecordDatabase.IsOpen());
    pf::test::TakeMessageLog();
    RecordDatabase.SetBusyHandler(CountBusyWait, nullptr);
  }
  void TearDown() override {
    locker.Close();
    ProgramTest::TearDown();
  }

  // Another program takes the file for itself, as `BEGIN EXCLUSIVE;` in the sqlite3 shell does.
  void Hold() {
    ASSERT_TRUE(locker.Open(kRecordFileName, false));
    ASSERT_TRUE(locker.Execute("BEGIN EXCLUSIVE;"));
  }
  void Release() { locker.Close(); }

  // What one click cost the user: the waits for the file and the texts of the message boxes.
  struct Cost {
    int waits;
    std::vector<std::string> messages;
  };
  Cost ClickAndCount(int gadget) {
    BusyWaits = 0;
    // More answers than any click should need: a box too many shows in the count instead of throwing.
    pf::test::ScriptMessageAnswers(std::vector<pf::Answer>(10, pf::Answer::Ok));
    pf::test::Click(gadget);
    Pump();
    Cost cost{BusyWaits, {}};
    for (const auto& m : pf::test::TakeMessageLog()) cost.messages.push_back(m.text);
    pf::test::ScriptMessageAnswers({});
    return cost;
  }

  static void ExpectOneWaitOneMessage(const Cost& c) {
    EXPECT_EQ(c.waits, 1);
    EXPECT_EQ(c.messages, std::vector<std::string>{"database is locked"});
  }
  static void ExpectFree(const Cost& c) {
    EXPECT_EQ(c.waits, 0);
    EXPECT_TRUE(c.messages.empty());
  }

  static int Rows(int list) { return pf::CountGadgetItems(list); }

  sql::Database locker;
};

TEST_F(HeldFileTest, TheIncidentCalculatorOpensWithOneWaitAndOneMessage) {
  Hold();
  ExpectOneWaitOneMessage(ClickAndCount(HomeTile(2)));
  EXPECT_EQ(CurrentTopTab, 2);
  EXPECT_FALSE(pf::IsGadgetHidden(IncidentMenuPage));
  EXPECT_EQ(Rows(IncidentList), 0);

  // Still held: the panel tries once more, at the same cost, and the list stays as it was.
  ExpectOneWaitOneMessage(ClickAndCount(IncidentPastTile));
  EXPECT_EQ(Rows(IncidentList), 0);

  Release();
  ExpectFree(ClickAndCount(IncidentPastTile));
  ASSERT_EQ(Rows(IncidentList), kIncidents);
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 0, 1), "ALT-1");
  EXPECT_EQ(pf::GetGadgetItemData(IncidentList, kIncidents - 1), kIncidents);
  ExpectFree(ClickAndCount(MIReviewTile));
  ASSERT_EQ(Rows(MISummaryList), kSummaries);
  EXPECT_EQ(pf::GetGadgetItemText(MISummaryList, 2, 1), "Summary 3");
}

// A panel left open while the file was held shows the records once the user comes back to its page.
TEST_F(HeldFileTest, AnOpenPanelIsFilledWhenItsPageIsShownAgain) {
  Hold();
  ClickAndCount(HomeTile(2));
  ExpectOneWaitOneMessage(ClickAndCount(IncidentPastTile));
  Release();
  ExpectFree(ClickAndCount(SecondTabGadget(8)));  // step 1 of the incident
  EXPECT_EQ(Rows(IncidentList), 0);               // its panel is out of sight
  ExpectFree(ClickAndCount(SecondTabGadget(9)));  // back to the start page, the panel still open
  EXPECT_EQ(Rows(IncidentList), kIncidents);
}

struct ModuleCase {
  const char* name;
  int choiceTile;  // on the "Do Your Own Analysis" page
  int* pastTile;
  int* list;
};

void PrintTo(const ModuleCase& c, std::ostream* os) { *os << c.name; }

class HeldFileModuleTest : public HeldFileTest, public ::testing::WithParamInterface<ModuleCase> {};

TEST_P(HeldFileModuleTest, AnAnalysisOpensWithOneWaitAndOneMessage) {
  const ModuleCase& c = GetParam();
  Hold();
  // The choice page reads nothing.
  ExpectFree(ClickAndCount(HomeTile(3)));
  ExpectOneWaitOneMessage(ClickAndCount(AnalysisChoiceTile(c.choiceTile)));
  EXPECT_EQ(Rows(*c.list), 0);
  Release();
  ExpectFree(ClickAndCount(*c.pastTile));
  ASSERT_EQ(Rows(*c.list), kAnalyses);
  EXPECT_EQ(pf::GetGadgetItemText(*c.list, 0, 1), "Intervention 1");
}

INSTANTIATE_TEST_SUITE_P(Modules, HeldFileModuleTest,
                         ::testing::Values(ModuleCase{"BeforeAfter", 1, &BAPastTile, &BAAnalysisList},
                                           ModuleCase{"ConcurrentGroups", 2, &CGPastTile, &CGAnalysisList},
                                           ModuleCase{"PotentialIntervention", 3, &PIPastTile,
                                                      &PIAnalysisList}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
