// Straight-line, sum-of-the-years' digits and declining-balance depreciation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/UtFunctionImp.h"
#include "engine/depreciation.h"
#include "engine/engine_errors.h"
#include "expect_error.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

using test::FailsWith;
using test::kInvalidOperation;
using test::kOverflow;

using ::quarrant::test::PrintTo;

struct ScheduleCase {
  const char* name;
  DepreciationMethod method;
  Extended cost;
  Extended salvage;
  int32_t life;
  Extended factor;
  std::vector<Extended> years;  // expected value per year 1..life
  Extended tolerance;
};

class DepreciationScheduleTest : public ::testing::TestWithParam<ScheduleCase> {};

// The table generator: one row per year with the running total, by each method.
TEST_P(DepreciationScheduleTest, YearByYear) {
  const ScheduleCase& c = GetParam();
  std::vector<DepreciationRow> rows;
  DepreciationTable(c.method, c.cost, c.salvage, c.life, c.factor,
                    [&rows](const DepreciationRow& row) { rows.push_back(row); });
  ASSERT_EQ(rows.size(), static_cast<size_t>(c.life));
  Extended total = 0;
  for (int32_t year = 1; year <= c.life; ++year) {
    SCOPED_TRACE(::testing::Message() << "year " << year);
    const DepreciationRow& row = rows[static_cast<size_t>(year - 1)];
    total += c.years[static_cast<size_t>(year - 1)];
    EXPECT_EQ(row.Year, year);
    EXPECT_NEAR(row.Depreciation, c.years[static_cast<size_t>(year - 1)], c.tolerance);
    EXPECT_NEAR(row.Total, total, c.tolerance * year);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, DepreciationScheduleTest,
    ::testing::Values(
        ScheduleCase{"straight_line",
                     DepreciationMethod::StraightLine,
                     10000,
                     1000,
                     5,
                     0,
                     {1800, 1800, 1800, 1800, 1800},
                     1e-15L},
        // 100 / 3 a year: a total of rounded years would miss 100 after three years.
        ScheduleCase{"straight_line_thirds",
                     DepreciationMethod::StraightLine,
                     100,
                     0,
                     3,
                     0,
                     {100.0L / 3, 100.0L / 3, 100.0L / 3},
                     1e-15L},
        ScheduleCase{"years_digits",
                     DepreciationMethod::SumOfYearsDigits,
                     10000,
                     1000,
                     5,
                     0,
                     {3000, 2400, 1800, 1200, 600},
                     1e-15L},
        ScheduleCase{"double_declining_capped_last_year",
                     DepreciationMethod::DecliningBalance,
                     10000,
                     1000,
                     5,
                     2,
                     {4000, 2400, 1440, 864, 296},
                     1e-12L},
        ScheduleCase{"declining_life_3_capped",
                     DepreciationMethod::DecliningBalance,
                     10000,
                     1000,
                     3,
                     2,
                     {6666.6666666666666667L, 2222.2222222222222222L, 111.1111111111111111L},
                     1e-12L},
        ScheduleCase{"declining_life_2_ignores_factor",
                     DepreciationMethod::DecliningBalance,
                     10000,
                     1000,
                     2,
                     1.5L,
                     {9000, 0},
                     0},
        ScheduleCase{"declining_life_1",
                     DepreciationMethod::DecliningBalance,
                     10000,
                     1000,
                     1,
                     1.5L,
                     {9000},
                     0},
        // A yearly rate of 5/3: everything goes in year 1, nothing is left for later years.
        ScheduleCase{"declining_factor_above_life",
                     DepreciationMethod::DecliningBalance,
                     10000,
                     1000,
                     3,
                     5,
                     {9000, 0, 0},
                     0},
        ScheduleCase{"salvage_above_cost_straight_line",
                     DepreciationMethod::StraightLine,
                     1000,
                     1500,
                     4,
                     0,
                     {-125, -125, -125, -125},
                     0},
        ScheduleCase{"salvage_above_cost_years_digits",
                     DepreciationMethod::SumOfYearsDigits,
                     1000,
                     1500,
                     4,
                     0,
                     {0, 0, 0, 0},
                     0},
        ScheduleCase{"salvage_equal_cost_declining",
                     DepreciationMethod::DecliningBalance,
                     1000,
                     1000,
                     4,
                     2,
                     {0, 0, 0, 0},
                     0}),
    [](const ::testing::TestParamInfo<ScheduleCase>& info) { return info.param.name; });

TEST(DecliningBalanceTest, NoSwitchToStraightLine) {
  // Rate 0.15 on 1000 with no salvage: the geometric book value stays above zero.
  Extended total = 0;
  for (int32_t year = 1; year <= 10; ++year) {
    total += DecliningBalanceDepreciation(1000, 0, 10, year, 1.5L);
  }
  EXPECT_NEAR(DecliningBalanceDepreciation(1000, 0, 10, 1, 1.5L), 150, 1e-15L);
  EXPECT_NEAR(DecliningBalanceDepreciation(1000, 0, 10, 2, 1.5L), 127.5L, 1e-15L);
  EXPECT_NEAR(DecliningBalanceDepreciation(1000, 0, 10, 10, 1.5L), 150 * std::pow(0.85L, 9),
              1e-13L);
  EXPECT_NEAR(total, 1000 * (1 - std::pow(0.85L, 10)), 1e-12L);
  EXPECT_NEAR(total, 803.13L, 0.005L);
}

TEST(DepreciationTest, PeriodsOutsideTheLifeGiveZero) {
  struct Case {
    const char* name;
    int32_t life;
    int32_t period;
  };
  const Case cases[] = {{"period_0", 5, 0},
                        {"period_beyond_life", 5, 6},
                        {"negative_period", 5, -1},
                        {"life_0", 0, 1},
                        {"negative_life", -3, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SumOfYearsDigitsDepreciation(10000, 1000, c.life, c.period), 0);
    EXPECT_EQ(DecliningBalanceDepreciation(10000, 1000, c.life, c.period, 2), 0);
  }
}

TEST(DepreciationTest, StraightLineRejectsLivesBelowOne) {
  for (int32_t life : {0, -1, std::numeric_limits<int32_t>::min()}) {
    SCOPED_TRACE(life);
    EXPECT_TRUE(FailsWith<EInvalidArgument>([&] { SLNDepreciation(10000, 1000, life); },
                                            "SLNDepreciation"));
  }
}

// Lives above 46 340 make Life * (Life + 1) overflow 32 bits; the digit sums are formed in 64
// bits, so the depreciation keeps its true value for every 32-bit life.
TEST(SumOfYearsDigitsTest, LongLivesKeepTheTrueValue) {
  for (int32_t life : {46340, 46341, 65536, 100000, std::numeric_limits<int32_t>::max()}) {
    SCOPED_TRACE(life);
    const Extended base = 9000;
    const Extended n = life;
    // Year 1 takes Life / (Life (Life + 1) / 2), the last year 1 / (Life (Life + 1) / 2).
    EXPECT_NEAR(SumOfYearsDigitsDepreciation(10000, 1000, life, 1), 2 * base / (n + 1),
                1e-18L * base);
    EXPECT_NEAR(SumOfYearsDigitsDepreciation(10000, 1000, life, life), 2 * base / (n * (n + 1)),
                1e-18L * base / (n * n));
    EXPECT_GT(SumOfYearsDigitsDepreciation(10000, 1000, life, life / 2), 0);
  }
}

TEST(SumOfYearsDigitsTest, LongLifeAddsUpToTheDepreciableAmount) {
  const int32_t life = 100000;
  Extended total = 0;
  for (int32_t year = 1; year <= life; ++year) {
    total += SumOfYearsDigitsDepreciation(10000, 1000, life, year);
  }
  EXPECT_NEAR(total, 9000, 1e-9L);
}

TEST(DepreciationTest, TableEndsAtAnErrorAfterTheRowsHandedOverAndListsNoLifeBelowOne) {
  // A yearly rate of -10^599 makes the book value grow until year 9's depreciation overflows.
  int32_t rows = 0;
  const auto count = [&rows](const DepreciationRow&) { ++rows; };
  EXPECT_TRUE(FailsWith<EArithmeticError>(
      [&] { DepreciationTable(DepreciationMethod::DecliningBalance, 1000, 0, 10, -1e600L, count); },
      kOverflow));
  EXPECT_EQ(rows, 8);
  DepreciationTable(DepreciationMethod::StraightLine, 1000, 0, 0, 0, count);
  EXPECT_EQ(rows, 8);
  EXPECT_EQ(DepreciationMethodOf(0), DepreciationMethod::StraightLine);
  EXPECT_EQ(DepreciationMethodOf(1), DepreciationMethod::SumOfYearsDigits);
  for (int32_t index : {2, -1, 7})
    EXPECT_EQ(DepreciationMethodOf(index), DepreciationMethod::DecliningBalance);
}

TEST(DepreciationTest, FaultsAreErrorsNotInfinities) {
  const Extended huge = std::numeric_limits<Extended>::max();
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  EXPECT_TRUE(FailsWith<EArithmeticError>([&] { SLNDepreciation(huge, -huge, 1); }, kOverflow));
  EXPECT_TRUE(FailsWith<EArithmeticError>(
      [&] { SumOfYearsDigitsDepreciation(huge / 2, -huge / 2, 10, 1); }, kOverflow));
  EXPECT_TRUE(FailsWith<EArithmeticError>(
      [&] { DecliningBalanceDepreciation(huge, 0, 100, 100, -100); }, kOverflow));
  EXPECT_TRUE(FailsWith<EArithmeticError>([&] { SLNDepreciation(nan, 0, 5); }, kInvalidOperation));
  EXPECT_TRUE(FailsWith<EArithmeticError>([&] { SumOfYearsDigitsDepreciation(nan, 0, 5, 1); },
                                          kInvalidOperation));
  EXPECT_TRUE(FailsWith<EArithmeticError>([&] { DecliningBalanceDepreciation(1000, 0, 5, 2, nan); },
                                          kInvalidOperation));
}

}  // namespace
}  // namespace quarrant
