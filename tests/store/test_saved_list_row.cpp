// A save updates only the saved record's row of the stored-incidents list; the list must read exactly as
// a refill from the record file would, and fall back to a refill when it is out of step with the file. A
// text pasted over several lines is saved, listed and opened again as the one line its field shows.
#include <vector>

#include "store/worksheet_fixture.h"

namespace {

using SavedListRowTest = WorksheetTest;

std::vector<std::string> ListTexts() {
  std::vector<std::string> rows;
  for (int i = 0, n = pf::CountGadgetItems(IncidentList); i < n; ++i) {
    std::string row = std::to_string(pf::GetGadgetItemData(IncidentList, i));
    for (int c = 0; c <= 3; ++c) row += "|" + pf::GetGadgetItemText(IncidentList, i, c);
    rows.push_back(row);
  }
  return rows;
}

// The list as the save left it, and then as a refill makes it.
void ExpectSameAsRefill(const char* when) {
  const std::vector<std::string> saved = ListTexts();
  FillIncidentList();
  EXPECT_EQ(saved, ListTexts()) << when;
}

TEST_F(SavedListRowTest, ListReadsAsARefillAfterEverySave) {
  MakeIncident();
  ASSERT_TRUE(SaveIncident(1));
  ExpectSameAsRefill("first record");
  pf::SetGadgetText(IncidentGadget(0, 3, 2), "ALT-8");
  ASSERT_TRUE(SaveIncident(1));
  ExpectSameAsRefill("second record");
  ASSERT_EQ(pf::CountGadgetItems(IncidentList), 2);

  // Over the current row (2): its texts change in place, and nothing stays selected.
  pf::SetGadgetState(IncidentList, 1);
  pf::SetGadgetText(IncidentGadget(0, 6, 2), "Slipped twice");
  pf::SetGadgetDate(IncidentGadget(0, 4, 2), {2013, 7, 9});
  ASSERT_TRUE(SaveIncident(0));
  EXPECT_EQ(pf::GetGadgetState(IncidentList), -1);
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 1, 3), "Slipped twice");
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 1, 2), "July 9, 2013");
  ExpectSameAsRefill("row 2 saved again");

  // Over a row deleted meanwhile by another program: kept as a new record.
  ASSERT_EQ(QueryText(kRecordFileName, "delete from incidents where UID=2"), "<none>");
  pf::SetGadgetText(IncidentGadget(0, 6, 2), "Kept");
  ASSERT_TRUE(SaveIncident(0));
  ExpectSameAsRefill("row 2 deleted by another program");
  EXPECT_EQ(pf::CountGadgetItems(IncidentList), 2);
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 1, 3), "Kept");
}

TEST_F(SavedListRowTest, ListOutOfStepWithTheFileIsFilledAgain) {
  MakeIncident();
  ASSERT_TRUE(SaveIncident(1));
  // Another program adds a record: the list lacks it, so the next save refills the list.
  ASSERT_EQ(
      QueryText(kRecordFileName, "insert into incidents (field1, altrefnumberfield) values ('k', 'FOREIGN')"),
      "<none>");
  ASSERT_TRUE(SaveIncident(1));
  ASSERT_EQ(pf::CountGadgetItems(IncidentList), 3);
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 1, 1), "FOREIGN");
  EXPECT_EQ(pf::GetGadgetItemData(IncidentList, 2), 3);
  ExpectSameAsRefill("after the refill");
}

TEST_F(SavedListRowTest, APastedReferenceIsStoredListedAndReopenedAsTheLineItsFieldShows) {
  Click(HomeTile(2));
  Click(IncidentNewTile);
  const int reference = IncidentGadget(0, 3, 2);
  Click(reference);
  pf::test::Paste("Line1\r\nLine2\t\x1b");
  Pump();
  const std::string line = "Line1 Line2 ";
  EXPECT_EQ(pf::test::ShownFieldText(reference), line);
  Click(IncidentSaveButton);
  EXPECT_EQ(Row("altrefnumberfield"), line);
  EXPECT_EQ(Row("field_0x3x2"), line);

  // A new incident in between, then the record's row in the list, clicked.
  Click(SecondTabGadget(9));
  Click(IncidentNewTile);
  ASSERT_EQ(pf::GetGadgetText(reference), "");
  Click(SecondTabGadget(9));
  Click(IncidentPastTile);
  ASSERT_EQ(pf::CountGadgetItems(IncidentList), 1);
  EXPECT_EQ(pf::GetGadgetItemText(IncidentList, 0, 1), line);
  ClickRow(IncidentList, 0);
  EXPECT_EQ(pf::GetGadgetText(IncidentGadget(0, 0, 0)), "1");
  EXPECT_EQ(pf::GetGadgetText(reference), line);
  EXPECT_EQ(pf::test::ShownFieldText(reference), line);
  EXPECT_TRUE(pf::test::TakeMessageLog().empty());
}

}  // namespace
