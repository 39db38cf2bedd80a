// A row of a start page's list of stored records, clicked as the user clicks it: the worksheet shows that
// record after the questions about unsaved changes, whatever the answers did to the list meanwhile.
#include "shell/tab_bars.h"
#include "store/worksheet_fixture.h"

namespace {

struct ListKind {
  const char* name;
  int kind;
  int* pastTile;  // opens the panel with the list
  CellIndex nameCell;
};

const ListKind kListKinds[] = {
    {"Incident", KindIncident, &IncidentPastTile, Cell(0, 3, 2, 0, 3)},
    {"BeforeAfter", KindBA, &BAPastTile, Cell(8, 2, 1, 2, 4)},
    {"ConcurrentGroups", KindCG, &CGPastTile, Cell(8, 2, 1, 2, 4)},
    {"PotentialIntervention", KindPI, &PIPastTile, Cell(8, 2, 1, 2, 4)},
    {"Summary", KindMISummary, &MIReviewTile, Cell(1, 2, 0, 0, 2)},
};

struct PickCase {
  const char* name;
  bool edited;  // the record shown has unsaved changes
  bool locked;  // another program holds the record file
  std::vector<pf::Answer> answers;
  const char* shown;         // the name the worksheet shows afterwards
  const char* number;        // its record number
  const char* secondStored;  // the name stored in record 2 afterwards
  int flag;
};

using A = pf::Answer;
const PickCase kPicks[] = {
    {"Unmodified", false, false, {}, "First", "1", "Second", 0},
    {"Yes", true, false, {A::Yes}, "First", "1", "Edited", 0},
    {"No", true, false, {A::No}, "First", "1", "Second", 0},
    {"CancelThenCancel", true, false, {A::Cancel, A::Cancel}, "Edited", "2", "Second", 1},
    {"CancelThenNo", true, false, {A::Cancel, A::No}, "First", "1", "Second", 0},
    {"CancelThenYes", true, false, {A::Cancel, A::Yes}, "First", "1", "Edited", 0},
    // One message, and the record shown stays: neither a blank record nor a second question.
    {"LockedUnmodified", false, true, {A::Ok}, "Second", "2", "Second", 0},
    {"LockedYes", true, true, {A::Yes, A::Ok}, "Edited", "2", "Second", 1},
};

class ListPickTest : public WorksheetTest, public ::testing::WithParamInterface<ListKind> {
 protected:
  const RecordKind& Kind() const { return RecordKindOf(GetParam().kind); }
  int NameField() const { return Kind().control(GetParam().nameCell); }
  int NumberField() const { return Kind().control(Kind().numberCell); }
  std::string StoredName(int uid) const {
    return Row(StoredColumnName(GetParam().nameCell), "uid=" + std::to_string(uid), Kind().table);
  }

  // The user's edit of the name, as typed.
  void TypeName(const std::string& name) {
    pf::SetGadgetText(NameField(), name);
    pf::test::DrainEvents();
    ModifiedFlags(GetParam().kind) = 1;
  }

  // The kind's start page with its list of stored records open.
  void ShowList() {
    const int kind = GetParam().kind;
    if (kind == KindIncident || kind == KindMISummary)
      ShowPage(2, 9, -1);
    else
      ShowPage(1, kind == KindBA ? 3 : kind == KindCG ? 2 : 1, 9);
    Pump();
    pf::test::Click(*GetParam().pastTile);
    Pump();
  }

