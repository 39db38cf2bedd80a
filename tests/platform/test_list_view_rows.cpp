#include "platform_fixture.h"

namespace pf::testing {

// Rows added in one go behave as rows added one by one: after the items already there, texts by column,
// the data on each row, rows that a click or a selection finds, and no events of the program's own.
TEST_F(PlatformTest, ListViewRowsAddedAtOnceAreOrdinaryRows) {
  const int v = ListViewGadget(kAutoNumber, 0, 0, 300, 100, "Number", 60, flags::kNoHeader);
  AddListViewColumn(v, -1, "Date", 80);
  AddListViewColumn(v, -1, "Description", 120);
  AddGadgetItem(v, -1, "7", 7);
  AddListViewRows(v, {{{"8", "", "March 3, 2011"}, 8}, {{"9", "ALT-9"}, 9}, {{}, 10}});
  ASSERT_EQ(CountGadgetItems(v), 4);
  EXPECT_EQ(GetGadgetItemText(v, 0), "7");
  EXPECT_EQ(GetGadgetItemText(v, 1), "8");
  EXPECT_EQ(GetGadgetItemText(v, 1, 1), "");
  EXPECT_EQ(GetGadgetItemText(v, 1, 2), "March 3, 2011");
  EXPECT_EQ(GetGadgetItemText(v, 2, 1), "ALT-9");
  EXPECT_EQ(GetGadgetItemText(v, 2, 2), "") << "a row may have fewer texts than columns";
  EXPECT_EQ(GetGadgetItemText(v, 3), "");
  EXPECT_EQ(GetGadgetItemData(v, 1), 8);
  EXPECT_EQ(GetGadgetItemData(v, 3), 10);
  const Rect r2 = GadgetItemRect(v, 2);
  EXPECT_EQ(GadgetItemAt(v, r2.x + 5, r2.y + 1), 2);
  SetGadgetState(v, 2);
  EXPECT_EQ(GetGadgetState(v), 2);
  EXPECT_TRUE(test::DrainEvents().empty());
  AddListViewRows(v, {});
  EXPECT_EQ(CountGadgetItems(v), 4);

  // A long list scrolls to a row and back to its first.
  std::vector<ListViewRow> more(40);
  for (int i = 0; i < 40; ++i) more[i] = {{std::to_string(100 + i)}, 100 + i};
  AddListViewRows(v, more);
  SetTopItem(v, 20);
  EXPECT_EQ(GetTopItem(v), 20);
  SetTopItem(v, 0);
  EXPECT_EQ(GetTopItem(v), 0);
  EXPECT_EQ(GadgetItemAt(v, 5, 1), 0);
}

TEST_F(PlatformTest, ListBoxTakesEachRowsFirstText) {
  const int l = ListBoxGadget(kAutoNumber, 0, 0, 200, 100);
  AddListViewRows(l, {{{"Assembly", "ignored"}, 5}, {{"Shipping"}, 6}});
  ASSERT_EQ(CountGadgetItems(l), 2);
  EXPECT_EQ(GetGadgetItemText(l, 1), "Shipping");
  EXPECT_EQ(GetGadgetItemData(l, 0), 5);
  AddListViewRows(0, {{{"nowhere"}, 1}});  // no such control: nothing happens
}

}  // namespace pf::testing
