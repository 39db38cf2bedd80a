#include <cstdint>
#include <string>
#include <vector>

#include "program_fixture.h"
#include "shell/design_grid.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"
#include "shell/shell_globals.h"

namespace {

constexpr Rgb kHoverTileBack = pf::MakeRgb(200, 150, 0);
constexpr Rgb kHoverTileText = pf::MakeRgb(0, 0, 255);

// The incident calculator's start page in front, with room for test controls on it.
class HoverTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    Pump();
    pf::test::Click(TopTabGadget(2));
    Pump();
    // The calculator's own rows and tiles are not what these tests look at: start with empty registries.
    HelpText.Clear();
    HelpTextCount = 0;
    HoverTable.Clear();
    HoverCount = 0;
    pf::OpenGadgetList(IncidentMenuPage);
    neutral = pf::TextGadget(AutoNumber, 900, 10, 80, 20, "no look");
    pf::CloseGadgetList();
  }

  void Hover(int gadget) {
    pf::test::MoveMouseTo(gadget);
    Pump();
  }

  int Text(int x, int y, Rgb back, Rgb front) {
    pf::OpenGadgetList(IncidentMenuPage);
    const int t = pf::TextGadget(AutoNumber, x, y, 80, 20, "tile");
    pf::CloseGadgetList();
    pf::SetGadgetColour(t, BackColourType, back);
    pf::SetGadgetColour(t, FrontColourType, front);
    return t;
  }

  // A worksheet row with a help icon showing `picture`, `rowY` below the page's top.
  int HelpRow(int rowY, int rowHeight = 30, int picture = 41) {
    pf::OpenGadgetList(IncidentMenuPage);
    const int row = pf::ContainerGadget(AutoNumber, 0, rowY, 1000, rowHeight);
    pf::CloseGadgetList();
    pf::SetGadgetColour(row, BackColourType, LightGreyColour);
    pf::OpenGadgetList(row);
    LastHelpIcon = pf::PictureGadget(AutoNumber, 0, 2, 0, 0, picture);
    pf::CloseGadgetList();
    pf::HideGadget(LastHelpIcon, true);
    return LastHelpIcon;
  }

  static bool Drew(const std::vector<pf::test::DrawOp>& ops, const std::string& text, Rgb colour) {
    for (const auto& op : ops)
      if (op.type == pf::test::DrawOp::Type::Text && op.text == text && op.front == colour) return true;
    return false;
  }

  int neutral = 0;
};

}  // namespace

TEST_F(HoverTest, TabCaptionsTurnBlueUnderThePointerAndBlackAfter) {
  struct Case {
    int tab;
    std::string caption;
    Rgb hover;
  };
  // At "2.9.0" the Start tab is selected; the others are not.
  const Case cases[] = {
      {TopTabGadget(1), "DO ANALYSIS", pf::MakeRgb(0, 0, 255)},
      {SecondTabGadget(8), "1 Incident Description", pf::MakeRgb(0, 0, 240)},
      {ThirdTabGadget(1), "Multiple Incidents Summary", pf::MakeRgb(0, 0, 240)},
  };
  pf::test::RecordPictureDrawing(true);
  for (const auto& c : cases) {
    pf::test::TakePictureOps();
    Hover(c.tab);
    EXPECT_TRUE(Drew(pf::test::TakePictureOps(), c.caption, c.hover)) << c.caption;
    Hover(neutral);
    EXPECT_TRUE(Drew(pf::test::TakePictureOps(), c.caption, kBlack)) << c.caption;
  }
  // The selected tabs keep their white captions.
  for (int selected : {SecondTabGadget(9), TopTabGadget(2)}) {
    Hover(selected);
    Hover(neutral);
    EXPECT_TRUE(pf::test::TakePictureOps().empty()) << selected;
  }
}

