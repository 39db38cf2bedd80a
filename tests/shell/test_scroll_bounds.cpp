// Every scroll area of the worksheets stays inside the window and clear of what stands around it, at the
// work areas of common screens and of the sizes between them: its bar stands whole inside the window with
// no control under it, its view ends above the footer, and the wheel turns a step no further than its
// last row, which then shows at the foot of the view. Walked over every step of the three example analyses
// (step 3 in both approaches), an example incident and the incident summary.
#include <algorithm>
#include <string>
#include <vector>

#include "analysis/pages/pages_globals.h"
#include "incident/incident_globals.h"
#include "platform/gadget_state.h"
#include "platform/test_surface.h"
#include "shell/example_walk.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"

namespace {

// What may stay blank below the last row when a step is turned to its end.
constexpr int kBlankRunAllowed = 12;

bool Overlap(const pf::Rect& a, const pf::Rect& b) {
  return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}
bool Inside(const pf::Rect& inner, const pf::Rect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
}
pf::Rect Intersect(const pf::Rect& a, const pf::Rect& b) {
  const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
  const int right = std::min(a.Right(), b.Right()), bottom = std::min(a.Bottom(), b.Bottom());
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}
std::string Text(const pf::Rect& r) {
  return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.w) + " x " +
         std::to_string(r.h) + ")";
}

bool IsWithin(int g, int ancestor) {
  for (int p = g; p != 0; p = pf::GadgetParent(p))
    if (p == ancestor) return true;
  return false;
}

class ScrollBounds : public ExampleWalkTest {
 protected:
  // The main window's client area on the screen.
  static pf::Rect Client() {
    const pf::Rect outer = pf::GadgetScreenRect(OuterScrollArea);
    return {outer.x, outer.y, pf::WindowClientWidth(pf::kMainWindow),
            pf::WindowClientHeight(pf::kMainWindow)};
  }

  // What the control's containers let be seen of it.
  static pf::Rect Seen(int g) {
    pf::Rect seen = pf::GadgetScreenRect(g);
    for (int p = pf::GadgetParent(g); p != 0; p = pf::GadgetParent(p))
      seen = Intersect(seen, pf::GadgetKind(p) == pf::Kind::ScrollArea ? pf::test::ScrollViewRect(p)
                                                                       : pf::GadgetScreenRect(p));
    return Intersect(seen, Client());
  }
  static pf::Rect SeenView(int area) { return Intersect(pf::test::ScrollViewRect(area), Seen(area)); }

  // The areas whose own bars are hidden on purpose: one bar beside them moves them.
  static bool DrivenByAnotherBar(int area) {
    return area == PIStep3UpperArea || area == PIStep3LowerArea || area == MIScrollArea(2) ||
           area == MIScrollArea(3);
  }
  // The bars that move other areas; they hold no rows of their own.
  static bool SharedBar(int area) { return area == PIStep3ScrollBar || area == MIScrollArea(1); }

  static std::string Name(int g) {
    std::string text = pf::GetGadgetText(g);
    if (text.size() > 40) text = text.substr(0, 40) + "...";
    return "control " + std::to_string(g) + " \"" + text + "\"";
  }

  // Controls that are seen on their own: not the panels and areas that hold them, nor empty zero-size
  // placeholders.
  static bool Leaf(int g) {
    const pf::Kind kind = pf::GadgetKind(g);
    return kind != pf::Kind::Container && kind != pf::Kind::ScrollArea && pf::GadgetWidth(g) > 0 &&
           pf::GadgetHeight(g) > 0;
  }

  // The footer of the worksheet on screen.
  static int ShownFooter() {
    for (int footer : {BAFooter, CGFooter, PIFooter, IncidentFooter})
      if (footer && pf::IsGadgetVisible(footer)) return footer;
    for (int child : pf::GadgetChildren(MISummaryPage))  // the summary's footer is its last panel
      if (pf::GadgetKind(child) == pf::Kind::Container && pf::IsGadgetVisible(child) &&
          pf::GadgetChildren(child).size() > 3)
        return child;
    return 0;
  }

