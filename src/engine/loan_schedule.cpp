#include "engine/loan_schedule.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/checked_math.h"
#include "engine/engine_errors.h"

namespace quarrant {

bool LoanOptions::hasExtras() const {
  if (extraEachPeriod != 0.0L) return true;
  return std::any_of(lumpSums.begin(), lumpSums.end(),
                     [](const LumpSum& lump) { return lump.Amount != 0.0L; });
}

namespace {

// Compoundings per year of a compounding other than SameAsPayments and Continuously.
int32_t CompoundingsPerYear(Compounding compounding) {
  switch (compounding) {
    case Compounding::Annually:
      return 1;
    case Compounding::SemiAnnually:
      return 2;
    case Compounding::Quarterly:
      return 4;
    case Compounding::Monthly:
      return 12;
    case Compounding::Daily:
      return 365;
    default:
      return 0;
  }
}

}  // namespace

Extended LoanPeriodicRate(Extended AnnualRatePercent, int32_t frequencyIndex,
                          Compounding compounding) {
  if (compounding == Compounding::SameAsPayments)
    return SchedulePeriodicRate(AnnualRatePercent, frequencyIndex);
  const Extended annual = checked::Div(AnnualRatePercent, 100.0L);
  const Extended paymentsPerYear = static_cast<Extended>(PaymentsPerYear(frequencyIndex));
  if (compounding == Compounding::Continuously) {
    return checked::Finite(std::expm1(checked::Div(annual, paymentsPerYear)));
  }
  const Extended perYear = static_cast<Extended>(CompoundingsPerYear(compounding));
  const Extended perCompounding = checked::Div(annual, perYear);
  if (!(perCompounding > -1.0L)) throw EInvalidArgument("InterestPayment");
  // (1 + j/m)^(m/p) - 1 = expm1((m/p) ln(1 + j/m)): no digits lost to 1 + x or to x - 1.
  const Extended exponent = checked::Div(perYear, paymentsPerYear);
  return checked::Finite(std::expm1(checked::Mul(exponent, checked::Log1p(perCompounding))));
}

namespace {

void RefuseBadExtras(const LoanOptions& options) {
  const auto bad = [](Extended amount) { return !(amount >= 0.0L) || std::isinf(amount); };
  if (bad(options.extraEachPeriod)) throw EInvalidArgument("LoanSchedule");
  for (const LumpSum& lump : options.lumpSums)
    if (bad(lump.Amount) || lump.Period < 1) throw EInvalidArgument("LoanSchedule");
}

// The amounts of the stepped schedule in their unit: the currency itself when exact, whole
// cents (integers, exact in extended precision) when rounded as a lender does.
class Amounts {
 public:
  explicit Amounts(AmountRounding rounding) : cents_(rounding == AmountRounding::Cents) {}
  // An amount of the loan's terms in this unit.
  Extended in(Extended amount) const {
    return cents_ ? checked::Finite(std::round(checked::Mul(amount, 100.0L))) : amount;
  }
  // A computed amount, already in this unit, as booked: rounded to the cent when rounding.
  Extended booked(Extended amount) const { return cents_ ? std::round(amount) : amount; }
  Extended out(Extended amount) const { return cents_ ? amount / 100.0L : amount; }
  bool cents() const { return cents_; }

 private:
  bool cents_;
};

// The extra payment of each period: the amount per period from its first period, and the lump
// sums, summed per period and walked in period order.
class Extras {
 public:
  Extras(const LoanOptions& options, const Amounts& amounts)
      : each_(amounts.in(options.extraEachPeriod)), from_(options.extraFromPeriod) {
    for (const LumpSum& lump : options.lumpSums)
      if (lump.Amount != 0.0L) lumps_.push_back({lump.Period, amounts.in(lump.Amount)});
    std::sort(lumps_.begin(), lumps_.end(),
              [](const LumpSum& a, const LumpSum& b) { return a.Period < b.Period; });
  }

  // The extra of period k; periods are asked for in increasing order.
  Extended of(int32_t period) {
    Extended extra = period >= from_ ? each_ : 0.0L;
    while (next_ < lumps_.size() && lumps_[next_].Period <= period) {
      if (lumps_[next_].Period == period) extra = checked::Add(extra, lumps_[next_].Amount);
      ++next_;
    }
    return extra;
  }

