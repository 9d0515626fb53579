#pragma once
// The schedule of a loan as lenders write it: the level-payment schedule of AmortizationSchedule,
// with the compounding of the rate chosen apart from the payments, extra payments that go to
// principal and shorten the loan, and amounts rounded to the cent as a lender books them.
// With every option at its default the rows are exactly AmortizationSchedule's.
#include <cstdint>
#include <vector>

#include "engine/amortization.h"
#include "engine/extended.h"

namespace quarrant {

// How often interest compounds in a year; SameAsPayments compounds once per payment period.
enum class Compounding : int32_t {
  SameAsPayments = 0,
  Annually,
  SemiAnnually,
  Quarterly,
  Monthly,
  Daily,
  Continuously,
};

enum class AmountRounding : int32_t {
  Exact = 0,  // every amount at extended precision
  Cents,      // payment and interest rounded to the cent, the last payment clears the rest
};

// A one-off payment towards principal, made with the level payment of its period.
struct LumpSum {
  int32_t Period = 0;
  Extended Amount = 0;
};

struct LoanOptions {
  Compounding compounding = Compounding::SameAsPayments;
  // Paid towards principal with every level payment from extraFromPeriod on; not negative.
  Extended extraEachPeriod = 0;
  int32_t extraFromPeriod = 1;
  std::vector<LumpSum> lumpSums;  // amounts not negative
  AmountRounding rounding = AmountRounding::Exact;

  bool hasExtras() const;
};

// The loan as the amortization window states it: the annual rate in percent and the index of
// the payment frequency, as SchedulePeriodicRate takes them.
struct LoanTerms {
  int32_t NPeriods = 0;
  Extended AnnualRatePercent = 0;
  int32_t FrequencyIndex = 0;
  Extended PresentValue = 0;
  Extended FutureValue = 0;
  PaymentTiming Timing = PaymentTiming::EndOfPeriod;
};

// The rate of one payment period: SchedulePeriodicRate for SameAsPayments; with m compoundings
// and p payments a year at the annual rate j, (1 + j/m)^(m/p) - 1, and e^(j/p) - 1 when
// continuous, both formed through log1p and expm1 so that tiny rates keep their digits.
// A rate whose compounding period loses all of the money (j/m of -100 % or below) is refused
// with EInvalidArgument "InterestPayment", as the schedule refuses a periodic rate of -1.
Extended LoanPeriodicRate(Extended AnnualRatePercent, int32_t frequencyIndex,
                          Compounding compounding);

// Hands the loan's rows to the receiver, each before the next period is computed; an error
// stops the schedule after the rows already handed over.
// - Level payment: the loan's, from its own terms (with its future value), never recomputed.
// - Extras (extraEachPeriod from extraFromPeriod, and lump sums) go to principal with the
//   payment's sign. The schedule ends with the row whose payment brings the balance to 0, which
//   then pays only what is left; at the last period whatever is left stays as the balance.
// - AmountRounding::Cents: the present and future value, the payment, each extra and each
//   period's interest (on the balance before the payment) are whole cents, principal is payment
//   less interest, and the last row's principal leaves exactly the balance the loan ends with.
// Negative extras, or a lump sum outside 1..NPeriods, are refused with EInvalidArgument
// "LoanSchedule".
void LoanSchedule(const LoanTerms& loan, const LoanOptions& options,
                  const ScheduleReceiver& receiver);

// The totals of the rows first..last of a schedule from their running totals: before is the
// row just before first (nullptr when first is the schedule's first row).
struct RangeTotals {
  Extended Principal = 0;
  Extended Interest = 0;
  Extended Payments = 0;  // principal + interest

  RangeTotals& operator+=(const RangeTotals& other);
};
RangeTotals ScheduleRangeTotals(const ScheduleRow* before, const ScheduleRow& last);

}  // namespace quarrant
