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

TEST_F(PlatformTest, VerticallyCentredTextStaysOnOneLineWhileOtherTextsWrap) {
  const std::string longText = "WAGE COSTS AND INDIRECT COSTS OF THE INCIDENT";
  struct Case {
    const char* what;
    std::string text;
    unsigned flags;
    bool oneLine;
  };
  const Case cases[] = {
      {"centred long text", longText, flags::kVCentre, true},
      {"centred across and vertically", longText, flags::kCentre | flags::kVCentre, true},
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

}  // namespace
}  // namespace pf::testing
