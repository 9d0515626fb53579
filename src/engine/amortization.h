#pragma once
// The period-by-period schedule of a loan repaid by level payments.
#include <cstdint>
#include <functional>

#include "engine/extended.h"

namespace quarrant {

struct ScheduleRow {
  int32_t Period = 0;
  Extended Principal = 0;
  Extended Interest = 0;
  Extended TotalPrincipal = 0;
  Extended TotalInterest = 0;
  Extended Balance = 0;
};

using ScheduleReceiver = std::function<void(const ScheduleRow&)>;

Extended InterestPayment(Extended Rate, int32_t Period, int32_t NPeriods, Extended PresentValue,
                         Extended FutureValue, PaymentTiming Timing);
Extended PeriodPayment(Extended Rate, int32_t Period, int32_t NPeriods, Extended PresentValue,
                       Extended FutureValue, PaymentTiming Timing);
Extended PaymentParts(int32_t Period, int32_t NPeriods, Extended Rate, Extended PresentValue,
                      Extended FutureValue, PaymentTiming Timing, Extended& InterestPart);

// Hands one row per period (1..NPeriods, in order) to the receiver, each before the next
// period is computed; an error stops the schedule after the rows already handed over.
void AmortizationSchedule(int32_t NPeriods, Extended Rate, Extended PresentValue,
                          Extended FutureValue, PaymentTiming Timing,
                          const ScheduleReceiver& receiver);

// Payments per year of a frequency index: 0 Monthly 12, 1 Quarterly 4, 2 Semi-annually 2,
// 3 Annually 1, then the amortization window's own 4 Semi-monthly 24, 5 Bi-weekly 26,
// 6 Weekly 52, 7 Daily 365; anything else 1.
int32_t PaymentsPerYear(int32_t frequencyIndex);
Extended SchedulePeriodicRate(Extended AnnualRatePercent, int32_t frequencyIndex);

}  // namespace quarrant
