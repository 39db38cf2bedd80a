#include <string>

#include "shell/date_fields.h"
#include "test_page.h"

namespace {

class DateFieldTest : public TestPage {
 protected:
  int NewDateField(int y) { return pf::DateGadget(AutoNumber, 10, y, 200, 24, "%mm/%dd/%yyyy"); }

  void Set(int field, pf::Date d) { SetDateGadget(field, d.year, d.month, d.day); }

  // Program-set dates must raise no date event, or the order rules would run on their own writes.
  void ExpectNoDateEvents() {
    for (const pf::Event& e : pf::test::DrainEvents())
      EXPECT_FALSE(e.type == pf::EventType::Gadget && e.kind == pf::GadgetEvent::DateChange) << e.gadget;
  }
};

}  // namespace

TEST_F(DateFieldTest, EveryMonthShowsItsNameInTheMask) {
  const int field = NewDateField(10);
  Built();
  const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                         "July",    "August",   "September", "October", "November", "December"};
  for (int month = 1; month <= 12; ++month) {
    Set(field, {2010, month, 5});
    EXPECT_EQ(pf::GetDateDisplayText(field), std::string(names[month - 1]) + " 05, 2010");
  }
  ExpectNoDateEvents();
}

TEST_F(DateFieldTest, ADateThatDoesNotExistLeavesTheField) {
  const int field = NewDateField(10);
  Built();
  Set(field, {2011, 4, 30});
  const DateRecord refused[] = {
      {2011, 4, 31},          {2011, 2, 29},          {2011, 13, 1},
      {2011, 0, 1},           {2011, 5, 0},           {999, 5, 1},
      {1600, 12, 31},         {2011, 5, 1, 24, 0, 0}, {2011, 5, 1, 0, 60, 0},
      {2011, 5, 1, 0, 0, 60}, {2011, 5, 1, -1, 0, 0},
  };
  for (const DateRecord& d : refused) {
    SetDateGadget(field, d.year, d.month, d.day, d.hour, d.minute, d.second);
    EXPECT_EQ(pf::GetGadgetDate(field), (pf::Date{2011, 4, 30}))
        << d.year << "/" << d.month << "/" << d.day << " " << d.hour << ":" << d.minute << ":" << d.second;
    EXPECT_EQ(pf::GetDateDisplayText(field), "April 30, 2011");
  }
  SetDateGadget(field, 1601, 1, 1, 23, 59, 59);
  EXPECT_EQ(pf::GetGadgetDate(field), (pf::Date{1601, 1, 1})) << "the earliest date a field takes";
}

TEST_F(DateFieldTest, LongTextOfTheFieldsDate) {
  const int field = NewDateField(10);
  Built();
  Set(field, {2009, 11, 1});
  EXPECT_EQ(DateGadgetLongText(field), "Sunday, November 1, 2009");
  pf::SetDateMask(field, DateGadgetLongText(field));
  EXPECT_EQ(pf::GetDateDisplayText(field), "Sunday, November 1, 2009");
}

