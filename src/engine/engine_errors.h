#pragma once
// Errors raised by the calculation engine. Windows show what() to the user.
#include <stdexcept>
#include <string>

namespace quarrant {

class EEngineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A function rejected its arguments; the message is the function's own name.
class EInvalidArgument : public EEngineError {
 public:
  using EEngineError::EEngineError;
};

// Division by zero, an invalid operation or an overflow of the extended range.
class EArithmeticError : public EEngineError {
 public:
  using EEngineError::EEngineError;
  static EArithmeticError DivisionByZero() {
    return EArithmeticError("Floating point division by zero");
  }
  static EArithmeticError InvalidOperation() {
    return EArithmeticError("Invalid floating point operation");
  }
  static EArithmeticError Overflow() { return EArithmeticError("Floating point overflow"); }
};

// The expression evaluator could not read its text (syntax, parentheses, conversion).
class EEvaluationError : public EEngineError {
 public:
  using EEngineError::EEngineError;
};

}  // namespace quarrant
