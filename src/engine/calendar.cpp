#include "engine/calendar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "engine/engine_errors.h"

namespace quarrant {

namespace {

// Day 0 of the date values, 1899-12-30, counted from 1970-01-01.
constexpr int64_t kEpochShift = 25569;
constexpr int32_t kFirstYear = 1;
constexpr int32_t kLastYear = 9999;

constexpr bool Leap(int64_t year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int32_t DaysInMonth(int64_t year, int32_t month) {
  constexpr int32_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && Leap(year) ? 29 : kLengths[month - 1];
}

// Days from 1970-01-01 to a proleptic Gregorian date, counted in 400-year eras that start
// on 1 March so that the leap day ends each cycle.
constexpr int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct Civil {
  int64_t year;
  int32_t month;
  int32_t day;
};

constexpr Civil CivilFromDays(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  const auto day = static_cast<int32_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const auto month = static_cast<int32_t>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  return Civil{yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

constexpr int64_t DayNumberOf(int64_t year, int32_t month, int32_t day) {
  return DaysFromCivil(year, month, day) + kEpochShift;
}

constexpr int64_t kFirstDay = DayNumberOf(kFirstYear, 1, 1);
constexpr int64_t kLastDay = DayNumberOf(kLastYear, 12, 31);
static_assert(DayNumberOf(1899, 12, 30) == 0 && DayNumberOf(1900, 1, 1) == 2);

// The whole day of a date value: truncated toward zero, so that a value before day 0 keeps
// its time of day as the absolute fraction. Values outside years 1 to 9999 (and values that
// are not numbers) are rejected with the calling function's name.
int64_t DayOf(double dateValue, const char* function) {
  if (!(dateValue > static_cast<double>(kFirstDay - 1) &&
        dateValue < static_cast<double>(kLastDay + 1))) {
    throw EInvalidArgument(function);
  }
  return static_cast<int64_t>(std::trunc(dateValue));
}

// Monday 1 ... Sunday 7; day 0 was a Saturday.
int32_t WeekDayOfDay(int64_t day) {
  const int64_t shifted = (day + 5) % 7;
  return static_cast<int32_t>((shifted < 0 ? shifted + 7 : shifted) + 1);
}

int32_t DayNumberInYearOfDay(int64_t day) {
  const Civil date = CivilFromDays(day - kEpochShift);
  return static_cast<int32_t>(day - DayNumberOf(date.year, 1, 1) + 1);
}

int32_t WeekNumberOfDay(int64_t day) {
  const Civil date = CivilFromDays(day - kEpochShift);
  int64_t n = DayNumberInYearOfDay(day);
  const int32_t firstWeekDay = WeekDayOfDay(DayNumberOf(date.year, 1, 1));
  if (firstWeekDay >= 5) {
    n -= 8 - firstWeekDay;  // 1 January belongs to the last week of the year before
  } else {
    n += firstWeekDay - 1;
  }
  if (n <= 0) return WeekNumberOfDay(DayNumberOf(date.year - 1, 12, 31));
  int32_t week = static_cast<int32_t>((n + 6) / 7);
  if (week > 52) {
    int32_t lastWeekDay = firstWeekDay;
    if (Leap(date.year)) lastWeekDay = lastWeekDay == 7 ? 1 : lastWeekDay + 1;
    if (lastWeekDay <= 3) week = 1;  // 31 December on Monday to Wednesday: next year's week 1
  }
  return week;
}

}  // namespace

bool IsLeapYear(int32_t year) {
  return Leap(year);
}

bool IsValidCalendarDate(int32_t year, int32_t month, int32_t day) {
  return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

double DateValueOf(int32_t year, int32_t month, int32_t day) {
  if (!IsValidCalendarDate(year, month, day)) throw EInvalidArgument("DateValueOf");
  return static_cast<double>(DayNumberOf(year, month, day));
}

CalendarDate CalendarDateOf(double dateValue) {
  const Civil date = CivilFromDays(DayOf(dateValue, "CalendarDateOf") - kEpochShift);
  return CalendarDate{static_cast<int32_t>(date.year), date.month, date.day};
}

int32_t DayNumberInYear(double dateValue) {
  return DayNumberInYearOfDay(DayOf(dateValue, "DayNumberInYear"));
}

int32_t IsoWeekDay(double dateValue) {
  return WeekDayOfDay(DayOf(dateValue, "IsoWeekDay"));
}

int32_t WeekNumberInYear(double dateValue) {
  return WeekNumberOfDay(DayOf(dateValue, "WeekNumberInYear"));
}

int32_t MonthLength(double dateValue) {
  const Civil date = CivilFromDays(DayOf(dateValue, "MonthLength") - kEpochShift);
  return DaysInMonth(date.year, date.month);
}

bool DateInLeapYear(double dateValue) {
  return Leap(CivilFromDays(DayOf(dateValue, "DateInLeapYear") - kEpochShift).year);
}

DaySpanParts SplitDaySpan(int32_t days) {
  // The magnitude in 64 bits: the most negative span has no 32-bit magnitude.
  const int64_t magnitude = std::llabs(static_cast<int64_t>(days));
  DaySpanParts parts;
  parts.years = static_cast<int32_t>(magnitude / 365);
  const int64_t rest = magnitude - 365 * static_cast<int64_t>(parts.years);
  parts.months = static_cast<int32_t>(rest / 30);
  parts.days = static_cast<int32_t>(rest - 30 * static_cast<int64_t>(parts.months));
  return parts;
}

DaySpanParts CalendarDaySpan(double from, double to) {
  int64_t earlier = DayOf(from, "CalendarDaySpan");
  int64_t later = DayOf(to, "CalendarDaySpan");
  if (later < earlier) std::swap(earlier, later);
  const Civil start = CivilFromDays(earlier - kEpochShift);
  // The day that lies a number of months after the start, clamped to the month's last day.
  auto monthsOn = [&start](int64_t months) {
    const int64_t index = start.month - 1 + months;
    const int64_t year = start.year + index / 12;
    const auto month = static_cast<int32_t>(index % 12 + 1);
    return DayNumberOf(year, month, std::min(start.day, DaysInMonth(year, month)));
  };
  const Civil end = CivilFromDays(later - kEpochShift);
  int64_t months = (end.year - start.year) * 12 + (end.month - start.month);
  if (monthsOn(months) > later) --months;  // at most one too many: the day of the month
  DaySpanParts parts;
  parts.years = static_cast<int32_t>(months / 12);
  parts.months = static_cast<int32_t>(months % 12);
  parts.days = static_cast<int32_t>(later - monthsOn(months));
  return parts;
}

double AddDays(double dateValue, int32_t days) {
  const double day = std::trunc(dateValue);
  const double timeOfDay = std::fabs(dateValue - day);
  const double moved = day + static_cast<double>(days);
  return moved < 0 ? moved - timeOfDay : moved + timeOfDay;
}

int32_t DaysBetween(double from, double to) {
  const double span = std::trunc(to) - std::trunc(from);
  if (!(std::fabs(span) <= static_cast<double>(kLastDay - kFirstDay)))
    throw EInvalidArgument("DaysBetween");
  return static_cast<int32_t>(span);
}

}  // namespace quarrant
