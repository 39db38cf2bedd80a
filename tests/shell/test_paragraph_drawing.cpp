#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/test_surface.h"
#include "shell/paragraph_drawing.h"
#include "shell/shell_globals.h"

namespace {

using Op = pf::test::DrawOp;
constexpr int kPageWidth = 600;
constexpr int kPageHeight = 1000;  // a page break comes after y 980

// Paragraphs drawn on a recording printer's page with a small monospaced font.
class ParagraphTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "paragraphs";
    static char* argv[] = {name, nullptr};
    pf::InitPlatform(argc, argv);
    OrangeColour = pf::MakeRgb(247, 153, 57);
    font_ = pf::LoadFontPixels(pf::kAutoNumber, "Courier New", 12);
    pf::test::ScriptPrinter(kPageWidth, kPageHeight, 96);
    ASSERT_TRUE(pf::PrintRequester("Report"));
    ASSERT_TRUE(pf::StartPrinting());
    ASSERT_TRUE(pf::StartDrawingOnPrinter());
    pf::DrawingFont(font_);
    pf::FrontColour(kFront);
    lineHeight_ = pf::TextHeight("H");
    PrintX = PrintY = PrintLeft = 0;
    PrintRight = 9999;
  }
  void TearDown() override { pf::ShutdownPlatform(); }

  // Ends the job and returns its pages' operations.
  std::vector<pf::test::PrintedPage> Pages() {
    pf::StopDrawing();
    pf::StopPrinting();
    auto jobs = pf::test::TakePrintJobs();
    return jobs.empty() ? std::vector<pf::test::PrintedPage>{} : jobs.front().pages;
  }
  static std::vector<Op> Texts(const pf::test::PrintedPage& page) {
    std::vector<Op> texts;
    for (const auto& op : page.ops) {
      if (op.type == Op::Type::Text) texts.push_back(op);
    }
    return texts;
  }

  static constexpr pf::Rgb kFront = pf::MakeRgb(0, 52, 171);
  int font_ = 0;
  int lineHeight_ = 0;
};

struct WrapCase {
  const char* name;
  int rightExtra;  // PrintRight = 20 + width of `fits` + this
  const char* fits;
  int hang;
  std::vector<std::string> lines;
  int continuationIndent;  // characters of the text the continuation lines start under
};

class Wrapping : public ParagraphTest, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(Wrapping, BreaksAtTheLastSpaceThatEndsStrictlyLeftOfTheLimit) {
  const WrapCase& c = GetParam();
  const int right = 20 + pf::TextWidth(c.fits) + c.rightExtra;
  const int indent = pf::TextWidth(std::string("aaaa bbbb cccc dddd eeee").substr(0, c.continuationIndent));
  const int last = DrawParagraph("aaaa bbbb\rcccc dddd eeee", 1.0, 20, right, 100, c.hang, -1, 0);

