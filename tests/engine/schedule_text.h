#pragma once
// A schedule row as the amortization window writes it: the period and the five amounts.
#include <array>
#include <string>

#include "engine/amortization.h"
#include "engine/number_format.h"

namespace quarrant::test {

using RowText = std::array<std::string, 6>;

inline RowText Written(const ScheduleRow& row) {
  return {std::to_string(row.Period),
          FormatScheduleAmount(row.Principal),
          FormatScheduleAmount(row.Interest),
          FormatScheduleAmount(row.TotalPrincipal),
          FormatScheduleAmount(row.TotalInterest),
          FormatScheduleAmount(row.Balance)};
}

}  // namespace quarrant::test
