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

// A picture's painter, opened for one drawing call only, on the picture as the table holds it now, so a
// picture replaced between calls is never drawn through a stale pointer.
class PictureCanvas {
 public:
  PictureCanvas() {
    if (QImage* img = FindPicture(S().picture)) p_ = &own_.emplace(img);
    if (p_ && !p_->isActive()) p_ = nullptr;
  }
  PictureCanvas(const PictureCanvas&) = delete;
  PictureCanvas& operator=(const PictureCanvas&) = delete;
  explicit operator bool() const { return p_ != nullptr; }
  QPainter& operator*() const { return *p_; }

 private:
  std::optional<QPainter> own_;
  QPainter* p_ = nullptr;
};

// A drawing is painted on a picture at once; on the printer it is held with the page until the page is
// finished. Nothing is drawn without a target.
void Draw(HeldDrawing d) {
  d.op.font = S().fontNumber;
  d.op.back = S().back;
  d.op.mode = S().mode;
  if (d.op.type == test::DrawOp::Type::Text || d.op.type == test::DrawOp::Type::Picture)
    d.op.front = S().front;
  d.font = S().font;
  if (S().target == Target::Printer) {
    if (PrinterPainter()) HoldPrinterDrawing(std::move(d));
  } else if (S().target == Target::Picture) {
    PictureCanvas c;
    if (!c) return;
    PaintDrawing(*c, d);
    RecordPictureOp(d.op);
  }
}

QRect Normalised(int x, int y, int w, int h) {
  if (w < 0) x += w, w = -w;
  if (h < 0) y += h, h = -h;
  return QRect(x, y, w, h);
}

}  // namespace

void PaintDrawing(QPainter& p, const HeldDrawing& d) {
  const test::DrawOp& op = d.op;
  const QColor colour = ToColor(op.front);
  switch (op.type) {
    case test::DrawOp::Type::Text: {
      const QString t = QString::fromStdString(op.text);
      const QFontMetrics fm(d.font, p.device());
      // Opaque text paints its whole cell, so text over a shaded band or a previous run stays readable.
      if (op.mode != DrawMode::Transparent) p.fillRect(QRect(op.x, op.y, op.w, op.h), ToColor(op.back));
      p.setFont(d.font);
      p.setPen(colour);
      p.drawText(QPoint(op.x, op.y + fm.ascent()), t);  // Qt places text by its baseline
      break;
    }
    case test::DrawOp::Type::Line:
      p.setPen(QPen(colour, 1));
      p.drawLine(op.x, op.y, op.w, op.h);
      break;
    case test::DrawOp::Type::Box: {
      const QRect r = Normalised(op.x, op.y, op.w, op.h);
      if (op.mode == DrawMode::Outlined) {
        // A one-pixel frame just inside the rectangle, the same on every device.
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
      } else {
        p.fillRect(r, colour);
      }
      break;
    }
    case test::DrawOp::Type::Circle:
      p.setPen(QPen(colour, 1));
      if (op.mode == DrawMode::Outlined)
        p.setBrush(Qt::NoBrush);
      else
        p.setBrush(colour);
      p.drawEllipse(QPoint(op.x, op.y), op.w, op.w);
      break;
    case test::DrawOp::Type::Picture:
      if (d.scaled) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(op.x, op.y, op.w, op.h), d.image);
      } else {
        p.drawImage(QPoint(op.x, op.y), d.image);
      }
      break;
  }
}

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
using detail::Draw;
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
  QPaintDevice* d = detail::DrawingDevice();
  if (!d) return;
  const QFontMetrics fm(S().font, d);
  Draw({Op{Op::Type::Text, x, y, fm.horizontalAdvance(QString::fromStdString(text)), fm.height(), text}});
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

// Lines, boxes and circles carry their own colour; the front colour is what they were drawn in.
void LineXY(int x1, int y1, int x2, int y2, Rgb colour) {
  Draw({Op{Op::Type::Line, x1, y1, x2, y2, {}, 0, colour & 0xFFFFFF}});
}

// Covers |w| pixels across and |h| down from (x, y); a zero extent counts as one pixel.
void Line(int x, int y, int w, int h, Rgb colour) {
  const auto last = [](int from, int extent) {
    return from + (extent > 0 ? extent - 1 : extent < 0 ? extent + 1 : 0);
  };
  LineXY(x, y, last(x, w), last(y, h), colour);
}

void Box(int x, int y, int w, int h, Rgb colour) {
  Draw({Op{Op::Type::Box, x, y, w, h, {}, 0, colour & 0xFFFFFF}});
}

void Circle(int x, int y, int radius, Rgb colour) {
  Draw({Op{Op::Type::Circle, x, y, radius, 0, {}, 0, colour & 0xFFFFFF}});
}

// At its own size, or scaled to w x h when both are given.
void DrawPicture(int picture, int x, int y, int w, int h) {
  const QImage* src = detail::FindPicture(picture);
  if (!src || !detail::DrawingDevice()) return;
  // Drawing a picture onto itself reads from a copy: the painter writes into the same pixels.
  detail::HeldDrawing d;
  d.image = (S().target == detail::Target::Picture && S().picture == picture) ? src->copy() : *src;
  d.scaled = w > 0 && h > 0;
  const QSize size = detail::PictureSize(d.image);
  d.op = Op{Op::Type::Picture, x, y, d.scaled ? w : size.width(), d.scaled ? h : size.height(), {}};
  d.op.picture = picture;
  Draw(std::move(d));
}

}  // namespace pf
