// Which lettering reads on a box: the contrast of two colours, and black or white for a back colour.
#include <gtest/gtest.h>

#include "colouring/text_contrast.h"

namespace {

TEST(TextContrast, RatiosRunFromOneForEqualColoursToTwentyOneForBlackOnWhite) {
  const struct {
    pf::Rgb a, b;
    double ratio;
  } cases[] = {
      {0x000000, 0xFFFFFF, 21.0},
      {0xFFFFFF, 0x000000, 21.0},  // either order
      {0x3366CC, 0x3366CC, 1.0},
      {0x000000, 0x0034AB, 2.08},  // the totals' dark blue
      {0xFFFFFF, 0x0034AB, 10.10},
      {0x000000, 0x777777, 4.69},  // the grey where black and white read about the same
      {0xFFFFFF, 0x777777, 4.48},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01) << std::hex << c.a << " on " << c.b;
}

TEST(TextContrast, DarkBoxesTakeWhiteLetteringAndLightOnesBlack) {
  const struct {
    pf::Rgb back, text;
  } cases[] = {
      {0xFFFFFF, 0x000000}, {0x000000, 0xFFFFFF}, {0x0034AB, 0xFFFFFF},  // dark blue
      {0x32649B, 0xFFFFFF},                                              // slate blue
      {0x669ACC, 0x000000},                                              // mid blue
      {0x767676, 0x000000}, {0x757575, 0xFFFFFF},                        // either side of the turn
  };
  for (const auto& c : cases) EXPECT_EQ(ReadableTextColour(c.back), c.text) << std::hex << c.back;
}

}  // namespace
