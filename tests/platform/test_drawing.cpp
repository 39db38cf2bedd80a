// Drawing on pictures: where text and shapes land, the drawing modes, text boxes, and what happens with
// no target.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/drawing_fixture.h"
#include "platform/platform.h"
#include "platform/test_surface.h"

namespace {
using drawing_tests::CountPixels;
using drawing_tests::InkBox;
using drawing_tests::PlatformTest;
using Op = pf::test::DrawOp;

constexpr pf::Rgb kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000, kBlue = 0x0000FF;

class DrawingTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    ASSERT_EQ(pf::LoadFontPixels(20, "Arial", 20), 20);
  }
  // A white picture with drawing started on it.
  void Canvas(int w, int h) {
    ASSERT_EQ(pf::CreatePicture(30, w, h, kWhite), 30);
    ASSERT_TRUE(pf::StartDrawingOnPicture(30));
  }
};

TEST_F(DrawingTest, TextStartsAtTheTopLeftOfItsCell) {
  Canvas(200, 80);
  pf::DrawingMode(pf::DrawMode::Transparent);
  pf::DrawingFont(20);
  pf::FrontColour(kBlack);
  pf::DrawText(10, 15, "HIH");
  const int w = pf::TextWidth("HIH"), h = pf::TextHeight("HIH");
  pf::StopDrawing();
  const pf::Rect ink = InkBox(30, kWhite);
  ASSERT_GT(ink.w, 0);
  EXPECT_GE(ink.x, 10);
  EXPECT_LE(ink.x, 13);
  EXPECT_LE(ink.Right(), 10 + w);
  // Capitals stand on the baseline: their ink starts in the upper part of the cell and ends above its bottom.
  EXPECT_GE(ink.y, 15);
  EXPECT_LT(ink.y, 15 + h / 3);
  EXPECT_LT(ink.Bottom(), 15 + h);
  EXPECT_GE(h, 20);
}

TEST_F(DrawingTest, OpaqueTextPaintsItsCellInTheBackColour) {
  const struct {
    pf::DrawMode mode;
    bool cellPainted;
  } cases[] = {
      {pf::DrawMode::Default, true}, {pf::DrawMode::Outlined, true}, {pf::DrawMode::Transparent, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.mode));
    Canvas(200, 60);
    pf::DrawingFont(20);
    pf::DrawingMode(c.mode);
    pf::BackColour(kBlue);
    pf::DrawText(5, 5, "ii");
    const int w = pf::TextWidth("ii"), h = pf::TextHeight("ii");
    pf::StopDrawing();
    const pf::Rect cell{5, 5, w, h};
    EXPECT_EQ(InkBox(30, kWhite) == cell, c.cellPainted);
    EXPECT_EQ(pf::PicturePixel(30, cell.Right() - 1, cell.Bottom() - 1), c.cellPainted ? kBlue : kWhite);
  }
}

TEST_F(DrawingTest, DrawingStartsFromDefaults) {
  Canvas(100, 40);
  pf::DrawingMode(pf::DrawMode::Transparent);
  pf::FrontColour(kRed);
  pf::BackColour(kBlue);
  pf::DrawingFont(20);
  pf::StopDrawing();
  pf::test::RecordPictureDrawing(true);
  ASSERT_TRUE(pf::StartDrawingOnPicture(30));
  pf::DrawText(0, 0, "x");
  pf::StopDrawing();
  const auto ops = pf::test::TakePictureOps();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].mode, pf::DrawMode::Default);
  EXPECT_EQ(ops[0].front, kBlack);
  EXPECT_EQ(ops[0].back, kWhite);
  EXPECT_EQ(ops[0].font, 0);
}

