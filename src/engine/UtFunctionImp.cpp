#include "engine/UtFunctionImp.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/checked_math.h"
#include "engine/engine_errors.h"
#include "engine/power_sequence.h"
#include "engine/time_value.h"
#include "engine/time_value_detail.h"

namespace quarrant {

Extended RealPower(Extended Base, Extended Exponent) {
  if (Exponent == 0.0L) return 1.0L;
  if (Base == 0.0L && Exponent > 0.0L) return 0.0L;
  // A whole exponent is multiplied out, so a negative base works with it.
  if (Exponent - std::trunc(Exponent) == 0.0L && std::fabs(Exponent) <= 2147483647.0L) {
    return IntegerPower(Base, static_cast<int32_t>(Exponent));
  }
  // ln of a negative base is an invalid operation, ln 0 a division by zero.
  return checked::Exp(checked::Mul(Exponent, checked::Ln(Base)));
}

Extended NominalToEffective(int32_t PeriodsPerYear, Extended NominalRate) {
  const Extended m = PeriodsPerYear;
  const Extended factor = checked::Add(1.0L, checked::Div(NominalRate, m));
  return checked::Sub(RealPower(factor, m), 1.0L);
}

Extended EffectiveToNominal(int32_t PeriodsPerYear, Extended EffectiveRate) {
  const Extended m = PeriodsPerYear;
  const Extended exponent = checked::Div(1.0L, m);
  const Extended power = RealPower(checked::Add(1.0L, EffectiveRate), exponent);
  return checked::Mul(m, checked::Sub(power, 1.0L));
}

Extended DecliningBalanceDepreciation(Extended Cost, Extended Salvage, int32_t Life, int32_t Period,
                                      Extended Factor) {
  if (Period < 1 || Period > Life || Life < 1 || Salvage >= Cost) return 0.0L;
  if (Life <= 2) return Period == 1 ? checked::Sub(Cost, Salvage) : 0.0L;

  const Extended rate = checked::Div(Factor, static_cast<Extended>(Life));
  // Book value at the start of the year from the geometric decline alone.
  const Extended book = checked::Mul(Cost, IntegerPower(checked::Sub(1.0L, rate), Period - 1));
  Extended depreciation = checked::Mul(rate, book);
  const Extended room = checked::Sub(book, Salvage);
  if (depreciation > room) depreciation = room;
  if (depreciation < 0.0L) depreciation = 0.0L;
  return depreciation;
}

Extended NetFutureValue(Extended Rate, std::span<const double> Flows, PaymentTiming Timing) {
  if (!(Rate > -1.0L)) throw EInvalidArgument("NetFutureValue");
  // Each flow is carried forward by its distance to the last flow, a period count that has
  // to fit the 32-bit count FutureValue takes.
  if (Flows.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()) + 1u) {
    throw EInvalidArgument("NetFutureValue");
  }
  // Each term is FutureValue(Rate, H - i, 0, flows[i], Timing) = -flows[i] * CR, CR the
  // compound factor AnnuityFactor gives FutureValue: 1 at rate 0, e^(p ln(1 + Rate)) below the
  // first-order bound, IntegerPower(1 + Rate, p) otherwise. The timing only scales the annuity
  // factor, which the zero payment multiplies away. The factors are formed here the same way,
  // with the logarithm and the squares of the power taken once for all flows, and the same
  // limit applies: a factor above 10^16 is refused under FutureValue's name.
  using detail::kFirstOrderRate;
  using detail::kLargestCompoundFactor;
  (void)Timing;
  const bool firstOrder = Rate != 0.0L && std::fabs(Rate) < kFirstOrderRate;
  const Extended logFactor = firstOrder ? LogOnePlus(Rate) : 0.0L;
  detail::PowerSequence power(checked::Add(1.0L, Rate));

  const auto last = static_cast<int64_t>(Flows.size()) - 1;
  Extended sum = 0.0L;
  for (int64_t i = last; i >= 0; --i) {
    const auto periods = static_cast<uint32_t>(last - i);
    Extended factor = 1.0L;
    if (firstOrder) {
      factor = checked::Exp(checked::Mul(static_cast<Extended>(periods), logFactor));
    } else if (Rate != 0.0L) {
      factor = power(periods);
    }
    if (factor > kLargestCompoundFactor) throw EInvalidArgument("FutureValue");
    sum = checked::Add(sum, -checked::Mul(Flows[static_cast<size_t>(i)], factor));
  }
  return sum;
}

}  // namespace quarrant
