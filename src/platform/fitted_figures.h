// Inside the layer: figures drawn whole in the room their control has. Our fonts are wider than the ones
// the layout was drawn for, so a figure that would overflow its field or text is drawn in the narrow twin
// of its font, then smaller; one too wide even so shows its start and a cut mark, never a tail that reads
// as a smaller number.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace pf::detail {

// One line that reads as a number: an optional sign or "$", digits with thousands separators and a
// decimal point, and optionally a unit after them ("12.5%", "-$1,234", "1,234.57 Days").
bool IsFigure(const QString& text);

// The font a line is drawn in so that it fits `room` pixels: its own when it fits, else its narrow twin
// and then smaller sizes down to three quarters of its own; the smallest of these when none fits.
QFont FittingFont(const QFont& font, const QString& text, int room);

struct FittedLine {
  QFont font;
  QString text;  // the whole figure, or its start followed by kCutMark
};
inline const QChar kCutMark(0x2026);
FittedLine FitFigure(const QFont& font, const QString& text, int room);

// What a control drew of its text on one line: the text, its font and where it starts (widget pixels).
struct DrawnLine {
  bool fitted = false;  // false: the toolkit drew the text as usual
  QString text;
  QFont font;
  int x = 0;
  QRect room;  // where the control lets text stand
};

// Draws a figure fitted into `room` at the alignment given (horizontal and vertical); returns what it drew.
DrawnLine DrawFittedFigure(QPainter& p, const QFont& font, const QString& text, const QRect& room,
                           Qt::Alignment align);

}  // namespace pf::detail