TEST_F(DrawingTest, ShapesFilledOrOutlined) {
  const struct {
    const char* what;
    pf::DrawMode mode;
    bool circle;
    bool centreInked;
  } cases[] = {
      {"disc", pf::DrawMode::Default, true, true},
      {"ring", pf::DrawMode::Outlined, true, false},
      {"filled box", pf::DrawMode::Default, false, true},
      {"frame", pf::DrawMode::Outlined, false, false},
      {"disc when transparent", pf::DrawMode::Transparent, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Canvas(60, 60);
    pf::DrawingMode(c.mode);
    if (c.circle)
      pf::Circle(30, 30, 10, kRed);
    else
      pf::Box(20, 20, 21, 21, kRed);
    pf::StopDrawing();
    EXPECT_EQ(pf::PicturePixel(30, 30, 30) == kRed, c.centreInked);
    const pf::Rect ink = InkBox(30, kWhite);
    EXPECT_NEAR(ink.x, 20, 1);
    EXPECT_NEAR(ink.y, 20, 1);
    EXPECT_NEAR(ink.w, 21, 1);
    EXPECT_NEAR(ink.h, 21, 1);
    if (!c.centreInked) {
      EXPECT_LT(CountPixels(30, kRed), 100);  // only the edge
    }
  }
}

TEST_F(DrawingTest, FrameIsOnePixelInsideTheBox) {
  Canvas(40, 40);
  pf::DrawingMode(pf::DrawMode::Outlined);
  pf::Box(5, 6, 10, 8, kRed);
  pf::StopDrawing();
  EXPECT_EQ(InkBox(30, kWhite), (pf::Rect{5, 6, 10, 8}));
  EXPECT_EQ(CountPixels(30, kRed), 2 * 10 + 2 * 6);
}

TEST_F(DrawingTest, LinesCoverTheirPixels) {
  const struct {
    const char* what;
    int x, y, w, h;
    pf::Rect ink;
  } cases[] = {
      {"across", 5, 7, 10, 1, {5, 7, 10, 1}},
      {"zero height counts as one", 5, 7, 10, 0, {5, 7, 10, 1}},
      {"down", 3, 2, 1, 12, {3, 2, 1, 12}},
      {"leftwards", 20, 4, -6, 1, {15, 4, 6, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Canvas(30, 30);
    pf::Line(c.x, c.y, c.w, c.h, kBlue);
    pf::StopDrawing();
    EXPECT_EQ(InkBox(30, kWhite), c.ink);
  }
  Canvas(30, 30);
  pf::LineXY(2, 3, 12, 3, kBlue);
  pf::StopDrawing();
  const pf::Rect ink = InkBox(30, kWhite);
  EXPECT_EQ(ink.y, 3);
  EXPECT_EQ(ink.h, 1);
  EXPECT_EQ(ink.x, 2);
  EXPECT_GE(ink.Right(), 12);
}

TEST_F(DrawingTest, PictureAtItsSizeOrScaled) {
  ASSERT_EQ(pf::CreatePicture(31, 2, 2, kRed), 31);
  Canvas(30, 30);
  pf::DrawPicture(31, 1, 1);
  pf::DrawPicture(31, 10, 10, 12, 8);
  pf::DrawPicture(999, 0, 0);  // no such picture: nothing
  pf::StopDrawing();
  EXPECT_EQ(CountPixels(30, kRed), 4 + 12 * 8);
  EXPECT_EQ(pf::PicturePixel(30, 21, 17), kRed);
  EXPECT_EQ(pf::PicturePixel(30, 22, 18), kWhite);

  // Onto itself: the copy drawn is the picture as it was.
  ASSERT_TRUE(pf::StartDrawingOnPicture(31));
  pf::Box(0, 0, 1, 1, kBlue);
  pf::DrawPicture(31, 1, 0);
  pf::StopDrawing();
  EXPECT_EQ(pf::PicturePixel(31, 1, 0), kBlue);
  EXPECT_EQ(pf::PicturePixel(31, 1, 1), kRed);
}

std::vector<Op> TextBoxOps(const pf::Rect& r, const std::string& text, unsigned align) {
  pf::test::RecordPictureDrawing(true);
  pf::test::TakePictureOps();
  pf::DrawTextBox(r, text, align);
  return pf::test::TakePictureOps();
}

TEST_F(DrawingTest, TextBoxPlacesOneLine) {
  Canvas(200, 100);
  pf::DrawingFont(20);
  const int w = pf::TextWidth("OK"), h = pf::TextHeight("OK");
  const pf::Rect r{10, 20, 120, 60};
  const struct {
    unsigned align;
    int x, y;
  } cases[] = {
      {pf::kAlignLeft, 10, 20},
      {pf::kAlignCentre, 10 + (120 - w) / 2, 20},
      {pf::kAlignRight, 130 - w, 20},
      {pf::kAlignCentre | pf::kAlignVCentre, 10 + (120 - w) / 2, 20 + (60 - h) / 2},
      {pf::kAlignRight | pf::kAlignVCentre, 130 - w, 20 + (60 - h) / 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.align);
    const auto ops = TextBoxOps(r, "OK", c.align);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].text, "OK");
    EXPECT_EQ(ops[0].x, c.x);
    EXPECT_EQ(ops[0].y, c.y);
  }
}

TEST_F(DrawingTest, TextBoxBreaksAtSpacesAndLineBreaks) {
  Canvas(300, 200);
  pf::DrawingFont(20);
  const int width = pf::TextWidth("alpha beta") + 2;
  const auto ops = TextBoxOps({0, 0, width, 200}, "alpha beta gamma\rdelta", pf::kAlignLeft);
  std::vector<std::string> lines;
  for (const auto& op : ops) lines.push_back(op.text);
  EXPECT_EQ(lines, (std::vector<std::string>{"alpha beta", "gamma", "delta"}));
  for (std::size_t i = 0; i < ops.size(); ++i) EXPECT_EQ(ops[i].y, int(i) * pf::TextHeight("H"));
  EXPECT_EQ(pf::TextBoxHeight(width, "alpha beta gamma\rdelta"), 3 * pf::TextHeight("H"));
  EXPECT_EQ(pf::TextBoxHeight(width, ""), 0);
}

TEST_F(DrawingTest, TallTextBoxDrawsFromTheTopWithAnEllipsis) {
  Canvas(300, 200);
  pf::DrawingFont(20);
  const int h = pf::TextHeight("H");
  const pf::Rect r{5, 40, pf::TextWidth("word word") + 1, h * 5 / 2};  // room for two lines and a half
  const std::string text = "word word word word word word word";
  ASSERT_GT(pf::TextBoxHeight(r.w, text), r.h);
  const auto ops = TextBoxOps(r, text, pf::kAlignCentre | pf::kAlignVCentre);
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].y, r.y);
  EXPECT_EQ(ops[1].y, r.y + h);
  EXPECT_EQ(ops[0].text, "word word");
  ASSERT_GE(ops[1].text.size(), 3u);
  EXPECT_EQ(ops[1].text.substr(ops[1].text.size() - 3), "...");
  EXPECT_LE(pf::TextWidth(ops[1].text), r.w);
  EXPECT_GE(ops[1].x, r.x);
}

