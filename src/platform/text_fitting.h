// Inside the layer: texts kept whole in the room their control has. Our fonts are wider than the ones the
// layout was drawn for, and fonts round to whole points while boxes scale smoothly, so a caption can need
// more room than its box: it wraps inside the box where it may, else it is drawn in the narrow twin of its
// font and then smaller, down to three quarters of its own size.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

class QWidget;

namespace pf::detail {

// Where a text stands when laid out in a font: the toolkit's box for its lines, and the pixels its letters
// take as drawn (a font may place a mark well inside its line, or an accent above it).
struct LaidText {
  QFont font;
  int flags = 0;  // alignment and wrapping, as the text is drawn with
  QRect box;
  QRect ink;
  bool Inside(const QRect& room) const;
};
LaidText LayOutText(const QFont& font, const QString& text, const QRect& room, int flags);

// The faces a text is tried in when its own does not fit: the narrow twin at its own size, then smaller
// sizes (in the narrow twin where there is one) down to three quarters of its own.
std::vector<QFont> SmallerFaces(const QFont& font);
QString NarrowTwin(const QString& family);

// The first of these that fits `room`: the text in its own font; in the smaller faces; and, for a text
// kept on one line whose room has height for more, wrapped in its own font and then the smaller faces.
// When none fits, the last one tried.
LaidText FitText(const QFont& font, const QString& text, const QRect& room, int flags);

// The part of a control its containers let be seen, in the control's own coordinates. A scrolled canvas
// counts whole: what it scrolls out of view can be scrolled back.
QRect SeenRect(const QWidget* w);

}  // namespace pf::detail
