// The time-value solvers and their helpers: the documented values to the digits given,
// iteration counts, argument errors with the function's name, and arithmetic faults.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

#include "engine/engine_errors.h"
#include "engine/time_value.h"
#include "engine/time_value_detail.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

constexpr PaymentTiming kEnd = PaymentTiming::EndOfPeriod;
constexpr PaymentTiming kStart = PaymentTiming::StartOfPeriod;
const Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();

using ::quarrant::test::PrintTo;

struct ValueCase {
  const char* name;
  std::function<Extended()> compute;
  Extended expected;
  Extended tolerance;  // half a unit of the last digit given
};
void PrintTo(const ValueCase& c, std::ostream* os) {
  *os << c.name;
}

class SolverValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SolverValue, MatchesToTheDigitsGiven) {
  const ValueCase& c = GetParam();
  EXPECT_NEAR(static_cast<double>(c.compute()), static_cast<double>(c.expected),
              static_cast<double>(c.tolerance));
}

constexpr Extended k10 = 5e-11L;  // ten decimals given
constexpr Extended kSmallLoanRate = 0.05L / 12 / 100;

INSTANTIATE_TEST_SUITE_P(
    Documented, SolverValue,
    ::testing::Values(
        ValueCase{"FutureValueEnd", [] { return FutureValue(0.01L, 12, -100, 0, kEnd); },
                  1268.2503013197L, k10},
        ValueCase{"FutureValueStart", [] { return FutureValue(0.01L, 12, -100, 0, kStart); },
                  1280.9328043329L, k10},
        ValueCase{"PresentValueEnd", [] { return PresentValue(0.01L, 12, -100, 0, kEnd); },
                  1125.5077473485L, k10},
        ValueCase{"PaymentEnd", [] { return Payment(0.005L, 360, 100000, 0, kEnd); },
                  -599.5505251528L, k10},
        ValueCase{"PaymentStart", [] { return Payment(0.005L, 360, 100000, 0, kStart); },
                  -596.5676867192L, k10},
        ValueCase{"NumberOfPeriods",
                  [] { return NumberOfPeriods(0.01L, -100, 1125.5077473485L, 0, kEnd); }, 12, k10},
        ValueCase{"InterestRateLoan",
                  [] { return InterestRate(360, -599.5505251528L, 100000, 0, kEnd); }, 0.005L,
                  5e-4L},
        ValueCase{"InterestRateEnd", [] { return InterestRate(12, -100, 1000, 0, kEnd); },
                  0.0292285408L, k10},
        ValueCase{"InterestRateStart", [] { return InterestRate(12, -100, 1000, 0, kStart); },
                  0.0350315304L, k10},
        ValueCase{"InterestRateNoPayment", [] { return InterestRate(10, 0, -1000, 2000, kEnd); },
                  0.0717734625L, k10},
        ValueCase{"SmallRatePeriods", [] { return NumberOfPeriods(0.00005L, -100, 1000, 0, kEnd); },
                  10.0027508941L, k10},
        // I%YR 0.05 monthly, 30 years: rate 0.05 / 12 / 100, below 6.1e-5.
        ValueCase{"SmallRateLoanPayment",
                  [] { return Payment(kSmallLoanRate, 360, 100000, 0, kEnd); }, -279.872106313261L,
                  5e-13L},
        ValueCase{
            "SmallRateLoanPeriods",
            [] { return NumberOfPeriods(kSmallLoanRate, -279.872106313261L, 100000, 0, kEnd); },
            360, 1e-9L},
        ValueCase{"NegativePeriods", [] { return NumberOfPeriods(0.01L, -100, -1000, 0, kEnd); },
                  -9.5785940398L, k10},
        ValueCase{"PerpetuityPresentValue", [] { return PresentValue(0.01L, 4000, -100, 0, kEnd); },
                  10000, k10},
        ValueCase{"PerpetuityPayment", [] { return Payment(0.01L, 4000, 10000, 0, kStart); },
                  -99.0099009901L, k10},
        ValueCase{"ZeroRatePaymentEnd", [] { return Payment(0, 10, 1000, 0, kEnd); }, -100, 0},
        ValueCase{"ZeroRatePaymentStart", [] { return Payment(0, 10, 1000, 0, kStart); }, -100, 0},
        ValueCase{"ZeroRatePresentValue", [] { return PresentValue(0, 7, -30, 50, kStart); }, 160,
                  0},
        ValueCase{"ZeroRateFutureValue", [] { return FutureValue(0, 7, -30, 50, kEnd); }, 160, 0},
        ValueCase{"NoPeriodsFutureValue", [] { return FutureValue(0.05L, 0, -30, 50, kEnd); }, -50,
                  0},
        ValueCase{"LargestCompoundFactor",
                  [] { return FutureValue(0.1L, 386, 0, -1, kEnd) / 1e15L; }, 9.4967820491800731L,
                  1e-12L},
        ValueCase{"NegativeCountFutureValue", [] { return FutureValue(0.1L, -2, 0, 121, kEnd); },
                  -100, 1e-15L},
        ValueCase{"NegativeCountPayment", [] { return Payment(0.1L, -1, 0, 110, kEnd); }, 121,
                  1e-13L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InterestRate, ConvergesInTheDocumentedIteration) {
  int iterations = 0;
  const Extended loan =
      detail::InterestRateCounted(360, -599.5505251528L, 100000, 0, kEnd, iterations);
  EXPECT_NEAR(static_cast<double>(loan), 0.005, 1e-13);
  EXPECT_EQ(iterations, 5);
  const Extended doubling = detail::InterestRateCounted(10, 0, -1000, 2000, kEnd, iterations);
  EXPECT_NEAR(static_cast<double>(doubling), static_cast<double>(std::pow(2.0L, 0.1L) - 1), 1e-18);
  EXPECT_EQ(iterations, 2);
}

// Data that the rate iteration must not give up on: a rate of exactly 0 (the iteration
// used to wander at the noise level of e^T - 1 there), no present value with payments at the
// end (a savings plan: the first flow is 0), a large future value that throws the first step
// far out, and a single period with a large payment.
struct RateCase {
  const char* name;
  Extended rate;
  int32_t n;
  Extended payment, presentValue;
  PaymentTiming timing;
};
void PrintTo(const RateCase& c, std::ostream* os) {
  *os << c.name;
}

class RateRecovery : public ::testing::TestWithParam<RateCase> {};

TEST_P(RateRecovery, FindsTheRate) {
  const RateCase& c = GetParam();
  const Extended future = FutureValue(c.rate, c.n, c.payment, c.presentValue, c.timing);
  const Extended rate = InterestRate(c.n, c.payment, c.presentValue, future, c.timing);
  EXPECT_NEAR(static_cast<double>(rate), static_cast<double>(c.rate), 1e-13);
}

INSTANTIATE_TEST_SUITE_P(
    Difficult, RateRecovery,
    ::testing::Values(RateCase{"InterestFreeLoanEnd", 0, 12, -100, 1200, kEnd},
                      RateCase{"InterestFreeLoanStart", 0, 12, -100, 1200, kStart},
                      RateCase{"InterestFreeLongLoan", 0, 360, -250, 90000, kStart},
                      RateCase{"SavingsPlanEnd", 0.004L, 120, -100, 0, kEnd},
                      RateCase{"SavingsPlanStart", 0.004L, 120, -100, 0, kStart},
                      RateCase{"LargeFutureValue", 0.6L, 59, -2.22L, 1.83L, kStart},
                      RateCase{"LargeFutureValueEnd", 0.122L, 289, -163.18L, -6.73L, kEnd},
                      RateCase{"SinglePeriodLargePayment", 0.25L, 1, 1000000, -3, kEnd}),
    [](const auto& info) { return std::string(info.param.name); });

// Error message of the call, or "" when it returns.
std::string ErrorOf(const std::function<Extended()>& call) {
  try {
    call();
  } catch (const EInvalidArgument& error) {
    return std::string("argument:") + error.what();
  } catch (const EArithmeticError& error) {
    return std::string("arithmetic:") + error.what();
  }
  return "";
}

struct ErrorCase {
  const char* name;
  std::function<Extended()> call;
  std::string expected;
};
void PrintTo(const ErrorCase& c, std::ostream* os) {
  *os << c.name;
}

class SolverError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(SolverError, Raises) {
  EXPECT_EQ(ErrorOf(GetParam().call), GetParam().expected);
}

const std::string kDivZero = "arithmetic:Floating point division by zero";
const std::string kInvalid = "arithmetic:Invalid floating point operation";
const std::string kOverflow = "arithmetic:Floating point overflow";

INSTANTIATE_TEST_SUITE_P(
    Arguments, SolverError,
    ::testing::Values(
        ErrorCase{"FutureValueRateMinusOne", [] { return FutureValue(-1, 5, 1, 1, kEnd); },
                  "argument:FutureValue"},
        ErrorCase{"PresentValueRateBelow", [] { return PresentValue(-2, 5, 1, 1, kEnd); },
                  "argument:PresentValue"},
        ErrorCase{"PaymentRateMinusOne", [] { return Payment(-1, 5, 1, 1, kStart); },
                  "argument:Payment"},
        ErrorCase{"PeriodsRateMinusOne", [] { return NumberOfPeriods(-1, -1, 10, 0, kEnd); },
                  "argument:NumberOfPeriods"},
        ErrorCase{"FutureValueNaN", [] { return FutureValue(kNaN, 5, 1, 1, kEnd); },
                  "argument:FutureValue"},
        ErrorCase{"PresentValueNaN", [] { return PresentValue(kNaN, 5, 1, 1, kEnd); },
                  "argument:PresentValue"},
        ErrorCase{"PaymentNaN", [] { return Payment(kNaN, 5, 1, 1, kEnd); }, "argument:Payment"},
        ErrorCase{"PeriodsNaN", [] { return NumberOfPeriods(kNaN, -1, 10, 0, kEnd); },
                  "argument:NumberOfPeriods"},
        ErrorCase{"CompoundFactorTooLarge", [] { return FutureValue(0.1L, 387, -1, 0, kEnd); },
                  "argument:FutureValue"},
        ErrorCase{"PaymentOffsetsInterest",
                  [] { return NumberOfPeriods(0.01L, -10, 1000, 0, kEnd); },
                  "argument:NumberOfPeriods"},
        ErrorCase{"PaymentOffsetsInterestAtStart",
                  [] { return NumberOfPeriods(0.01L, -10 / 1.01L, 1000, 0, kStart); },
                  "argument:NumberOfPeriods"},
        ErrorCase{"PeriodsNeverReached", [] { return NumberOfPeriods(0.01L, -5, 1000, 0, kEnd); },
                  "argument:NumberOfPeriods"},
        ErrorCase{"RateNoPeriods", [] { return InterestRate(0, -100, 1000, 0, kEnd); },
                  "argument:InterestRate"},
        ErrorCase{"RateNegativePeriods", [] { return InterestRate(-12, -100, 1000, 0, kEnd); },
                  "argument:InterestRate"},
        ErrorCase{"RateAllOneSign", [] { return InterestRate(10, 10, 100, 10, kEnd); },
                  "argument:InterestRate"},
        ErrorCase{"RateFirstFlowZero", [] { return InterestRate(10, -100, 100, 0, kStart); },
                  "argument:InterestRate"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, SolverError,
    ::testing::Values(
        ErrorCase{"PaymentNoPeriods", [] { return Payment(0.01L, 0, 1000, 0, kEnd); }, kDivZero},
        ErrorCase{"PaymentNoPeriodsZeroRate", [] { return Payment(0, 0, 1000, 0, kEnd); },
                  kDivZero},
        ErrorCase{"ZeroToNegativePower", [] { return IntegerPower(0, -1); }, kDivZero},
        ErrorCase{"PowerBeyondRange", [] { return IntegerPower(10, 5000); }, kOverflow},
        ErrorCase{"CompoundFactorBeyondRange", [] { return CompoundFactor(1, 20000); }, kOverflow},
        ErrorCase{"CompoundFactorOfTotalLoss", [] { return CompoundFactor(-1, -1); }, kDivZero},
        ErrorCase{"LogOfZero", [] { return LogOnePlus(-1); }, kDivZero},
        ErrorCase{"LogOfNegative", [] { return LogOnePlus(-3); }, kInvalid},
        // A tiny discount factor underflows the present value's divisor to 0.
        ErrorCase{"PresentValueZeroCompound",
                  [] { return PresentValue(-0.999999L, 10000, -1, 5, kEnd); }, kDivZero}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntegerPower, SquaresAndMultipliesOverTheWholeExponentRange) {
  EXPECT_EQ(IntegerPower(2, 10), 1024.0L);
  EXPECT_EQ(IntegerPower(-2, 3), -8.0L);
  EXPECT_EQ(IntegerPower(2, -2), 0.25L);
  EXPECT_EQ(IntegerPower(0, 0), 1.0L);
  EXPECT_EQ(IntegerPower(0, 5), 0.0L);
  EXPECT_EQ(IntegerPower(1, INT_MIN), 1.0L);
  EXPECT_EQ(IntegerPower(-1, INT_MAX), -1.0L);
  EXPECT_EQ(IntegerPower(3, 40), 12157665459056928801.0L);  // exact: 64 bits suffice
  // Reciprocals of powers beyond the range underflow instead of overflowing.
  EXPECT_EQ(IntegerPower(2, -16400), std::ldexp(1.0L, -16400));
  EXPECT_EQ(IntegerPower(2, INT_MIN), 0.0L);
  EXPECT_EQ(IntegerPower(0.5L, INT_MAX), 0.0L);
}

TEST(LogOnePlus, KeepsSmallArgumentsPrecise) {
  EXPECT_EQ(LogOnePlus(0), 0.0L);
  EXPECT_EQ(LogOnePlus(1e-25L), 1e-25L);  // 1 + 1e-25 would round to 1
  EXPECT_NEAR(static_cast<double>(LogOnePlus(0.25L) - std::log(1.25L)), 0, 1e-19);
  EXPECT_NEAR(static_cast<double>(LogOnePlus(1) / std::log(2.0L)), 1, 1e-18);
  EXPECT_NEAR(static_cast<double>(LogOnePlus(-0.5L) / std::log(0.5L)), 1, 1e-18);
}

TEST(AnnuityFactor, TakesItsThreeForms) {
  Extended compound = -1;
  // Rate exactly 0: N, whatever the timing.
  EXPECT_EQ(AnnuityFactor(0, 12, kStart, compound), 12.0L);
  EXPECT_EQ(compound, 1.0L);
  // Below 6.1e-5 in magnitude: the same ((1 + Rate)^N - 1) / Rate, to full precision.
  const Extended small = AnnuityFactor(-0.00005L, 10, kEnd, compound);
  EXPECT_NEAR(static_cast<double>(small - 9.9977502999737515749L), 0, 1e-18);
  EXPECT_NEAR(static_cast<double>(compound - 0.99950011248500131242L), 0, 1e-19);
  const Extended smallStart = AnnuityFactor(0.00005L, 10, kStart, compound);
  EXPECT_NEAR(static_cast<double>(smallStart - 10.002750412541252888L), 0, 1e-18);
  // Otherwise (CR - 1) / Rate, times 1 + Rate at the start of the period.
  EXPECT_NEAR(static_cast<double>(AnnuityFactor(0.1L, 2, kEnd, compound)), 2.1, 1e-17);
  EXPECT_NEAR(static_cast<double>(compound), 1.21, 1e-17);
  EXPECT_NEAR(static_cast<double>(AnnuityFactor(0.1L, 2, kStart, compound)), 2.31, 1e-17);
  EXPECT_NEAR(static_cast<double>(AnnuityFactor(0.1L, -1, kEnd, compound)), -1 / 1.1, 1e-17);
}

TEST(IsRelativelySmall, ComparesAgainstRelativeAndAbsoluteFloors) {
  EXPECT_TRUE(IsRelativelySmall(9.9e-16L, 0));
  // The floors are the double constants: the extended 1e-15 lies just below the double one.
  EXPECT_TRUE(IsRelativelySmall(1e-15L, 0));
  EXPECT_FALSE(IsRelativelySmall(static_cast<Extended>(1e-15), 0));  // strict
  EXPECT_TRUE(IsRelativelySmall(1e-12L, -1));
  EXPECT_FALSE(IsRelativelySmall(2e-12L, 1));
  EXPECT_TRUE(IsRelativelySmall(-0.5e-6L, 1e6L));
  EXPECT_FALSE(IsRelativelySmall(kNaN, 1));
}

}  // namespace
}  // namespace quarrant
