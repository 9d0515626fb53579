#include "engine/depreciation.h"

#include <cstdint>

#include "engine/checked_math.h"
#include "engine/engine_errors.h"

namespace quarrant {

Extended SLNDepreciation(Extended Cost, Extended Salvage, int32_t Life) {
  if (Life < 1) throw EInvalidArgument("SLNDepreciation");
  return checked::Div(checked::Sub(Cost, Salvage), static_cast<Extended>(Life));
}

Extended SumOfYearsDigitsDepreciation(Extended Cost, Extended Salvage, int32_t Life,
                                      int32_t Period) {
  if (Period < 1 || Period > Life || Salvage >= Cost) return 0.0L;
  // Life * (Life + 1) leaves the 32-bit range above a life of 46 340; in 64 bits both
  // products stay exact for every 32-bit life, and the extended format holds them exactly.
  const int64_t life = Life;
  const int64_t digits = 2 * (life - Period + 1);
  const int64_t digitSum = life * (life + 1);
  return checked::Div(checked::Mul(checked::Sub(Cost, Salvage), static_cast<Extended>(digits)),
                      static_cast<Extended>(digitSum));
}

DepreciationMethod DepreciationMethodOf(int32_t methodIndex) {
  switch (methodIndex) {
    case 0:
      return DepreciationMethod::StraightLine;
    case 1:
      return DepreciationMethod::SumOfYearsDigits;
    default:
      return DepreciationMethod::DecliningBalance;
  }
}

void DepreciationTable(DepreciationMethod Method, Extended Cost, Extended Salvage, int32_t Life,
                       Extended Factor, const DepreciationReceiver& receiver) {
  DepreciationRow row;
  for (int32_t year = 1; year <= Life; ++year) {
    switch (Method) {
      case DepreciationMethod::StraightLine:
        row.Depreciation = SLNDepreciation(Cost, Salvage, Life);
        break;
      case DepreciationMethod::SumOfYearsDigits:
        row.Depreciation = SumOfYearsDigitsDepreciation(Cost, Salvage, Life, year);
        break;
      case DepreciationMethod::DecliningBalance:
        row.Depreciation = DecliningBalanceDepreciation(Cost, Salvage, Life, year, Factor);
        break;
    }
    row.Year = year;
    row.Total = checked::Add(row.Total, row.Depreciation);
    static_cast<void>(checked::Sub(Cost, row.Total));  // the book value shown must be a number
    receiver(row);
  }
}

}  // namespace quarrant
