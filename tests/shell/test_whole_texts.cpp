// Every text stands whole on screen at the work areas of common screens and those between them, where a
// font rounded to whole points grows more than its box: captions, headings, labels and list items, on the
// home and reading pages, the incident's and the analyses' pages and the summary. Measured where the
// letters land as painted: inside what their containers show, at three quarters of their size or more,
// and clear of every neighbouring control.
#include <algorithm>
#include <string>
#include <vector>

#include "analysis/pages/pages_globals.h"
#include "incident/incident_globals.h"
#include "platform/gadget_state.h"
#include "platform/test_surface.h"
#include "shell/page_globals.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"

namespace {

bool Overlap(const pf::Rect& a, const pf::Rect& b) {
  return a.w > 0 && a.h > 0 && b.w > 0 && b.h > 0 && a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() &&
         b.y < a.Bottom();
}

pf::Rect Meet(const pf::Rect& a, const pf::Rect& b) {
  const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
  const int right = std::min(a.Right(), b.Right()), bottom = std::min(a.Bottom(), b.Bottom());
  return right > left && bottom > top ? pf::Rect{left, top, right - left, bottom - top} : pf::Rect{};
}

std::string Show(const pf::Rect& r) {
  return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.w) + "x" +
         std::to_string(r.h);
}

std::string Name(int g) { return "control " + std::to_string(g) + " \"" + pf::GetGadgetText(g) + "\""; }

bool Within(int inner, int outer) {
  for (int p = inner; p != 0; p = pf::GadgetParent(p))
    if (p == outer) return true;
  return false;
}

int AreaOf(int g) {
  for (int p = pf::GadgetParent(g); p != 0; p = pf::GadgetParent(p))
    if (pf::GadgetKind(p) == pf::Kind::ScrollArea) return p;
  return 0;
}

// What of a control shows on screen now: its rectangle as its containers and scroll views cut it.
pf::Rect Visible(int g, pf::Rect r) {
  for (int p = pf::GadgetParent(g); p != 0 && r.w > 0; p = pf::GadgetParent(p))
    r = Meet(
        r, pf::GadgetKind(p) == pf::Kind::ScrollArea ? pf::test::ScrollViewRect(p) : pf::GadgetScreenRect(p));
  return r;
}

// Whether `upper` is drawn over `lower`: of the two branches that hold them under their nearest common
// container, the one made later is drawn on top.
bool DrawnOver(int upper, int lower) {
  std::vector<int> up{upper};
  for (int p = pf::GadgetParent(upper); p != 0; p = pf::GadgetParent(p)) up.push_back(p);
  for (int child = lower, p = pf::GadgetParent(lower); p != 0; child = p, p = pf::GadgetParent(p)) {
    const auto at = std::find(up.begin(), up.end(), p);
    if (at == up.end() || at == up.begin()) continue;
    const std::vector<int> siblings = pf::GadgetChildren(p);
    const auto index = [&](int g) {
      return std::find(siblings.begin(), siblings.end(), g) - siblings.begin();
    };
    return index(*(at - 1)) > index(child);
  }
  return false;
}

class WholeTexts : public WorkAreaTest {
 protected:
  // Where a control stands for its neighbours' texts: a text where its letters are, a picture where it
  // is not blank, any other control (a panel too: it paints its ground) its whole rectangle.
  static pf::Rect Body(int g) {
    switch (pf::GadgetKind(g)) {
      case pf::Kind::Text:
        return pf::test::ShownTextLines(g).ink;
      case pf::Kind::Picture:
        return pf::test::PictureInkRect(g);
      case pf::Kind::Container:
      case pf::Kind::Field:
      case pf::Kind::Date:
      case pf::Kind::Combo:
      case pf::Kind::ListBox:
      case pf::Kind::ListView:
      case pf::Kind::Button:
      case pf::Kind::PictureButton:
      case pf::Kind::Option:
      case pf::Kind::Editor:
        return pf::GadgetScreenRect(g);
      default:
        return {};
    }
  }