  const auto texts = Texts(Pages().at(0));
  ASSERT_EQ(texts.size(), c.lines.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].text, c.lines[i]) << i;
    EXPECT_EQ(texts[i].y, 100 + int(i) * lineHeight_) << i;
    EXPECT_EQ(texts[i].x, i == 0 ? 20 : 20 + indent) << i;
  }
  EXPECT_EQ(last, 100 + int(texts.size() - 1) * lineHeight_);
  EXPECT_EQ(PrintY, last + lineHeight_);
  EXPECT_EQ(PrintX, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, Wrapping,
    ::testing::Values(
        WrapCase{"OnePixelToSpare", 1, "aaaa bbbb ", 0, {"aaaa bbbb ", "cccc dddd ", "eeee "}, 0},
        WrapCase{"ExactlyAtTheLimit", 0, "aaaa bbbb ", 0, {"aaaa ", "bbbb ", "cccc ", "dddd ", "eeee "}, 0},
        WrapCase{"HangTwo", 1, "aaaa bbbb ", 2, {"aaaa bbbb ", "cccc ", "dddd ", "eeee "}, 2},
        WrapCase{"EverythingFits", 0, "aaaa bbbb cccc dddd eeee", 0, {"aaaa bbbb cccc dddd eeee"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Six characters of the monospaced font fit on a line.
TEST_F(ParagraphTest, AWordTooWideForAnyLineStartsALineOfItsOwnAndBreaksAtTheEdge) {
  const int right = 20 + pf::TextWidth("aaaaaa") + 1;
  const int under = 20 + pf::TextWidth("- ");
  DrawParagraph("aa overlongwordhere bb", 1.0, 20, right, 0, 0, -1, 0);
  // A first word that does not fit after text already on the line starts the next line at the margin.
  DrawParagraph("xx", 0, -1, -1, -1, 0, -1, 0);
  DrawParagraph("yyyyy", 1.0, -1, -1, -1, 0, -1, 0);
  // After a bullet the long word starts on the bullet's line; its pieces go on under the text.
  DrawParagraph("- overlongwordhere", 1.0, 20, right, 7 * lineHeight_, 2, -1, 0);
  // A word whose last piece fills its line ends the paragraph there: no line is left for its blank.
  DrawParagraph("overlongword", 1.0, 20, right, 12 * lineHeight_, 0, -1, 0);
  DrawParagraph("next", 1.0, -1, -1, -1, 0, -1, 0);

  const auto texts = Texts(Pages().at(0));
  const struct {
    const char* text;
    int line, x;
  } expected[] = {{"aa ", 0, 20},     {"overlo", 1, 20},  {"ngword", 2, 20},  {"here ", 3, 20},
                  {"bb ", 4, 20},     {"xx", 5, 20},      {"yyyyy ", 6, 20},  {"- ", 7, 20},
                  {"over", 7, under}, {"long", 8, under}, {"word", 9, under}, {"here ", 10, 20},
                  {"overlo", 12, 20}, {"ngword", 13, 20}, {"next", 14, 20}};
  ASSERT_EQ(texts.size(), std::size(expected));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].text, expected[i].text) << i;
    EXPECT_EQ(texts[i].y, expected[i].line * lineHeight_) << i;
    EXPECT_EQ(texts[i].x, expected[i].x) << i;
    // Nothing but a trailing blank reaches past the right limit.
    std::string inked = texts[i].text;
    while (!inked.empty() && inked.back() == ' ') inked.pop_back();
    EXPECT_LE(texts[i].x + pf::TextWidth(inked), right) << texts[i].text;
  }
}

// Measuring a paragraph lays it out as drawing does: rows are kept whole by what it says.
TEST_F(ParagraphTest, MeasuringCountsTheLinesDrawingTakesAndLeavesTheCursor) {
  const int right = 20 + pf::TextWidth("aaaaaa") + 1;
  const struct {
    const char* text;
    int x, hang;
  } cases[] = {{"", 20, 0},
               {"fits", 20, 0},
               {"aa overlongwordhere bb", 20, 0},
               {"aa bb cc dd", 20, 0},
               {"word", 20 + pf::TextWidth("aaaa"), 0},
               {"- overlongwordhere", 20, 2}};
  for (const auto& c : cases) {
    PrintX = 3, PrintY = 4, PrintLeft = 5, PrintRight = 6;
    const int lines = ParagraphLines(c.text, c.x, 20, right, c.hang);
    EXPECT_EQ(PrintX, 3);
    EXPECT_EQ(PrintY, 4);
    EXPECT_EQ(PrintLeft, 5);
    EXPECT_EQ(PrintRight, 6);
    DrawParagraph("", 0, 20, right, 100, 0, -1, 0);
    PrintX = c.x;
    const int last = DrawParagraph(c.text, 0, -1, -1, -1, c.hang, -1, 0);
    EXPECT_EQ(lines, 1 + (last - 100) / lineHeight_) << c.text;
  }
}

TEST_F(ParagraphTest, LineFactorZeroContinuesTheLineAndOthersMoveDownByThatManyLines) {
  EXPECT_EQ(DrawParagraph("Cost:", 0, 30, 500, 200, 0, -1, 0), 200);
  const int afterLabel = 30 + pf::TextWidth("Cost:");
  EXPECT_EQ(PrintX, afterLabel);
  EXPECT_EQ(DrawParagraph("$1,200", 2.0, -1, -1, -1, 0, -1, 0), 200);
  EXPECT_EQ(PrintX, 30);
  EXPECT_EQ(PrintY, 200 + 2 * lineHeight_);
  // Reading the cursor: an empty text draws and moves nothing; with a factor it skips a line.
  EXPECT_EQ(DrawParagraph("", 0, -1, -1, -1, 0, -1, 0), 200 + 2 * lineHeight_);
  DrawParagraph("", 1.0, -1, -1, -1, 0, -1, 0);
  EXPECT_EQ(PrintY, 200 + 3 * lineHeight_);
  DrawParagraph("x", -3.0, -1, -1, -1, -2, -1, 0);  // negative factor and hang count as 0
  EXPECT_EQ(PrintY, 200 + 3 * lineHeight_);

  const auto texts = Texts(Pages().at(0));
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[1].text, "$1,200");
  EXPECT_EQ(texts[1].x, afterLabel);
  EXPECT_EQ(texts[1].y, 200);
}

