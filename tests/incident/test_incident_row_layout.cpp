// The incident worksheet's rows as they stand on screen at the work areas of common screens, where our
// fonts are wider than the design's: a row's label is never covered by its help icon, and the unit marks
// of the time and rate boxes ("hours", "$", "/hour") stand clear of their number field and of the box's
// lines.
#include <algorithm>
#include <string>
#include <vector>

#include "incident/incident_globals.h"
#include "platform/gadget_state.h"
#include "platform/test_surface.h"
#include "shell/page_globals.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"

namespace {

// Pixels left free between a mark's text and a field or a box line.
constexpr int kClear = 3;

struct Span {
  int left, right;  // right: one past the last pixel
};

// Where a static text's text stands across its control, in its parent's coordinates.
Span TextSpan(int text) {
  const int x = pf::GadgetX(text), w = pf::GadgetWidth(text), tw = pf::test::ShownTextWidth(text);
  return pf::test::AlignedRight(text) ? Span{x + w - tw, x + w} : Span{x, x + tw};
}

bool Overlap(const pf::Rect& a, const pf::Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

std::string Name(int gadget) {
  const std::string text = pf::GetGadgetText(gadget);
  return text.empty() ? "control " + std::to_string(gadget) : "\"" + text + "\"";
}

void ShownDescendants(int gadget, std::vector<int>& found) {
  for (int child : pf::GadgetChildren(gadget)) {
    if (!pf::IsGadgetVisible(child)) continue;
    found.push_back(child);
    ShownDescendants(child, found);
  }
}

class IncidentRowLayout : public WorkAreaTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
  }

  // Every shown control of a step's page.
  std::vector<int> ShowStep(int step) {
    ShowPage(2, 9 - step, -1);
    Pump();
    std::vector<int> shown;
    ShownDescendants(IncidentPage(step - 1), shown);
    return shown;
  }
};

TEST_P(IncidentRowLayout, HelpIconsCoverNoTextAndNoValueBox) {
  int icons = 0;
  for (int step = 1; step <= 8; ++step) {
    for (int icon : ShowStep(step)) {
      if (pf::GadgetKind(icon) != pf::Kind::Picture) continue;
      ++icons;
      // The icon's picture, drawn from the control's top left corner.
      pf::Rect at = pf::GadgetScreenRect(icon);
      at.w = std::min(at.w, pf::PictureWidth(pf::GetGadgetPicture(icon)));
      at.h = std::min(at.h, pf::PictureHeight(pf::GetGadgetPicture(icon)));
      for (int other : pf::GadgetChildren(pf::GadgetParent(icon))) {
        if (other == icon || !pf::IsGadgetVisible(other)) continue;
        SCOPED_TRACE("step " + std::to_string(step) + ": " + Name(other));
        pf::Rect r = pf::GadgetScreenRect(other);
        if (pf::GadgetKind(other) == pf::Kind::Text) {
          const Span text = TextSpan(other);
          r.x += text.left - pf::GadgetX(other);
          r.w = text.right - text.left;
        }
        EXPECT_FALSE(Overlap(at, r)) << "under the help icon at x " << at.x;
      }
    }
  }
  EXPECT_GT(icons, 40);
}

TEST_P(IncidentRowLayout, UnitMarksStandClearOfTheirFieldAndTheBoxLines) {
  int marks = 0;
  for (int step = 1; step <= 8; ++step) {
    for (int box : ShowStep(step)) {
      // A value box is a small part of its row; the rows themselves hold fields too.
      const int row = pf::GadgetParent(box);
      if (pf::GadgetKind(box) != pf::Kind::Container || 4 * pf::GadgetWidth(box) > pf::GadgetWidth(row))
        continue;
      int field = 0;
      for (int child : pf::GadgetChildren(box))
        if (pf::GadgetKind(child) == pf::Kind::Field && pf::IsGadgetVisible(child)) field = child;
      if (field == 0) continue;
      const Span f{pf::GadgetX(field), pf::GadgetX(field) + pf::GadgetWidth(field)};
      const int inside = pf::GadgetWidth(box) - 2;  // the children stand inside its one-pixel lines
      for (int mark : pf::GadgetChildren(box)) {
        if (pf::GadgetKind(mark) != pf::Kind::Text || pf::GetGadgetText(mark).empty()) continue;
        SCOPED_TRACE("step " + std::to_string(step) + ": " + Name(mark));
        const Span text = TextSpan(mark);
        if (text.left >= f.right)
          EXPECT_GE(text.left - f.right, kClear) << "after the field";
        else
          EXPECT_GE(f.left - text.right, kClear) << "before the field";
        EXPECT_GE(text.left, kClear) << "from the box's left line";
        EXPECT_GE(inside - text.right, kClear) << "from the box's right line";
        // Nor does a neighbouring box's line stand over it.
        pf::Rect clear = pf::GadgetScreenRect(mark);
        clear.x += text.left - pf::GadgetX(mark) - kClear;
        clear.w = text.right - text.left + 2 * kClear;
        for (int other : pf::GadgetChildren(row)) {
          if (other == box || pf::GadgetKind(other) != pf::Kind::Container || !pf::IsGadgetVisible(other))
            continue;
          EXPECT_FALSE(Overlap(clear, pf::GadgetScreenRect(other))) << "by the next box's line";
        }
        ++marks;
      }
    }
  }
  EXPECT_GT(marks, 30);
}

INSTANTIATE_TEST_SUITE_P(WorkAreas, IncidentRowLayout,
                         ::testing::Values(WorkArea{1024, 708}, WorkArea{1280, 770}, WorkArea{1920, 1050}),
                         WorkAreaName);

}  // namespace
