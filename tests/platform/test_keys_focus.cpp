// Keys reach a field only after the loop's turn; Enter-as-Tab, Tab order and focus events.
#include <cctype>

#include "platform_fixture.h"

namespace pf::testing {
namespace {

class KeysTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    a_ = FieldGadget(kAutoNumber, 10, 10, 100, 20, "");
    b_ = FieldGadget(kAutoNumber, 10, 40, 100, 20, "");
    c_ = FieldGadget(kAutoNumber, 10, 70, 100, 20, "");
  }
  // The loop's rules: letters are refused in field a_, Enter in a field moves on as Tab does.
  void Turn(const Event& e) {
    if (e.type != EventType::KeyDown) return;
    keyDowns_.push_back(e);
    if (e.gadget == a_ && e.text.size() == 1 && std::isalpha(static_cast<unsigned char>(e.text[0])))
      DropPendingCharacter();
    if (e.key == vk::kReturn && GadgetKind(e.gadget) == Kind::Field) ReplacePendingKeyWithTab();
  }
  std::vector<Event> RunLoop() {
    return Run([this](const Event& e) { Turn(e); });
  }
  int a_ = 0, b_ = 0, c_ = 0;
  std::vector<Event> keyDowns_;
};

TEST_F(KeysTest, KeysTypedAheadAreJudgedAgainstTheFocusOfTheirTime) {
  SetActiveGadget(a_);
  RunLoop();
  test::TypeText("x");
  test::PressTab();
  test::TypeText("a5");  // all typed before the loop runs
  EXPECT_EQ(GetGadgetText(a_), "") << "nothing reaches a field before the loop's turn";
  RunLoop();
  EXPECT_EQ(GetGadgetText(a_), "");
  EXPECT_EQ(GetGadgetText(b_), "a5");
  ASSERT_EQ(keyDowns_.size(), 4u);
  const int expectedGadget[] = {a_, a_, b_, b_};
  const int expectedKey[] = {'X', vk::kTab, 'A', '5'};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(keyDowns_[i].gadget, expectedGadget[i]) << i;
    EXPECT_EQ(keyDowns_[i].key, expectedKey[i]) << i;
  }
}

TEST_F(KeysTest, AllowedKeysArriveInOrderAndRefusedOnesNever) {
  SetActiveGadget(b_);
  RunLoop();
  test::TypeText("12.5");
  RunLoop();
  EXPECT_EQ(GetGadgetText(b_), "12.5");
  SetActiveGadget(a_);
  test::TypeText("1q2w");
  RunLoop();
  EXPECT_EQ(GetGadgetText(a_), "12");
}

