#pragma once
// IntegerPower for a run of non-negative exponents of one base, as the schedule needs them
// (exponents 0, 1, 2, ...), with the squares Base^(2^j) formed once for the whole run instead
// of once per exponent.
#include <array>
#include <cstdint>

#include "engine/checked_math.h"
#include "engine/extended.h"

namespace quarrant::detail {

class PowerSequence {
 public:
  explicit PowerSequence(Extended base) { squares_[0] = base; }

  // Square and multiply over the bits of the exponent from the lowest, multiplying in the
  // same squares in the same order as IntegerPower: the value is bit for bit IntegerPower's,
  // and an overflow is raised for the same exponent (a square is formed the first time an
  // exponent needs it).
  Extended operator()(uint32_t exponent) {
    Extended result = 1.0L;
    for (int bit = 0; exponent != 0; ++bit, exponent >>= 1) {
      if (exponent & 1u) result = checked::Mul(result, Square(bit));
    }
    return result;
  }

 private:
  Extended Square(int bit) {
    while (formed_ < bit) {
      squares_[formed_ + 1] = checked::Mul(squares_[formed_], squares_[formed_]);
      ++formed_;
    }
    return squares_[bit];
  }

  std::array<Extended, 32> squares_{};
  int formed_ = 0;
};

}  // namespace quarrant::detail
