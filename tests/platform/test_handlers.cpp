// Handler chains: order, consuming, passing on, previous(), and the messages that reach them.
#include <cctype>

#include "platform_fixture.h"

namespace pf::testing {
namespace {

Message Of(Msg type) {
  Message m;
  m.type = type;
  return m;
}

class HandlersTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    field_ = FieldGadget(kAutoNumber, 10, 10, 100, 20, "");
    other_ = FieldGadget(kAutoNumber, 10, 40, 100, 20, "");
    SetActiveGadget(field_);
    Run();
  }
  int field_ = 0, other_ = 0;
};

TEST_F(HandlersTest, NewestHandlerRunsFirstAndConsumingStopsTheRest) {
  std::string order;
  AddGadgetHandler(field_, [&](Message& m, const CallPrevious&) {
    if (m.type == Msg::Char) order += "old ";
    return false;
  });
  AddGadgetHandler(field_, [&](Message& m, const CallPrevious&) {
    if (m.type != Msg::Char) return false;
    order += "new ";
    return m.text == "x";  // consumes x
  });
  test::TypeText("ax");
  Run();
  EXPECT_EQ(order, "new old new ");
  EXPECT_EQ(GetGadgetText(field_), "a") << "a consumed character never reaches the field";
}

TEST_F(HandlersTest, PreviousRunsTheOlderHandlersAndTheDefaultOnce) {
  int olderRuns = 0;
  AddGadgetHandler(field_, [&](Message& m, const CallPrevious&) {
    olderRuns += m.type == Msg::KeyDown;
    return false;
  });
  AddGadgetHandler(field_, [&](Message& m, const CallPrevious& previous) {
    if (m.type != Msg::KeyDown) return false;
    previous();
    EXPECT_EQ(GetGadgetText(field_), "7") << "the field has the key as soon as previous() returns";
    previous();
    return false;
  });
  test::TypeText("7");
  Run();
  EXPECT_EQ(olderRuns, 1);
  EXPECT_EQ(GetGadgetText(field_), "7");
}

TEST_F(HandlersTest, ConsumedKeyDownKeepsTheKeyFromTheControl) {
  int removable =
      AddGadgetHandler(field_, [](Message& m, const CallPrevious&) { return m.type == Msg::KeyDown; });
  test::TypeText("12");
  Run();
  EXPECT_EQ(GetGadgetText(field_), "");
  RemoveGadgetHandler(field_, removable);
  test::TypeText("3");
  Run();
  EXPECT_EQ(GetGadgetText(field_), "3");
}

// A Tab or Enter typed into a field whose handler moves the focus itself (as worksheet editors do).
TEST_F(HandlersTest, CharHandlerCanTakeOverTabAndEnter) {
  const int editor = EditorGadget(kAutoNumber, 10, 70, 200, 60);
  std::vector<int> chars;
  AddGadgetHandler(editor, [&](Message& m, const CallPrevious&) {
    if (m.type == Msg::KeyDown && m.key == vk::kReturn) return true;
    if (m.type != Msg::Char || (m.key != 9 && m.key != 13)) return false;
    chars.push_back(m.key);
    MoveFocus((m.modifiers & mods::kShift) != 0);
    return true;
  });
  for (auto press : {+[] { test::PressEnter(); }, +[] { test::PressTab(true); }}) {
    SetActiveGadget(editor);
    Run();
    press();
    Run();
  }
  EXPECT_EQ(chars, (std::vector<int>{13, 9}));
  EXPECT_EQ(GetGadgetText(editor), "");
  EXPECT_EQ(GetActiveGadget(), other_) << "Shift+Tab goes backward";
}

TEST_F(HandlersTest, FocusInCarriesItsReason) {
  const int button = PictureButtonGadget(kAutoNumber, 10, 70, 40, 40, 0);
  std::vector<FocusReason> reasons;
  std::vector<Msg> lost;
  AddGadgetHandler(button, [&](Message& m, const CallPrevious& previous) {
    if (m.type == Msg::FocusIn) reasons.push_back(m.reason);
    if (m.type == Msg::FocusOut) {
      previous();
      lost.push_back(m.type);
    }
    return false;
  });
  SetActiveGadget(other_);
  test::PressTab();
  Run();
  SetActiveGadget(field_);
  SetActiveGadget(button);
  SetActiveGadget(field_);
  test::Click(button);
  Run();
  ASSERT_EQ(reasons.size(), 3u);
  EXPECT_EQ(reasons[0], FocusReason::Keyboard);
  EXPECT_EQ(reasons[1], FocusReason::Program);
  EXPECT_EQ(reasons[2], FocusReason::Mouse);
  EXPECT_EQ(lost.size(), 2u);
}

