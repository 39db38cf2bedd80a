#include "shell/design_grid.h"

#include <cmath>

#include "shell/shell_globals.h"

LayoutScale ComputeLayoutScale(int clientWidth, int clientHeight, int dpiY) {
  LayoutScale s;
  s.scaleX = clientWidth / 1024.0;
  s.scaleY = clientHeight / 708.0;
  s.scaleMin = s.scaleX < s.scaleY ? s.scaleX : s.scaleY;
  s.fontScale = 96.0 / (dpiY > 0 ? dpiY : 96) * s.scaleMin;
  if (s.scaleMin <= 0.625) s.fontScale -= 0.01;
  s.homeScale = s.scaleMin / 1.55;
  if (s.scaleMin > 1.0) s.scaleMin = 1.0;
  return s;
}

int RoundHalfEven(double value) {
  const double lower = std::floor(value);
  const double diff = value - lower;
  if (diff > 0.5) return int(lower) + 1;
  if (diff < 0.5) return int(lower);
  const int l = int(lower);
  return (l % 2 == 0) ? l : l + 1;
}

int DX(double design) { return RoundHalfEven(design * ScaleX); }
int DY(double design) { return RoundHalfEven(design * ScaleY); }

int ScaledFontPoints(int points, double fontScale) {
  const double size = points * fontScale;
  return fontScale < 1.0 ? int(std::trunc(size)) : int(std::lround(size));
}

int DefaultFontPoints(double fontScale) {
  return fontScale <= 1.0 ? int(std::trunc(8 * fontScale)) : int(std::trunc(8 * fontScale + 0.99));
}
