// Internal rate of return, net present value and net future value of flow series.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "engine/cash_flow.h"
#include "engine/engine_errors.h"
#include "engine/time_value.h"
#include "expect_error.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

using test::FailsWith;
using test::kInvalidOperation;
using test::kOverflow;

constexpr Extended kUnitRoundoff = 0x1p-64L;  // of the extended format

using ::quarrant::test::PrintTo;

struct MeasureCase {
  const char* name;
  std::vector<double> flows;
  Extended rate;
  Extended irr;
  Extended npvStart;
  Extended npvEnd;
  Extended nfv;
};

class CashFlowMeasureTest : public ::testing::TestWithParam<MeasureCase> {};

TEST_P(CashFlowMeasureTest, AllThreeMeasures) {
  const MeasureCase& c = GetParam();
  EXPECT_NEAR(InternalRateOfReturn(0, c.flows), c.irr, 1e-15L);
  EXPECT_NEAR(NetPresentValue(c.rate, c.flows, PaymentTiming::StartOfPeriod), c.npvStart, 1e-15L);
  EXPECT_NEAR(NetPresentValue(c.rate, c.flows, PaymentTiming::EndOfPeriod), c.npvEnd, 1e-15L);
  EXPECT_NEAR(NetFutureValue(c.rate, c.flows, PaymentTiming::EndOfPeriod), c.nfv, 1e-14L);
  // The timing is handed on to FutureValue with a zero payment: it cannot matter.
  EXPECT_EQ(NetFutureValue(c.rate, c.flows, PaymentTiming::StartOfPeriod),
            NetFutureValue(c.rate, c.flows, PaymentTiming::EndOfPeriod));
}

INSTANTIATE_TEST_SUITE_P(
    Series, CashFlowMeasureTest,
    ::testing::Values(MeasureCase{"investment_four_flows",
                                  {-1000, 300, 400, 500},
                                  0.1L,
                                  0.0889633946933499353L,
                                  -21.0368144252441773L,
                                  -19.1243767502219794L,
                                  28},
                      // The net future value has the opposite sign of the net present value.
                      MeasureCase{"investment_three_flows",
                                  {-100, 60, 60},
                                  0.1L,
                                  0.130662386291807485L,
                                  4.13223140495867769L,
                                  4.13223140495867769L / 1.1L,
                                  -5},
                      MeasureCase{"loan_first",
                                  {100, -50, -60},
                                  0.05L,
                                  0.0639410298049853194L,
                                  100 - 50 / 1.05L - 60 / (1.05L * 1.05L),
                                  (100 - 50 / 1.05L - 60 / (1.05L * 1.05L)) / 1.05L,
                                  -(100 * 1.05L * 1.05L - 50 * 1.05L - 60)},
                      // Two rates of return, 10 % and 20 %: from the guess 0 the search finds 10 %.
                      MeasureCase{"two_roots", {-100, 230, -132}, 0, 0.1L, -2, -2, 2},
                      MeasureCase{"rate_zero_is_plain_sum",
                                  {-7.5, 2.25, 3.125, 4},
                                  0,
                                  0.109169832172675598L,
                                  1.875L,
                                  1.875L,
                                  -1.875L}),
    [](const ::testing::TestParamInfo<MeasureCase>& info) { return info.param.name; });

