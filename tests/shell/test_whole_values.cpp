// Every value stands whole on screen at the work areas of common screens, where our fonts are wider than
// the ones the layout was drawn for: each step of each example (the incident examples and the three
// analyses), scrolled to its end, shows every figure and date whole, clear of the unit marks beside it
// and inside what its scroll area shows, never under a scroll bar. A figure too wide for its field even in
// a narrower, smaller font shows its start and a cut mark, never a tail that reads as a smaller number.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "analysis/pages/pages_globals.h"
#include "incident/incident_globals.h"
#include "platform/gadget_state.h"
#include "platform/test_surface.h"
#include "shell/example_walk.h"
#include "shell/page_globals.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"

namespace {

const std::string kCutMark = "\u2026";

// A number as the worksheets show one: digits with separators, a sign, "$", and a unit after it.
bool LooksLikeFigure(std::string s) {
  while (!s.empty() &&
         (std::isalpha(static_cast<unsigned char>(s.back())) || s.back() == ' ' || s.back() == '%'))
    s.pop_back();
  return !s.empty() && s.find_first_of("0123456789") != std::string::npos &&
         s.find_first_not_of("0123456789,.$-()") == std::string::npos;
}

bool Overlap(int a0, int a1, int b0, int b1) { return a0 < b1 && b0 < a1; }

std::string Name(int g) { return "control " + std::to_string(g) + " \"" + pf::GetGadgetText(g) + "\""; }

class WholeValues : public ExampleWalkTest {
 protected:
  // Every step of the incident or of the analysis on screen, each checked at its scroll areas' ends.
  void WalkIncident(const std::string& where, bool cutsAllowed = false) {
    for (int step = 1; step <= 8; ++step) {
      Click(SecondTabGadget(9 - step));
      Check(where + ", step " + std::to_string(step), cutsAllowed);
    }
  }
  void WalkAnalysis(const std::string& where, bool cutsAllowed = false) {
    for (int step = 1; step <= 8; ++step) {
      Click(ThirdTabGadget(9 - step));
      Check(where + ", step " + std::to_string(step), cutsAllowed);
    }
  }

  // What the control's containers let be seen of it: their rectangles, and a scroll area's view.
  static pf::Rect Seen(int g) {
    int left = -(1 << 30), top = -(1 << 30), right = 1 << 30, bottom = 1 << 30;
    for (int p = pf::GadgetParent(g); p != 0; p = pf::GadgetParent(p)) {
      const pf::Rect r =
          pf::GadgetKind(p) == pf::Kind::ScrollArea ? pf::test::ScrollViewRect(p) : pf::GadgetScreenRect(p);
      left = std::max(left, r.x), top = std::max(top, r.y);
      right = std::min(right, r.Right()), bottom = std::min(bottom, r.Bottom());
    }
    return {left, top, right - left, bottom - top};
  }

  // Where the view of the scroll area that holds a control ends at its end: the area's own view, or what
  // shows that area. (Inside the area everything scrolls with the control.)
  static int ReachBottom(int g) {
    int bottom = 1 << 30;
    bool inArea = false;
    for (int p = pf::GadgetParent(g); p != 0; p = pf::GadgetParent(p)) {
      const bool area = pf::GadgetKind(p) == pf::Kind::ScrollArea;
      inArea = inArea || area;
      if (inArea)
        bottom =
            std::min(bottom, area ? pf::test::ScrollViewRect(p).Bottom() : pf::GadgetScreenRect(p).Bottom());
    }
    return bottom;
  }

