#pragma once
// Depreciation of one period by straight-line and sum-of-the-years' digits
// (declining balance lives with the program's own functions in UtFunctionImp.h).
#include <cstdint>

#include "engine/UtFunctionImp.h"
#include "engine/extended.h"

namespace quarrant {

Extended SLNDepreciation(Extended Cost, Extended Salvage, int32_t Life);
Extended SumOfYearsDigitsDepreciation(Extended Cost, Extended Salvage, int32_t Life,
                                      int32_t Period);

}  // namespace quarrant