  // A caption laid over a button with none of its own.
  static bool IsCaptionOf(int text, int other) {
    const pf::Kind k = pf::GadgetKind(other);
    const pf::Rect t = pf::GadgetScreenRect(text), b = pf::GadgetScreenRect(other);
    return (k == pf::Kind::Button || k == pf::Kind::PictureButton) && pf::GetGadgetText(other).empty() &&
           t.x >= b.x && t.y >= b.y && t.Right() <= b.Right() && t.Bottom() <= b.Bottom();
  }
  // A unit mark ("$", "%") that stands in a field's margin; the field keeps its figure clear of it.
  static bool IsMarkIn(int text, int other) {
    const pf::Kind k = pf::GadgetKind(other);
    const std::string mark = pf::GetGadgetText(text);
    return (k == pf::Kind::Field || k == pf::Kind::Date) && !mark.empty() && mark.size() <= 3 &&
           mark.find_first_of("0123456789") == std::string::npos;
  }

  void CheckText(int g, const std::vector<int>& shown, const std::vector<pf::Rect>& bodies,
                 const std::string& where) {
    const pf::test::ShownText t = pf::test::ShownTextLines(g);
    if (t.ink.w == 0) return;
    ++texts;
    const pf::Rect box = pf::GadgetScreenRect(g);
    SCOPED_TRACE(where + ": " + Name(g) + " in " + Show(box) + ", letters " + Show(t.ink) + ", seen " +
                 Show(t.seen) + ", " + std::to_string(t.pixels) + "/" + std::to_string(t.ownPixels) + " px");
    EXPECT_GE(t.ink.x, t.seen.x) << "cut at the left";
    EXPECT_LE(t.ink.Right(), t.seen.Right()) << "cut at the right";
    EXPECT_GE(t.ink.y, t.seen.y) << "cut at the top";
    EXPECT_LE(t.ink.Bottom(), t.seen.Bottom()) << "cut at the foot";
    EXPECT_GE(4 * t.pixels, 3 * t.ownPixels) << "drawn below three quarters of its size";
    const int area = AreaOf(g);
    const pf::Rect seenInk = Visible(g, t.ink);
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const int other = shown[i];
      const pf::Rect& body = bodies[i];
      if (body.w == 0 || other == g || Within(g, other) || Within(other, g)) continue;
      // Controls scrolled with the text meet it wherever they are; others only where both show.
      const bool together = AreaOf(other) == area;
      if (!(together ? Overlap(t.ink, body) : Overlap(seenInk, Visible(other, body)))) continue;
      if (IsCaptionOf(g, other) || IsMarkIn(g, other)) continue;
      if (pf::GadgetKind(other) == pf::Kind::Container && !DrawnOver(other, g)) continue;  // its ground
      ADD_FAILURE() << "under or over " << Name(other) << " in " << Show(body);
    }
  }

  void CheckItems(int g, const std::string& where) {
    for (const pf::test::ShownItem& item : pf::test::ShownItems(g)) {
      if (item.text.empty()) continue;
      ++texts;
      SCOPED_TRACE(where + ": " + Name(g) + " item \"" + item.text + "\"");
      EXPECT_LE(item.right, item.roomRight) << "cut at the right";
      EXPECT_GE(4 * item.pixels, 3 * item.ownPixels) << "drawn below three quarters of its size";
    }
  }

  void CheckChoice(int g, const std::string& where) {
    const pf::test::ShownLine line = pf::test::ShownValueLine(g);
    if (line.text.empty()) return;
    ++texts;
    SCOPED_TRACE(where + ": " + Name(g));
    EXPECT_EQ(line.text, pf::GetGadgetText(g)) << "the choice is cut";
    EXPECT_LE(line.right, line.roomRight) << "cut at the right";
  }

  void CheckShown(const std::string& where) {
    std::vector<int> shown;
    ShownControls(ShownRoot, shown);
    std::vector<pf::Rect> bodies;
    for (int g : shown) bodies.push_back(Body(g));
    for (int g : shown) {
      switch (pf::GadgetKind(g)) {
        case pf::Kind::Text:
          CheckText(g, shown, bodies, where);
          break;
        case pf::Kind::ListBox:
        case pf::Kind::ListView:
          CheckItems(g, where);
          break;
        case pf::Kind::Combo:
          CheckChoice(g, where);
          break;
        default:
          break;
      }
    }
  }

  // The page as it opens, and with every scroll area at its end.
  void Check(const std::string& where) {
    CheckShown(where);
    std::vector<int> shown;
    ShownControls(ShownRoot, shown);
    bool scrolled = false;
    for (int area : shown) {
      if (pf::GadgetKind(area) != pf::Kind::ScrollArea || pf::test::VerticalBarRect(area).w == 0) continue;
      pf::SendScrollRequest(area, pf::ScrollKind::Bottom);
      scrolled = true;
    }
    if (!scrolled) return;
    Pump();
    CheckShown(where + " at its end");
  }

  void OpenModule(int second) {
    Click(TopTabGadget(1));
    Click(SecondTabGadget(second));
    Click(ThirdTabGadget(9));
  }

  // The module's globals are set as its pages are built, so they are read as the walk reaches them.
  void WalkAnalysis(const std::string& name, int second, const int& tile, const int& list,
                    const int& databaseMark, const int& summaryMark) {
    OpenModule(second);
    Check(name + " start");
    Click(tile);
    Check(name + " examples");
    ClickRow(list, 0);
    for (int step = 1; step <= 8; ++step) {
      Click(ThirdTabGadget(9 - step));
      Check(name + " step " + std::to_string(step));
      if (step == 3) {
        Click(summaryMark);
        Check(name + " step 3, summary approach");
        Click(databaseMark);
        Check(name + " step 3, database approach");
      }
    }
  }

  int texts = 0;
};

