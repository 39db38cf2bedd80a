// What controls show and read back: captions, colours, lists, dates, up-downs, geometry, scroll areas.
#include <cstdio>

#include "platform_fixture.h"

namespace pf::testing {
namespace {

TEST_F(PlatformTest, StaticTextShowsAmpersandsAndLineBreaks) {
  const int t = TextGadget(kAutoNumber, 0, 0, 200, 60, "Save && Close\rnext\r\nlast");
  EXPECT_EQ(test::DisplayedText(t), "Save & Close\nnext\nlast");
  EXPECT_EQ(GetGadgetText(t), "Save && Close\rnext\r\nlast");
}

TEST_F(PlatformTest, ColoursReadBackExactlyAsSet) {
  const int f = FieldGadget(kAutoNumber, 0, 0, 100, 20, "");
  const int t = TextGadget(kAutoNumber, 0, 30, 100, 20, "x");
  EXPECT_EQ(GetGadgetColour(f, kBackColour), -1) << "never set";
  for (Rgb c :
       {MakeRgb(254, 254, 254), MakeRgb(255, 255, 255), MakeRgb(253, 253, 253), MakeRgb(255, 255, 200)}) {
    SetGadgetColour(f, kBackColour, c);
    SetGadgetColour(t, kFrontColour, c);
    EXPECT_EQ(GetGadgetColour(f, kBackColour), c);
    EXPECT_EQ(GetGadgetColour(t, kFrontColour), c);
  }
  // What is read back is what shows.
  SetGadgetColour(t, kBackColour, 0x336699);
  const int shot = test::GrabMainWindow();
  EXPECT_EQ(PicturePixel(shot, 95, 10), 0xFFFFC8u) << "the field's back colour";
  EXPECT_EQ(PicturePixel(shot, 95, 45), 0x336699u) << "the text's back colour";
  DisableGadgetTheme(t);
  EXPECT_TRUE(IsGadgetThemeDisabled(t));
  EXPECT_EQ(GetGadgetColour(t, kFrontColour), MakeRgb(255, 255, 200));
}

// Number fields and values stand at their right end, clear of a unit mark over their left end.
TEST_F(PlatformTest, RightFlagAlignsFieldsAndTexts) {
  EXPECT_TRUE(test::AlignedRight(FieldGadget(kAutoNumber, 0, 0, 80, 20, "12", flags::kRight)));
  EXPECT_TRUE(
      test::AlignedRight(FieldGadget(kAutoNumber, 0, 30, 80, 20, "12", flags::kRight | flags::kBorder)));
  EXPECT_FALSE(test::AlignedRight(FieldGadget(kAutoNumber, 0, 60, 80, 20, "12", flags::kBorder)));
  EXPECT_TRUE(test::AlignedRight(TextGadget(kAutoNumber, 0, 90, 80, 20, "12", flags::kRight)));
  EXPECT_FALSE(test::AlignedRight(TextGadget(kAutoNumber, 0, 120, 80, 20, "12")));
}

TEST_F(PlatformTest, GeometryKeepsIgnoredValuesAndContainersCarryTheirChildren) {
  const int panel = ContainerGadget(kAutoNumber, 100, 50, 300, 200, flags::kBorder);
  OpenGadgetList(panel);
  const int f = FieldGadget(kAutoNumber, 10, 20, 80, 22, "");
  CloseGadgetList();
  ResizeGadget(f, kIgnoreValue, 30, kIgnoreValue, 24);
  EXPECT_EQ(GadgetX(f), 10);
  EXPECT_EQ(GadgetY(f), 30);
  EXPECT_EQ(GadgetWidth(f), 80);
  EXPECT_EQ(GadgetHeight(f), 24);
  EXPECT_EQ(GadgetParent(f), panel);
  EXPECT_EQ(GadgetWindow(f), kMainWindow);
  const Rect r = GadgetScreenRect(f);
  const Point origin = ClientToScreen(kMainWindow, {111, 81});  // inside the panel's one-pixel border
  EXPECT_EQ(r.x, origin.x);
  EXPECT_EQ(r.y, origin.y);
  HideGadget(panel, true);
  EXPECT_FALSE(IsGadgetHidden(f));
  EXPECT_FALSE(IsGadgetVisible(f));
  EXPECT_EQ(GadgetAtPoint({r.x + 2, r.y + 2}), 0);
  HideGadget(panel, false);
  EXPECT_EQ(GadgetAtPoint({r.x + 2, r.y + 2}), f);
  EXPECT_EQ(GadgetAtPoint({r.x - 5, r.y + 2}), panel);
}

TEST_F(PlatformTest, MultiSelectListTogglesOneItemPerClickOrSpace) {
  const int l = ListBoxGadget(kAutoNumber, 0, 0, 150, 200, flags::kMultiSelect);
  for (int i = 0; i < 4; ++i) AddGadgetItem(l, -1, "item " + std::to_string(i), 10 + i);
  const Rect row2 = GadgetItemRect(l, 2);
  const Rect row1 = GadgetItemRect(l, 1);
  ASSERT_GT(row2.h, 0);
  test::Click(l, row2.x + 5, row2.y + row2.h / 2);
  test::Click(l, row1.x + 5, row1.y + row1.h / 2);
  EXPECT_TRUE(IsGadgetItemSelected(l, 1));
  EXPECT_TRUE(IsGadgetItemSelected(l, 2));
  EXPECT_EQ(GetGadgetState(l), 1);
  test::Click(l, row2.x + 5, row2.y + row2.h / 2);
  EXPECT_FALSE(IsGadgetItemSelected(l, 2)) << "a second click takes the item out again";
  EXPECT_TRUE(IsGadgetItemSelected(l, 1));
  EXPECT_EQ(GetCaretItem(l), 2);
  test::DrainEvents();
  test::KeyPress(vk::kSpace);
  const auto events = ControlEvents(Run());
  EXPECT_TRUE(IsGadgetItemSelected(l, 2)) << "Space toggles the caret item";
  EXPECT_TRUE(IsGadgetItemSelected(l, 1));
  ASSERT_EQ(events.size(), 1u) << Describe(events);
  EXPECT_EQ(events[0].kind, GadgetEvent::Change);
  EXPECT_EQ(events[0].origin, Origin::User);
  SetGadgetItemSelected(l, -1, false);
  EXPECT_EQ(GetGadgetState(l), -1);
  EXPECT_TRUE(test::DrainEvents().empty()) << "program selections raise nothing";
  EXPECT_EQ(GetGadgetItemData(l, 3), 13);
  EXPECT_EQ(GadgetItemAt(l, row2.x + 5, row2.y + 1), 2);
}

TEST_F(PlatformTest, ListViewRowsHaveTextColoursAndBounds) {
  const int v = ListViewGadget(kAutoNumber, 0, 0, 300, 100, "Topic", 200, flags::kNoHeader);
  AddListViewColumn(v, 1, "More", 80);
  for (int i = 0; i < 20; ++i) AddGadgetItem(v, -1, "row " + std::to_string(i), i * 2);
  SetGadgetItemText(v, 3, "second", 1);
  EXPECT_EQ(GetGadgetItemText(v, 3, 1), "second");
  EXPECT_EQ(GetGadgetItemText(v, 3), "row 3");
  SetGadgetItemColour(v, 4, kBackColour, 0x112233);
  const Rect r0 = GadgetItemRect(v, 0);
  const Rect r1 = GadgetItemRect(v, 1);
  EXPECT_EQ(r0.y, 0) << "no header above the first row";
  EXPECT_EQ(r1.y, r0.y + r0.h);
  SetGadgetState(v, 5);
  EXPECT_EQ(GetGadgetState(v), 5);
  EXPECT_EQ(GetGadgetText(v), "row 5");
  SetTopItem(v, 10);
  EXPECT_EQ(GetTopItem(v), 10);
  EXPECT_EQ(GadgetItemAt(v, 5, 1), 10);
  EXPECT_TRUE(test::DrainEvents().empty());
}

TEST_F(PlatformTest, ComboItemsKeepTheirData) {
  const int c = ComboGadget(kAutoNumber, 0, 0, 150, 24, flags::kEditable);
  AddGadgetItem(c, -1, "Assembly", 5);
  AddGadgetItem(c, 0, "Accounting", 7);
  EXPECT_EQ(GetGadgetItemText(c, 0), "Accounting");
  EXPECT_EQ(GetGadgetItemData(c, 1), 5);
  EXPECT_EQ(test::ComboEditText(c), "");
  SetGadgetText(c, "Acc");
  EXPECT_EQ(GetGadgetText(c), "Acc");
  EXPECT_EQ(test::ComboEditText(c), "Acc");
}

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

// Month names are literal text; unquoted, letters such as M, d, y, h and a would be read as fields.
TEST_F(PlatformTest, DateMaskShowsEveryMonthNameAsWritten) {
  const int d = DateGadget(kAutoNumber, 0, 0, 300, 24, "%mm/%dd/%yyyy");
  for (int m = 1; m <= 12; ++m) {
    ASSERT_TRUE(SetGadgetDate(d, {2010, m, 5}));
    SetDateMask(d, std::string(kMonths[m - 1]) + " %dd, %yyyy");
    const std::string expected = std::string(kMonths[m - 1]) + " 05, 2010";
    EXPECT_EQ(test::DisplayedText(d), expected);
    EXPECT_EQ(GetDateDisplayText(d), expected);
    EXPECT_EQ(GetGadgetDate(d), (Date{2010, m, 5}));
  }
  SetDateMask(d, "Saturday, December 12, 2009");  // a whole long date, nothing to edit
  EXPECT_EQ(test::DisplayedText(d), "Saturday, December 12, 2009");
  EXPECT_EQ(GetGadgetDate(d), (Date{2010, 12, 5}));
  SetDateMask(d, "Rock 'n' roll %dd");
  EXPECT_EQ(test::DisplayedText(d), "Rock 'n' roll 05");
  EXPECT_TRUE(test::DrainEvents().empty());
}

TEST_F(PlatformTest, UpDownStepsItsBuddyWithinItsRange) {
  const int buddy = FieldGadget(kAutoNumber, 0, 0, 40, 20, "1");
  const int ud = UpDownGadget(kAutoNumber, 40, 0, 16, 20, 1, 10, buddy);
  test::DrainEvents();
  for (int i = 0; i < 12; ++i) test::StepUpDown(ud, true);
  EXPECT_EQ(GetGadgetText(buddy), "10");
  auto events = ControlEvents(test::DrainEvents());
  ASSERT_EQ(events.size(), 9u) << "no change at the limit";
  for (const Event& e : events) {
    EXPECT_EQ(e.gadget, buddy);
    EXPECT_EQ(e.kind, GadgetEvent::Change);
    EXPECT_EQ(e.origin, Origin::User);
  }
  for (int i = 0; i < 12; ++i) test::StepUpDown(ud, false);
  EXPECT_EQ(GetGadgetText(buddy), "1");
  EXPECT_EQ(ControlEvents(test::DrainEvents()).size(), 9u);
}

TEST_F(PlatformTest, ScrollRequestsPassTheChainAndMoveTheView) {
  const int area = ScrollAreaGadget(kAutoNumber, 0, 0, 200, 100, 150, 1000, 30);
  EXPECT_EQ(ScrollAreaInnerHeight(area), 1000);
  EXPECT_EQ(ScrollAreaViewHeight(area), 100);
  SendScrollRequest(area, ScrollKind::LineDown);
  EXPECT_EQ(GetScrollY(area), 30);
  SendScrollRequest(area, ScrollKind::ThumbTrack, 400);
  EXPECT_EQ(GetScrollY(area), 400);
  SendScrollRequest(area, ScrollKind::Bottom);
  const int bottom = 1000 - ScrollAreaViewHeight(area);
  EXPECT_EQ(GetScrollY(area), bottom);
  std::vector<Msg> seen;
  AddGadgetHandler(area, [&](Message& m, const CallPrevious&) {
    seen.push_back(m.type);
    return m.type == Msg::Scroll;  // the area moves only when told so by someone else
  });
  SendScrollRequest(area, ScrollKind::Top);
  EXPECT_EQ(GetScrollY(area), bottom);
  test::Wheel(area, 120);
  EXPECT_EQ(GetScrollY(area), bottom);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[1], Msg::Wheel);
  EXPECT_EQ(seen[2], Msg::Scroll) << "the wheel becomes a scroll request";
  SetScrollY(area, 100);
  EXPECT_EQ(GetScrollY(area), 100);
  EXPECT_EQ(GadgetAtPoint({GadgetScreenRect(area).x + 5, GadgetScreenRect(area).y + 5}), kNotAControl);
}

TEST_F(PlatformTest, PopupHoldsItsControlsAndLeavesTheMainWindowActive) {
  const int popup = OpenPopupWindow(kAutoNumber, 300, 300, 200, 100);
  const int text = TextGadget(kAutoNumber, 10, 10, 100, 20, "help");
  CloseGadgetList();
  const int back = TextGadget(kAutoNumber, 0, 0, 10, 10, "main");
  EXPECT_EQ(GadgetWindow(text), popup);
  EXPECT_EQ(GadgetWindow(back), kMainWindow);
  EXPECT_FALSE(IsWindowVisible(popup));
  ShowWindow(popup, true);
  Run();
  EXPECT_TRUE(IsWindowVisible(popup));
  EXPECT_EQ(ActiveWindow(), kMainWindow);
  ResizeWindow(popup, 320, kIgnoreValue, kIgnoreValue, 50);
  EXPECT_EQ(WindowRect(popup), (Rect{320, 300, 200, 50}));
  EXPECT_EQ(GadgetAtPoint({335, 315}), text);
  ShowWindow(popup, false);
  EXPECT_FALSE(IsWindowVisible(popup));
}

TEST_F(PlatformTest, BitmapButtonShowsItsFaceWhole) {
  const int face = CreatePicture(kAutoNumber, 80, 24, 0xC00000);
  const int b =
      ButtonGadget(kAutoNumber, 20, 20, 80, 24, "Go", button_style::kCentre | button_style::kBitmap);
  SetButtonFace(b, face);
  EXPECT_EQ(GetButtonFace(b), face);
  EXPECT_EQ(GetButtonStyle(b), button_style::kCentre | button_style::kBitmap);
  const std::string path = TempPath("bitmap_button.png");
  ASSERT_TRUE(test::SaveScreenshot(path));
  std::FILE* f = std::fopen(path.c_str(), "rb");
  ASSERT_NE(f, nullptr);
  std::vector<unsigned char> png(1 << 20);
  png.resize(std::fread(png.data(), 1, png.size(), f));
  std::fclose(f);
  const int shot = DecodePicture(kAutoNumber, png.data(), png.size());
  ASSERT_NE(shot, 0);
  EXPECT_EQ(PicturePixel(shot, 22, 22), 0xC00000u);
  EXPECT_EQ(PicturePixel(shot, 98, 42), 0xC00000u);
  EXPECT_EQ(PicturePixel(shot, 10, 10), 0x000000u) << "the window is black around it";
}

TEST_F(PlatformTest, ClickableTextReportsRightClicks) {
  const int t = TextGadget(kAutoNumber, 10, 10, 100, 20, "tile", flags::kClickable);
  test::RightClick(t);
  const auto events = ControlEvents(test::DrainEvents());
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, GadgetEvent::RightClick);
}

}  // namespace
}  // namespace pf::testing
