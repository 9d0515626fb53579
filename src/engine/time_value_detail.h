#pragma once
// Internals of the time-value solvers that tests look into.
#include <cstdint>

#include "engine/extended.h"

namespace quarrant::detail {

// InterestRate, also reporting in Iterations the Newton iteration (1..15) in which it returned.
Extended InterestRateCounted(int32_t NPeriods, Extended Payment, Extended PresentValue,
                             Extended FutureValue, PaymentTiming Timing, int& Iterations);

}  // namespace quarrant::detail
