// Scripted message boxes: answers in order, a log, and a loud failure for a box nobody expected.
#include <stdexcept>

#include "platform_fixture.h"

namespace pf::testing {
namespace {

TEST_F(PlatformTest, ScriptedAnswersAreReturnedAndLogged) {
  test::ScriptMessageAnswers({Answer::Ok, Answer::Cancel, Answer::No});
  EXPECT_EQ(MessageRequester("Draft Version", ""), Answer::Ok);
  EXPECT_EQ(MessageRequester("Save", "Save the incident?", Buttons::YesNoCancel), Answer::Cancel);
  EXPECT_EQ(MessageRequester("Delete", "Delete it?", Buttons::YesNo), Answer::No);
  EXPECT_EQ(test::PendingMessageAnswers(), 0);
  const auto log = test::TakeMessageLog();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[1].title, "Save");
  EXPECT_EQ(log[1].text, "Save the incident?");
  EXPECT_EQ(log[1].buttons, Buttons::YesNoCancel);
  EXPECT_EQ(log[1].answer, Answer::Cancel);
  EXPECT_TRUE(test::TakeMessageLog().empty());
}

TEST_F(PlatformTest, UnexpectedBoxFailsWithItsTitleAndText) {
  struct Case {
    std::vector<Answer> script;
    Buttons buttons;
  } cases[] = {
      {{}, Buttons::Ok},                   // nothing scripted: headless runs never wait for a user
      {{Answer::Cancel}, Buttons::YesNo},  // an answer the box cannot give
      {{Answer::Yes}, Buttons::Ok},
  };
  for (const Case& c : cases) {
    test::ScriptMessageAnswers(c.script);
    try {
      MessageRequester("nope", "disk full", c.buttons);
      ADD_FAILURE() << "no failure";
    } catch (const std::logic_error& e) {
      const std::string what = e.what();
      EXPECT_NE(what.find("nope"), std::string::npos) << what;
      EXPECT_NE(what.find("disk full"), std::string::npos) << what;
    }
  }
}

}  // namespace
}  // namespace pf::testing