TEST_F(HoverTest, ControlsTakeTheirHoverLookAndGiveItBack) {
  HomeTile(1) = Text(10, 10, BlueGreyColour, kBlack);
  AboutTile(1) = Text(100, 10, BlueColour, OrangeColour);  // the selected tile
  AboutTile(2) = Text(190, 10, BlueGreyColour, kBlack);
  IncidentLearnMoreLink = Text(280, 10, PageColour, LinkColour);
  const int registered = Text(370, 10, kWhite, kBlack);
  RegisterHoverGadget(registered, 1, pf::MakeRgb(255, 0, 0), kWhite, pf::MakeRgb(1, 2, 3),
                      pf::MakeRgb(4, 5, 6));
  RegisterHoverGadget(registered, 1, 0x111111, 0x222222, 0x333333, 0x444444);  // the first row holds
  struct Case {
    int control;
    Rgb hoverBack, hoverText, normalBack, normalText;
  };
  const Case cases[] = {
      {HomeTile(1), kHoverTileBack, kHoverTileText, BlueGreyColour, kBlack},
      {AboutTile(1), BlueColour, OrangeColour, BlueColour, OrangeColour},
      {AboutTile(2), kHoverTileBack, kHoverTileText, BlueGreyColour, kBlack},
      {IncidentLearnMoreLink, PageColour, kBlack, PageColour, LinkColour},
      {registered, pf::MakeRgb(255, 0, 0), kWhite, pf::MakeRgb(1, 2, 3), pf::MakeRgb(4, 5, 6)},
  };
  for (const auto& c : cases) {
    Hover(c.control);
    EXPECT_EQ(pf::GetGadgetColour(c.control, BackColourType), c.hoverBack) << c.control;
    EXPECT_EQ(pf::GetGadgetColour(c.control, FrontColourType), c.hoverText) << c.control;
    Hover(neutral);
    EXPECT_EQ(pf::GetGadgetColour(c.control, BackColourType), c.normalBack) << c.control;
    EXPECT_EQ(pf::GetGadgetColour(c.control, FrontColourType), c.normalText) << c.control;
  }
  Hover(IncidentLearnMoreLink);
  EXPECT_EQ(pf::GetGadgetFont(IncidentLearnMoreLink), 41);
  Hover(neutral);
  EXPECT_EQ(pf::GetGadgetFont(IncidentLearnMoreLink), 4);
}

TEST_F(HoverTest, PictureButtonsAndApproachMarksSwapTheirLooks) {
  pf::OpenGadgetList(IncidentMenuPage);
  const int button = pf::PictureButtonGadget(AutoNumber, 10, 100, 60, 30, 48);
  const int chosen = pf::TextGadget(AutoNumber, 10, 150, 30, 22, "X");
  const int chosenCaption = pf::TextGadget(AutoNumber, 50, 150, 200, 22, "Database");
  const int other = pf::TextGadget(AutoNumber, 10, 180, 30, 22, "");
  const int otherCaption = pf::TextGadget(AutoNumber, 50, 180, 200, 22, "Summary");
  pf::CloseGadgetList();
  RegisterHoverGadget(button, 2, 49, 48, 0, 0);
  for (int mark : {chosen, other}) RegisterHoverGadget(mark, 5, 0, 0, 0, 0);
  GadgetProperties.push_back({chosen, "companion", chosenCaption});
  GadgetProperties.push_back({other, "companion", otherCaption});
  pf::SetGadgetData(chosen, 0);
  pf::SetGadgetData(other, 1);

  Hover(button);
  EXPECT_EQ(pf::GetGadgetPicture(button), 49);
  Hover(other);
  EXPECT_EQ(pf::GetGadgetPicture(button), 48);
  EXPECT_EQ(pf::GetGadgetText(other), "X");
  EXPECT_EQ(pf::GetGadgetColour(other, FrontColourType), LinkColour);
  EXPECT_EQ(pf::GetGadgetColour(otherCaption, FrontColourType), LinkColour);
  Hover(chosen);  // the chosen option has no hover look
  EXPECT_EQ(pf::GetGadgetText(other), "");
  EXPECT_EQ(pf::GetGadgetColour(other, FrontColourType), kBlack);
  EXPECT_EQ(pf::GetGadgetColour(otherCaption, FrontColourType), pf::MakeRgb(85, 85, 85));
  EXPECT_EQ(pf::GetGadgetText(chosen), "X");
  EXPECT_EQ(pf::GetGadgetColour(chosenCaption, FrontColourType), -1);
}

