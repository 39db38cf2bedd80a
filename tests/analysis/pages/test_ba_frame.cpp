// The Before & After module as the user meets it: built once on the first visit, its start page, the
// step navigation in the footer and the controls of the frame.
#include "analysis/pages/module_frame.h"
#include "analysis/pages/pages_globals.h"
#include "shell/gadget_helpers.h"
#include "shell/hover_help.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/tab_bars.h"

namespace {

class BAFrame : public ProgramTest {
 protected:
  void Open(int third) {
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    SelectTopTab(1);
    SelectSecondTab(3);
    SelectThirdTab(third);
    ShowPage(-1, -1, -1);
    Pump();
  }
  int ShownStep() {
    int shown = -1;
    for (int page = 1; page <= 9; ++page)
      if (pf::IsGadgetVisible(BAPage(page))) {
        EXPECT_EQ(shown, -1) << "two pages shown";
        shown = page;
      }
    return shown == 9 ? 0 : 9 - shown;
  }
  std::string PopupText(int icon) {
    if (!ShowHelpPopup(icon)) return "<no help>";
    std::string text;
    for (int i = 0; i < pf::ViewerLineCount(HelpPopupText); ++i) text += pf::ViewerLineText(HelpPopupText, i);
    return text;
  }
};

TEST_F(BAFrame, FirstVisitBuildsTheModuleOnceAndShowsItsStartPage) {
  Open(9);
  ASSERT_NE(BARoot, 0);
  EXPECT_TRUE(pf::IsGadgetVisible(BARoot));
  EXPECT_EQ(ShownStep(), 0);
  EXPECT_TRUE(pf::IsGadgetVisible(BANewTile));
  EXPECT_EQ(pf::GetGadgetText(BANewTile), "\rSTART A NEW\rBEFORE && AFTER\rANALYSIS");
  EXPECT_TRUE(pf::IsGadgetVisible(BAInfoContainer));
  EXPECT_FALSE(pf::IsGadgetVisible(BAPastContainer));
  EXPECT_FALSE(pf::IsGadgetVisible(BAExampleContainer));
  EXPECT_FALSE(pf::IsGadgetVisible(BAFooter));
  EXPECT_EQ(pf::CountGadgetItems(BAExampleList), 1);
  EXPECT_EQ(pf::GetGadgetItemText(BAExampleList, 0), "Lift Study at Car Plant");
  const int root = BARoot, tile = BANewTile, helpRows = HelpTextCount;
  Open(8);
  Open(9);
  EXPECT_EQ(BARoot, root);
  EXPECT_EQ(BANewTile, tile);
  EXPECT_EQ(HelpTextCount, helpRows);
}

TEST_F(BAFrame, TilesOpenAndCloseTheirPanels) {
  Open(9);
  pf::test::Click(BAPastTile);
  Pump();
  EXPECT_TRUE(pf::IsGadgetVisible(BAPastContainer));
  EXPECT_FALSE(pf::IsGadgetVisible(BAInfoContainer));
  EXPECT_EQ(pf::GetGadgetColour(BAPastTile, BackColourType), BlueColour);
  pf::test::Click(BAExampleTile);
  Pump();
  EXPECT_FALSE(pf::IsGadgetVisible(BAPastContainer));
  EXPECT_TRUE(pf::IsGadgetVisible(BAExampleContainer));
  EXPECT_EQ(pf::GetGadgetColour(BAPastTile, BackColourType), BlueGreyColour);
  pf::test::Click(BAExampleCloseText);
  Pump();
  EXPECT_FALSE(pf::IsGadgetVisible(BAExampleContainer));
  EXPECT_TRUE(pf::IsGadgetVisible(BANeedLink));
  EXPECT_EQ(pf::GetGadgetColour(BAExampleTile, BackColourType), BlueGreyColour);
  pf::test::Click(BANewTile);
  Pump();
  EXPECT_EQ(ShownStep(), 1);
  EXPECT_TRUE(pf::IsGadgetVisible(BAFooter));
}

TEST_F(BAFrame, FooterWalksTheEightStepsAndBack) {
  Open(8);
  for (int step = 1; step <= 8; ++step) {
    EXPECT_EQ(ShownStep(), step);
    EXPECT_EQ(pf::GetGadgetText(BAStepText), "Step " + std::to_string(step) + " of  8");
    EXPECT_EQ(pf::IsGadgetVisible(BANextButton), step < 8) << step;
    EXPECT_EQ(pf::IsGadgetVisible(BASaveAnotherButton), step == 8) << step;
    EXPECT_EQ(pf::IsGadgetVisible(BAPrintReportButton), step == 8) << step;
    if (step < 8) {
      pf::test::Click(BANextButton);
      Pump();
    }
  }
  pf::test::Click(BAPreviousButton);
  Pump();
  EXPECT_EQ(ShownStep(), 7);
  // Enter on the focused next-step button moves on as a click does.
  pf::SetActiveGadget(BANextButton);
  pf::test::PressEnter();
  Pump();
  EXPECT_EQ(ShownStep(), 8);
}

TEST_F(BAFrame, FrameCellsAndStepThreeStartInTheDatabaseApproach) {
  Open(8);
  const int uid = BAGadget(0, 0, 0, 0);
  EXPECT_EQ(pf::GadgetKind(uid), pf::Kind::Text);
  EXPECT_EQ(pf::GadgetWidth(uid), 0);
  const int percent = BAGadget(4, 2, 1, 2);
  EXPECT_EQ(pf::GadgetKind(percent), pf::Kind::Field);
  EXPECT_EQ(pf::GetGadgetText(percent), "0");
  EXPECT_EQ(pf::GetGadgetColour(percent, BackColourType), NumberFieldColour);
  EXPECT_EQ(pf::GetGadgetText(BADatabaseMark), "X");
  EXPECT_EQ(pf::GetGadgetData(BADatabaseMark), 0);
  EXPECT_EQ(pf::GetGadgetText(BASummaryMark), "");
  EXPECT_EQ(pf::GetGadgetData(BASummaryMark), 1);
  EXPECT_EQ(GetGadgetProperty(BADatabaseMark, "companion"), BADatabaseOption);
  for (int j = 0; j <= 4; ++j) EXPECT_NE(NoticeGadget(1, j), 0) << j;
  EXPECT_EQ(NoticeGadget(1, 4), BADatabaseScrollArea);
  EXPECT_TRUE(pf::IsGadgetHidden(NoticeGadget(1, 1)));
  EXPECT_FALSE(pf::IsGadgetDisabled(NoticeGadget(1, 0)));
  EXPECT_TRUE(pf::IsGadgetHidden(BASummaryPanel));
  EXPECT_FALSE(pf::IsGadgetHidden(BAIndustryPanel0));
  EXPECT_TRUE(pf::IsGadgetHidden(BAIndustryPanel1));
  EXPECT_TRUE(pf::IsGadgetHidden(BASavedBanner));
}

// The productivity percentage is typed into a single-line field, which shows the sunken edge of one: its
// edge is drawn darker than its fill, in all three analyses (their step 5 is one builder).
TEST_F(BAFrame, ThePercentFieldHasAnEdge) {
  struct Module {
    int second;
    const int& percent;
  };
  Open(8);
  for (const Module m :
       {Module{3, BAGadget(4, 2, 1, 2)}, Module{2, CGGadget(4, 2, 1, 2)}, Module{1, PIGadget(4, 2, 1, 2)}}) {
    ShowPage(1, m.second, 4);
    Pump();
    const int shot = pf::test::GrabMainWindow();
    ASSERT_NE(shot, 0);
    const pf::Point origin = pf::ClientToScreen(pf::kMainWindow, {0, 0});
    const pf::Rect r = pf::GadgetScreenRect(m.percent);
    const int x = r.x - origin.x, y = r.y - origin.y + r.h / 2;
    const auto brightness = [](Rgb c) { return pf::Red(c) + pf::Green(c) + pf::Blue(c); };
    EXPECT_LT(brightness(pf::PicturePixel(shot, x, y)),
              brightness(pf::PicturePixel(shot, x + r.w / 2, y)) - 60)
        << m.second;
  }
}

// The help icons that the frame makes itself show their texts, with "~" as line breaks.
TEST_F(BAFrame, FrameHelpIconsShowTheirTexts) {
  Open(8);
  int shown = 0;
  for (int row = 0; row < HelpTextCount; ++row) {
    const int icon = std::stoi(HelpText(row, 0));
    if (icon <= 0) continue;  // rows of a row builder that made no icon
    EXPECT_FALSE(pf::IsGadgetHidden(icon)) << row;
    EXPECT_NE(PopupText(icon), "<no help>");
    ++shown;
  }
  EXPECT_GE(shown, 7);  // approach options, retrieve caption, notice strip, two headers, percent field
  const std::string percent =
      "Increases in productivity are given a positive sign and decreases a negative sign.";
  bool found = false;
  for (int row = 0; row < HelpTextCount; ++row) found |= HelpText(row, 1) == percent;
  EXPECT_TRUE(found);
}

}  // namespace
