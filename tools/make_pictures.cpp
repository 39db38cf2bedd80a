// Draws the numbered pictures that are built into the program and writes them as
// picture_<number>.png / picture_<number>.jpg into the given folder.
//
//   make_pictures <folder>        (normally src/assets/pictures)
//
// The output is committed; run this again only when the artwork changes. Everything is drawn
// with shapes and the Liberation Sans face, so the result does not depend on any other files.

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace {

// The program's palette, as far as the pictures use it.
const QColor PageColour(239, 237, 224);
const QColor LightGreyColour(235, 236, 237);
const QColor GreyColour(200, 200, 200);
const QColor BlueGreyColour(194, 211, 220);
const QColor MidBlueColour(102, 154, 204);
const QColor SlateBlueColour(50, 100, 155);
const QColor LightGreenColour(210, 230, 210);
const QColor OrangeColour(247, 153, 57);
const QColor BarOrangeColour(248, 154, 49);
const QColor BlueColour(0, 52, 171);
const QColor DarkBlueColour(33, 64, 146);
const QColor HeadingGreyColour(85, 85, 85);
const QColor White(255, 255, 255);

// The darker face of a two-state button.
const QColor PressedOrange(214, 118, 28);

const char* const FaceName = "Liberation Sans";

enum class FileKind { Png, PngWithAlpha, Jpeg };

using DrawFunction = std::function<void(QPainter&)>;

QFont SansFont(qreal pixelSize, bool bold)
{
  // Sizes are in pixels; the pictures are drawn at 96 dots per inch, where a point is 4/3 pixel.
  QFont font(FaceName);
  font.setPointSizeF(pixelSize * 72.0 / 96.0);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// Measures text as it will be drawn: on an image of 96 dots per inch.
qreal TextWidth(const QFont& font, const QString& text)
{
  static const QImage gauge = [] {
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
  }();
  return QFontMetricsF(font, &gauge).horizontalAdvance(text);
}

// The largest face no bigger than startSize whose text fits into maxWidth.
QFont FittedFont(const QString& text, bool bold, qreal maxWidth, qreal startSize)
{
  for (qreal size = startSize; size > 4.0; size -= 0.25) {
    QFont font = SansFont(size, bold);
    if (TextWidth(font, text) <= maxWidth)
      return font;
  }
  return SansFont(4.0, bold);
}

// Draws at `detail` times the stored size and scales down, which keeps the small icons smooth.
QImage Render(int width, int height, int detail, bool alpha, const DrawFunction& draw)
{
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
  QImage result = detail == 1 ? canvas
                              : canvas.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return result.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

bool SavePicture(const QString& folder, int number, FileKind kind, const QImage& image)
{
  const bool jpeg = kind == FileKind::Jpeg;
  const QString path = QStringLiteral("%1/picture_%2.%3").arg(folder).arg(number).arg(jpeg ? "jpg" : "png");
  const bool saved = jpeg ? image.save(path, "JPEG", 92) : image.save(path, "PNG");
  if (!saved)
    std::fprintf(stderr, "make_pictures: cannot write %s\n", path.toLocal8Bit().constData());
  return saved;
}

void DrawCentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& colour)
{
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, text);
}

// ---------------------------------------------------------------------------------------------
// Buttons of the step footers (140 x 32) and the Understanding page's return button (290 x 32)

void DrawButtonFace(QPainter& p, const QRectF& box, const QColor& face)
{
  p.fillRect(QRectF(0, 0, box.right() + box.left(), box.bottom() + box.top()), BlueColour);
  QLinearGradient shade(box.topLeft(), box.bottomLeft());
  shade.setColorAt(0.0, face.lighter(118));
  shade.setColorAt(0.5, face);
  shade.setColorAt(1.0, face.darker(112));
  p.setPen(QPen(face.darker(135), 1.0));
  p.setBrush(shade);
  p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

// A block arrow pointing right inside `box`; mirrored when pointing left.
void DrawBlockArrow(QPainter& p, const QRectF& box, bool pointsRight, const QColor& colour)
{
  const qreal midY = box.center().y();
  const qreal shaft = box.height() * 0.36;
  const qreal headStart = box.left() + box.width() * 0.48;
  QPolygonF arrow;
  arrow << QPointF(box.left(), midY - shaft / 2) << QPointF(headStart, midY - shaft / 2)
        << QPointF(headStart, box.top()) << QPointF(box.right(), midY) << QPointF(headStart, box.bottom())
        << QPointF(headStart, midY + shaft / 2) << QPointF(box.left(), midY + shaft / 2);
  if (!pointsRight) {
    for (QPointF& point : arrow)
      point.setX(box.left() + box.right() - point.x());
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(arrow);
}

QImage StepButton(const QString& caption, bool forward, const QColor& face)
{
  return Render(140, 32, 1, false, [&](QPainter& p) {
    DrawButtonFace(p, QRectF(1, 1, 138, 30), face);
    const QRectF arrowBox = forward ? QRectF(110, 9, 20, 14) : QRectF(10, 9, 20, 14);
    const QRectF textBox = forward ? QRectF(8, 1, 100, 30) : QRectF(32, 1, 100, 30);
    DrawBlockArrow(p, arrowBox, forward, White);
    DrawCentredText(p, textBox, caption, FittedFont(caption, true, textBox.width() - 4, 15), White);
  });
}

// The bent arrow of an Enter key.
void DrawEnterArrow(QPainter& p, const QRectF& box, const QColor& colour)
{
  const qreal right = box.right() - 1;
  const qreal low = box.bottom() - 4;
  p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath stem;
  stem.moveTo(right, box.top() + 1);
  stem.lineTo(right, low);
  stem.lineTo(box.left() + 5, low);
  p.drawPath(stem);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF() << QPointF(box.left(), low) << QPointF(box.left() + 6, low - 4.5)
                            << QPointF(box.left() + 6, low + 4.5));
}

QImage EnterButton()
{
  return Render(140, 32, 1, false, [](QPainter& p) {
    DrawButtonFace(p, QRectF(1, 1, 138, 30), OrangeColour);
    // A dotted inner outline says that the button holds the keyboard focus.
    p.setPen(QPen(White, 1.0, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4.5, 4.5, 131, 23), 4, 4);
    const QString caption = QStringLiteral("HIT ENTER TO CONTINUE");
    const QRectF textBox(8, 1, 106, 30);
    DrawCentredText(p, textBox, caption, FittedFont(caption, true, textBox.width() - 2, 13), White);
    DrawEnterArrow(p, QRectF(116, 9, 15, 14), White);
  });
}

// An arrow that leaves to the left along the top and comes back along the bottom.
void DrawReturnArrow(QPainter& p, const QRectF& box, const QColor& colour)
{
  const qreal top = box.top() + 5;
  const qreal bottom = box.bottom() - 2;
  const qreal radius = (bottom - top) / 2;
  const qreal bendX = box.right() - radius - 1.5;
  p.setPen(QPen(colour, 3.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath path;
  path.moveTo(box.left() + 8, top);
  path.lineTo(bendX, top);
  path.arcTo(QRectF(bendX - radius, top, 2 * radius, 2 * radius), 90, -180);
  path.lineTo(box.left() + 9, bottom);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF() << QPointF(box.left(), top) << QPointF(box.left() + 9, top - 5.5)
                            << QPointF(box.left() + 9, top + 5.5));
}

QImage ReturnButton(const QColor& face)
{
  return Render(290, 32, 2, false, [&](QPainter& p) {
    DrawButtonFace(p, QRectF(1, 1, 288, 30), face);
    DrawReturnArrow(p, QRectF(12, 4, 26, 24), White);
    const QString caption = QStringLiteral("RETURN TO LAST SCREEN");
    const QRectF textBox(44, 1, 238, 30);
    DrawCentredText(p, textBox, caption, FittedFont(caption, true, textBox.width() - 8, 15), White);
  });
}

// ---------------------------------------------------------------------------------------------
// Footer icons (38 x 32) on the footer blue; the hover variant turns the glyph orange.

struct IconLook {
  QColor glyph;
  QColor badge;
  QColor badgeMark;
};

const IconLook NormalIcon{White, OrangeColour, White};
const IconLook HoverIcon{BarOrangeColour, White, BlueColour};

void DrawDisk(QPainter& p, const IconLook& look)
{
  p.setPen(Qt::NoPen);
  p.setBrush(look.glyph);
  QPainterPath body;
  body.moveTo(7, 6);
  body.lineTo(25, 6);
  body.lineTo(29, 10);
  body.lineTo(29, 27);
  body.quadTo(29, 28, 28, 28);
  body.lineTo(8, 28);
  body.quadTo(7, 28, 7, 27);
  body.closeSubpath();
  p.drawPath(body);
  // The shutter with its slot, and the label.
  p.setBrush(BlueColour);
  p.drawRect(QRectF(11, 6, 12, 7.5));
  p.setBrush(look.glyph);
  p.drawRect(QRectF(18.5, 7.5, 2.8, 4.5));
  p.setBrush(BlueColour);
  p.drawRoundedRect(QRectF(10, 17, 16, 11), 1, 1);
  p.setPen(QPen(look.glyph, 1.0));
  p.drawLine(QPointF(12.5, 20.5), QPointF(23.5, 20.5));
  p.drawLine(QPointF(12.5, 24), QPointF(23.5, 24));
}

void DrawBadge(QPainter& p, const IconLook& look, bool plus)
{
  const QPointF centre(29.5, 23.5);
  p.setPen(QPen(BlueColour, 1.6));
  p.setBrush(look.badge);
  p.drawEllipse(centre, 7.2, 7.2);
  p.setPen(QPen(look.badgeMark, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  if (plus) {
    p.drawLine(centre + QPointF(-3.6, 0), centre + QPointF(3.6, 0));
    p.drawLine(centre + QPointF(0, -3.6), centre + QPointF(0, 3.6));
  } else {
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-3.6, 0.2));
    tick.lineTo(centre + QPointF(-1.0, 2.9));
    tick.lineTo(centre + QPointF(3.8, -2.6));
    p.drawPath(tick);
  }
}

void DrawPrinter(QPainter& p, const IconLook& look)
{
  p.setPen(Qt::NoPen);
  p.setBrush(look.glyph);
  p.drawRect(QRectF(12, 4.5, 14, 7));          // paper waiting at the back
  p.drawRoundedRect(QRectF(5.5, 11, 27, 12.5), 2.5, 2.5);
  p.setBrush(BlueColour);
  p.drawRect(QRectF(9, 19, 20, 2));             // the slot
  p.setBrush(look.glyph);
  p.setPen(QPen(BlueColour, 1.0));
  p.drawRect(QRectF(11.5, 20, 15, 9));          // the printed sheet
  p.setPen(QPen(BlueColour, 0.9));
  p.drawLine(QPointF(14, 23.2), QPointF(24, 23.2));
  p.drawLine(QPointF(14, 26), QPointF(21.5, 26));
  p.setPen(Qt::NoPen);
  p.setBrush(look.glyph == White ? OrangeColour : White);
  p.drawEllipse(QPointF(28.5, 14.8), 1.3, 1.3);
}

void DrawWasteBin(QPainter& p, const IconLook& look)
{
  p.setPen(QPen(look.glyph, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(15.5, 3.8, 7, 3.6), 1, 1);  // handle of the lid
  p.setPen(Qt::NoPen);
  p.setBrush(look.glyph);
  p.drawRoundedRect(QRectF(8.5, 7, 21, 3.2), 1, 1);
  QPolygonF body;
  body << QPointF(10.5, 11.5) << QPointF(27.5, 11.5) << QPointF(25.8, 28.5) << QPointF(12.2, 28.5);
  p.drawPolygon(body);
  p.setPen(QPen(BlueColour, 1.4, Qt::SolidLine, Qt::RoundCap));
  for (qreal x : {15.0, 19.0, 23.0})
    p.drawLine(QPointF(x, 14.5), QPointF(x + (19.0 - x) * 0.08, 25.8));
}

QImage FooterIcon(const std::function<void(QPainter&, const IconLook&)>& glyph, const IconLook& look)
{
  return Render(38, 32, 4, false, [&](QPainter& p) {
    p.fillRect(QRectF(0, 0, 38, 32), BlueColour);
    glyph(p, look);
  });
}

// ---------------------------------------------------------------------------------------------
// Help icons (26 x 25): a question mark in a circle, on the colour of the row it sits on.

bool IsDark(const QColor& colour)
{
  return 0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue() < 160;
}

QImage HelpIcon(const QColor& rowColour)
{
  return Render(26, 25, 4, false, [&](QPainter& p) {
    p.fillRect(QRectF(0, 0, 26, 25), rowColour);
    const bool dark = IsDark(rowColour);
    const QColor disc = dark ? White : BlueColour;
    const QColor mark = dark ? BlueColour : White;
    p.setPen(QPen(dark ? disc.darker(115) : disc.darker(130), 0.8));
    p.setBrush(disc);
    p.drawEllipse(QPointF(13, 12.5), 9.6, 9.6);
    DrawCentredText(p, QRectF(3, 3, 20, 19.5), QStringLiteral("?"), SansFont(16, true), mark);
  });
}

// ---------------------------------------------------------------------------------------------
// The retrieve banner (500 x 45)

QImage RetrieveBanner(const QColor& back, const QColor& arrows)
{
  return Render(500, 45, 2, false, [&](QPainter& p) {
    p.fillRect(QRectF(0, 0, 500, 45), back);
    p.setPen(QPen(back.lighter(150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 499, 44));
    DrawBlockArrow(p, QRectF(10, 9, 40, 27), true, arrows);
    DrawBlockArrow(p, QRectF(450, 9, 40, 27), false, arrows);
    const QString first = QStringLiteral("AFTER MAKING SELECTIONS ABOVE, CLICK HERE");
    const QString second = QStringLiteral("TO RETRIEVE INCIDENTS MATCHING CRITERIA SPECIFIED");
    const qreal room = 378;
    QFont font = FittedFont(second, true, room, 15);
    const QFont firstFont = FittedFont(first, true, room, 15);
    if (firstFont.pointSizeF() < font.pointSizeF())
      font = firstFont;
    DrawCentredText(p, QRectF(60, 4, 380, 18.5), first, font, White);
    DrawCentredText(p, QRectF(60, 22.5, 380, 18.5), second, font, White);
  });
}

// ---------------------------------------------------------------------------------------------
// The program's banner (1500 x 163, transparent) for the home page's dark blue band

void DrawQuillMark(QPainter& p)
{
  // A tick whose long stroke is a quill.
  const QPointF nib(58, 128);
  const QPointF tip(140, 22);
  p.setPen(QPen(OrangeColour, 17, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(22, 86), nib);

  const QPointF along = tip - nib;
  const qreal length = std::hypot(along.x(), along.y());
  const QPointF across(-along.y() / length, along.x() / length);
  const QPointF waist = nib + along * 0.58;
  QPainterPath vane;
  vane.moveTo(nib + along * 0.12);
  vane.cubicTo(waist + across * 34, waist + across * 30 + along * 0.25, tip);
  vane.cubicTo(waist - across * 22 + along * 0.3, waist - across * 26, nib + along * 0.12);
  p.setPen(Qt::NoPen);
  p.setBrush(White);
  p.drawPath(vane);

  // The shaft and a few cuts in the vane, punched out so the blue shows through.
  p.setCompositionMode(QPainter::CompositionMode_Clear);
  p.setPen(QPen(Qt::black, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(nib + along * 0.16, nib + along * 0.9);
  p.setPen(QPen(Qt::black, 2.4, Qt::SolidLine, Qt::RoundCap));
  for (qreal at : {0.42, 0.6, 0.76}) {
    const QPointF start = nib + along * at + across * 6;
    p.drawLine(start + across * 22, start + across * 4 + along * 0.06);
  }
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setPen(QPen(OrangeColour, 9, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(nib, nib + along * 0.16);
}

QImage ProgramBanner()
{
  return Render(1500, 163, 1, true, [](QPainter& p) {
    DrawQuillMark(p);
    const QString first = QStringLiteral("QUILLMARK");
    const QString second = QStringLiteral("DERORERE");
    const qreal left = 178;
    const qreal gap = 30;
    const qreal room = 1500 - left - 24;
    qreal size = 104;
    while (TextWidth(SansFont(size, true), first) + gap + TextWidth(SansFont(size, true), second) > room)
      size -= 1;
    const QFont big = SansFont(size, true);
    const qreal baseline = 100;
    p.setFont(big);
    p.setPen(White);
    p.drawText(QPointF(left, baseline), first);
    p.setPen(OrangeColour);
    p.drawText(QPointF(left + TextWidth(big, first) + gap, baseline), second);

    const qreal wordsWidth = TextWidth(big, first) + gap + TextWidth(big, second);
    p.fillRect(QRectF(left + 4, 114, wordsWidth - 8, 3.5), OrangeColour);
    p.setFont(SansFont(31, false));
    p.setPen(White);
    p.drawText(QPointF(left + 4, 152), QStringLiteral("A cost-benefit tool for workplace health & safety"));
  });
}

// ---------------------------------------------------------------------------------------------
// The home page illustration (678 x 1017): a team around a laptop.

struct Person {
  QPointF head;
  qreal radius;
  QColor skin;
  QColor hair;
  QColor shirt;
  qreal shoulderWidth;
  enum Hair { Short, Long, HardHat } hairStyle;
  qreal gaze;  // how far the face turns sideways, in head radii
};

void DrawHair(QPainter& p, const Person& who, bool behindHead)
{
  const QPointF c = who.head;
  const qreal r = who.radius;
  p.setPen(Qt::NoPen);
  if (who.hairStyle == Person::Long && behindHead) {
    p.setBrush(who.hair);
    QPainterPath back;
    back.addRoundedRect(QRectF(c.x() - r * 1.15, c.y() - r * 1.1, r * 2.3, r * 2.5), r * 0.9, r * 0.9);
    p.drawPath(back);
  }
  if (behindHead)
    return;
  if (who.hairStyle == Person::HardHat) {
    QLinearGradient shine(c.x() - r, 0, c.x() + r, 0);
    shine.setColorAt(0.0, QColor(255, 214, 64));
    shine.setColorAt(1.0, QColor(232, 176, 20));
    p.setBrush(shine);
    p.drawChord(QRectF(c.x() - r * 1.05, c.y() - r * 1.35, r * 2.1, r * 2.0), 0, 180 * 16);
    p.setBrush(QColor(222, 165, 12));
    p.drawRoundedRect(QRectF(c.x() - r * 1.3, c.y() - r * 0.42, r * 2.6, r * 0.26), r * 0.12, r * 0.12);
    p.setBrush(QColor(255, 230, 120));
    p.drawRoundedRect(QRectF(c.x() - r * 0.14, c.y() - r * 1.32, r * 0.28, r * 0.95), r * 0.1, r * 0.1);
    return;
  }
  p.setBrush(who.hair);
  p.drawChord(QRectF(c.x() - r * 1.06, c.y() - r * 1.12, r * 2.12, r * 1.55), 0, 180 * 16);
  QPainterPath fringe;
  fringe.moveTo(c.x() - r * 1.04, c.y() - r * 0.35);
  fringe.quadTo(c.x() - r * 0.2 + who.gaze * r, c.y() - r * 0.25, c.x() + r * 0.6, c.y() - r * 0.62);
  fringe.quadTo(c.x() + r * 0.9, c.y() - r * 0.5, c.x() + r * 1.04, c.y() - r * 0.3);
  fringe.lineTo(c.x() + r * 1.04, c.y() - r * 0.5);
  fringe.lineTo(c.x() - r * 1.04, c.y() - r * 0.5);
  fringe.closeSubpath();
  p.drawPath(fringe);
}

void DrawBody(QPainter& p, const Person& who, qreal bottom)
{
  DrawHair(p, who, true);  // long hair falls behind the shoulders
  const QPointF c = who.head;
  const qreal r = who.radius;
  const qreal shoulderY = c.y() + r * 1.45;
  const qreal half = who.shoulderWidth / 2;
  p.setPen(Qt::NoPen);

  QPainterPath torso;
  torso.moveTo(c.x() - half, bottom);
  torso.lineTo(c.x() - half, shoulderY + r * 0.8);
  torso.quadTo(c.x() - half, shoulderY, c.x() - half + r * 0.9, shoulderY);
  torso.lineTo(c.x() + half - r * 0.9, shoulderY);
  torso.quadTo(c.x() + half, shoulderY, c.x() + half, shoulderY + r * 0.8);
  torso.lineTo(c.x() + half, bottom);
  torso.closeSubpath();
  QLinearGradient cloth(c.x() - half, 0, c.x() + half, 0);
  cloth.setColorAt(0.0, who.shirt.lighter(108));
  cloth.setColorAt(1.0, who.shirt.darker(112));
  p.setBrush(cloth);
  p.drawPath(torso);

  // Neck and collar.
  p.setBrush(who.skin.darker(110));
  p.drawRect(QRectF(c.x() - r * 0.32, c.y() + r * 0.6, r * 0.64, shoulderY - c.y() - r * 0.5));
  p.setBrush(who.skin.darker(104));
  p.drawPolygon(QPolygonF() << QPointF(c.x() - r * 0.42, shoulderY - 1) << QPointF(c.x() + r * 0.42, shoulderY - 1)
                            << QPointF(c.x(), shoulderY + r * 0.55));
  p.setBrush(who.shirt.lighter(125));
  p.drawPolygon(QPolygonF() << QPointF(c.x() - r * 0.5, shoulderY - 2) << QPointF(c.x() - r * 0.05, shoulderY + r * 0.6)
                            << QPointF(c.x() - r * 0.3, shoulderY + r * 0.62) << QPointF(c.x() - r * 0.68, shoulderY + 1));
  p.drawPolygon(QPolygonF() << QPointF(c.x() + r * 0.5, shoulderY - 2) << QPointF(c.x() + r * 0.05, shoulderY + r * 0.6)
                            << QPointF(c.x() + r * 0.3, shoulderY + r * 0.62) << QPointF(c.x() + r * 0.68, shoulderY + 1));
}

void DrawHighVisVest(QPainter& p, const Person& who, qreal bottom)
{
  const QPointF c = who.head;
  const qreal r = who.radius;
  const qreal shoulderY = c.y() + r * 1.45;
  const qreal half = who.shoulderWidth / 2;
  const QColor vest(255, 140, 30);
  p.setPen(Qt::NoPen);
  p.setBrush(vest);
  QPainterPath left;
  left.moveTo(c.x() - half + r * 0.2, bottom);
  left.lineTo(c.x() - half + r * 0.2, shoulderY + r * 0.6);
  left.quadTo(c.x() - half + r * 0.35, shoulderY + 1, c.x() - r * 0.55, shoulderY + 1);
  left.lineTo(c.x() - r * 0.2, shoulderY + r * 1.4);
  left.lineTo(c.x() - r * 0.2, bottom);
  left.closeSubpath();
  p.drawPath(left);
  QTransform mirror;
  mirror.translate(2 * c.x(), 0);
  mirror.scale(-1, 1);
  p.drawPath(mirror.map(left));
  p.setBrush(QColor(225, 228, 232));
  for (qreal y : {shoulderY + r * 1.75, shoulderY + r * 2.35}) {
    p.drawRect(QRectF(c.x() - half + r * 0.2, y, half - r * 0.4, r * 0.2));
    p.drawRect(QRectF(c.x() + r * 0.2, y, half - r * 0.4, r * 0.2));
  }
}

void DrawHead(QPainter& p, const Person& who)
{
  const QPointF c = who.head;
  const qreal r = who.radius;
  p.setPen(Qt::NoPen);
  p.setBrush(who.skin.darker(106));
  p.drawEllipse(c + QPointF(-r * 0.98, r * 0.08), r * 0.18, r * 0.26);
  p.drawEllipse(c + QPointF(r * 0.98, r * 0.08), r * 0.18, r * 0.26);
  p.setBrush(who.skin);
  p.drawEllipse(c, r * 0.96, r * 1.08);

  const qreal shift = who.gaze * r;
  p.setBrush(QColor(40, 32, 30));
  p.drawEllipse(c + QPointF(-r * 0.36 + shift, r * 0.02), r * 0.085, r * 0.11);
  p.drawEllipse(c + QPointF(r * 0.36 + shift, r * 0.02), r * 0.085, r * 0.11);
  p.setPen(QPen(who.hair.isValid() ? who.hair.darker(110) : QColor(60, 40, 30), r * 0.07, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-r * 0.5 + shift, -r * 0.2), c + QPointF(-r * 0.22 + shift, -r * 0.24));
  p.drawLine(c + QPointF(r * 0.22 + shift, -r * 0.24), c + QPointF(r * 0.5 + shift, -r * 0.2));
  p.setPen(QPen(who.skin.darker(135), r * 0.06, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(shift * 1.2, r * 0.12), c + QPointF(shift * 1.2 + r * 0.06, r * 0.3));
  p.setPen(QPen(QColor(150, 60, 60), r * 0.07, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - r * 0.3 + shift, c.y() + r * 0.2, r * 0.6, r * 0.42), 200 * 16, 140 * 16);
  DrawHair(p, who, false);
}

void DrawArm(QPainter& p, const QColor& sleeve, const QColor& skin, const QPointF& shoulder, const QPointF& elbow,
             const QPointF& hand, qreal thickness)
{
  p.setPen(QPen(sleeve, thickness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath arm;
  arm.moveTo(shoulder);
  arm.lineTo(elbow);
  arm.lineTo(hand);
  p.drawPath(arm);
  p.setPen(Qt::NoPen);
  p.setBrush(skin);
  p.drawEllipse(hand, thickness * 0.52, thickness * 0.48);
}

void DrawRoom(QPainter& p)
{
  QLinearGradient wall(0, 0, 0, 700);
  wall.setColorAt(0.0, QColor(232, 237, 242));
  wall.setColorAt(1.0, QColor(206, 218, 228));
  p.fillRect(QRectF(0, 0, 678, 1017), wall);

  // Window with sky and hills.
  const QRectF window(44, 150, 236, 250);
  p.setPen(Qt::NoPen);
  p.setBrush(White);
  p.drawRect(window.adjusted(-10, -10, 10, 10));
  QLinearGradient sky(0, window.top(), 0, window.bottom());
  sky.setColorAt(0.0, QColor(150, 196, 236));
  sky.setColorAt(1.0, QColor(214, 234, 248));
  p.setBrush(sky);
  p.drawRect(window);
  p.save();
  p.setClipRect(window);
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawEllipse(QPointF(110, 205), 38, 14);
  p.drawEllipse(QPointF(140, 196), 30, 16);
  p.drawEllipse(QPointF(220, 250), 30, 10);
  p.setBrush(QColor(140, 186, 120));
  p.drawEllipse(QPointF(90, 420), 150, 70);
  p.setBrush(QColor(112, 164, 98));
  p.drawEllipse(QPointF(260, 430), 140, 80);
  p.restore();
  p.setBrush(White);
  p.drawRect(QRectF(window.center().x() - 4, window.top(), 8, window.height()));
  p.drawRect(QRectF(window.left(), window.center().y() - 4, window.width(), 8));
  p.setBrush(QColor(246, 246, 246));
  p.drawRect(QRectF(window.left() - 18, window.bottom() + 8, window.width() + 36, 10));

  // A chart on the wall: costs falling, savings rising.
  const QRectF board(402, 150, 226, 170);
  p.setBrush(QColor(90, 90, 96));
  p.drawRect(board.adjusted(-7, -7, 7, 7));
  p.setBrush(White);
  p.drawRect(board);
  p.setBrush(BlueColour);
  p.drawRect(QRectF(board.left(), board.top(), board.width(), 18));
  const qreal base = board.bottom() - 18;
  const qreal heights[] = {108, 86, 66, 48};
  for (int i = 0; i < 4; ++i) {
    p.setBrush(i < 2 ? SlateBlueColour : OrangeColour);
    p.drawRect(QRectF(board.left() + 22 + i * 48, base - heights[i], 30, heights[i]));
  }
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.drawLine(QPointF(board.left() + 12, base), QPointF(board.right() - 12, base));
  p.setPen(QPen(QColor(46, 160, 90), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath trend;
  trend.moveTo(board.left() + 30, base - 30);
  trend.cubicTo(board.left() + 90, base - 40, board.left() + 140, base - 80, board.right() - 22, base - 120);
  p.drawPath(trend);

  // Pendant lamp.
  p.setPen(QPen(QColor(70, 70, 70), 3));
  p.drawLine(QPointF(339, 0), QPointF(339, 72));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 244, 200, 120));
  p.drawEllipse(QPointF(339, 118), 46, 16);
  p.setBrush(DarkBlueColour);
  p.drawPolygon(QPolygonF() << QPointF(318, 72) << QPointF(360, 72) << QPointF(390, 116) << QPointF(288, 116));
  p.setBrush(QColor(255, 236, 170));
  p.drawChord(QRectF(318, 104, 42, 24), 180 * 16, 180 * 16);

  // Floor.
  QLinearGradient floor(0, 880, 0, 1017);
  floor.setColorAt(0.0, QColor(196, 164, 124));
  floor.setColorAt(1.0, QColor(176, 142, 102));
  p.fillRect(QRectF(0, 880, 678, 137), floor);
  p.setPen(QPen(QColor(160, 128, 92), 2));
  for (qreal y : {920.0, 966.0})
    p.drawLine(QPointF(0, y), QPointF(678, y));
  p.setPen(QPen(QColor(216, 204, 188), 6));
  p.drawLine(QPointF(0, 880), QPointF(678, 880));
}

void DrawDesk(QPainter& p)
{
  p.setPen(Qt::NoPen);
  // Shadow on the floor.
  p.setBrush(QColor(120, 96, 70, 110));
  p.drawEllipse(QPointF(339, 946), 330, 26);
  // Top, seen a little from above.
  QLinearGradient top(0, 650, 0, 700);
  top.setColorAt(0.0, QColor(236, 226, 210));
  top.setColorAt(1.0, QColor(220, 206, 186));
  p.setBrush(top);
  p.drawPolygon(QPolygonF() << QPointF(60, 650) << QPointF(618, 650) << QPointF(662, 704) << QPointF(16, 704));
  p.setBrush(QColor(190, 172, 148));
  p.drawRect(QRectF(16, 704, 646, 14));
}

void DrawDeskFront(QPainter& p)
{
  p.setPen(Qt::NoPen);
  QLinearGradient panel(0, 718, 0, 940);
  panel.setColorAt(0.0, SlateBlueColour);
  panel.setColorAt(1.0, SlateBlueColour.darker(125));
  // Two pedestals with drawers and a recessed middle.
  p.setBrush(panel);
  p.drawRect(QRectF(30, 718, 190, 222));
  p.drawRect(QRectF(458, 718, 190, 222));
  p.setBrush(SlateBlueColour.darker(160));
  p.drawRect(QRectF(220, 718, 238, 200));
  p.setBrush(SlateBlueColour.darker(130));
  p.drawRect(QRectF(220, 718, 238, 30));
  for (qreal x : {30.0, 458.0}) {
    for (int i = 0; i < 3; ++i) {
      const QRectF drawer(x + 12, 730 + i * 68, 166, 60);
      p.setPen(QPen(SlateBlueColour.lighter(125), 2));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(drawer, 4, 4);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(225, 228, 232));
      p.drawRoundedRect(QRectF(drawer.center().x() - 26, drawer.top() + 12, 52, 8), 4, 4);
    }
  }
}

void DrawLaptop(QPainter& p)
{
  p.setPen(Qt::NoPen);
  // The lid is seen from behind; the team looks at the screen.
  QLinearGradient lid(250, 0, 430, 0);
  lid.setColorAt(0.0, QColor(176, 184, 194));
  lid.setColorAt(0.5, QColor(214, 220, 228));
  lid.setColorAt(1.0, QColor(170, 178, 190));
  p.setBrush(lid);
  QPainterPath shell;
  shell.moveTo(262, 532);
  shell.lineTo(418, 532);
  shell.quadTo(426, 532, 425, 540);
  shell.lineTo(432, 664);
  shell.lineTo(248, 664);
  shell.lineTo(255, 540);
  shell.quadTo(254, 532, 262, 532);
  p.drawPath(shell);
  p.setBrush(QColor(120, 128, 140));
  p.drawRoundedRect(QRectF(236, 662, 208, 10), 4, 4);
  // Sticker on the lid: a white cross on an orange disc.
  p.setBrush(OrangeColour);
  p.drawEllipse(QPointF(340, 596), 24, 24);
  p.setBrush(White);
  p.drawRect(QRectF(334, 582, 12, 28));
  p.drawRect(QRectF(326, 590, 28, 12));
}

void DrawDeskItems(QPainter& p)
{
  p.setPen(Qt::NoPen);
  // Papers.
  p.save();
  p.translate(120, 672);
  p.rotate(-8);
  p.setBrush(QColor(244, 244, 240));
  p.drawRect(QRectF(-56, -22, 100, 40));
  p.rotate(12);
  p.setBrush(White);
  p.drawRect(QRectF(-50, -20, 100, 40));
  p.setPen(QPen(QColor(170, 180, 200), 2));
  for (int i = 0; i < 4; ++i)
    p.drawLine(QPointF(-40, -10 + i * 8), QPointF(i == 3 ? 10 : 38, -10 + i * 8));
  p.restore();

  // Mug.
  p.setPen(QPen(BlueColour, 6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(506, 650), 12, 13);
  p.setPen(Qt::NoPen);
  p.setBrush(BlueColour);
  p.drawRoundedRect(QRectF(462, 626, 42, 52), 6, 6);
  p.setBrush(White);
  p.drawEllipse(QPointF(483, 650), 9, 9);
  p.setBrush(BlueColour);
  p.drawRect(QRectF(481, 642, 4, 16));
  p.drawRect(QRectF(475, 648, 16, 4));

  // Plant.
  p.setBrush(QColor(58, 132, 84));
  for (int i = 0; i < 7; ++i) {
    p.save();
    p.translate(590, 604);
    p.rotate(-75 + i * 25);
    p.drawEllipse(QPointF(0, -34), 11, 34);
    p.restore();
  }
  p.setBrush(QColor(84, 160, 104));
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(590, 608);
    p.rotate(-45 + i * 30);
    p.drawEllipse(QPointF(0, -26), 8, 26);
    p.restore();
  }
  p.setBrush(QColor(196, 110, 60));
  p.drawPolygon(QPolygonF() << QPointF(562, 604) << QPointF(618, 604) << QPointF(610, 676) << QPointF(570, 676));
  p.setBrush(QColor(176, 96, 50));
  p.drawRect(QRectF(558, 600, 64, 12));
}

QImage TeamPicture()
{
  const Person leader{{144, 430}, 44, QColor(198, 134, 96), QColor(40, 30, 24), QColor(70, 90, 110), 158,
                      Person::HardHat, 0.22};
  const Person typist{{318, 452}, 46, QColor(241, 200, 168), QColor(120, 64, 30), BlueColour.lighter(125), 172,
                      Person::Long, 0.0};
  const Person pointer{{508, 398}, 44, QColor(141, 90, 60), QColor(28, 22, 20), OrangeColour, 160, Person::Short,
                       -0.22};

  return Render(678, 1017, 2, false, [&](QPainter& p) {
    DrawRoom(p);

    DrawBody(p, pointer, 700);
    DrawHead(p, pointer);
    DrawBody(p, leader, 700);
    DrawHighVisVest(p, leader, 700);
    DrawHead(p, leader);
    DrawBody(p, typist, 700);
    DrawHead(p, typist);

    DrawDesk(p);
    // The typist's forearms rest on the desk and reach under the lid.
    const QColor typistSleeve = typist.shirt.darker(108);
    DrawArm(p, typistSleeve, typist.skin, {246, 548}, {232, 636}, {286, 648}, 30);
    DrawArm(p, typistSleeve, typist.skin, {392, 548}, {404, 636}, {356, 648}, 30);
    DrawLaptop(p);
    DrawDeskItems(p);
    DrawDeskFront(p);

    // The leader holds a clipboard; the colleague on the right points at the screen.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 110, 70));
    p.drawRoundedRect(QRectF(104, 548, 86, 104), 5, 5);
    p.setBrush(White);
    p.drawRect(QRectF(112, 560, 70, 86));
    p.setBrush(QColor(120, 120, 128));
    p.drawRoundedRect(QRectF(130, 542, 34, 12), 3, 3);
    p.setPen(QPen(QColor(150, 160, 180), 2));
    for (int i = 0; i < 5; ++i)
      p.drawLine(QPointF(120, 576 + i * 13), QPointF(i % 2 ? 160 : 172, 576 + i * 13));
    p.setPen(QPen(QColor(46, 160, 90), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(120, 572), QPointF(124, 577));
    p.drawLine(QPointF(124, 577), QPointF(131, 568));
    DrawArm(p, leader.shirt.darker(105), leader.skin, {76, 512}, {86, 600}, {112, 612}, 26);
    DrawArm(p, leader.shirt.darker(105), leader.skin, {212, 512}, {204, 596}, {180, 606}, 26);

    DrawArm(p, pointer.shirt.darker(106), pointer.skin, {440, 482}, {416, 556}, {392, 530}, 28);
    p.setPen(QPen(pointer.skin, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(388, 526), QPointF(376, 512));
  });
}

// ---------------------------------------------------------------------------------------------

struct PictureJob {
  int number;
  FileKind kind;
  std::function<QImage()> make;
};

bool CheckFace()
{
  const QFontInfo info{QFont(FaceName)};
  if (info.family() == QLatin1String(FaceName))
    return true;
  std::fprintf(stderr, "make_pictures: the %s face is not installed (got %s)\n", FaceName,
               info.family().toLocal8Bit().constData());
  return false;
}

}  // namespace

int main(int argc, char* argv[])
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures <output folder>\n");
    return 2;
  }
  if (!CheckFace())
    return 1;
  const QString folder = QString::fromLocal8Bit(argv[1]);

  const auto footer = [](auto glyph, const IconLook& look) { return [=] { return FooterIcon(glyph, look); }; };
  const auto saveCurrent = [](QPainter& p, const IconLook& look) { DrawDisk(p, look); DrawBadge(p, look, false); };
  const auto saveAsNew = [](QPainter& p, const IconLook& look) { DrawDisk(p, look); DrawBadge(p, look, true); };
  const auto help = [](const QColor& row) { return [=] { return HelpIcon(row); }; };

  const PictureJob jobs[] = {
      {13, FileKind::Png, TeamPicture},
      {14, FileKind::Jpeg, [] { return StepButton("CONTINUE", true, OrangeColour); }},
      {15, FileKind::Jpeg, [] { return StepButton("CONTINUE", true, PressedOrange); }},
      {16, FileKind::Jpeg, [] { return StepButton("GO BACK", false, OrangeColour); }},
      {17, FileKind::Jpeg, [] { return StepButton("GO BACK", false, PressedOrange); }},
      {25, FileKind::Png, footer(saveCurrent, NormalIcon)},
      {26, FileKind::Png, footer(saveCurrent, HoverIcon)},
      {27, FileKind::Png, footer(saveAsNew, NormalIcon)},
      {28, FileKind::Png, footer(saveAsNew, HoverIcon)},
      {29, FileKind::Png, footer(DrawPrinter, NormalIcon)},
      {30, FileKind::Png, footer(DrawPrinter, HoverIcon)},
      {32, FileKind::Png, footer(DrawWasteBin, NormalIcon)},
      {33, FileKind::Png, footer(DrawWasteBin, HoverIcon)},
      {36, FileKind::Png, [] { return ReturnButton(OrangeColour); }},
      {37, FileKind::Png, [] { return ReturnButton(PressedOrange); }},
      {40, FileKind::Png, help(PageColour)},
      {41, FileKind::Png, help(LightGreyColour)},
      {42, FileKind::Png, help(HeadingGreyColour)},
      {43, FileKind::Png, help(BlueGreyColour)},
      {44, FileKind::Png, help(MidBlueColour)},
      {45, FileKind::Png, help(SlateBlueColour)},
      {47, FileKind::Png, help(LightGreenColour)},
      {48, FileKind::Png, [] { return RetrieveBanner(BlueColour, OrangeColour); }},
      {49, FileKind::Png, [] { return RetrieveBanner(DarkBlueColour, QColor(255, 186, 110)); }},
      {50, FileKind::Png, EnterButton},
      {51, FileKind::Png, help(BlueColour)},
      {52, FileKind::PngWithAlpha, ProgramBanner},
      {53, FileKind::Png, help(GreyColour)},
  };

  bool allSaved = true;
  for (const PictureJob& job : jobs)
    allSaved = SavePicture(folder, job.number, job.kind, job.make()) && allSaved;
  return allSaved ? 0 : 1;
}
