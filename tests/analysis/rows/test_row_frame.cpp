// The frame every row shares: running y, colour alternation, the hidden help icon, required marks; and the
// two controls a user drives inside rows: the group arrows and the criteria lists.
#include "row_harness.h"
#include "shell/design_grid.h"
#include "shell/hover_help.h"

namespace {

class RowFrame : public RowHarness {
 protected:
  Rgb PanelColour(int icon) { return Rgb(pf::GetGadgetColour(pf::GadgetParent(icon), BackColourType)); }
};

}  // namespace

TEST_F(RowFrame, RowsOverlapByOnePixelAndAlternateTheirColours) {
  const int first = Add(Module::BA, 1, 7, 5, "a", -1, 0, -1);
  const int firstPanel = pf::GadgetParent(LastHelpIcon);
  EXPECT_EQ(pf::GadgetY(firstPanel), -1);
  EXPECT_EQ(first, DY(55) - 1);
  const Rgb expected[] = {RowColourA, RowColourB, RowColourA, RowColourB};
  EXPECT_EQ(PanelColour(LastHelpIcon), expected[0]);
  int y = first;
  for (int i = 1; i < 4; ++i) {
    const int next = Add(Module::BA, 1, 7, 5 + i, "a", -1, -1, -1);
    EXPECT_EQ(pf::GadgetY(pf::GadgetParent(LastHelpIcon)), y - 1);
    EXPECT_EQ(PanelColour(LastHelpIcon), expected[i]) << i;
    y = next;
  }
  // A gap and a line consume a step; an explicit colour resets the parity; modules alternate on their own.
  Add(Module::BA, 100, 7, 0, "", -1, -1, -1, "", "", 27);  // A
  Add(Module::BA, 99, 7, 0, "", -1, -1, -1);               // B
  Add(Module::BA, 6, 7, 15, "a", -1, -1, -1);
  EXPECT_EQ(PanelColour(LastHelpIcon), RowColourA);
  Add(Module::BA, 20, 7, 1, "Heading", HeadingGreyColour, -1, -1);
  EXPECT_EQ(PanelColour(LastHelpIcon), HeadingGreyColour);
  Add(Module::BA, 6, 7, 16, "a", -1, -1, -1);
  EXPECT_EQ(PanelColour(LastHelpIcon), RowColourA);
  Add(Module::CG, 6, 7, 16, "a", -1, 0, -1);
  EXPECT_EQ(PanelColour(LastHelpIcon), RowColourA);
}

TEST_F(RowFrame, GapRoundsTheSumAndTheLineIsBlack) {
  ScaleY = 1.25;  // 54 x 1.25 = 67.5: an odd running y decides the rounding of the sum
  EXPECT_EQ(Add(Module::PI, 100, 1, 0, "", -1, 101, -1), RoundHalfEven(101 + 67.5));
  EXPECT_EQ(Add(Module::PI, 100, 1, 0, "", -1, 100, -1, "", "", 30), RoundHalfEven(100 + 37.5));
  const int bottom = Add(Module::PI, 99, 1, 0, "", -1, 10, 2);
  EXPECT_EQ(bottom, 12 + DY(5));
}

TEST_F(RowFrame, HelpIconIsHiddenPicksItsPictureByColourAndRoundsItsYPerModule) {
  struct Case {
    Module module;
    int kind;
    std::int64_t colour;
    int picture, y;
  } cases[] = {
      {Module::BA, 6, -1, 40, 14},  // 55 high: (55 - 25) / 2 - 1
      {Module::PI, 6, -1, 40, 14}, {Module::BA, 36, 0, 43, 14},
      {Module::CG, 7, -1, 51, 2},   // 30 high: 1.5 rounds to 2
      {Module::PI, 7, -1, 51, 1},   // whole pixels: 2 - 1
      {Module::BA, 20, -1, 42, 4},  // 35 high
      {Module::CG, 86, 0, 44, 14}, {Module::PI, 48, 0, 47, 14},
  };
  cases[2].colour = BlueGreyColour;
  cases[6].colour = MidBlueColour;
  cases[7].colour = LightGreenColour;
  ASSERT_EQ(pf::PictureHeight(HelpIconPageImage), 25);
  for (const Case& c : cases) {
    Add(c.module, c.kind, 7, 4, "Occupational group number", c.colour, 0, -1);
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(pf::GetGadgetPicture(LastHelpIcon), c.picture);
    EXPECT_EQ(pf::GadgetY(LastHelpIcon), c.y);
    EXPECT_EQ(pf::GadgetX(LastHelpIcon), DX(550));
    EXPECT_TRUE(pf::IsGadgetHidden(LastHelpIcon));
  }
  RegisterHelpText("Shown", 360, -1, 0, 0);
  EXPECT_FALSE(pf::IsGadgetHidden(LastHelpIcon));
}

