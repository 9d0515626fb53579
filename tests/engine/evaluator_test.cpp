// The expression evaluator: values, the four reading errors with their positions, the
// decimal-separator rule, floating-point conditions and the nesting bound.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <ostream>
#include <random>
#include <string>

#include "engine/cmpEvaluator.h"
#include "engine/engine_errors.h"
#include "engine/extended_from_chars.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

Extended Eval(const std::string& text, char separator = '.') {
  TExpressionEvaluator evaluator(separator);
  evaluator.Expression = text;
  return evaluator.Evaluate();
}

// The message of the error that evaluating text raises, or "" when it raises none.
template <typename Error>
std::string ErrorOf(const std::string& text, char separator = '.') {
  try {
    Eval(text, separator);
  } catch (const Error& error) {
    return error.what();
  }
  return "";
}

std::string Syntax(int position) {
  return "Syntax   error   in   expression   at   position   " + std::to_string(position);
}
std::string Mismatched(int position) {
  return "Mismatched   parentheses   at   position   " + std::to_string(position);
}
std::string Unexpected(int position) {
  return "Unexpected   end   of   expression   at   position   " + std::to_string(position);
}
std::string TooDeep(int position) {
  return "Expression   nested   too   deeply   at   position   " + std::to_string(position);
}

using ::quarrant::test::PrintTo;

struct ValueCase {
  const char* name;
  std::string text;
  Extended expected;
  char separator = '.';
};
void PrintTo(const ValueCase& c, std::ostream* os) {
  *os << c.name;
}

class EvaluatorValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatorValue, Computes) {
  const ValueCase& c = GetParam();
  const Extended value = Eval(c.text, c.separator);
  // Powers go through e^(y ln x), so allow a few units in the last place.
  EXPECT_NEAR(static_cast<double>(value), static_cast<double>(c.expected),
              std::fabs(static_cast<double>(c.expected)) * 1e-17 + 1e-300)
      << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, EvaluatorValue,
    ::testing::Values(
        ValueCase{"Product", "2*12", 24}, ValueCase{"Precedence", "1+2*3", 7},
        ValueCase{"Parentheses", "(1+2)*3", 9}, ValueCase{"Quotient", "10/4", 2.5L},
        ValueCase{"PowerLeftToRight", "2^3^2", 64}, ValueCase{"NegativeExponent", "2^-1", 0.5L},
        ValueCase{"DoubleMinus", "--3", 3}, ValueCase{"MixedSigns", "-+-3", 3},
        ValueCase{"BlanksAround", " \t 7 \t ", 7}, ValueCase{"NegatedGroup", "-(2+3)", -5},
        ValueCase{"LeftToRightSum", "10-4-3", 3}, ValueCase{"LeftToRightTerm", "64/4/2", 8},
        ValueCase{"ZeroExponent", "5^0", 1}, ValueCase{"FractionalPower", "4^0.5", 2},
        ValueCase{"BlanksEverywhere", " ( 1 + 2 ) * 3 ", 9}, ValueCase{"TrailingMark", "5.", 5},
        ValueCase{"CommaSeparator", "1,5*2", 3, ','}, ValueCase{"DecimalFraction", "0.1+0.2", 0.3L},
        ValueCase{"Underflow", "0.0000000001^600", 0},
        ValueCase{"NestedSigns", std::string(256, '-') + "1", 1},
        ValueCase{"NestedGroups", std::string(256, '(') + "1" + std::string(256, ')'), 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
  const char* name;
  std::string text;
  std::string message;
  char separator = '.';
};
void PrintTo(const ErrorCase& c, std::ostream* os) {
  *os << c.name;
}

class EvaluatorError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(EvaluatorError, Raises) {
  const ErrorCase& c = GetParam();
  EXPECT_EQ(ErrorOf<EEngineError>(c.text, c.separator), c.message) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Reading, EvaluatorError,
    ::testing::Values(
        ErrorCase{"Letter", "2*x", Syntax(4)}, ErrorCase{"Empty", "", Syntax(1)},
        ErrorCase{"AllBlank", "   ", Syntax(4)}, ErrorCase{"DanglingOperator", "2+", Syntax(3)},
        ErrorCase{"LeadingMark", ".5", Syntax(2)}, ErrorCase{"EmptyGroup", "()", Syntax(3)},
        ErrorCase{"UnclosedGroup", "(2", Mismatched(3)},
        ErrorCase{"UnclosedSum", "(2+3", Mismatched(5)},
        ErrorCase{"SurplusParenthesis", "2)", Unexpected(3)},
        ErrorCase{"TwoNumbers", "2 3", Unexpected(4)},
        ErrorCase{"ExponentPart", "1E5", Unexpected(3)},
        ErrorCase{"SecondMark", "1.2.3", Unexpected(5)},
        ErrorCase{"ImplicitProductAfter", "(2)3", Unexpected(5)},
        ErrorCase{"ImplicitProductBefore", "2(3)", Unexpected(3)},
        ErrorCase{"BlankInsideNumber", "1 000", Unexpected(4)},
        ErrorCase{"EmbeddedNul", std::string("2\0+3", 4), Unexpected(3)},
        ErrorCase{"CommaWherePoint", "1,5", "'1,5' is not a valid floating point value"},
        ErrorCase{"PointWhereComma", "1.5", "'1.5' is not a valid floating point value", ','},
        ErrorCase{"BeyondRange", "1" + std::string(5000, '0'),
                  "'1" + std::string(5000, '0') + "' is not a valid floating point value"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    FloatingPoint, EvaluatorError,
    ::testing::Values(ErrorCase{"ZeroBase", "0^2", "Floating point division by zero"},
                      ErrorCase{"NegativeGroupBase", "(-2)^2", "Invalid floating point operation"},
                      ErrorCase{"NegativeSignedBase", "-2^2", "Invalid floating point operation"},
                      ErrorCase{"CubeRootOfNegative", "(-8)^(1/3)",
                                "Invalid floating point operation"},
                      ErrorCase{"DivideByZero", "1/0", "Floating point division by zero"},
                      ErrorCase{"ZeroByZero", "0/0", "Invalid floating point operation"},
                      ErrorCase{"PowerOverflow", "10^5000", "Floating point overflow"},
                      ErrorCase{"ProductOverflow", "10^4000*10^4000", "Floating point overflow"}),
    [](const auto& info) { return std::string(info.param.name); });

// One level beyond the bound fails at the character that opened it; the stack never runs out.
INSTANTIATE_TEST_SUITE_P(
    Nesting, EvaluatorError,
    ::testing::Values(ErrorCase{"Signs", std::string(257, '-') + "1", TooDeep(258)},
                      ErrorCase{"Groups", std::string(257, '(') + "1", TooDeep(258)},
                      ErrorCase{"Mixed", std::string(200, '(') + std::string(57, '-') + "1",
                                TooDeep(258)},
                      ErrorCase{"Huge", std::string(1000000, '('), TooDeep(258)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Evaluator, NumbersTheRangeHoldsConvert) {
  EXPECT_EQ(Eval("1" + std::string(4900, '0')), 1e4900L);
  // Below the bottom of the range a number underflows silently instead of failing.
  EXPECT_EQ(Eval("0." + std::string(5000, '0') + "1"), 0.0L);
  const Extended denormal = Eval("0." + std::string(4940, '0') + "1");
  EXPECT_GT(denormal, 0.0L);
  EXPECT_LT(denormal, 1e-4940L);
}

// Short numbers take a fast path (an exact integer over an exact power of ten); it must
// round exactly as the full conversion does, on both sides of its 19-digit limit.
TEST(Evaluator, NumbersConvertCorrectlyRounded) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    const int digits = 1 + static_cast<int>(random() % 22);
    std::string text;
    for (int d = 0; d < digits; ++d) text.push_back(static_cast<char>('0' + random() % 10));
    const std::size_t point = random() % (digits + 1);
    if (point > 0 && point < text.size()) text.insert(point, 1, '.');
    Extended expected = 0;
    ExtendedFromChars(text.data(), text.data() + text.size(), expected);
    EXPECT_EQ(Eval(text), expected) << text;
  }
}

TEST(Evaluator, StaysUsableAfterAnErrorAndRestartsEachTime) {
  TExpressionEvaluator evaluator;
  evaluator.Expression = std::string(300, '(') + "1";
  EXPECT_THROW(evaluator.Evaluate(), EEvaluationError);
  evaluator.Expression = "1/0";
  EXPECT_THROW(evaluator.Evaluate(), EArithmeticError);
  evaluator.Expression = "((6))/4";
  EXPECT_EQ(evaluator.Evaluate(), 1.5L);
  EXPECT_EQ(evaluator.Evaluate(), 1.5L);
  evaluator.SetDecimalSeparator(',');
  evaluator.Expression = "1,25";
  EXPECT_EQ(evaluator.Evaluate(), 1.25L);
}

TEST(Evaluator, KeepsExtendedPrecision) {
  // 2^63 + 1 needs the 64-bit significand; a double would lose the 1.
  EXPECT_EQ(Eval("9223372036854775808+1-9223372036854775808"), 1.0L);
  EXPECT_EQ(Eval("0.1"), 0.1L);
}

}  // namespace
}  // namespace quarrant
