#include "picture_kit.h"

#include <QFontMetricsF>
#include <QPolygonF>

namespace pictures {

QFont SansFont(qreal pixelSize, bool bold) {
  // Sizes are in pixels; the pictures are drawn at 96 dots per inch, where a point is 4/3 pixel.
  QFont font(FaceName);
  font.setPointSizeF(pixelSize * 72.0 / 96.0);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// Measures text as it will be drawn: on an image of 96 dots per inch.
qreal TextWidth(const QFont& font, const QString& text) {
  static const QImage gauge = [] {
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
  }();
  return QFontMetricsF(font, &gauge).horizontalAdvance(text);
}

QFont FittedFont(const QString& text, bool bold, qreal maxWidth, qreal startSize) {
  for (qreal size = startSize; size > 4.0; size -= 0.25) {
    QFont font = SansFont(size, bold);
    if (TextWidth(font, text) <= maxWidth) return font;
  }
  return SansFont(4.0, bold);
}

QImage Render(int width, int height, int detail, bool alpha, const DrawFunction& draw) {
  QImage canvas(width * detail, height * detail, QImage::Format_ARGB32_Premultiplied);
  canvas.setDotsPerMeterX(3780);
  canvas.setDotsPerMeterY(3780);
  canvas.fill(Qt::transparent);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(detail, detail);
    draw(painter);
  }
  QImage result =
      detail == 1 ? canvas : canvas.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return result.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

void DrawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour) {
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, text);
}

void DrawBlockArrow(QPainter& p, const QRectF& box, bool pointsRight, const QColor& colour) {
  const qreal midY = box.center().y();
  const qreal shaft = box.height() * 0.36;
  const qreal headStart = box.left() + box.width() * 0.48;
  QPolygonF arrow;
  arrow << QPointF(box.left(), midY - shaft / 2) << QPointF(headStart, midY - shaft / 2)
        << QPointF(headStart, box.top()) << QPointF(box.right(), midY) << QPointF(headStart, box.bottom())
        << QPointF(headStart, midY + shaft / 2) << QPointF(box.left(), midY + shaft / 2);
  if (!pointsRight) {
    for (QPointF& point : arrow) point.setX(box.left() + box.right() - point.x());
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(arrow);
}

}  // namespace pictures