TEST_F(ParagraphTest, FractionalLineFactorsMoveDownByTheRoundedProduct) {
  ASSERT_EQ(lineHeight_, 14) << "the cases below are worked out for this line height";
  const std::pair<double, int> cases[] = {
      {1.5, 21}, {0.25, 4} /* 3.5 rounds up */, {1.1, 15} /* 15.4 */, {0.75, 11} /* 10.5 */, {2.9, 41},
  };
  for (const auto& [factor, down] : cases) {
    DrawParagraph("line", factor, 30, 500, 100, 0, -1, 0);
    EXPECT_EQ(PrintY, 100 + down) << factor;
    EXPECT_EQ(PrintX, 30) << factor;
  }
}

struct MarkCase {
  const char* name;
  int style;
  Op::Type shape;
  int shapes;
  int textDown;  // how far the text moves down (bars)
};

class Marks : public ParagraphTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(Marks, StandBeforeTheTextWhichStartsOneWIFurtherAndWrapsUnderItself) {
  const MarkCase& c = GetParam();
  const int wi = pf::TextWidth("WI");
  const int h = lineHeight_;
  const int right = 40 + wi + pf::TextWidth("one two ") + 1;
  DrawParagraph("one two three", 1.0, 40, right, 300, 0, c.style, -20);

  const auto pages = Pages();
  const auto& ops = pages.at(0).ops;
  std::vector<Op> shapes, texts;
  for (const auto& op : ops) (op.type == Op::Type::Text ? texts : shapes).push_back(op);
  ASSERT_EQ(int(shapes.size()), c.shapes);
  for (const auto& s : shapes) EXPECT_EQ(s.type, c.shape);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].x, 40 + wi);
  EXPECT_EQ(texts[0].y, 300 + c.textDown);
  EXPECT_EQ(texts[1].x, 40 + wi);  // continuation under the text, not under the mark
  EXPECT_EQ(texts[1].y, 300 + c.textDown + h);

  const int r = h / 4;
  switch (c.style) {
    case 1:
    case 3:
      EXPECT_EQ(shapes[0].x, 40 + r);
      EXPECT_EQ(shapes[0].y, 300 + 2 * r);
      EXPECT_EQ(shapes[0].w, r);
      EXPECT_EQ(shapes[0].front, kFront);
      EXPECT_EQ(shapes[0].mode, c.style == 1 ? pf::DrawMode::Default : pf::DrawMode::Outlined);
      EXPECT_EQ(texts[0].mode, pf::DrawMode::Default);  // after an outline the default mode is back
      break;
    case 2:
      EXPECT_EQ(shapes[0].x, 40);
      EXPECT_EQ(shapes[0].y, 300 + h / 4);
      EXPECT_EQ(shapes[0].w, 40 + h / 2);
      EXPECT_EQ(shapes[2].h, 300 + h / 4 + h / 2);
      EXPECT_EQ(shapes[0].front, kFront);
      break;
    case 5:
      EXPECT_EQ(shapes[0].x, 0);
      EXPECT_EQ(shapes[0].w, 40 + 1000);
      EXPECT_EQ(shapes[0].front, OrangeColour);
      break;
    case 6:
      EXPECT_EQ(shapes[0].w, kPageWidth);
      EXPECT_EQ(shapes[0].front, kBlack);
      break;
    case 7:
    case 8:
      EXPECT_EQ(shapes[0].x, 0);
      EXPECT_EQ(shapes[0].y, 300);
      EXPECT_EQ(shapes[0].w, kPageWidth);
      EXPECT_EQ(shapes[0].h, 20);
      EXPECT_EQ(shapes[0].front, c.style == 7 ? kBlack : kFront);
      break;
    default:
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, Marks,
                         ::testing::Values(MarkCase{"FilledBullet", 1, Op::Type::Circle, 1, 0},
                                           MarkCase{"Square", 2, Op::Type::Line, 4, 0},
                                           MarkCase{"HollowBullet", 3, Op::Type::Circle, 1, 0},
                                           MarkCase{"NoShape", 4, Op::Type::Text, 0, 0},
                                           MarkCase{"OrangeRule", 5, Op::Type::Line, 1, 0},
                                           MarkCase{"BlackRule", 6, Op::Type::Line, 1, 0},
                                           MarkCase{"BlackBar", 7, Op::Type::Box, 1, 20},
                                           MarkCase{"FrontColourBar", 8, Op::Type::Box, 1, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParagraphTest, ANewPageStartsBeforeAnyLinePastNinetyEightPercent) {
  DrawParagraph("on the limit", 1.0, 10, 500, 980, 0, -1, 0);
  DrawParagraph("past it", 1.0, 10, 500, 981, 0, -1, 0);
  // A wrapped paragraph breaks before the line that would pass the limit, not only before its first.
  const int right = 10 + pf::TextWidth("aaaa ") + 1;
  const int start = 980 - lineHeight_;
  DrawParagraph("aaaa bbbb cccc", 1.0, 10, right, start, 0, -1, 0);

  const auto pages = Pages();
  ASSERT_EQ(pages.size(), 3u);
  const auto first = Texts(pages[0]), second = Texts(pages[1]), third = Texts(pages[2]);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].y, 980);
  ASSERT_EQ(second.size(), 3u);
  EXPECT_EQ(second[0].text, "past it");
  EXPECT_EQ(second[0].y, 0);
  EXPECT_EQ(second[1].y, start);
  EXPECT_EQ(second[2].y, 980);
  ASSERT_EQ(third.size(), 1u);
  EXPECT_EQ(third[0].text, "cccc ");
  EXPECT_EQ(third[0].y, 0);
  EXPECT_EQ(third[0].x, 10);
}

