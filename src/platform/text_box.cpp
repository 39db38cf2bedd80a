// Word-broken text inside a rectangle (captions of button faces): greedy breaking at spaces, line breaks
// kept, horizontal alignment, optional vertical centring. A text taller than its rectangle starts at the
// top and its last visible line ends in "...", so the reader sees that more was meant to follow.
#include <QFont>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "platform/drawing_state.h"
#include "platform/registry.h"

namespace pf::detail {
namespace {

const QString kDots = QStringLiteral("...");

// Greedy: as many words on a line as fit the width; a word wider than the width stands on its own line.
std::vector<QString> WrapLines(const QFontMetrics& fm, int width, const QString& text) {
  std::vector<QString> lines;
  if (text.isEmpty()) return lines;
  static const QRegularExpression kBreak(QStringLiteral("\r\n|\r|\n"));
  for (const QString& paragraph : text.split(kBreak)) {
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      if (line.isEmpty() || fm.horizontalAdvance(longer) <= width) {
        line = longer;
      } else {
        lines.push_back(line);
        line = word;
      }
    }
    lines.push_back(line);
  }
  return lines;
}

// The line shortened until it fits the width with "..." after it.
QString WithDots(const QFontMetrics& fm, int width, QString line) {
  while (!line.isEmpty() && fm.horizontalAdvance(line + kDots) > width) {
    line.chop(line.size() >= 2 && line.back().isLowSurrogate() ? 2 : 1);
  }
  while (line.endsWith(QLatin1Char(' '))) line.chop(1);
  return line + kDots;
}

}  // namespace
}  // namespace pf::detail

namespace pf {

void DrawTextBox(const Rect& r, const std::string& text, unsigned align) {
  QPaintDevice* device = detail::DrawingDevice();
  if (!device) return;
  const QFontMetrics fm(detail::DrawingQFont(), device);
  std::vector<QString> lines = detail::WrapLines(fm, r.w, QString::fromStdString(text));
  if (lines.empty()) return;
  const int lineHeight = std::max(1, fm.height());
  const bool cut = int(lines.size()) * lineHeight > r.h;
  if (cut) {
    lines.resize(std::max(1, r.h / lineHeight));
    lines.back() = detail::WithDots(fm, r.w, lines.back());
  }
  int y = r.y;
  if ((align & kAlignVCentre) && !cut) y += (r.h - int(lines.size()) * lineHeight) / 2;
  for (QString& line : lines) {
    if (fm.horizontalAdvance(line) > r.w) line = detail::WithDots(fm, r.w, line);
    const int free = r.w - fm.horizontalAdvance(line);
    const unsigned across = align & 3u;
    const int x = across == kAlignCentre ? r.x + free / 2 : across == kAlignRight ? r.x + free : r.x;
    DrawText(x, y, line.toStdString());
    y += lineHeight;
  }
}

int TextBoxHeight(int width, const std::string& text) {
  QPaintDevice* device = detail::DrawingDevice();
  if (!device) return 0;
  const QFontMetrics fm(detail::DrawingQFont(), device);
  return int(detail::WrapLines(fm, width, QString::fromStdString(text)).size()) * fm.height();
}

}  // namespace pf