TEST_F(HoverTest, HelpOpensAfterTheRestBelowItsRowAndClosesOverAnotherControl) {
  const int icon = HelpRow(40);
  RegisterHelpText("First line~Second line", 600, -1, 0, 0);
  EXPECT_FALSE(pf::IsGadgetHidden(icon));
  EXPECT_EQ(pf::GadgetX(icon), DX(600));
  EXPECT_EQ(HelpText(0, 0), std::to_string(icon));
  EXPECT_EQ(HelpText(0, 1), "First line\rSecond line");

  Hover(neutral);
  const std::int64_t start = pf::ElapsedMilliseconds();
  Hover(icon);
  EXPECT_GE(pf::ElapsedMilliseconds() - start, 499);
  ASSERT_EQ(HelpPopupShown, 1);
  EXPECT_TRUE(pf::IsWindowVisible(HelpPopupWindow));
  EXPECT_NE(pf::ActiveWindow(), HelpPopupWindow);
  EXPECT_EQ(pf::ViewerLineCount(HelpPopupText), 2);
  const pf::Rect row = pf::GadgetScreenRect(pf::GadgetParent(icon));
  const pf::Rect popup = pf::WindowRect(HelpPopupWindow);
  EXPECT_EQ(popup.x, pf::GadgetScreenRect(PageHolder).x);
  EXPECT_EQ(popup.y, row.Bottom() - 1);  // attached to its row
  EXPECT_EQ(popup.w, DX(599));
  EXPECT_EQ(popup.h, 74);  // two lines of 22 and 30 pixels of margin
  EXPECT_EQ(pf::GadgetY(HelpPopupPanel), -1);
  EXPECT_EQ(pf::GetGadgetColour(HelpPopupText, BackColourType), LightGreyColour);

  Hover(HelpPopupText);  // its own text box counts as another control
  EXPECT_EQ(HelpPopupShown, 0);
  EXPECT_FALSE(pf::IsWindowVisible(HelpPopupWindow));
}

TEST_F(HoverTest, ThePopupTakesItsRowsColourExceptOnDarkWhiteOrUncolouredRows) {
  const std::pair<std::int64_t, Rgb> cases[] = {
      {LightGreyColour, LightGreyColour},
      {LightGreenColour, LightGreenColour},
      {BlueGreyColour, BlueGreyColour},
      {HeadingGreyColour, PageColour},
      {MidBlueColour, PageColour},
      {SlateBlueColour, PageColour},
      {BlueColour, PageColour},
      {DarkBlueColour, PageColour},
      {kWhite, PageColour},
      {-1, PageColour},
  };
  for (const auto& [rowColour, expected] : cases) {
    const int icon = HelpRow(40);
    const int row = pf::GadgetParent(icon);
    if (rowColour < 0) {  // a row that was never coloured
      pf::OpenGadgetList(IncidentMenuPage);
      const int bare = pf::ContainerGadget(AutoNumber, 0, 40, 1000, 30);
      pf::CloseGadgetList();
      pf::OpenGadgetList(bare);
      LastHelpIcon = pf::PictureGadget(AutoNumber, 0, 2, 0, 0, 41);
      pf::CloseGadgetList();
    } else {
      pf::SetGadgetColour(row, BackColourType, Rgb(rowColour));
    }
    RegisterHelpText("Help", 600, -1, 0, 0);
    ASSERT_TRUE(ShowHelpPopup(LastHelpIcon));
    EXPECT_EQ(pf::GetGadgetColour(HelpPopupText, BackColourType), expected) << rowColour;
    EXPECT_EQ(pf::GetGadgetColour(HelpPopupPanel, BackColourType), expected) << rowColour;
  }
}

