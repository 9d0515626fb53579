#include "engine/UtFunctionImp.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/checked_math.h"
#include "engine/engine_errors.h"
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
  // The whole depreciable amount goes in year 1 when the life is too short for a decline, and
  // when the yearly rate Factor / Life reaches 100 %: 1 - rate is then 0 or negative, and the
  // geometric book value of the later years would say nothing about what is left (it
  // alternates in sign and could take the total beyond the depreciable amount).
  if (Life <= 2 || Factor >= static_cast<Extended>(Life)) {
    return Period == 1 ? checked::Sub(Cost, Salvage) : 0.0L;
  }

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
  using detail::kLargestCompoundFactor;
  using detail::kSmallRate;
  // The sum of FutureValue(Rate, H - i, 0, flows[i], Timing) = -flows[i] * (1 + Rate)^(H - i);
  // the timing only scales the annuity factor, which the zero payment multiplies away.
  const auto last = static_cast<int64_t>(Flows.size()) - 1;
  if (Rate > 0.0L && last > 0) {
    // The first flow has the largest compound factor, and FutureValue would refuse every term
    // if it refuses that one: decide before summing. Far beyond the limit (e^40 > 10^16) the
    // factor is not formed at all, as it might leave the extended range.
    constexpr Extended kFarBeyondLimit = 40.0L;
    const Extended periods = static_cast<Extended>(last);
    if (checked::Mul(periods, checked::Log1p(Rate)) > kFarBeyondLimit) {
      throw EInvalidArgument("FutureValue");
    }
    Extended largest = 0.0L;
    AnnuityFactor(Rate, static_cast<int32_t>(last), Timing, largest);
    if (largest > kLargestCompoundFactor) throw EInvalidArgument("FutureValue");
  }
  // Horner's scheme from the first flow on, each step compounding by one period as
  // sum + sum * growth. The growth is the one FutureValue's compound factor compounds: 1 + Rate
  // as rounded, whose power it raises (so growth = (1 + Rate) - 1, exactly), and below the
  // small-rate bound the rate itself, whose logarithm it takes.
  const Extended growth = std::fabs(Rate) < kSmallRate ? Rate : checked::Add(1.0L, Rate) - 1.0L;
  Extended sum = 0.0L;
  for (const double flow : Flows) sum += sum * growth + flow;
  // The flows are doubles and no factor exceeds 10^16, so finite flows keep the sum far inside
  // the extended range; one that is not finite leaves the sum not finite to the end.
  // 0 - sum, not -sum: an all-zero series gives 0, not -0.
  return checked::Sub(0.0L, checked::Finite(sum));
}

}  // namespace quarrant
