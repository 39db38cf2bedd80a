// Shared by the picture, drawing and printing tests: the platform started once per process, and a look
// at where a picture holds ink.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/platform.h"

namespace drawing_tests {

class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    pf::InitPlatform(argc, argv);
  }
};

// The smallest rectangle holding every pixel that differs from `background`; w = 0 when there is none.
inline pf::Rect InkBox(int picture, pf::Rgb background) {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  for (int y = 0; y < pf::PictureHeight(picture); ++y)
    for (int x = 0; x < pf::PictureWidth(picture); ++x)
      if (pf::PicturePixel(picture, x, y) != background) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  if (right < 0) return {};
  return pf::Rect{left, top, right - left + 1, bottom - top + 1};
}

inline int CountPixels(int picture, pf::Rgb colour) {
  int n = 0;
  for (int y = 0; y < pf::PictureHeight(picture); ++y)
    for (int x = 0; x < pf::PictureWidth(picture); ++x) n += pf::PicturePixel(picture, x, y) == colour;
  return n;
}

}  // namespace drawing_tests
