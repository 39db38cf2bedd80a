// The Concurrent Groups worksheet as built: its stored layout, its step-2 copy column and its help icons.
#include <gtest/gtest.h>

#include "analysis/pages/pages_globals.h"
#include "analysis/pages/test_cg_layout.h"
#include "platform/gadget_state.h"
#include "platform/test_surface.h"
#include "shell/hover_help.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"

namespace {

class CGPagesTest : public ProgramTest {
 protected:
  // The worksheet on screen, as the DO ANALYSIS tab shows it.
  void ShowStep(int step) {
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    ShowPage(1, 2, 9 - step);
    Pump();
  }
};

CellMap CGExpectedLayout() {
  using K = pf::Kind;
  CellMap m;
  // Step 1.
  Put(m, 8, 1, {{1, 2}}, K::Field);
  Put(m, 8, 1, {{2, 1}}, K::Text, "* Successfully loaded *");
  Put(m, 8, 2, {{1, 2}}, K::Field);
  for (int row : {3, 4, 5, 6, 7, 9, 10, 11}) Put(m, 8, row, {{1, 2}}, K::Editor);
  // Step 2: the period, the group selector, the group's figures and totals.
  for (int row : {2, 3}) Put(m, 7, row, {{1, 2}, {2, 2}}, K::Date);
  Put(m, 7, 4, {{1, 3}}, K::Text, "1");
  Put(m, 7, 4, {{1, 2}}, K::Field, "1");
  Put(m, 7, 4, {{2, 1}}, K::Text, "Occupation of workers:");
  Put(m, 7, 4, {{2, 2}}, K::Field);
  for (int row = 5; row <= 9; ++row) Put(m, 7, row, {{1, 2}, {2, 2}}, K::Field);
  for (int row : {15, 16, 17, 18}) Put(m, 7, row, {{1, 2}, {2, 2}}, K::Text, "0");
  // Step 3, database approach: one criteria list across both departments, a department list each.
  for (int row : {2, 3}) Put(m, 6, row, {{1, 2}}, K::Text);
  for (int row : {4, 5}) {
    Put(m, 6, row, {{1, 2}}, K::ListBox);
    Put(m, 6, row, {{2, 2}}, K::Field);
  }
  for (int row : {9, 10, 7, 14}) Put(m, 6, row, {{1, 2}}, K::ListBox);
  Put(m, 6, 6, {{1, 2}, {2, 2}}, K::ListBox);
  Put(m, 6, 8, {{1, 2}}, K::PictureButton);
  Put(m, 6, 8, {{1, 1}}, K::Text, "* Incidents successfully retrieved *");
  for (int row : {11, 12, 13}) Put(m, 6, row, {{1, 2}, {2, 2}}, K::Text, "0");
  // Step 3, summary approach: the period and the incident grid of both departments.
  for (int row : {18, 19}) Put(m, 6, row, {{1, 2}}, K::Text);
  Grid(m, 6, 20, {1, 2, 3, 4, 5});
  for (int row : {21, 23, 24, 25, 26, 35}) Grid(m, 6, row, {1, 3});
  for (int row : {22, 33, 39}) Grid(m, 6, row, {1, 2, 3});
  for (int row = 27; row <= 32; ++row) Grid(m, 6, row, {0, 1, 2});
  Grid(m, 6, 34, {2, 4, 5});
  for (int row : {36, 37, 38}) Put(m, 6, row, {{1, 2}, {2, 2}}, K::Text, "0");
  SharedLaterSteps(m, true);
  // Step 6: both departments' turnover costs.
  for (int row : {2, 3}) Put(m, 3, row, {{1, 2}, {2, 2}}, K::Field);
  ChangeRow(m, 3, 5, true);
  // Step 8: the labour-cost row is row 24 here.
  for (int row : {2, 3, 24, 5, 4, 21, 22, 23, 6, 7, 10, 11, 12})
    Put(m, 1, row, {{1, 2}, {2, 2}}, K::Text, "0");
  for (int row = 13; row <= 17; ++row) Put(m, 1, row, {{2, 2}}, K::Text, "0");
  for (int row : {18, 19, 20}) Put(m, 1, row, {{1, 2}, {2, 1}, {2, 2}}, K::Text, "0 ");
  return m;
}

TEST_F(CGPagesTest, EveryCellOfTheStoredLayoutHoldsItsControl) {
  ShowStep(1);
  ASSERT_NE(CGRoot, 0);
  EXPECT_EQ(pf::GadgetKind(CGGadget(0, 0, 0, 0)), pf::Kind::Text);  // the record's UID
  const std::vector<std::string> differences = LayoutDifferences(CGGadget, CGExpectedLayout());
  for (const std::string& d : differences) ADD_FAILURE() << d;
  // Rows shared by a heading and a later row: the later row owns the cell.
  EXPECT_EQ(pf::GetGadgetText(CGGadget(2, 26, 1, 0)), "Change in short-term diability insurance costs");
  EXPECT_EQ(pf::GetGadgetText(CGGadget(1, 9, 1, 0)),
            "Work-time scaled comparison (scaled to the Intervention Department total work hours)");
  EXPECT_EQ(pf::GetGadgetText(CGGadget(2, 6, 1, 0)), "Non-intervention Department");
  EXPECT_EQ(pf::GetGadgetText(CGGadget(2, 6, 1, 2)), "Intervention Department");
}

TEST_F(CGPagesTest, TabPassesTheCopiedWageRatesWhichStayEditable) {
  ShowStep(2);
  const int regular = CGGadget(7, 7, 1, 2), overtimeHours = CGGadget(7, 8, 1, 2);
  for (int copied : {CGGadget(7, 7, 2, 2), CGGadget(7, 9, 2, 2)}) {
    EXPECT_FALSE(pf::IsTabStop(copied));
    EXPECT_FALSE(pf::IsGadgetReadOnly(copied));
  }
  EXPECT_TRUE(pf::IsTabStop(CGGadget(7, 8, 2, 2)));
  pf::SetActiveGadget(regular);
  Pump();
  // Creation order: column 1 then column 2 of each row; the copied rate of row 7 is passed by.
  pf::test::PressTab();
  Pump();
  EXPECT_EQ(pf::GetActiveGadget(), overtimeHours);
}

TEST_F(CGPagesTest, RowsWithHelpShowTheirIconAndRowsWithoutKeepItHidden) {
  ShowStep(1);
  auto iconShown = [](int labelCell) {
    // The help icon is the last control of the row's container.
    const std::vector<int> siblings = pf::GadgetChildren(pf::GadgetParent(labelCell));
    return !siblings.empty() && !pf::IsGadgetHidden(siblings.back());
  };
  EXPECT_TRUE(iconShown(CGGadget(8, 2, 1, 0)));
  EXPECT_FALSE(iconShown(CGGadget(8, 11, 1, 0)));  // the comparison department has no help
  EXPECT_FALSE(iconShown(CGGadget(7, 5, 1, 0)));
  EXPECT_TRUE(iconShown(CGGadget(7, 6, 1, 0)));
  EXPECT_FALSE(iconShown(CGGadget(6, 18, 1, 0)));
  bool found = false;
  for (int row = 0; row < HelpTextCount; ++row)
    if (HelpText(row, 1) == "This is a required field. Do not include vacation or holiday time.")
      found = true;
  EXPECT_TRUE(found);
}

}  // namespace
