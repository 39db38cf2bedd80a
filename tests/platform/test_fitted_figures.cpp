// A figure wider than the room of its field or text is drawn whole in the narrow face of its font, then
// smaller; one too wide even so shows its start and a cut mark. Other texts, and the field the user works
// in, are drawn as they are; a date shows its year.
#include <string>

#include "platform_fixture.h"

namespace pf::testing {
namespace {

constexpr int kOwn = 30, kNarrow = 31;  // the dialog font at its 1024 x 708 size, and its narrow face
const std::string kCutMark = "\u2026";

class FittedFigures : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    ASSERT_EQ(LoadFontPixels(kOwn, "MS Shell Dlg", 11), kOwn);
    ASSERT_EQ(LoadFontPixels(kNarrow, "DejaVu Sans Condensed", 11), kNarrow);
    ASSERT_EQ(CreatePicture(40, 10, 10), 40);
  }
  static int Width(const std::string& text, int font) {
    StartDrawingOnPicture(40);
    DrawingFont(font);
    const int w = TextWidth(text);
    StopDrawing();
    return w;
  }
  // A borderless right-aligned field whose text may take `room` pixels once fitted (the toolkit keeps
  // two pixels free at either side of a text, a fitted figure one).
  static int Field(const std::string& text, int room) {
    const int f = FieldGadget(kAutoNumber, 10, 10, room + 2, 22, text, flags::kRight);
    SetGadgetFont(f, kOwn);
    return f;
  }
};

TEST_F(FittedFigures, AFigureNarrowsThenShrinksThenShowsItsStartWithACutMark) {
  const std::string figure = "7,097.50";
  const int own = Width(figure, kOwn), narrow = Width(figure, kNarrow);
  ASSERT_LT(narrow, own);
  struct Case {
    const char* what;
    int room;
    const char* family;
    bool smaller, cut;
  };
  const Case cases[] = {
      {"room enough", own + 2, "DejaVu Sans", false, false},
      {"room for the narrow face", narrow, "DejaVu Sans Condensed", false, false},
      {"room for a smaller narrow face", narrow - 3, "DejaVu Sans Condensed", true, false},
      {"too little room", narrow / 2, "DejaVu Sans Condensed", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int field = Field(figure, c.room);
    const test::ShownLine shown = test::ShownValueLine(field);
    EXPECT_EQ(shown.family, c.family);
    EXPECT_EQ(shown.pixels < 11, c.smaller) << shown.pixels << " pixels";
    if (c.cut) {
      ASSERT_TRUE(shown.text.ends_with(kCutMark)) << shown.text;
      const std::string start = shown.text.substr(0, shown.text.size() - kCutMark.size());
      EXPECT_GE(start.size(), 2u);
      EXPECT_TRUE(figure.starts_with(start)) << shown.text;
    } else {
      EXPECT_EQ(shown.text, figure);
    }
    EXPECT_GE(shown.left, shown.roomLeft);
    EXPECT_LE(shown.right, shown.roomRight);
    EXPECT_EQ(GetGadgetText(field), figure) << "only the drawing changes";
  }
}

TEST_F(FittedFigures, WordsAndTheFieldTheUserIsInAreDrawnAsTheyAre) {
  const std::string words = "head office, plant management";
  const int text = Field(words, Width(words, kOwn) / 2);
  EXPECT_EQ(test::ShownValueLine(text).family, "DejaVu Sans");
  EXPECT_TRUE(words.starts_with(test::ShownValueLine(text).text)) << "shows its start";

  const std::string figure = "123456789012.25";
  const int field = Field(figure, Width(figure, kOwn) / 2);
  EXPECT_TRUE(test::ShownValueLine(field).text.ends_with(kCutMark));
  test::Click(field);
  test::KeyPress(vk::kEnd);
  Run();
  const test::ShownLine typing = test::ShownValueLine(field);
  EXPECT_EQ(typing.family, "DejaVu Sans");
  EXPECT_TRUE(figure.ends_with(typing.text)) << "the view follows the caret: " << typing.text;
}

// A figure in a one-line text keeps its place, where the marks beside it expect it; a caption grows.
TEST_F(FittedFigures, AFigureTextKeepsItsPlaceAndFits) {
  const std::string figure = "1,234,567,890.12 Days";
  const int w = Width(figure, kOwn) - 10;
  const int value = TextGadget(kAutoNumber, 100, 10, w, 20, figure, flags::kRight | flags::kVCentre);
  SetGadgetFont(value, kOwn);
  EXPECT_EQ(GadgetX(value), 100);
  EXPECT_EQ(GadgetWidth(value), w);
  const test::ShownLine shown = test::ShownValueLine(value);
  EXPECT_EQ(shown.text, figure);
  EXPECT_EQ(shown.family, "DejaVu Sans Condensed");
  EXPECT_LE(shown.right, shown.roomRight);
  EXPECT_GE(shown.left, shown.roomLeft);
}

TEST_F(FittedFigures, ADateNarrowerThanItsTextShowsItsYear) {
  const int date = DateGadget(kAutoNumber, 10, 10, 200, 22, "December %dd, %yyyy");
  SetGadgetFont(date, kOwn);
  ASSERT_TRUE(SetGadgetDate(date, {2006, 12, 31}));
  const std::string text = GetDateDisplayText(date);
  ASSERT_EQ(text, "December 31, 2006");
  // Narrower than the text in the field's own font, with the arrow beside it.
  ResizeGadget(date, kIgnoreValue, kIgnoreValue, Width(text, kOwn) + 10, kIgnoreValue);
  const test::ShownLine shown = test::ShownValueLine(date);
  EXPECT_EQ(shown.text, text);
  EXPECT_NE(shown.family, "DejaVu Sans");
  EXPECT_EQ(GetGadgetFont(date), kOwn) << "the program's font stays";
}

}  // namespace
}  // namespace pf::testing