TEST_F(KeysTest, CombinationsWithCtrlAltOrMetaTypeNothing) {
  SetActiveGadget(b_);
  RunLoop();
  for (unsigned m : {mods::kControl, mods::kAlt, mods::kMeta, mods::kControl | mods::kShift})
    test::KeyPress('Q', "q", m);
  test::KeyPress('Q', "q", mods::kShift);
  RunLoop();
  ASSERT_EQ(keyDowns_.size(), 5u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(keyDowns_[i].text, "") << i;
  EXPECT_EQ(keyDowns_[4].text, "q");
  EXPECT_EQ(keyDowns_[2].modifiers, mods::kMeta);
}

// A loop that refuses every character still lets the keys that type none do their work.
TEST_F(KeysTest, KeysThatTypeNothingAreNeverDropped) {
  SetActiveGadget(b_);
  SetGadgetText(b_, "12345");
  RunLoop();
  const auto refuseAll = [](const Event& e) {
    if (e.type == EventType::KeyDown) DropPendingCharacter();
  };
  SetGadgetSelection(b_, 5, 5);
  test::KeyPress(vk::kBack);
  test::KeyPress('9', "9");
  test::KeyPress(vk::kHome);
  test::KeyPress(vk::kDelete);
  test::KeyPress(vk::kRight);
  test::KeyPress(vk::kDelete);
  Run(refuseAll);
  EXPECT_EQ(GetGadgetText(b_), "24");
  test::PressTab();
  Run(refuseAll);
  EXPECT_EQ(GetActiveGadget(), c_);
}

TEST_F(KeysTest, AClickWaitsBehindAKeyTheLoopHasNotTaken) {
  SetActiveGadget(b_);
  RunLoop();
  test::TypeText("7");
  test::Click(c_);
  EXPECT_EQ(GetActiveGadget(), b_) << "the click is held behind the key";
  RunLoop();
  EXPECT_EQ(GetGadgetText(b_), "7");
  EXPECT_EQ(GetGadgetText(c_), "");
  EXPECT_EQ(GetActiveGadget(), c_);
}

TEST_F(KeysTest, KeypadAndMainDigitsAreDistinctKeys) {
  SetActiveGadget(b_);
  RunLoop();
  test::KeyPress(vk::kNumpad0 + 7, "7");
  test::KeyPress('7', "7");
  test::KeyPress(vk::kDecimal, ".");
  test::KeyPress(vk::kOemPeriod, ".");
  test::KeyPress(vk::kSubtract, "-");
  test::KeyPress(vk::kOemMinus, "-");
  RunLoop();
  const int expected[] = {vk::kNumpad0 + 7, '7', vk::kDecimal, vk::kOemPeriod, vk::kSubtract, vk::kOemMinus};
  ASSERT_EQ(keyDowns_.size(), 6u);
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(keyDowns_[i].key, expected[i]) << i;
  EXPECT_EQ(GetGadgetText(b_), "77..--");
}

// Enter (replaced by the loop) and Shift+Tab land exactly where Tab does, selecting the whole text.
TEST_F(KeysTest, EnterAndShiftTabMoveFocusAsTabDoes) {
  SetGadgetText(a_, "first");
  SetGadgetText(b_, "hello");
  SetGadgetText(c_, "third");
  struct Case {
    const char* name;
    std::function<void()> press;
    int* from;
    int* to;
  } cases[] = {
      {"tab", [] { test::PressTab(); }, &a_, &b_},
      {"enter", [] { test::PressEnter(); }, &a_, &b_},
      {"shift+tab", [] { test::PressTab(true); }, &c_, &b_},
  };
  for (const Case& k : cases) {
    SetActiveGadget(*k.from);
    SetGadgetSelection(*k.from, 0, 0);
    SetGadgetSelection(*k.to, 0, 0);
    RunLoop();
    k.press();
    const auto events = ControlEvents(RunLoop());
    EXPECT_EQ(GetActiveGadget(), *k.to) << k.name;
    int start = -1, end = -1;
    GetGadgetSelection(*k.to, start, end);
    EXPECT_EQ(start, 0) << k.name;
    EXPECT_EQ(end, 5) << k.name;
    EXPECT_EQ(GetGadgetText(*k.from), k.from == &a_ ? "first" : "third") << k.name;
    ASSERT_EQ(events.size(), 2u) << k.name;
    EXPECT_EQ(events[0].kind, GadgetEvent::LostFocus) << k.name;
    EXPECT_EQ(events[0].gadget, *k.from) << k.name;
    EXPECT_EQ(events[1].kind, GadgetEvent::Focus) << k.name;
    EXPECT_EQ(events[1].origin, Origin::User) << k.name;
  }
}

TEST_F(KeysTest, InjectedTabIsSeenByTheLoopAndMovesFocus) {
  SetActiveGadget(b_);
  RunLoop();
  InjectTab();
  const auto events = RunLoop();
  EXPECT_EQ(GetActiveGadget(), c_);
  ASSERT_FALSE(keyDowns_.empty());
  EXPECT_EQ(keyDowns_[0].key, vk::kTab);
  EXPECT_EQ(ControlEvents(events).back().origin, Origin::User);
}

TEST_F(KeysTest, PasteIsJudgedWhole) {
  SetPasteJudge([](int, const std::string& text) -> std::optional<std::string> {
    if (text.find_first_not_of("0123456789.") != std::string::npos) return std::nullopt;
    return text;
  });
  SetActiveGadget(b_);
  RunLoop();
  test::Paste("12a");
  RunLoop();
  EXPECT_EQ(GetGadgetText(b_), "");
  test::Paste("12.5");
  const auto events = ControlEvents(RunLoop());
  EXPECT_EQ(GetGadgetText(b_), "12.5");
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().kind, GadgetEvent::Change);
  EXPECT_EQ(events.back().origin, Origin::User);
}