// Enter held on a picture button: the handler turns the press into a left down and the release into a
// left up, which together make exactly one click.
TEST_F(HandlersTest, SyntheticLeftDownAndUpMakeOneClick) {
  const int button = PictureButtonGadget(kAutoNumber, 10, 70, 40, 40, 0);
  bool enterDown = false;
  AddGadgetHandler(button, [&](Message& m, const CallPrevious&) {
    if (m.type == Msg::KeyDown && m.key == vk::kReturn && !enterDown) {
      enterDown = true;
      SendGadgetMessage(button, Of(Msg::LeftDown));
      return true;
    }
    if (m.type == Msg::KeyUp && m.key == vk::kReturn && enterDown) {
      enterDown = false;
      SendGadgetMessage(button, Of(Msg::LeftUp));
      return true;
    }
    return m.type == Msg::KeyDown && m.key == vk::kReturn;  // repeats
  });
  SetActiveGadget(button);
  Run();
  test::KeyDownOnly(vk::kReturn, "\r");
  test::KeyDownOnly(vk::kReturn, "\r", 0, true);
  Run();
  EXPECT_TRUE(IsButtonPushed(button));
  test::KeyUpOnly(vk::kReturn);
  const auto events = ControlEvents(Run());
  int clicks = 0;
  for (const Event& e : events) clicks += e.gadget == button && e.kind == GadgetEvent::LeftClick;
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(IsButtonPushed(button));
}

TEST_F(HandlersTest, StateMessagesReachTheChain) {
  const int button = ButtonGadget(kAutoNumber, 10, 70, 80, 24, "Go");
  const int option = OptionGadget(kAutoNumber, 10, 100, 80, 24, "Opt");
  std::vector<std::pair<Msg, bool>> seen;
  auto record = [&](Message& m, const CallPrevious&) {
    if (m.type == Msg::Enable || m.type == Msg::PushState || m.type == Msg::CheckState ||
        m.type == Msg::Size || m.type == Msg::TextSet)
      seen.emplace_back(m.type, m.flag);
    return false;
  };
  AddGadgetHandler(button, record);
  AddGadgetHandler(option, record);
  DisableGadget(button, true);
  DisableGadget(button, false);
  ResizeGadget(button, kIgnoreValue, kIgnoreValue, 90, kIgnoreValue);
  SetGadgetText(button, "Stop");
  test::LeftDown(button);
  test::LeftUp(button);
  SetOptionChecked(option, true);
  const std::vector<std::pair<Msg, bool>> expected = {
      {Msg::Enable, false},   {Msg::Enable, true},     {Msg::Size, false},     {Msg::TextSet, false},
      {Msg::PushState, true}, {Msg::PushState, false}, {Msg::CheckState, true}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(test::DisplayedText(button), "Stop");
}

TEST_F(HandlersTest, MouseMessagesCarryControlCoordinates) {
  const int list = ListBoxGadget(kAutoNumber, 10, 70, 120, 100, flags::kBorder);
  AddGadgetItem(list, -1, "one");
  std::vector<Message> seen;
  AddGadgetHandler(list, [&](Message& m, const CallPrevious&) {
    if (m.type == Msg::LeftDown || m.type == Msg::RightDown || m.type == Msg::Wheel) seen.push_back(m);
    return m.type == Msg::RightDown;
  });
  test::Click(list, 20, 8);
  test::RightClick(list, 30, 9);
  test::Wheel(list, -120);
  std::string types;
  for (const Message& m : seen) types += std::to_string(int(m.type)) + " ";
  ASSERT_EQ(seen.size(), 3u) << types;
  EXPECT_EQ(seen[0].pos.x, 20);
  EXPECT_EQ(seen[0].pos.y, 8);
  EXPECT_EQ(seen[1].type, Msg::RightDown);
  EXPECT_EQ(seen[2].delta, -120);
}

}  // namespace
}  // namespace pf::testing

namespace pf::testing {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Completion in an editable combo box from the characters typed into its edit part.
TEST_F(PlatformTest, ComboEditCharactersReachTheCombosChain) {
  const int combo = ComboGadget(kAutoNumber, 10, 10, 200, 24, flags::kEditable);
  AddGadgetItem(combo, -1, "Assembly");
  AddGadgetItem(combo, -1, "Accounting");
  AddGadgetHandler(combo, [combo](Message& m, const CallPrevious&) {
    if (m.type != Msg::Char || !m.fromEdit || m.key < 32) return false;
    int s = 0, e = 0;
    GetGadgetSelection(combo, s, e);
    const std::string t = GetGadgetText(combo);
    if (e != int(t.size())) return false;
    const std::string typed = t.substr(0, size_t(s)) + m.text;
    int match = -1, matches = 0;
    for (int i = 0; i < CountGadgetItems(combo); ++i)
      if (Lower(GetGadgetItemText(combo, i).substr(0, typed.size())) == Lower(typed)) {
        match = i;
        ++matches;
      }
    if (matches != 1) return false;
    SetGadgetText(combo, typed + GetGadgetItemText(combo, match).substr(typed.size()));
    SetGadgetSelection(combo, s + 1, e + 999);
    return true;
  });
  SetActiveGadget(combo);
  Run();
  test::TypeText("a");
  Run();
  EXPECT_EQ(test::ComboEditText(combo), "a") << "two items match: nothing completed";
  test::TypeText("s");
  Run();
  EXPECT_EQ(test::ComboEditText(combo), "assembly");
  int s = 0, e = 0;
  GetGadgetSelection(combo, s, e);
  EXPECT_EQ(s, 2);
  EXPECT_EQ(e, 8);
  EXPECT_TRUE(ControlEvents(test::DrainEvents()).empty()) << "typing into a combo box raises nothing";
}

}  // namespace
}  // namespace pf::testing
