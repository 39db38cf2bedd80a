// Texts kept whole in the room their control has: wrapped inside it, or drawn in a narrower or smaller
// face down to three quarters of their size; list items and a combo box's choice likewise.
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

#include "platform/text_fitting.h"
#include "platform_fixture.h"

namespace pf::testing {
namespace {

constexpr int kFont = 30;

class FittedTexts : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    ASSERT_EQ(LoadFontPixels(kFont, "Arial", 15), kFont);
  }
};

int Pixels(const QFont& f) { return QFontInfo(f).pixelSize(); }

TEST_F(FittedTexts, TheOwnFaceFirstThenNarrowerAndSmallerThenWrappedNeverBelowThreeQuarters) {
  QFont own(QStringLiteral("Liberation Sans"));
  own.setPixelSize(16);
  const int wrap = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
  const int line = Qt::AlignLeft | Qt::AlignVCenter;
  const struct {
    const char* what;
    QString text;
    QRect room;
    int flags;
    bool ownSize, narrow, wrapped;
  } cases[] = {
      {"fits as it is", "Calculated value", {0, 0, 200, 40}, wrap, true, false, true},
      {"two lines in a strip lower than they are",
       "Calculated benefits less 10%",
       {0, 0, 160, 28},
       wrap,
       false,
       true,
       true},
      {"one line a little too wide",
       "Department in which change would be made",
       {0, 0, 290, 20},
       line,
       true,
       true,
       false},
      {"one line far too wide, in a box with room below",
       "Department in which change would be made",
       {0, 0, 170, 60},
       line,
       true,
       false,
       true},
      {"only blanks", "   ", {0, 0, 5, 5}, line, true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const detail::LaidText laid = detail::FitText(own, c.text, c.room, c.flags);
    EXPECT_TRUE(laid.Inside(c.room));
    EXPECT_EQ(Pixels(laid.font) == 16, c.ownSize) << Pixels(laid.font);
    EXPECT_GE(4 * Pixels(laid.font), 3 * 16);
    EXPECT_EQ(QFontInfo(laid.font).family().contains(QLatin1String("Narrow")), c.narrow);
    EXPECT_EQ(bool(laid.flags & Qt::TextWordWrap), c.wrapped);
  }
  // Room for nothing: the smallest face, still three quarters of the size, and on its own line.
  const detail::LaidText none = detail::FitText(own, QStringLiteral("Calculated value"), {0, 0, 20, 8}, line);
  EXPECT_FALSE(none.Inside({0, 0, 20, 8}));
  EXPECT_EQ(Pixels(none.font), 12);
  EXPECT_FALSE(none.flags & Qt::TextWordWrap);
}

// The part of a caption that a container lets be seen is the room it is fitted into.
TEST_F(FittedTexts, ACaptionCutByItsContainerIsFittedIntoWhatShows) {
  const int strip = ContainerGadget(kAutoNumber, 10, 10, 120, 26);
  OpenGadgetList(strip);
  const int caption = TextGadget(kAutoNumber, 0, 0, 120, 40, "Calculated benefits less 10%", flags::kCentre);
  CloseGadgetList();
  SetGadgetFont(caption, kFont);
  const test::ShownText shown = test::ShownTextLines(caption);
  ASSERT_GT(shown.ink.w, 0);
  EXPECT_LT(shown.pixels, shown.ownPixels);
  EXPECT_GE(4 * shown.pixels, 3 * shown.ownPixels);
  EXPECT_GE(shown.ink.y, shown.seen.y);
  EXPECT_LE(shown.ink.Bottom(), shown.seen.Bottom());
  EXPECT_EQ(shown.seen.h, 26);
}

// A one-line text keeps the place it was given where a narrower face fits it; only a text that fits no
// face grows its control, and gets its place back once it fits again.
TEST_F(FittedTexts, AOneLineTextGrowsOnlyWhereNoFaceFitsIt) {
  const int label = TextGadget(kAutoNumber, 10, 10, 280, 20, "", flags::kVCentre);
  SetGadgetFont(label, kFont);
  SetGadgetText(label, "Department in which change would be made");
  EXPECT_EQ(GadgetWidth(label), 280);
  SetGadgetText(label, "Department in which the change to the way of working would be made");
  EXPECT_GT(GadgetWidth(label), 280);
  SetGadgetText(label, "Department");
  EXPECT_EQ(GadgetWidth(label), 280);
}

TEST_F(FittedTexts, AListItemWiderThanItsListIsDrawnWholeInASmallerFace) {
  const int list = ListBoxGadget(kAutoNumber, 10, 10, 210, 100, flags::kBorder);
  SetGadgetFont(list, kFont);
  AddGadgetItem(list, -1, "Short");
  AddGadgetItem(list, -1, "     -  How to get the most accurate results");
  const std::vector<test::ShownItem> items = test::ShownItems(list);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].pixels, items[0].ownPixels);
  EXPECT_LT(items[1].pixels, items[1].ownPixels);
  EXPECT_GE(4 * items[1].pixels, 3 * items[1].ownPixels);
  EXPECT_LE(items[1].right, items[1].roomRight);
}

TEST_F(FittedTexts, AComboBoxShowsItsChoiceWholeAndDropsDownWideEnoughForEveryChoice) {
  const int combo = ComboGadget(kAutoNumber, 10, 10, 220, 24);
  SetGadgetFont(combo, kFont);
  const std::string longest = "environmental trauma (e.g. allergens)";
  AddGadgetItem(combo, -1, "ALL NATURES");
  AddGadgetItem(combo, -1, longest);
  SetGadgetState(combo, 1);
  const test::ShownLine shown = test::ShownValueLine(combo);
  EXPECT_EQ(shown.text, longest);
  EXPECT_LT(shown.right, shown.roomRight) << "its letters run to the field's edge";
  QFont own(QStringLiteral("Arial"));
  own.setPixelSize(15);
  EXPECT_GT(test::DropDownListWidth(combo),
            QFontMetrics(own).horizontalAdvance(QString::fromStdString(longest)));
}

}  // namespace
}  // namespace pf::testing
