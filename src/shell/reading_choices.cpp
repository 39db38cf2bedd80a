// What the lists of the reading pages do: choosing an entry scrolls the page's viewer to its place, and
// the keys and the wheel over a list either move in the list or, once the user has clicked into the
// viewer, scroll the viewer.
#include <algorithm>
#include <string>

#include "assets/assets.h"
#include "platform/platform.h"
#include "shell/hover_help.h"
#include "shell/page_globals.h"
#include "shell/reading_pages.h"
#include "shell/services.h"
#include "shell/shell_globals.h"

namespace {

constexpr int kWheelLines = 5;

bool IsTopicList(int gadget) {
  for (int k = 1; k <= 6; ++k)
    if (UnderstandingTopicList(k) == gadget) return true;
  return false;
}

// The viewer that a list's keys and wheel scroll.
int ViewerOfList(int list) {
  if (list == GlossaryTermList) return GlossaryViewer;
  if (list == ExamplesList) return ExamplesViewer;
  return IsTopicList(list) ? UnderstandingViewer : 0;
}

// Scrolls the viewer by a line or a page for the arrow and page keys; other keys do nothing.
void ScrollViewerByKey(int viewer, int key) {
  switch (key) {
    case pf::vk::kDown:
      pf::ViewerScrollLines(viewer, 1);
      break;
    case pf::vk::kUp:
      pf::ViewerScrollLines(viewer, -1);
      break;
    case pf::vk::kNext:
      pf::ViewerScrollPage(viewer, true);
      break;
    case pf::vk::kPrior:
      pf::ViewerScrollPage(viewer, false);
      break;
    default:
      break;
  }
}

// A wheel turn towards the user (a negative delta) moves the text up, as a scroll bar's down arrow does.
void ScrollViewerByWheel(int viewer, int delta) {
  pf::ViewerScrollLines(viewer, delta < 0 ? kWheelLines : -kWheelLines);
}

// The key handling that the three lists share while the user reads in the viewer.
bool ViewerKeysAfterClick(const pf::Message& m) {
  ScrollViewerByKey(ViewerOfList(m.gadget), m.key);
  return true;
}

bool IsPageKey(int key) { return key == pf::vk::kPrior || key == pf::vk::kNext; }

// Only the list of the shown document keeps a selection; the others show their real items again, as they
// did before a spacer was reached.
void TidyOtherTopicLists(int shownList) {
  for (int k = 1; k <= 6; ++k) {
    if (k == shownList) continue;
    pf::SetGadgetState(UnderstandingTopicList(k), -1);
    pf::SetTopItem(UnderstandingTopicList(k), k == 1 ? 0 : 1);
  }
}

bool IsExampleHeading(int item) { return pf::GetGadgetItemData(ExamplesList, item) < 0; }

}  // namespace

int FindViewerLine(int viewer, const std::string& needle) {
  const int lines = pf::ViewerLineCount(viewer);
  for (int line = 0; line < lines; ++line)
    if (pf::ViewerLineText(viewer, line).find(needle) != std::string::npos) return line;
  return -1;
}

void ScrollViewerToLine(int viewer, int line) {
  // A second pass corrects a first scroll that the viewer did not complete.
  for (int pass = 0; pass < 2; ++pass)
    pf::ViewerScrollLines(viewer, line - pf::ViewerFirstVisibleLine(viewer));
}

void ShowUnderstandingTopic(int document, int topic) {
  document = std::clamp(document, 0, 6);
  TidyOtherTopicLists(std::max(document, 1));
  if (document != ShownDocument) {
    const std::string_view guides = assets::GuideDocuments();
    pf::SetRichText(UnderstandingViewer, guides.substr(std::min(HelpDocument(document), guides.size())));
  }
  if (document != ShownDocument || topic != ShownTopic) {
    const int line = FindViewerLine(UnderstandingViewer, "topic" + std::to_string(topic));
    if (line >= 0) ScrollViewerToLine(UnderstandingViewer, line);
  }
  ShownDocument = document;
  ShownTopic = topic;
}

namespace {

void SelectTopic(int k, int item) {
  pf::SetGadgetState(UnderstandingTopicList(k), item);
  pf::SetActiveGadget(UnderstandingTopicList(k));
}

}  // namespace

void ChooseUnderstandingTopic(int k) {
  ViewerClicked = 0;
  int item = pf::GetGadgetState(UnderstandingTopicList(k));
  if (item < 0) return;
  // A spacer carries the choice into the neighbouring list.
  if (item == pf::CountGadgetItems(UnderstandingTopicList(k)) - 1 && k < 6) {
    SelectTopic(++k, item = 1);
  } else if (item == 0 && k > 1) {
    --k;
    SelectTopic(k, item = pf::CountGadgetItems(UnderstandingTopicList(k)) - 2);
  }
  // The first list holds the two opening documents themselves. The topic to show again is kept as list
  // and item, which is how page switching reads it back.
  UnderstandingTopic = k + item / 10.0;
  if (k == 1)
    ShowUnderstandingTopic(item, 1);
  else
    ShowUnderstandingTopic(k, item);
}

