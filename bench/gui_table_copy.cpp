// Speed of copying a million-row amortization schedule as tab-separated text: building the
// text from the list's model, the whole "Copy" action including the clipboard, and the text
// alone from a model whose texts are ready (what the copy itself costs, formatting aside).
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
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
  window.setReportForm(&report);
  FillMillionRows(window);
  const std::vector<int> rows = rowsToCopy(*window.findChild<QTableView*>(QStringLiteral("lv_as")));
  qsizetype size = 0;
  for (auto _ : state) {
    const QString text = tabSeparatedRows(*window.model(), rows);
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
  window.setReportForm(&report);
  FillMillionRows(window);
  QAction* copy = nullptr;
  for (QAction* action : window.findChild<QTableView*>(QStringLiteral("lv_as"))->actions())
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

// Six ready texts per row, as long as the schedule's: the cost of the copy without formatting.
class ReadyTextModel : public QAbstractTableModel {
 public:
  explicit ReadyTextModel(const ScheduleListModel& schedule) {
    for (int c = 0; c < ScheduleListModel::kColumns; ++c) {
      headers_.append(schedule.headerData(c, Qt::Horizontal).toString());
      texts_.append(schedule.text(kRows / 2, c));
    }
  }
  int rowCount(const QModelIndex& = QModelIndex()) const override { return kRows; }
  int columnCount(const QModelIndex& = QModelIndex()) const override { return texts_.size(); }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return QVariant();
    return texts_.at(index.column());
  }
  QVariant headerData(int section, Qt::Orientation, int role) const override {
    return role == Qt::DisplayRole ? QVariant(headers_.at(section)) : QVariant();
  }

 private:
  QStringList headers_, texts_;
};

void BM_TabSeparatedMillionReadyRows(benchmark::State& state) {
  Tfrm_report report;
  Tfrm_Amortization window;
  window.setReportForm(&report);
  FillMillionRows(window);
  const ReadyTextModel model(*window.model());
  std::vector<int> rows(kRows);
  for (int r = 0; r < kRows; ++r) rows[static_cast<size_t>(r)] = r;
  for (auto _ : state) {
    const QString text = tabSeparatedRows(model, rows);
    benchmark::DoNotOptimize(text.constData());
  }
}
BENCHMARK(BM_TabSeparatedMillionReadyRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarrant

int main(int argc, char** argv) {
  return quarrant::RunGuiBenchmarks(argc, argv);
}
