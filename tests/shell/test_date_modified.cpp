// A date the user changes marks its worksheet modified, so closing or opening another record asks about
// it; a date the program sets marks nothing.
#include <string>

#include "platform/test_surface.h"
#include "shell/page_switching.h"
#include "shell/program_fixture.h"
#include "shell/shell_globals.h"

namespace {

class DateModified : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    pf::HideGadget(FrontPageHolder, true);
    pf::HideGadget(TabbedArea, false);
  }
};

enum class How { Calendar, CalendarByKeyboard, TypedDay };

struct Case {
  const char* name;
  int kind;
  int top, second, third;  // the page the date is on
  int (*field)();
  How how;
};

int IncidentDate() { return IncidentGadget(0, 4, 2); }
int SummaryStart() { return MIGadget(2, 2); }
int BAAfterEnd() { return BAGadget(7, 3, 2, 2); }
int CGStart() { return CGGadget(7, 2, 1, 2); }
int PIEnd() { return PIGadget(7, 3, 1, 2); }

}  // namespace

TEST_F(DateModified, AUsersDateChangeMarksItsWorksheetModified) {
  const Case cases[] = {
      {"incident, calendar", KindIncident, 2, 8, -1, IncidentDate, How::Calendar},
      {"incident, calendar from the keyboard", KindIncident, 2, 8, -1, IncidentDate, How::CalendarByKeyboard},
      {"summary, calendar", KindMISummary, 2, 10, 1, SummaryStart, How::Calendar},
      {"summary, typed", KindMISummary, 2, 10, 1, SummaryStart, How::TypedDay},
      {"before and after, calendar", KindBA, 1, 3, 7, BAAfterEnd, How::Calendar},
      {"before and after, typed", KindBA, 1, 3, 7, BAAfterEnd, How::TypedDay},
      {"concurrent groups, calendar", KindCG, 1, 2, 7, CGStart, How::Calendar},
      {"concurrent groups, typed", KindCG, 1, 2, 7, CGStart, How::TypedDay},
      {"potential intervention, calendar", KindPI, 1, 1, 7, PIEnd, How::Calendar},
      {"potential intervention, typed", KindPI, 1, 1, 7, PIEnd, How::TypedDay},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ShowPage(c.top, c.second, c.third);
    Pump();
    ModifiedFlags(c.kind) = 0;
    const int field = c.field();
    ASSERT_NE(field, 0);
    const pf::Date before = pf::GetGadgetDate(field);
    switch (c.how) {
      case How::Calendar:
        pf::test::PickCalendarDate(field, {2011, 1, 20});
        break;
      case How::CalendarByKeyboard:
        pf::SetActiveGadget(field);
        Pump();
        pf::test::KeyPress(pf::vk::kF1 + 3);
        Pump();
        pf::test::KeyPress(pf::vk::kLeft);
        pf::test::PressEnter();
        break;
      case How::TypedDay: {
        // The day follows the month's name and its blank.
        pf::test::ClickText(field, int(pf::GetGadgetText(field).find(' ')) + 1);
        Pump();
        pf::test::TypeText("12");
        pf::test::PressTab();
        break;
      }
    }
    Pump();
    EXPECT_NE(pf::GetGadgetDate(field), before);
    EXPECT_EQ(ModifiedFlags(c.kind), 1);
  }
}

TEST_F(DateModified, TypingThatChangesNoDateMarksNothing) {
  // The incident shows its date written out whole: typed digits do not go in.
  ShowPage(2, 8, -1);
  Pump();
  ModifiedFlags(KindIncident) = 0;
  const int field = IncidentDate();
  ASSERT_NE(field, 0);
  const std::string shown = pf::GetGadgetText(field);
  pf::test::Click(field, 20);
  Pump();
  pf::test::TypeText("15");
  pf::test::PressTab();
  Pump();
  EXPECT_EQ(pf::GetGadgetText(field), shown);
  EXPECT_EQ(pf::GetGadgetDate(field), (pf::Date{2010, 7, 5}));
  EXPECT_EQ(ModifiedFlags(KindIncident), 0);

  // Enter on a study date that stays is no change either.
  ShowPage(1, 2, 7);
  Pump();
  ModifiedFlags(KindCG) = 0;
  pf::test::ClickText(CGStart(), 6);
  Pump();
  pf::test::PressEnter();
  Pump();
  EXPECT_EQ(ModifiedFlags(KindCG), 0);
}

TEST_F(DateModified, ClosingAfterAChangedPeriodAsksAboutIt) {
  ShowPage(1, 2, 7);
  Pump();
  ModifiedFlags(KindCG) = 0;
  pf::test::PickCalendarDate(CGStart(), {2011, 3, 15});
  Pump();
  pf::test::TakeMessageLog();
  pf::test::ScriptMessageAnswers({pf::Answer::Cancel});
  pf::test::RequestClose();
  Pump();
  EXPECT_FALSE(ExitRequested);
  const auto boxes = pf::test::TakeMessageLog();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].buttons, pf::Buttons::YesNoCancel);
}
