// The table of numbered pictures. Picture 0 is a blank 1 x 1 picture that exists from the start, so
// drawing on a cell that names no picture lands somewhere harmless.
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <future>
#include <map>

#include "platform/registry.h"

namespace pf::detail {
namespace {
struct PictureTable {
  std::map<int, QImage> pictures;
  std::future<std::vector<std::pair<int, QImage>>> pending;
  int next = 1000;
  PictureTable() {
    QImage zero(1, 1, QImage::Format_ARGB32);
    zero.fill(Qt::white);
    pictures[0] = zero;
  }
};
// Never destroyed: images must not outlive the toolkit at process exit.
PictureTable& Table() {
  static auto* t = new PictureTable;
  return *t;
}

// Pictures decoded ahead land before anything reads or replaces a picture, so a picture stored later
// is never overwritten by an earlier request.
PictureTable& Settled() {
  auto& t = Table();
  if (t.pending.valid()) {
    for (auto& [number, image] : t.pending.get()) t.pictures[number] = std::move(image);
  }
  return t;
}
}  // namespace

void StorePicturesWhenDecoded(std::future<std::vector<std::pair<int, QImage>>> pending) {
  Settled().pending = std::move(pending);
}

QImage* FindPicture(int number) {
  auto& t = Settled().pictures;
  auto it = t.find(number);
  return it == t.end() ? nullptr : &it->second;
}

// Stores an image under a number; kAutoNumber picks a fresh one. Picture 0 is never replaced.
QSize PictureSize(const QImage& image) {
  const QSizeF s = image.deviceIndependentSize();
  return QSize(int(std::lround(s.width())), int(std::lround(s.height())));
}

int StorePicture(int number, QImage image) {
  auto& t = Settled();
  if (number == 0) return 0;
  if (number == kAutoNumber) {
    while (t.pictures.count(t.next)) ++t.next;
    number = t.next++;
  }
  if (number < 0) return 0;
  t.pictures[number] = std::move(image);
  return number;
}

namespace {

// Device pixels per program pixel on the screen: text and lines drawn into a picture at this density stay
// as sharp as the controls beside it when the screen is scaled.
qreal ScreenRatio() { return qApp ? std::max<qreal>(1, qApp->devicePixelRatio()) : 1; }

int DevicePixels(int pixels, qreal ratio) { return std::max(1, int(std::ceil(pixels * ratio - 1e-6))); }

}  // namespace

}  // namespace pf::detail

namespace pf {
using detail::FindPicture;

int CreatePicture(int number, int w, int h, Rgb fill) {
  const qreal ratio = detail::ScreenRatio();
  QImage img(detail::DevicePixels(w, ratio), detail::DevicePixels(h, ratio), QImage::Format_ARGB32);
  img.setDevicePixelRatio(ratio);
  img.setDotsPerMeterX(3780);  // 96 dpi, whatever the screen says
  img.setDotsPerMeterY(3780);
  img.fill(QColor(Red(fill), Green(fill), Blue(fill)));
  return detail::StorePicture(number, std::move(img));
}

bool PictureExists(int picture) { return FindPicture(picture) != nullptr; }

int PictureWidth(int picture) {
  const QImage* p = FindPicture(picture);
  return p ? detail::PictureSize(*p).width() : 0;
}

int PictureHeight(int picture) {
  const QImage* p = FindPicture(picture);
  return p ? detail::PictureSize(*p).height() : 0;
}

// Scaled from the source's full detail to the screen's density, so a large picture shown smaller stays sharp.
void ResizePicture(int picture, int w, int h) {
  QImage* p = FindPicture(picture);
  if (!p || picture == 0 || w <= 0 || h <= 0) return;
  const qreal ratio = detail::ScreenRatio();
  QImage scaled = p->scaled(detail::DevicePixels(w, ratio), detail::DevicePixels(h, ratio),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(ratio);
  *p = std::move(scaled);
}

int CopyPicture(int number, int picture) {
  const QImage* p = FindPicture(picture);
  if (!p) return 0;
  return detail::StorePicture(number, p->copy());
}

// (x, y) in the program's pixels: the first device pixel of that place.
Rgb PicturePixel(int picture, int x, int y) {
  const QImage* p = FindPicture(picture);
  if (!p || x < 0 || y < 0) return 0;
  const qreal ratio = p->devicePixelRatio();
  const int dx = int(std::floor(x * ratio + 1e-6)), dy = int(std::floor(y * ratio + 1e-6));
  if (!p->valid(dx, dy)) return 0;
  return Rgb(p->pixel(dx, dy) & 0xFFFFFF);
}

bool SavePicturePng(int picture, const std::string& path) {
  const QImage* p = FindPicture(picture);
  return p && p->save(QString::fromStdString(path), "PNG");
}

}  // namespace pf