  // Short static texts beside a value are its unit marks ("$", "hrs", "%", "/hour").
  static std::vector<int> MarksBeside(int value) {
    std::vector<int> marks;
    const pf::Rect v = pf::GadgetScreenRect(value);
    for (int s : pf::GadgetChildren(pf::GadgetParent(value))) {
      const std::string t = pf::GetGadgetText(s);
      if (s == value || pf::GadgetKind(s) != pf::Kind::Text || !pf::IsGadgetVisible(s) || t.empty() ||
          t.size() > 6 || LooksLikeFigure(t))
        continue;
      const pf::Rect r = pf::GadgetScreenRect(s);
      const int middle = r.y + r.h / 2;  // a heading over a column only touches its first value
      if (middle >= v.y && middle < v.Bottom()) marks.push_back(s);
    }
    return marks;
  }

  // A value: whole, or (where allowed) a figure's start and the cut mark; inside its room and clear of
  // its marks.
  void CheckValue(int g, const std::string& where, bool cutsAllowed) {
    const pf::Kind kind = pf::GadgetKind(g);
    const std::string text = kind == pf::Kind::Date ? pf::GetDateDisplayText(g) : pf::GetGadgetText(g);
    const bool figure = LooksLikeFigure(text);
    if (text.empty() || pf::GadgetWidth(g) == 0 || (kind == pf::Kind::Text && !figure)) return;
    ++values;
    const pf::test::ShownLine shown = pf::test::ShownValueLine(g);
    SCOPED_TRACE(where + ": " + Name(g) + " shows \"" + shown.text + "\"");
    if (kind == pf::Kind::Date) {
      EXPECT_EQ(shown.text, text) << "the date is cut";
    } else if (shown.text != text && figure) {
      EXPECT_TRUE(cutsAllowed) << "a figure of the example is cut";
      ASSERT_TRUE(shown.text.ends_with(kCutMark)) << "cut without a mark";
      EXPECT_TRUE(text.starts_with(shown.text.substr(0, shown.text.size() - kCutMark.size())))
          << "does not show its start";
    } else if (shown.text != text) {
      if (pf::test::HasFocus(g)) return;  // the user's own view
      EXPECT_TRUE(!shown.text.empty() && text.starts_with(shown.text)) << "a long text not from its start";
    }
    EXPECT_GE(shown.left, shown.roomLeft) << "runs out of its room on the left";
    EXPECT_LE(shown.right, shown.roomRight) << "runs out of its room on the right";
    for (int mark : MarksBeside(g)) {
      const pf::test::ShownLine m = pf::test::ShownValueLine(mark);
      EXPECT_FALSE(Overlap(shown.left, shown.right, m.left, m.right)) << "under its mark " << Name(mark);
    }
  }

  // A control (or a figure's text) stands across inside what its containers show, and can be scrolled
  // into view; where it shows, no scroll bar lies over it.
  void CheckPlace(int g, const std::string& where) {
    const pf::Rect r = pf::GadgetScreenRect(g), seen = Seen(g);
    if (r.w == 0 || r.h == 0) return;
    int left = r.x, right = r.Right();
    if (pf::GadgetKind(g) == pf::Kind::Text) {
      if (!LooksLikeFigure(pf::GetGadgetText(g))) return;
      const pf::test::ShownLine shown = pf::test::ShownValueLine(g);
      left = shown.left, right = shown.right;
    }
    SCOPED_TRACE(where + ": " + Name(g));
    EXPECT_GE(left, seen.x) << "cut at the left of what shows it";
    EXPECT_LE(right, seen.Right()) << "cut at the right of what shows it";
    // Down, with every area at its end, nothing stays below what can be scrolled into view.
    EXPECT_LE(r.Bottom(), ReachBottom(g)) << "out of scroll reach";
    const int top = std::max(r.y, seen.y), bottom = std::min(r.Bottom(), seen.Bottom());
    for (const pf::Rect& bar : bars) {
      if (Overlap(top, bottom, bar.y, bar.Bottom())) {
        EXPECT_FALSE(Overlap(left, right, bar.x, bar.Right())) << "under a scroll bar at x " << bar.x;
      }
    }
  }

