// The program started on a record file as a user's looks after some work, with a second connection that
// stands for another program taking the file for itself, and a count of what each step costs the user:
// the waits for the file and the message boxes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/program_fixture.h"
#include "store/record_database.h"
#include "store/record_encoding.h"
#include "store/store_fixture.h"
#include "store/store_globals.h"

namespace held {

constexpr int kIncidents = 200, kSummaries = 3, kAnalyses = 4;
inline const std::string kOldName = "Old Yard";

// Each wait for the file begins with a call of attempt 0. Giving up at once stands for the time-out, so
// no test waits on the clock.
inline int BusyWaits = 0;
inline int CountBusyWait(void*, int attempt) {
  if (attempt == 0) ++BusyWaits;
  return 0;
}

inline void Run(sql::Database& db, const std::string& text) { ASSERT_TRUE(db.Execute(text)) << text; }

// Incidents in seven departments and five trades, summaries, and analyses of every kind (the second of
// each chooses the department "Dept 3").
inline void MakeStoredRecords() {
  MakeRecordFile(kRecordFileName, "10", kOldName);
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
                " interventiondescriptionfield text, field_6x6x1x2 text);");
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
      sql::Statement row(db, std::string("insert into ") + table +
                                 " (interventionnamefield, interventiondescriptionfield, field_6x6x1x2) "
                                 "values (?1, 'Rails', ?2)");
      const std::string chosen = i == 2 ? "Dept 3" : "ALL DEPARTMENTS";
      ASSERT_TRUE(row.Bind(1, "Intervention " + std::to_string(i)).Bind(2, chosen + kFieldEnd).Run());
    }
  ASSERT_TRUE(tx.Commit());
}

// The texts of a list's or combo's items.
inline std::vector<std::string> Items(int gadget) {
  std::vector<std::string> texts;
  for (int i = 0, n = pf::CountGadgetItems(gadget); i < n; ++i)
    texts.push_back(pf::GetGadgetItemText(gadget, i));
  return texts;
}

// The texts of a list's selected items.
inline std::vector<std::string> Chosen(int list) {
  std::vector<std::string> texts;
  for (int i = 0, n = pf::CountGadgetItems(list); i < n; ++i)
    if (pf::IsGadgetItemSelected(list, i)) texts.push_back(pf::GetGadgetItemText(list, i));
  return texts;
}

// "<first>", "<prefix> 0" ... "<prefix> n-1".
inline std::vector<std::string> Numbered(const std::string& first, const std::string& prefix, int n) {
  std::vector<std::string> texts;
  if (!first.empty()) texts.push_back(first);
  for (int i = 0; i < n; ++i) texts.push_back(prefix + " " + std::to_string(i));
  return texts;
}

// The user's click on an item of a list box or a row of a list view.
inline void ClickItem(int list, int item) {
  const pf::Rect r = pf::GadgetItemRect(list, item);
  pf::test::Click(list, r.x + 20, r.y + r.h / 2);
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

  // The company name the file holds, read by the program that holds it when one does.
  std::string StoredName() {
    if (!locker.IsOpen()) return QueryText(kRecordFileName, "select companyname from StaticInfo");
    sql::Statement q(locker, "select companyname from StaticInfo");
    return q.Next() == sql::Statement::Step::Row ? q.Text(0) : "<none>";
  }

  // What one step of the user cost: the waits for the file and the message boxes shown.
  struct Cost {
    int waits;
    std::vector<pf::test::MessageRecord> boxes;
    std::vector<std::string> messages() const {
      std::vector<std::string> texts;
      for (const auto& b : boxes) texts.push_back(b.text);
      return texts;
    }
  };
  // More answers than any step should need by default: a box too many shows in the count instead of
  // throwing.
  Cost Count(const std::function<void()>& step,
             std::vector<pf::Answer> answers = std::vector<pf::Answer>(10, pf::Answer::Ok)) {
    BusyWaits = 0;
    pf::test::ScriptMessageAnswers(std::move(answers));
    step();
    Pump();
    Cost cost{BusyWaits, pf::test::TakeMessageLog()};
    pf::test::ScriptMessageAnswers({});
    return cost;
  }
  Cost ClickAndCount(int gadget) {
    return Count([gadget] { pf::test::Click(gadget); });
  }

  static void ExpectOneWaitOneMessage(const Cost& c) {
    EXPECT_EQ(c.waits, 1);
    EXPECT_EQ(c.messages(), std::vector<std::string>{"database is locked"});
  }
  static void ExpectFree(const Cost& c) {
    EXPECT_EQ(c.waits, 0);
    EXPECT_TRUE(c.boxes.empty());
  }

  static int Rows(int list) { return pf::CountGadgetItems(list); }

  sql::Database locker;
};

}  // namespace held
