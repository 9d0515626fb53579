// A million-period loan schedule with every loan option on, against the plain schedule of the
// same loan: compounding apart from the payments, extras and a one-off payment near the end (so
// that the loan still runs its million periods), and amounts rounded to the cent.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "engine/loan_schedule.h"

namespace {

using quarrant::LoanOptions;
using quarrant::PaymentTiming;

constexpr int32_t kPeriods = 1000000;

LoanOptions EveryOption() {
  LoanOptions options;
  options.compounding = quarrant::Compounding::SemiAnnually;
  options.extraEachPeriod = 1;
  options.extraFromPeriod = kPeriods - 10;
  options.lumpSums = {{kPeriods - 5, 100}};
  options.rounding = quarrant::AmountRounding::Cents;
  return options;
}

// Arg 0: every option at its default (the plain schedule); arg 1: every option on.
void BM_LoanSchedule(benchmark::State& state) {
  const LoanOptions options = state.range(0) == 0 ? LoanOptions() : EveryOption();
  const quarrant::LoanTerms loan{kPeriods, 6, 0, 100000, 0, PaymentTiming::EndOfPeriod};
  std::vector<quarrant::ScheduleRow> rows;
  rows.reserve(kPeriods);
  for (auto _ : state) {
    rows.clear();
    quarrant::LoanSchedule(loan, options,
                           [&](const quarrant::ScheduleRow& row) { rows.push_back(row); });
    benchmark::DoNotOptimize(rows.data());
  }
  state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_LoanSchedule)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
