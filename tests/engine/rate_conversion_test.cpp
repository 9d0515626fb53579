// General power and the nominal/effective rate conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/UtFunctionImp.h"
#include "engine/engine_errors.h"
#include "expect_error.h"

namespace quarrant {
namespace {

using test::FailsWith;
using test::kDivisionByZero;
using test::kInvalidOperation;
using test::kOverflow;

struct PowerCase {
  const char* name;
  Extended base;
  Extended exponent;
  Extended expected;
  Extended tolerance;
};

TEST(RealPowerTest, ValuesByRule) {
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  const PowerCase cases[] = {
      {"zero_to_zero", 0.0L, 0.0L, 1.0L, 0.0L},
      {"nan_to_zero", nan, 0.0L, 1.0L, 0.0L},
      {"zero_to_positive_fraction", 0.0L, 2.5L, 0.0L, 0.0L},
      {"negative_base_odd_whole", -2.0L, 3.0L, -8.0L, 0.0L},
      {"negative_base_negative_whole", -2.0L, -3.0L, -0.125L, 0.0L},
      {"square_root", 2.0L, 0.5L, 1.41421356237309504880L, 1e-18L},
      {"fractional_exponent", 1.12L, 1.0L / 12.0L, 1.00948879293458297413L, 1e-18L},
      // A whole exponent beyond the 32-bit range goes through the logarithm.
      {"one_to_huge_whole", 1.0L, 1e30L, 1.0L, 0.0L},
      {"tiny_result_underflows_silently", 0.5L, 2147483648.0L, 0.0L, 0.0L},
  };
  for (const PowerCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(RealPower(c.base, c.exponent), c.expected, c.tolerance);
  }
}

TEST(RealPowerTest, ArithmeticFaultsAreErrors) {
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  EXPECT_TRUE(
      FailsWith<EArithmeticError>([] { RealPower(-8.0L, 1.0L / 3.0L); }, kInvalidOperation));
  EXPECT_TRUE(FailsWith<EArithmeticError>([] { RealPower(0.0L, -1.0L); }, kDivisionByZero));
  EXPECT_TRUE(FailsWith<EArithmeticError>([] { RealPower(0.0L, -2.5L); }, kDivisionByZero));
  EXPECT_TRUE(FailsWith<EArithmeticError>([] { RealPower(10.0L, 2147483647.0L); }, kOverflow));
  EXPECT_TRUE(FailsWith<EArithmeticError>([] { RealPower(2.0L, 2147483648.0L); }, kOverflow));
  EXPECT_TRUE(FailsWith<EArithmeticError>([&] { RealPower(2.0L, nan); }, kInvalidOperation));
  EXPECT_TRUE(FailsWith<EArithmeticError>([&] { RealPower(nan, 0.5L); }, kInvalidOperation));
}

struct ConversionCase {
  const char* name;
  int32_t periodsPerYear;
  Extended rate;
  Extended expected;
  Extended tolerance;
};

TEST(RateConversionTest, NominalToEffective) {
  const ConversionCase cases[] = {
      {"monthly_6", 12, 0.06L, 0.0616778118644995688L, 1e-18L},
      {"quarterly_8", 4, 0.08L, 0.08243216L, 1e-18L},
      {"semiannual_10", 2, 0.1L, 0.1025L, 1e-18L},
      {"annual_unchanged", 1, 0.07L, 0.07L, 1e-18L},
      {"factor_minus_one_to_even_power", 12, -24.0L, 0.0L, 0.0L},
      {"zero_rate", 12, 0.0L, 0.0L, 0.0L},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(NominalToEffective(c.periodsPerYear, c.rate), c.expected, c.tolerance);
  }
}

TEST(RateConversionTest, EffectiveToNominal) {
  const ConversionCase cases[] = {
      {"monthly_back_to_6", 12, 0.0616778118645L, 0.06L, 5e-13L},
      {"semiannual_10", 2, 0.1L, 0.0976176963403030940L, 1e-17L},
      {"quarterly_10", 4, 0.1L, 0.0964547563377805176L, 1e-17L},
      {"monthly_12", 12, 0.12L, 0.113865515214995690L, 1e-17L},
      {"annual_unchanged", 1, 0.07L, 0.07L, 1e-18L},
      {"annual_below_minus_one", 1, -1.5L, -1.5L, 0.0L},
      // 1 + i = 0 takes the zero-base rule: 0^(1/m) = 0, so the result is -m.
      {"effective_minus_one", 12, -1.0L, -12.0L, 0.0L},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(EffectiveToNominal(c.periodsPerYear, c.rate), c.expected, c.tolerance);
  }
}

TEST(RateConversionTest, ConversionsInvertEachOther) {
  for (int32_t m : {1, 2, 4, 12, 52, 365}) {
    for (Extended j = -0.5L; j <= 2.0L; j += 0.0625L) {
      SCOPED_TRACE(::testing::Message() << "m=" << m << " j=" << static_cast<double>(j));
      const Extended effective = NominalToEffective(m, j);
      EXPECT_NEAR(EffectiveToNominal(m, effective), j, 1e-15L);
    }
  }
}

TEST(RateConversionTest, FaultsAreErrors) {
  EXPECT_TRUE(
      FailsWith<EArithmeticError>([] { EffectiveToNominal(12, -1.5L); }, kInvalidOperation));
  EXPECT_TRUE(FailsWith<EArithmeticError>([] { EffectiveToNominal(0, 0.1L); }, kDivisionByZero));
  EXPECT_TRUE(FailsWith<EArithmeticError>([] { NominalToEffective(0, 0.1L); }, kDivisionByZero));
  // A factor above 1 raised to a large count leaves the extended range.
  EXPECT_TRUE(FailsWith<EArithmeticError>([] { NominalToEffective(100000, 1e6L); }, kOverflow));
}

}  // namespace
}  // namespace quarrant
