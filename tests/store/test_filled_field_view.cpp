// A text that the program puts into a field longer than the field shows from its start, as the user finds
// it at every work area the design scales to: the example picked from its start page list, a saved
// analysis picked from its list (after the user left a field's view at its end), and the wage rate copied
// into the second column while the user types the first. Only the field the user works in follows the
// caret.
#include <string>

#include "analysis/pages/pages_globals.h"
#include "platform/gadget_state.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"

namespace {

// The field shows the start of its text, and the text is too long to show whole.
::testing::AssertionResult ShowsItsStart(int field) {
  const std::string text = pf::GetGadgetText(field), shown = pf::test::ShownFieldText(field);
  if (!shown.empty() && shown.size() < text.size() && text.starts_with(shown))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "shows \"" << shown << "\" of \"" << text << "\"";
}

class FilledFieldView : public WorkAreaTest {
 protected:
  void ShowStep(int step) { Click(ThirdTabGadget(9 - step)); }

  // The Before & After start page, reached from the home page.
  void OpenBeforeAndAfter() {
    Click(HomeTile(3));
    Click(SecondTabGadget(3));
    Click(ThirdTabGadget(9));
  }

  // Turns the wheel over the field's scroll area until the field is in its view.
  void WheelTo(int field) {
    int area = pf::GadgetParent(field);
    while (area && pf::GadgetKind(area) != pf::Kind::ScrollArea) area = pf::GadgetParent(area);
    ASSERT_NE(area, 0);
    const auto viewBottom = [area] { return pf::GadgetScreenRect(area).y + pf::ScrollAreaViewHeight(area); };
    for (int turn = 0; turn < 20 && pf::GadgetScreenRect(field).Bottom() > viewBottom(); ++turn) {
      pf::test::Wheel(area, -120);
      Pump();
    }
    ASSERT_LE(pf::GadgetScreenRect(field).Bottom(), viewBottom());
  }

  static int Details(int row) { return BAGadget(5, row, 1, 2); }  // step 4's details fields
  static constexpr int kPlanning = 14;
};

TEST_P(FilledFieldView, TheExampleShowsTheStartOfItsLongDetails) {
  OpenBeforeAndAfter();
  Click(BAExampleTile);
  ClickRow(BAExampleList, 0);
  ShowStep(4);
  ASSERT_TRUE(pf::test::AlignedRight(Details(kPlanning)));
  // The step opens on its first field, highlighted whole so that typing replaces it, from its start too.
  const int first = pf::GetActiveGadget();
  ASSERT_EQ(first, Details(3));
  int start = 0, end = 0;
  pf::GetGadgetSelection(first, start, end);
  EXPECT_EQ(end - start, int(pf::GetGadgetText(first).size()));
  EXPECT_TRUE(ShowsItsStart(first)) << "equipment, which has the focus";
  EXPECT_TRUE(ShowsItsStart(Details(4))) << "installation";
  WheelTo(Details(kPlanning));
  EXPECT_TRUE(ShowsItsStart(Details(kPlanning))) << "planning";
}

// Another program takes the focus and gives it back: the field the step opened on keeps its whole
// highlight, and its view still shows the start of its text. The window system gives the focus back
// itself, or (as some hand the activation back before the focus) the program does.
TEST_P(FilledFieldView, TheHighlightedFieldKeepsItsViewWhenAnotherProgramTookTheFocus) {
  OpenBeforeAndAfter();
  Click(BAExampleTile);
  ClickRow(BAExampleList, 0);
  ShowStep(4);
  const int first = Details(3);
  ASSERT_EQ(pf::GetActiveGadget(), first);
  ASSERT_TRUE(ShowsItsStart(first));
  for (const bool focusLater : {false, true}) {
    SCOPED_TRACE(focusLater ? "the program gives the focus back" : "the window system gives it back");
    pf::test::ActivateOther();
    Pump();
    pf::test::ActivateMain();
    if (focusLater) pf::SetActiveGadget(0);
    Pump();
    ASSERT_EQ(pf::GetActiveGadget(), first);
    int start = 0, end = 0;
    pf::GetGadgetSelection(first, start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, int(pf::GetGadgetText(first).size()));
    EXPECT_TRUE(ShowsItsStart(first));
  }
  // Typing still replaces the whole text.
  pf::test::TypeText("chairs");
  Pump();
  EXPECT_EQ(pf::GetGadgetText(first), "chairs");
}

TEST_P(FilledFieldView, ASavedAnalysisOpensWithItsLongTextsFromTheirStart) {
  OpenBeforeAndAfter();
  Click(BAExampleTile);
  ClickRow(BAExampleList, 0);
  // The user names it at length, leaves the planning details scrolled to their end, and saves it.
  const int name = BAGadget(8, 2, 1, 2);
  ASSERT_FALSE(pf::test::AlignedRight(name));
  pf::test::Click(name);
  pf::test::KeyPress(pf::vk::kEnd);
  pf::test::TypeText(" in the east wing on the night shift of the second body shop");
  Pump();
  ShowStep(4);
  WheelTo(Details(kPlanning));
  pf::test::Click(Details(kPlanning));
  pf::test::KeyPress(pf::vk::kEnd);
  Pump();
  ASSERT_FALSE(ShowsItsStart(Details(kPlanning))) << "the view follows the user's caret";
  Click(BASaveButton);
  ASSERT_NE(pf::GetGadgetText(BAGadget(8, 1, 1, 2)), "NEW ANALYSIS");

  ShowStep(0);
  Click(BAPastTile);
  ClickRow(BAAnalysisList, 0);
  ShowStep(1);
  EXPECT_TRUE(ShowsItsStart(name)) << "name";
  ShowStep(4);
  WheelTo(Details(kPlanning));
  EXPECT_TRUE(ShowsItsStart(Details(kPlanning))) << "planning";
}

TEST_P(FilledFieldView, TheWageRateCopiedIntoTheSecondColumnShowsItsStart) {
  OpenBeforeAndAfter();
  Click(BANewTile);
  ShowStep(2);
  const int rate = BAGadget(7, 7, 1, 2), copy = BAGadget(7, 7, 2, 2);
  pf::test::Click(rate);
  pf::test::TypeText("123456789012.25");
  Pump();
  ASSERT_EQ(pf::GetGadgetText(copy), "123456789012.25");
  EXPECT_TRUE(ShowsItsStart(copy));
}

INSTANTIATE_TEST_SUITE_P(WorkAreas, FilledFieldView,
                         ::testing::Values(WorkArea{1024, 708}, WorkArea{1280, 770}, WorkArea{1920, 1050}),
                         WorkAreaName);

}  // namespace
