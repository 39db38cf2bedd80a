#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/number_text.h"
#include "store/worksheet_fixture.h"

namespace {

class SaveTest : public WorksheetTest {
 protected:
  // The controls of the incident worksheet that a save stores by position.
  static int StoredControls() {
    int n = 0;
    for (int s = 0; s <= 10; ++s)
      for (int r = 0; r <= 30; ++r)
        for (int c = 0; c <= 10; ++c) {
          const pf::Kind kind = pf::GadgetKind(IncidentGadget(s, r, c));
          n += kind == pf::Kind::Field || kind == pf::Kind::Editor || kind == pf::Kind::Combo ||
               kind == pf::Kind::Date;
        }
    return n;
  }
};

TEST_F(SaveTest, IncidentSavedAsNewThenOverTheCurrentRow) {
  MakeIncident();
  ASSERT_TRUE(SaveIncident(1));
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(0, 0, 0)), "1");
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(0, 2, 2)), "1");
  EXPECT_EQ(ModifiedFlags(KindIncident), 0);
  EXPECT_EQ(pf::GetGadgetText(IncidentSavedBanner), "New Incident Saved");
  EXPECT_TRUE(pf::IsGadgetHidden(IncidentSavedBanner));
  // Positional columns by control type, and the named copies the lists and queries read.
  EXPECT_EQ(Row("field_0x6x2"), "Slipped on the loading dock");
  EXPECT_EQ(Row("field_0x4x2"), "2012-02-05");
  EXPECT_EQ(Row("field_0x5x2"), std::to_string(IncidentTypeList[2].code));
  EXPECT_EQ(Row("field_0x12x2"), "Painter");
  int costColumn = 0;
  for (int c = 2; c <= 4; ++c)
    if (IncidentGadget(1, 8, c) == FirstAidCostField()) costColumn = c;
  EXPECT_EQ(Row("field_1x8x" + std::to_string(costColumn)), "1234.5");
  EXPECT_EQ(QueryText(kRecordFileName,
                      "select count(*) from pragma_table_info('incidents') where name in "
                      "('field_0x6x1','field_0x0x0','field_7x11x4')"),
            "0");  // labels, computed figures and the hidden number are not part of the record
  // The named total is the recalculated one, without its thousands separators.
  const std::string total = pf::GetGadgetText(IncidentGadget(7, 11, 4));
  EXPECT_NE(total.find("1,234.50"), std::string::npos) << total;
  EXPECT_EQ(Row("totalcostfield"), TextNoCommas(total));
  EXPECT_EQ(Row("immediatecostfield"), TextNoCommas(pf::GetGadgetText(IncidentGadget(1, 12, 4))));
  EXPECT_EQ(Row("datefield"), "2012-02-05");
  EXPECT_EQ(Row("departmentfield"), "Shipping");
  EXPECT_EQ(Row("incidenttypefield"), std::to_string(IncidentTypeList[2].code));
  EXPECT_EQ(Row("length(field1)"), "30");
  EXPECT_EQ(Row("field2 is null"), "1");
  EXPECT_EQ(
      QueryText(kRecordFileName, "select hoursperyear||'|'||salesrevenue||'|'||profitmargin from staticinfo"),
      "1950|12,000|5");
  // The new occupation is offered from now on; the department was listed already.
  EXPECT_EQ(pf::CountGadgetItems(IncidentGadget(0, 12, 2)), 2);
  EXPECT_EQ(pf::GetGadgetItemText(IncidentGadget(0, 12, 2), 1), "Painter");
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 0, 1), "ALT-7");
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 0, 3), "Slipped on the loading dock");
  EXPECT_EQ(pf::CountGadgetItems(IncidentGadget(0, 14, 2)), 1);
  ASSERT_EQ(pf::CountGadgetItems(IncidentList), 1);
  EXPECT_EQ(pf::GetGadgetItemData(IncidentList, 0), 1);
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 0, 2), "February 5, 2012");

  pf::SetGadgetText(IncidentGadget(0, 6, 2), "Slipped twice");
  ModifiedFlags(KindIncident) = 1;
  ASSERT_TRUE(SaveIncident(0));
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(Row("field_0x6x2"), "Slipped twice");
  EXPECT_EQ(pf::GetGadgetText(IncidentSavedBanner), "Incident Saved");
  EXPECT_EQ(ModifiedFlags(KindIncident), 0);
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
}

TEST_F(SaveTest, ColumnsAreAddedOnFirstUseAndNeverTwice) {
  MakeIncident();
  EXPECT_EQ(ColumnCount(), 3);
  ASSERT_TRUE(SaveIncident(1));
  const int afterFirst = ColumnCount();
  EXPECT_EQ(afterFirst, 3 + StoredControls() + 29);  // every stored control and the named columns
  ASSERT_TRUE(SaveIncident(1));
  EXPECT_EQ(ColumnCount(), afterFirst);
  // A column the table holds in another spelling is the same column to the database.
  {
    sql::Database other;
    ASSERT_TRUE(other.Open(kRecordFileName, false));
    ASSERT_TRUE(other.Execute("alter table incidents add column FIELD_10X30X10 text;"));
  }
  // A control that a later worksheet adds at a cell the stored rows never named.
  IncidentGadget(10, 30, 10) = pf::FieldGadget(-1, 0, 0, 80, 20, "late field");
  ASSERT_TRUE(SaveIncident(1));
  EXPECT_EQ(ColumnCount(), afterFirst + 1);
  EXPECT_EQ(Row("FIELD_10X30X10", "UID=3"), "late field");
}

