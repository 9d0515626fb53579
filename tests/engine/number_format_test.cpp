// Number to text: the general and fixed formats of the value fields, the schedule amount and
// the plain general form that the evaluator reads back.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <string>

#include "engine/cmpEvaluator.h"
#include "engine/number_format.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

using ::quarrant::test::PrintTo;

struct FormatCase {
  const char* name;
  Extended value;
  int selector;  // 0 general, i fixed with i - 1 decimals
  std::string expected;
  char separator = '.';
};
void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.name;
}

class SelectorFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(SelectorFormat, Writes) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatForSelector(c.value, c.selector, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    General, SelectorFormat,
    ::testing::Values(FormatCase{"Third", 1.0L / 3, 0, "0.333333333333333"},
                      FormatCase{"Half", 2.5L, 0, "2.5"}, FormatCase{"Whole", 24, 0, "24"},
                      FormatCase{"Zero", 0, 0, "0"}, FormatCase{"NegativeZero", -0.0L, 0, "0"},
                      FormatCase{"SmallestFixed", 0.0001L, 0, "0.0001"},
                      FormatCase{"BelowFixed", 0.00005L, 0, "5E-5"},
                      FormatCase{"Large", 1e20L, 0, "1E20"},
                      FormatCase{"FifteenIntegerDigits", 999999999999999.0L, 0, "999999999999999"},
                      FormatCase{"SixteenIntegerDigits", 1e15L, 0, "1E15"},
                      FormatCase{"RoundsIntoScientific", 999999999999999.5L, 0, "1E15"},
                      FormatCase{"RoundsIntoFixed", 0.000099999999999999996L, 0, "0.0001"},
                      FormatCase{"ScientificDigits", -1.23456789012345678e-10L, 0,
                                 "-1.23456789012346E-10"},
                      FormatCase{"HugeExponent", 1.5e300L, 0, "1.5E300"},
                      FormatCase{"ExtendedExponent", 2e-4000L, 0, "2E-4000"},
                      FormatCase{"NegativeFixed", -1234.5L, 0, "-1234.5"},
                      FormatCase{"CommaSeparator", 2.5L, 0, "2,5", ','},
                      FormatCase{"CommaScientific", 1.5e-7L, 0, "1,5E-7", ','},
                      FormatCase{"OutOfRangeIndexIsGeneral", 2.5L, -1, "2.5"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Fixed, SelectorFormat,
    ::testing::Values(
        FormatCase{"NoDecimals", 2.6L, 1, "3"}, FormatCase{"NoDecimalsWhole", 24, 1, "24"},
        FormatCase{"DefaultTwo", 24, 3, "24.00"}, FormatCase{"DefaultTwoFour", 4, 3, "4.00"},
        FormatCase{"TenDecimals", 1.0L / 3, 11, "0.3333333333"},
        FormatCase{"HalfAwayFromZero", 0.5L, 1, "1"},
        FormatCase{"NegativeHalfAwayFromZero", -0.5L, 1, "-1"},
        FormatCase{"BinaryTie", 0.125L, 3, "0.13"},
        // 1.005 is held as 1.00499999999999999996: eighteen digits first make it a tie.
        FormatCase{"TieAfterEighteenDigits", 1.005L, 3, "1.01"},
        FormatCase{"BelowTieAtEighteenDigits", 1.00499999999999999L, 3, "1.00"},
        FormatCase{"NoMinusOnZero", -0.4L, 1, "0"}, FormatCase{"NegativeZero", -0.0L, 3, "0.00"},
        FormatCase{"CarryIntoNewDigit", 9.999L, 3, "10.00"},
        FormatCase{"EighteenSignificant", 123456789.123456789123L, 11, "123456789.1234567890"},
        FormatCase{"EighteenIntegerDigits", 999999999999999999.0L, 3, "999999999999999999.00"},
        FormatCase{"NineteenIntegerDigits", 1e18L, 3, "1E18"},
        FormatCase{"TinyValue", 1e-300L, 11, "0.0000000000"},
        FormatCase{"CommaSeparator", -1234.567L, 3, "-1234,57", ','}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberFormat, ScheduleAmountsAlwaysHaveTwoDecimals) {
  const struct {
    Extended amount;
    const char* text;
  } cases[] = {
      {921.149L, "921.15"}, {1234567.891L, "1234567.89"}, {-0.004L, "0.00"},  {-0.005L, "-0.01"},
      {0, "0.00"},          {-100000, "-100000.00"},      {2.5e19L, "2.5E19"}};
  for (const auto& c : cases) EXPECT_EQ(FormatScheduleAmount(c.amount), c.text) << c.text;
  EXPECT_EQ(FormatScheduleAmount(921.149L, ','), "921,15");
}

TEST(NumberFormat, PlainGeneralIsPositional) {
  const struct {
    Extended value;
    const char* text;
  } cases[] = {{1e15L, "1000000000000000"},
               {5e-5L, "0.00005"},
               {-1.5e-7L, "-0.00000015"},
               {1.0L / 3, "0.333333333333333"},
               {1e20L, "100000000000000000000"},
               {6, "6"},
               {0, "0"}};
  for (const auto& c : cases) EXPECT_EQ(FormatGeneralPlain(c.value), c.text) << c.text;
  EXPECT_EQ(FormatGeneralPlain(5e-5L, ','), "0,00005");
}

// The amortization window hands values over as text: whatever the magnitude, the evaluator
// must read back the general format's 15-digit value.
TEST(NumberFormat, PlainGeneralReadsBackThroughTheEvaluator) {
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-40, 40);
  for (char separator : {'.', ','}) {
    TExpressionEvaluator evaluator(separator);
    for (int i = 0; i < 2000; ++i) {
      const Extended value = static_cast<Extended>(mantissa(random)) *
                             std::pow(10.0L, exponent(random)) * (i % 2 ? -1 : 1);
      evaluator.Expression = FormatGeneralPlain(value, separator);
      const Extended back = evaluator.Evaluate();
      EXPECT_LE(std::fabs(back - value), std::fabs(value) * 5e-15L) << evaluator.Expression;
      // And the general format of what was read back is unchanged.
      EXPECT_EQ(FormatGeneral(back, separator), FormatGeneral(value, separator));
    }
  }
}

}  // namespace
}  // namespace quarrant
