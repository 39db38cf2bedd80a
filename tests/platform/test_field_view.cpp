// What a single-line field shows of a text longer than itself: a text the program puts in shows from its
// start, at either alignment and wherever the user left the view; in the focused field the caret stays the
// user's. And what it takes in: one line, which it holds as it shows it.
#include <QApplication>
#include <QInputMethodEvent>
#include <QWidget>
#include <string>
#include <vector>

#include "platform_fixture.h"

namespace pf::testing {
namespace {

const std::string kLong = "head office, plant management, finance, consultant meetings";
const std::string kShorter = "plant management, finance";  // still longer than the field

// The field shows the start of `text` and not all of it.
::testing::AssertionResult ShowsStartOf(int field, const std::string& text) {
  const std::string shown = test::ShownFieldText(field);
  if (shown.size() >= 3 && shown.size() < text.size() && text.starts_with(shown))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "shows \"" << shown << "\" of \"" << text << "\"";
}

class FieldView : public PlatformTest, public ::testing::WithParamInterface<unsigned> {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    field = FieldGadget(kAutoNumber, 0, 0, 120, 22, kLong, GetParam() | flags::kBorder);
    other = FieldGadget(kAutoNumber, 0, 40, 120, 22, "", GetParam() | flags::kBorder);
  }
  int field = 0, other = 0;
};

TEST_P(FieldView, AProgramTextShowsItsStartWhereverTheUserLeftTheView) {
  EXPECT_TRUE(ShowsStartOf(field, kLong)) << "as created";
  // The user goes to the end of the text and leaves the field there.
  test::Click(field);
  test::KeyPress(vk::kEnd);
  Run();
  EXPECT_TRUE(kLong.ends_with(test::ShownFieldText(field))) << "the view follows the user's caret";
  test::Click(other);
  Run();
  // A text shorter than where the view stood, yet longer than the field, and then the long one again.
  SetGadgetText(field, kShorter);
  EXPECT_TRUE(ShowsStartOf(field, kShorter));
  SetGadgetText(field, kLong);
  EXPECT_TRUE(ShowsStartOf(field, kLong));
  Run();
}

TEST_P(FieldView, InTheFocusedFieldAWholeHighlightStaysWholeAndTheCaretGoesAfterTheText) {
  SetActiveGadget(field);
  SetGadgetSelection(field, 0, -1);
  Run();
  SetGadgetText(field, kShorter);
  int start = -1, end = -1;
  GetGadgetSelection(field, start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, int(kShorter.size()));
  SetGadgetSelection(field, 3, 3);
  SetGadgetText(field, kLong);
  GetGadgetSelection(field, start, end);
  EXPECT_EQ(start, int(kLong.size()));
  EXPECT_EQ(end, int(kLong.size()));
  EXPECT_TRUE(kLong.ends_with(test::ShownFieldText(field)));
  Run();
}

INSTANTIATE_TEST_SUITE_P(Alignments, FieldView, ::testing::Values(0u, flags::kRight),
                         [](const auto& info) { return info.param ? "Right" : "Left"; });

// --- One line in -------------------------------------------------------------------------------------------

struct LineCase {
  std::string in, shown;
};

// Pasted, typed or committed, a text with line breaks, tabs and other control characters comes into a
// single-line field as the one line it shows: a break or a tab as a blank, anything else of the kind left
// out; the rest of the text as it came.
const LineCase kLines[] = {
    {"Line1\nLine2\t\x1b", "Line1 Line2 "},
    {"a\r\nb", "a b"},        // a CR LF pair is one break
    {"a\rb\n\nc", "a b  c"},  // each break on its own
    {"a\vb\fc", "a b c"},
    {"a\u2028b\u2029c\u0085d", "a b c d"},
    {"\001a\177\u009bb\037", "ab"},  // C0, DEL and C1
    {"Z\u00fcrich \u2013 \u6771\u4eac \u2605", "Z\u00fcrich \u2013 \u6771\u4eac \u2605"},
};

class OneLineField : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    field = FieldGadget(kAutoNumber, 0, 0, 300, 22, "", flags::kBorder);
    combo = ComboGadget(kAutoNumber, 0, 40, 300, 22, flags::kEditable);
    editor = EditorGadget(kAutoNumber, 0, 80, 300, 60, flags::kBorder);
  }
  // The control empty and focused, `text` put in by `road`, and the loop's turn.
  void Enter(int gadget, const std::string& text, void (*road)(const std::string&)) {
    SetGadgetText(gadget, "");
    SetActiveGadget(gadget);
    Run();
    road(text);
    Run();
  }
  int field = 0, combo = 0, editor = 0;
};

void Paste(const std::string& text) { test::Paste(text); }
// An input tool that types a whole text with one key press.
void TypeAsOneKey(const std::string& text) { test::KeyPress(0, text); }
// An input method committing its composed text.
void Commit(const std::string& text) {
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromStdString(text));
  QApplication::sendEvent(QApplication::focusWidget(), &commit);
}

TEST_F(OneLineField, TakesInOneLineByEveryRoad) {
  const struct {
    const char* name;
    void (*road)(const std::string&);
  } roads[] = {{"paste", Paste}, {"key", TypeAsOneKey}, {"input method", Commit}};
  for (const auto& road : roads)
    for (const int gadget : {field, combo})
      for (const LineCase& c : kLines) {
        // A key's text that starts with a control character is that key's own (Enter, Escape).
        if (road.road == TypeAsOneKey && static_cast<unsigned char>(c.in[0]) < 0x20) continue;
        Enter(gadget, c.in, road.road);
        EXPECT_EQ(GetGadgetText(gadget), c.shown)
            << road.name << " into " << (gadget == field ? "field" : "combo") << ": "
            << ::testing::PrintToString(c.in);
      }
}

TEST_F(OneLineField, ThePasteJudgeAndTheRoomSeeTheLineThatGoesIn) {
  std::vector<std::string> judged;
  SetPasteJudge([&](int, const std::string& text) -> std::optional<std::string> {
    judged.push_back(text);
    return text;
  });
  SetMaxLength(field, 5);
  Enter(field, "ab\r\ncd", Paste);  // six characters pasted, five go in
  EXPECT_EQ(GetGadgetText(field), "ab cd");
  EXPECT_EQ(judged, std::vector<std::string>{"ab cd"});
}

TEST_F(OneLineField, AMultiLineFieldKeepsItsLineBreaksAndTabs) {
  Enter(editor, "Line1\nLine2\tend", Paste);
  EXPECT_EQ(GetGadgetText(editor), "Line1\nLine2\tend");
}

}  // namespace
}  // namespace pf::testing
