// The expression evaluator reads and computes in one pass. Its reading discipline: the current
// character always holds the first non-blank character after the last complete operand, and
// every operand is read by first stepping past the character that introduced it.
#include "engine/cmpEvaluator.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <system_error>

#include "engine/checked_math.h"
#include "engine/engine_errors.h"
#include "engine/extended_from_chars.h"

namespace quarrant {

namespace {

constexpr const char* kSyntaxError = "Syntax   error   in   expression   at   position   %zu";
constexpr const char* kMismatched = "Mismatched   parentheses   at   position   %zu";
constexpr const char* kUnexpectedEnd = "Unexpected   end   of   expression   at   position   %zu";
constexpr const char* kTooDeep = "Expression   nested   too   deeply   at   position   %zu";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// 10^0 .. 10^19, all exact in the 64-bit significand.
constexpr Extended kPowersOfTen[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                     1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                     1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L};

// Counts one level of nesting for the lifetime of a parenthesised group or a prefix sign.
class NestingLevel {
 public:
  explicit NestingLevel(int& depth) : depth_(depth) { ++depth_; }
  ~NestingLevel() { --depth_; }
  NestingLevel(const NestingLevel&) = delete;
  NestingLevel& operator=(const NestingLevel&) = delete;

 private:
  int& depth_;
};

}  // namespace

TExpressionEvaluator::TExpressionEvaluator(char decimalSeparator)
    : decimalSeparator_(decimalSeparator) {}

void TExpressionEvaluator::Fail(const char* message) const {
  // Messages carry the number of characters consumed plus one.
  char text[96];
  std::snprintf(text, sizeof text, message, position_ + 1);
  throw EEvaluationError(text);
}

void TExpressionEvaluator::NextChar() {
  if (position_ < Expression.size()) {
    current_ = Expression[position_];
    ++position_;
    atEnd_ = false;
  } else {
    current_ = '\0';
    atEnd_ = true;
  }
}

void TExpressionEvaluator::SkipBlanks() {
  while (!atEnd_ && (current_ == ' ' || current_ == '\t')) NextChar();
}

char TExpressionEvaluator::NextNonBlank() {
  NextChar();
  SkipBlanks();
  return current_;
}

Extended TExpressionEvaluator::Evaluate() {
  position_ = 0;
  current_ = '\0';
  atEnd_ = false;
  depth_ = 0;
  const Extended value = ParseSum();
  // Only the true end of the text ends the expression; an embedded NUL is left-over text.
  if (!atEnd_) Fail(kUnexpectedEnd);
  return value;
}

Extended TExpressionEvaluator::ParseSum() {
  Extended value = ParseTerm();
  while (!atEnd_) {
    if (current_ == '+') {
      value = checked::Add(value, ParseTerm());
    } else if (current_ == '-') {
      value = checked::Sub(value, ParseTerm());
    } else {
      break;
    }
  }
  return value;
}

Extended TExpressionEvaluator::ParseTerm() {
  Extended value = ParsePower();
  while (!atEnd_) {
    if (current_ == '*') {
      value = checked::Mul(value, ParsePower());
    } else if (current_ == '/') {
      value = checked::Div(value, ParsePower());
    } else {
      break;
    }
  }
  return value;
}

Extended TExpressionEvaluator::ParsePower() {
  Extended value = ParseSigned();
  while (!atEnd_ && current_ == '^') {
    const Extended exponent = ParseSigned();
    // e^(exponent * ln base): a zero base is a division by zero and a negative base an
    // invalid operation, whatever the exponent.
    value = checked::Exp(checked::Mul(exponent, checked::Ln(value)));
  }
  return value;
}

Extended TExpressionEvaluator::ParseSigned() {
  const char c = NextNonBlank();
  if (!atEnd_ && (c == '+' || c == '-')) {
    NestingLevel level(depth_);
    if (depth_ > kMaxNesting) Fail(kTooDeep);
    const Extended operand = ParseSigned();
    return c == '-' ? -operand : operand;
  }
  return ParsePrimary();
}

Extended TExpressionEvaluator::ParsePrimary() {
  if (!atEnd_ && current_ == '(') return ParseGroup();
  if (!atEnd_ && IsDigit(current_)) return ParseNumber();
  Fail(kSyntaxError);
}

Extended TExpressionEvaluator::ParseGroup() {
  NestingLevel level(depth_);
  if (depth_ > kMaxNesting) Fail(kTooDeep);
  const Extended value = ParseSum();
  if (atEnd_ || current_ != ')') Fail(kMismatched);
  NextNonBlank();
  return value;
}

Extended TExpressionEvaluator::ParseNumber() {
  std::string text;
  while (!atEnd_ && IsDigit(current_)) {
    text.push_back(current_);
    NextChar();
    if (!atEnd_ && (current_ == '.' || current_ == ',')) {
      text.push_back(current_);
      NextChar();
      while (!atEnd_ && IsDigit(current_)) {
        text.push_back(current_);
        NextChar();
      }
      break;
    }
  }
  const Extended value = ConvertNumber(text);
  SkipBlanks();
  return value;
}

// Digits with at most one mark. Only the user's decimal separator converts; the text is
// normalised to '.' for ExtendedFromChars, which is correctly rounded and ignores the C locale.
Extended TExpressionEvaluator::ConvertNumber(const std::string& text) const {
  auto invalid = [&text]() {
    return EEvaluationError("'" + text + "' is not a valid floating point value");
  };
  std::string normal = text;
  bool fraction = false;
  for (char& c : normal) {
    if (c == '.' || c == ',') {
      if (c != decimalSeparator_) throw invalid();
      c = '.';
      fraction = true;
    }
  }
  // Fast path: up to 19 digits form an integer below 2^64 and 10^k (k <= 19) is exact, so one
  // division rounds once and gives the same correctly rounded value as the full conversion.
  const std::size_t digits = normal.size() - (fraction ? 1 : 0);
  if (digits <= 19) {
    uint64_t mantissa = 0;
    int decimals = 0;
    bool afterPoint = false;
    for (char c : normal) {
      if (c == '.') {
        afterPoint = true;
      } else {
        mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
        if (afterPoint) ++decimals;
      }
    }
    return static_cast<Extended>(mantissa) / kPowersOfTen[decimals];
  }
  Extended value = 0.0L;
  const char* end = normal.data() + normal.size();
  auto [ptr, ec] = ExtendedFromChars(normal.data(), end, value);
  if (ec == std::errc::result_out_of_range) {
    // Beyond the top of the range is an error; below its bottom the number merely
    // underflows: scale it into range and let the product go gradually to a tiny value or 0.
    const bool below_one = normal[0] == '0' && normal.find_first_not_of('0') ==
                                                   (fraction ? normal.find('.') : normal.size());
    if (!below_one) throw invalid();
    normal += "e4000";
    value = 0.0L;
    end = normal.data() + normal.size();
    const auto scaled = ExtendedFromChars(normal.data(), end, value);
    ptr = scaled.ptr;
    if (scaled.ec == std::errc::result_out_of_range) return 0.0L;
    if (scaled.ec != std::errc()) throw invalid();
    value *= 1e-4000L;
  } else if (ec != std::errc()) {
    throw invalid();
  }
  if (ptr != end) throw invalid();
  return value;
}

}  // namespace quarrant
