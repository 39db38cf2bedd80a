// The incident calculator's start page driven by real clicks: the create tiles start a new record on its
// worksheet, the review tiles open one record panel at a time, and each panel's "X" closes it again.
#include <cstdint>

#include "shell/services.h"
#include "store/worksheet_fixture.h"

namespace {

class StartPageTiles : public WorksheetTest {
 protected:
  void SetUp() override {
    WorksheetTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    OpenIncident();  // builds the calculator with its start page and the summary
    ShowStartPage();
  }
  void ShowStartPage() {
    ShowPage(2, 9, -1);
    Pump();
  }
  static std::int64_t Back(int gadget) { return pf::GetGadgetColour(gadget, BackColourType); }
  static bool DescriptionsShown() {
    return !pf::IsGadgetHidden(IncidentInfoContainer) && !pf::IsGadgetHidden(IncidentLearnMoreLink);
  }
};

struct Panel {
  int* tile;
  int* container;
  int* list;
  int* closeText;
};
const Panel kPanels[] = {
    {&IncidentPastTile, &IncidentPastContainer, &IncidentList, &IncidentPastCloseText},
    {&IncidentExampleTile, &IncidentExampleContainer, &ExampleIncidentList, &IncidentExampleCloseText},
    {&MIReviewTile, &MIPastContainer, &MISummaryList, &MIPastCloseText},
};

// Only the open panel shows, its tile alone has the selected look, and its list has the focus.
void ExpectOnlyOpen(int open) {
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pf::IsGadgetHidden(*kPanels[i].container), i != open);
    EXPECT_EQ(pf::GetGadgetColour(*kPanels[i].tile, BackColourType),
              std::int64_t(i == open ? BlueColour : BlueGreyColour));
  }
  if (open >= 0) {
    EXPECT_TRUE(pf::test::HasFocus(*kPanels[open].list));
  }
}

TEST_F(StartPageTiles, ReviewTilesOpenOnePanelAtATimeAndTheXClosesIt) {
  // The focus reaching a tile is no click.
  for (int tile : {IncidentNewTile, IncidentPastTile, IncidentExampleTile, MICreateTile, MIReviewTile})
    DispatchGadgetEvent(tile, pf::GadgetEvent::Focus);
  EXPECT_EQ(CurrentSecondTab, 9);
  ExpectOnlyOpen(-1);
  EXPECT_TRUE(DescriptionsShown());

  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    Click(*kPanels[i].tile);
    ExpectOnlyOpen(i);
    EXPECT_TRUE(pf::IsGadgetHidden(IncidentInfoContainer));
    EXPECT_TRUE(pf::IsGadgetHidden(IncidentLearnMoreLink));
  }
  // A selected tile clicked again keeps its panel open.
  Click(MIReviewTile);
  ExpectOnlyOpen(2);

  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    Click(*kPanels[i].tile);
    Click(*kPanels[i].closeText);
    ExpectOnlyOpen(-1);
    EXPECT_TRUE(DescriptionsShown());
    EXPECT_EQ(CurrentSecondTab, 9);
  }
}

struct CreateCase {
  const char* name;
  int* tile;
  int kind;
  int secondTab;
  int* reviewTile;  // a panel open before the click
};
const CreateCase kCreate[] = {
    {"Incident", &IncidentNewTile, KindIncident, 8, &IncidentPastTile},
    {"Summary", &MICreateTile, KindMISummary, 10, &MIReviewTile},
};

// A create tile first asks about the kind's unsaved changes: cancelled, the record stays as it was; answered
// "No", a blank record shows on its page and the start page is back to its descriptions.
TEST_F(StartPageTiles, CreateTilesAskThenStartABlankRecord) {
  for (const CreateCase& c : kCreate) {
    SCOPED_TRACE(c.name);
    const RecordKind& k = RecordKindOf(c.kind);
    const int number = k.control(k.numberCell);
    ShowStartPage();
    Click(*c.reviewTile);
    pf::SetGadgetText(number, "edited");
    pf::test::DrainEvents();
    ModifiedFlags(c.kind) = 1;
    pf::test::TakeMessageLog();

    pf::test::ScriptMessageAnswers({pf::Answer::Cancel});
    Click(*c.tile);
    EXPECT_EQ(pf::test::TakeMessageLog().size(), 1u);
    EXPECT_EQ(CurrentSecondTab, c.secondTab);
    EXPECT_EQ(pf::GetGadgetText(number), "edited");
    EXPECT_EQ(ModifiedFlags(c.kind), 1);

    ShowStartPage();
    Click(*c.reviewTile);
    pf::test::ScriptMessageAnswers({pf::Answer::No});
    Click(*c.tile);
    EXPECT_EQ(pf::test::TakeMessageLog().size(), 1u);
    EXPECT_EQ(CurrentTopTab, 2);
    EXPECT_EQ(CurrentSecondTab, c.secondTab);
    EXPECT_EQ(pf::GetGadgetText(number), k.newPlaceholder);
    EXPECT_EQ(ModifiedFlags(c.kind), 0);
    ExpectOnlyOpen(-1);
    EXPECT_TRUE(DescriptionsShown());
  }
}

}  // namespace