  void Check(const std::string& where, bool cutsAllowed) {
    std::vector<int> shown;
    ShownControls(ShownRoot, shown);
    bars.clear();
    for (int area : shown) {
      if (pf::GadgetKind(area) != pf::Kind::ScrollArea) continue;
      pf::SendScrollRequest(area, pf::ScrollKind::Bottom);
      Pump();
      if (const pf::Rect bar = pf::test::VerticalBarRect(area); bar.w > 0) {
        // The part of the bar that its containers let be seen.
        const pf::Rect seen = Seen(area);
        const int left = std::max(bar.x, seen.x), right = std::min(bar.Right(), seen.Right());
        if (left < right) bars.push_back({left, bar.y, right - left, bar.h});
      }
    }
    for (int g : shown) {
      switch (pf::GadgetKind(g)) {
        case pf::Kind::Field:
        case pf::Kind::Date:
        case pf::Kind::Text:
          CheckValue(g, where, cutsAllowed);
          [[fallthrough]];
        case pf::Kind::Editor:
        case pf::Kind::Combo:
        case pf::Kind::ListBox:
        case pf::Kind::ListView:
        case pf::Kind::Button:
        case pf::Kind::PictureButton:
        case pf::Kind::Option:
          CheckPlace(g, where);
          break;
        default:
          break;
      }
    }
  }

  // Types a figure into a field as the user does, turning the wheel to it first, and leaves the field.
  void TypeInto(int field, const std::string& figure) {
    int area = pf::GadgetParent(field);
    while (area && pf::GadgetKind(area) != pf::Kind::ScrollArea) area = pf::GadgetParent(area);
    for (int turn = 0; area && turn < 30 && pf::GadgetScreenRect(field).Bottom() > Seen(field).Bottom();
         ++turn) {
      pf::test::Wheel(area, -120);
      Pump();
    }
    Click(field);
    pf::test::KeyPress(pf::vk::kEnd);
    for (std::size_t i = 0; i < pf::GetGadgetText(field).size(); ++i) pf::test::KeyPress(pf::vk::kBack);
    pf::test::TypeText(figure);
    pf::test::PressTab();
    Pump();
    ASSERT_EQ(pf::GetGadgetText(field), figure);
  }

  std::vector<pf::Rect> bars;
  int values = 0;
};

TEST_P(WholeValues, EveryIncidentExample) {
  for (int example = 0; example < 6; ++example) {
    OpenIncidentExample(example);
    WalkIncident("incident example " + std::to_string(example + 1));
  }
  EXPECT_GT(values, 600);  // the walk met the worksheets' values
}

TEST_P(WholeValues, EveryAnalysisExample) {
  OpenAnalysisExample(3, BAExampleTile, BAExampleList);
  WalkAnalysis("before & after");
  OpenAnalysisExample(2, CGExampleTile, CGExampleList);
  WalkAnalysis("concurrent groups");
  OpenAnalysisExample(1, PIExampleTile, PIExampleList);
  WalkAnalysis("potential intervention");
  EXPECT_GT(values, 300);
}

// The keystroke filter lets twelve digits stand before the point. The rate and everything computed from
// it show their start where they cannot show whole.
TEST_P(WholeValues, TwelveDigitRatesAndWhatIsComputedFromThem) {
  OpenIncidentExample(0);
  Click(SecondTabGadget(7));
  TypeInto(IncidentGadget(1, 2, 3), "123456789012.25");  // the first aid time's hourly rate
  WalkIncident("incident", true);
  OpenAnalysisExample(3, BAExampleTile, BAExampleList);
  Click(ThirdTabGadget(7));
  TypeInto(BAGadget(7, 7, 1, 2), "123456789012");  // the regular wage rate
  Click(ThirdTabGadget(2));
  TypeInto(BAGadget(2, 14, 1, 2), "123456789012.99");  // a year's payroll, its "$" inside the field
  WalkAnalysis("before & after", true);
}

INSTANTIATE_TEST_SUITE_P(WorkAreas, WholeValues, ::testing::ValuesIn(kScreenWorkAreas), WorkAreaName);

}  // namespace