TEST_F(KeysTest, APasteGoesInAsTheJudgeTidiesItOrNotAtAllWithABeep) {
  SetPasteJudge([](int, const std::string& text) -> std::optional<std::string> {
    if (text == "refused") return std::nullopt;
    std::string tidy;
    for (char ch : text)
      if (ch != ',') tidy += ch;
    return tidy;
  });
  SetActiveGadget(b_);
  RunLoop();
  const int beeps = test::BeepCount();
  test::Paste("1,250");
  RunLoop();
  EXPECT_EQ(GetGadgetText(b_), "1250");
  test::Paste("refused");
  RunLoop();
  EXPECT_EQ(GetGadgetText(b_), "1250");
  EXPECT_EQ(test::BeepCount(), beeps + 1);

  // A text longer than the field holds is refused whole rather than cut; one that fits goes in.
  SetActiveGadget(c_);
  RunLoop();
  test::Paste(std::string(40000, 'x'));
  RunLoop();
  EXPECT_EQ(GetGadgetText(c_), "");
  EXPECT_EQ(test::BeepCount(), beeps + 2);
  test::Paste(std::string(32767, 'y'));
  RunLoop();
  EXPECT_EQ(GetGadgetText(c_).size(), 32767u);
  test::Paste("z");
  RunLoop();
  EXPECT_EQ(GetGadgetText(c_).size(), 32767u);
  EXPECT_EQ(test::BeepCount(), beeps + 3);
  // The typed entry of an editable combo box alike.
  const int combo = ComboGadget(kAutoNumber, 10, 100, 100, 20, flags::kEditable);
  SetActiveGadget(combo);
  RunLoop();
  test::Paste(std::string(40000, 'x'));
  RunLoop();
  EXPECT_EQ(GetGadgetText(combo), "");
  EXPECT_EQ(test::BeepCount(), beeps + 4);
  test::Paste("Shipping");
  RunLoop();
  EXPECT_EQ(GetGadgetText(combo), "Shipping");
  // A typing limit set by the program counts the same way.
  SetMaxLength(a_, 5);
  SetActiveGadget(a_);
  RunLoop();
  test::Paste("123456");
  RunLoop();
  EXPECT_EQ(GetGadgetText(a_), "");
  test::Paste("12345");
  RunLoop();
  EXPECT_EQ(GetGadgetText(a_), "12345");
}

// --- Tab order -----------------------------------------------------------------------------------------