TEST_F(HoverTest, LeavingTheIconBeforeTheRestOpensNothing) {
  const int icon = HelpRow(40);
  RegisterHelpText("Help", 600, icon, 0, 0);
  Hover(neutral);
  const std::int64_t start = pf::ElapsedMilliseconds();
  pf::test::OnDelayStep([&](std::int64_t now) {
    if (now - start >= 200 && pf::GadgetAtPoint(pf::CursorPosition()) == icon) pf::test::MoveMouseTo(neutral);
  });
  Hover(icon);
  pf::test::OnDelayStep(nullptr);
  EXPECT_EQ(HelpPopupShown, 0);
  EXPECT_FALSE(pf::IsWindowVisible(HelpPopupWindow));
  EXPECT_LT(pf::ElapsedMilliseconds() - start, 300);
}

TEST_F(HoverTest, AnOpenPopupPassesStraightToTheNextIcon) {
  const int first = HelpRow(40);
  RegisterHelpText("First", 600, -1, 0, 0);
  pf::OpenGadgetList(pf::GadgetParent(first));
  const int second = pf::PictureGadget(AutoNumber, DX(600) + pf::GadgetWidth(first), 2, 0, 0, 41);
  pf::CloseGadgetList();
  RegisterHelpText("Second~two~three", -1, second, 0, 0);
  EXPECT_EQ(pf::GadgetX(second), DX(600) + pf::GadgetWidth(first));  // a negative x leaves it in place

  Hover(neutral);
  Hover(first);
  ASSERT_EQ(HelpPopupShown, 1);
  const int oneLine = pf::WindowRect(HelpPopupWindow).h;
  const std::int64_t start = pf::ElapsedMilliseconds();
  Hover(second);
  EXPECT_EQ(pf::ElapsedMilliseconds() - start, 0);
  EXPECT_EQ(HelpPopupShown, 1);
  EXPECT_EQ(pf::ViewerLineText(HelpPopupText, 0), "Second");
  EXPECT_EQ(pf::WindowRect(HelpPopupWindow).h, oneLine + 44);  // two lines more
}

TEST_F(HoverTest, NearTheFootersThePopupRisesAboveItsIcon) {
  const pf::Rect holder = pf::GadgetScreenRect(PageHolder);
  const int rowY = pf::GadgetHeight(PageHolder) - DY(52) - 60;
  const int icon = HelpRow(rowY);
  RegisterHelpText("One~Two~Three", 600, -1, 0, 0);
  Hover(neutral);
  Hover(icon);
  ASSERT_EQ(HelpPopupShown, 1);
  const pf::Rect popup = pf::WindowRect(HelpPopupWindow);
  EXPECT_EQ(popup.Bottom(), pf::GadgetScreenRect(icon).y - 3);
  EXPECT_LE(popup.Bottom(), holder.Bottom() - DY(52));
  EXPECT_EQ(pf::GadgetY(HelpPopupPanel), 0);  // detached from the row: all four borders show
}

TEST(HelpPopupPlacement, FollowsItsOffsetsAndStaysClearOfTheFooterStrip) {
  // Scale 1; the holder ends at 600, so popups must end by 600 - 52 - 1.
  const pf::Rect holder{0, 100, 1000, 500};
  struct Case {
    const char* what;
    int rowY, upward, fallback;
    int y, height, panelTop;
  };
  // One line: h = 22. A row is 30 high with its icon 2 below its top.
  const Case cases[] = {
      {"under the row", 200, 0, 0, 229, 52, -1},
      {"raised by the upward offset", 200, 10, 0, 219, 53, 0},
      {"at the fallback offset", 470, 0, 40, 459, 52, -1},
      {"above the icon", 470, 0, 0, 472 - 22 - 33, 52, 0},
      {"above the row", 560, 0, 0, 560 - 22 - 29, 52, 0},  // the icon stands in the strip itself
  };
  for (const auto& c : cases) {
    const pf::Rect row{0, c.rowY, 1000, 30};
    const pf::Rect icon{600, c.rowY + 2, 20, 20};
    const PopupPlacement p = PlaceHelpPopup(holder, icon, row, 1, c.upward, c.fallback);
    EXPECT_EQ(p.y, c.y) << c.what;
    EXPECT_EQ(p.height, c.height) << c.what;
    EXPECT_EQ(p.panelTop, c.panelTop) << c.what;
    EXPECT_EQ(p.panelHeight, 53) << c.what;
  }
}

