// How a static text lays out its lines: wrapped from the top, or one vertically centred line.
#include "platform_fixture.h"

namespace pf::testing {
namespace {

struct InkRows {
  int first = -1, last = -1;
  int Span() const { return first < 0 ? 0 : last - first + 1; }
};

// The rows of the grabbed rectangle that hold any dark pixel (black text on white).
InkRows Ink(int shot, int x, int y, int w, int h) {
  InkRows rows;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i)
      if (Red(PicturePixel(shot, x + i, y + j)) < 0x80) {
        if (rows.first < 0) rows.first = j;
        rows.last = j;
        break;
      }
  return rows;
}

// A vertically centred text keeps to one line while it fits, even in a narrower or smaller face; one that
// cannot wraps inside its box rather than being cut.
TEST_F(PlatformTest, VerticallyCentredTextStaysOnOneLineWhileOtherTextsWrap) {
  const std::string longText = "WAGE COSTS AND INDIRECT COSTS OF THE INCIDENT";
  struct Case {
    const char* what;
    std::string text;
    unsigned flags;
    bool oneLine;
  };
  const Case cases[] = {
      {"centred text that fits", "WAGE COSTS", flags::kVCentre, true},
      {"centred long text", longText, flags::kVCentre, false},
      {"centred across and vertically", longText, flags::kCentre | flags::kVCentre, false},
      {"centred text with line breaks", "FIRST\rSECOND", flags::kVCentre, false},
      {"top-aligned long text", longText, 0, false},
  };
  // The ink of one line of capitals (no descenders) in the default font, to compare the others with.
  const int probe = TextGadget(kAutoNumber, 0, 0, 100, 40, "WAGE");
  SetGadgetColour(probe, kFrontColour, 0x000000);
  SetGadgetColour(probe, kBackColour, 0xFFFFFF);
  int x = 0;
  std::vector<int> gadgets;
  for (const Case& c : cases) {
    x += 110;
    const int g = TextGadget(kAutoNumber, x, 0, 100, 120, c.text, c.flags);
    SetGadgetColour(g, kFrontColour, 0x000000);
    SetGadgetColour(g, kBackColour, 0xFFFFFF);
    gadgets.push_back(g);
  }
  const int shot = test::GrabMainWindow();
  ASSERT_NE(shot, 0);
  const int line = Ink(shot, 0, 0, 100, 40).Span();
  ASSERT_GT(line, 4);
  x = 0;
  for (const Case& c : cases) {
    x += 110;
    const InkRows rows = Ink(shot, x, 0, 100, 120);
    SCOPED_TRACE(c.what);
    if (c.oneLine)
      EXPECT_LE(rows.Span(), line + 2);
    else
      EXPECT_GT(rows.Span(), line + line / 2);
    if (c.flags & flags::kVCentre) {
      // Centred: as much blank above the ink as below it (a pixel or two for the font's descent).
      EXPECT_NEAR(rows.first, 119 - rows.last, 4);
    } else {
      EXPECT_LE(rows.first, 4) << "starts at the top";
    }
  }
}

// A one-line caption wider than its control is widened to show its text whole, keeping the edge (or the
// centre) its alignment holds; a larger font set after the text widens it again.
TEST_F(PlatformTest, OneLineTextWiderThanItsControlGrowsToItsText) {
  ASSERT_EQ(LoadFontPixels(120, "Arial", 19), 120);
  const std::string caption = "Non-intervention Department";
  struct Case {
    const char* what;
    unsigned flags;
    int keep;  // 0 left edge, 1 centre, 2 right edge
  };
  const Case cases[] = {{"left", flags::kVCentre, 0},
                        {"centred", flags::kVCentre | flags::kCentre, 1},
                        {"right", flags::kVCentre | flags::kRight, 2},
                        {"framed", flags::kVCentre | flags::kBorder, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int g = TextGadget(kAutoNumber, 300, 10, 120, 30, caption, c.flags);
    SetGadgetFont(g, 120);
    EXPECT_GE(GadgetWidth(g), test::ShownTextWidth(g) + ((c.flags & flags::kBorder) ? 2 : 0));
    const int edges[] = {GadgetX(g), GadgetX(g) + GadgetWidth(g) / 2, GadgetX(g) + GadgetWidth(g)};
    const int given[] = {300, 360, 420};
    EXPECT_NEAR(edges[c.keep], given[c.keep], 1);
    EXPECT_EQ(GadgetHeight(g), 30);
  }
  // A text that fits, and a text that wraps, keep the width given.
  const int fits = TextGadget(kAutoNumber, 0, 50, 400, 30, caption, flags::kVCentre);
  SetGadgetFont(fits, 120);
  EXPECT_EQ(GadgetWidth(fits), 400);
  const int wraps = TextGadget(kAutoNumber, 0, 90, 120, 60, caption, 0);
  SetGadgetFont(wraps, 120);
  EXPECT_EQ(GadgetWidth(wraps), 120);
  // A shorter text, or a smaller font, gives the control its own width back.
  const int shrinks = TextGadget(kAutoNumber, 0, 200, 120, 30, caption, flags::kVCentre);
  SetGadgetFont(shrinks, 120);
  ASSERT_GT(GadgetWidth(shrinks), 120);
  SetGadgetText(shrinks, "Department");
  EXPECT_EQ(GadgetWidth(shrinks), 120);
  SetGadgetText(shrinks, caption);
  ASSERT_EQ(LoadFontPixels(121, "Arial", 6), 121);
  SetGadgetFont(shrinks, 121);
  EXPECT_EQ(GadgetWidth(shrinks), 120);
  // Given a narrower width later, it grows again.
  const int resized = TextGadget(kAutoNumber, 0, 160, 400, 30, caption, flags::kVCentre);
  SetGadgetFont(resized, 120);
  ResizeGadget(resized, kIgnoreValue, kIgnoreValue, 100, kIgnoreValue);
  EXPECT_GE(GadgetWidth(resized), test::ShownTextWidth(resized));
}

}  // namespace
}  // namespace pf::testing
