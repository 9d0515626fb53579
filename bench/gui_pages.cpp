// Speed of the calculator pages with large inputs: Calculate on the cash flow page with 1,000
// groups of 1,000 flows each (a million flows), and a depreciation table of 1,000,000 years,
// made, shown and scrolled to its end.
#include <benchmark/benchmark.h>

#include "gui_bench_support.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <fstream>
#include <string>

#include "controls/numeric_edit.h"
#include "controls/page_control.h"
#include "controls/spin_edit.h"
#include "forms/Utfrm_ZavuzirEza.h"

namespace quarrant {
namespace {

// The window, shown on the given page, as a user would have it; its controls are reached by
// object name.
struct ShownWindow {
  explicit ShownWindow(const char* page) {
    window.show();
    get<PageControl>("pc_main")->setCurrentWidget(get<QWidget>(page));
    QApplication::processEvents();
  }
  template <class T>
  T* get(const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
  }
  Tfrm_ZavuzirEza window;
};

void BM_CashFlowCalculateMillionFlows(benchmark::State& state) {
  ShownWindow w("ts_CashFlow");
  // An outlay of 1,000 x 1,000 followed by 999 groups of 1,000 returns of 1.5.
  for (int group = 0; group < 1000; ++group) {
    w.get<NumericEdit>("se_amount")->setValue(group == 0 ? -1000.0 : 1.5);
    w.get<SpinEdit>("se_Times")->setValue(1000);
    w.get<QPushButton>("sb_Insert")->click();
  }
  // 0.001 % a period keeps the largest compound factor, 1.00001^999999, near e^10.
  w.get<NumericEdit>("se_diarate")->setValue(0.001);
  w.get<QComboBox>("cb_digits")->setCurrentIndex(0);  // "General": the results in full
  for (auto _ : state) {
    w.get<QPushButton>("sb_calculate")->click();
    QApplication::processEvents();  // the result boxes repainted
  }
  state.SetLabel(QStringLiteral("IRR %1, NPV %2, NFV %3")
                     .arg(w.get<QLineEdit>("se_irr")->text(), w.get<QLineEdit>("se_npv")->text(),
                          w.get<QLineEdit>("se_nfv")->text())
                     .toStdString());
}
BENCHMARK(BM_CashFlowCalculateMillionFlows)->Unit(benchmark::kMillisecond)->UseRealTime();

// Calculate with the given method and a life of 1,000,000 years, until the table is shown.
void BM_DepreciationMillionYears(benchmark::State& state) {
  ShownWindow w("ts_Depreciation");
  w.get<QLineEdit>("ed_cb")->setText(QStringLiteral("1000000"));
  w.get<QLineEdit>("ed_sv")->setText(QStringLiteral("0"));
  w.get<QLineEdit>("ed_el")->setText(QStringLiteral("1000000"));
  w.get<QLineEdit>("ed_fact")->setText(QStringLiteral("1.5"));
  w.get<QComboBox>("cb_method")->setCurrentIndex(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    w.get<QPushButton>("sb_calc")->click();
    w.get<QTableView>("lv_pery")->viewport()->repaint();
    QApplication::processEvents();
  }
  state.counters["rows"] = w.get<QTableView>("lv_pery")->model()->rowCount();
  state.counters["peak_MB"] = StatusMegabytes("VmHWM");
}
BENCHMARK(BM_DepreciationMillionYears)
    ->ArgName("method")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// With a table of 1,000,000 years shown: jump to its end and back, painting each time.
void BM_DepreciationScrollToEnd(benchmark::State& state) {
  ShownWindow w("ts_Depreciation");
  w.get<QLineEdit>("ed_cb")->setText(QStringLiteral("1000000"));
  w.get<QLineEdit>("ed_sv")->setText(QStringLiteral("0"));
  w.get<QLineEdit>("ed_el")->setText(QStringLiteral("1000000"));
  w.get<QPushButton>("sb_calc")->click();
  QApplication::processEvents();
  QTableView* const list = w.get<QTableView>("lv_pery");
  for (auto _ : state) {
    list->scrollToBottom();
    list->viewport()->repaint();
    list->scrollToTop();
    list->viewport()->repaint();
  }
  list->scrollToBottom();
  const QModelIndex last = list->indexAt(list->viewport()->rect().bottomLeft() - QPoint(-2, 2));
  state.SetLabel(("last row shown: " + last.data().toString()).toStdString());
}
BENCHMARK(BM_DepreciationScrollToEnd)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace quarrant

int main(int argc, char** argv) {
  return quarrant::RunGuiBenchmarks(argc, argv);
}
