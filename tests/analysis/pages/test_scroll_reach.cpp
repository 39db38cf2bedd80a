// Everything a worksheet holds can be brought into view: on every step of every worksheet, at the work
// areas of common screens, each scroll area moved to its end shows the bottom of its last control, to the
// last pixel. On the way, the analyses' result boxes are checked to stand in the order of their captions.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/pages/module_frame.h"
#include "analysis/pages/pages_globals.h"
#include "platform/gadget_state.h"
#include "platform/test_surface.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"

namespace {

class ScrollReach : public WorkAreaTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
    Pump();
  }

  static int Bottom(const pf::Rect& r) { return r.y + r.h; }

  // The screen y at which what an area shows ends: its view, or its canvas when that is shorter. The
  // canvas's top is found from a control on it.
  static int ViewBottom(int area) {
    const std::vector<int> children = pf::GadgetChildren(area);
    const int bottom = Bottom(pf::GadgetScreenRect(area));
    if (children.empty()) return bottom;
    const int canvasTop = pf::GadgetScreenRect(children.front()).y - pf::GadgetY(children.front());
    const int viewTop = canvasTop + pf::GetScrollY(area);
    return std::min(
        {bottom, viewTop + pf::ScrollAreaViewHeight(area), canvasTop + pf::ScrollAreaInnerHeight(area)});
  }

  // Where the view of an area stops being seen: its own end, or that of a control around it.
  static int SeenBottom(int area) {
    int bottom = ViewBottom(area);
    for (int g = pf::GadgetParent(area); g != 0; g = pf::GadgetParent(g))
      bottom = std::min(bottom, pf::GadgetKind(g) == pf::Kind::ScrollArea ? ViewBottom(g)
                                                                          : Bottom(pf::GadgetScreenRect(g)));
    return bottom;
  }

  // The shown control lowest on an area's canvas, at any depth: a cell may reach below the row that holds
  // it. Areas inside it are looked at on their own, and pictures are left out: the guidance picture of the
  // productivity step ends in blank page colour.
  static void FindLowest(int gadget, int& last, int& lowest) {
    for (int child : pf::GadgetChildren(gadget)) {
      const pf::Kind kind = pf::GadgetKind(child);
      if (!pf::IsGadgetVisible(child) || kind == pf::Kind::ScrollArea || kind == pf::Kind::Picture) continue;
      const int end = Bottom(pf::GadgetScreenRect(child));
      if (pf::GadgetHeight(child) > 0 && end > lowest) last = child, lowest = end;
      FindLowest(child, last, lowest);
    }
  }
  static int LastControl(int area) {
    int last = 0, lowest = 0;
    FindLowest(area, last, lowest);
    return last;
  }

  static std::string Describe(int g) {
    for (int child : pf::GadgetChildren(g))
      if (pf::GadgetKind(child) == pf::Kind::Text && !pf::GetGadgetText(child).empty())
        return "\"" + pf::GetGadgetText(child) + "\"";
    return "control " + std::to_string(g);
  }

  static void ShownScrollAreas(int gadget, std::vector<int>& found) {
    for (int child : pf::GadgetChildren(gadget)) {
      if (!pf::IsGadgetVisible(child)) continue;
      if (pf::GadgetKind(child) == pf::Kind::ScrollArea) found.push_back(child);
      ShownScrollAreas(child, found);
    }
  }

  // Moves each shown area to its end the way its bar's end does, then looks at its last control.
  void ExpectEveryEndInView(const std::string& where) {
    Pump();
    std::vector<int> areas;
    ShownScrollAreas(ShownRoot, areas);
    for (int area : areas) {
      const int last = LastControl(area);
      if (last == 0) continue;  // a bar that moves other areas
      pf::SendScrollRequest(area, pf::ScrollKind::Bottom);
      Pump();
      ++checked;
      // Nothing is wider than its view: a sideways bar would only take room from the rows.
      EXPECT_LE(pf::ScrollAreaInnerWidth(area), pf::ScrollAreaViewWidth(area))
          << where << ": " << Describe(last) << "'s area scrolls sideways";
      const int shortBy = Bottom(pf::GadgetScreenRect(last)) - SeenBottom(area);
      EXPECT_LE(shortBy, 0) << where << ": " << Describe(last) << " stays " << shortBy << " px out of view";
    }
  }

  // The first text under a control whose text begins with `start` and ends with `end`.
  static int FindText(int g, const std::string& start, const std::string& end) {
    for (int child : pf::GadgetChildren(g)) {
      const std::string t = pf::GetGadgetText(child);
      if (pf::GadgetKind(child) == pf::Kind::Text && t.starts_with(start) && t.ends_with(end)) return child;
      if (const int found = FindText(child, start, end)) return found;
    }
    return 0;
  }

  // Step 8's result rows show benefits less 10 %, the calculated value and benefits plus 10 % from left to
  // right, each box under its caption.
  static void ExpectResultBoxesInOrder(const GadgetArray& x, int page, const std::string& where) {
    const int captions[3] = {FindText(page, "Calculated", "less 10%"), FindText(page, "Calculated", "value"),
                             FindText(page, "Calculated", "plus 10%")};
    const auto left = [](int g) { return pf::GadgetScreenRect(g).x; };
    for (int c : captions) ASSERT_NE(c, 0) << where;
    EXPECT_LT(left(captions[0]), left(captions[1])) << where;
    EXPECT_LT(left(captions[1]), left(captions[2])) << where;
    for (int row : {18, 19, 20}) {
      EXPECT_EQ(left(x(1, row, 1, 2)), left(captions[0])) << where << ", row " << row;
      EXPECT_EQ(left(x(1, row, 2, 1)), left(captions[1])) << where << ", row " << row;
      EXPECT_EQ(left(x(1, row, 2, 2)), left(captions[2])) << where << ", row " << row;
    }
  }

  int checked = 0;

  void Visit(int top, int second, int third, const std::string& where) {
    ShowPage(top, second, third);
    ExpectEveryEndInView(where);
  }
};

TEST_P(ScrollReach, EveryStepOfEveryWorksheetScrollsToItsLastControl) {
  for (int step = 1; step <= 8; ++step) Visit(2, 9 - step, -1, "incident step " + std::to_string(step));
  Visit(2, 10, -1, "incident summary");
  struct Module {
    int second;
    const char* name;
    const int &summaryMark, &databaseMark;
    const GadgetArray& gadget;
    const BoundedArray<int, 11>& pages;
  };
  const Module modules[] = {{3, "before & after", BASummaryMark, BADatabaseMark, BAGadget, BAPage},
                            {2, "concurrent groups", CGSummaryMark, CGDatabaseMark, CGGadget, CGPage},
                            {1, "potential", PISummaryMark, PIDatabaseMark, PIGadget, PIPage}};
  for (const Module& m : modules)
    for (int step = 1; step <= 8; ++step) {
      const std::string where = std::string(m.name) + " step " + std::to_string(step);
      Visit(1, m.second, 9 - step, where);
      if (step == 8) ExpectResultBoxesInOrder(m.gadget, m.pages(1), where);
      if (step != 3) continue;
      pf::test::Click(m.summaryMark);
      ExpectEveryEndInView(where + ", summary approach");
      pf::test::Click(m.databaseMark);
      Pump();
    }
  EXPECT_GE(checked, 30);  // the walk met the worksheets' scroll areas
}

INSTANTIATE_TEST_SUITE_P(WorkAreas, ScrollReach,
                         ::testing::Values(WorkArea{1024, 708}, WorkArea{1280, 770}, WorkArea{1920, 1050}),
                         WorkAreaName);

}  // namespace
