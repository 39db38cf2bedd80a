// Calendar arithmetic of the worksheet dates: month and weekday texts, the serial-seconds form in which
// dates are compared and periods counted, and the ordering of start and end dates. Proleptic Gregorian.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct DateRecord {
  int year = 0;
  int month = 0;  // 1 to 12 in a date that exists
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// "January" to "December"; an empty text for a number outside 1 to 12.
std::string MonthName(int month);

// |a - b x trunc(a / b)|
double FMod(double a, double b);

// Serial seconds; consecutive days differ by exactly 86400. Only differences are meaningful.
std::int64_t DateToSeconds(const DateRecord& date);

bool DateIsAfter(const DateRecord& a, const DateRecord& b);  // compares year, month, day and time

// Whole days from `from` to `to` (negative when `to` is earlier).
std::int64_t DayCount(const DateRecord& from, const DateRecord& to);

// Days of a period counting both ends: end - start + 1.
std::int64_t PeriodDays(const DateRecord& start, const DateRecord& end);

// " 1 Day", " 31 Days".
std::string PeriodText(std::int64_t days);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1 to 12
bool IsValidDate(const DateRecord& date);

// The next calendar day, at midnight.
DateRecord DayAfter(const DateRecord& date);

// "Monday" to "Sunday".
std::string WeekdayName(const DateRecord& date);

// "Monday, November 2, 2009": weekday, month name, day without leading zero, four-digit year.
std::string DateLongText(const DateRecord& date);

// The month name and one blank that start a date field's mask: "July ".
std::string DateMaskPrefix(const DateRecord& date);

// The month-name mask of a date field: "July %dd, %yyyy".
std::string MonthNameMask(const DateRecord& date);

// Before & After dates in order before start, before end, after start, after end. Returns them put in
// order: the before period does not end before it starts, the after period starts on a later day than
// the before period ends, and does not end before it starts.
std::array<DateRecord, 4> OrderBADates(std::array<DateRecord, 4> dates);
