#include <cmath>

#include "incident/incident_globals.h"
#include "platform/test_surface.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"

namespace {

class IncidentStartPage : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    ShowPage(2, 9, -1);
    Pump();
  }
};

TEST_F(IncidentStartPage, TilesDescriptionsAndHiddenRecordPanels) {
  EXPECT_TRUE(pf::IsGadgetVisible(IncidentMenuPage));
  for (int tile : {IncidentNewTile, IncidentPastTile, IncidentExampleTile, MICreateTile, MIReviewTile})
    EXPECT_TRUE(pf::IsGadgetVisible(tile));
  EXPECT_EQ(pf::test::DisplayedText(MICreateTile), "\nCREATE A MULTIPLE\nINCIDENTS SUMMARY");
  EXPECT_TRUE(pf::IsGadgetVisible(IncidentInfoContainer));
  EXPECT_TRUE(pf::IsGadgetVisible(IncidentLearnMoreLink));
  for (int panel : {IncidentPastContainer, IncidentExampleContainer, MIPastContainer})
    EXPECT_TRUE(pf::IsGadgetHidden(panel));
  // Only the create-summary tile is in the hover table; the others take the same look from the shell.
  int registered = 0;
  for (int row = 1; row <= HoverCount; ++row)
    if (HoverTable(row, kHoverControl) == MICreateTile) ++registered;
  EXPECT_EQ(registered, 1);
}

TEST_F(IncidentStartPage, RecordListsAreSizedInRowsOfTheExampleList) {
  ASSERT_EQ(pf::CountGadgetItems(ExampleIncidentList), 6);
  EXPECT_EQ(pf::GetGadgetItemText(ExampleIncidentList, 5), "A worker is accidentally hit by a forklift");
  ASSERT_GT(ListRowHeight, 0);
  const int rows = int(std::lround(17.6 * ListRowHeight + 2));
  EXPECT_EQ(pf::GadgetHeight(IncidentList), rows);
  EXPECT_EQ(pf::GadgetHeight(MISummaryList), rows);
  EXPECT_EQ(pf::CountGadgetItems(IncidentList), 0);
}

// Pixels in black within a rectangle of a picture.
int Ink(int picture, int x, int y, int w, int h) {
  int ink = 0;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) ink += pf::PicturePixel(picture, i, j) == 0x000000;
  return ink;
}

// The first description stands in a box lower than its font's lines: the text keeps its descenders
// ("y" of "your") and still ends above the "Learn more" link.
TEST_F(IncidentStartPage, TheFirstDescriptionIsShownWhole) {
  const pf::Rect panel = pf::GadgetScreenRect(IncidentInfoContainer);
  const int label = pf::GadgetAtPoint({panel.x + 5, panel.y + pf::GadgetY(IncidentLearnMoreLink) / 2});
  ASSERT_EQ(pf::GetGadgetText(label), "Enter a new incident in your database.");
  EXPECT_LE(pf::GadgetY(label) + pf::GadgetHeight(label), pf::GadgetY(IncidentLearnMoreLink));

  // The same text drawn whole in the same font, against what the window shows.
  const int whole = pf::CreatePicture(pf::kAutoNumber, pf::GadgetWidth(label), 100, PageColour);
  ASSERT_TRUE(pf::StartDrawingOnPicture(whole));
  pf::DrawingFont(38);
  pf::DrawingMode(pf::DrawMode::Transparent);
  pf::FrontColour(0x000000);
  pf::DrawText(0, 0, pf::GetGadgetText(label));
  pf::StopDrawing();
  const int shot = pf::test::GrabMainWindow();
  const pf::Rect r = pf::GadgetScreenRect(label);
  const pf::Point origin = pf::ClientToScreen(pf::kMainWindow, {0, 0});
  EXPECT_EQ(Ink(shot, r.x - origin.x, r.y - origin.y, r.w, r.h), Ink(whole, 0, 0, r.w, 100));
}

}  // namespace
