// Amortization schedule: per-period parts, running totals, and the rows as the window writes them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/amortization.h"
#include "engine/engine_errors.h"
#include "engine/number_format.h"
#include "expect_error.h"
#include "schedule_text.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

using test::FailsWith;
using test::kOverflow;
using test::RowText;
using test::Written;

constexpr Extended kUnitRoundoff = 0x1p-64L;

std::vector<ScheduleRow> Schedule(int32_t n, Extended rate, Extended pv, Extended fv,
                                  PaymentTiming timing) {
  std::vector<ScheduleRow> rows;
  AmortizationSchedule(n, rate, pv, fv, timing,
                       [&](const ScheduleRow& row) { rows.push_back(row); });
  return rows;
}

using ::quarrant::test::PrintTo;

struct ScheduleCase {
  const char* name;
  int32_t periods;
  Extended annualPercent;
  int32_t frequency;
  Extended presentValue;
  Extended futureValue;
  PaymentTiming timing;
  std::vector<RowText> rows;  // the expected rows, each for the period it names
};

class ScheduleRowsTest : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(ScheduleRowsTest, RowsAsWritten) {
  const ScheduleCase& c = GetParam();
  const std::vector<ScheduleRow> rows =
      Schedule(c.periods, SchedulePeriodicRate(c.annualPercent, c.frequency), c.presentValue,
               c.futureValue, c.timing);
  ASSERT_EQ(rows.size(), static_cast<size_t>(c.periods));
  for (int32_t k = 1; k <= c.periods; ++k) {
    ASSERT_EQ(rows[static_cast<size_t>(k - 1)].Period, k);
  }
  for (const RowText& expected : c.rows) {
    const size_t index = std::stoul(expected[0]) - 1;
    EXPECT_EQ(Written(rows[index]), expected) << "period " << expected[0];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Loans, ScheduleRowsTest,
    ::testing::Values(
        ScheduleCase{"monthly_1_percent_end",
                     12,
                     12,
                     0,
                     1000,
                     0,
                     PaymentTiming::EndOfPeriod,
                     {{"1", "-78.85", "-10.00", "-78.85", "-10.00", "921.15"},
                      {"12", "-87.97", "-0.88", "-1000.00", "-66.19", "0.00"}}},
        // The first payment falls before any interest accrues; each later one pays the interest
        // on the balance after the one before.
        ScheduleCase{"monthly_1_percent_start",
                     12,
                     12,
                     0,
                     1000,
                     0,
                     PaymentTiming::StartOfPeriod,
                     {{"1", "-87.97", "0.00", "-87.97", "0.00", "912.03"},
                      {"2", "-78.85", "-9.12", "-166.82", "-9.12", "833.18"},
                      {"12", "-87.10", "-0.87", "-1000.00", "-55.63", "0.00"}}},
        ScheduleCase{"thirty_year_mortgage",
                     360,
                     6,
                     0,
                     100000,
                     0,
                     PaymentTiming::EndOfPeriod,
                     {{"1", "-99.55", "-500.00", "-99.55", "-500.00", "99900.45"},
                      {"360", "-596.57", "-2.98", "-100000.00", "-115838.19", "0.00"}}},
        ScheduleCase{"rate_zero",
                     4,
                     0,
                     0,
                     1000,
                     0,
                     PaymentTiming::StartOfPeriod,
                     {{"1", "-250.00", "0.00", "-250.00", "0.00", "750.00"},
                      {"2", "-250.00", "0.00", "-500.00", "0.00", "500.00"},
                      {"3", "-250.00", "0.00", "-750.00", "0.00", "250.00"},
                      {"4", "-250.00", "0.00", "-1000.00", "0.00", "0.00"}}},
        // I%YR 0.05: the periodic rate lies below 6.1e-5, and the loan is still paid off.
        ScheduleCase{"small_rate_pays_off",
                     360,
                     0.05L,
                     0,
                     100000,
                     0,
                     PaymentTiming::EndOfPeriod,
                     {{"360", "-279.86", "-0.01", "-100000.00", "-753.96", "0.00"}}},
        ScheduleCase{"future_value_500",
                     12,
                     12,
                     0,
                     1000,
                     500,
                     PaymentTiming::EndOfPeriod,
                     {{"12", "-131.95", "3.68", "-1500.00", "-39.28", "-500.00"}}}),
    [](const ::testing::TestParamInfo<ScheduleCase>& info) { return info.param.name; });

// Over random loans, for both timings and rates from 0 through the smallest to large ones:
// every row's parts add up to the level payment; its interest is the rate times the balance on
// which interest has accrued (the previous row's balance, PV before the first end-of-period
// payment, nothing before the first start-of-period payment); and the last row ends at balance
// -FV, at the start of the period -FV / (1 + r), the future value one period before it falls.
// Tolerance: each part carries the error of a power (about 2 log2 k roundings) and of a
// cancelling difference of compound factors; the running sums add n roundings. With amounts up
// to (|PV| + |FV|) (1 + n |r|), (n + 64) * 32 units of roundoff of that scale bound it.
TEST(AmortizationScheduleTest, RowsAddUpForBothTimings) {
  std::mt19937_64 random(1987);
  std::uniform_real_distribution<double> amount(-1e6, 1e6);
  std::uniform_real_distribution<double> rate(-0.05, 0.3);
  std::uniform_real_distribution<double> smallExponent(-12, -4.22);  // below 6.1e-5
  std::uniform_int_distribution<int32_t> periods(1, 480);
  double worst = 0;
  for (int trial = 0; trial < 400; ++trial) {
    const int32_t n = periods(random);
    Extended r = rate(random);
    if (trial % 8 == 0) r = 0;
    if (trial % 4 == 1) r = (trial % 8 == 1 ? 1 : -1) * std::pow(10.0L, smallExponent(random));
    const Extended pv = amount(random);
    const Extended fv = trial % 3 == 0 ? 0.0L : static_cast<Extended>(amount(random));
    const Extended grown = std::expm1(n * std::log1p(r));  // (1 + r)^n - 1
    const Extended annuityEnd = r == 0 ? n : grown / r;
    const Extended payment = (-pv * (1 + grown) - fv) / annuityEnd;  // at the end of the period
    const Extended scale = (std::fabs(pv) + std::fabs(fv)) * (1 + n * std::fabs(r));
    const Extended tolerance = scale * (n + 64) * 32 * kUnitRoundoff;
    Extended largest = 0;
    for (PaymentTiming timing : {PaymentTiming::EndOfPeriod, PaymentTiming::StartOfPeriod}) {
      const bool start = timing == PaymentTiming::StartOfPeriod;
      const std::vector<ScheduleRow> rows = Schedule(n, r, pv, fv, timing);
      ASSERT_EQ(rows.size(), static_cast<size_t>(n));
      Extended accruing = start ? 0 : pv;
      for (const ScheduleRow& row : rows) {
        largest = std::max(largest, std::fabs(row.Principal + row.Interest -
                                              (start ? payment / (1 + r) : payment)));
        largest = std::max(largest, std::fabs(row.Interest + r * accruing));
        largest = std::max(largest, std::fabs(row.Balance - (pv + row.TotalPrincipal)));
        accruing = row.Balance;
      }
      const Extended owedAtLastPayment = start ? fv / (1 + r) : fv;
      largest = std::max(largest, std::fabs(rows.back().TotalPrincipal + pv + owedAtLastPayment));
      largest = std::max(largest, std::fabs(rows.back().Balance + owedAtLastPayment));
    }
    ASSERT_LE(largest, tolerance) << "trial " << trial << ": n " << n << " r " << r << " pv " << pv
                                  << " fv " << fv;
    worst = std::max(worst, static_cast<double>(largest / tolerance));
  }
  RecordProperty("worst_share_of_tolerance", std::to_string(worst));
}

TEST(AmortizationScheduleTest, RowsMatchTheClosedFormsOfEachPeriod) {
  const Extended r = 0.0075L;
  const int32_t n = 48;
  for (PaymentTiming timing : {PaymentTiming::EndOfPeriod, PaymentTiming::StartOfPeriod}) {
    const std::vector<ScheduleRow> rows = Schedule(n, r, 25000, -3000, timing);
    for (const ScheduleRow& row : rows) {
      Extended interest = 0;
      EXPECT_EQ(row.Interest, InterestPayment(r, row.Period, n, 25000, -3000, timing));
      EXPECT_EQ(row.Principal, PeriodPayment(r, row.Period, n, 25000, -3000, timing));
      EXPECT_EQ(row.Principal, PaymentParts(row.Period, n, r, 25000, -3000, timing, interest));
      EXPECT_EQ(row.Interest, interest);
    }
  }
}

TEST(AmortizationScheduleTest, NoRowsForNoPeriods) {
  for (int32_t n : {0, -1, std::numeric_limits<int32_t>::min()}) {
    // The period count is looked at first: even an unusable rate gives an empty schedule.
    EXPECT_TRUE(Schedule(n, 0.01L, 1000, 0, PaymentTiming::EndOfPeriod).empty());
    EXPECT_TRUE(Schedule(n, -1, 1000, 0, PaymentTiming::EndOfPeriod).empty());
  }
}

TEST(AmortizationScheduleTest, UnusableRateFailsBeforeAnyRow) {
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  for (Extended rate : {SchedulePeriodicRate(-1200, 0), -2.0L, nan}) {
    size_t rows = 0;
    EXPECT_TRUE(FailsWith<EInvalidArgument>(
        [&] {
          AmortizationSchedule(12, rate, 1000, 0, PaymentTiming::EndOfPeriod,
                               [&](const ScheduleRow&) { ++rows; });
        },
        "InterestPayment"));
    EXPECT_EQ(rows, 0u);
  }
}

TEST(AmortizationScheduleTest, RowsBeforeAFailingPeriodReachTheReceiver) {
  // FV * (Crp - 1) leaves the extended range once 1.5^(k-1) exceeds 12.9: in period 8.
  std::vector<ScheduleRow> rows;
  EXPECT_TRUE(FailsWith<EArithmeticError>(
      [&] {
        AmortizationSchedule(20, 0.5L, 0, 1e4931L, PaymentTiming::EndOfPeriod,
                             [&](const ScheduleRow& row) { rows.push_back(row); });
      },
      kOverflow));
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows.back().Period, 7);
  // A long schedule at a high rate overflows the term's compound factor in the first period.
  EXPECT_TRUE(FailsWith<EArithmeticError>(
      [] { Schedule(100000, 0.5L, 1000, 0, PaymentTiming::EndOfPeriod); }, kOverflow));
}

