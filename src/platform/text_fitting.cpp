#include "platform/text_fitting.h"

#include <QAbstractScrollArea>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "platform/registry.h"

namespace pf::detail {

namespace {

int PixelSize(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

QFont Sized(QFont font, const QString& family, int pixels) {
  if (!family.isEmpty()) font.setFamily(family);
  font.setPixelSize(std::max(1, pixels));
  ChooseSmoothing(font);
  return font;
}

int SmallestSize(int own) { return std::max(1, (3 * own + 3) / 4); }

}  // namespace

QString NarrowTwin(const QString& family) {
  if (family == QLatin1String("Liberation Sans")) return QStringLiteral("Liberation Sans Narrow");
  if (family == QLatin1String("DejaVu Sans")) return QStringLiteral("DejaVu Sans Condensed");
  if (family == QLatin1String("DejaVu Serif")) return QStringLiteral("DejaVu Serif Condensed");
  return {};
}

std::vector<QFont> SmallerFaces(const QFont& font) {
  std::vector<QFont> faces;
  const int own = PixelSize(font);
  const QString twin = NarrowTwin(QFontInfo(font).family());
  for (int size = own; size >= SmallestSize(own); --size) {
    if (twin.isEmpty() && size == own) continue;
    faces.push_back(Sized(font, twin, size));
  }
  return faces;
}

bool LaidText::Inside(const QRect& room) const {
  if (ink.isNull()) return true;  // only blanks: nothing is seen
  return room.contains(ink);
}

namespace {

// Where the letters of a text drawn into `room` land, found by drawing it: fonts place some marks (a
// star, an accent) well inside or outside the line the toolkit measures. Relative to the room's corner.
QRect InkOf(const QFont& font, const QString& text, const QSize& room, int flags) {
  static QHash<QString, QRect> cache;
  const QString key = font.key() + QLatin1Char('|') + QString::number(flags) + QLatin1Char('|') +
                      QString::number(room.width()) + QLatin1Char('x') + QString::number(room.height()) +
                      QLatin1Char('|') + text;
  if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;
  const QFontMetrics fm(font);
  const QRect box = fm.boundingRect(QRect(QPoint(0, 0), room), flags, text);
  const int margin = fm.height();  // room for letters that stand out of their line
  const QPoint origin(margin - std::min(0, box.left()), margin - std::min(0, box.top()));
  QImage image(std::max(box.right(), room.width()) + origin.x() + margin,
               std::max(box.bottom(), room.height()) + origin.y() + margin, QImage::Format_Alpha8);
  image.fill(0);
  {
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(origin, room), flags | Qt::TextDontClip, text);  // what runs out of the room too
  }
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] < 0x40) continue;  // the faint edge of a smoothed letter is not where it reads
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  const QRect ink = right < 0 ? QRect() : QRect(QPoint(left, top) - origin, QPoint(right, bottom) - origin);
  if (cache.size() > 20000) cache.clear();
  cache.insert(key, ink);
  return ink;
}

}  // namespace

LaidText LayOutText(const QFont& font, const QString& text, const QRect& room, int flags) {
  const QFontMetrics fm(font);
  LaidText laid{font, flags, fm.boundingRect(room, flags, text), {}};
  const QRect ink = InkOf(font, text, room.size(), flags);
  if (ink.isNull()) {
    laid.box = {};  // only blanks: nothing is seen
    return laid;
  }
  laid.ink = ink.translated(room.topLeft());
  return laid;
}

LaidText FitText(const QFont& font, const QString& text, const QRect& room, int flags) {
  LaidText laid = LayOutText(font, text, room, flags);
  if (laid.Inside(room)) return laid;
  const std::vector<QFont> faces = SmallerFaces(font);
  for (const QFont& face : faces) {
    laid = LayOutText(face, text, room, flags);
    if (laid.Inside(room)) return laid;
  }
  const bool oneLine = !(flags & Qt::TextWordWrap);
  if (oneLine && room.height() >= 2 * QFontMetrics(faces.empty() ? font : faces.back()).lineSpacing()) {
    const int wrapped = flags | Qt::TextWordWrap;
    const LaidText last = laid;
    laid = LayOutText(font, text, room, wrapped);
    if (laid.Inside(room)) return laid;
    for (const QFont& face : faces) {
      laid = LayOutText(face, text, room, wrapped);
      if (laid.Inside(room)) return laid;
    }
    return last;  // a text that fits nowhere keeps to its line
  }
  return laid;
}

QRect SeenRect(const QWidget* w) {
  QRect seen = w->rect();
  const QWidget* child = w;
  for (const QWidget* p = w->parentWidget(); p && !child->isWindow(); child = p, p = p->parentWidget()) {
    // The viewport of a scroll area shows a part of the canvas; scrolling brings the rest.
    if (qobject_cast<const QAbstractScrollArea*>(p->parentWidget()) &&
        static_cast<const QAbstractScrollArea*>(p->parentWidget())->viewport() == p)
      break;
    seen &= QRect(w->mapFrom(p, QPoint(0, 0)), p->size());
  }
  return seen;
}

}  // namespace pf::detail
