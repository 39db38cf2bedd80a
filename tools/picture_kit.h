// Shared by the picture generator's drawing files: the palette, the face and the helpers that
// turn a drawing into a picture of a given stored size.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>

namespace pictures {

// The program's palette, as far as the pictures use it.
inline const QColor PageColour(239, 237, 224);
inline const QColor LightGreyColour(235, 236, 237);
inline const QColor GreyColour(200, 200, 200);
inline const QColor BlueGreyColour(194, 211, 220);
inline const QColor MidBlueColour(102, 154, 204);
inline const QColor SlateBlueColour(50, 100, 155);
inline const QColor LightGreenColour(210, 230, 210);
inline const QColor OrangeColour(247, 153, 57);
inline const QColor BarOrangeColour(248, 154, 49);
inline const QColor BlueColour(0, 52, 171);
inline const QColor DarkBlueColour(33, 64, 146);
inline const QColor HeadingGreyColour(85, 85, 85);
inline const QColor White(255, 255, 255);

inline const char* const FaceName = "Liberation Sans";

using DrawFunction = std::function<void(QPainter&)>;

// A face of the given size in pixels.
QFont SansFont(qreal pixelSize, bool bold);

// The width of text as it will be drawn.
qreal TextWidth(const QFont& font, const QString& text);

// The largest face no bigger than startSize whose text fits into maxWidth.
QFont FittedFont(const QString& text, bool bold, qreal maxWidth, qreal startSize);

// Draws at `detail` times the stored size and scales down, which keeps the small icons smooth.
QImage Render(int width, int height, int detail, bool alpha, const DrawFunction& draw);

void DrawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour);

// A block arrow pointing right inside `box`; mirrored when pointing left.
void DrawBlockArrow(QPainter& p, const QRectF& box, bool pointsRight, const QColor& colour);

// The home page illustration (team_picture.cpp).
QImage TeamPicture();

}  // namespace pictures
