// The home page illustration (678 x 1017): a team around a laptop, drawn with plain shapes.

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include "picture_kit.h"

namespace pictures {

namespace {

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

void DrawHair(QPainter& p, const Person& who, bool behindHead) {
  const QPointF c = who.head;
  const qreal r = who.radius;
  p.setPen(Qt::NoPen);
  if (who.hairStyle == Person::Long && behindHead) {
    p.setBrush(who.hair);
    QPainterPath back;
    back.addRoundedRect(QRectF(c.x() - r * 1.15, c.y() - r * 1.1, r * 2.3, r * 2.5), r * 0.9, r * 0.9);
    p.drawPath(back);
  }
  if (behindHead) return;
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

void DrawBody(QPainter& p, const Person& who, qreal bottom) {
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
  p.drawPolygon(QPolygonF() << QPointF(c.x() - r * 0.42, shoulderY - 1)
                            << QPointF(c.x() + r * 0.42, shoulderY - 1)
                            << QPointF(c.x(), shoulderY + r * 0.55));
  p.setBrush(who.shirt.lighter(125));
  p.drawPolygon(QPolygonF() << QPointF(c.x() - r * 0.5, shoulderY - 2)
                            << QPointF(c.x() - r * 0.05, shoulderY + r * 0.6)
                            << QPointF(c.x() - r * 0.3, shoulderY + r * 0.62)
                            << QPointF(c.x() - r * 0.68, shoulderY + 1));
  p.drawPolygon(QPolygonF() << QPointF(c.x() + r * 0.5, shoulderY - 2)
                            << QPointF(c.x() + r * 0.05, shoulderY + r * 0.6)
                            << QPointF(c.x() + r * 0.3, shoulderY + r * 0.62)
                            << QPointF(c.x() + r * 0.68, shoulderY + 1));
}

void DrawHighVisVest(QPainter& p, const Person& who, qreal bottom) {
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

void DrawHead(QPainter& p, const Person& who) {
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
  p.setPen(QPen(who.hair.isValid() ? who.hair.darker(110) : QColor(60, 40, 30), r * 0.07, Qt::SolidLine,
                Qt::RoundCap));
  p.drawLine(c + QPointF(-r * 0.5 + shift, -r * 0.2), c + QPointF(-r * 0.22 + shift, -r * 0.24));
  p.drawLine(c + QPointF(r * 0.22 + shift, -r * 0.24), c + QPointF(r * 0.5 + shift, -r * 0.2));
  p.setPen(QPen(who.skin.darker(135), r * 0.06, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(shift * 1.2, r * 0.12), c + QPointF(shift * 1.2 + r * 0.06, r * 0.3));
  p.setPen(QPen(QColor(150, 60, 60), r * 0.07, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - r * 0.3 + shift, c.y() + r * 0.2, r * 0.6, r * 0.42), 200 * 16, 140 * 16);
  DrawHair(p, who, false);
}

void DrawArm(QPainter& p, const QColor& sleeve, const QColor& skin, const QPointF& shoulder,
             const QPointF& elbow, const QPointF& hand, qreal thickness) {
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

void DrawRoom(QPainter& p) {
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
  p.drawPolygon(QPolygonF() << QPointF(318, 72) << QPointF(360, 72) << QPointF(390, 116)
                            << QPointF(288, 116));
  p.setBrush(QColor(255, 236, 170));
  p.drawChord(QRectF(318, 104, 42, 24), 180 * 16, 180 * 16);

  // Floor.
  QLinearGradient floor(0, 880, 0, 1017);
  floor.setColorAt(0.0, QColor(196, 164, 124));
  floor.setColorAt(1.0, QColor(176, 142, 102));
  p.fillRect(QRectF(0, 880, 678, 137), floor);
  p.setPen(QPen(QColor(160, 128, 92), 2));
  for (qreal y : {920.0, 966.0}) p.drawLine(QPointF(0, y), QPointF(678, y));
  p.setPen(QPen(QColor(216, 204, 188), 6));
  p.drawLine(QPointF(0, 880), QPointF(678, 880));
}

void DrawDesk(QPainter& p) {
  p.setPen(Qt::NoPen);
  // Shadow on the floor.
  p.setBrush(QColor(120, 96, 70, 110));
  p.drawEllipse(QPointF(339, 946), 330, 26);
  // Top, seen a little from above.
  QLinearGradient top(0, 650, 0, 700);
  top.setColorAt(0.0, QColor(236, 226, 210));
  top.setColorAt(1.0, QColor(220, 206, 186));
  p.setBrush(top);
  p.drawPolygon(QPolygonF() << QPointF(60, 650) << QPointF(618, 650) << QPointF(662, 704)
                            << QPointF(16, 704));
  p.setBrush(QColor(190, 172, 148));
  p.drawRect(QRectF(16, 704, 646, 14));
}

void DrawDeskFront(QPainter& p) {
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

void DrawLaptop(QPainter& p) {
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

void DrawDeskItems(QPainter& p) {
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
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(-40, -10 + i * 8), QPointF(i == 3 ? 10 : 38, -10 + i * 8));
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
  p.drawPolygon(QPolygonF() << QPointF(562, 604) << QPointF(618, 604) << QPointF(610, 676)
                            << QPointF(570, 676));
  p.setBrush(QColor(176, 96, 50));
  p.drawRect(QRectF(558, 600, 64, 12));
}

}  // namespace

QImage TeamPicture() {
  const Person leader{{144, 430},          44,  QColor(198, 134, 96), QColor(40, 30, 24),
                      QColor(70, 90, 110), 158, Person::HardHat,      0.22};
  const Person typist{
      {318, 452},   46, QColor(241, 200, 168), QColor(120, 64, 30), BlueColour.lighter(125), 172,
      Person::Long, 0.0};
  const Person pointer{{508, 398},   44,  QColor(141, 90, 60), QColor(28, 22, 20),
                       OrangeColour, 160, Person::Short,       -0.22};

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

}  // namespace pictures
