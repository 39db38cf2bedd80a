// The rich-text viewer operations of the public interface: find the control, then work on its QTextEdit.
// Control 0, unknown numbers and controls of another kind do nothing and read 0 or "".
#include <QTextEdit>

#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/rich_text.h"
#include "platform/test_surface.h"

namespace pf {
namespace {

QTextEdit* Viewer(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  return g ? qobject_cast<QTextEdit*>(g->widget) : nullptr;
}

}  // namespace

void SetRichText(int gadget, std::string_view rtf) { detail::LoadRtf(Viewer(gadget), rtf); }

void SetViewerPlainText(int gadget, const std::string& text) {
  detail::LoadViewerPlainText(Viewer(gadget), text);
}

int ViewerLineCount(int gadget) { return detail::RichLineCount(Viewer(gadget)); }

int ViewerFirstVisibleLine(int gadget) { return detail::RichFirstVisibleLine(Viewer(gadget)); }

std::string ViewerLineText(int gadget, int line) { return detail::RichLineText(Viewer(gadget), line); }

void ViewerScrollLines(int gadget, int lines) { detail::RichScrollLines(Viewer(gadget), lines); }

void ViewerScrollPage(int gadget, bool down) { detail::RichScrollPage(Viewer(gadget), down); }

namespace test {

std::vector<std::string> ViewerVisibleText(int gadget) { return detail::RichVisibleLines(Viewer(gadget)); }

}  // namespace test
}  // namespace pf
