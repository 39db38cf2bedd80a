// The Potential Intervention worksheet as built: its stored layout, the read-only existing situation of
// the step-3 grid, the split-scrolled step 3 and its help texts.
#include <gtest/gtest.h>

#include "analysis/pages/pages_globals.h"
#include "analysis/pages/test_cg_layout.h"
#include "platform/gadget_state.h"
#include "platform/test_surface.h"
#include "shell/hover_help.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"

namespace {

class PIPagesTest : public ProgramTest {
 protected:
  // The worksheet on screen, as the DO ANALYSIS tab shows it.
  void ShowStep(int step) {
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    ShowPage(1, 1, 9 - step);
    Pump();
  }
};

CellMap PIExpectedLayout() {
  using K = pf::Kind;
  CellMap m;
  // Step 1.
  Put(m, 8, 1, {{1, 2}}, K::Field);
  Put(m, 8, 1, {{2, 1}}, K::Text, "* Successfully loaded *");
  Put(m, 8, 2, {{1, 2}}, K::Field);
  for (int row : {3, 4, 5, 6, 7, 9, 10}) Put(m, 8, row, {{1, 2}}, K::Editor);
  // Step 2.
  for (int row : {2, 3}) Put(m, 7, row, {{1, 2}, {2, 2}}, K::Date);
  Put(m, 7, 4, {{1, 3}}, K::Text, "1");
  Put(m, 7, 4, {{1, 2}}, K::Field, "1");
  Put(m, 7, 4, {{2, 1}}, K::Text, "Occupation of workers:");
  Put(m, 7, 4, {{2, 2}}, K::Field);
  for (int row = 5; row <= 9; ++row) Put(m, 7, row, {{1, 2}, {2, 2}}, K::Field);
  for (int row : {15, 16, 17, 18}) Put(m, 7, row, {{1, 2}, {2, 2}}, K::Text, "0");
  // Step 3: single criteria lists (category of worker on row 11), the retrieve row, the estimate grid with
  // a justification per row (column 2, slot 6), the totals.
  for (int row : {2, 3}) Put(m, 6, row, {{1, 2}}, K::Text);
  for (int row : {4, 5, 7, 6}) {
    Put(m, 6, row, {{1, 2}}, K::ListBox);
    Put(m, 6, row, {{2, 2}}, K::Field);
  }
  for (int row : {9, 10, 11}) Put(m, 6, row, {{1, 2}}, K::ListBox);
  Put(m, 6, 8, {{1, 2}}, K::PictureButton);
  Put(m, 6, 8, {{1, 1}}, K::Text, "* Incidents successfully retrieved *");
  Grid(m, 6, 20, {1, 2, 3, 4, 5});
  for (int row : {21, 23, 24, 25, 26, 35}) Grid(m, 6, row, {1, 3});
  for (int row : {22, 33, 39}) Grid(m, 6, row, {1, 2, 3});
  for (int row = 27; row <= 32; ++row) Grid(m, 6, row, {0, 1, 2});
  Grid(m, 6, 34, {2, 4, 5});
  for (int row : {20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 39})
    Put(m, 6, row, {{2, 6}}, K::Field);
  for (int row : {36, 37, 38}) Put(m, 6, row, {{1, 2}, {2, 2}}, K::Text, "0");
  SharedLaterSteps(m, false);
  // Step 6: the existing costs, the savings estimate with its justification, the change.
  for (int row : {2, 3, 4}) Put(m, 3, row, {{1, 2}}, K::Field);
  Put(m, 3, 4, {{2, 2}}, K::Field);
  ChangeRow(m, 3, 5, false);
  // Step 8: no scaled comparison; the labour-cost row is row 8.
  for (int row : {2, 3, 8, 5, 4, 21, 22, 23, 6, 7, 12}) Put(m, 1, row, {{1, 2}, {2, 2}}, K::Text, "0");
  for (int row = 13; row <= 17; ++row) Put(m, 1, row, {{2, 2}}, K::Text, "0");
  for (int row : {18, 19, 20}) Put(m, 1, row, {{1, 2}, {2, 1}, {2, 2}}, K::Text, "0 ");
  return m;
}

TEST_F(PIPagesTest, EveryCellOfTheStoredLayoutHoldsItsControl) {
  ShowStep(1);
  ASSERT_NE(PIRoot, 0);
  EXPECT_EQ(pf::GadgetKind(PIGadget(0, 0, 0, 0)), pf::Kind::Text);
  for (const std::string& d : LayoutDifferences(PIGadget, PIExpectedLayout())) ADD_FAILURE() << d;
  EXPECT_EQ(pf::GetGadgetText(PIGadget(2, 26, 1, 0)), "Change in short-term diability insurance costs");
  EXPECT_EQ(pf::GadgetKind(PIGadget(6, 30, 1, 0)), pf::Kind::Field);  // the claim line, not the heading
  // The sub-items of "Types of potential changes" start 30 pixels in.
  EXPECT_EQ(pf::GadgetX(PIGadget(8, 9, 1, 0)), 30);
  EXPECT_EQ(pf::GadgetX(PIGadget(8, 10, 1, 0)), 30);
  EXPECT_EQ(pf::GadgetWidth(PIGadget(8, 10, 1, 0)), 350);
}

TEST_F(PIPagesTest, TheGridShowsTheExistingSituationAndTakesOnlyEstimates) {
  ShowStep(3);
  for (int row : {20, 21, 27, 28, 35, 39}) {
    const int existing = PIGadget(6, row, 1, row >= 27 && row <= 32 ? 0 : 1);
    EXPECT_TRUE(pf::IsGadgetReadOnly(existing)) << row;
    EXPECT_FALSE(pf::IsTabStop(existing)) << row;
    EXPECT_EQ(pf::GetGadgetColour(existing, BackColourType), std::int64_t(BlueGreyColour)) << row;
    const int estimate = PIGadget(6, row, 2, row >= 27 && row <= 32 ? 0 : 1);
    EXPECT_FALSE(pf::IsGadgetReadOnly(estimate)) << row;
    EXPECT_TRUE(pf::IsTabStop(estimate)) << row;
    EXPECT_FALSE(pf::IsGadgetReadOnly(PIGadget(6, row, 2, 6))) << row;  // the justification
  }
  // The "hrs" box beside an hours field takes the same look; row labels keep the row's colour.
  const int hours = PIGadget(6, 21, 1, 1);
  const std::vector<int> box = pf::GadgetChildren(pf::GadgetParent(hours));
  ASSERT_FALSE(box.empty());
  EXPECT_EQ(pf::GetGadgetText(box.front()), "hrs");
  EXPECT_EQ(pf::GetGadgetColour(box.front(), BackColourType), std::int64_t(BlueGreyColour));
  EXPECT_NE(pf::GetGadgetColour(PIGadget(6, 21, 1, 0), BackColourType), std::int64_t(BlueGreyColour));
}

TEST_F(PIPagesTest, TheBarScrollsTheUpperAreaToTheSplitThenTheGrid) {
  ShowStep(3);
  ASSERT_GT(PIStep3ScrollSplit, 100);
  EXPECT_EQ(NoticeGadget(3, 4), PIStep3ScrollBar);
  struct Case {
    int approach;      // the database mark's data: 0 database, 1 summary
    int position;      // of the bar
    int upper, lower;  // upper -1: as it was
  };
  const int split = PIStep3ScrollSplit;
  const Case cases[] = {
      {0, split - 40, split - 40, 0},
      {0, split, split, 0},
      {0, split + 60, split, 60},
      {0, 0, 0, 0},
      {1, 100, -1, 100},  // the summary approach moves the grid only
  };
  for (const Case& c : cases) {
    pf::SetGadgetData(PIDatabaseMark, c.approach);
    const int upperBefore = pf::GetScrollY(PIStep3UpperArea);
    pf::SendScrollRequest(PIStep3ScrollBar, pf::ScrollKind::ThumbPosition, c.position);
    Pump();
    EXPECT_EQ(pf::GetScrollY(PIStep3ScrollBar), c.position);
    EXPECT_EQ(pf::GetScrollY(PIStep3UpperArea), c.upper < 0 ? upperBefore : c.upper) << c.position;
    EXPECT_EQ(pf::GetScrollY(PIStep3LowerArea), c.lower) << c.position;
  }
}

// A wheel turn over the grid near the split moves the upper area to the split and the grid on, both in one
// turn of the loop. What the screen then holds is what showing the step afresh paints: no row drawn twice.
TEST_F(PIPagesTest, AWheelTurnOverTheGridLeavesTheStepAsShowingItAgainPaintsIt) {
  ShowStep(3);
  pf::SendScrollRequest(PIStep3ScrollBar, pf::ScrollKind::ThumbPosition, PIStep3ScrollSplit - 60);
  Pump();
  pf::test::Wheel(PIStep3LowerArea, -120);
  Pump();
  ASSERT_GT(pf::GetScrollY(PIStep3LowerArea), 0) << "the turn reached the grid";
  const int afterWheel = pf::test::GrabMainWindowScreen();
  ShowStep(2);
  ShowStep(3);
  const int shownAgain = pf::test::GrabMainWindowScreen();
  ASSERT_NE(afterWheel, 0);
  ASSERT_EQ(pf::PictureHeight(afterWheel), pf::PictureHeight(shownAgain));
  int differing = 0;
  for (int y = 0; y < pf::PictureHeight(afterWheel); ++y)
    for (int x = 0; x < pf::PictureWidth(afterWheel); ++x)
      differing += pf::PicturePixel(afterWheel, x, y) != pf::PicturePixel(shownAgain, x, y);
  EXPECT_EQ(differing, 0);
}

TEST_F(PIPagesTest, HelpTextsAreRegisteredExactlyForTheirRows) {
  ShowStep(1);
  auto count = [](const std::string& text) {
    int n = 0;
    for (int row = 0; row < HelpTextCount; ++row) n += HelpText(row, 1) == text;
    return n;
  };
  // Repeated texts are one registration per icon; trailing blanks and tabs belong to the text.
  EXPECT_EQ(count("Taken from incidents pulled into the analysis in Step 3"), 5);
  EXPECT_EQ(count("Taken from Step 7. "), 3);
  EXPECT_EQ(count("Taken from Step 2 of this analysis.\t"), 1);
  EXPECT_EQ(count("This date will default to the date you entered in Step 2."), 2);
  // The rate-model block registers its own.
  EXPECT_EQ(count("Use the payroll amounts that you submitted to WCB on the annual payroll form."), 1);
  // "~" breaks a line.
  const std::string firstLine =
      "This field keeps track of each analysis in the order that you enter them. It will automatically "
      "assign a "
      "new number each time you start a new analysis.\r\rTime saver:";
  int paragraphs = 0;
  for (int row = 0; row < HelpTextCount; ++row) paragraphs += HelpText(row, 1).rfind(firstLine, 0) == 0;
  EXPECT_GE(paragraphs, 1);
}

}  // namespace
