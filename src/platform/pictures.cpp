// The table of numbered pictures. Picture 0 is a blank 1 x 1 picture that exists from the start, so
// drawing on a cell that names no picture lands somewhere harmless.
#include <QImage>
#include <algorithm>
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

}  // namespace pf::detail

namespace pf {
using detail::FindPicture;

int CreatePicture(int number, int w, int h, Rgb fill) {
  QImage img(std::max(1, w), std::max(1, h), QImage::Format_ARGB32);
  img.setDotsPerMeterX(3780);  // 96 dpi, whatever the screen says
  img.setDotsPerMeterY(3780);
  img.fill(QColor(Red(fill), Green(fill), Blue(fill)));
  return detail::StorePicture(number, std::move(img));
}

bool PictureExists(int picture) { return FindPicture(picture) != nullptr; }

int PictureWidth(int picture) {
  const QImage* p = FindPicture(picture);
  return p ? p->width() : 0;
}

int PictureHeight(int picture) {
  const QImage* p = FindPicture(picture);
  return p ? p->height() : 0;
}

void ResizePicture(int picture, int w, int h) {
  QImage* p = FindPicture(picture);
  if (!p || picture == 0 || w <= 0 || h <= 0) return;
  *p = p->scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int CopyPicture(int number, int picture) {
  const QImage* p = FindPicture(picture);
  if (!p) return 0;
  return detail::StorePicture(number, p->copy());
}

Rgb PicturePixel(int picture, int x, int y) {
  const QImage* p = FindPicture(picture);
  if (!p || !p->valid(x, y)) return 0;
  return Rgb(p->pixel(x, y) & 0xFFFFFF);
}

bool SavePicturePng(int picture, const std::string& path) {
  const QImage* p = FindPicture(picture);
  return p && p->save(QString::fromStdString(path), "PNG");
}

}  // namespace pf
