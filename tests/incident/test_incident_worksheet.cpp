// The incident worksheet in the running program: its pages, its rows and the figures it shows as the user
// fills it in.
#include <string>

#include "colouring/text_contrast.h"
#include "incident/incident_cost_model.h"
#include "incident/incident_globals.h"
#include "incident/incident_rows.h"
#include "platform/gadget_state.h"
#include "platform/test_surface.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/services.h"

namespace {

class IncidentWorksheet : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    ShowStep(2);
  }

  void ShowStep(int step) {
    ShowPage(2, 9 - step, -1);
    Pump();
  }

  // Types into a field as the user does and leaves it with Tab. A step opens with the focus on its first
  // field and that field's text selected, so the user types over it without clicking it first.
  void Enter(int s, int r, int c, const std::string& text) {
    if (!pf::test::HasFocus(IncidentGadget(s, r, c))) {
      pf::test::Click(IncidentGadget(s, r, c));
      Pump();
    }
    pf::test::TypeText(text);
    pf::test::PressTab();
    Pump();
  }

  static std::string Shown(int s, int r, int c) { return pf::test::DisplayedText(IncidentGadget(s, r, c)); }
};

TEST_F(IncidentWorksheet, EveryCellOfTheRowTablesIsBuiltAndNoOther) {
  IncidentSheet layout;
  AddIncidentLayout(layout);
  for (int s = 0; s <= 10; ++s)
    for (int r = 0; r <= 30; ++r)
      for (int c = 1; c <= 10; ++c) {
        SCOPED_TRACE("cell (" + std::to_string(s) + ", " + std::to_string(r) + ", " + std::to_string(c) +
                     ")");
        EXPECT_EQ(IncidentGadget(s, r, c) != 0, layout.Has(s, r, c));
      }
  // Inputs are numeric fields, computed figures static texts.
  EXPECT_EQ(pf::GadgetKind(IncidentGadget(1, 2, 2)), pf::Kind::Field);
  EXPECT_EQ(pf::GetGadgetColour(IncidentGadget(1, 2, 3), BackColourType), NumberFieldColour);
  EXPECT_EQ(pf::GadgetKind(IncidentGadget(1, 2, 4)), pf::Kind::Text);
  EXPECT_EQ(pf::GadgetKind(IncidentGadget(0, 6, 2)), pf::Kind::Editor);
  EXPECT_EQ(pf::GadgetKind(IncidentGadget(0, 4, 2)), pf::Kind::Date);
  EXPECT_EQ(pf::GetGadgetColour(IncidentGadget(5, 30, 3), BackColourType) == NumberFieldColour, false);
}

TEST_F(IncidentWorksheet, RowsShowTheirLabelsInTableOrder) {
  // Step 1 shows "Body part affected" (row 10) above "Incident cause" (row 9) and the description below.
  const int body = IncidentGadget(0, 10, 1), cause = IncidentGadget(0, 9, 1), text = IncidentGadget(0, 6, 1);
  EXPECT_LT(pf::GadgetScreenRect(body).y, pf::GadgetScreenRect(cause).y);
  EXPECT_LT(pf::GadgetScreenRect(cause).y, pf::GadgetScreenRect(text).y);
  EXPECT_EQ(Shown(4, 1, 1), "STEP 5: OVERTIME & WORKER REPLACEMENT COSTS");
  EXPECT_EQ(Shown(7, 5, 1), "Overtime & worker replacement costs");
  EXPECT_EQ(Shown(1, 1, 2), "TIME");
  EXPECT_EQ(Shown(7, 13, 2), "-1%");  // the range rows are written by the first recalculation
  EXPECT_EQ(Shown(7, 15, 3), "0 Days");
  EXPECT_TRUE(pf::IsGadgetHidden(IncidentGadget(0, 2, 3)));
}

TEST_F(IncidentWorksheet, HelpIconsFollowTheRowsFinalColour) {
  // The picture of the registered help icon in the row panel that holds the label; 0 when none is.
  const auto iconOf = [](int label) {
    const int panel = pf::GadgetParent(label);
    for (int row = 0; row < HelpTextCount; ++row) {
      const int icon = std::stoi(HelpText(row, 0));
      if (pf::GadgetParent(icon) == panel) return pf::GetGadgetPicture(icon);
    }
    return 0;
  };
  EXPECT_EQ(iconOf(IncidentGadget(7, 7, 1)), HelpIconMidBlueImage);  // kind 12, passed slate blue
  EXPECT_EQ(iconOf(IncidentGadget(7, 11, 1)), HelpIconSlateImage);   // kind 62, passed blue
  EXPECT_EQ(iconOf(IncidentGadget(7, 13, 1)), HelpIconCalculatedImage);
  EXPECT_EQ(iconOf(IncidentGadget(2, 1, 1)), HelpIconHeadingImage);  // a title passed the row colour
  EXPECT_EQ(iconOf(IncidentGadget(1, 6, 1)), 0);                     // "Workers" has no help
}

