// Time value of money on 80-bit extended numbers. Every operation that can divide by zero,
// overflow or take a logarithm or exponential goes through the checked operations, so no
// infinity or NaN ever leaves these functions.
#include "engine/time_value.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include "engine/checked_math.h"
#include "engine/engine_errors.h"
#include "engine/time_value_detail.h"

namespace quarrant {

namespace {

using checked::Add;
using checked::Div;
using checked::Exp;
using checked::Ln;
using checked::Mul;
using checked::Sub;

using detail::kLargestCompoundFactor;
using detail::kSmallRate;

constexpr int kMaxRateIterations = 15;

// Below this |N T| the derivative of the rate iteration is taken from its series: the
// neglected terms are of relative size (N T)^3 / 15, under 1e-10.
constexpr Extended kSeriesBound = 1e-3L;

Extended Expm1(Extended x) {
  if (std::isnan(x)) throw EArithmeticError::InvalidOperation();
  return checked::Finite(std::expm1(x));
}

// ln(1 + x) / x for x > -1, and its limit 1 at x = 0.
Extended LogOnePlusOverX(Extended x) {
  return x == 0.0L ? 1.0L : Div(checked::Log1p(x), x);
}

// Square and multiply on the magnitude of a non-negative count.
Extended PowerOfCount(Extended base, uint32_t count) {
  Extended result = 1.0L;
  Extended power = base;
  while (true) {
    if (count & 1u) result = Mul(result, power);
    count >>= 1;
    if (count == 0) break;
    power = Mul(power, power);
  }
  return result;
}

}  // namespace

Extended IntegerPower(Extended Base, int32_t Exponent) {
  // The magnitude as unsigned, so that the most negative exponent works too.
  const uint32_t count =
      Exponent < 0 ? 0u - static_cast<uint32_t>(Exponent) : static_cast<uint32_t>(Exponent);
  if (count == 0) return 1.0L;
  if (Exponent > 0) return PowerOfCount(Base, count);
  try {
    return Div(1.0L, PowerOfCount(Base, count));
  } catch (const EArithmeticError&) {
    // Base^count itself may lie beyond the range while its reciprocal merely underflows
    // (2^-16400): that is a tiny result, not an overflow. Retry on the reciprocal base;
    // a zero base still fails above with a division by zero.
    if (Base == 0.0L || std::isnan(Base)) throw;
    const Extended reciprocal = Div(1.0L, Base);
    if (std::fabs(reciprocal) >= 1.0L) throw;
    return PowerOfCount(reciprocal, count);
  }
}

Extended LogOnePlus(Extended X) {
  // log1p keeps the precision of small positive X; every other X goes through ln(1 + X).
  if (X >= 0.0L && X < 0.25L) return checked::Log1p(X);
  return Ln(Add(1.0L, X));
}

Extended CompoundFactor(Extended Rate, int32_t N) {
  return IntegerPower(Add(1.0L, Rate), N);
}

Extended AnnuityFactor(Extended Rate, int32_t N, PaymentTiming Timing, Extended& CompoundRate) {
  const Extended n = static_cast<Extended>(N);
  if (Rate == 0.0L) {
    CompoundRate = 1.0L;
    return n;
  }
  Extended factor;
  if (std::fabs(Rate) < kSmallRate) {
    // 1 + Rate would round away most of a small rate's digits, and (CR - 1) / Rate would
    // cancel: CR - 1 comes from e^x - 1 of x = N ln(1 + Rate), both taken without forming
    // 1 + Rate, so the factors keep full precision down to the smallest rates.
    const Extended growth = Expm1(Mul(n, checked::Log1p(Rate)));
    CompoundRate = Add(1.0L, growth);
    factor = Div(growth, Rate);
  } else {
    CompoundRate = CompoundFactor(Rate, N);
    factor = Div(Sub(CompoundRate, 1.0L), Rate);
  }
  if (Timing == PaymentTiming::StartOfPeriod) factor = Mul(factor, Add(1.0L, Rate));
  return factor;
}

bool IsRelativelySmall(Extended X, Extended Y) {
  // The two constants are the double-precision numbers, widened.
  constexpr Extended kRelative = static_cast<Extended>(1e-12);
  constexpr Extended kAbsolute = static_cast<Extended>(1e-15);
  return std::fabs(Y) * kRelative + kAbsolute > std::fabs(X);
}

Extended FutureValue(Extended Rate, int32_t NPeriods, Extended Payment, Extended PresentValue,
                     PaymentTiming Timing) {
  if (!(Rate > -1.0L)) throw EInvalidArgument("FutureValue");
  Extended compound;
  const Extended annuity = AnnuityFactor(Rate, NPeriods, Timing, compound);
  if (compound > kLargestCompoundFactor) throw EInvalidArgument("FutureValue");
  return Sub(Mul(-Payment, annuity), Mul(PresentValue, compound));
}

Extended PresentValue(Extended Rate, int32_t NPeriods, Extended Payment, Extended FutureValue,
                      PaymentTiming Timing) {
  if (!(Rate > -1.0L)) throw EInvalidArgument("PresentValue");
  Extended compound;
  const Extended annuity = AnnuityFactor(Rate, NPeriods, Timing, compound);
  if (compound > kLargestCompoundFactor) {
    // The future value no longer matters: the present value of a perpetuity.
    return Div(Mul(-Payment, Add(1.0L, TimingCode(Timing) * Rate)), Rate);
  }
  return Div(Sub(Mul(-Payment, annuity), FutureValue), compound);
}

Extended Payment(Extended Rate, int32_t NPeriods, Extended PresentValue, Extended FutureValue,
                 PaymentTiming Timing) {
  if (!(Rate > -1.0L)) throw EInvalidArgument("Payment");
  Extended compound;
  const Extended annuity = AnnuityFactor(Rate, NPeriods, Timing, compound);
  if (compound > kLargestCompoundFactor) {
    return Div(Mul(-PresentValue, Rate), Add(TimingCode(Timing) * Rate, 1.0L));
  }
  return Div(Sub(Mul(-PresentValue, compound), FutureValue), annuity);
}

Extended NumberOfPeriods(Extended Rate, Extended Payment, Extended PresentValue,
                         Extended FutureValue, PaymentTiming Timing) {
  if (!(Rate > -1.0L)) throw EInvalidArgument("NumberOfPeriods");
  if (Timing == PaymentTiming::StartOfPeriod) Payment = Mul(Payment, Add(1.0L, Rate));
  const Extended t = Add(Mul(PresentValue, Rate), Payment);
  // The payment exactly offsets the interest: the balance never moves.
  if (t == 0.0L) throw EInvalidArgument("NumberOfPeriods");
  const Extended total = -Add(PresentValue, FutureValue);
  // x = CR - 1, the growth that the periods must compound to.
  const Extended x = Div(Mul(total, Rate), t);
  if (!(x > -1.0L)) throw EInvalidArgument("NumberOfPeriods");
  if (std::fabs(Rate) < kSmallRate) {
    // ln(1 + x) / ln(1 + Rate), written as (total / t) * [ln(1 + x) / x] / [ln(1 + Rate) / Rate]
    // with both logarithms taken without forming 1 + Rate: full precision for small rates,
    // no underflow of x for the tiniest, and -(PV + FV) / PMT for a rate of exactly 0.
    return Div(Mul(Div(total, t), LogOnePlusOverX(x)), LogOnePlusOverX(Rate));
  }
  return Div(LogOnePlus(x), LogOnePlus(Rate));
}

namespace detail {

// Newton's method in T, where e^T is the one-period discount factor, on
// f(T) = ln(Pmt * X + Last * e^(N T)) - ln(-First), X the sum of e^(k T) for k = 1 .. N-1.
Extended InterestRateCounted(int32_t NPeriods, Extended Payment, Extended PresentValue,
                             Extended FutureValue, PaymentTiming Timing, int& Iterations) {
  Iterations = 0;
  if (NPeriods <= 0) throw EInvalidArgument("InterestRate");
  const Extended n = static_cast<Extended>(NPeriods);

  Extended pmt = Payment;
  Extended first;
  Extended last;
  if (Timing == PaymentTiming::EndOfPeriod) {
    first = PresentValue;
    last = Add(FutureValue, Payment);
  } else {
    first = Add(PresentValue, Payment);
    last = FutureValue;
  }
  // With the first flow of the payments' sign, read the flow backwards in time. A flow that
  // begins with 0 (no present value, payments at the end: a savings plan) is read backwards
  // too; read forwards it has no first flow to discount against, and the rate of such a plan
  // could not be found at all.
  bool reverse = false;
  if (Mul(first, Payment) > 0.0L || (first == 0.0L && last != 0.0L)) {
    reverse = true;
    std::swap(first, last);
  }
  if (first > 0.0L) {
    first = -first;
    pmt = -pmt;
    last = -last;
  }
  if (first == 0.0L || last < 0.0L) throw EInvalidArgument("InterestRate");

  Extended t = 0.0L;
  for (int iteration = 1; iteration <= kMaxRateIterations; ++iteration) {
    Iterations = iteration;
    // No early exit where e^(N T) outgrows the significand: the first step from T = 0 often
    // overshoots that far when the root is nowhere near, and the payments-only (perpetuity)
    // rate returned from there would be plainly wrong. The iteration just carries on.
    const Extended ent = Exp(Mul(n, t));
    const Extended et = Exp(t);
    Extended x;
    Extended y;
    if (NPeriods == 1) {
      // No payments lie between the first and the last flow.
      x = 0.0L;
      y = 0.0L;
    } else if (iteration == 1) {
      // The initial guess T = 0 starts from these values (X = N, not the N - 1 terms of the
      // sum); the iteration counts of the solver depend on that start.
      x = n;
      y = x * (x - 1.0L) / 2.0L;
    } else if (t == 0.0L) {
      // Back at T = 0 exactly: the limits of the sum and its derivative.
      x = n - 1.0L;
      y = n * (n - 1.0L) / 2.0L;
    } else {
      // X through expm1, and Y, whose closed form cancels to first order in N T, by its
      // series near 0. Formed naively from e^T - 1, both carry errors of order eps / (N T),
      // and once e^T - 1 rounds to 0 the start values above would apply again: for data
      // whose rate is 0 (a 0 % loan) the iteration then never meets its stopping test.
      const Extended et1 = Expm1(t);
      x = Div(Mul(et, Expm1(Mul(n - 1.0L, t))), et1);
      if (std::fabs(n * t) < kSeriesBound) {
        const Extended m = n - 1.0L;
        const Extended s1 = m * (m + 1.0L) / 2.0L;                      // sum of k
        const Extended s2 = m * (m + 1.0L) * (2.0L * m + 1.0L) / 6.0L;  // sum of k^2
        const Extended s3 = s1 * s1;                                    // sum of k^3
        y = s1 + t * s2 + t * t / 2.0L * s3;
      } else {
        y = Div(Sub(Sub(Mul(n, ent), et), Mul(x, et)), et1);
      }
    }
    const Extended z = Add(Mul(pmt, x), Mul(last, ent));
    const Extended slope = Div(Add(Mul(pmt, y), Mul(Mul(last, n), ent)), z);
    const Extended step = Div(Ln(Div(z, -first)), slope);
    t = Sub(t, step);
    if (IsRelativelySmall(step, t)) {
      if (!reverse) t = -t;
      return Sub(Exp(t), 1.0L);
    }
  }
  throw EInvalidArgument("InterestRate");
}

}  // namespace detail

Extended InterestRate(int32_t NPeriods, Extended Payment, Extended PresentValue,
                      Extended FutureValue, PaymentTiming Timing) {
  int iterations = 0;
  return detail::InterestRateCounted(NPeriods, Payment, PresentValue, FutureValue, Timing,
                                     iterations);
}

int32_t WholePeriods(Extended value) {
  const Extended whole = std::trunc(value);
  if (!(whole >= static_cast<Extended>(INT32_MIN) && whole <= static_cast<Extended>(INT32_MAX)))
    throw std::out_of_range("Number of periods out of range");
  return static_cast<int32_t>(whole);
}

}  // namespace quarrant
