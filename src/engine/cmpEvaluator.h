#pragma once
// TExpressionEvaluator: a single-pass recursive-descent evaluator of arithmetic expressions
// (+ - * / ^, prefix signs, parentheses, decimal numbers) at extended precision.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/extended.h"

namespace quarrant {

class TExpressionEvaluator {
 public:
  // decimalSeparator: the user's decimal mark; the other mark fails to convert.
  explicit TExpressionEvaluator(char decimalSeparator = '.');

  // The text to evaluate; read and written directly.
  std::string Expression;

  // Value of Expression; throws EEvaluationError or EArithmeticError.
  Extended Evaluate();

  char DecimalSeparator() const { return decimalSeparator_; }
  void SetDecimalSeparator(char separator) { decimalSeparator_ = separator; }

  // Parentheses and prefix signs may nest this deep; one level more is an evaluation error
  // ("Expression   nested   too   deeply   at   position   %d") instead of a stack overflow.
  static constexpr int kMaxNesting = 256;

 private:
  char decimalSeparator_;
  std::size_t position_ = 0;  // characters consumed so far
  char current_ = '\0';       // last character read; NUL at the end
  bool atEnd_ = true;         // the text is used up (an embedded NUL is not the end)
  int depth_ = 0;             // open parentheses and pending prefix signs

  void NextChar();
  void SkipBlanks();
  char NextNonBlank();
  Extended ParseSum();
  Extended ParseTerm();
  Extended ParsePower();
  Extended ParseSigned();
  Extended ParsePrimary();
  Extended ParseGroup();
  Extended ParseNumber();
  Extended ConvertNumber(const std::string& text) const;
  [[noreturn]] void Fail(const char* message) const;
};

}  // namespace quarrant