TEST_F(PlatformTest, TabSkipsHiddenDisabledStaticAndNoStopControlsAndWraps) {
  const int first = FieldGadget(kAutoNumber, 0, 0, 50, 20, "");
  TextGadget(kAutoNumber, 0, 30, 50, 20, "label");
  const int hidden = FieldGadget(kAutoNumber, 0, 60, 50, 20, "");
  HideGadget(hidden, true);
  const int disabled = FieldGadget(kAutoNumber, 0, 90, 50, 20, "");
  DisableGadget(disabled, true);
  FieldGadget(kAutoNumber, 0, 120, 50, 20, "", flags::kNoTabStop);
  const int hiddenPanel = ContainerGadget(kAutoNumber, 100, 0, 100, 100);
  OpenGadgetList(hiddenPanel);
  FieldGadget(kAutoNumber, 0, 0, 50, 20, "");
  CloseGadgetList();
  HideGadget(hiddenPanel, true);
  const int disabledPanel = ContainerGadget(kAutoNumber, 200, 0, 100, 100);
  OpenGadgetList(disabledPanel);
  FieldGadget(kAutoNumber, 0, 0, 50, 20, "");
  CloseGadgetList();
  DisableGadget(disabledPanel, true);
  const int area = ScrollAreaGadget(kAutoNumber, 300, 0, 100, 100, 200, 400, 10);
  OpenGadgetList(area);
  const int inArea = FieldGadget(kAutoNumber, 0, 0, 50, 20, "");
  CloseGadgetList();
  const int button = ButtonGadget(kAutoNumber, 0, 150, 60, 20, "OK");

  SetActiveGadget(first);
  int forward[3];
  for (int& f : forward) {
    MoveFocus(false);
    f = GetActiveGadget();
  }
  EXPECT_EQ(forward[0], inArea);
  EXPECT_EQ(forward[1], button);
  EXPECT_EQ(forward[2], first);
  MoveFocus(true);
  EXPECT_EQ(GetActiveGadget(), button);
  EXPECT_FALSE(IsTabStop(hidden));
  EXPECT_FALSE(IsTabStop(area));
}

TEST_F(PlatformTest, TabLeavesADateFieldAtOnce) {
  const int before = FieldGadget(kAutoNumber, 0, 0, 50, 20, "");
  const int date = DateGadget(kAutoNumber, 0, 30, 200, 24, "%mm/%dd/%yyyy");
  const int after = FieldGadget(kAutoNumber, 0, 60, 50, 20, "");
  SetActiveGadget(before);
  Run();
  test::PressTab();
  auto events = ControlEvents(Run());
  EXPECT_EQ(GetActiveGadget(), date);
  ASSERT_EQ(events.size(), 2u) << Describe(events);
  EXPECT_EQ(events[1].gadget, date);
  EXPECT_EQ(events[1].kind, GadgetEvent::Focus);
  test::PressTab();
  events = ControlEvents(Run());
  EXPECT_EQ(GetActiveGadget(), after);
  ASSERT_EQ(events.size(), 2u) << Describe(events);
  EXPECT_EQ(events[0].gadget, date);
  EXPECT_EQ(events[0].kind, GadgetEvent::LostFocus);
}

TEST_F(PlatformTest, OptionGroupIsVisitedAtItsCheckedButton) {
  const int field = FieldGadget(kAutoNumber, 0, 0, 50, 20, "");
  OptionGadget(kAutoNumber, 0, 30, 80, 20, "one");
  const int two = OptionGadget(kAutoNumber, 0, 60, 80, 20, "two");
  OptionGadget(kAutoNumber, 0, 90, 80, 20, "three");
  SetOptionChecked(two, true);
  SetActiveGadget(field);
  MoveFocus(false);
  EXPECT_EQ(GetActiveGadget(), two);
  MoveFocus(false);
  EXPECT_EQ(GetActiveGadget(), field);
}

TEST_F(PlatformTest, FocusEventsCarryTheirOrigin) {
  const int a = FieldGadget(kAutoNumber, 0, 0, 50, 20, "");
  const int b = FieldGadget(kAutoNumber, 0, 30, 50, 20, "");
  SetActiveGadget(a);
  auto events = ControlEvents(Run());
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, GadgetEvent::Focus);
  EXPECT_EQ(events[0].origin, Origin::Program);
  test::Click(b);
  events = ControlEvents(Run());
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].gadget, a);
  EXPECT_EQ(events[0].kind, GadgetEvent::LostFocus);
  EXPECT_EQ(events[1].gadget, b);
  EXPECT_EQ(events[1].kind, GadgetEvent::Focus);
  EXPECT_EQ(events[1].origin, Origin::User);
  SetActiveGadget(0);
  EXPECT_EQ(GetActiveGadget(), 0);
}

}  // namespace
}  // namespace pf::testing
