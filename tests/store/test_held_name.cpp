// The workplace name typed while another program holds the record file: the user is told once, under the
// name's own title, the name stays in the field and is stored by the first command that finds the file free,
// and closing the program never lets it go unsaid.
#include <string>

#include "shell/page_globals.h"
#include "shell/shell_globals.h"
#include "shell/startup.h"
#include "store/held_file_fixture.h"

namespace {

using namespace held;
using pf::Answer;

const std::string kNewName = "Harbour Works";

class HeldNameTest : public HeldFileTest {
 protected:
  void SetUp() override {
    HeldFileTest::SetUp();
    // The incident calculator read while the file is free, then the name typed over the stored one.
    ExpectFree(ClickAndCount(HomeTile(2)));
    pf::test::Click(CompanyNameField);
    Pump();
    pf::test::TypeText(kNewName);
    Pump();
    ASSERT_EQ(pf::GetGadgetText(CompanyNameField), kNewName);
  }
  static std::vector<std::string> Titles(const Cost& c) {
    std::vector<std::string> titles;
    for (const auto& b : c.boxes) titles.push_back(b.title);
    return titles;
  }
};

struct LeaveCase {
  const char* name;
  void (*leave)();
  const char* title;  // of the one box: the name's own, or that of a read the command made first
};
void PrintTo(const LeaveCase& c, std::ostream* os) { *os << c.name; }

class HeldNameLeaveTest : public HeldNameTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(HeldNameLeaveTest, IsToldOnceAndStoredByTheFirstCommandThatFindsTheFileFree) {
  Hold();
  const Cost leaving = Count(GetParam().leave);
  ExpectOneWaitOneMessage(leaving);
  EXPECT_EQ(Titles(leaving), std::vector<std::string>{GetParam().title});
  EXPECT_EQ(pf::GetGadgetText(CompanyNameField), kNewName);
  EXPECT_EQ(StoredName(), kOldName);

  // While the file stays held, what the user does next neither waits for the name nor tells again.
  ExpectFree(ClickAndCount(SecondTabGadget(9)));
  EXPECT_EQ(StoredName(), kOldName);

  Release();
  ExpectFree(ClickAndCount(SecondTabGadget(9)));
  EXPECT_EQ(StoredName(), kNewName);
}

INSTANTIATE_TEST_SUITE_P(
    Leaving, HeldNameLeaveTest,
    ::testing::Values(LeaveCase{"Tab", [] { pf::test::PressTab(); }, "nope"},
                      // A new incident reads the company figures, which meets the held file first.
                      LeaveCase{"TileThatReadsTheFile", [] { pf::test::Click(IncidentNewTile); }, ""},
                      LeaveCase{"StepTab", [] { pf::test::Click(SecondTabGadget(8)); }, "nope"}),
    [](const auto& info) { return std::string(info.param.name); });

// Closing with a name the file did not take: the user is asked, and chooses.
struct CloseCase {
  const char* name;
  bool leaveFirst;  // the field left before the close; else the close comes while the user is in it
  bool held;
  std::vector<Answer> answers;
  int waits;
  bool exits;
  std::string storedAtLast;  // once the file is free again and the program, if still running, goes on
};
void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class HeldNameCloseTest : public HeldNameTest, public ::testing::WithParamInterface<CloseCase> {};

const CloseCase kCloses[] = {
    {"CancelKeepsTheProgramAndTheName", true, true, {Answer::Cancel}, 1, false, kNewName},
    {"NoEndsWithoutTheName", true, true, {Answer::No}, 1, true, kOldName},
    {"YesWaitsAndAsksAgain", true, true, {Answer::Yes, Answer::Cancel}, 2, false, kNewName},
    {"StillInTheFieldIsAskedToo", false, true, {Answer::No}, 1, true, kOldName},
    {"StillInTheFieldWithTheFileFreeIsStored", false, false, {}, 0, true, kNewName},
};

TEST_P(HeldNameCloseTest, TheUserDecides) {
  const CloseCase& c = GetParam();
  if (c.held) Hold();
  if (c.leaveFirst) ExpectOneWaitOneMessage(Count([] { pf::test::PressTab(); }));
  const Cost closing = Count([] { pf::test::RequestClose(); }, c.answers);
  EXPECT_EQ(closing.waits, c.waits);
  ASSERT_EQ(closing.boxes.size(), c.answers.size());
  for (const auto& box : closing.boxes) {
    EXPECT_EQ(box.title, "Workplace name not stored");
    EXPECT_EQ(box.text,
              "The workplace name \"Harbour Works\" could not be stored: database is locked.\n\nYes tries "
              "again, No closes the program without it, Cancel keeps the program open.");
    EXPECT_EQ(box.buttons, pf::Buttons::YesNoCancel);
  }
  EXPECT_EQ(ExitRequested, c.exits);
  Release();
  if (!c.exits) ExpectFree(ClickAndCount(SecondTabGadget(9)));
  EXPECT_EQ(StoredName(), c.storedAtLast);
}

INSTANTIATE_TEST_SUITE_P(Closing, HeldNameCloseTest, ::testing::ValuesIn(kCloses),
                         [](const auto& info) { return std::string(info.param.name); });

// The unsaved-changes questions come first; the name's question follows them.
TEST_F(HeldNameTest, UnsavedRecordsAreAskedAboutBeforeTheName) {
  Hold();
  ExpectOneWaitOneMessage(ClickAndCount(IncidentNewTile));
  pf::test::Click(IncidentGadget(0, 3, 2));
  pf::test::TypeText("R-7");
  Pump();
  ASSERT_EQ(ModifiedFlags(KindIncident), 1);
  const Cost closing = Count([] { pf::test::RequestClose(); }, {Answer::No, Answer::Cancel});
  EXPECT_EQ(closing.waits, 1);
  EXPECT_EQ(Titles(closing), (std::vector<std::string>{"Incident modified", "Workplace name not stored"}));
  EXPECT_FALSE(ExitRequested);
}

}  // namespace