TEST_F(DrawingTest, TooWideWordIsCutToItsBox) {
  Canvas(300, 100);
  pf::DrawingFont(20);
  const pf::Rect r{0, 0, pf::TextWidth("Wide"), 100};
  const auto ops = TextBoxOps(r, "Widest word", pf::kAlignLeft);
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].text.substr(ops[0].text.size() - 3), "...");
  EXPECT_LE(pf::TextWidth(ops[0].text), r.w);
  EXPECT_EQ(ops[1].text, "word");
}

TEST_F(DrawingTest, NothingHappensWithoutATarget) {
  ASSERT_EQ(pf::CreatePicture(30, 40, 40, kWhite), 30);
  pf::test::RecordPictureDrawing(true);
  const auto drawEverything = [] {
    pf::DrawText(0, 0, "text");
    pf::Box(0, 0, 40, 40, kRed);
    pf::Circle(20, 20, 10, kRed);
    pf::Line(0, 5, 40, 1, kRed);
    pf::LineXY(0, 0, 39, 39, kRed);
    pf::DrawTextBox({0, 0, 40, 40}, "text", pf::kAlignLeft);
    pf::DrawPicture(30, 0, 0);
  };
  drawEverything();
  EXPECT_EQ(pf::TextWidth("text"), 0);
  EXPECT_EQ(pf::TextHeight("text"), 0);
  EXPECT_EQ(pf::TextBoxHeight(40, "text"), 0);
  EXPECT_FALSE(pf::StartDrawingOnPicture(12345));
  drawEverything();
  ASSERT_TRUE(pf::StartDrawingOnPicture(30));
  pf::StopDrawing();
  drawEverything();
  EXPECT_FALSE(pf::IsDrawingOnPrinter());
  EXPECT_FALSE(pf::StartDrawingOnPrinter());  // no print job
  EXPECT_EQ(CountPixels(30, kWhite), 40 * 40);
  EXPECT_TRUE(pf::test::TakePictureOps().empty());
}

