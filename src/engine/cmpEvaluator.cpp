// The expression evaluator reads and computes in one pass. Its reading discipline: the current
// character always holds the first non-blank character after the last complete operand, and
// every operand is read by first stepping past the character that introduced it.
#include "engine/cmpEvaluator.h"

#include <charconv>
#include <cstdio>
#include <system_error>

#include "engine/checked_math.h"
#include "engine/engine_errors.h"

namespace quarrant {

namespace {

constexpr const char* kSyntaxError = "Syntax   error   in   expression   at   position   %zu";
constexpr const char* kMismatched = "Mismatched   parentheses   at   position   %zu";
constexpr const char* kUnexpectedEnd = "Unexpected   end   of   expression   at   position   %zu";
constexpr const char* kTooDeep = "Expression   nested   too   deeply   at   position   %zu";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

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
// normalised to '.' for from_chars, which is correctly rounded and ignores the C locale.
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
  Extended value = 0.0L;
  const char* end = normal.data() + normal.size();
  auto [ptr, ec] = std::from_chars(normal.data(), end, value);
  if (ec == std::errc::result_out_of_range) {
    // Beyond the top of the range is an error; below its bottom the number merely
    // underflows: scale it into range and let the product go gradually to a tiny value or 0.
    const bool below_one = normal[0] == '0' && normal.find_first_not_of('0') ==
                                                   (fraction ? normal.find('.') : normal.size());
    if (!below_one) throw invalid();
    normal += "e4000";
    value = 0.0L;
    end = normal.data() + normal.size();
    const auto scaled = std::from_chars(normal.data(), end, value);
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