  // The bar of each area stands whole in the window, or (where another bar moves the area) wholly out of
  // sight; nothing lies under a bar; the view stays clear of the footer and of every control outside it.
  void CheckBarsAndViews(const std::string& where, const std::vector<int>& shown) {
    const pf::Rect client = Client();
    const int footer = ShownFooter();
    for (int area : shown) {
      if (pf::GadgetKind(area) != pf::Kind::ScrollArea) continue;
      ++areas;
      const pf::Rect bar = pf::test::VerticalBarRect(area);
      const std::string at = where + ", " + Name(area) + " at " + Text(pf::GadgetScreenRect(area));
      if (bar.w > 0 && DrivenByAnotherBar(area)) {
        EXPECT_EQ(Intersect(bar, Seen(area)).w * Intersect(bar, Seen(area)).h, 0)
            << at << ": the bar of an area that another bar moves shows at " << Text(bar);
      } else if (bar.w > 0) {
        EXPECT_TRUE(Inside(bar, client)) << at << ": its bar " << Text(bar) << " leaves the window";
        EXPECT_TRUE(Inside(bar, Seen(area)))
            << at << ": its bar " << Text(bar) << " is cut to " << Text(Intersect(bar, Seen(area)));
        for (int g : shown) {
          if (g == area || !Leaf(g)) continue;
          EXPECT_FALSE(Overlap(Seen(g), bar))
              << at << ": " << Name(g) << " at " << Text(Seen(g)) << " lies under its bar " << Text(bar);
        }
        ++bars;
      }
      if (SharedBar(area)) continue;
      // The view ends where its containers end: none of it is kept from sight under a footer or past the
      // window (on the left the frame hides the page's first pixels, borders only). The split steps show
      // only part of their areas' views, by design.
      const pf::Rect view = DrivenByAnotherBar(area) ? SeenView(area) : pf::test::ScrollViewRect(area);
      const pf::Rect seen = Seen(area);
      if (!DrivenByAnotherBar(area)) {
        EXPECT_TRUE(view.y >= seen.y && view.Right() <= seen.Right() && view.Bottom() <= seen.Bottom())
            << at << ": its view " << Text(view) << " is cut to " << Text(Intersect(view, seen));
      }
      if (footer) {
        EXPECT_FALSE(Overlap(view, pf::GadgetScreenRect(footer)))
            << at << ": its view " << Text(view) << " runs under the footer "
            << Text(pf::GadgetScreenRect(footer));
      }
      for (int g : shown) {
        if (!Leaf(g) || IsWithin(g, area) || IsWithin(area, g) || pf::GadgetKind(g) == pf::Kind::Picture)
          continue;
        if (DrivenByAnotherBar(area) && (IsWithin(g, PIStep3ScrollBar) || IsWithin(g, MIScrollArea(1))))
          continue;
        EXPECT_FALSE(Overlap(view, Seen(g)))
            << at << ": its view " << Text(view) << " runs under " << Name(g) << " at " << Text(Seen(g));
      }
    }
  }

  // The shown control lowest on an area's canvas, at any depth, areas inside it and pictures (which end
  // in blank page colour) left out.
  static void FindLowest(int gadget, int& last, int& lowest) {
    for (int child : pf::GadgetChildren(gadget)) {
      if (!pf::IsGadgetVisible(child)) continue;
      const pf::Kind kind = pf::GadgetKind(child);
      if (kind == pf::Kind::ScrollArea || kind == pf::Kind::Picture) continue;
      const int end = pf::GadgetScreenRect(child).Bottom();
      if (pf::GadgetHeight(child) > 0 && end > lowest) last = child, lowest = end;
      FindLowest(child, last, lowest);
    }
  }

  // Whether the wheel passes a control by to the area under it (a list or a combo box takes the turn).
  static bool PassesWheel(int g) {
    const pf::Kind kind = pf::GadgetKind(g);
    return kind == pf::Kind::Text || kind == pf::Kind::Container || kind == pf::Kind::Picture ||
           kind == pf::Kind::ScrollArea;
  }

  // A point of the area's view over its rows, not over a list or a box that would take the wheel.
  static bool WheelPoint(int area, pf::Point& point) {
    const pf::Rect view = SeenView(area);
    std::vector<int> inside;
    ShownControls(area, inside);
    for (int y = view.y + view.h / 2; y < view.Bottom(); y += 7)
      for (int x = view.x + 4; x < view.Right(); x += 25) {
        const bool clear = std::none_of(inside.begin(), inside.end(), [&](int g) {
          const pf::Rect r = Seen(g);
          return !PassesWheel(g) && x >= r.x && x < r.Right() && y >= r.y && y < r.Bottom();
        });
        if (clear) return point = {x, y}, true;
      }
    return false;
  }