TEST_P(WholeTexts, EveryPage) {
  Check("home");
  Click(HomeTile(1));
  Click(SecondTabGadget(4));
  Check("about");
  for (int tile = 1; tile <= 3; ++tile) {
    Click(SecondTabGadget(4));
    Click(AboutTile(tile));
    Check("reading page " + std::to_string(tile));
  }
  Click(TopTabGadget(1));
  Click(SecondTabGadget(4));
  Check("analysis introduction");
  WalkAnalysis("before & after", 3, BAExampleTile, BAExampleList, BADatabaseMark, BASummaryMark);
  WalkAnalysis("concurrent groups", 2, CGExampleTile, CGExampleList, CGDatabaseMark, CGSummaryMark);
  WalkAnalysis("potential intervention", 1, PIExampleTile, PIExampleList, PIDatabaseMark, PISummaryMark);

  Click(TopTabGadget(2));
  Click(SecondTabGadget(9));
  Check("incident start");
  Click(IncidentExampleTile);
  Check("incident examples");
  ClickRow(ExampleIncidentList, 0);
  for (int step = 1; step <= 8; ++step) {
    Click(SecondTabGadget(9 - step));
    Check("incident step " + std::to_string(step));
  }
  Click(TopTabGadget(2));
  Click(SecondTabGadget(9));
  Click(MICreateTile);
  Check("summary");
  EXPECT_GT(texts, 2000);  // the walk met the pages' texts
}

// Beside the common screens, more of the sizes between them.
std::vector<WorkArea> TextWorkAreas() {
  std::vector<WorkArea> areas = kScreenWorkAreas;
  areas.insert(areas.end(), {{1076, 744}, {1152, 837}, {1600, 1173}});
  return areas;
}

INSTANTIATE_TEST_SUITE_P(WorkAreas, WholeTexts, ::testing::ValuesIn(TextWorkAreas()), WorkAreaName);

}  // namespace
