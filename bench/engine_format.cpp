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

// Rate 0.005 (6 % a year, monthly): interest near 500 and principal parts that start far
// below a cent; rate 0.00004: every amount of the row carries cents.
std::vector<Extended> ScheduleAmounts(Extended rate) {
  std::vector<Extended> amounts;
  amounts.reserve(5 * static_cast<std::size_t>(kPeriods));
  quarrant::AmortizationSchedule(kPeriods, rate, 250000, 0, quarrant::PaymentTiming::EndOfPeriod,
                                 [&](const quarrant::ScheduleRow& row) {
                                   amounts.push_back(row.Principal);
                                   amounts.push_back(row.Interest);
                                   amounts.push_back(row.TotalPrincipal);
                                   amounts.push_back(row.TotalInterest);
                                   amounts.push_back(row.Balance);
                                 });
  return amounts;
}

void BM_FormatScheduleAmounts(benchmark::State& state) {
  const std::vector<Extended> amounts = ScheduleAmounts(state.range(0) == 0 ? 0.005L : 0.00004L);
  std::size_t characters = 0;
  for (auto _ : state) {
    characters = 0;
    for (const Extended amount : amounts) {
      const std::string text = quarrant::FormatScheduleAmount(amount);
      characters += text.size();
    }
    benchmark::DoNotOptimize(characters);
  }
  state.counters["amounts"] = static_cast<double>(amounts.size());
  state.counters["characters"] = static_cast<double>(characters);
}
BENCHMARK(BM_FormatScheduleAmounts)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The value fields' fixed format with four decimals on the same amounts.
void BM_FormatFixedFourDecimals(benchmark::State& state) {
  const std::vector<Extended> amounts = ScheduleAmounts(0.00004L);
  for (auto _ : state) {
    std::size_t characters = 0;
    for (const Extended amount : amounts) characters += quarrant::FormatFixed(amount, 4).size();
    benchmark::DoNotOptimize(characters);
  }
}
BENCHMARK(BM_FormatFixedFourDecimals)->Unit(benchmark::kMillisecond);

}  // namespace
