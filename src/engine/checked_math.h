#pragma once
// Checked extended-precision operations. The engine never lets an infinity or a NaN
// escape: every operation that could produce one raises the matching arithmetic error
// instead. Underflow and inexact results stay silent.
#include <cmath>

#include "engine/engine_errors.h"
#include "engine/extended.h"

namespace quarrant::checked {

// Classifies a computed result: NaN is an invalid operation, infinity an overflow.
inline Extended Finite(Extended value) {
  if (std::isnan(value)) throw EArithmeticError::InvalidOperation();
  if (std::isinf(value)) throw EArithmeticError::Overflow();
  return value;
}

inline Extended Add(Extended a, Extended b) { return Finite(a + b); }
inline Extended Sub(Extended a, Extended b) { return Finite(a - b); }
inline Extended Mul(Extended a, Extended b) { return Finite(a * b); }

inline Extended Div(Extended numerator, Extended denominator) {
  if (denominator == 0.0L) {
    if (numerator == 0.0L || std::isnan(numerator)) throw EArithmeticError::InvalidOperation();
    throw EArithmeticError::DivisionByZero();
  }
  return Finite(numerator / denominator);
}

// Natural logarithm: ln 0 is a division by zero (as the x87 reports it), a negative
// argument an invalid operation.
inline Extended Ln(Extended x) {
  if (std::isnan(x) || x < 0.0L) throw EArithmeticError::InvalidOperation();
  if (x == 0.0L) throw EArithmeticError::DivisionByZero();
  return Finite(std::log(x));
}

// ln(1 + x) for small x without the loss of forming 1 + x.
inline Extended Log1p(Extended x) {
  if (std::isnan(x) || x < -1.0L) throw EArithmeticError::InvalidOperation();
  if (x == -1.0L) throw EArithmeticError::DivisionByZero();
  return Finite(std::log1p(x));
}

inline Extended Exp(Extended x) {
  if (std::isnan(x)) throw EArithmeticError::InvalidOperation();
  return Finite(std::exp(x));
}

}  // namespace quarrant::checked
