#include "engine/cash_flow.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/checked_math.h"
#include "engine/engine_errors.h"
#include "engine/time_value.h"

namespace quarrant {

namespace {

constexpr int32_t kMaxRateSteps = 15;

// Raises the arithmetic error of a value that left the finite range. The loops below check
// their accumulators once at the end: an infinity or a not-a-number never turns finite again
// under the additions and multiplications by positive factors they perform.
void RequireFinite(Extended value) {
  checked::Finite(value);
}

}  // namespace

std::vector<double> ExpandCashFlowGroups(std::span<const CashFlowGroup> Groups) {
  std::size_t total = 0;
  for (const CashFlowGroup& group : Groups)
    if (group.Count > 0) total += static_cast<std::size_t>(group.Count);
  std::vector<double> flows;
  flows.reserve(total);
  for (const CashFlowGroup& group : Groups)
    if (group.Count > 0)
      flows.insert(flows.end(), static_cast<std::size_t>(group.Count), group.Amount);
  return flows;
}

int64_t OutflowPrefixLength(std::span<const double> Flows) {
  auto k = static_cast<int64_t>(Flows.size()) - 1;
  while (k >= 0 && Flows[static_cast<size_t>(k)] >= 0.0) --k;
  ++k;
  if (k > 0) {
    // The running total is kept as a double: each sum is formed at extended precision and
    // then rounded to double.
    double total = 0.0;
    for (int64_t i = 0; i < k; ++i) {
      total = static_cast<double>(static_cast<Extended>(total) + Flows[static_cast<size_t>(i)]);
      if (std::isinf(total)) throw EArithmeticError::Overflow();
      if (total >= 0.0) return 0;
    }
  }
  return k;
}

SplitPolynomialValue SplitPolynomial(std::span<const double> Flows, Extended X) {
  Extended negative = 0.0L;
  Extended positive = 0.0L;
  Extended negativeSlope = 0.0L;
  Extended positiveSlope = 0.0L;
  for (size_t i = Flows.size(); i-- > 0;) {
    negativeSlope = X * negativeSlope + negative;
    negative = negative * X;
    positiveSlope = X * positiveSlope + positive;
    positive = positive * X;
    const double flow = Flows[i];
    if (flow < 0.0) {
      negative = negative + flow;
    } else {
      positive = positive + flow;
    }
  }
  SplitPolynomialValue value;
  value.negative = checked::Finite(negative);
  value.positive = checked::Finite(positive);
  value.negativeSlope = checked::Mul(checked::Finite(negativeSlope), X);
  value.positiveSlope = checked::Mul(checked::Finite(positiveSlope), X);
  return value;
}

Extended InternalRateOfReturn(Extended Guess, std::span<const double> Flows, int32_t& Steps) {
  Steps = 0;
  // T is ln of the one-period discount factor 1 / (1 + rate).
  Extended t = 0.0L;
  if (OutflowPrefixLength(Flows) == 0) {
    if (!(Guess > -1.0L)) throw EInvalidArgument("InternalRateOfReturn");
    t = -LogOnePlus(Guess);
  }
  for (int32_t step = 1; step <= kMaxRateSteps; ++step) {
    Steps = step;
    const SplitPolynomialValue v = SplitPolynomial(Flows, checked::Exp(t));
    if (v.positive <= v.negative) throw EInvalidArgument("InternalRateOfReturn");
    if (v.negative >= 0.0L || v.positive <= 0.0L) return -1.0L;
    // Newton step on f(T) = ln(-negative / positive).
    const Extended f = checked::Ln(checked::Div(-v.negative, v.positive));
    const Extended slope = checked::Sub(checked::Div(v.negativeSlope, v.negative),
                                        checked::Div(v.positiveSlope, v.positive));
    const Extended y = checked::Div(f, slope);
    t = checked::Sub(t, y);
    if (IsRelativelySmall(y, t)) return checked::Sub(checked::Exp(-t), 1.0L);
  }
  throw EInvalidArgument("InternalRateOfReturn");
}

Extended InternalRateOfReturn(Extended Guess, std::span<const double> Flows) {
  int32_t steps = 0;
  return InternalRateOfReturn(Guess, Flows, steps);
}

Extended NetPresentValue(Extended Rate, std::span<const double> Flows, PaymentTiming Timing) {
  if (!(Rate > -1.0L)) throw EInvalidArgument("NetPresentValue");
  const Extended v = checked::Div(1.0L, checked::Add(1.0L, Rate));
  // Horner's scheme from the last flow back; v > 0, so an overflow stays infinite.
  Extended sum = 0.0L;
  for (size_t i = Flows.size(); i-- > 0;) sum = sum * v + Flows[i];
  RequireFinite(sum);
  if (Timing == PaymentTiming::EndOfPeriod) sum = checked::Mul(sum, v);
  return sum;
}

}  // namespace quarrant
