#include <string>
#include <vector>

#include "incident/incident_globals.h"
#include "program_fixture.h"
#include "shell/date_fields.h"
#include "shell/dispatch.h"
#include "shell/page_globals.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

// The running program with its tabbed area in front and the controls of the rows made by the test.
class NavigationTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    Pump();
  }

  static int Tile() {
    pf::OpenGadgetList(PageHolder);
    const int t = pf::TextGadget(AutoNumber, 0, 0, 50, 20, "tile", pf::flags::kClickable);
    pf::CloseGadgetList();
    return t;
  }
  void Click(int gadget) {
    DispatchGadgetEvent(gadget, pf::GadgetEvent::LeftClick);
    Pump();
  }
};

}  // namespace

TEST_F(NavigationTest, ChoiceAndAboutTilesOpenTheirPages) {
  struct Case {
    int* control;
    int top, second;
  };
  for (int i = 1; i <= 3; ++i) {
    AnalysisChoiceTile(i) = Tile();
    AboutTile(i) = Tile();
  }
  const Case cases[] = {
      {&AnalysisChoiceTile(1), 1, 3}, {&AnalysisChoiceTile(2), 1, 2}, {&AnalysisChoiceTile(3), 1, 1},
      {&AboutTile(1), 3, 3},          {&AboutTile(2), 3, 2},          {&AboutTile(3), 3, 1},
  };
  for (const auto& c : cases) {
    Click(*c.control);
    EXPECT_EQ(CurrentTopTab, c.top) << *c.control;
    EXPECT_EQ(CurrentSecondTab, c.second) << *c.control;
  }
}

TEST_F(NavigationTest, LinksOpenTheirTopicAndTheReturnButtonGoesBack) {
  // The links of the real introduction and start pages, built as their tabs show them.
  struct Case {
    int* link;
    int startTop;
    double topic;
  };
  const Case cases[] = {{&BAChoiceLink, 1, 4.1},
                        {&CGChoiceLink, 1, 5.1},
                        {&PIChoiceLink, 1, 6.1},
                        {&IncidentLearnMoreLink, 2, 2.1}};
  for (const auto& c : cases) {
    pf::test::Click(TopTabGadget(c.startTop));
    Pump();
    pf::test::Click(SecondTabGadget(c.startTop == 1 ? 4 : 9));  // the introduction or the start page
    Pump();
    const int link = *c.link;
    ASSERT_NE(link, 0);
    Click(link);
    EXPECT_EQ(CurrentTopTab, 3) << link;
    EXPECT_EQ(CurrentSecondTab, 3) << link;
    EXPECT_EQ(UnderstandingTopic, c.topic) << link;
    EXPECT_EQ(ReturnTopTab, c.startTop) << link;
    EXPECT_FALSE(pf::IsGadgetHidden(UnderstandingReturnButton)) << link;
    // Its focus changes do nothing; its click goes back.
    DispatchGadgetEvent(UnderstandingReturnButton, pf::GadgetEvent::Focus);
    EXPECT_EQ(CurrentTopTab, 3);
    Click(UnderstandingReturnButton);
    EXPECT_EQ(CurrentTopTab, c.startTop) << link;
  }
}

TEST_F(NavigationTest, StepOneChoicesRecalculateTheIncidentAndItsDateFollowsTheMonth) {
  pf::test::Click(TopTabGadget(2));
  Pump();
  pf::test::Click(SecondTabGadget(8));
  Pump();
  pf::OpenGadgetList(IncidentPage(0));
  std::vector<int> combos;
  for (int row = 1; row <= 13; ++row) {
    IncidentGadget(0, row, 2) = pf::ComboGadget(AutoNumber, 10, 10 + 25 * row, 200, 20);
    combos.push_back(IncidentGadget(0, row, 2));
  }
  IncidentGadget(0, 4, 2) = pf::DateGadget(AutoNumber, 300, 10, 200, 24, "%mm/%dd/%yyyy");
  pf::CloseGadgetList();
  for (int row = 1; row <= 13; ++row) {
    const int before = IncidentRecalcCount;
    DispatchGadgetEvent(IncidentGadget(0, row, 2), pf::GadgetEvent::SelectionChange);
    const bool recalculates = row == 5 || row == 8 || row == 9 || row == 10 || row == 13;
    EXPECT_EQ(IncidentRecalcCount - before, recalculates ? 1 : 0) << "row " << row;
  }
  const int date = IncidentGadget(0, 4, 2);
  pf::test::ChangeDate(date, {2010, 3, 14});
  Pump();
  EXPECT_EQ(pf::GetDateMask(date), "March %dd, %yyyy");
  EXPECT_EQ(pf::GetDateDisplayText(date), "March 14, 2010");
}
