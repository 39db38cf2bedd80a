// Draws the numbered pictures that are built into the program and writes them as
// picture_<number>.png / picture_<number>.jpg into the given folder.
//
//   make_pictures <folder>        (normally src/assets/pictures)
//
// The output is committed; run this again only when the artwork changes. Everything is drawn
// with shapes and the Liberation Sans face, so the result does not depend on any other files.

#include <QFontInfo>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>
#include <functional>

#include "picture_kit.h"

namespace {

using namespace pictures;

// The darker face of a two-state button.
const QColor PressedOrange(214, 118, 28);

enum class FileKind { Png, PngWithAlpha, Jpeg };

bool SavePicture(const QString& folder, int number, FileKind kind, const QImage& image) {
  const bool jpeg = kind == FileKind::Jpeg;
  const QString path = QStringLiteral("%1/picture_%2.%3").arg(folder).arg(number).arg(jpeg ? "jpg" : "png");
  const bool saved = jpeg ? image.save(path, "JPEG", 92) : image.save(path, "PNG");
  if (!saved) std::fprintf(stderr, "make_pictures: cannot write %s\n", path.toLocal8Bit().constData());
  return saved;
}

// ---------------------------------------------------------------------------------------------
// Buttons of the step footers (140 x 32) and the Understanding page's return button (290 x 32)

void DrawButtonFace(QPainter& p, const QRectF& box, const QColor& face) {
  p.fillRect(QRectF(0, 0, box.right() + box.left(), box.bottom() + box.top()), BlueColour);
  QLinearGradient shade(box.topLeft(), box.bottomLeft());
  shade.setColorAt(0.0, face.lighter(118));
  shade.setColorAt(0.5, face);
  shade.setColorAt(1.0, face.darker(112));
  p.setPen(QPen(face.darker(135), 1.0));
  p.setBrush(shade);
  p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

QImage StepButton(const QString& caption, bool forward, const QColor& face) {
  return Render(140, 32, 1, false, [&](QPainter& p) {
    DrawButtonFace(p, QRectF(1, 1, 138, 30), face);
    const QRectF arrowBox = forward ? QRectF(110, 9, 20, 14) : QRectF(10, 9, 20, 14);
    const QRectF textBox = forward ? QRectF(8, 1, 100, 30) : QRectF(32, 1, 100, 30);
    DrawBlockArrow(p, arrowBox, forward, White);
    DrawCentredText(p, textBox, caption, FittedFont(caption, true, textBox.width() - 4, 15), White);
  });
}

// The bent arrow of an Enter key.
void DrawEnterArrow(QPainter& p, const QRectF& box, const QColor& colour) {
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

QImage EnterButton() {
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
void DrawReturnArrow(QPainter& p, const QRectF& box, const QColor& colour) {
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

QImage ReturnButton(const QColor& face) {
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

void DrawDisk(QPainter& p, const IconLook& look) {
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

void DrawBadge(QPainter& p, const IconLook& look, bool plus) {
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

void DrawPrinter(QPainter& p, const IconLook& look) {
  p.setPen(Qt::NoPen);
  p.setBrush(look.glyph);
  p.drawRect(QRectF(12, 4.5, 14, 7));  // paper waiting at the back
  p.drawRoundedRect(QRectF(5.5, 11, 27, 12.5), 2.5, 2.5);
  p.setBrush(BlueColour);
  p.drawRect(QRectF(9, 19, 20, 2));  // the slot
  p.setBrush(look.glyph);
  p.setPen(QPen(BlueColour, 1.0));
  p.drawRect(QRectF(11.5, 20, 15, 9));  // the printed sheet
  p.setPen(QPen(BlueColour, 0.9));
  p.drawLine(QPointF(14, 23.2), QPointF(24, 23.2));
  p.drawLine(QPointF(14, 26), QPointF(21.5, 26));
  p.setPen(Qt::NoPen);
  p.setBrush(look.glyph == White ? OrangeColour : White);
  p.drawEllipse(QPointF(28.5, 14.8), 1.3, 1.3);
}

void DrawWasteBin(QPainter& p, const IconLook& look) {
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
  for (qreal x : {15.0, 19.0, 23.0}) p.drawLine(QPointF(x, 14.5), QPointF(x + (19.0 - x) * 0.08, 25.8));
}

QImage FooterIcon(const std::function<void(QPainter&, const IconLook&)>& glyph, const IconLook& look) {
  return Render(38, 32, 4, false, [&](QPainter& p) {
    p.fillRect(QRectF(0, 0, 38, 32), BlueColour);
    glyph(p, look);
  });
}

// ---------------------------------------------------------------------------------------------
// Help icons (26 x 25): a question mark in a circle, on the colour of the row it sits on.

bool IsDark(const QColor& colour) {
  return 0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue() < 160;
}

QImage HelpIcon(const QColor& rowColour) {
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

QImage RetrieveBanner(const QColor& back, const QColor& arrows) {
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
    if (firstFont.pointSizeF() < font.pointSizeF()) font = firstFont;
    DrawCentredText(p, QRectF(60, 4, 380, 18.5), first, font, White);
    DrawCentredText(p, QRectF(60, 22.5, 380, 18.5), second, font, White);
  });
}

// ---------------------------------------------------------------------------------------------
// The program's banner (400 x 160, transparent) for the home page's dark blue band

void DrawQuillMark(QPainter& p) {
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

// Everything lies in the left 400 pixels: the home page puts its title box 260 design units from the
// left edge and shows the banner at a scale of at most 1/1.55 of the design grid, so 400 pixels always end
// before the title begins. 160 pixels high fits the banner band in the same way.
QImage ProgramBanner() {
  return Render(400, 160, 2, true, [](QPainter& p) {
    p.save();
    p.translate(2, 14);
    p.scale(0.82, 0.82);
    DrawQuillMark(p);
    p.restore();
    const QString first = QStringLiteral("QUILLMARK");
    const QString second = QStringLiteral("DERORERE");
    const qreal left = 156;
    const qreal room = 392 - left;
    QFont big = FittedFont(first, true, room, 60);
    const QFont other = FittedFont(second, true, room, 60);
    if (other.pointSizeF() < big.pointSizeF()) big = other;
    p.setFont(big);
    p.setPen(White);
    p.drawText(QPointF(left, 68), first);
    p.setPen(OrangeColour);
    p.drawText(QPointF(left, 124), second);
    p.fillRect(QRectF(left + 2, 136, room - 4, 3.5), OrangeColour);
  });
}

// ---------------------------------------------------------------------------------------------

struct PictureJob {
  int number;
  FileKind kind;
  std::function<QImage()> make;
};

bool CheckFace() {
  const QFontInfo info{QFont(FaceName)};
  if (info.family() == QLatin1String(FaceName)) return true;
  std::fprintf(stderr, "make_pictures: the %s face is not installed (got %s)\n", FaceName,
               info.family().toLocal8Bit().constData());
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures <output folder>\n");
    return 2;
  }
  if (!CheckFace()) return 1;
  const QString folder = QString::fromLocal8Bit(argv[1]);

  const auto footer = [](auto glyph, const IconLook& look) {
    return [=] { return FooterIcon(glyph, look); };
  };
  const auto saveCurrent = [](QPainter& p, const IconLook& look) {
    DrawDisk(p, look);
    DrawBadge(p, look, false);
  };
  const auto saveAsNew = [](QPainter& p, const IconLook& look) {
    DrawDisk(p, look);
    DrawBadge(p, look, true);
  };
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
