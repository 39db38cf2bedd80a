#include <gtest/gtest.h>

#include "shell/design_grid.h"

TEST(DesignGrid, ScalesForWindowSizesAndScreens) {
  struct Case {
    int w, h, dpi;
    double scaleX, scaleY, scaleMin, fontScale;
  };
  const Case cases[] = {
      {1024, 708, 96, 1.0, 1.0, 1.0, 1.0},
      {1280, 708, 96, 1.25, 1.0, 1.0, 1.0},
      {640, 443, 96, 0.625, 443 / 708.0, 0.625, 0.615},
      {641, 444, 96, 641 / 1024.0, 444 / 708.0, 641 / 1024.0, 641 / 1024.0},
      {1024, 708, 120, 1.0, 1.0, 1.0, 0.8},
      {2048, 1416, 96, 2.0, 2.0, 1.0, 2.0},  // the cap comes after the font scale
  };
  for (const auto& c : cases) {
    const LayoutScale s = ComputeLayoutScale(c.w, c.h, c.dpi);
    EXPECT_DOUBLE_EQ(s.scaleX, c.scaleX) << c.w << "x" << c.h;
    EXPECT_DOUBLE_EQ(s.scaleY, c.scaleY) << c.w << "x" << c.h;
    EXPECT_DOUBLE_EQ(s.scaleMin, c.scaleMin) << c.w << "x" << c.h;
    EXPECT_NEAR(s.fontScale, c.fontScale, 1e-12) << c.w << "x" << c.h;
  }
  EXPECT_DOUBLE_EQ(ComputeLayoutScale(2048, 1416, 96).homeScale, 2.0 / 1.55);
}

TEST(DesignGrid, FontSizesFollowTheirRules) {
  EXPECT_EQ(ScaledFontPoints(12, 0.615), 7);  // truncated from 7.38
  EXPECT_EQ(ScaledFontPoints(13, 0.8), 10);   // truncated from 10.4
  EXPECT_EQ(ScaledFontPoints(12, 1.0), 12);
  EXPECT_EQ(ScaledFontPoints(13, 1.25), 16);  // rounded from 16.25
  EXPECT_EQ(DefaultFontPoints(1.0), 8);
  EXPECT_EQ(DefaultFontPoints(0.8), 6);
  EXPECT_EQ(DefaultFontPoints(1.05), 9);  // rounded up above 1.0
}

TEST(DesignGrid, HalvesRoundToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(3.4999), 3);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(7.51), 8);
}
