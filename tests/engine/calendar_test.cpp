// Calendar functions on date values, checked against the standard library's civil calendar.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "engine/calendar.h"
#include "engine/engine_errors.h"
#include "expect_error.h"

namespace quarrant {
namespace {

namespace chr = std::chrono;
using testing_support::FailsWith;

constexpr chr::sys_days kDayZero = chr::year{1899} / chr::December / 30;

double ValueOf(chr::sys_days day) {
  return static_cast<double>((day - kDayZero).count());
}

// The same whole day with a time of day: after day 0 the fraction is added, before it the
// magnitude grows (-1.25 is 1899-12-29 06:00).
double WithTimeOfDay(double wholeDay, double fraction) {
  return wholeDay < 0 ? wholeDay - fraction : wholeDay + fraction;
}

struct DateFacts {
  int32_t dayOfYear;
  int32_t week;
  int32_t monthLength;
  bool leap;
};

// The ISO 8601 rule in its usual form: a week belongs to the year of its Thursday.
DateFacts IndependentFacts(chr::sys_days day) {
  const chr::year_month_day date{day};
  const auto isoWeekDay = static_cast<int>(chr::weekday{day}.iso_encoding());
  const chr::sys_days thursday = day - chr::days{isoWeekDay - 1} + chr::days{3};
  const chr::year weekYear = chr::year_month_day{thursday}.year();
  DateFacts facts;
  facts.dayOfYear =
      static_cast<int32_t>((day - chr::sys_days{date.year() / chr::January / 1}).count() + 1);
  facts.week =
      static_cast<int32_t>((thursday - chr::sys_days{weekYear / chr::January / 1}).count() / 7 + 1);
  facts.monthLength =
      static_cast<int32_t>(unsigned{(date.year() / date.month() / chr::last).day()});
  facts.leap = date.year().is_leap();
  return facts;
}

TEST(CalendarTest, AgreesWithTheCivilCalendarFrom1600To2400) {
  const chr::sys_days first = chr::year{1600} / chr::January / 1;
  const chr::sys_days last = chr::year{2400} / chr::December / 31;
  int failures = 0;
  for (chr::sys_days day = first; day <= last; day += chr::days{1}) {
    const DateFacts expected = IndependentFacts(day);
    const auto isoWeekDay = static_cast<int32_t>(chr::weekday{day}.iso_encoding());
    const double whole = ValueOf(day);
    for (double value : {whole, WithTimeOfDay(whole, 0.75), WithTimeOfDay(whole, 0.001)}) {
      const bool agree = DayNumberInYear(value) == expected.dayOfYear &&
                         WeekNumberInYear(value) == expected.week &&
                         MonthLength(value) == expected.monthLength &&
                         DateInLeapYear(value) == expected.leap && IsoWeekDay(value) == isoWeekDay;
      if (!agree) {
        const chr::year_month_day date{day};
        ADD_FAILURE() << "date value " << value << " (" << int{date.year()} << "-"
                      << unsigned{date.month()} << "-" << unsigned{date.day()} << "): day of year "
                      << DayNumberInYear(value) << "/" << expected.dayOfYear << ", week "
                      << WeekNumberInYear(value) << "/" << expected.week << ", month length "
                      << MonthLength(value) << "/" << expected.monthLength << ", leap "
                      << DateInLeapYear(value) << "/" << expected.leap;
        if (++failures == 10) return;
      }
    }
  }
}

TEST(CalendarTest, ConversionsCoverYears1To9999) {
  const chr::sys_days first = chr::year{1} / chr::January / 1;
  const chr::sys_days last = chr::year{9999} / chr::December / 31;
  EXPECT_EQ(DateValueOf(1, 1, 1), ValueOf(first));
  EXPECT_EQ(DateValueOf(9999, 12, 31), ValueOf(last));
  int failures = 0;
  for (chr::sys_days day = first; day <= last; day += chr::days{1}) {
    const chr::year_month_day date{day};
    const auto year = static_cast<int32_t>(int{date.year()});
    const auto month = static_cast<int32_t>(unsigned{date.month()});
    const auto dayOfMonth = static_cast<int32_t>(unsigned{date.day()});
    const double value = ValueOf(day);
    const CalendarDate back = CalendarDateOf(WithTimeOfDay(value, 0.5));
    if (DateValueOf(year, month, dayOfMonth) != value || back.year != year || back.month != month ||
        back.day != dayOfMonth) {
      ADD_FAILURE() << year << "-" << month << "-" << dayOfMonth << " value " << value;
      if (++failures == 10) return;
    }
  }
}

struct EdgeDate {
  const char* name;
  int32_t year;
  int32_t month;
  int32_t day;
  DateFacts facts;
};

TEST(CalendarTest, EdgeDates) {
  const EdgeDate cases[] = {
      {"week_1_of_next_year", 2008, 12, 29, {364, 1, 31, true}},
      {"week_53", 2009, 12, 31, {365, 53, 31, false}},
      {"january_in_last_year_week", 2010, 1, 3, {3, 53, 31, false}},
      {"leap_year_end", 2020, 12, 31, {366, 53, 31, true}},
      {"new_year_in_week_53", 2021, 1, 1, {1, 53, 31, false}},
      {"february_leap", 2024, 2, 15, {46, 7, 29, true}},
      {"leap_year_week_1", 2024, 12, 30, {365, 1, 31, true}},
      {"century_not_leap", 1900, 2, 10, {41, 6, 28, false}},
      {"leap_day_2000", 2000, 2, 29, {60, 9, 29, true}},
      {"first_day", 1, 1, 1, {1, 1, 31, false}},
      {"last_day", 9999, 12, 31, {365, 52, 31, false}},
  };
  for (const EdgeDate& c : cases) {
    SCOPED_TRACE(c.name);
    const double value = DateValueOf(c.year, c.month, c.day);
    EXPECT_EQ(DayNumberInYear(value), c.facts.dayOfYear);
    EXPECT_EQ(WeekNumberInYear(value), c.facts.week);
    EXPECT_EQ(MonthLength(value), c.facts.monthLength);
    EXPECT_EQ(DateInLeapYear(value), c.facts.leap);
  }
}

TEST(CalendarTest, TimeOfDayNeverChangesTheDate) {
  EXPECT_EQ(DateValueOf(1899, 12, 30), 0);
  EXPECT_EQ(DateValueOf(1900, 1, 1), 2);
  struct Case {
    double value;
    int32_t year, month, day;
  };
  const Case cases[] = {{45000.75, 2023, 3, 15}, {45000, 2023, 3, 15},  {0.5, 1899, 12, 30},
                        {-0.5, 1899, 12, 30},    {-1.25, 1899, 12, 29}, {-1, 1899, 12, 29},
                        {-366.99, 1898, 12, 29}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    const CalendarDate date = CalendarDateOf(c.value);
    EXPECT_EQ(date.year, c.year);
    EXPECT_EQ(date.month, c.month);
    EXPECT_EQ(date.day, c.day);
  }
  EXPECT_EQ(DayNumberInYear(-1.25), 363);
  EXPECT_EQ(IsoWeekDay(-1.25), 5);  // 1899-12-29 was a Friday
}

TEST(CalendarTest, ValidDatesAndLeapYears) {
  struct Case {
    int32_t year, month, day;
    bool valid;
  };
  const Case cases[] = {{2024, 2, 29, true},  {2023, 2, 29, false}, {1900, 2, 29, false},
                        {2000, 2, 29, true},  {1, 1, 1, true},      {0, 12, 31, false},
                        {9999, 12, 31, true}, {10000, 1, 1, false}, {2024, 13, 1, false},
                        {2024, 0, 1, false},  {2024, 4, 31, false}, {2024, 1, 0, false},
                        {2024, 1, 32, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(IsValidCalendarDate(c.year, c.month, c.day), c.valid);
    if (!c.valid) {
      EXPECT_TRUE(
          FailsWith<EInvalidArgument>([&] { DateValueOf(c.year, c.month, c.day); }, "DateValueOf"));
    }
  }
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2100));
}

TEST(CalendarTest, ValuesOutsideTheDateRangeAreRejected) {
  const double below = DateValueOf(1, 1, 1) - 1;
  const double above = DateValueOf(9999, 12, 31) + 1;
  for (double value : {below, above, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity(), -1e300}) {
    SCOPED_TRACE(value);
    EXPECT_TRUE(FailsWith<EInvalidArgument>([&] { CalendarDateOf(value); }, "CalendarDateOf"));
    EXPECT_TRUE(FailsWith<EInvalidArgument>([&] { WeekNumberInYear(value); }, "WeekNumberInYear"));
    EXPECT_TRUE(FailsWith<EInvalidArgument>([&] { MonthLength(value); }, "MonthLength"));
  }
  // The time of day of the first and last day is still inside.
  EXPECT_EQ(DayNumberInYear(below + 0.01), 1);
  EXPECT_EQ(DayNumberInYear(above - 0.01), 365);
}

TEST(CalendarTest, SplitDaySpan) {
  struct Case {
    int32_t days;
    DaySpanParts parts;
  };
  const Case cases[] = {
      {0, {0, 0, 0}},
      {1000, {2, 9, 0}},
      {1001, {2, 9, 1}},
      {400, {1, 1, 5}},
      {364, {0, 12, 4}},
      {365, {1, 0, 0}},
      {-45, {0, 1, 15}},
      {-1001, {2, 9, 1}},
      {std::numeric_limits<int32_t>::max(), {5883516, 10, 7}},
      // The most negative span has no 32-bit magnitude; it is taken in 64 bits.
      {std::numeric_limits<int32_t>::min(), {5883516, 10, 8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.days);
    const DaySpanParts parts = SplitDaySpan(c.days);
    EXPECT_EQ(parts.years, c.parts.years);
    EXPECT_EQ(parts.months, c.parts.months);
    EXPECT_EQ(parts.days, c.parts.days);
  }
}

// The span between two dates as a calendar counts it, in both orders and whatever the time of
// day: whole years and months added to the earlier date (the 31st moving to a month's last
// day), then days.
TEST(CalendarTest, CalendarDaySpan) {
  struct Case {
    int from[3];
    int to[3];
    DaySpanParts parts;
  };
  const Case cases[] = {
      {{2000, 1, 1}, {2020, 1, 1}, {20, 0, 0}},    {{2024, 1, 15}, {2025, 3, 1}, {1, 1, 14}},
      {{2024, 1, 1}, {2026, 9, 28}, {2, 8, 27}},   {{2024, 1, 31}, {2024, 2, 29}, {0, 1, 0}},
      {{2024, 1, 31}, {2024, 2, 28}, {0, 0, 28}},  {{2024, 2, 29}, {2025, 2, 28}, {1, 0, 0}},
      {{2024, 3, 31}, {2024, 4, 30}, {0, 1, 0}},   {{2023, 12, 31}, {2024, 1, 30}, {0, 0, 30}},
      {{1, 1, 1}, {9999, 12, 31}, {9998, 11, 30}}, {{2024, 5, 5}, {2024, 5, 5}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    // 18:00 on the earlier day (before day 0 the time of day is the absolute fraction).
    double from = DateValueOf(c.from[0], c.from[1], c.from[2]);
    from += from < 0 ? -0.75 : 0.75;
    const double to = DateValueOf(c.to[0], c.to[1], c.to[2]);
    for (const auto& [a, b] : {std::pair{from, to}, std::pair{to, from}}) {
      SCOPED_TRACE(::testing::Message()
                   << c.from[0] << '-' << c.from[1] << '-' << c.from[2]
                   << (a < b ? " to " : " from ") << c.to[0] << '-' << c.to[1] << '-' << c.to[2]);
      const DaySpanParts parts = CalendarDaySpan(a, b);
      EXPECT_EQ(parts.years, c.parts.years);
      EXPECT_EQ(parts.months, c.parts.months);
      EXPECT_EQ(parts.days, c.parts.days);
    }
  }
}

// Moving a date by n days moves its day by exactly n and keeps its time of day; the days
// between two dates are whole days. Both hold on either side of 1899-12-30 (value 0).
TEST(CalendarTest, DateArithmeticAcrossDayZero) {
  struct Case {
    const char* name;
    chr::sys_days from;
    double timeOfDay;
    int32_t days;  // the move, negative for back
    chr::sys_days to;
  };
  using chr::August;
  using chr::December;
  using chr::January;
  const Case cases[] = {
      {"forward after day zero", chr::year{2024} / chr::February / 20, 0, 10,
       chr::year{2024} / chr::March / 1},
      {"back across day zero", chr::year{2026} / December / 9, 0, -46500,
       chr::year{1899} / August / 17},
      {"back across day zero, afternoon", chr::year{2026} / December / 9, 0.6, -46500,
       chr::year{1899} / August / 17},
      {"back onto day zero, morning", chr::year{1900} / January / 1, 0.25, -2,
       chr::year{1899} / December / 30},
      {"back one past day zero", chr::year{1899} / December / 30, 0.25, -1,
       chr::year{1899} / December / 29},
      {"forward across day zero", chr::year{1899} / December / 29, 0.75, 3,
       chr::year{1900} / January / 1},
      {"before day zero", chr::year{1800} / January / 1, 0.5, -1, chr::year{1799} / December / 31},
      {"no move", chr::year{1899} / December / 29, 0.25, 0, chr::year{1899} / December / 29},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double from = WithTimeOfDay(ValueOf(c.from), c.timeOfDay);
    const double to = WithTimeOfDay(ValueOf(c.to), c.timeOfDay);
    const int32_t n = c.days;
    // The day exactly; the time of day to well under a millisecond (it was a fraction of a
    // larger number before the move).
    EXPECT_EQ(std::trunc(AddDays(from, n)), std::trunc(to));
    EXPECT_NEAR(AddDays(from, n), to, 1e-9);
    EXPECT_EQ(DaysBetween(from, to), n);
    EXPECT_EQ(DaysBetween(to, from), -n);
    // Whole days only, whatever time of day either date carries.
    EXPECT_EQ(DaysBetween(ValueOf(c.from), to), n);
    EXPECT_EQ(DaysBetween(from, ValueOf(c.to)), n);
  }
}

}  // namespace
}  // namespace quarrant
