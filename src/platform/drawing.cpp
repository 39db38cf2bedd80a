// Drawing on a picture or on the current printer page, with one set of calls: the paragraph engine, the
// page builders and the reports draw the same way on both. Positions and sizes are the target's own
// pixels; text is placed by the top-left corner of its cell.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>
#include <algorithm>
#include <optional>

#include "platform/drawing_state.h"
#include "platform/registry.h"

namespace pf::detail {
namespace {

enum class Target { None, Picture, Printer };

// Every start begins from the same state, whatever the previous target left behind.
struct DrawState {
  Target target = Target::None;
  int picture = 0;
  DrawMode mode = DrawMode::Default;
  int fontNumber = 0;
  QFont font;
  Rgb front = 0x000000;
  Rgb back = 0xFFFFFF;
};
DrawState& S() {
  static DrawState s;
  return s;
}

void ResetState(Target target, int picture) {
  S() = DrawState{target, picture, DrawMode::Default, 0, DefaultGadgetFont(), 0x000000, 0xFFFFFF};
}

QColor ToColor(Rgb c) { return QColor(Red(c), Green(c), Blue(c)); }

// The painter for one drawing call. On a picture it is opened for the call only, on the picture as the
// table holds it now, so a picture replaced between calls is never drawn through a stale pointer. On the
// printer it is the print job's page painter.
class Canvas {
 public:
  Canvas() {
    if (S().target == Target::Picture) {
      if (QImage* img = FindPicture(S().picture)) p_ = &own_.emplace(img);
    } else if (S().target == Target::Printer) {
      p_ = PrinterPainter();
    }
    if (p_ && !p_->isActive()) p_ = nullptr;
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  explicit operator bool() const { return p_ != nullptr; }
  QPainter& operator*() const { return *p_; }

 private:
  std::optional<QPainter> own_;
  QPainter* p_ = nullptr;
};

void Record(test::DrawOp op) {
  if (op.type == test::DrawOp::Type::Text || op.type == test::DrawOp::Type::Picture) op.front = S().front;
  op.font = S().fontNumber;
  op.back = S().back;
  op.mode = S().mode;
  if (S().target == Target::Printer) RecordPrinterOp(op);
  if (S().target == Target::Picture) RecordPictureOp(op);
}

QRect Normalised(int x, int y, int w, int h) {
  if (w < 0) x += w, w = -w;
  if (h < 0) y += h, h = -h;
  return QRect(x, y, w, h);
}

}  // namespace

QPaintDevice* DrawingDevice() {
  switch (S().target) {
    case Target::Picture:
      return FindPicture(S().picture);
    case Target::Printer:
      return PrinterPainter() ? PrinterPainter()->device() : nullptr;
    case Target::None:
      break;
  }
  return nullptr;
}

const QFont& DrawingQFont() { return S().font; }

void ForgetPrinterTarget() {
  if (S().target == Target::Printer) S().target = Target::None;
}

}  // namespace pf::detail

namespace pf {
using detail::Canvas;
using detail::Record;
using detail::S;
using detail::ToColor;
using Op = test::DrawOp;

bool StartDrawingOnPicture(int picture) {
  if (!detail::FindPicture(picture)) return false;
  detail::ResetState(detail::Target::Picture, picture);
  return true;
}

bool StartDrawingOnPrinter() {
  if (!detail::PrinterPainter()) return false;
  detail::ResetState(detail::Target::Printer, 0);
  return true;
}

void StopDrawing() { S().target = detail::Target::None; }

bool IsDrawingOnPrinter() { return S().target == detail::Target::Printer && detail::PrinterPainter(); }

void DrawingMode(DrawMode mode) { S().mode = mode; }

void DrawingFont(int font) {
  const QFont* f = detail::FindFont(font);
  S().fontNumber = f ? font : 0;
  S().font = f ? *f : detail::DefaultGadgetFont();
}

void FrontColour(Rgb colour) { S().front = colour & 0xFFFFFF; }
Rgb CurrentFrontColour() { return S().front; }
void BackColour(Rgb colour) { S().back = colour & 0xFFFFFF; }

void DrawText(int x, int y, const std::string& text) {
  Canvas c;
  if (!c) return;
  QPainter& p = *c;
  const QString t = QString::fromStdString(text);
  const QFontMetrics fm(S().font, p.device());
  // Opaque text paints its whole cell, so text over a shaded band or a previous run stays readable.
  if (S().mode != DrawMode::Transparent)
    p.fillRect(QRect(x, y, fm.horizontalAdvance(t), fm.height()), ToColor(S().back));
  p.setFont(S().font);
  p.setPen(ToColor(S().front));
  p.drawText(QPoint(x, y + fm.ascent()), t);  // Qt places text by its baseline
  Record(Op{Op::Type::Text, x, y, fm.horizontalAdvance(t), fm.height(), text});
}

int TextWidth(const std::string& text) {
  QPaintDevice* d = detail::DrawingDevice();
  return d ? QFontMetrics(S().font, d).horizontalAdvance(QString::fromStdString(text)) : 0;
}

// The height of the font's cell, whatever the text: lines of any text are spaced alike.
int TextHeight(const std::string&) {
  QPaintDevice* d = detail::DrawingDevice();
  return d ? QFontMetrics(S().font, d).height() : 0;
}

void LineXY(int x1, int y1, int x2, int y2, Rgb colour) {
  Canvas c;
  if (!c) return;
  (*c).setPen(QPen(ToColor(colour), 1));
  (*c).drawLine(x1, y1, x2, y2);
  Record(Op{Op::Type::Line, x1, y1, x2, y2, {}, 0, colour & 0xFFFFFF});
}

// Covers |w| pixels across and |h| down from (x, y); a zero extent counts as one pixel.
void Line(int x, int y, int w, int h, Rgb colour) {
  const auto last = [](int from, int extent) {
    return from + (extent > 0 ? extent - 1 : extent < 0 ? extent + 1 : 0);
  };
  LineXY(x, y, last(x, w), last(y, h), colour);
}

void Box(int x, int y, int w, int h, Rgb colour) {
  Canvas c;
  if (!c) return;
  const QRect r = detail::Normalised(x, y, w, h);
  const QColor col = ToColor(colour);
  if (S().mode == DrawMode::Outlined) {
    // A one-pixel frame just inside the rectangle, the same on every device.
    (*c).fillRect(QRect(r.left(), r.top(), r.width(), 1), col);
    (*c).fillRect(QRect(r.left(), r.bottom(), r.width(), 1), col);
    (*c).fillRect(QRect(r.left(), r.top(), 1, r.height()), col);
    (*c).fillRect(QRect(r.right(), r.top(), 1, r.height()), col);
  } else {
    (*c).fillRect(r, col);
  }
  Record(Op{Op::Type::Box, x, y, w, h, {}, 0, colour & 0xFFFFFF});
}

void Circle(int x, int y, int radius, Rgb colour) {
  Canvas c;
  if (!c) return;
  QPainter& p = *c;
  p.setPen(QPen(ToColor(colour), 1));
  if (S().mode == DrawMode::Outlined)
    p.setBrush(Qt::NoBrush);
  else
    p.setBrush(ToColor(colour));
  p.drawEllipse(QPoint(x, y), radius, radius);
  Record(Op{Op::Type::Circle, x, y, radius, 0, {}, 0, colour & 0xFFFFFF});
}

// At its own size, or scaled to w x h when both are given.
void DrawPicture(int picture, int x, int y, int w, int h) {
  const QImage* src = detail::FindPicture(picture);
  if (!src) return;
  Canvas c;
  if (!c) return;
  // Drawing a picture onto itself reads from a copy: the painter writes into the same pixels.
  const QImage image = (S().target == detail::Target::Picture && S().picture == picture) ? src->copy() : *src;
  const bool scaled = w > 0 && h > 0;
  if (scaled) {
    (*c).setRenderHint(QPainter::SmoothPixmapTransform);
    (*c).drawImage(QRect(x, y, w, h), image);
  } else {
    (*c).drawImage(QPoint(x, y), image);
  }
  const QSize size = detail::PictureSize(image);
  Op op{Op::Type::Picture, x, y, scaled ? w : size.width(), scaled ? h : size.height(), {}};
  op.picture = picture;
  Record(op);
}

}  // namespace pf