  void ClickRow(int row) {
    const int list = *Kind().list;
    const pf::Rect r = pf::GadgetItemRect(list, row);
    pf::test::Click(list, r.x + 20, r.y + r.h / 2);
    Pump();
  }
};

TEST_P(ListPickTest, TheClickedRowOpensAfterEveryAnswer) {
  const int kind = GetParam().kind;
  pf::HideGadget(FrontPageHolder, true);
  pf::HideGadget(TabbedArea, false);
  Open(kind);
  TypeName("First");
  ASSERT_TRUE(SaveRecord(kind, 1));
  TypeName("Second");
  ASSERT_TRUE(SaveRecord(kind, 1));
  ASSERT_EQ(pf::GetGadgetText(NumberField()), "2");

  for (const PickCase& c : kPicks) {
    SCOPED_TRACE(c.name);
    // Record 2 on screen, as stored.
    ASSERT_TRUE(RecordDatabase.Execute(std::string("update ") + Kind().table + " set " +
                                       StoredColumnName(GetParam().nameCell) + "='Second' where uid=2"));
    ModifiedFlags(kind) = 0;
    const std::optional<StoredRecord> second = ReadStoredRecord(kind, 2);
    ASSERT_TRUE(second);
    PutStoredRecord(kind, *second);
    if (c.edited) TypeName("Edited");
    ShowList();
    ASSERT_EQ(pf::GetGadgetItemData(*Kind().list, 0), 1);
    pf::test::TakeMessageLog();

    sql::Database locker;
    if (c.locked) {
      RecordDatabase.SetBusyTimeout(50);
      ASSERT_TRUE(locker.Open(kRecordFileName, false));
      ASSERT_TRUE(locker.Execute("BEGIN EXCLUSIVE;"));
    }
    pf::test::ScriptMessageAnswers(c.answers);
    ClickRow(0);  // record 1: the first row must not pass for "no row"
    locker.Close();
    RecordDatabase.SetBusyTimeout(RecordBusyTimeout);

    const auto log = pf::test::TakeMessageLog();
    ASSERT_EQ(log.size(), c.answers.size());
    if (c.locked) {
      EXPECT_EQ(log.back().title, "");
      EXPECT_EQ(log.back().text, "database is locked");
    }
    EXPECT_EQ(pf::GetGadgetText(NameField()), c.shown);
    EXPECT_EQ(pf::GetGadgetText(NumberField()), c.number);
    EXPECT_EQ(pf::GetGadgetText(Kind().control(Kind().uidCell)), c.number);
    EXPECT_EQ(ModifiedFlags(kind), c.flag);
    EXPECT_EQ(StoredName(2), c.secondStored);
    EXPECT_EQ(StoredName(1), "First");
    // Step 1 (or the summary page) is in front.
    if (kind >= KindBA && kind <= KindPI) {
      EXPECT_EQ(CurrentThirdTab, 8);
    } else {
      EXPECT_EQ(CurrentSecondTab, kind == KindIncident ? 8 : 10);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Lists, ListPickTest, ::testing::ValuesIn(kListKinds),
                         [](const auto& info) { return std::string(info.param.name); });

using RecordNumberRangeTest = WorksheetTest;

// Rows that another program stored under numbers the program cannot hold stay out of the lists, where they
// would pass for other records, and no save lands on them or on the records they would pass for.
TEST_F(RecordNumberRangeTest, RowsBeyondTheRecordNumbersAreLeftAloneAndNewRecordsStayInReach) {
  MakeIncident();
  ASSERT_TRUE(SaveIncident(1));
  for (const char* uid : {"4294967297", "9223372036854775807", "0", "-5"})
    ASSERT_EQ(
        QueryText(kRecordFileName, std::string("insert into incidents (uid, field_0x3x2, altrefnumberfield) "
                                               "values (") +
                                       uid + ", 'FOREIGN', 'FOREIGN')"),
        "<none>");
  FillIncidentList();
  ASSERT_EQ(pf::CountGadgetItems(IncidentList), 1);
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 0, 0), "1");
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 0, 1), "ALT-7");

  // Saved as new: the next number the program holds, listed; saved again: only its own row changes.
  pf::SetGadgetText(IncidentGadget(0, 3, 2), "MINE");
  ASSERT_TRUE(SaveIncident(1));
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(0, 0, 0)), "2");
  ASSERT_EQ(pf::CountGadgetItems(IncidentList), 2);
  EXPECT_EQ(pf::GetGadgetItemData(IncidentList, 1), 2);
  pf::SetGadgetText(IncidentGadget(0, 3, 2), "MINE again");
  ASSERT_TRUE(SaveIncident(0));
  EXPECT_EQ(Row("altrefnumberfield", "uid=2"), "MINE again");
  EXPECT_EQ(Row("altrefnumberfield", "uid=1"), "ALT-7");
  EXPECT_EQ(Row("count(*)", "field_0x3x2='FOREIGN' and altrefnumberfield='FOREIGN'"), "4");
  EXPECT_EQ(RowCount(), 6);
  EXPECT_EQ(pf::CountGadgetItems(IncidentList), 2);
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
}

}  // namespace
