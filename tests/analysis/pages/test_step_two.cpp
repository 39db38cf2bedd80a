// Step 2 of the Before & After worksheet: the wage rates typed into the before column are copied into the
// after column, and the occupational-group selector keeps each group's fields apart.
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"
#include "shell/tab_bars.h"

namespace {

class BAStepTwo : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    SelectTopTab(1);
    SelectSecondTab(3);
    SelectThirdTab(7);
    ShowPage(-1, -1, -1);
    Pump();
  }
  int X(int row, int column, int slot = 2) { return BAGadget(7, row, column, slot); }
  void Type(int field, const std::string& text) {
    pf::SetActiveGadget(field);
    Pump();
    pf::SetGadgetSelection(field, 0, -1);
    pf::test::TypeText(text);
    Pump();
  }
  void ShowGroup(const std::string& group) {
    pf::SetGadgetText(X(4, 1), group);
    Pump();
  }
};

TEST_F(BAStepTwo, TypedWageRatesAreCopiedIntoTheAfterColumnOnly) {
  ASSERT_NE(X(7, 1), 0);
  Type(X(7, 1), "16.5");
  EXPECT_EQ(pf::GetGadgetText(X(7, 2)), "16.5");
  Type(X(9, 1), "24");
  EXPECT_EQ(pf::GetGadgetText(X(9, 2)), "24");
  // Other rows are not copied, and nothing goes back from the after column.
  const std::string overtimeAfter = pf::GetGadgetText(X(8, 2));  // the new analysis's default
  Type(X(8, 1), "40");
  EXPECT_EQ(pf::GetGadgetText(X(8, 2)), overtimeAfter);
  Type(X(7, 2), "17");
  EXPECT_EQ(pf::GetGadgetText(X(7, 1)), "16.5");
  // What the program writes (a load, a group switch) keeps the after column's own value.
  pf::SetGadgetText(X(7, 1), "99");
  Pump();
  EXPECT_EQ(pf::GetGadgetText(X(7, 2)), "17");
}

TEST_F(BAStepTwo, EachOccupationalGroupKeepsItsOwnFields) {
  ASSERT_NE(X(4, 1), 0);
  pf::SetGadgetText(X(4, 2), "Welders");
  for (int row = 5; row <= 9; ++row)
    for (int column = 1; column <= 2; ++column)
      pf::SetGadgetText(X(row, column), std::to_string(row * 10 + column));
  Pump();
  ShowGroup("2");
  EXPECT_EQ(pf::GetGadgetData(X(4, 1)), 2);
  EXPECT_EQ(pf::GetGadgetText(X(4, 1, 3)), "2");
  EXPECT_TRUE(pf::test::HasFocus(X(4, 2)));
  EXPECT_EQ(pf::GetGadgetText(X(4, 2)), "");
  for (int row = 5; row <= 9; ++row) EXPECT_EQ(pf::GetGadgetText(X(row, 1)), "") << row;
  pf::SetGadgetText(X(5, 1), "3");
  Pump();
  ShowGroup("1");
  EXPECT_EQ(pf::GetGadgetText(X(4, 2)), "Welders");
  for (int row = 5; row <= 9; ++row)
    for (int column = 1; column <= 2; ++column)
      EXPECT_EQ(pf::GetGadgetText(X(row, column)), std::to_string(row * 10 + column)) << row << "," << column;
  EXPECT_EQ(BALabour(2, 0, 1), "3");
  // A group number outside the selector's range shows group 1 instead of indexing past the groups.
  ShowGroup("12");
  EXPECT_EQ(pf::GetGadgetData(X(4, 1)), 1);
  EXPECT_EQ(pf::GetGadgetText(X(4, 2)), "Welders");
}

}  // namespace