TEST_F(SaveTest, AwkwardTextsRoundTripExactly) {
  MakeIncident();
  const std::string cases[] = {
      "O'Brien",
      "a;b; DROP TABLE incidents;--",
      "line\rbreak",
      "line\nfeed",
      std::string("esc\x1b"
                  "ape"),
      "Zürich – 東京 ★",
      std::string(10000, 'w'),
  };
  for (const auto& text : cases) {
    pf::SetGadgetText(IncidentGadget(0, 6, 2), text);
    ASSERT_TRUE(SaveIncident(1));
    const std::string uid = pf::GetGadgetText(IncidentGadget(0, 0, 0));
    EXPECT_EQ(Row("field_0x6x2", "UID=" + uid), pf::GetGadgetText(IncidentGadget(0, 6, 2)))
        << text.substr(0, 20);
    EXPECT_EQ(Row("field_0x6x2", "UID=" + uid).size(), pf::GetGadgetText(IncidentGadget(0, 6, 2)).size());
  }
  EXPECT_EQ(Row("field_0x6x2", "UID=1"), "O'Brien");
  EXPECT_EQ(Row("field_0x6x2", "UID=7"), std::string(10000, 'w'));
}

// Every failure keeps the worksheet's work: the message is shown, the flag and the number stay, and no
// half-written record or column is left behind.
struct FailureCase {
  const char* name;
  void (*arrange)(sql::Database& other);
  const char* message;
};

class SaveFailureTest : public WorksheetTest, public ::testing::WithParamInterface<FailureCase> {};

const FailureCase kFailures[] = {
    {"ReadOnlyDatabase", [](sql::Database&) { ASSERT_TRUE(RecordDatabase.Execute("PRAGMA query_only=1;")); },
     "readonly"},
    {"LockedByAnotherProgram",
     [](sql::Database& other) {
       RecordDatabase.SetBusyTimeout(50);
       ASSERT_TRUE(other.Execute("BEGIN EXCLUSIVE;"));
     },
     "locked"},
    {"WriteRefused",
     [](sql::Database& other) {
       ASSERT_TRUE(
           other.Execute("CREATE TRIGGER refuse BEFORE INSERT ON incidents BEGIN SELECT RAISE(ABORT, "
                         "'disk refused the write'); END;"));
     },
     "disk refused the write"},
};

TEST_P(SaveFailureTest, KeepsFlagNumberAndFile) {
  MakeIncident();
  const std::string bannerText = pf::GetGadgetText(IncidentSavedBanner);
  sql::Database other;
  ASSERT_TRUE(other.Open(kRecordFileName, false));
  GetParam().arrange(other);
  pf::test::ScriptMessageAnswers({pf::Answer::Ok});
  EXPECT_FALSE(SaveIncident(1));
  const auto log = pf::test::TakeMessageLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].title, "");
  EXPECT_NE(log[0].text.find(GetParam().message), std::string::npos) << log[0].text;
  EXPECT_EQ(ModifiedFlags(KindIncident), 1);
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(0, 2, 2)), "NEW INCIDENT");
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(0, 0, 0)), "");
  EXPECT_EQ(pf::GetGadgetText(IncidentSavedBanner), bannerText);  // no banner was shown
  other.Close();
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(ColumnCount(), 3);
  // The connection is usable again once the cause is gone: nothing was left half done.
  RecordDatabase.Execute("PRAGMA query_only=0;");
  RecordDatabase.Execute("DROP TRIGGER IF EXISTS refuse;");
  EXPECT_TRUE(SaveIncident(1));
  EXPECT_EQ(RowCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Failures, SaveFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveTest, UpdateOfARecordDeletedMeanwhileSavesItAsNew) {
  MakeIncident();
  ASSERT_TRUE(SaveIncident(1));
  ASSERT_TRUE(RecordDatabase.Execute("delete from incidents;"));
  ModifiedFlags(KindIncident) = 1;
  ASSERT_TRUE(SaveIncident(0));
  EXPECT_EQ(RowCount(), 1);
  EXPECT_EQ(pf::GetGadgetText(IncidentSavedBanner), "New Incident Saved");
  const std::string uid = pf::GetGadgetText(IncidentGadget(0, 0, 0));
  EXPECT_EQ(Row("field_0x6x2", "UID=" + uid), "Slipped on the loading dock");
}

// A process killed in the middle of a save leaves the file as it was before the save.
TEST_F(SaveTest, KilledMidSaveLeavesNoHalfRecord) {
  MakeIncident();
  ASSERT_TRUE(SaveIncident(1));
  IncidentGadget(10, 29, 10) = pf::FieldGadget(-1, 0, 0, 80, 20, "new column in the second save");
  ASSERT_TRUE(
      RecordDatabase.Execute("CREATE TRIGGER die AFTER INSERT ON incidents BEGIN SELECT die_now(); END;"));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    sqlite3_create_function(
        RecordDatabase.Handle(), "die_now", 0, SQLITE_UTF8, nullptr,
        [](sqlite3_context*, int, sqlite3_value**) { ::_exit(9); }, nullptr, nullptr);
    SaveIncident(1);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 9);
  RecordDatabase.Close();
  sql::Database reopened;  // rolls the interrupted transaction back
  ASSERT_TRUE(reopened.Open(kRecordFileName, false));
  sql::Statement rows(reopened, "select count(*) from incidents");
  ASSERT_EQ(rows.Next(), sql::Statement::Step::Row);
  EXPECT_EQ(rows.Integer(0), 1);
  sql::Statement column(reopened,
                        "select count(*) from pragma_table_info('incidents') where name='field_10x29x10'");
  ASSERT_EQ(column.Next(), sql::Statement::Step::Row);
  EXPECT_EQ(column.Integer(0), 0);
}

}  // namespace
