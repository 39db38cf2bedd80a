// What a single-line field shows of a text longer than itself: a text the program puts in shows from its
// start, at either alignment and wherever the user left the view; in the focused field the caret stays the
// user's.
#include <string>

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

}  // namespace
}  // namespace pf::testing