void ChooseExample() {
  ViewerClicked = 0;
  const int item = pf::GetGadgetState(ExamplesList);
  if (item < 0 || IsExampleHeading(item)) return;
  const int line =
      FindViewerLine(ExamplesViewer, "topic" + std::to_string(pf::GetGadgetItemData(ExamplesList, item)));
  if (line >= 0) ScrollViewerToLine(ExamplesViewer, line);
}

void ChooseGlossaryTerm() {
  ViewerClicked = 0;
  const int item = pf::GetGadgetState(GlossaryTermList);
  if (item < 0) return;
  const int line = FindViewerLine(GlossaryViewer, pf::GetGadgetItemText(GlossaryTermList, item) + ":");
  if (line >= 0) ScrollViewerToLine(GlossaryViewer, line);
  GlossaryTermIndex = item;
}

// ---- Window procedures -----------------------------------------------------------------------------------

bool TopicListKeysProc(pf::Message& m, const pf::CallPrevious& previous) {
  switch (m.type) {
    case pf::Msg::KeyDown:
      if (ViewerClicked) return ViewerKeysAfterClick(m);
      return IsPageKey(m.key);  // each list shows all its items, so there is nothing to page to
    case pf::Msg::Wheel:
      previous();
      ScrollViewerByWheel(UnderstandingViewer, m.delta);
      return true;
    default:
      return false;
  }
}

bool TermListKeysProc(pf::Message& m, const pf::CallPrevious&) {
  switch (m.type) {
    case pf::Msg::KeyDown:
      if (ViewerClicked) return ViewerKeysAfterClick(m);
      return IsPageKey(m.key);
    case pf::Msg::Wheel:
      if (!ViewerClicked) return false;
      ScrollViewerByWheel(GlossaryViewer, m.delta);
      return true;
    default:
      return false;
  }
}

bool ExamplesListProc(pf::Message& m, const pf::CallPrevious&) {
  switch (m.type) {
    case pf::Msg::KeyDown: {
      if (ViewerClicked) return ViewerKeysAfterClick(m);
      if (m.key != pf::vk::kUp && m.key != pf::vk::kDown) return true;
      const int step = m.key == pf::vk::kDown ? 1 : -1;
      const int count = pf::CountGadgetItems(ExamplesList);
      int next = pf::GetGadgetState(ExamplesList) + step;
      if (next < 0 || next >= count || !IsExampleHeading(next)) return false;  // the list moves itself
      // Step over the sector heading; with nothing beyond it the selection stays.
      while (next >= 0 && next < count && IsExampleHeading(next)) next += step;
      if (next >= 0 && next < count) {
        pf::SetGadgetState(ExamplesList, next);
        ChooseExample();
      }
      return true;
    }
    case pf::Msg::Char:
      return true;
    case pf::Msg::Wheel:
      if (!ViewerClicked) return false;
      ScrollViewerByWheel(ExamplesViewer, m.delta);
      return true;
    case pf::Msg::LeftDown: {
      ViewerClicked = 0;
      const int item = pf::GadgetItemAt(ExamplesList, m.pos.x, m.pos.y);
      return item >= 0 && IsExampleHeading(item);  // a heading cannot be chosen
    }
    default:
      return false;
  }
}

bool ExamplesViewerProc(pf::Message& m, const pf::CallPrevious&) {
  switch (m.type) {
    case pf::Msg::LeftDown:
    case pf::Msg::RightDown:
    case pf::Msg::DoubleClick:
      ViewerClicked = 1;
      return true;
    case pf::Msg::KeyDown:
      if (m.key == pf::vk::kDown || m.key == pf::vk::kUp) {
        ScrollViewerByKey(m.gadget, m.key);
        return true;
      }
      return m.key == pf::vk::kLeft || m.key == pf::vk::kRight;
    default:
      return false;
  }
}

bool ViewerClickFlagProc(pf::Message& m, const pf::CallPrevious& previous) {
  previous();
  if (m.type == pf::Msg::LeftDown) ViewerClicked = 1;
  return true;
}

bool FocusEditChildProc(pf::Message& m, const pf::CallPrevious& previous) {
  previous();
  if (m.type == pf::Msg::LeftDown && m.gadget == GlossaryViewerPanel) pf::SetActiveGadget(GlossaryFocusField);
  return true;
}
