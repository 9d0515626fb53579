#pragma once
// The number type of the calculation engine and the payment timing shared by its functions.
#include <cstdint>
#include <limits>

namespace quarrant {

// 80-bit x87 extended precision: 64-bit significand, 15-bit exponent.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the engine needs the 80-bit extended format for long double");

// The codes enter formulas as numbers (0 or 1).
enum class PaymentTiming : int32_t { EndOfPeriod = 0, StartOfPeriod = 1 };

inline constexpr Extended TimingCode(PaymentTiming timing) {
  return timing == PaymentTiming::StartOfPeriod ? 1.0L : 0.0L;
}

}  // namespace quarrant