TEST_F(HoverTest, ClicksIntoThePopupTextOnlyRaiseTheViewerFlag) {
  pf::Message down;
  down.type = pf::Msg::LeftDown;
  ViewerClicked = 0;
  pf::SendGadgetMessage(HelpPopupText, down);
  EXPECT_EQ(ViewerClicked, 1);
  pf::Message key;
  key.type = pf::Msg::KeyDown;
  EXPECT_FALSE(ReadOnlyEditorProc(key, [] {}));
}

TEST_F(HoverTest, RegistriesDropWhatDoesNotFit) {
  const int icon = HelpRow(40);
  for (int i = 0; i < 455; ++i) RegisterHelpText("t" + std::to_string(i), -1, icon, 0, 0);
  EXPECT_EQ(HelpTextCount, 451);
  EXPECT_EQ(HelpText(450, 1), "t450");

  RegisterHoverGadget(0, 1, 1, 2, 3, 4);  // a control never built would end the table early
  const int late = Text(10, 200, kWhite, kBlack);
  RegisterHoverGadget(late, 1, kHoverTileBack, kHoverTileText, kWhite, kBlack);
  for (int i = 0; i < 120; ++i) RegisterHoverGadget(neutral, 1, 1, 2, 3, 4);
  EXPECT_EQ(HoverCount, 100);
  EXPECT_EQ(HoverTable(1, kHoverControl), late);
  Hover(late);
  EXPECT_EQ(pf::GetGadgetColour(late, BackColourType), kHoverTileBack);
}

TEST(RecordListPointer, CountsRowsFromTwoPixelsBelowTheTop) {
  struct Case {
    int y, top, rowHeight, scroll, row;
  };
  const Case cases[] = {
      {102, 100, 16, 0, 0}, {117, 100, 16, 0, 0},
      {118, 100, 16, 0, 1}, {101, 100, 16, 0, 0},  // the border: towards zero
      {150, 100, 16, 5, 8}, {150, 100, 0, 0, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(ListRowAt(c.y, c.top, c.rowHeight, c.scroll), c.row) << c.y;
}

TEST_F(HoverTest, ARecordListSelectsTheRowUnderThePointerAndTakesTheFocus) {
  pf::OpenGadgetList(IncidentMenuPage);
  const int list = pf::ListViewGadget(AutoNumber, 10, 300, 300, 200, "Incident", 280, pf::flags::kNoHeader);
  pf::CloseGadgetList();
  for (int i = 0; i < 3; ++i) pf::AddGadgetItem(list, -1, "incident " + std::to_string(i));
  ListRowHeight = pf::GadgetItemRect(list, 1).y - pf::GadgetItemRect(list, 0).y;
  ASSERT_GT(ListRowHeight, 0);
  const auto overRow = [&](int row) {
    pf::test::MoveMouseTo(list, 20, 2 + row * ListRowHeight + ListRowHeight / 2);
    Pump();
  };
  Hover(neutral);
  overRow(1);
  EXPECT_EQ(pf::GetGadgetState(list), 1);
  EXPECT_EQ(pf::GetActiveGadget(), list);
  overRow(2);
  EXPECT_EQ(pf::GetGadgetState(list), 2);
  overRow(4);  // below the last row
  EXPECT_EQ(pf::GetGadgetState(list), 2) << "only rows that exist are selected";
}
