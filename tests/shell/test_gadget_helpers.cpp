#include <set>
#include <string>

#include "shell/gadget_helpers.h"
#include "shell/subclassed_controls.h"
#include "test_page.h"

namespace {

std::set<int> SelectedItems(int list) {
  std::set<int> selected;
  for (int item = 0; item < pf::CountGadgetItems(list); ++item)
    if (pf::IsGadgetItemSelected(list, item)) selected.insert(item);
  return selected;
}

}  // namespace

TEST_F(TestPage, SelectItemByDataTakesTheFirstCodeAndKeepsTheSelectionWithoutOne) {
  const int combo = pf::ComboGadget(AutoNumber, 10, 10, 200, 24);
  Built();
  FillGadgetFromList(combo, {{"Office", 7}, {"Plant", 3}, {"Yard", 3}});
  AddGadgetItemWithData(combo, 0, "ALL", 100);
  EXPECT_EQ(pf::GetGadgetItemData(combo, 0), 100);
  EXPECT_EQ(pf::GetGadgetItemText(combo, 2), "Plant");
  SelectItemByData(combo, 3);
  EXPECT_EQ(pf::GetGadgetState(combo), 2);
  SelectItemByData(combo, 42);
  EXPECT_EQ(pf::GetGadgetState(combo), 2);
}

TEST(GadgetProperties, OneValuePerControlAndNameAndZeroWhenNeverSet) {
  SetGadgetProperty(12, "savetype", 1);
  SetGadgetProperty(12, "companion", 40);
  SetGadgetProperty(12, "savetype", 5);
  EXPECT_EQ(GetGadgetProperty(12, "savetype"), 5);
  EXPECT_EQ(GetGadgetProperty(12, "companion"), 40);
  EXPECT_EQ(GetGadgetProperty(12, "Savetype"), 0);  // names are compared exactly
  EXPECT_EQ(GetGadgetProperty(13, "savetype"), 0);
  EXPECT_EQ(GadgetProperties.size(), 2u);
}

class CriteriaListTest : public TestPage {
 protected:
  void SetUp() override {
    TestPage::SetUp();
    list = pf::ListBoxGadget(AutoNumber, 10, 10, 200, 120, pf::flags::kMultiSelect);
    for (const char* text : {"ALL TYPES", "Lost time", "No lost time", "Near miss"})
      AddGadgetItemWithData(list, -1, text, 0);
    AttachExclusiveFirstItem(list);
    Built();
  }

  void ClickItem(int item) {
    const pf::Rect r = pf::GadgetItemRect(list, item);
    pf::test::Click(list, r.x + 5, r.y + r.h / 2);
    Pump();
  }

  int list = 0;
};

TEST_F(CriteriaListTest, FirstItemAndTheOthersExcludeEachOtherOnClicks) {
  struct Step {
    int clicked;
    std::set<int> selected;
  };
  const Step steps[] = {
      {1, {1}}, {3, {1, 3}}, {0, {0}}, {2, {2}}, {2, {}}, {0, {0}}, {0, {}}, {3, {3}}, {1, {1, 3}}, {3, {1}},
  };
  for (const Step& s : steps) {
    ClickItem(s.clicked);
    EXPECT_EQ(SelectedItems(list), s.selected) << "after a click on item " << s.clicked;
  }
  ClickItem(1);
  EXPECT_EQ(pf::GetGadgetState(list), -1);
}

TEST_F(CriteriaListTest, SpaceTogglesTheCaretItemWithTheSameRule) {
  ClickItem(2);
  ClickItem(3);
  pf::test::KeyPress(pf::vk::kHome);
  Pump();
  pf::test::KeyPress(pf::vk::kSpace, " ");
  Pump();
  EXPECT_EQ(SelectedItems(list), std::set<int>{0});
  pf::test::KeyPress(pf::vk::kDown);
  pf::test::KeyPress(pf::vk::kSpace, " ");
  Pump();
  EXPECT_EQ(SelectedItems(list), std::set<int>{1});
}

TEST_F(CriteriaListTest, TheProgramsOwnSelectionsAreNotJudged) {
  pf::SetGadgetItemSelected(list, 2, true);
  pf::SetGadgetItemSelected(list, 0, true);
  Pump();
  EXPECT_EQ(SelectedItems(list), (std::set<int>{0, 2}));
}

