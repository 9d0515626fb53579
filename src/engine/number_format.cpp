// Number to text. A value is taken once to 18 significant decimal digits (exact decimal
// conversion by std::to_chars, which unlike printf ignores the process locale: Qt sets that
// from the environment, and a decimal comma there would land among the digits); every format then
// rounds that digit string half away from zero at the last digit it shows, so the general, fixed
// and schedule formats agree digit for digit. The fixed formats first try whole units of the last
// decimal (fast_fixed.cpp), which give the same text for every value not close to a rounding tie,
// without the decimal conversion.
#include "engine/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "engine/fast_fixed.h"

namespace quarrant {

namespace {

constexpr int kHeldDigits = 18;     // significant digits every value is first taken to
constexpr int kGeneralDigits = 15;  // significant digits of the general format
constexpr int kMaxDecimals = 10;

// sign, digits d0 d1 d2 ... and exponent: the value is d0.d1d2... x 10^exponent.
// Digits beyond the end of the string are zeros; an all-zero (or empty) string is zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;

  bool IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }
  char DigitAt(int index) const {
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
  }
};

Decimal ToDecimal(Extended value) {
  // "-d.ddddddddddddddddde+XX": sign, 18 digits, exponent.
  char text[64];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                                     kHeldDigits - 1);
  const char* const end = written.ptr;
  Decimal result;
  const char* p = text;
  if (p != end && *p == '-') {
    result.negative = true;
    ++p;
  }
  for (; p != end && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') result.digits.push_back(*p);
  }
  if (p != end) {
    ++p;  // 'e'
    if (p != end && *p == '+') ++p;
    std::from_chars(p, end, result.exponent);
  }
  if (result.IsZero()) result.exponent = 0;
  return result;
}

// Keeps the first `keep` significant digits, rounding half away from zero at the first
// dropped digit. keep <= 0 keeps nothing (the value may still round up to one unit at that
// place); keep >= the digits held changes nothing.
void RoundTo(Decimal& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (!up) return;
  int i = keep - 1;
  while (i >= 0 && d.digits[i] == '9') {
    d.digits[i] = '0';
    --i;
  }
  if (i >= 0) {
    ++d.digits[i];
  } else {
    // All nines (or no digit kept): the value becomes one unit of the next higher place.
    d.digits.assign(1, '1');
    ++d.exponent;
  }
}

void TrimTrailingZeros(Decimal& d) {
  const auto last = d.digits.find_last_not_of('0');
  d.digits.resize(last == std::string::npos ? 0 : last + 1);
}

// Positional notation: the integer digits, then `decimals` digits after the separator
// (none and no separator when decimals is 0).
std::string Positional(const Decimal& d, int decimals, char separator) {
  std::string text;
  if (d.negative && !d.IsZero()) text.push_back('-');
  if (d.exponent < 0) {
    text.push_back('0');
  } else {
    for (int i = 0; i <= d.exponent; ++i) text.push_back(d.DigitAt(i));
  }
  if (decimals > 0) {
    text.push_back(separator);
    for (int i = 1; i <= decimals; ++i) text.push_back(d.DigitAt(d.exponent + i));
  }
  return text;
}

// The general format's rounding: 15 significant digits, trailing zeros removed.
Decimal GeneralDigits(Extended value) {
  Decimal d = ToDecimal(value);
  RoundTo(d, kGeneralDigits);
  TrimTrailingZeros(d);
  if (d.digits.empty()) d = Decimal{};
  return d;
}

std::string NotANumberText(Extended value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

std::string FormatGeneral(Extended value, char decimalSeparator) {
  if (!std::isfinite(value)) return NotANumberText(value);
  const Decimal d = GeneralDigits(value);
  if (d.IsZero()) return "0";
  const int fractionDigits = std::max(0, static_cast<int>(d.digits.size()) - 1 - d.exponent);
  if (d.exponent >= -4 && d.exponent < kGeneralDigits) {
    return Positional(d, fractionDigits, decimalSeparator);
  }
  std::string text;
  if (d.negative) text.push_back('-');
  text.push_back(d.digits[0]);
  if (d.digits.size() > 1) {
    text.push_back(decimalSeparator);
    text.append(d.digits, 1, std::string::npos);
  }
  text.push_back('E');
  text += std::to_string(d.exponent);
  return text;
}

std::string FormatFixed(Extended value, int decimals, char decimalSeparator) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  std::string text;
  if (detail::TryFormatFixedFast(value, decimals, decimalSeparator, text)) return text;
  return detail::FormatFixedExact(value, decimals, decimalSeparator);
}

std::string detail::FormatFixedExact(Extended value, int decimals, char decimalSeparator) {
  if (!std::isfinite(value)) return NotANumberText(value);
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  Decimal d = ToDecimal(value);
  // More than 18 integer digits: fixed notation would show digits that were never held.
  if (d.exponent >= kHeldDigits) return FormatGeneral(value, decimalSeparator);
  RoundTo(d, d.exponent + 1 + decimals);
  return Positional(d, decimals, decimalSeparator);
}

std::string FormatForSelector(Extended value, int selectorIndex, char decimalSeparator) {
  if (selectorIndex >= 1 && selectorIndex <= kMaxDecimals + 1) {
    return FormatFixed(value, selectorIndex - 1, decimalSeparator);
  }
  return FormatGeneral(value, decimalSeparator);
}

std::string FormatScheduleAmount(Extended amount, char decimalSeparator) {
  return FormatFixed(amount, 2, decimalSeparator);
}

std::string FormatGeneralPlain(Extended value, char decimalSeparator) {
  if (!std::isfinite(value)) return NotANumberText(value);
  const Decimal d = GeneralDigits(value);
  if (d.IsZero()) return "0";
  const int fractionDigits = std::max(0, static_cast<int>(d.digits.size()) - 1 - d.exponent);
  return Positional(d, fractionDigits, decimalSeparator);
}

}  // namespace quarrant
