// The date calculator page: facts of one date, the days between two dates and either date
// from the other, the breakdown, the time of day the fields start with, and dates out of range.
#include <QDateTime>
#include <cmath>

#include "controls/date_edit.h"
#include "controls/numeric_edit.h"
#include "engine/calendar.h"
#include "page_fixture.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

using testing_support::PageTest;

QString Digits(int year, int month, int day) {
  return QStringLiteral("%1%2%3")
      .arg(year, 4, 10, QLatin1Char('0'))
      .arg(month, 2, 10, QLatin1Char('0'))
      .arg(day, 2, 10, QLatin1Char('0'));
}

class DatePageTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    showPage("ts_datecalc");
  }
  void showInner(const char* pageName) {
    find<PageControl>("pc_dates")->setCurrentWidget(find<QWidget>(pageName));
    QApplication::processEvents();
  }
  // Types a date through the field's mask.
  void typeDate(const char* fieldName, int year, int month, int day) {
    type(fieldName, Digits(year, month, day));
  }
  double dateOf(const char* fieldName) { return find<DateEdit>(fieldName)->dateValue(); }
  QStringList breakdown() { return {text("ed_bty"), text("ed_btm"), text("ed_btd")}; }
};

using ::quarrant::test_support::PrintTo;

struct OneDateCase {
  const char* name;
  int year, month, day;
  const char* dayOfYear;
  const char* week;
  const char* monthLength;
  const char* leap;
};

class OneDateTest : public DatePageTest, public ::testing::WithParamInterface<OneDateCase> {};

TEST_P(OneDateTest, ShowsTheFactsOfATypedDate) {
  const OneDateCase& c = GetParam();
  showInner("ts_OneDate");
  typeDate("de_date", c.year, c.month, c.day);
  click("sb_date");
  EXPECT_EQ((QStringList{text("ed_doy"), text("ed_wofy"), text("ed_dinm"), text("ed_leapy")}),
            (QStringList{c.dayOfYear, c.week, c.monthLength, c.leap}));
}

INSTANTIATE_TEST_SUITE_P(
    Dates, OneDateTest,
    ::testing::Values(OneDateCase{"EndOfLeapYearInWeekOne", 2024, 12, 30, "365", "1", "31", "Yes"},
                      OneDateCase{"NewYearInWeek53", 2021, 1, 1, "1", "53", "31", "No"},
                      OneDateCase{"LeapDay", 2000, 2, 29, "60", "9", "29", "Yes"},
                      OneDateCase{"CenturyNotLeap", 1900, 2, 10, "41", "6", "28", "No"}),
    [](const ::testing::TestParamInfo<OneDateCase>& info) { return std::string(info.param.name); });

TEST_F(DatePageTest, DaysBetweenTypedDatesInBothOrders) {
  showInner("ts_twodate");
  typeDate("de_begin", 2024, 1, 1);
  typeDate("de_end", 2026, 9, 28);
  click("sb_dbdate");
  EXPECT_EQ(text("ne_bd"), QStringLiteral("1001"));
  EXPECT_EQ(breakdown(), (QStringList{"2", "8", "27"}));

  typeDate("de_begin", 2026, 9, 28);
  typeDate("de_end", 2024, 1, 1);
  click("sb_dbdate");
  EXPECT_EQ(text("ne_bd"), QStringLiteral("-1001"));
  EXPECT_EQ(breakdown(), (QStringList{"2", "8", "27"}));
}

struct MoveCase {
  const char* name;
  const char* button;  // sb_bdate or sb_edate
  int from[3];         // the date typed into the other field
  const char* days;    // typed day count
  int expected[3];     // the date computed
  const char* breakdown[3];
};