  // Turns the wheel over the step's rows until it goes no further; then the area's last row shows, at the
  // foot of its view.
  void CheckEnd(int area, const std::string& where) {
    if (SharedBar(area) || area == PIStep3UpperArea || area == MIScrollArea(2)) return;  // moved with others
    // The one bar of the split steps moves these, and the wheel over what shows of them turns it.
    const int moved = area == PIStep3LowerArea  ? PIStep3ScrollBar
                      : area == MIScrollArea(3) ? MIScrollArea(1)
                                                : area;
    const int under = area == PIStep3LowerArea  ? PIStep3UpperArea
                      : area == MIScrollArea(3) ? MIScrollArea(2)
                                                : area;
    if (pf::ScrollAreaInnerHeight(moved) <= pf::ScrollAreaViewHeight(moved)) return;  // nothing to scroll
    pf::Point point;
    ASSERT_TRUE(WheelPoint(under, point)) << where << ": nowhere to turn the wheel over " << Name(area);
    int turns = 0;
    for (int before = -1; turns < 300 && pf::GetScrollY(moved) != before; ++turns) {
      before = pf::GetScrollY(moved);
      pf::test::WheelAt(point, -120);
      Pump();
    }
    ASSERT_LT(turns, 300) << where;
    int last = 0, lowest = 0;
    FindLowest(area, last, lowest);
    if (last == 0) return;
    ++ends;
    const int seenBottom = SeenView(area).Bottom();
    const std::string at = where + ", " + Name(area) + " turned to its end";
    EXPECT_LE(lowest, seenBottom) << at << ": its last row " << Name(last) << " stays " << lowest - seenBottom
                                  << " px out of view";
    EXPECT_LE(seenBottom - lowest, kBlankRunAllowed)
        << at << ": " << seenBottom - lowest << " px of blank view after its last row " << Name(last);
  }

  void Check(const std::string& where) {
    Pump();
    std::vector<int> shown;
    ShownControls(ShownRoot, shown);
    CheckBarsAndViews(where, shown);
    for (int g : shown)
      if (pf::GadgetKind(g) == pf::Kind::ScrollArea) CheckEnd(g, where);
  }

  void WalkAnalysis(const std::string& name, int summaryMark, int databaseMark) {
    for (int step = 1; step <= 8; ++step) {
      const std::string where = name + " step " + std::to_string(step);
      Click(ThirdTabGadget(9 - step));
      Check(where);
      if (step != 3) continue;
      Click(summaryMark);
      Check(where + ", summary approach");
      Click(databaseMark);
    }
  }

  int areas = 0, bars = 0, ends = 0;
};

TEST_P(ScrollBounds, EveryWorksheetStepStaysInsideTheWindow) {
  OpenAnalysisExample(3, BAExampleTile, BAExampleList);
  WalkAnalysis("before & after", BASummaryMark, BADatabaseMark);
  OpenAnalysisExample(2, CGExampleTile, CGExampleList);
  WalkAnalysis("concurrent groups", CGSummaryMark, CGDatabaseMark);
  OpenAnalysisExample(1, PIExampleTile, PIExampleList);
  WalkAnalysis("potential intervention", PISummaryMark, PIDatabaseMark);
  OpenIncidentExample(0);
  for (int step = 1; step <= 8; ++step) {
    Click(SecondTabGadget(9 - step));
    Check("incident step " + std::to_string(step));
  }
  Click(ThirdTabGadget(1));  // the summary
  Check("incident summary");
  // The walk met the worksheets' areas, bars and ends.
  EXPECT_GE(areas, 35);
  EXPECT_GE(bars, 20);
  EXPECT_GE(ends, 20);
}

// A worksheet's pages are built when it is first shown, and the user may have made the window smaller
// by then. Its steps are laid out for the work area all the same (the frame scrolls in the smaller window):
// each area reaches the edge of the frame and the footer.
class SmallerWindowFirst : public ProgramTest {
 protected:
  SmallerWindowFirst() { workWidth = 1366, workHeight = 749; }

  static int AreaOf(int page) {
    for (int child : pf::GadgetChildren(page))
      if (pf::GadgetKind(child) == pf::Kind::ScrollArea) return child;
    return 0;
  }
  static void ExpectFilled(int area, int footer, const std::string& where) {
    ASSERT_NE(area, 0) << where;
    const pf::Rect r = pf::GadgetScreenRect(area), frame = pf::GadgetScreenRect(ContentFrame);
    EXPECT_EQ(r.Right(), frame.Right()) << where << ": " << Text(r) << " in the frame " << Text(frame);
    EXPECT_EQ(r.Bottom(), pf::GadgetScreenRect(footer).y) << where << ": " << Text(r);
  }
};

TEST_F(SmallerWindowFirst, StepsBuiltThenStillFillTheirPages) {
  pf::test::ResizeMainWindow(900, 560);
  Pump();
  pf::HideGadget(FrontPageHolder, true);
  pf::HideGadget(TabbedArea, false);
  ShowPage(1, 2, 3);  // the second analysis's turnover step
  Pump();
  ExpectFilled(AreaOf(CGPage(3)), CGFooter, "concurrent groups step 6");
  ShowPage(2, 8, -1);  // the incident's first step
  Pump();
  ExpectFilled(IncidentStepArea(0), IncidentFooter, "incident step 1");
}

INSTANTIATE_TEST_SUITE_P(WorkAreas, ScrollBounds, ::testing::ValuesIn(kScreenWorkAreas), WorkAreaName);

}  // namespace