TEST_F(RowFrame, RequiredInputsTakeTheRequiredLookAndAMarkEvenWhenReadOnly) {
  Add(Module::PI, 1, 7, 6, "Hours", -1, 0, -1, "", "hours", 1);
  for (int column : {1, 2}) {
    const int field = PIGadget(7, 6, column, 2);
    EXPECT_EQ(pf::GetGadgetColour(field, BackColourType), RequiredFieldColour);
    EXPECT_EQ(pf::GetGadgetFont(field), 32);
  }
  const int panel = pf::GadgetParent(PIGadget(7, 6, 1, 2));
  int marks = 0, units = 0;
  for (int g = 1; g <= LastHelpIcon; ++g) {
    if (pf::GadgetParent(g) != panel || pf::GadgetKind(g) != pf::Kind::Text) continue;
    if (pf::GetGadgetText(g) == "*") {
      ++marks;
      EXPECT_EQ(pf::GetGadgetColour(g, FrontColourType), pf::MakeRgb(255, 0, 0));
    }
    if (pf::GetGadgetText(g) == "hours") ++units;
  }
  EXPECT_EQ(marks, 2);
  EXPECT_EQ(units, 2);
  Show();
  pf::SetActiveGadget(PIGadget(7, 6, 2, 2));
  pf::test::TypeText("5");
  Pump();
  EXPECT_EQ(pf::GetGadgetText(PIGadget(7, 6, 2, 2)), "");  // column 2 of the group inputs is read-only
  // Without the flag: plain numeric inputs, no mark.
  Add(Module::BA, 3, 7, 6, "Hours", -1, 0, -1, "", "hours", -1);
  EXPECT_EQ(pf::GetGadgetColour(BAGadget(7, 6, 1, 2), BackColourType), NumberFieldColour);
}

TEST_F(RowFrame, GroupArrowsStepTheBuddyBetweenOneAndTen) {
  Add(Module::BA, 7, 7, 4, "Occupational group number", HeadingGreyColour, 0, -1);
  const int buddy = BAGadget(7, 4, 1, 2);
  EXPECT_EQ(pf::GetGadgetText(BAGadget(7, 4, 2, 1)), "Occupation of workers:");
  EXPECT_EQ(pf::GetGadgetData(buddy), 0);
  EXPECT_FALSE(pf::IsTabStop(buddy));
  Show();
  int arrows = 0;
  for (int g = buddy + 1; g < LastHelpIcon && !arrows; ++g)
    if (pf::GadgetKind(g) == pf::Kind::UpDown) arrows = g;
  ASSERT_NE(arrows, 0);
  EXPECT_EQ(pf::GadgetX(arrows), int(271 * ScaleX));
  pf::test::StepUpDown(arrows, true);
  Pump();
  EXPECT_EQ(pf::GetGadgetText(buddy), "2");
  pf::test::StepUpDown(arrows, false);
  pf::test::StepUpDown(arrows, false);
  Pump();
  EXPECT_EQ(pf::GetGadgetText(buddy), "1");  // stops at 1
  pf::SetGadgetText(buddy, "10");            // as a load puts a stored group there
  pf::test::StepUpDown(arrows, true);
  Pump();
  EXPECT_EQ(pf::GetGadgetText(buddy), "10");
  pf::test::StepUpDown(arrows, false);
  Pump();
  EXPECT_EQ(pf::GetGadgetText(buddy), "9");
  // A label without the words is shown unchanged; the CG caption reads the same as the others.
  Add(Module::CG, 7, 7, 4, "Occupational group number:", HeadingGreyColour, 0, -1);
  EXPECT_EQ(pf::GetGadgetText(CGGadget(7, 4, 2, 1)), "Occupation of workers:");
  Add(Module::PI, 7, 7, 4, "Groups", HeadingGreyColour, 0, -1);
  EXPECT_EQ(pf::GetGadgetText(PIGadget(7, 4, 2, 1)), "Groups");
}

TEST_F(RowFrame, CriteriaListsKeepTheirAllItemExclusiveUnderClicksAndSpace) {
  Add(Module::BA, 17, 6, 4, "Types", -1, 0, -1);
  const int before = BAGadget(6, 4, 1, 2), after = BAGadget(6, 4, 2, 2);
  ASSERT_EQ(pf::CountGadgetItems(before), 6);
  EXPECT_EQ(pf::GetGadgetItemText(before, 0), "ALL TYPES");
  EXPECT_EQ(pf::GetGadgetItemData(before, 0), 100);
  EXPECT_EQ(pf::GetGadgetItemData(before, 5), 99);
  Show();
  auto selected = [](int list) {
    std::vector<int> items;
    for (int i = 0; i < pf::CountGadgetItems(list); ++i)
      if (pf::IsGadgetItemSelected(list, i)) items.push_back(i);
    return items;
  };
  EXPECT_EQ(selected(before), std::vector<int>{0});
  auto click = [&](int list, int item) {
    const pf::Rect r = pf::GadgetItemRect(list, item);
    pf::test::Click(list, r.x + 5, r.y + r.h / 2);
    Pump();
  };
  click(before, 2);
  click(before, 3);
  EXPECT_EQ(selected(before), (std::vector<int>{2, 3}));
  EXPECT_EQ(selected(after), std::vector<int>{0});  // the after-period list keeps its own selection
  click(before, 0);
  EXPECT_EQ(selected(before), std::vector<int>{0});
  click(before, 0);
  EXPECT_TRUE(selected(before).empty());  // nothing selected, and ALL is not taken back
  click(before, 4);
  pf::test::KeyPress(pf::vk::kUp);
  pf::test::KeyPress(pf::vk::kUp);
  pf::test::KeyPress(pf::vk::kUp);
  pf::test::KeyPress(pf::vk::kUp);
  Pump();
  EXPECT_EQ(selected(before), std::vector<int>{4});  // arrows only move the caret
  pf::test::KeyPress(pf::vk::kSpace, " ");
  Pump();
  EXPECT_EQ(selected(before), std::vector<int>{0});
}
