#pragma once
// TExpressionEvaluator: a single-pass recursive-descent evaluator of arithmetic expressions
// (+ - * / ^, prefix signs, parentheses, decimal numbers) at extended precision.
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

 private:
  // (implementation details are the evaluator's own)
  char decimalSeparator_;
  int32_t position_ = 0;
  char current_ = '\0';
  int32_t depth_ = 0;

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
};

}  // namespace quarrant
