#include <string>

#include "shell/subclassed_controls.h"
#include "test_page.h"

namespace {

// A step page in a scroll area 200 px high: a field at the top, a note field well below the visible part,
// a field after it, and a note field that is visible from the start.
class WorksheetFieldTest : public TestPage {
 protected:
  void SetUp() override {
    TestPage::SetUp();
    area = pf::ScrollAreaGadget(AutoNumber, 0, 0, 400, 200, 380, 1000, 10);
    pf::OpenGadgetList(area);
    top = pf::FieldGadget(AutoNumber, 10, 10, 100, 20, "");
    visibleNote = pf::EditorGadget(AutoNumber, 10, 40, 200, 60);
    note = pf::EditorGadget(AutoNumber, 10, 400, 200, 60);
    after = pf::FieldGadget(AutoNumber, 10, 480, 100, 20, "");
    pf::CloseGadgetList();
    for (int editor : {visibleNote, note}) {
      pf::AddGadgetHandler(editor, WorksheetFieldProc);
      pf::SetGadgetText(editor, "first line");
    }
    Built();
  }

  int NoteOverhang() {
    const int viewBottom = pf::GadgetScreenRect(area).y + pf::ScrollAreaViewHeight(area);
    return pf::GadgetScreenRect(note).Bottom() - viewBottom;
  }

  std::pair<int, int> Selection(int gadget) {
    int start = -1, end = -1;
    pf::GetGadgetSelection(gadget, start, end);
    return {start, end};
  }

  int area = 0, top = 0, visibleNote = 0, note = 0, after = 0;
};

}  // namespace

TEST_F(WorksheetFieldTest, TabbingInScrollsTheFieldIntoViewAndSelectsItsText) {
  Focus(visibleNote);
  EXPECT_EQ(pf::GetScrollY(area), 0);  // already visible: no scrolling
  EXPECT_EQ(Selection(visibleNote), std::make_pair(0, 10));
  const int overhang = NoteOverhang();
  ASSERT_GT(overhang, 0);
  pf::test::PressTab();
  Pump();
  ASSERT_EQ(pf::GetActiveGadget(), note);
  EXPECT_EQ(pf::GetScrollY(area), overhang + 15);
  EXPECT_EQ(Selection(note), std::make_pair(0, 10));
  EXPECT_EQ(Selection(visibleNote), std::make_pair(0, 0));  // leaving clears the selection
}

TEST_F(WorksheetFieldTest, AClickPlacesTheCaretWithoutSelecting) {
  Focus(top);
  pf::test::Click(visibleNote, 5, 5);
  Pump();
  ASSERT_EQ(pf::GetActiveGadget(), visibleNote);
  const auto [start, end] = Selection(visibleNote);
  EXPECT_EQ(start, end);
  EXPECT_EQ(FieldClickFocus, 5);
}

TEST_F(WorksheetFieldTest, TabEnterAndShiftTabLeaveTheFieldWithoutTyping) {
  struct Case {
    int key;
    std::string text;
    unsigned modifiers;
    int expectedFocus;
  };
  const Case cases[] = {
      {pf::vk::kTab, "\t", 0, after},
      {pf::vk::kReturn, "\r", 0, after},
      {pf::vk::kTab, "\t", pf::mods::kShift, visibleNote},
  };
  for (const Case& c : cases) {
    Focus(note);
    pf::SetGadgetSelection(note, 10, 10);
    pf::test::KeyPress(c.key, c.text, c.modifiers);
    Pump();
    EXPECT_EQ(pf::GetActiveGadget(), c.expectedFocus) << "key " << c.key << " modifiers " << c.modifiers;
    EXPECT_EQ(pf::GetGadgetText(note), "first line");
  }
}
