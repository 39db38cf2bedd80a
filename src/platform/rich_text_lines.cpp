#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/rich_text.h"

namespace pf::detail {
namespace {

// A widget resized before it was ever shown gets its resize event only when shown; the viewer's document
// takes its width from that event. The help popup counts its lines before it first appears, so deliver it
// now.
void DeliverPendingResize(QWidget* w) {
  if (!w->testAttribute(Qt::WA_PendingResizeEvent)) return;
  w->setAttribute(Qt::WA_PendingResizeEvent, false);
  QResizeEvent event(w->size(), QSize());
  QCoreApplication::sendEvent(w, &event);
}

// Lays the whole document out at the viewer's width (the layout is otherwise done lazily, as far as shown).
void EnsureLayout(QTextEdit* viewer) {
  DeliverPendingResize(viewer);
  DeliverPendingResize(viewer->viewport());
  QTextDocument* doc = viewer->document();
  doc->documentLayout()->blockBoundingRect(doc->lastBlock());
}

struct Line {
  QTextBlock block;
  QTextLine line;
  double top = 0;  // document coordinates, the scroll bar's unit
};

// Calls `visit` for each wrapped line in order until it returns false.
template <typename Visit>
void ForEachLine(QTextEdit* viewer, Visit visit) {
  EnsureLayout(viewer);
  QTextDocument* doc = viewer->document();
  QAbstractTextDocumentLayout* layout = doc->documentLayout();
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    QTextLayout* tl = block.layout();
    if (!block.isVisible() || !tl || tl->lineCount() == 0) continue;
    const double blockTop = layout->blockBoundingRect(block).top() - tl->lineAt(0).y();
    for (int i = 0; i < tl->lineCount(); ++i) {
      QTextLine line = tl->lineAt(i);
      if (!visit(Line{block, line, blockTop + line.y()})) return;
    }
  }
}

std::optional<Line> FindLine(QTextEdit* viewer, int index) {
  std::optional<Line> found;
  int i = 0;
  ForEachLine(viewer, [&](const Line& l) {
    if (i++ < index) return true;
    found = l;
    return false;
  });
  return found;
}

QString LineString(const Line& l) {
  QString s = l.block.text().mid(l.line.textStart(), l.line.textLength());
  s.remove(QChar(QChar::LineSeparator));
  return s;
}

// The part of a line that is drawn: its text without the fragments in the hidden format.
QString VisibleString(const Line& l) {
  const int start = l.block.position() + l.line.textStart();
  const int end = start + l.line.textLength();
  QString s;
  for (auto it = l.block.begin(); !it.atEnd(); ++it) {
    const QTextFragment f = it.fragment();
    const int from = std::max(start, f.position());
    const int to = std::min(end, f.position() + f.length());
    if (from < to && !IsHiddenFormat(f.charFormat())) s += f.text().mid(from - f.position(), to - from);
  }
  s.remove(QChar(QChar::LineSeparator));
  return s;
}

}  // namespace

int RichLineCount(QTextEdit* viewer) {
  if (!viewer) return 0;
  int count = 0;
  ForEachLine(viewer, [&](const Line&) { return ++count, true; });
  return count;
}

// The top line of the view; a line of which less than half a pixel still shows counts as scrolled away.
int RichFirstVisibleLine(QTextEdit* viewer) {
  if (!viewer) return 0;
  EnsureLayout(viewer);
  const double top = viewer->verticalScrollBar()->value() + 0.5;
  int index = 0, first = 0;
  ForEachLine(viewer, [&](const Line& l) {
    first = index++;
    return l.top + l.line.height() <= top;
  });
  return first;
}

std::string RichLineText(QTextEdit* viewer, int line) {
  if (!viewer || line < 0) return "";
  const std::optional<Line> l = FindLine(viewer, line);
  return l ? LineString(*l).toStdString() : "";
}

// Brings line (first visible + lines) to the top, as far as the scroll range allows.
void RichScrollLines(QTextEdit* viewer, int lines) {
  if (!viewer) return;
  const int count = RichLineCount(viewer);
  if (count == 0) return;
  const long long wanted = static_cast<long long>(RichFirstVisibleLine(viewer)) + lines;
  const int target = int(std::clamp<long long>(wanted, 0, count - 1));
  const std::optional<Line> l = FindLine(viewer, target);
  viewer->verticalScrollBar()->setValue(target == 0 || !l ? 0 : int(std::lround(l->top)));
}

void RichScrollPage(QTextEdit* viewer, bool down) {
  if (!viewer) return;
  EnsureLayout(viewer);
  viewer->verticalScrollBar()->triggerAction(down ? QAbstractSlider::SliderPageStepAdd
                                                  : QAbstractSlider::SliderPageStepSub);
}

std::vector<std::string> RichVisibleLines(QTextEdit* viewer) {
  std::vector<std::string> lines;
  if (!viewer) return lines;
  ForEachLine(viewer, [&](const Line& l) {
    lines.push_back(VisibleString(l).toStdString());
    return true;
  });
  return lines;
}

}  // namespace pf::detail
