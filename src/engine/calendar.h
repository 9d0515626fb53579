#pragma once
// Calendar functions on date values: days since 1899-12-30, the fraction being the time of
// day. Only the calendar date of a value counts; dates are proleptic Gregorian.
// For values before 1899-12-30 the day is the value truncated toward zero and the time of day
// its absolute fraction (-1.25 is 1899-12-29 06:00).
#include <cstdint>

namespace quarrant {

struct CalendarDate {
  int32_t year = 0;
  int32_t month = 0;  // 1..12
  int32_t day = 0;    // 1..31
};

struct DaySpanParts {
  int32_t years = 0;
  int32_t months = 0;
  int32_t days = 0;
};

// Conversions between calendar dates (years 1 to 9999) and date values.
double DateValueOf(int32_t year, int32_t month, int32_t day);
CalendarDate CalendarDateOf(double dateValue);
bool IsValidCalendarDate(int32_t year, int32_t month, int32_t day);
bool IsLeapYear(int32_t year);

int32_t DayNumberInYear(double dateValue);
int32_t IsoWeekDay(double dateValue);
int32_t WeekNumberInYear(double dateValue);
int32_t MonthLength(double dateValue);
bool DateInLeapYear(double dateValue);
DaySpanParts SplitDaySpan(int32_t days);
// The span between the days of two dates as a calendar counts it: the most whole years, then
// months, that added to the earlier date do not pass the later one (a month added to the 31st
// ends on the month's last day), the rest in days. The order of the dates does not matter.
DaySpanParts CalendarDaySpan(double from, double to);

// Date arithmetic on whole days: the date moved by a number of days, its time of day kept,
// and the whole days from one date to another (positive when `to` is later). Both work on the
// day of each value, so a time of day never shifts a result across midnight or 1899-12-30.
double AddDays(double dateValue, int32_t days);
int32_t DaysBetween(double from, double to);

}  // namespace quarrant