TEST(PaymentPartsTest, PeriodChecks) {
  for (int32_t period : {0, 13, -1}) {
    SCOPED_TRACE(period);
    EXPECT_TRUE(FailsWith<EInvalidArgument>(
        [&] { InterestPayment(0.01L, period, 12, 1000, 0, PaymentTiming::EndOfPeriod); },
        "InterestPayment"));
    EXPECT_TRUE(FailsWith<EInvalidArgument>(
        [&] { PeriodPayment(0.01L, period, 12, 1000, 0, PaymentTiming::EndOfPeriod); },
        "PeriodPayment"));
  }
  EXPECT_TRUE(FailsWith<EInvalidArgument>(
      [] { PeriodPayment(-1, 1, 12, 1000, 0, PaymentTiming::EndOfPeriod); }, "PeriodPayment"));
  Extended interest = 0;
  EXPECT_TRUE(FailsWith<EInvalidArgument>(
      [&] { PaymentParts(1, 12, -1, 1000, 0, PaymentTiming::EndOfPeriod, interest); },
      "PaymentParts"));
}

TEST(PaymentPartsTest, PeriodsOutsideTheTermUseTheirCompoundFactor) {
  const Extended r = 0.01L;
  Extended interest0 = 0;
  Extended interest1 = 0;
  // Period 0 is not rejected: its compound factor is 1 / (1 + r).
  const Extended principal0 =
      PaymentParts(0, 12, r, 1000, 0, PaymentTiming::EndOfPeriod, interest0);
  const Extended principal1 =
      PaymentParts(1, 12, r, 1000, 0, PaymentTiming::EndOfPeriod, interest1);
  EXPECT_NEAR(principal0, principal1 / (1 + r), 1e-15L);
  const Extended crn = std::pow(1 + r, 12.0L);
  const Extended annuity = (crn - 1) / r;
  EXPECT_NEAR(interest0, -1000 * (crn - 1 / (1 + r)) / annuity, 1e-15L);

  // The most negative period: k - 1 has no 32-bit form, the factor is (1 + r)^(k - 1) still.
  const Extended tiny = 1e-12L;
  Extended interest = 0;
  const Extended principal = PaymentParts(std::numeric_limits<int32_t>::min(), 10, tiny, 1000, 0,
                                          PaymentTiming::EndOfPeriod, interest);
  const Extended crp = std::exp(-2147483649.0L * std::log1p(tiny));
  const Extended tinyAnnuity = 10 * (1 + 9 * tiny / 2);  // to 1e-22 at this rate
  // 1 + r itself is rounded (relative 2^-64); raised to 2^31 that grows to 2^-33 of the value.
  EXPECT_NEAR(principal, -1000 * crp / tinyAnnuity, 100 * 0x1p-32L);
}

TEST(SchedulePeriodicRateTest, ByFrequency) {
  struct Case {
    Extended percent;
    int32_t index;
    int32_t perYear;
    Extended rate;
  };
  const Case cases[] = {{12, 0, 12, 0.01L},      {12, 1, 4, 0.03L},  {6, 1, 4, 0.015L},
                        {12, 2, 2, 0.06L},       {12, 3, 1, 0.12L},  {12, -1, 1, 0.12L},
                        {12, 4, 24, 0.005L},     {26, 5, 26, 0.01L}, {52, 6, 52, 0.01L},
                        {36.5L, 7, 365, 0.001L}, {12, 8, 1, 0.12L},  {0, 0, 12, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(PaymentsPerYear(c.index), c.perYear);
    EXPECT_NEAR(SchedulePeriodicRate(c.percent, c.index), c.rate, 2 * kUnitRoundoff * c.rate);
  }
}

}  // namespace
}  // namespace quarrant
