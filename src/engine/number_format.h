#pragma once
// Number to text. One rounding rule throughout: the value is first taken to 18 significant
// decimal digits, then that digit string is rounded half away from zero at the last digit shown.
#include <string>

#include "engine/extended.h"

namespace quarrant {

// General format: 15 significant digits, shortest form; fixed notation when the rounded value
// is at least 0.0001 and has at most 15 integer digits, otherwise scientific ("5E-5", "1E20").
std::string FormatGeneral(Extended value, char decimalSeparator = '.');

// Fixed notation with 0..10 decimals (no separator at 0), at most 18 significant digits,
// scientific (general form) beyond 18 integer digits; never "-0.00".
std::string FormatFixed(Extended value, int decimals, char decimalSeparator = '.');

// The decimal places selector: index 0 is "General", index i (1..11) fixed with i - 1 decimals.
std::string FormatForSelector(Extended value, int selectorIndex, char decimalSeparator = '.');

// Amounts of the amortization schedule: fixed with two decimals.
std::string FormatScheduleAmount(Extended Amount, char decimalSeparator = '.');

// The value of the general format (15 significant digits) written in plain positional
// notation, never scientific, so that the expression evaluator reads it back:
// 1E15 -> "1000000000000000", 5E-5 -> "0.00005".
std::string FormatGeneralPlain(Extended value, char decimalSeparator = '.');

namespace detail {
// FormatFixed by the digit string alone, without the integer fast path that FormatFixed tries
// first (engine/fast_fixed.h); both write the same text, which the tests check.
std::string FormatFixedExact(Extended value, int decimals, char decimalSeparator = '.');
}  // namespace detail

}  // namespace quarrant
