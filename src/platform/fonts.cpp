// The table of numbered fonts. Faces are mapped to installed families with the same metrics where one
// exists, so text widths (and with them the layout of tabs and captions) are the same on every machine.
#include <QFont>
#include <QFontInfo>
#include <QString>
#include <cmath>
#include <map>

#include "platform/registry.h"

namespace pf::detail {
namespace {

struct FaceMapping {
  const char* face;    // as the program names it, compared without regard to case
  const char* family;  // installed family
};
constexpr FaceMapping kFaces[] = {
    {"arial", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"arial narrow", "Liberation Sans Narrow"},
    {"calibri", "Carlito"},
    {"rockwell", "Roboto Slab"},
    {"verdana", "DejaVu Sans"},
    {"gothic", "DejaVu Sans"},
    {"quicktype", "DejaVu Sans"},
    {"ms shell dlg", "DejaVu Sans"},
};

// Never destroyed: fonts must not outlive the toolkit's font cache at process exit.
std::map<int, QFont>& Fonts() {
  static auto* fonts = new std::map<int, QFont>;
  return *fonts;
}

int StoreFont(int number, QFont font) {
  auto& t = Fonts();
  if (number == kAutoNumber) {
    number = 5000;
    while (t.count(number)) ++number;
  }
  if (number <= 0) return 0;
  t[number] = std::move(font);
  return number;
}

}  // namespace

QString InstalledFamily(const std::string& face) {
  const QString wanted = QString::fromStdString(face).trimmed().toLower();
  for (const auto& m : kFaces)
    if (wanted == QLatin1String(m.face)) return QString::fromLatin1(m.family);
  return QString::fromStdString(face);
}

// Text is drawn sharp, without anti-aliasing, but for the metric twins at small sizes: there their
// zeros come out with a pixel standing out at each side of the middle, where the next zero's meets it,
// so that a row of zeros ("20000") reads as struck through. Their edges are smoothed instead; the widths
// stay as they are.
void ChooseSmoothing(QFont& font) {
  constexpr int kSharpFrom = 14;  // pixels
  const QString family = font.family();
  const bool twin = family.startsWith(QLatin1String("Liberation"));
  // A narrow face drawn sharp loses the gaps between its letters at any size.
  const bool narrow = family.endsWith(QLatin1String("Narrow")) || family.endsWith(QLatin1String("Condensed"));
  font.setStyleStrategy((twin && font.pixelSize() < kSharpFrom) || narrow ? QFont::PreferAntialias
                                                                          : QFont::NoAntialias);
}

QFont MakeFont(const std::string& face, int pixelHeight, FontStyle style) {
  QFont f(InstalledFamily(face));
  f.setPixelSize(std::max(1, pixelHeight));
  f.setBold(style.bold);
  f.setItalic(style.italic);
  f.setUnderline(style.underline);
  ChooseSmoothing(f);
  return f;
}

const QFont* FindFont(int number) {
  auto it = Fonts().find(number);
  return it == Fonts().end() ? nullptr : &it->second;
}

QFont DefaultGadgetFont() {
  if (const QFont* f = FindFont(99)) return *f;
  return MakeFont("MS Shell Dlg", 11, {});
}

}  // namespace pf::detail

namespace pf {

int LoadFont(int number, const std::string& face, int points, FontStyle style) {
  // Points become a character height in pixels by the screen's dpi, as the desktop does for the screen.
  const int px = int(std::lround(points * ScreenDpiY() / 72.0));
  return detail::StoreFont(number, detail::MakeFont(face, px, style));
}

int LoadFontPixels(int number, const std::string& face, int pixelHeight, FontStyle style) {
  return detail::StoreFont(number, detail::MakeFont(face, pixelHeight, style));
}

bool FontExists(int font) { return detail::FindFont(font) != nullptr; }

std::string FontFamily(int font) {
  const QFont* f = detail::FindFont(font);
  return f ? QFontInfo(*f).family().toStdString() : std::string();
}

int FontPixelHeight(int font) {
  const QFont* f = detail::FindFont(font);
  return f ? f->pixelSize() : 0;
}

}  // namespace pf
