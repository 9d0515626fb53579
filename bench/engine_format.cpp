// Formatting the amounts of a million-period schedule: five amounts a row, as the schedule
// list and the exports write them.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/amortization.h"
#include "engine/number_format.h"

namespace {

using quarrant::Extended;

constexpr int32_t kPeriods = 1000000;

// 250,000 over a million periods. Rate 0.005 (6 % a year, monthly): interest 1,250 a period
// and principal parts far below a cent for most of the term; rate 0.0001: principal parts
// from below a cent to 25, so most amounts carry cents.
std::vector<Extended> ScheduleAmounts(int64_t rateCase) {
  std::vector<Extended> amounts;
  amounts.reserve(5 * static_cast<std::size_t>(kPeriods));
  quarrant::AmortizationSchedule(kPeriods, rateCase == 0 ? 0.005L : 0.0001L, 250000, 0,
                                 quarrant::PaymentTiming::EndOfPeriod,
                                 [&](const quarrant::ScheduleRow& row) {
                                   amounts.push_back(row.Principal);
                                   amounts.push_back(row.Interest);
                                   amounts.push_back(row.TotalPrincipal);
                                   amounts.push_back(row.TotalInterest);
                                   amounts.push_back(row.Balance);
                                 });
  return amounts;
}

template <typename Format>
void FormatAll(benchmark::State& state, Format format) {
  const std::vector<Extended> amounts = ScheduleAmounts(state.range(0));
  std::size_t characters = 0;
  for (auto _ : state) {
    characters = 0;
    for (const Extended amount : amounts) characters += format(amount).size();
    benchmark::DoNotOptimize(characters);
  }
  state.counters["amounts"] = static_cast<double>(amounts.size());
  state.counters["characters"] = static_cast<double>(characters);
}

void BM_FormatScheduleAmounts(benchmark::State& state) {
  FormatAll(state, [](Extended amount) { return quarrant::FormatScheduleAmount(amount); });
}
BENCHMARK(BM_FormatScheduleAmounts)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same amounts through the exact digit-string routine alone, for comparison.
void BM_FormatScheduleAmountsExact(benchmark::State& state) {
  FormatAll(state, [](Extended amount) { return quarrant::detail::FormatFixedExact(amount, 2); });
}
BENCHMARK(BM_FormatScheduleAmountsExact)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The value fields' fixed format with four decimals.
void BM_FormatFixedFourDecimals(benchmark::State& state) {
  FormatAll(state, [](Extended amount) { return quarrant::FormatFixed(amount, 4); });
}
BENCHMARK(BM_FormatFixedFourDecimals)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
