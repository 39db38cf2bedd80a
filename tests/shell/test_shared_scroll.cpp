#include "shell/page_globals.h"
#include "shell/subclassed_controls.h"
#include "test_page.h"

namespace {

// A narrow bar (step 30) that drives an upper area (800 px of content in a 300 px view, so the split lies
// at 500) and a lower area; the same set-up for the summary and for step 3 of the intervention analysis.
class SharedScrollTest : public TestPage {
 protected:
  void Build(bool potentialIntervention) {
    bar = pf::ScrollAreaGadget(AutoNumber, 420, 0, 23, 300, 1, 2000, 30);
    upper = pf::ScrollAreaGadget(AutoNumber, 0, 0, 400, 300, 380, 800, 8);
    lower = pf::ScrollAreaGadget(AutoNumber, 0, 310, 400, 300, 380, 2500, 30);
    mark = pf::TextGadget(AutoNumber, 0, 620, 20, 20, "X");
    pf::OpenGadgetList(upper);
    upperText = pf::TextGadget(AutoNumber, 0, 450, 380, 200, "criteria");
    pf::CloseGadgetList();
    Built();
    if (potentialIntervention) {
      PIStep3ScrollBar = bar, PIStep3UpperArea = upper, PIStep3LowerArea = lower, PIStep3ScrollSplit = 500;
      PIDatabaseMark = mark;
      pf::AddGadgetHandler(bar, PISplitScrollProc);
      for (int area : {upper, lower}) pf::AddGadgetHandler(area, PIScrollForwardProc);
    } else {
      MIScrollArea(1) = bar, MIScrollArea(2) = upper, MIScrollArea(3) = lower, MIScrollSplit = 500;
      pf::AddGadgetHandler(bar, MISplitScrollProc);
      for (int area : {upper, lower}) pf::AddGadgetHandler(area, MIScrollForwardProc);
    }
  }

  void Drag(int position) {
    pf::SendScrollRequest(bar, pf::ScrollKind::ThumbTrack, position);
    Pump();
  }

  void ExpectPositions(int barY, int upperY, int lowerY) {
    EXPECT_EQ(pf::GetScrollY(bar), barY);
    EXPECT_EQ(pf::GetScrollY(upper), upperY);
    EXPECT_EQ(pf::GetScrollY(lower), lowerY);
  }

  int bar = 0, upper = 0, lower = 0, mark = 0, upperText = 0;
};

}  // namespace

TEST_F(SharedScrollTest, TheBarMovesTheUpperAreaUpToTheSplitThenTheLowerArea) {
  for (bool pi : {false, true}) {
    SCOPED_TRACE(pi ? "intervention" : "summary");
    if (pi) pf::OpenGadgetList(PageHolder);
    Build(pi);
    struct Case {
      int drag, upperY, lowerY;
    };
    const Case cases[] = {{200, 200, 0}, {499, 499, 0}, {500, 500, 0}, {700, 500, 200}, {100, 100, 0}};
    for (const Case& c : cases) {
      Drag(c.drag);
      ExpectPositions(c.drag, c.upperY, c.lowerY);
    }
    pf::test::Wheel(bar, -120);
    Pump();
    ExpectPositions(100, 100, 0);
    Drag(0);
  }
}

TEST_F(SharedScrollTest, SummaryApproachScrollsOnlyTheLowerArea) {
  Build(true);
  Drag(200);
  pf::SetGadgetData(mark, 1);
  Drag(600);
  ExpectPositions(600, 200, 600);
}

TEST_F(SharedScrollTest, ContentAreasHandTheirScrollingToTheBar) {
  Build(false);
  Drag(300);
  pf::SendScrollRequest(upper, pf::ScrollKind::ThumbTrack, pf::GetScrollY(upper) + 8);
  Pump();
  ExpectPositions(450, 450, 0);  // five bar lines down
  pf::SendScrollRequest(lower, pf::ScrollKind::ThumbTrack, 0);
  Pump();
  ExpectPositions(300, 300, 0);  // not below the current position: five lines up
  pf::test::Wheel(upper, -120);
  Pump();
  ExpectPositions(450, 450, 0);
  // A wheel turn over the content (the area's own bar moves first) goes the wheel's way, both ways.
  pf::test::Wheel(upperText, -120);
  Pump();
  ExpectPositions(600, 500, 100);
  pf::test::Wheel(upperText, 120);
  Pump();
  ExpectPositions(450, 450, 0);
  // Keys in an area scroll the way they say, by the bar's own amounts.
  pf::SendScrollRequest(lower, pf::ScrollKind::LineDown);
  Pump();
  ExpectPositions(480, 480, 0);
  pf::SendScrollRequest(lower, pf::ScrollKind::Bottom);
  Pump();
  const int end = pf::GetScrollY(bar);
  EXPECT_GT(end, 500);
  ExpectPositions(end, 500, end - 500);
  pf::SendScrollRequest(upper, pf::ScrollKind::Top);
  Pump();
  ExpectPositions(0, 0, 0);
}
