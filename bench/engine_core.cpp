// Speed of the engine's two hot paths: evaluating what the user types into a value field (the
// preview re-evaluates on every keystroke) and solving for the interest rate.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/cmpEvaluator.h"
#include "engine/number_format.h"
#include "engine/time_value.h"

namespace {

using quarrant::Extended;

// 40 characters: every grammar level, blanks, a group, a power and decimal numbers.
const std::string kExpression = "(1250.75 + 3*12.5) / 4 ^ 0.5 - -2 * 1.08";
static_assert(sizeof("(1250.75 + 3*12.5) / 4 ^ 0.5 - -2 * 1.08") - 1 == 40);

void BM_Evaluate40Characters(benchmark::State& state) {
  quarrant::TExpressionEvaluator evaluator;
  evaluator.Expression = kExpression;
  for (auto _ : state) {
    Extended value = evaluator.Evaluate();
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_Evaluate40Characters);

void BM_InterestRateLoan(benchmark::State& state) {
  Extended payment = -599.5505251528L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(payment);
    Extended rate =
        quarrant::InterestRate(360, payment, 100000, 0, quarrant::PaymentTiming::EndOfPeriod);
    benchmark::DoNotOptimize(rate);
  }
}
BENCHMARK(BM_InterestRateLoan);

void BM_PaymentLoan(benchmark::State& state) {
  Extended rate = 0.005L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rate);
    Extended payment =
        quarrant::Payment(rate, 360, 100000, 0, quarrant::PaymentTiming::EndOfPeriod);
    benchmark::DoNotOptimize(payment);
  }
}
BENCHMARK(BM_PaymentLoan);

void BM_FormatGeneral(benchmark::State& state) {
  Extended value = 1.0L / 3;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    std::string text = quarrant::FormatGeneral(value);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatGeneral);

}  // namespace
