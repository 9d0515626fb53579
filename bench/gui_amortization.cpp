// Speed of the amortization window and its report: opening with 360 and 1,000,000 periods,
// exporting 100,000 rows to CSV, and generating the preview pages of 360 rows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTableView>
#include <QTemporaryDir>
#include <fstream>
#include <string>
#include "gui_bench_support.h"

#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_report.h"
#include "report/export_filters.h"
#include "report/report_preview.h"
#include "report/report_render.h"

namespace quarrant {
namespace {

// What the main window's "&Amortization" does before the modal loop, plus the first showing.
void Open(Tfrm_Amortization& window, int32_t periods) {
  window.SetPeriods(periods);
  window.SetAnnualRate(6);
  window.SetPresentValue(100000);
  window.SetPaymentTime(1);
  window.SetPaymentFrequency(0);
  window.CalculateSchedule();
  window.show();
  QApplication::processEvents();
  benchmark::DoNotOptimize(window.model()->rowCount());
}

void OpenWindow(int32_t periods) {
  Tfrm_Amortization window;
  Open(window, periods);
}

void BM_OpenWindow360(benchmark::State& state) {
  Tfrm_report report;
  for (auto _ : state) OpenWindow(360);
}
BENCHMARK(BM_OpenWindow360)->Unit(benchmark::kMillisecond);

void BM_OpenWindowMillion(benchmark::State& state) {
  Tfrm_report report;
  double resident = 0, scrollMs = 0;
  for (auto _ : state) {
    Tfrm_Amortization window;
    Open(window, 1'000'000);
    resident = StatusMegabytes("VmRSS");
    // Responsiveness of the long list: jump to its last row and paint it (not timed above).
    state.PauseTiming();
    QElapsedTimer scroll;
    scroll.start();
    window.findChild<QTableView*>(QStringLiteral("lv_as"))->scrollToBottom();
    window.findChild<QTableView*>(QStringLiteral("lv_as"))->viewport()->repaint();
    QApplication::processEvents();
    scrollMs = static_cast<double>(scroll.nsecsElapsed()) / 1e6;
    state.ResumeTiming();
  }
  state.counters["scroll_to_end_ms"] = scrollMs;
  state.counters["resident_MB"] = resident;
  state.counters["peak_resident_MB"] = StatusMegabytes("VmHWM");
}
BENCHMARK(BM_OpenWindowMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportCsv100k(benchmark::State& state) {
  Tfrm_report report;
  Tfrm_Amortization window;
  window.setReportForm(&report);
  window.SetPeriods(100'000);
  window.SetAnnualRate(6);
  window.SetPresentValue(100000);
  window.CalculateSchedule();
  window.show();  // binds the report
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("schedule.csv"));
  for (auto _ : state) CsvExportFilter(path).exportReport(*report.rep_schedule);
  state.counters["file_MB"] = QFile(path).size() / 1048576.0;
}
BENCHMARK(BM_ExportCsv100k)->Unit(benchmark::kMillisecond);

// The preview's work: pages generated on its worker thread, then every page painted at
// screen resolution as the preview shows it.
void BM_PreviewPages360(benchmark::State& state) {
  Tfrm_report report;
  Tfrm_Amortization window;
  window.setReportForm(&report);
  window.SetPeriods(360);
  window.SetAnnualRate(6);
  window.SetPresentValue(100000);
  window.CalculateSchedule();
  window.show();  // binds the report
  int pages = 0;
  for (auto _ : state) {
    ReportPreviewWindow preview(*report.rep_schedule, &window);
    preview.startGeneration();
    while (!preview.isGenerated()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    pages = preview.pageCount();
    const double pxPerMm = 96 / 25.4;
    QImage image(static_cast<int>(210 * pxPerMm), static_cast<int>(297 * pxPerMm),
                 QImage::Format_ARGB32_Premultiplied);
    for (int p = 0; p < pages; ++p) {
      image.fill(Qt::white);
      QPainter painter(&image);
      renderPage(painter, *preview.page(p), report.rep_schedule->page(), pxPerMm);
    }
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_PreviewPages360)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarrant

int main(int argc, char** argv) {
  return quarrant::RunGuiBenchmarks(argc, argv);
}
