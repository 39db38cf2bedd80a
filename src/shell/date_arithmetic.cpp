#include "shell/date_arithmetic.h"

#include <cmath>

namespace {

constexpr const char* kMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};

// Counted from Monday, so a day's place in the week is its distance from a Monday modulo 7.
constexpr const char* kWeekdayNames[7] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                          "Friday", "Saturday", "Sunday"};

constexpr DateRecord kReferenceMonday{2009, 11, 2};

std::int64_t DayNumber(const DateRecord& date) { return DateToSeconds(date) / 86400; }

std::string PaddedYear(int year) {
  std::string digits = std::to_string(year < 0 ? -year : year);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return year < 0 ? "-" + digits : digits;
}

}  // namespace

std::string MonthName(int month) { return month >= 1 && month <= 12 ? kMonthNames[month - 1] : ""; }

double FMod(double a, double b) { return std::fabs(a - b * std::trunc(a / b)); }

std::int64_t DateToSeconds(const DateRecord& date) {
  const std::int64_t y = date.year;
  const std::int64_t m = date.month;
  std::int64_t days = 365 * (y - 1) + 31 * (m - 1) + date.day;
  std::int64_t leapYear = y;
  if (m >= 3) {
    days -= (4 * m + 23) / 10;  // the whole part of 0.4 m + 2.3, without floating point
  } else {
    leapYear = y - 1;
  }
  days += leapYear / 4 - leapYear / 100 + leapYear / 400;
  return days * 86400 + std::int64_t(date.hour) * 3600 + std::int64_t(date.minute) * 60 + date.second;
}

bool DateIsAfter(const DateRecord& a, const DateRecord& b) { return DateToSeconds(a) > DateToSeconds(b); }

std::int64_t DayCount(const DateRecord& from, const DateRecord& to) {
  return (DateToSeconds(to) - DateToSeconds(from)) / 86400;
}

std::int64_t PeriodDays(const DateRecord& start, const DateRecord& end) { return DayCount(start, end) + 1; }

std::string PeriodText(std::int64_t days) {
  return " " + std::to_string(days) + (days >= 2 ? " Days" : " Day");
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const DateRecord& date) {
  return date.day >= 1 && date.day <= DaysInMonth(date.year, date.month) && date.hour >= 0 &&
         date.hour < 24 && date.minute >= 0 && date.minute < 60 && date.second >= 0 && date.second < 60;
}

DateRecord DayAfter(const DateRecord& date) {
  DateRecord next{date.year, date.month, date.day + 1};
  if (IsValidDate(next)) return next;
  next = {date.year, date.month + 1, 1};
  if (IsValidDate(next)) return next;
  return {date.year + 1, 1, 1};
}

std::string WeekdayName(const DateRecord& date) {
  const std::int64_t offset = (DayNumber(date) - DayNumber(kReferenceMonday)) % 7;
  return kWeekdayNames[offset < 0 ? offset + 7 : offset];
}

std::string DateLongText(const DateRecord& date) {
  return WeekdayName(date) + ", " + MonthName(date.month) + " " + std::to_string(date.day) + ", " +
         PaddedYear(date.year);
}

std::string DateMaskPrefix(const DateRecord& date) { return MonthName(date.month) + " "; }

// The prefix already ends in the blank that separates the month from the day.
std::string MonthNameMask(const DateRecord& date) { return DateMaskPrefix(date) + "%dd, %yyyy"; }

std::array<DateRecord, 4> OrderBADates(std::array<DateRecord, 4> dates) {
  auto& [beforeStart, beforeEnd, afterStart, afterEnd] = dates;
  if (DateIsAfter(beforeStart, beforeEnd)) beforeEnd = beforeStart;
  if (!DateIsAfter(afterStart, beforeEnd)) afterStart = DayAfter(beforeEnd);
  if (DateIsAfter(afterStart, afterEnd)) afterEnd = afterStart;
  return dates;
}
