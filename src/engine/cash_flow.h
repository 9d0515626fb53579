#pragma once
// Cash-flow measures of an evenly spaced flow series (flow 0 first, doubles).
// NetFutureValue lives with the program's own functions in UtFunctionImp.h.
#include <cstdint>
#include <span>
#include <vector>

#include "engine/UtFunctionImp.h"
#include "engine/extended.h"

namespace quarrant {

struct SplitPolynomialValue {
  Extended negative = 0;
  Extended positive = 0;
  Extended negativeSlope = 0;
  Extended positiveSlope = 0;
};

// An amount repeated a number of times in the flow series.
struct CashFlowGroup {
  double Amount = 0;
  int32_t Count = 0;
};

// The flow series of the groups in their order, each amount repeated its count (a count of 0
// or less adds nothing).
std::vector<double> ExpandCashFlowGroups(std::span<const CashFlowGroup> Groups);

int64_t OutflowPrefixLength(std::span<const double> Flows);
SplitPolynomialValue SplitPolynomial(std::span<const double> Flows, Extended X);

Extended InternalRateOfReturn(Extended Guess, std::span<const double> Flows);
// The same search; Steps receives the number of Newton steps taken (also when it fails).
Extended InternalRateOfReturn(Extended Guess, std::span<const double> Flows, int32_t& Steps);
Extended NetPresentValue(Extended Rate, std::span<const double> Flows, PaymentTiming Timing);

}  // namespace quarrant
