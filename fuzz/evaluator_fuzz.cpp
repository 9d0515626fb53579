// Fuzz target for the expression evaluator. The first byte picks the decimal separator
// (',' for a comma, anything else for a point); the remaining bytes are the expression.
// Any text must end in a value or an engine error: no crash, no other exception, no
// infinity or NaN. A value must also survive the trip through the formats that show it,
// and its plain general form must read back.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/cmpEvaluator.h"
#include "engine/engine_errors.h"
#include "engine/number_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quarrant;
  if (size == 0) return 0;
  const char separator = data[0] == ',' ? ',' : '.';
  TExpressionEvaluator evaluator(separator);
  evaluator.Expression.assign(reinterpret_cast<const char*>(data) + 1, size - 1);

  Extended value;
  try {
    value = evaluator.Evaluate();
  } catch (const EEngineError&) {
    // A rejected text must leave the evaluator usable.
    evaluator.Expression = "1+1";
    if (evaluator.Evaluate() != 2.0L) std::abort();
    return 0;
  }
  if (!std::isfinite(value)) std::abort();

  for (int selector = 0; selector <= 11; ++selector) {
    if (FormatForSelector(value, selector, separator).empty()) std::abort();
  }
  evaluator.Expression = FormatGeneralPlain(value, separator);
  try {
    const Extended back = evaluator.Evaluate();
    if (FormatGeneral(back, separator) != FormatGeneral(value, separator)) std::abort();
  } catch (const EEngineError&) {
    std::abort();  // the plain general form must always read back
  }
  return 0;
}
