// Cash-flow measures on a million flows and a million-period amortization schedule.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "engine/amortization.h"
#include "engine/cash_flow.h"

namespace {

using quarrant::Extended;
using quarrant::PaymentTiming;

constexpr int64_t kFlows = 1000000;
constexpr int32_t kPeriods = 1000000;

// A project: an outlay, then a million small and slightly varying returns. Its rate of return
// is about 0.005 % per period, so the net future value stays below the compound-factor limit.
std::vector<double> ProjectFlows() {
  std::vector<double> flows(kFlows);
  flows[0] = -9.0e8;
  for (int64_t i = 1; i < kFlows; ++i) flows[i] = 1000.0 + static_cast<double>(i % 97);
  return flows;
}

void BM_InternalRateOfReturn(benchmark::State& state) {
  const std::vector<double> flows = ProjectFlows();
  int32_t steps = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(quarrant::InternalRateOfReturn(0, flows, steps));
  }
  state.counters["newton_steps"] = steps;
}
BENCHMARK(BM_InternalRateOfReturn)->Unit(benchmark::kMillisecond);

void BM_NetPresentValue(benchmark::State& state) {
  const std::vector<double> flows = ProjectFlows();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        quarrant::NetPresentValue(0.00004L, flows, PaymentTiming::StartOfPeriod));
  }
}
BENCHMARK(BM_NetPresentValue)->Unit(benchmark::kMillisecond);

// A million flows, as NetPresentValue above: rate 0.00003 compounds by the rate itself (below
// 6.1e-5), rate -0.01 by the rounded 1 + rate.
void BM_NetFutureValue(benchmark::State& state) {
  const std::vector<double> flows = ProjectFlows();
  const Extended rate = state.range(0) == 0 ? 0.00003L : -0.01L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(quarrant::NetFutureValue(rate, flows, PaymentTiming::EndOfPeriod));
  }
}
BENCHMARK(BM_NetFutureValue)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A million monthly periods at 6 % a year into a vector of rows, as the window's list takes
// them (the vector is reserved once; each iteration refills it).
void BM_AmortizationSchedule(benchmark::State& state) {
  std::vector<quarrant::ScheduleRow> rows;
  rows.reserve(kPeriods);
  const Extended rate = state.range(0) == 0 ? 0.005L : 0.00004L;
  for (auto _ : state) {
    rows.clear();
    quarrant::AmortizationSchedule(kPeriods, rate, 100000, 0, PaymentTiming::EndOfPeriod,
                                   [&](const quarrant::ScheduleRow& row) { rows.push_back(row); });
    benchmark::DoNotOptimize(rows.data());
  }
  state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_AmortizationSchedule)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
