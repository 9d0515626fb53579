#pragma once
// Internals of the time-value solvers: their limits, which the other engine functions that
// compound share, and what tests look into.
#include <cstdint>

#include "engine/extended.h"

namespace quarrant::detail {

// Below this magnitude (strict comparison) 1 + Rate keeps too few of the rate's digits to be
// raised to a power: the compound factor, the annuity factor and the period count are then
// formed from ln(1 + Rate) and e^x - 1 of the rate itself. At and above it they keep the
// multiplied-out power of 1 + Rate.
inline constexpr Extended kSmallRate = 0.000061L;

// The compound factor beyond which a future value is refused and the present value and
// payment take their perpetuity limits. NetFutureValue refuses the same factors.
inline constexpr Extended kLargestCompoundFactor = 1e16L;

// InterestRate, also reporting in Iterations the Newton iteration (1..15) in which it returned.
Extended InterestRateCounted(int32_t NPeriods, Extended Payment, Extended PresentValue,
                             Extended FutureValue, PaymentTiming Timing, int& Iterations);

}  // namespace quarrant::detail