TEST_F(IncidentWorksheet, FiguresFollowTheFieldsAsTheyAreLeft) {
  Enter(1, 2, 2, "3");
  Enter(1, 2, 3, "15.40");
  EXPECT_EQ(Shown(1, 2, 4), "46.20");
  Enter(1, 8, 4, "1250.50");
  EXPECT_EQ(Shown(1, 8, 4), "1250.50");  // a typed figure stays as typed, as the guide tells the user
  EXPECT_EQ(Shown(1, 12, 4), "1,296.70");
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(Shown(k, 13, 4), "1,296.70");
  ShowStep(7);
  Enter(6, 2, 4, "5");
  Enter(6, 3, 4, "500");
  ShowStep(8);
  EXPECT_EQ(Shown(7, 2, 4), "1,296.70");
  EXPECT_EQ(Shown(7, 11, 4), "1,296.70");
  EXPECT_EQ(Shown(7, 13, 3), "5%");
  EXPECT_EQ(Shown(7, 14, 3), "$25,934");
  EXPECT_EQ(Shown(7, 15, 3), "51.87 Days");
  EXPECT_EQ(ModifiedFlags(KindIncident), 1);
}

TEST_F(IncidentWorksheet, LettersAndSecondPointsAreRefusedInNumberFields) {
  Enter(1, 2, 2, "1a.5.5");
  EXPECT_EQ(Shown(1, 2, 2), "1.55");
  pf::test::Click(IncidentGadget(1, 2, 3));
  Pump();
  pf::test::Paste("12abc");
  pf::test::PressTab();
  Pump();
  EXPECT_EQ(Shown(1, 2, 3), "0");
  EXPECT_EQ(Shown(1, 2, 4), "0.00");
}

TEST_F(IncidentWorksheet, AFigureCopiedFromAResultPastesAndFiguresStayWithinTwelveDigits) {
  Enter(1, 2, 3, "15.40");
  Enter(1, 8, 4, "1250.50");
  const std::string subTotal = Shown(1, 12, 4);
  ASSERT_EQ(subTotal, "1,250.50");
  pf::test::Click(IncidentGadget(1, 2, 2));
  Pump();
  pf::test::Paste(" " + subTotal + " ");
  pf::test::PressTab();
  Pump();
  EXPECT_EQ(Shown(1, 2, 2), "1250.50");
  EXPECT_EQ(Shown(1, 2, 4), "19,257.70");

  // Typed and pasted alike, a figure has at most twelve digits before its point.
  Enter(1, 8, 4, "1234567890123.456");
  EXPECT_EQ(Shown(1, 8, 4), "123456789012.45");
  const int beeps = pf::test::BeepCount();
  pf::test::Click(IncidentGadget(1, 8, 4));
  Pump();
  pf::test::Paste(std::string(400, '9'));
  pf::test::PressTab();
  Pump();
  EXPECT_EQ(Shown(1, 8, 4), "123456789012.45");
  EXPECT_EQ(pf::test::BeepCount(), beeps + 1);
  EXPECT_EQ(Shown(1, 12, 4), "123,456,808,270.15");
}

TEST_F(IncidentWorksheet, ATextPasteThatDoesNotFitIsRefusedWhole) {
  ShowStep(1);
  const int field = IncidentGadget(0, 3, 2);  // "Alternate incident reference number"
  Enter(0, 3, 2, "ALT-7");
  const int beeps = pf::test::BeepCount();
  pf::test::Click(field);
  Pump();
  pf::test::Paste(std::string(40000, 'x'));
  Pump();
  EXPECT_EQ(pf::GetGadgetText(field), "ALT-7");
  EXPECT_EQ(pf::test::BeepCount(), beeps + 1);
}

TEST_F(IncidentWorksheet, TitleDateAndDescribeFields) {
  ShowStep(1);
  EXPECT_EQ(pf::GetGadgetText(RecordTitleText), "Incident : July 5, 2010");
  EXPECT_EQ(pf::GetDateDisplayText(IncidentGadget(0, 4, 2)), "Monday, July 5, 2010");
  pf::test::ChangeDate(IncidentGadget(0, 4, 2), {2011, 3, 7});
  Pump();
  RecalcIncident();  // as the next field left does
  EXPECT_EQ(pf::GetGadgetText(RecordTitleText), "Incident : March 7, 2011");
  EXPECT_EQ(pf::GetDateDisplayText(IncidentGadget(0, 4, 2)), "Monday, March 7, 2011");

  // "other" shows the type's own description field; another choice hides it and keeps its text. The
  // dispatch recalculates on every choice in these combos.
  const int type = IncidentGadget(0, 5, 2), describe = IncidentGadget(0, 5, 4);
  EXPECT_TRUE(pf::IsGadgetHidden(describe));
  pf::test::ChooseComboItem(type, pf::CountGadgetItems(type) - 1);
  Pump();
  RecalcIncident();
  EXPECT_FALSE(pf::IsGadgetHidden(describe));
  EXPECT_FALSE(pf::IsGadgetHidden(IncidentGadget(0, 5, 3)));
  pf::SetGadgetText(describe, "fell from a ladder");
  pf::test::ChooseComboItem(type, 0);
  Pump();
  RecalcIncident();
  EXPECT_TRUE(pf::IsGadgetHidden(describe));
  EXPECT_EQ(pf::GetGadgetText(describe), "fell from a ladder");

  pf::SetGadgetText(IncidentGadget(0, 0, 0), "\n");
  ExampleIncidentTitle = "A worker is accidentally hit by a forklift";
  RecalcIncident();
  EXPECT_EQ(pf::GetGadgetText(RecordTitleText),
            "Example Incident: A worker is accidentally hit by a forklift");
}

