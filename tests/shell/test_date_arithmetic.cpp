#include <gtest/gtest.h>

#include <array>
#include <string>

#include "shell/date_arithmetic.h"

namespace {

bool SameDay(const DateRecord& a, const DateRecord& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::string Show(const DateRecord& d) {
  return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

TEST(MonthName, NamesTheTwelveMonthsAndNothingElse) {
  const char* names[] = {"January", "February", "March",     "April",   "May",      "June",
                         "July",    "August",   "September", "October", "November", "December"};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(MonthName(m), names[m - 1]);
  for (int m : {0, 13, -1, 255}) EXPECT_EQ(MonthName(m), "") << m;
}

TEST(FMod, IsTheAbsoluteTruncatedRemainder) {
  EXPECT_EQ(FMod(10, 7), 3);
  EXPECT_EQ(FMod(-10, 7), 3);
  EXPECT_EQ(FMod(14, 7), 0);
  EXPECT_EQ(FMod(5.5, 2), 1.5);
}

struct SpanCase {
  DateRecord from, to;
  long long days;
};

TEST(DayCount, CountsCalendarDaysAcrossMonthsAndLeapYears) {
  const SpanCase cases[] = {
      {{2000, 2, 28}, {2000, 3, 1}, 2},  // 2000 is a leap year
      {{1900, 2, 28}, {1900, 3, 1}, 1},  // 1900 is not
      {{2012, 2, 28}, {2012, 3, 1}, 2},     {{2011, 2, 28}, {2011, 3, 1}, 1},
      {{2011, 1, 31}, {2011, 2, 1}, 1},     {{2011, 12, 31}, {2012, 1, 1}, 1},
      {{2011, 1, 1}, {2012, 1, 1}, 365},    {{2012, 1, 1}, {2013, 1, 1}, 366},
      {{2000, 1, 1}, {2100, 1, 1}, 36525},  {{2100, 1, 1}, {2200, 1, 1}, 36524},
      {{1600, 1, 1}, {2000, 1, 1}, 146097}, {{2011, 3, 10}, {2011, 3, 5}, -5},
      {{2011, 6, 30}, {2011, 7, 1}, 1},     {{2011, 7, 31}, {2011, 8, 1}, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DayCount(c.from, c.to), c.days) << Show(c.from) << " to " << Show(c.to);
}

TEST(DateToSeconds, StepsOneDayBetweenEveryPairOfConsecutiveDays) {
  DateRecord day{1999, 1, 1};
  for (int i = 0; i < 365 + 366 + 365; ++i) {
    const DateRecord next = DayAfter(day);
    ASSERT_EQ(DateToSeconds(next) - DateToSeconds(day), 86400) << Show(day);
    day = next;
  }
  EXPECT_TRUE(SameDay(day, {2002, 1, 1}));
  EXPECT_EQ(DateToSeconds({2009, 11, 2, 1, 2, 3}) - DateToSeconds({2009, 11, 2}), 3723);
}

TEST(PeriodText, CountsBothEnds) {
  EXPECT_EQ(PeriodDays({2011, 3, 1}, {2011, 3, 31}), 31);
  EXPECT_EQ(PeriodDays({2011, 3, 10}, {2011, 3, 10}), 1);
  EXPECT_EQ(PeriodDays({2012, 2, 1}, {2012, 3, 1}), 30);
  EXPECT_EQ(PeriodText(1), " 1 Day");
  EXPECT_EQ(PeriodText(2), " 2 Days");
  EXPECT_EQ(PeriodText(31), " 31 Days");
  EXPECT_EQ(PeriodText(366), " 366 Days");
}

TEST(DateLongText, NamesTheWeekdayOnBothSidesOfTheReference) {
  const std::pair<DateRecord, const char*> cases[] = {
      {{2009, 11, 2}, "Monday, November 2, 2009"},   {{2009, 11, 1}, "Sunday, November 1, 2009"},
      {{2009, 11, 3}, "Tuesday, November 3, 2009"},  {{2009, 12, 12}, "Saturday, December 12, 2009"},
      {{2009, 10, 26}, "Monday, October 26, 2009"},  {{2000, 2, 29}, "Tuesday, February 29, 2000"},
      {{1999, 12, 31}, "Friday, December 31, 1999"}, {{2024, 7, 4}, "Thursday, July 4, 2024"},
      {{2010, 7, 5}, "Monday, July 5, 2010"},        {{1601, 1, 1}, "Monday, January 1, 1601"},
      {{2038, 1, 19}, "Tuesday, January 19, 2038"},  {{2011, 1, 5}, "Wednesday, January 5, 2011"},
      {{999, 12, 31}, "Tuesday, December 31, 0999"}, {{12, 3, 4}, "Sunday, March 4, 0012"},
  };
  for (const auto& [date, text] : cases) EXPECT_EQ(DateLongText(date), text);
}

TEST(DateMask, UsesTheMonthNameAsLiteralText) {
  EXPECT_EQ(DateMaskPrefix({2010, 7, 5}), "July ");
  EXPECT_EQ(MonthNameMask({2010, 7, 5}), "July %dd, %yyyy");
  EXPECT_EQ(MonthNameMask({2010, 12, 31}), "December %dd, %yyyy");
}

TEST(DayAfter, FallsBackToTheNextMonthAndTheNextYear) {
  const std::pair<DateRecord, DateRecord> cases[] = {
      {{2011, 1, 15}, {2011, 1, 16}}, {{2011, 1, 31}, {2011, 2, 1}}, {{2011, 2, 28}, {2011, 3, 1}},
      {{2012, 2, 28}, {2012, 2, 29}}, {{2012, 2, 29}, {2012, 3, 1}}, {{2011, 4, 30}, {2011, 5, 1}},
      {{2011, 12, 31}, {2012, 1, 1}}, {{1900, 2, 28}, {1900, 3, 1}},
  };
  for (const auto& [date, next] : cases) EXPECT_TRUE(SameDay(DayAfter(date), next)) << Show(date);
}

TEST(IsValidDate, RefusesDaysAndMonthsThatDoNotExist) {
  EXPECT_TRUE(IsValidDate({2012, 2, 29}));
  EXPECT_TRUE(IsValidDate({2000, 2, 29}));
  EXPECT_FALSE(IsValidDate({1900, 2, 29}));
  EXPECT_FALSE(IsValidDate({2011, 2, 29}));
  EXPECT_FALSE(IsValidDate({2011, 4, 31}));
  EXPECT_FALSE(IsValidDate({2011, 1, 32}));
  EXPECT_FALSE(IsValidDate({2011, 13, 1}));
  EXPECT_FALSE(IsValidDate({2011, 0, 1}));
  EXPECT_FALSE(IsValidDate({2011, 1, 0}));
  EXPECT_TRUE(IsValidDate({2011, 1, 1, 23, 59, 59}));
  for (const DateRecord& bad :
       {DateRecord{2011, 1, 1, 24, 0, 0}, DateRecord{2011, 1, 1, 0, 60, 0}, DateRecord{2011, 1, 1, 0, 0, 60},
        DateRecord{2011, 1, 1, -1, 0, 0}, DateRecord{2011, 1, 1, 0, -1, 0}, DateRecord{2011, 1, 1, 0, 0, -1}})
    EXPECT_FALSE(IsValidDate(bad)) << bad.hour << ":" << bad.minute << ":" << bad.second;
}

struct OrderCase {
  std::array<DateRecord, 4> given;
  std::array<DateRecord, 4> expected;
};

TEST(OrderBADates, KeepsTheAfterPeriodStrictlyAfterTheBeforePeriod) {
  const OrderCase cases[] = {
      // The after period starting inside the before period moves to the day after it, across month,
      // year and leap-day boundaries.
      {{{{2010, 1, 1}, {2011, 1, 31}, {2011, 1, 15}, {2011, 6, 30}}},
       {{{2010, 1, 1}, {2011, 1, 31}, {2011, 2, 1}, {2011, 6, 30}}}},
      {{{{2011, 1, 1}, {2011, 12, 31}, {2011, 6, 1}, {2012, 6, 30}}},
       {{{2011, 1, 1}, {2011, 12, 31}, {2012, 1, 1}, {2012, 6, 30}}}},
      {{{{2011, 1, 1}, {2011, 2, 28}, {2011, 2, 1}, {2011, 6, 30}}},
       {{{2011, 1, 1}, {2011, 2, 28}, {2011, 3, 1}, {2011, 6, 30}}}},
      {{{{2012, 1, 1}, {2012, 2, 28}, {2012, 2, 1}, {2012, 6, 30}}},
       {{{2012, 1, 1}, {2012, 2, 28}, {2012, 2, 29}, {2012, 6, 30}}}},
      // An after start on the before end's day is moved too.
      {{{{2011, 1, 1}, {2011, 3, 31}, {2011, 3, 31}, {2011, 6, 30}}},
       {{{2011, 1, 1}, {2011, 3, 31}, {2011, 4, 1}, {2011, 6, 30}}}},
      // The before end follows a later before start; the moved after start pushes the after end.
      {{{{2011, 5, 10}, {2011, 5, 1}, {2011, 5, 5}, {2011, 5, 8}}},
       {{{2011, 5, 10}, {2011, 5, 10}, {2011, 5, 11}, {2011, 5, 11}}}},
      // Dates already in order stay as they are.
      {{{{2011, 1, 1}, {2011, 1, 31}, {2011, 2, 1}, {2011, 2, 28}}},
       {{{2011, 1, 1}, {2011, 1, 31}, {2011, 2, 1}, {2011, 2, 28}}}},
  };
  for (const auto& c : cases) {
    const auto ordered = OrderBADates(c.given);
    for (int i = 0; i < 4; ++i) {
      EXPECT_TRUE(SameDay(ordered[i], c.expected[i])) << "D" << i + 1 << ": " << Show(ordered[i]);
    }
  }
}

TEST(DateIsAfter, ComparesWholeDates) {
  EXPECT_TRUE(DateIsAfter({2011, 3, 10}, {2011, 3, 5}));
  EXPECT_FALSE(DateIsAfter({2011, 3, 5}, {2011, 3, 5}));
  EXPECT_TRUE(DateIsAfter({2012, 1, 1}, {2011, 12, 31}));
  EXPECT_FALSE(DateIsAfter({2011, 12, 31}, {2012, 1, 1}));
}

}  // namespace