class MoveDateTest : public DatePageTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveDateTest, ComputesOneDateFromTheOtherAndTheDayCount) {
  const MoveCase& c = GetParam();
  showInner("ts_twodate");
  const bool beginning = QLatin1String(c.button) == QLatin1String("sb_bdate");
  typeDate(beginning ? "de_end" : "de_begin", c.from[0], c.from[1], c.from[2]);
  type("ne_bd", QString::fromLatin1(c.days));
  click(c.button);
  EXPECT_DOUBLE_EQ(dateOf(beginning ? "de_begin" : "de_end"),
                   DateValueOf(c.expected[0], c.expected[1], c.expected[2]));
  EXPECT_EQ(breakdown(), (QStringList{c.breakdown[0], c.breakdown[1], c.breakdown[2]}));
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveDateTest,
    ::testing::Values(
        MoveCase{"ThirtyDaysBeforeMarch31",
                 "sb_bdate",
                 {2024, 3, 31},
                 "30",
                 {2024, 3, 1},
                 {"0", "0", "30"}},
        MoveCase{"TenDaysOverTheLeapDay",
                 "sb_edate",
                 {2024, 2, 20},
                 "10",
                 {2024, 3, 1},
                 {"0", "0", "10"}},
        MoveCase{"Days364", "sb_edate", {2023, 1, 1}, "364", {2023, 12, 31}, {"0", "11", "30"}},
        MoveCase{"TwentyYears", "sb_edate", {2000, 1, 1}, "7305", {2020, 1, 1}, {"20", "0", "0"}},
        MoveCase{
            "YearMonthAndDays", "sb_bdate", {2025, 3, 1}, "411", {2024, 1, 15}, {"1", "1", "14"}},
        MoveCase{
            "MonthFromThe31st", "sb_edate", {2024, 1, 31}, "29", {2024, 2, 29}, {"0", "1", "0"}},
        MoveCase{"NegativeCountMovesTheOtherWay",
                 "sb_bdate",
                 {2024, 3, 1},
                 "-30",
                 {2024, 3, 31},
                 {"0", "0", "30"}},
        MoveCase{"NegativeCountForward",
                 "sb_edate",
                 {2026, 9, 28},
                 "-1001",
                 {2024, 1, 1},
                 {"2", "8", "27"}}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST_F(DatePageTest, DateFieldsStartWithTheCurrentDateAndTime) {
  const QDateTime now = QDateTime::currentDateTime();
  const double expected = DateValueOf(now.date().year(), now.date().month(), now.date().day()) +
                          now.time().msecsSinceStartOfDay() / 86'400'000.0;
  for (const char* name : {"de_date", "de_begin", "de_end"})
    EXPECT_NEAR(dateOf(name), expected, 120.0 / 86400) << name;
  EXPECT_EQ(text("ne_bd"), QStringLiteral("0"));
}

TEST_F(DatePageTest, RightAfterStartTheDaysBetweenAreZero) {
  showInner("ts_twodate");
  click("sb_dbdate");
  EXPECT_EQ(text("ne_bd"), QStringLiteral("0"));
  EXPECT_EQ(breakdown(), (QStringList{"0", "0", "0"}));
}

TEST_F(DatePageTest, TimeOfDayLeftInOneDateStillCountsWholeDays) {
  showInner("ts_twodate");
  // As at window creation in the afternoon: the ending date still carries its time of day.
  const double today = DateValueOf(2025, 6, 15);
  find<DateEdit>("de_end")->setDateValue(today + 0.6);
  typeDate("de_begin", 2025, 4, 16);  // 60 days before
  click("sb_dbdate");
  EXPECT_EQ(text("ne_bd"), QStringLiteral("60"));
  EXPECT_EQ(find<NumericEdit>("ne_bd")->value(), 60);
  EXPECT_EQ(breakdown(), (QStringList{"0", "1", "30"}));
}

TEST_F(DatePageTest, TimeOfDayCarriesOverToTheComputedDate) {
  showInner("ts_twodate");
  find<DateEdit>("de_end")->setDateValue(DateValueOf(2024, 3, 31) + 0.25);
  type("ne_bd", QStringLiteral("30"));
  click("sb_bdate");
  EXPECT_DOUBLE_EQ(dateOf("de_begin"), DateValueOf(2024, 3, 1) + 0.25);
}

TEST_F(DatePageTest, AProgramSetDayCountIsTruncatedForTheNextMove) {
  showInner("ts_twodate");
  find<DateEdit>("de_end")->setDateValue(DateValueOf(2024, 1, 10) + 0.75);
  typeDate("de_begin", 2024, 1, 1);
  find<NumericEdit>("ne_bd")->setValue(9.75);  // shows 10, keeps 9.75
  EXPECT_EQ(text("ne_bd"), QStringLiteral("10"));
  click("sb_edate");  // moves by 9, not 10
  EXPECT_DOUBLE_EQ(dateOf("de_end"), DateValueOf(2024, 1, 10));
  EXPECT_EQ(breakdown(), (QStringList{"0", "0", "9"}));
}

TEST_F(DatePageTest, ADateBeyondTheCalendarIsRefusedWithAMessage) {
  showInner("ts_twodate");
  typeDate("de_end", 2024, 3, 31);
  typeDate("de_begin", 2024, 3, 1);
  type("ne_bd", QStringLiteral("999999999999"));
  for (const char* button : {"sb_bdate", "sb_edate"}) {
    messages_.clear();
    click(button);
    ASSERT_EQ(messages_.shown().size(), 1u) << button;
    EXPECT_EQ(messages_.shown()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(messages_.shown()[0].icon, QMessageBox::Critical);
  }
  EXPECT_DOUBLE_EQ(dateOf("de_begin"), DateValueOf(2024, 3, 1));
  EXPECT_DOUBLE_EQ(dateOf("de_end"), DateValueOf(2024, 3, 31));
}

}  // namespace
}  // namespace quarrant