TEST_F(IncidentWorksheet, EachDescriptionListShowsItsDescribeFieldForItsOtherItem) {
  ShowStep(1);
  struct Case {
    int row;
    const char* other;
  };
  const Case cases[] = {
      {5, "other"}, {8, "other injury/illness"}, {9, "other"}, {10, "other"}, {13, "other/multiple"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.other);
    const int list = IncidentGadget(0, c.row, 2), caption = IncidentGadget(0, c.row, 3),
              describe = IncidentGadget(0, c.row, 4);
    int other = -1;
    for (int i = 0; i < pf::CountGadgetItems(list); ++i)
      if (pf::GetGadgetItemText(list, i) == c.other) other = i;
    ASSERT_GE(other, 0);
    // The row in view, as the user scrolls to it.
    int area = pf::GadgetParent(list);
    while (pf::GadgetKind(area) != pf::Kind::ScrollArea) area = pf::GadgetParent(area);
    if (pf::GadgetScreenRect(list).Bottom() > pf::GadgetScreenRect(area).Bottom())
      pf::SetScrollY(area, pf::GetScrollY(area) + pf::GadgetScreenRect(list).Bottom() -
                               pf::GadgetScreenRect(area).Bottom() + 20);
    EXPECT_TRUE(pf::IsGadgetHidden(describe));
    pf::test::ClickComboItem(list, other);
    Pump();
    EXPECT_EQ(pf::GetGadgetText(list), c.other);
    EXPECT_FALSE(pf::IsGadgetHidden(caption));
    EXPECT_FALSE(pf::IsGadgetHidden(describe));
    EXPECT_EQ(pf::test::DisplayedText(caption), "Describe:");
    pf::test::Click(describe);
    Pump();
    pf::test::TypeText("two hands");
    Pump();
    pf::test::ClickComboItem(list, 0);
    Pump();
    EXPECT_TRUE(pf::IsGadgetHidden(caption));
    EXPECT_TRUE(pf::IsGadgetHidden(describe));
    EXPECT_EQ(pf::GetGadgetText(describe), "two hands") << "a hidden description keeps its text";
  }
}

TEST_F(IncidentWorksheet, TheFocusedFieldIsScrolledIntoView) {
  ShowStep(6);
  const int field = IncidentGadget(5, 28, 3);  // far down the step 6 scroll area
  int area = pf::GadgetParent(field);
  while (pf::GadgetKind(area) != pf::Kind::ScrollArea) area = pf::GadgetParent(area);
  pf::SetScrollY(area, 0);
  pf::SetActiveGadget(field);
  RecalcIncident();
  EXPECT_LE(pf::GadgetScreenRect(field).Bottom(), pf::GadgetScreenRect(area).Bottom());
  EXPECT_GT(pf::GetScrollY(area), 0);
}

// Step 8's Total stands on a dark blue box: its figure and "$" read there at 4.5 : 1 or better.
TEST_F(IncidentWorksheet, TheTotalReadsOnItsDarkBox) {
  Enter(1, 8, 4, "1250.50");
  ShowStep(8);
  ASSERT_EQ(Shown(7, 11, 4), "1,250.50");
  const auto colour = [](int g, int which) { return pf::Rgb(pf::GetGadgetColour(g, which)); };
  const int box = pf::GadgetParent(IncidentGadget(7, 11, 4));
  ASSERT_EQ(pf::GadgetChildren(box).size(), 2u);  // the figure and its "$"
  for (int lettering : pf::GadgetChildren(box))
    EXPECT_GE(ContrastRatio(colour(lettering, FrontColourType), colour(lettering, BackColourType)), 4.5)
        << "\"" << pf::test::DisplayedText(lettering) << "\"";
}

TEST_F(IncidentWorksheet, FooterShowsFinishedOnTheLastStep) {
  ShowStep(8);
  EXPECT_FALSE(pf::IsGadgetVisible(IncidentNextButton));
  EXPECT_TRUE(pf::IsGadgetVisible(IncidentSaveAnotherButton));
  EXPECT_EQ(pf::GetToolTip(IncidentSaveAsNewButton), "SAVE AS NEW");
  EXPECT_EQ(pf::test::DisplayedText(IncidentStepText), "Step 8 of  8");
  const int root = IncidentRoot;
  ShowStep(3);
  EXPECT_EQ(IncidentRoot, root);
  EXPECT_TRUE(pf::IsGadgetVisible(IncidentNextButton));
}

}  // namespace
