#pragma once
// Time value of money: the five solvers of PV * CR + PMT * A + FV = 0 and the numeric
// helpers they share with depreciation, cash-flow and amortization computations.
#include <cstdint>

#include "engine/extended.h"

namespace quarrant {

Extended IntegerPower(Extended Base, int32_t Exponent);
Extended LogOnePlus(Extended X);
Extended CompoundFactor(Extended Rate, int32_t N);
Extended AnnuityFactor(Extended Rate, int32_t N, PaymentTiming Timing, Extended& CompoundRate);
bool IsRelativelySmall(Extended X, Extended Y);

// A number of periods as the solvers and the schedule take it: the value truncated toward
// zero. Throws std::out_of_range ("Number of periods out of range") when that whole number
// does not fit the 32-bit count.
int32_t WholePeriods(Extended value);

Extended FutureValue(Extended Rate, int32_t NPeriods, Extended Payment, Extended PresentValue,
                     PaymentTiming Timing);
Extended PresentValue(Extended Rate, int32_t NPeriods, Extended Payment, Extended FutureValue,
                      PaymentTiming Timing);
Extended Payment(Extended Rate, int32_t NPeriods, Extended PresentValue, Extended FutureValue,
                 PaymentTiming Timing);
Extended NumberOfPeriods(Extended Rate, Extended Payment, Extended PresentValue,
                         Extended FutureValue, PaymentTiming Timing);
Extended InterestRate(int32_t NPeriods, Extended Payment, Extended PresentValue,
                      Extended FutureValue, PaymentTiming Timing);

}  // namespace quarrant
