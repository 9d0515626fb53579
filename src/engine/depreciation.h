#pragma once
// Depreciation of one period by straight-line and sum-of-the-years' digits
// (declining balance lives with the program's own functions in UtFunctionImp.h).
#include <cstdint>
#include <functional>

#include "engine/UtFunctionImp.h"
#include "engine/extended.h"

namespace quarrant {

Extended SLNDepreciation(Extended Cost, Extended Salvage, int32_t Life);
Extended SumOfYearsDigitsDepreciation(Extended Cost, Extended Salvage, int32_t Life,
                                      int32_t Period);

enum class DepreciationMethod { StraightLine, SumOfYearsDigits, DecliningBalance };

// The method of an index of the method list: 0 straight-line, 1 sum-of-the-years' digits,
// anything else declining balance.
DepreciationMethod DepreciationMethodOf(int32_t methodIndex);

struct DepreciationRow {
  int32_t Year = 0;
  Extended Depreciation = 0;
  Extended Total = 0;  // accumulated depreciation to this year, at full precision
};

using DepreciationReceiver = std::function<void(const DepreciationRow&)>;

// Hands one row per year (1..Life, in order) to the receiver, each before the next year is
// computed; an error stops the table after the rows already handed over. A year whose book
// value (Cost - Total) is not a finite number is an error. The factor is read by declining
// balance only. A life below 1 gives no rows.
void DepreciationTable(DepreciationMethod Method, Extended Cost, Extended Salvage, int32_t Life,
                       Extended Factor, const DepreciationReceiver& receiver);

}  // namespace quarrant
