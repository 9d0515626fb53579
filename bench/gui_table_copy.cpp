// Speed of copying a million-row amortization schedule as tab-separated text: building the
// text from the list's model, and the whole "Copy" action including the clipboard.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTableView>

#include "controls/table_copy.h"
#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_report.h"
#include "gui_bench_support.h"

namespace quarrant {
namespace {

constexpr int kRows = 1'000'000;

void FillMillionRows(Tfrm_Amortization& window) {
  window.SetPeriods(kRows);
  window.SetAnnualRate(6);
  window.SetPresentValue(100000);
  window.SetPaymentTime(1);
  window.SetPaymentFrequency(0);
  window.CalculateSchedule();
}

void BM_TabSeparatedMillionRows(benchmark::State& state) {
  Tfrm_report report;
  Tfrm_Amortization window;
  FillMillionRows(window);
  const std::vector<int> rows = RowsToCopy(*window.lv_as);
  qsizetype size = 0;
  for (auto _ : state) {
    const QString text = TabSeparatedRows(*window.Model(), rows);
    size = text.size();
    benchmark::DoNotOptimize(text.constData());
  }
  state.counters["MB"] = static_cast<double>(size) * 2 / (1024.0 * 1024.0);
}
BENCHMARK(BM_TabSeparatedMillionRows)->Unit(benchmark::kMillisecond);

// What Ctrl+C does: rows of the selection (none: all), the text, the clipboard.
void BM_CopyActionMillionRows(benchmark::State& state) {
  Tfrm_report report;
  Tfrm_Amortization window;
  FillMillionRows(window);
  QAction* copy = nullptr;
  for (QAction* action : window.lv_as->actions())
    if (action->text() == QLatin1String("Copy")) copy = action;
  if (copy == nullptr) {
    state.SkipWithError("the list has no Copy action");
    return;
  }
  for (auto _ : state) {
    copy->trigger();
    benchmark::DoNotOptimize(QGuiApplication::clipboard());
  }
  state.counters["resident_MB"] = StatusMegabytes("VmHWM");
}
BENCHMARK(BM_CopyActionMillionRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarrant

int main(int argc, char** argv) {
  return quarrant::RunGuiBenchmarks(argc, argv);
}
