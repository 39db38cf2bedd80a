#include "colouring/button_faces.h"
#include "colouring_fixture.h"

namespace {

constexpr pf::Rgb kCaption = pf::MakeRgb(0, 52, 171);
constexpr pf::Rgb kBack = pf::MakeRgb(239, 237, 224);

class OptionColours : public ColouringTest, public ::testing::WithParamInterface<bool> {
  void StartLibrary() override {
    pf::test::SetThemeActive(GetParam());
    InitColourLibrary();
  }
};

TEST_P(OptionColours, ShowUnderAnyVisualStyle) {
  const bool themed = GetParam();
  EXPECT_EQ(ThemeActive, themed ? 1 : 0);
  const int option = pf::OptionGadget(pf::kAutoNumber, 10, 10, 150, 20, "Summary approach");
  EXPECT_EQ(SetControlColours(option, kCaption, kBack), ColourModePlain);

  EXPECT_EQ(pf::GetGadgetColour(option, pf::kFrontColour), kCaption);
  EXPECT_EQ(pf::GetGadgetColour(option, pf::kBackColour), kBack);
  // The style is switched off only where one was drawing the control.
  EXPECT_EQ(pf::IsGadgetThemeDisabled(option), themed);
  const GadgetColourRecord* r = FindColourRecord(option);
  ASSERT_NE(r, nullptr);
  EXPECT_FALSE(r->ownerRendered);
  EXPECT_EQ(r->kind, KindButton);
}

INSTANTIATE_TEST_SUITE_P(Themes, OptionColours, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Themed" : "Classic"; });

TEST_F(ColouringTest, ColourRequestsOfControlsWithoutAPlainRecordAreLeftAlone) {
  const int option = pf::OptionGadget(pf::kAutoNumber, 10, 10, 150, 20, "Detailed approach");
  const int button = pf::ButtonGadget(pf::kAutoNumber, 10, 40, 120, 30, "Go");
  const int other = pf::OptionGadget(pf::kAutoNumber, 10, 80, 150, 20, "Untouched");
  SetControlColours(option, kCaption, kBack);
  SetButtonColours(button, kCaption, kBack);

  EXPECT_TRUE(ColourParentWindowProc(pf::kMainWindow, option));
  EXPECT_FALSE(ColourParentWindowProc(pf::kMainWindow, button));
  EXPECT_FALSE(ColourParentWindowProc(pf::kMainWindow, other));
  EXPECT_EQ(pf::GetGadgetColour(other, pf::kFrontColour), -1);
  EXPECT_EQ(pf::GetGadgetColour(other, pf::kBackColour), -1);
  EXPECT_EQ(pf::GetGadgetColour(button, pf::kBackColour), -1);
  EXPECT_FALSE(ColourParentWindowProc(12345, option));  // a window the library never saw
}

TEST_F(ColouringTest, ColouringGoesOnAfterAColouredWindowHasClosed) {
  // Two popups and the main window are recorded, the first popup ahead of the main window.
  const int first = pf::OpenPopupWindow(pf::kAutoNumber, 10, 10, 200, 100);
  const int inFirst = pf::OptionGadget(pf::kAutoNumber, 0, 0, 100, 20, "first");
  pf::CloseGadgetList();
  SetControlColours(inFirst, kCaption, kBack);
  const int onMain = pf::OptionGadget(pf::kAutoNumber, 10, 10, 150, 20, "main");
  SetControlColours(onMain, kCaption, kBack);
  const int second = pf::OpenPopupWindow(pf::kAutoNumber, 300, 10, 200, 100);
  const int inSecond = pf::OptionGadget(pf::kAutoNumber, 0, 0, 100, 20, "second");
  pf::CloseGadgetList();
  SetControlColours(inSecond, kCaption, kBack);
  ASSERT_EQ(SubclassedParents.size(), 3u);

  pf::CloseWindow(first);
  const int later = pf::OptionGadget(pf::kAutoNumber, 10, 40, 150, 20, "later");
  SetControlColours(later, 0x112233, 0x445566);
  EXPECT_EQ(pf::GetGadgetColour(later, pf::kFrontColour), 0x112233);
  EXPECT_EQ(pf::GetGadgetColour(later, pf::kBackColour), 0x445566);
  std::vector<int> windows;
  for (const auto& p : SubclassedParents) windows.push_back(p.window);
  EXPECT_EQ(windows, (std::vector<int>{pf::kMainWindow, second}));
  SetControlColours(inSecond, 0x778899, kBack);
  EXPECT_EQ(pf::GetGadgetColour(inSecond, pf::kFrontColour), 0x778899);
}

}  // namespace
