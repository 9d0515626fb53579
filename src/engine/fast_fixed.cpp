// Fixed notation of a value v with d decimals, as integer units of 10^-d.
//
// The exact routine first rounds v to 18 significant digits, giving D with
// |D - v| <= 0.5 * 10^(E - 17) <= 5e-18 * |v|, where 10^E <= |v| < 10^(E + 1), and then rounds
// D * 10^d half away from zero to an integer. Rounding to the 18-digit grid is monotonic and,
// below 10^17 units, the half units lie on that grid; so when v * 10^d is more than
// 5e-18 * |v * 10^d| away from the nearest half unit, D * 10^d lies strictly on the same side
// of it and both steps give the integer nearest to v * 10^d. Here v * 10^d is formed with one
// rounding (10^d is exact for d <= 10), relative error 2^-64 = 5.4e-20, and its fraction is
// exact; the margin 1e-17 covers both errors twice over. Values inside the margin go back to
// the exact routine, as do values of 10^17 units or more, where the 18 digits end at or
// above the last decimal shown and the first rounding alone decides.
#include "engine/fast_fixed.h"

#include <cmath>
#include <cstdint>

namespace quarrant::detail {

namespace {

constexpr int kMaxDecimals = 10;
constexpr Extended kUnitLimit = 1e17L;
constexpr Extended kTieMargin = 1e-17L;

constexpr uint64_t kPowersOfTen[kMaxDecimals + 1] = {
    1ULL,       10ULL,       100ULL,       1000ULL,       10000ULL,      100000ULL,
    1000000ULL, 10000000ULL, 100000000ULL, 1000000000ULL, 10000000000ULL};

}  // namespace

bool TryFormatFixedFast(Extended value, int decimals, char decimalSeparator, std::string& text) {
  if (decimals < 0 || decimals > kMaxDecimals) return false;
  const Extended scaled = std::fabs(value) * static_cast<Extended>(kPowersOfTen[decimals]);
  if (!(scaled < kUnitLimit)) return false;  // also NaN and infinity
  const auto whole = static_cast<uint64_t>(scaled);
  const Extended fromHalf = (scaled - static_cast<Extended>(whole)) - 0.5L;
  if (std::fabs(fromHalf) <= scaled * kTieMargin) return false;
  const uint64_t units = fromHalf > 0 ? whole + 1 : whole;

  // At most 17 digits, a separator and a sign, written from the right.
  char buffer[24];
  char* const end = buffer + sizeof buffer;
  char* p = end;
  uint64_t integer = units / kPowersOfTen[decimals];
  uint64_t fraction = units % kPowersOfTen[decimals];
  if (decimals > 0) {
    for (int i = 0; i < decimals; ++i) {
      *--p = static_cast<char>('0' + fraction % 10);
      fraction /= 10;
    }
    *--p = decimalSeparator;
  }
  do {
    *--p = static_cast<char>('0' + integer % 10);
    integer /= 10;
  } while (integer != 0);
  if (units != 0 && std::signbit(value)) *--p = '-';
  text.assign(p, end);
  return true;
}

}  // namespace quarrant::detail