// A block is measured by laying it out: the cursor moves as drawing moves it, past the page's end too,
// while nothing is drawn and no page begins.
TEST_F(ParagraphTest, MeasuringABlockMovesTheCursorAsDrawingWithoutDrawingOrStartingAPage) {
  const int right = 10 + pf::TextWidth("aaaa ") + 1;
  const auto block = [&] {
    DrawParagraph("aaaa bbbb cccc", 1.0, 10, right, 980 - lineHeight_, 0, -1, 0);
    DrawParagraph("", 0.5, -1, -1, -1, 0, 7, 20);
    return PrintY;
  };
  int measured = 0;
  {
    const ParagraphMeasuring measuring;
    EXPECT_TRUE(MeasuringParagraphs());
    measured = block();
  }
  EXPECT_FALSE(MeasuringParagraphs());
  const auto pages = Pages();
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0].ops.empty());
  EXPECT_EQ(measured, 980 - lineHeight_ + 3 * lineHeight_ + 20 + int(std::lround(0.5 * lineHeight_)));
}

TEST_F(ParagraphTest, PicturesAreNeverCutIntoPagesEvenAfterPrinting) {
  Pages();
  ASSERT_EQ(pf::PrinterPageHeight(), kPageHeight);
  const int picture = pf::CreatePicture(pf::kAutoNumber, 400, 2000);
  pf::test::RecordPictureDrawing(true);
  ASSERT_TRUE(pf::StartDrawingOnPicture(picture));
  pf::DrawingFont(font_);
  const int right = 10 + pf::TextWidth("aaaa ") + 1;
  DrawParagraph("aaaa bbbb", 1.0, 10, right, 1500, 0, -1, 0);
  pf::StopDrawing();

  std::vector<Op> texts;
  for (const auto& op : pf::test::TakePictureOps()) {
    if (op.type == Op::Type::Text) texts.push_back(op);
  }
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].y, 1500);
  EXPECT_EQ(texts[1].y, 1500 + lineHeight_);
  EXPECT_TRUE(pf::test::TakePrintJobs().empty());
}

}  // namespace
