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
