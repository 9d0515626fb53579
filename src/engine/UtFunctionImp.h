#pragma once
// The program's own financial functions: general power, rate conversions, declining-balance
// depreciation and net future value.
#include <cstdint>
#include <span>

#include "engine/extended.h"

namespace quarrant {

Extended RealPower(Extended Base, Extended Exponent);
Extended NominalToEffective(int32_t PeriodsPerYear, Extended NominalRate);
Extended EffectiveToNominal(int32_t PeriodsPerYear, Extended EffectiveRate);

Extended DecliningBalanceDepreciation(Extended Cost, Extended Salvage, int32_t Life,
                                      int32_t Period, Extended Factor);

Extended NetFutureValue(Extended Rate, std::span<const double> Flows, PaymentTiming Timing);

}  // namespace quarrant