TEST_F(DrawingTest, PictureZeroTakesDrawingHarmlessly) {
  ASSERT_TRUE(pf::StartDrawingOnPicture(0));
  pf::DrawingFont(20);
  pf::Box(-5, -5, 50, 50, kRed);
  pf::DrawText(0, 0, "nothing shows");
  EXPECT_GT(pf::TextWidth("nothing shows"), 0);
  pf::StopDrawing();
  EXPECT_EQ(pf::PictureWidth(0), 1);
  EXPECT_EQ(pf::PictureHeight(0), 1);
}

TEST_F(DrawingTest, PictureReplacedWhileDrawingIsDrawnAsItIsNow) {
  ASSERT_EQ(pf::CreatePicture(30, 10, 10, kWhite), 30);
  ASSERT_TRUE(pf::StartDrawingOnPicture(30));
  ASSERT_EQ(pf::CreatePicture(30, 20, 20, kWhite), 30);
  pf::Box(15, 15, 2, 2, kRed);
  pf::StopDrawing();
  EXPECT_EQ(pf::PicturePixel(30, 16, 16), kRed);
}

// Zeros at the small sizes of fields and lists stand apart: across their middle no black line runs from
// one zero into the next, so that "20000" never reads as struck through.
TEST_F(DrawingTest, ZerosStandApartAtSmallSizes) {
  struct Case {
    const char* face;
    int pixels;
    bool bold;
  };
  const Case cases[] = {{"Arial", 10, true},
                        {"Arial", 11, true},
                        {"Arial", 12, false},
                        {"Arial", 13, false},
                        {"Arial", 16, false},
                        {"Arial Narrow", 12, false},
                        {"times new roman", 12, false},
                        {"MS Shell Dlg", 11, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.pixels) + (c.bold ? " bold" : ""));
    ASSERT_EQ(pf::LoadFontPixels(21, c.face, c.pixels, {.bold = c.bold}), 21);
    Canvas(60, 40);
    pf::DrawingMode(pf::DrawMode::Transparent);
    pf::DrawingFont(21);
    pf::FrontColour(kBlack);
    pf::DrawText(5, 5, "000");
    pf::StopDrawing();
    const pf::Rect ink = InkBox(30, kWhite);
    ASSERT_GT(ink.w, 0);
    const auto black = [](int x, int y) {
      const pf::Rgb p = pf::PicturePixel(30, x, y);
      return (p >> 16) + (p >> 8 & 0xFF) + (p & 0xFF) < 3 * 64;
    };
    for (int y = ink.y + ink.h / 3; y < ink.y + ink.h - ink.h / 3; ++y) {
      int run = 0, longest = 0;
      for (int x = ink.x; x < ink.x + ink.w; ++x)
        longest = std::max(longest, run = black(x, y) ? run + 1 : 0);
      EXPECT_LE(longest, 2) << "row " << y - ink.y << " of " << ink.h;  // a stroke, not a line
    }
  }
}

}  // namespace