class AutoCompleteTest : public TestPage {
 protected:
  void SetUp() override {
    TestPage::SetUp();
    combo = pf::ComboGadget(AutoNumber, 10, 10, 200, 24, pf::flags::kEditable);
    AddGadgetItemWithData(combo, -1, "Assembly", 1);
    AddGadgetItemWithData(combo, -1, "Accounting", 2);
    AttachComboAutoComplete(combo);
    Built();
  }
  int combo = 0;
};

TEST_F(AutoCompleteTest, AUniquePrefixCompletesAndSelectsTheTail) {
  EXPECT_EQ(pf::GetGadgetColour(combo, BackColourType), kAutoCompleteComboColour);
  struct Case {
    std::string typed, text;
    int selectionStart;  // the selection runs to the end of the text
  };
  const Case cases[] = {
      {"a", "a", 1},          // two items begin with "a"
      {"as", "assembly", 2},  // typed letters keep their case, the tail comes from the item
      {"AS", "ASsembly", 2},
      {"asse", "assembly", 4},  // each letter typed over the selected tail completes again
      {"acx", "acx", 3},        // "x" continues no item: typed as usual, over the completed tail
      {"q", "q", 1},
  };
  for (const Case& c : cases) {
    Focus(combo);
    pf::SetGadgetText(combo, "");
    Pump();
    pf::test::TypeText(c.typed);
    Pump();
    EXPECT_EQ(pf::GetGadgetText(combo), c.text) << c.typed;
    int start = -1, end = -1;
    pf::GetGadgetSelection(combo, start, end);
    EXPECT_EQ(start, c.selectionStart) << c.typed;
    EXPECT_EQ(end, int(c.text.size())) << c.typed;
  }
}

class NextStepButtonTest : public TestPage {
 protected:
  void SetUp() override {
    TestPage::SetUp();
    if (!pf::PictureExists(NextStepImage)) pf::CreatePicture(NextStepImage, 140, 32, 0x00FF00);
    if (!pf::PictureExists(NextStepFocusImage)) pf::CreatePicture(NextStepFocusImage, 140, 32, 0xFF0000);
    field = pf::FieldGadget(AutoNumber, 10, 10, 100, 20, "");
    button = pf::PictureButtonGadget(AutoNumber, 10, 40, 140, 32, NextStepImage);
    pf::AddGadgetHandler(button, ImageButtonProc);
    Built();
  }
  int field = 0, button = 0;
};

TEST_F(NextStepButtonTest, ShowsTheEnterPictureOnlyWhenReachedByKeyboard) {
  Focus(field);
  pf::test::PressTab();
  Pump();
  ASSERT_EQ(pf::GetActiveGadget(), button);
  EXPECT_EQ(pf::GetGadgetPicture(button), NextStepFocusImage);
  pf::test::PressTab(true);
  Pump();
  EXPECT_EQ(pf::GetGadgetPicture(button), NextStepImage);
  pf::test::Click(button);
  Pump();
  EXPECT_EQ(pf::GetActiveGadget(), button);
  EXPECT_EQ(pf::GetGadgetPicture(button), NextStepImage);
}

TEST_F(NextStepButtonTest, HeldEnterClicksOnceOnRelease) {
  Focus(field);
  pf::test::PressTab();
  Pump();
  auto clicks = [&](const std::vector<pf::Event>& events) {
    int n = 0;
    for (const pf::Event& e : events)
      n += e.type == pf::EventType::Gadget && e.gadget == button && e.kind == pf::GadgetEvent::LeftClick;
    return n;
  };
  pf::test::KeyDownOnly(pf::vk::kReturn, "\r");
  pf::test::KeyDownOnly(pf::vk::kReturn, "\r", 0, true);
  pf::test::KeyDownOnly(pf::vk::kReturn, "\r", 0, true);
  EXPECT_EQ(clicks(PumpAndRecord()), 0);
  EXPECT_EQ(ImageButtonEnterDown, 1);
  pf::test::KeyUpOnly(pf::vk::kReturn);
  EXPECT_EQ(clicks(PumpAndRecord()), 1);
  EXPECT_EQ(ImageButtonEnterDown, 0);
  EXPECT_EQ(pf::GetGadgetPicture(button), NextStepImage);
}