TEST_F(DateFieldTest, BeforeAndAfterPeriodsStayInOrder) {
  // Before start, before end, after start, after end.
  const int cells[4][2] = {{2, 1}, {3, 1}, {2, 2}, {3, 2}};
  for (int i = 0; i < 4; ++i) BAGadget(7, cells[i][0], cells[i][1], 2) = NewDateField(10 + 30 * i);
  Built();
  struct Case {
    pf::Date given[4], expected[4];
  };
  const Case cases[] = {
      {{{2011, 1, 1}, {2011, 1, 31}, {2011, 1, 15}, {2011, 3, 1}},
       {{2011, 1, 1}, {2011, 1, 31}, {2011, 2, 1}, {2011, 3, 1}}},
      {{{2011, 1, 1}, {2011, 12, 31}, {2011, 6, 1}, {2012, 3, 1}},
       {{2011, 1, 1}, {2011, 12, 31}, {2012, 1, 1}, {2012, 3, 1}}},
      {{{2011, 1, 1}, {2011, 2, 28}, {2011, 2, 1}, {2011, 5, 1}},
       {{2011, 1, 1}, {2011, 2, 28}, {2011, 3, 1}, {2011, 5, 1}}},
      {{{2012, 1, 1}, {2012, 2, 28}, {2012, 2, 1}, {2012, 5, 1}},
       {{2012, 1, 1}, {2012, 2, 28}, {2012, 2, 29}, {2012, 5, 1}}},
      {{{2011, 1, 1}, {2011, 3, 10}, {2011, 3, 10}, {2011, 5, 1}},  // after start on the before end
       {{2011, 1, 1}, {2011, 3, 10}, {2011, 3, 11}, {2011, 5, 1}}},
      {{{2011, 6, 1}, {2011, 5, 1}, {2011, 7, 1}, {2011, 8, 1}},  // before end ahead of its start
       {{2011, 6, 1}, {2011, 6, 1}, {2011, 7, 1}, {2011, 8, 1}}},
      {{{2011, 6, 1}, {2011, 5, 1}, {2011, 5, 20}, {2011, 5, 25}},  // every rule at once
       {{2011, 6, 1}, {2011, 6, 1}, {2011, 6, 2}, {2011, 6, 2}}},
  };
  for (const Case& c : cases) {
    for (int i = 0; i < 4; ++i) pf::SetGadgetDate(BAGadget(7, cells[i][0], cells[i][1], 2), c.given[i]);
    SyncBADates();
    for (int i = 0; i < 4; ++i) {
      const int field = BAGadget(7, cells[i][0], cells[i][1], 2);
      EXPECT_EQ(pf::GetGadgetDate(field), c.expected[i]) << "date " << i + 1;
      EXPECT_EQ(pf::GetDateMask(field), MonthNameMask({c.expected[i].year, c.expected[i].month, 1}));
    }
  }
  ExpectNoDateEvents();
}

TEST_F(DateFieldTest, ConcurrentGroupsEndFollowsAStartMovedPastIt) {
  CGGadget(7, 2, 1, 2) = NewDateField(10);
  CGGadget(7, 3, 1, 2) = NewDateField(40);
  Built();
  Set(CGGadget(7, 2, 1, 2), {2011, 1, 1});
  Set(CGGadget(7, 3, 1, 2), {2011, 6, 30});
  SyncCGDates();
  EXPECT_EQ(pf::GetGadgetDate(CGGadget(7, 3, 1, 2)), (pf::Date{2011, 6, 30}));
  Set(CGGadget(7, 2, 1, 2), {2011, 8, 15});
  SyncCGDates();
  EXPECT_EQ(pf::GetGadgetDate(CGGadget(7, 3, 1, 2)), (pf::Date{2011, 8, 15}));
  EXPECT_EQ(pf::GetDateDisplayText(CGGadget(7, 3, 1, 2)), "August 15, 2011");
}

TEST_F(DateFieldTest, SummaryPeriodKeepsItsOrderAndCountsBothEnds) {
  MIGadget(2, 2) = NewDateField(10);
  MIGadget(3, 2) = NewDateField(40);
  MIGadget(4, 2) = pf::TextGadget(AutoNumber, 10, 70, 200, 24, "");
  Built();
  struct Case {
    pf::Date start, end, expectedEnd;
    std::string period;
  };
  const Case cases[] = {
      {{2011, 3, 10}, {2011, 3, 5}, {2011, 3, 10}, " 1 Day"},
      {{2011, 3, 1}, {2011, 3, 31}, {2011, 3, 31}, " 31 Days"},
      {{2011, 3, 1}, {2011, 3, 1}, {2011, 3, 1}, " 1 Day"},
      {{2011, 3, 1}, {2011, 3, 2}, {2011, 3, 2}, " 2 Days"},
      {{2012, 1, 1}, {2012, 12, 31}, {2012, 12, 31}, " 366 Days"},
  };
  for (const Case& c : cases) {
    Set(MIGadget(2, 2), c.start);
    Set(MIGadget(3, 2), c.end);
    SyncMIDates();
    EXPECT_EQ(pf::GetGadgetDate(MIGadget(3, 2)), c.expectedEnd);
    EXPECT_EQ(pf::GetGadgetText(MIGadget(4, 2)), c.period);
  }
}