TEST(InternalRateOfReturnTest, StepCountsFromTheStartAtRateZero) {
  struct Case {
    const char* name;
    std::vector<double> flows;
    Extended rate;
    int32_t steps;
  };
  const Case cases[] = {{"three_flows_four_steps", {-100, 60, 60}, 0.130662386291807485L, 4},
                        {"tenfold_in_two_steps", {-1, 1000}, 999, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_GT(OutflowPrefixLength(c.flows), 0);  // the search starts at T = 0, not the guess
    int32_t steps = 0;
    EXPECT_NEAR(InternalRateOfReturn(0.5L, c.flows, steps), c.rate, 1e-15L * (1 + c.rate));
    EXPECT_EQ(steps, c.steps);
  }
}

TEST(InternalRateOfReturnTest, GuessCountsOnlyWhenTheStartConditionFails) {
  // Outflows first: the guess is ignored, even one that could not be used.
  EXPECT_NEAR(InternalRateOfReturn(-5, std::vector<double>{-100, 60, 60}), 0.130662386291807485L,
              1e-15L);
  // Here the running total turns positive at once, so the search starts from the guess.
  const std::vector<double> loan{100, -50, -60};
  EXPECT_EQ(OutflowPrefixLength(loan), 0);
  EXPECT_NEAR(InternalRateOfReturn(0.5L, loan), 0.0639410298049853194L, 1e-15L);
  const std::vector<double> twoRoots{-100, 230, -132};
  EXPECT_NEAR(InternalRateOfReturn(0.3L, twoRoots), 0.2L, 1e-15L);
  for (Extended guess : {-1.0L, -2.0L, std::numeric_limits<Extended>::quiet_NaN()}) {
    EXPECT_TRUE(FailsWith<EInvalidArgument>([&] { InternalRateOfReturn(guess, loan); },
                                            "InternalRateOfReturn"));
  }
}

TEST(InternalRateOfReturnTest, DegenerateSeries) {
  const std::vector<double> noOutflow{100, 200};
  const std::vector<double> noInflow{-100};
  EXPECT_EQ(InternalRateOfReturn(0, noOutflow), -1);
  EXPECT_EQ(InternalRateOfReturn(0, noInflow), -1);

  struct Failure {
    const char* name;
    std::vector<double> flows;
    int32_t steps;
  };
  const Failure failures[] = {
      {"empty", {}, 1}, {"all_zero", {0, 0, 0}, 1}, {"no_root_fifteen_steps", {-5, 1, -1}, 15}};
  for (const Failure& f : failures) {
    SCOPED_TRACE(f.name);
    int32_t steps = 0;
    EXPECT_TRUE(FailsWith<EInvalidArgument>([&] { InternalRateOfReturn(0, f.flows, steps); },
                                            "InternalRateOfReturn"));
    EXPECT_EQ(steps, f.steps);
  }
  // A double root at rate 0: the first Newton step divides zero by zero.
  EXPECT_TRUE(FailsWith<EArithmeticError>(
      [] {
        InternalRateOfReturn(0, std::vector<double>{1, -2, 1});
      },
      kInvalidOperation));
}

TEST(CashFlowGroupsTest, EachAmountRepeatedItsCountInOrder) {
  const CashFlowGroup groups[] = {{-1000, 1}, {250, 3}, {7, 0}, {9, -2}, {1.5, 2}};
  EXPECT_EQ(ExpandCashFlowGroups(groups), (std::vector<double>{-1000, 250, 250, 250, 1.5, 1.5}));
  EXPECT_TRUE(ExpandCashFlowGroups({}).empty());
}

TEST(OutflowPrefixLengthTest, RunningTotalUpToTheLastOutflow) {
  struct Case {
    const char* name;
    std::vector<double> flows;
    int64_t length;
  };
  const Case cases[] = {
      {"empty", {}, 0},
      {"no_outflow", {5, 0, 7}, 0},
      {"single_outflow", {-5}, 1},
      {"zero_counts_as_inflow", {-1, 0}, 1},
      {"stays_negative", {-3, 2, -1, 4}, 3},
      {"total_reaches_zero", {-1, 1, -1, 5}, 0},
      {"starts_positive", {1, -2, 3}, 0},
      // The total is rounded to double after each extended-precision sum:
      // -(1 + 2^-53 + 2^-105) becomes -(1 + 2^-53) and then, a tie, -1; adding 1 gives 0.
      {"total_rounded_to_double", {-1, -(0x1p-53 + 0x1p-105), 1, -1}, 0},
      {"rounding_not_reached", {-1, -0x1p-52, 1, -1}, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(OutflowPrefixLength(c.flows), c.length);
  }
  const double big = std::numeric_limits<double>::max();
  EXPECT_TRUE(FailsWith<EArithmeticError>(
      [&] {
        OutflowPrefixLength(std::vector<double>{-big, -big, 1});
      },
      kOverflow));
}

TEST(SplitPolynomialTest, SumsAndSlopesBySign) {
  const std::vector<double> flows{-3, 2, 0, -1, 4};
  const SplitPolynomialValue v = SplitPolynomial(flows, 0.5L);
  EXPECT_EQ(v.negative, -3 - 1 * 0.125L);
  EXPECT_EQ(v.positive, 2 * 0.5L + 4 * 0.0625L);
  EXPECT_EQ(v.negativeSlope, 3 * -1 * 0.125L);
  EXPECT_EQ(v.positiveSlope, 1 * 2 * 0.5L + 4 * 4 * 0.0625L);
  EXPECT_TRUE(FailsWith<EArithmeticError>(
      [&] { SplitPolynomial(std::vector<double>(5000, -1.0), 10); }, kOverflow));
}

TEST(NetValueTest, RatesAtOrBelowMinusOneFail) {
  const std::vector<double> flows{-100, 60, 60};
  for (Extended rate : {-1.0L, -2.0L, std::numeric_limits<Extended>::quiet_NaN()}) {
    EXPECT_TRUE(FailsWith<EInvalidArgument>(
        [&] { NetPresentValue(rate, flows, PaymentTiming::StartOfPeriod); }, "NetPresentValue"));
    EXPECT_TRUE(FailsWith<EInvalidArgument>(
        [&] { NetFutureValue(rate, flows, PaymentTiming::EndOfPeriod); }, "NetFutureValue"));
  }
}

TEST(NetValueTest, EmptyAndZeroSeries) {
  for (const std::vector<double>& flows : {std::vector<double>{}, std::vector<double>{0, 0}}) {
    EXPECT_EQ(NetPresentValue(0.1L, flows, PaymentTiming::StartOfPeriod), 0);
    EXPECT_EQ(NetPresentValue(0.1L, flows, PaymentTiming::EndOfPeriod), 0);
    EXPECT_EQ(NetFutureValue(0.1L, flows, PaymentTiming::EndOfPeriod), 0);
  }
}

TEST(NetValueTest, CompoundFactorLimitOfTheFutureValue) {
  // At 900 % the first of 17 flows is carried forward by exactly 10^16, still accepted.
  const std::vector<double> seventeen(17, 1.0);
  EXPECT_EQ(NetFutureValue(9, seventeen, PaymentTiming::EndOfPeriod), -11111111111111111.0L);
  // Refused under FutureValue's name as soon as the first flow's factor exceeds 10^16 (388 flows
  // at 10 %, as FutureValue(0.1, 387) is refused): also where that factor lies beyond the
  // extended range (2^19999), and for a small rate just past the limit.
  const Extended small = 5e-5L;
  const auto smallLimit = static_cast<size_t>(std::log(1e16L) / std::log1p(small));
  const std::pair<Extended, size_t> refused[] = {
      {9, 18}, {0.1L, 388}, {1, 20000}, {small, smallLimit + 2}};
  for (const auto& [rate, count] : refused) {
    EXPECT_TRUE(FailsWith<EInvalidArgument>(
        [&] { NetFutureValue(rate, std::vector<double>(count, 1.0), PaymentTiming::EndOfPeriod); },
        "FutureValue"))
        << rate << ", " << count << " flows";
  }
  // The present value has no such limit; it overflows only beyond the extended range.
  const std::vector<double> eighteen(18, 1.0);
  EXPECT_NEAR(NetPresentValue(9, eighteen, PaymentTiming::StartOfPeriod), 10.0L / 9, 1e-15L);
  const std::vector<double> many(600, 1.0);
  EXPECT_TRUE(FailsWith<EArithmeticError>(
      [&] { NetPresentValue(-1 + 1e-10L, many, PaymentTiming::StartOfPeriod); }, kOverflow));
}

TEST(NetValueTest, FutureValueIsTheNegatedCompoundedPresentValue) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> amount(-1000, 1000);
  std::uniform_real_distribution<double> rate(-0.5, 0.5);
  for (int trial = 0; trial < 200; ++trial) {
    std::vector<double> flows(1 + trial % 40);
    for (double& flow : flows) flow = amount(random);
    Extended r = rate(random);
    if (trial % 10 == 0) r = 0;
    if (trial % 10 == 1) r = 3e-5L;  // below the small-rate bound
    const auto last = static_cast<int32_t>(flows.size() - 1);
    Extended scale = 0;
    for (size_t i = 0; i < flows.size(); ++i) {
      scale += std::fabs(flows[i]) * std::pow(1 + r, static_cast<Extended>(last - i));
    }
    const Extended npv = NetPresentValue(r, flows, PaymentTiming::StartOfPeriod);
    EXPECT_NEAR(NetFutureValue(r, flows, PaymentTiming::EndOfPeriod),
                -npv * std::pow(1 + r, static_cast<Extended>(last)), 1e-16L * scale)
        << "trial " << trial;
  }
}

// The net future value compounds by Horner's scheme; it must still be the sum of FutureValue's
// terms to 1e-15 of their sum, for every form of the compound factor and both timings. The last
// two rates, one each side of 6.1e-5, have 1 + rate rounded by almost half a unit: on 10^5 flows
// a step compounding by another base than FutureValue's (the rounded 1 + rate, or below 6.1e-5
// the rate itself) is off by over 10^-15.
TEST(NetValueTest, FutureValueIsTheSumOfFutureValueTerms) {
  std::mt19937_64 random(31);
  std::uniform_real_distribution<double> amount(1, 1e4);
  const Extended belowHalfUnit = 0x1.8p-16L + 32112 * 0x1p-79L;  // 1 + rate rounds by 0.49 ulp
  const Extended aboveHalfUnit = 0x1.8p-14L + 8028 * 0x1p-77L;
  const Extended rates[] = {0, 1e-9L, 0.07L, -0.3L, 1.5L, -6e-5L, belowHalfUnit, aboveHalfUnit};
  for (Extended rate : rates) {
    for (PaymentTiming timing : {PaymentTiming::EndOfPeriod, PaymentTiming::StartOfPeriod}) {
      std::vector<double> flows(rate > 1 ? 40 : std::fabs(rate) < 2e-4L ? 100000 : 500);
      for (double& flow : flows) flow = amount(random);
      flows[3] = 0;
      const auto last = static_cast<int32_t>(flows.size() - 1);
      Extended expected = 0;
      for (int32_t i = last; i >= 0; --i) {
        expected += FutureValue(rate, last - i, 0, flows[static_cast<size_t>(i)], timing);
      }
      EXPECT_NEAR(NetFutureValue(rate, flows, timing), expected, -1e-15L * expected)
          << "rate " << rate;
    }
  }
}

// Random series with exactly one change of sign have exactly one rate of return, a simple root.
// At the rate the search returns, the net present value must vanish up to rounding:
//  - the search stops after a Newton step below 1e-15 + 1e-12 |T|; at a simple root Newton's
//    method converges quadratically, so the error left in T is of the order of that step
//    squared, far below the rounding that follows;
//  - forming the rate as e^-T - 1 and then 1 / (1 + rate) again perturbs T by a few units of
//    roundoff u relative to 1 + rate: u (4 + 4 / (1 + rate)); the net value moves by at most
//    D times that, D = sum of i |f_i| x^i bounding its derivative in T;
//  - the sums over n flows err by at most a few n u S, S = sum of |f_i| x^i.
// (Rates close to -1, where 1 + rate keeps few digits, are the ones that need the middle term.)
TEST(InternalRateOfReturnTest, NetPresentValueVanishesAtTheRate) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> magnitude(-1, 5);
  std::uniform_int_distribution<int> outflows(1, 6);
  std::uniform_int_distribution<int> inflows(1, 250);
  double worst = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    std::vector<double> flows;
    const int first = outflows(random);
    const int second = inflows(random);
    const bool investment = trial % 2 == 0;  // outflows first, or a loan received first
    for (int i = 0; i < first + second; ++i) {
      const double value = std::round(std::pow(10.0, magnitude(random)) * 100) / 100 + 0.01;
      const bool outflow = investment ? i < first : i >= second;
      flows.push_back(outflow ? -value : value);
    }
    const Extended rate = InternalRateOfReturn(0, flows);
    ASSERT_GT(rate, -1) << "trial " << trial;
    const Extended x = 1 / (1 + rate);
    Extended sum = 0;
    Extended slope = 0;
    Extended power = 1;
    for (size_t i = 0; i < flows.size(); ++i) {
      sum += std::fabs(flows[i]) * power;
      slope += static_cast<Extended>(i) * std::fabs(flows[i]) * power;
      power *= x;
    }
    const Extended n = static_cast<Extended>(flows.size());
    const Extended tolerance =
        slope * kUnitRoundoff * (4 + 4 / (1 + rate)) + 4 * n * kUnitRoundoff * sum;
    const Extended npv = NetPresentValue(rate, flows, PaymentTiming::StartOfPeriod);
    ASSERT_LE(std::fabs(npv), tolerance) << "trial " << trial << " rate " << rate;
    worst = std::max(worst, static_cast<double>(std::fabs(npv) / tolerance));
  }
  RecordProperty("worst_share_of_tolerance", std::to_string(worst));
}

}  // namespace
}  // namespace quarrant
