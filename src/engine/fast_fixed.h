#pragma once
// Fixed notation through integer arithmetic, for the values whose text the exact decimal
// conversion would not change: most amounts of a schedule or a value field.
#include <string>

#include "engine/extended.h"

namespace quarrant::detail {

// Writes `value` with `decimals` (0..10) decimals into `text` exactly as the exact routine
// (18 significant digits first, then half away from zero at the last decimal) would, and
// returns true; returns false, leaving `text` alone, when the value lies too close to a
// rounding tie, is too large (10^17 units of the last decimal or more) or is not finite.
bool TryFormatFixedFast(Extended value, int decimals, char decimalSeparator, std::string& text);

}  // namespace quarrant::detail
