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

}  // namespace