 private:
  Extended each_;
  int32_t from_;
  std::vector<LumpSum> lumps_;
  std::size_t next_ = 0;
};

// Whether a step from balance to next brings a balance owed (of either sign) to 0 or past it.
bool Clears(Extended balance, Extended next) {
  return balance > 0.0L ? next <= 0.0L : balance < 0.0L && next >= 0.0L;
}

// The schedule period by period from the balance: each period's interest on the balance before
// its payment, the rest of the level payment and any extra to principal.
void SteppedSchedule(const LoanTerms& loan, Extended rate, const LoanOptions& options,
                     const ScheduleReceiver& receiver) {
  const int32_t n = loan.NPeriods;
  const bool due = loan.Timing == PaymentTiming::StartOfPeriod;
  const Amounts amounts(options.rounding);
  // The loan's level payment, from the closed forms of its first period.
  Extended firstInterest = 0.0L;
  const Extended firstPrincipal =
      PaymentParts(1, n, rate, loan.PresentValue, loan.FutureValue, loan.Timing, firstInterest);
  const Extended payment = amounts.in(checked::Add(firstPrincipal, firstInterest));
  const Extended presentValue = amounts.in(loan.PresentValue);
  // Where the balance stands after the last payment: -FV, or with payments at the start of
  // each period -FV / (1 + r), its last period's interest being due after the term.
  const Extended futureValue = amounts.in(loan.FutureValue);
  const Extended endBalance =
      amounts.booked(due ? checked::Div(-futureValue, checked::Add(1.0L, rate)) : -futureValue);
  // Extras reduce what is owed: they carry the payment's sign.
  const bool paidOut = payment != 0.0L ? payment < 0.0L : presentValue > 0.0L;
  Extras extras(options, amounts);

  Extended balance = presentValue;
  Extended totalPrincipal = 0.0L;
  Extended totalInterest = 0.0L;
  ScheduleRow row;
  for (int32_t period = 1; period <= n; ++period) {
    const Extended interest =
        due && period == 1 ? 0.0L : amounts.booked(checked::Mul(-balance, rate));
    Extended principal = checked::Sub(payment, interest);
    const Extended extra = extras.of(period);
    if (extra != 0.0L) principal = checked::Add(principal, paidOut ? -extra : extra);
    bool last = period == n;
    if (Clears(balance, checked::Add(balance, principal))) {
      principal = -balance;  // the payment that pays off the loan pays only what is left
      last = true;
    } else if (last && amounts.cents()) {
      principal = checked::Sub(endBalance, balance);
    }
    totalPrincipal = checked::Add(totalPrincipal, principal);
    totalInterest = checked::Add(totalInterest, interest);
    balance = checked::Add(balance, principal);
    row.Period = period;
    row.Principal = amounts.out(principal);
    row.Interest = amounts.out(interest);
    row.TotalPrincipal = amounts.out(totalPrincipal);
    row.TotalInterest = amounts.out(totalInterest);
    row.Balance = amounts.out(balance);
    receiver(row);
    if (last) return;
  }
}

}  // namespace

void LoanSchedule(const LoanTerms& loan, const LoanOptions& options,
                  const ScheduleReceiver& receiver) {
  if (loan.NPeriods <= 0) return;  // no rows, whatever else the terms say
  RefuseBadExtras(options);
  const Extended rate =
      LoanPeriodicRate(loan.AnnualRatePercent, loan.FrequencyIndex, options.compounding);
  if (!options.hasExtras() && options.rounding == AmountRounding::Exact) {
    AmortizationSchedule(loan.NPeriods, rate, loan.PresentValue, loan.FutureValue, loan.Timing,
                         receiver);
    return;
  }
  if (!(rate > -1.0L)) throw EInvalidArgument("InterestPayment");
  SteppedSchedule(loan, rate, options, receiver);
}

RangeTotals& RangeTotals::operator+=(const RangeTotals& other) {
  Principal = checked::Add(Principal, other.Principal);
  Interest = checked::Add(Interest, other.Interest);
  Payments = checked::Add(Payments, other.Payments);
  return *this;
}

RangeTotals ScheduleRangeTotals(const ScheduleRow* before, const ScheduleRow& last) {
  RangeTotals totals;
  totals.Principal = checked::Sub(last.TotalPrincipal, before ? before->TotalPrincipal : 0.0L);
  totals.Interest = checked::Sub(last.TotalInterest, before ? before->TotalInterest : 0.0L);
  totals.Payments = checked::Add(totals.Principal, totals.Interest);
  return totals;
}

}  // namespace quarrant
