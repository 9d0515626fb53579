#include "engine/amortization.h"

#include <cstdint>
#include <limits>

#include "engine/checked_math.h"
#include "engine/engine_errors.h"
#include "engine/power_sequence.h"
#include "engine/time_value.h"

namespace quarrant {

namespace {

// (1 + r)^(k - 1): the compound factor up to the start of period k. The exponent is formed in
// 64 bits; the one period whose k - 1 leaves the 32-bit range divides once more by 1 + r.
Extended CompoundFactorBefore(Extended rate, int32_t period) {
  if (period == std::numeric_limits<int32_t>::min()) {
    return checked::Div(CompoundFactor(rate, period), checked::Add(1.0L, rate));
  }
  return CompoundFactor(rate, period - 1);
}

// The two parts of one period's payment, in closed form from the compound factor before the
// period (crp), the compound factor of the whole term (crn) and the annuity factor.
Extended InterestPart(Extended presentValue, Extended futureValue, Extended crp, Extended crn,
                      Extended annuity) {
  const Extended fromFuture = checked::Mul(futureValue, checked::Sub(crp, 1.0L));
  const Extended fromPresent = checked::Mul(presentValue, checked::Sub(crn, crp));
  return checked::Div(checked::Sub(fromFuture, fromPresent), annuity);
}

Extended PrincipalPart(Extended presentValue, Extended futureValue, Extended crp,
                       Extended annuity) {
  const Extended owed = checked::Sub(-futureValue, presentValue);
  return checked::Div(checked::Mul(owed, crp), annuity);
}

// With payments at the start of each period the first one falls before any interest has
// accrued: it has no interest part and repays principal by the whole level payment. Every later
// payment pays the interest of the period before it, on the balance after the previous payment;
// the closed forms above give exactly that with the annuity-due factor.
bool PaidBeforeInterest(int32_t period, PaymentTiming timing) {
  return timing == PaymentTiming::StartOfPeriod && period == 1;
}

// The principal part of period k's payment; interest receives its interest part.
Extended Parts(int32_t period, PaymentTiming timing, Extended presentValue, Extended futureValue,
               Extended crp, Extended crn, Extended annuity, Extended& interest) {
  if (PaidBeforeInterest(period, timing)) {
    interest = 0.0L;
    return checked::Div(checked::Sub(checked::Mul(-presentValue, crn), futureValue), annuity);
  }
  interest = InterestPart(presentValue, futureValue, crp, crn, annuity);
  return PrincipalPart(presentValue, futureValue, crp, annuity);
}

}  // namespace

Extended InterestPayment(Extended Rate, int32_t Period, int32_t NPeriods, Extended PresentValue,
                         Extended FutureValue, PaymentTiming Timing) {
  if (!(Rate > -1.0L) || Period < 1 || Period > NPeriods) {
    throw EInvalidArgument("InterestPayment");
  }
  const Extended crp = CompoundFactorBefore(Rate, Period);
  Extended crn = 0.0L;
  const Extended annuity = AnnuityFactor(Rate, NPeriods, Timing, crn);
  if (PaidBeforeInterest(Period, Timing)) return 0.0L;
  return InterestPart(PresentValue, FutureValue, crp, crn, annuity);
}

Extended PaymentParts(int32_t Period, int32_t NPeriods, Extended Rate, Extended PresentValue,
                      Extended FutureValue, PaymentTiming Timing, Extended& InterestPartOut) {
  if (!(Rate > -1.0L)) throw EInvalidArgument("PaymentParts");
  const Extended crp = CompoundFactorBefore(Rate, Period);
  Extended crn = 0.0L;
  const Extended annuity = AnnuityFactor(Rate, NPeriods, Timing, crn);
  Extended interest = 0.0L;
  const Extended principal =
      Parts(Period, Timing, PresentValue, FutureValue, crp, crn, annuity, interest);
  InterestPartOut = interest;
  return principal;
}

Extended PeriodPayment(Extended Rate, int32_t Period, int32_t NPeriods, Extended PresentValue,
                       Extended FutureValue, PaymentTiming Timing) {
  if (!(Rate > -1.0L) || Period < 1 || Period > NPeriods) {
    throw EInvalidArgument("PeriodPayment");
  }
  Extended interest = 0.0L;
  return PaymentParts(Period, NPeriods, Rate, PresentValue, FutureValue, Timing, interest);
}

void AmortizationSchedule(int32_t NPeriods, Extended Rate, Extended PresentValue,
                          Extended FutureValue, PaymentTiming Timing,
                          const ScheduleReceiver& receiver) {
  if (NPeriods <= 0) return;
  // The checks of InterestPayment, made once: every period lies within 1..NPeriods.
  if (!(Rate > -1.0L)) throw EInvalidArgument("InterestPayment");
  // The annuity factor and the term's compound factor do not depend on the period; each
  // period's parts then come from its own compound factor, exactly as InterestPayment and
  // PeriodPayment compute them, and only the running sums carry over.
  Extended crn = 0.0L;
  const Extended annuity = AnnuityFactor(Rate, NPeriods, Timing, crn);
  // CompoundFactor(Rate, period - 1) for each period, its squares formed once.
  detail::PowerSequence compoundFactor(checked::Add(1.0L, Rate));
  ScheduleRow row;
  row.Balance = PresentValue;
  for (int32_t period = 1; period <= NPeriods; ++period) {
    const Extended crp = compoundFactor(static_cast<uint32_t>(period - 1));
    Extended interest = 0.0L;
    const Extended principal =
        Parts(period, Timing, PresentValue, FutureValue, crp, crn, annuity, interest);
    row.Period = period;
    row.Principal = principal;
    row.Interest = interest;
    row.TotalPrincipal = checked::Add(row.TotalPrincipal, principal);
    row.TotalInterest = checked::Add(row.TotalInterest, interest);
    row.Balance = checked::Add(row.Balance, principal);
    receiver(row);
  }
}

int32_t PaymentsPerYear(int32_t frequencyIndex) {
  switch (frequencyIndex) {
    case 0:
      return 12;
    case 1:
      return 4;
    case 2:
      return 2;
    case 4:
      return 24;
    case 5:
      return 26;
    case 6:
      return 52;
    case 7:
      return 365;
    default:
      return 1;
  }
}

Extended SchedulePeriodicRate(Extended AnnualRatePercent, int32_t frequencyIndex) {
  const int32_t perYear = PaymentsPerYear(frequencyIndex);
  Extended rate = AnnualRatePercent;
  if (perYear != 1) rate = checked::Div(rate, static_cast<Extended>(perYear));
  return checked::Div(rate, 100.0L);
}

}  // namespace quarrant
