// One visible scroll bar moves two content areas: the upper area until its end (the split), then the lower
// one. The areas' own bars lie outside their container, so every scroll request on them goes to the bar.
#include "shell/page_globals.h"
#include "shell/subclassed_controls.h"

using pf::Msg;
using pf::ScrollKind;

namespace {

struct SharedScroll {
  int bar = 0, upper = 0, lower = 0, split = 0;
  int approachMark = 0;  // 0: no approach choice; otherwise the mark whose data 1 leaves the upper area still
};

SharedScroll MIShared() { return {MIScrollArea(1), MIScrollArea(2), MIScrollArea(3), MIScrollSplit, 0}; }
SharedScroll PIShared() {
  return {PIStep3ScrollBar, PIStep3UpperArea, PIStep3LowerArea, PIStep3ScrollSplit, PIDatabaseMark};
}

bool SplitScroll(const SharedScroll& s, pf::Message& m, const pf::CallPrevious& previous) {
  if (m.type == Msg::Wheel) return true;
  if (m.type != Msg::Scroll) return false;
  previous();
  const int position = pf::GetScrollY(s.bar);
  if (s.approachMark != 0 && pf::GetGadgetData(s.approachMark) != 0) {
    pf::SetScrollY(s.lower, position);
  } else if (position < s.split) {
    pf::SetScrollY(s.upper, position);
    pf::SetScrollY(s.lower, 0);
  } else {
    pf::SetScrollY(s.lower, position - s.split);
    pf::SetScrollY(s.upper, s.split);
  }
  return true;
}

bool CarriesPosition(ScrollKind kind) {
  return kind == ScrollKind::ThumbTrack || kind == ScrollKind::ThumbPosition;
}

// A request with a position (a wheel notch turns into one) moves the bar five lines its way; a line, page,
// top or bottom request is handed to the bar as it is, so the keys scroll the way they say.
bool ScrollForward(const SharedScroll& s, pf::Message& m) {
  if (m.type != Msg::Scroll) return false;
  if (!CarriesPosition(m.scrollKind)) {
    pf::SendScrollRequest(s.bar, m.scrollKind);
    return true;
  }
  const ScrollKind step = pf::GetScrollY(m.gadget) < m.position ? ScrollKind::LineDown : ScrollKind::LineUp;
  for (int i = 0; i < 5; ++i) pf::SendScrollRequest(s.bar, step);
  return true;
}

}  // namespace

bool MISplitScrollProc(pf::Message& m, const pf::CallPrevious& previous) {
  return SplitScroll(MIShared(), m, previous);
}
bool PISplitScrollProc(pf::Message& m, const pf::CallPrevious& previous) {
  return SplitScroll(PIShared(), m, previous);
}
bool MIScrollForwardProc(pf::Message& m, const pf::CallPrevious&) { return ScrollForward(MIShared(), m); }
bool PIScrollForwardProc(pf::Message& m, const pf::CallPrevious&) { return ScrollForward(PIShared(), m); }
