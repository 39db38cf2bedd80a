// Typing into date fields: digits set the part they are typed into, the arrows step a part (the month
// from its name), the literal text of the mask never changes, and a date written out whole takes no
// typing at all; its calendar opens with F4 or Alt+Down.
#include <QApplication>
#include <QLineEdit>
#include <string>
#include <vector>

#include "platform_fixture.h"

namespace pf::testing {
namespace {

class DateTyping : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    date_ = DateGadget(kAutoNumber, 10, 10, 300, 24, "March %dd, %yyyy");
    other_ = FieldGadget(kAutoNumber, 10, 50, 100, 24, "");
    Reset();
  }
  void Reset() {
    SetGadgetDate(date_, {2011, 3, 15});
    SetDateMask(date_, "March %dd, %yyyy");
    SetActiveGadget(other_);
    Run();
  }
  // The date changes reported while the queue drains.
  int DateChanges() {
    int n = 0;
    for (const Event& e : Run()) n += e.type == EventType::Gadget && e.kind == GadgetEvent::DateChange;
    return n;
  }

  int date_ = 0, other_ = 0;
};

// Characters of "March 15, 2011": the month's name, the day and the year.
constexpr int kMonth = 2, kDay = 6, kYear = 11;

TEST_F(DateTyping, DigitsSetThePartTheyAreTypedIntoAndNeverTheLiteralText) {
  struct Case {
    const char* what;
    int click;                // character clicked before typing
    std::vector<int> keys;    // virtual keys; digits type themselves
    std::string shownBefore;  // the text just before the field is left
    Date date;                // the date once the field is left with Tab
    int changes;              // date changes reported
  };
  const Case cases[] = {
      {"day", kDay, {'2', '7'}, "March 27, 2011", {2011, 3, 27}, 1},
      {"year", kYear, {'2', '0', '1', '2'}, "March 15, 2012", {2012, 3, 15}, 1},
      {"one digit of the day", kDay, {'4'}, "March 04, 2011", {2011, 3, 4}, 1},
      {"digits on the month's name",
       kMonth,
       {'4', 'A', vk::kBack, vk::kDelete},
       "March 15, 2011",
       {2011, 3, 15},
       0},
      {"a letter, a blank or a comma on the day",
       kDay,
       {'X', vk::kSpace, 0xBC},
       "March 15, 2011",
       {2011, 3, 15},
       0},
      {"up on the month's name", kMonth, {vk::kUp, vk::kUp}, "March 15, 2011", {2011, 5, 15}, 2},
      {"down on the day", kDay, {vk::kDown}, "March 14, 2011", {2011, 3, 14}, 1},
      {"up on the year", kYear, {vk::kUp}, "March 15, 2012", {2012, 3, 15}, 1},
      // Unreadable texts go back to the date the field had, and nothing is reported.
      {"the year cleared", kYear, {vk::kDelete}, "March 15, ", {2011, 3, 15}, 0},
      {"a year before the calendar", kYear, {'1', '5', '0', '0'}, "March 15, 1500", {2011, 3, 15}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    test::ClickText(date_, c.click);
    int changes = DateChanges();
    for (int key : c.keys) {
      if (key >= '0' && key <= '9')
        test::KeyPress(key, std::string(1, char(key)));
      else
        test::KeyPress(key, key == 'A'          ? "a"
                            : key == 'X'        ? "x"
                            : key == 0xBC       ? ","
                            : key == vk::kSpace ? " "
                                                : "");
      changes += DateChanges();
      // The literal text stays as the mask has it, whatever is typed.
      const std::string shown = GetGadgetText(date_);
      EXPECT_EQ(shown.substr(0, 6), "March ");
      EXPECT_NE(shown.find(", "), std::string::npos) << shown;
    }
    EXPECT_EQ(GetGadgetText(date_), c.shownBefore);
    test::PressTab();
    changes += DateChanges();
    EXPECT_EQ(GetGadgetDate(date_), c.date);
    EXPECT_EQ(changes, c.changes);
    EXPECT_EQ(GetActiveGadget(), other_);
  }
}

TEST_F(DateTyping, TheWheelTurnsTheMonthOnlyOnceTheUserChoseIt) {
  test::Wheel(date_, 120);  // passing over the field
  EXPECT_EQ(DateChanges(), 0);
  EXPECT_EQ(GetGadgetDate(date_), (Date{2011, 3, 15}));
  test::ClickText(date_, kMonth);
  Run();
  test::Wheel(date_, 120);
  EXPECT_EQ(DateChanges(), 1);
  EXPECT_EQ(GetGadgetDate(date_), (Date{2011, 4, 15}));
}

TEST_F(DateTyping, CtrlWithAnArrowWalksThePartsAndStaysInTheField) {
  test::ClickText(date_, kDay);
  Run();
  test::KeyPress(vk::kRight, "", mods::kControl);
  test::KeyPress(vk::kRight, "", mods::kControl);  // past the last part
  test::TypeText("2012");
  test::KeyPress(vk::kLeft, "", mods::kControl);
  test::TypeText("09");
  Run();
  EXPECT_EQ(GetActiveGadget(), date_);
  test::PressTab();
  EXPECT_EQ(DateChanges(), 1);
  EXPECT_EQ(GetGadgetDate(date_), (Date{2012, 3, 9}));
}

TEST_F(DateTyping, FebruaryRefusesADayItDoesNotHave) {
  SetGadgetDate(date_, {2011, 2, 10});
  SetDateMask(date_, "February %dd, %yyyy");
  test::ClickText(date_, 10);
  Run();
  test::TypeText("31");
  Run();
  test::PressTab();
  Run();
  EXPECT_EQ(GetGadgetDate(date_).month, 2);
  EXPECT_LE(GetGadgetDate(date_).day, 28);
}

TEST_F(DateTyping, EnterTakesTheTypedDateAndReportsNoChangeWhenThereIsNone) {
  test::ClickText(date_, kDay);
  EXPECT_EQ(DateChanges(), 0);
  test::PressEnter();
  EXPECT_EQ(DateChanges(), 0) << "the date stayed";
  test::TypeText("20");
  test::PressEnter();
  EXPECT_EQ(DateChanges(), 1);
  EXPECT_EQ(GetGadgetDate(date_), (Date{2011, 3, 20}));
}

TEST_F(DateTyping, AWholeDateWrittenOutTakesNoTypingAndOpensItsCalendarFromTheKeyboard) {
  SetDateMask(date_, "Tuesday, March 15, 2011");
  test::Click(date_, 20);
  Run();
  ASSERT_EQ(GetActiveGadget(), date_);
  const std::string shown = GetGadgetText(date_);
  EXPECT_EQ(shown, "Tuesday, March 15, 2011");
  for (int key : {int('5'), vk::kBack, vk::kDelete, vk::kUp, vk::kDown, vk::kPrior, vk::kSpace}) {
    test::KeyPress(key, key == '5' ? "5" : "");
    EXPECT_EQ(DateChanges(), 0) << key;
  }
  test::Paste("16");
  test::Wheel(date_, 120);
  EXPECT_EQ(DateChanges(), 0);
  EXPECT_EQ(GetGadgetText(date_), shown);
  EXPECT_EQ(GetGadgetDate(date_), (Date{2011, 3, 15}));
  // Coming back by the keyboard, or a part chosen before the date was written out, marks no letters
  // inside its words.
  const auto* edit = QApplication::focusWidget()->findChild<QLineEdit*>();
  SetActiveGadget(other_);
  Run();
  test::PressTab(true);
  Run();
  ASSERT_EQ(GetActiveGadget(), date_);
  EXPECT_FALSE(edit->hasSelectedText());
  SetDateMask(date_, "March %dd, %yyyy");
  test::ClickText(date_, kDay);
  Run();
  ASSERT_TRUE(edit->hasSelectedText());
  SetDateMask(date_, shown);
  EXPECT_FALSE(edit->hasSelectedText());

  // F4 and Alt+Down open the calendar; its arrows and Enter pick the next day.
  for (const unsigned modifiers : {0u, mods::kAlt}) {
    SCOPED_TRACE(modifiers ? "Alt+Down" : "F4");
    SetGadgetDate(date_, {2011, 3, 15});
    SetActiveGadget(date_);
    Run();
    test::KeyPress(modifiers ? vk::kDown : vk::kF1 + 3, "", modifiers);
    Run();
    test::KeyPress(vk::kRight);
    test::PressEnter();
    EXPECT_EQ(DateChanges(), 1);
    EXPECT_EQ(GetGadgetDate(date_), (Date{2011, 3, 16}));
    EXPECT_EQ(GetActiveGadget(), date_) << "the calendar closed";
  }
}

TEST_F(DateTyping, APickInTheCalendarIsReportedOnce) {
  test::PickCalendarDate(date_, {2010, 11, 2});
  EXPECT_EQ(DateChanges(), 1);
  EXPECT_EQ(GetGadgetDate(date_), (Date{2010, 11, 2}));
  test::PickCalendarDate(date_, {2010, 11, 2});
  EXPECT_EQ(DateChanges(), 0) << "the same day again is no change";
}

}  // namespace
}  // namespace pf::testing
