// Speed and memory of the amortization report with long schedules: each export format, a
// PDF printed through the printer path (time until the first page is handed over, and in
// all), and the preview (its first page, and all pages). Memory is the peak resident size
// during the run above what the process held before it (the window with its list).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <array>
#include <fstream>
#include <memory>

#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_report.h"
#include "gui_bench_support.h"
#include "report/export_filters.h"
#include "report/report_preview.h"
#include "report/report_print.h"

namespace quarrant {
namespace {

// One window per row count, kept for the whole run (computing a million rows takes a while).
struct Schedule {
  Tfrm_report report;
  Tfrm_Amortization window;
  explicit Schedule(int32_t rows) {
    window.setReportForm(&report);
    window.SetPeriods(rows);
    window.SetAnnualRate(6);
    window.SetPresentValue(100000);
    window.SetPaymentTime(1);
    window.SetPaymentFrequency(0);
    window.CalculateSchedule();
    window.show();  // binds the report
  }
  BandedReport& Report() { return *report.rep_schedule; }
};

Schedule& ScheduleOf(int32_t rows) {
  static std::unique_ptr<Schedule> current;
  static int32_t held = -1;
  if (held != rows) {
    current.reset();
    current = std::make_unique<Schedule>(rows);
    held = rows;
  }
  return *current;
}

// Starts a new peak: the kernel sets the peak resident size back to the current one.
double ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
  return StatusMegabytes("VmRSS");
}

void BM_Export(benchmark::State& state) {
  const int format = static_cast<int>(state.range(0));
  Schedule& schedule = ScheduleOf(static_cast<int32_t>(state.range(1)));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("schedule"));
  const double base = ResetPeak();
  for (auto _ : state) {
    std::unique_ptr<ExportFilter> filter;
    if (format == 0) filter = std::make_unique<TextExportFilter>(path);
    if (format == 1) filter = std::make_unique<CsvExportFilter>(path);
    if (format == 2) filter = std::make_unique<HtmlExportFilter>(path);
    filter->exportReport(schedule.Report(), &schedule.window);
  }
  state.counters["file_MB"] = QFile(path).size() / 1048576.0;
  state.counters["peak_above_MB"] = StatusMegabytes("VmHWM") - base;
  state.SetLabel(format == 0 ? "text" : format == 1 ? "csv" : "html");
}
// The library picks the iteration count (at least half a second of runs), so that the short
// 100,000-row exports are timed over many runs, not two.
BENCHMARK(BM_Export)->ArgsProduct({{0, 1, 2}, {100'000, 1'000'000}})->Unit(benchmark::kMillisecond);

// The same exports with the amount texts written beforehand (a few distinct rows in turn): the
// cost of the report and the file alone, without the amount formatter.
void BM_ExportPreformatted(benchmark::State& state) {
  const int format = static_cast<int>(state.range(0));
  const int64_t rowCount = state.range(1);
  Schedule& schedule = ScheduleOf(360);
  BandedReport& report = schedule.Report();
  const auto saved = report.onNeedData;
  std::vector<std::array<std::string, 6>> texts;
  for (int r = 0; r < 360; ++r) {
    std::array<std::string, 6> row;
    for (int c = 0; c < 6; ++c)
      row[static_cast<size_t>(c)] = schedule.window.model()->text(r, c).toStdString();
    texts.push_back(row);
  }
  ReportBand* detail = report.band(BandKind::Detail);
  int64_t next = 0;
  report.onNeedData = [&](QObject*, bool& more) {
    more = next < rowCount;
    if (more)
      for (int c = 0; c < 6; ++c)
        detail->labels()[static_cast<size_t>(c)]->setUtf8(
            texts[static_cast<size_t>(next % 360)][static_cast<size_t>(c)]);
    ++next;
  };
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("schedule"));
  for (auto _ : state) {
    next = 0;
    std::unique_ptr<ExportFilter> filter;
    if (format == 0) filter = std::make_unique<TextExportFilter>(path);
    if (format == 1) filter = std::make_unique<CsvExportFilter>(path);
    if (format == 2) filter = std::make_unique<HtmlExportFilter>(path);
    filter->exportReport(report, &schedule.window);
  }
  report.onNeedData = saved;
  state.counters["file_MB"] = QFile(path).size() / 1048576.0;
  state.SetLabel(format == 0 ? "text" : format == 1 ? "csv" : "html");
}
BENCHMARK(BM_ExportPreformatted)
    ->ArgsProduct({{0, 1, 2}, {100'000, 1'000'000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// Rows on the first page: what the title and the column headers leave of 277 mm.
constexpr int kFirstPageRows = 37;

void BM_PrintPdf(benchmark::State& state) {
  Schedule& schedule = ScheduleOf(static_cast<int32_t>(state.range(0)));
  QTemporaryDir dir;
  const double base = ResetPeak();
  double firstPageMs = 0;
  auto rows = schedule.Report().onNeedData;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    int calls = 0;
    // The row after the first page's last one is asked for once page 1 went to the printer.
    schedule.Report().onNeedData = [&](QObject* sender, bool& more) {
      if (++calls == kFirstPageRows + 2)
        firstPageMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
      rows(sender, more);
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("schedule.pdf")));
    printReport(schedule.Report(), printer, &schedule.window);
  }
  schedule.Report().onNeedData = rows;
  state.counters["first_page_ms"] = firstPageMs;
  state.counters["file_MB"] =
      QFile(dir.filePath(QStringLiteral("schedule.pdf"))).size() / 1048576.0;
  state.counters["peak_above_MB"] = StatusMegabytes("VmHWM") - base;
}
BENCHMARK(BM_PrintPdf)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Preview(benchmark::State& state) {
  Schedule& schedule = ScheduleOf(static_cast<int32_t>(state.range(0)));
  const double base = ResetPeak();
  double firstPageMs = 0;
  int pages = 0;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    ReportPreviewWindow preview(schedule.Report(), &schedule.window);
    preview.show();  // starts the worker
    while (preview.pageCount() == 0) QApplication::processEvents(QEventLoop::AllEvents, 1);
    QApplication::processEvents();  // the first page painted
    firstPageMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    while (!preview.isGenerated()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    pages = preview.pageCount();
  }
  state.counters["first_page_ms"] = firstPageMs;
  state.counters["pages"] = pages;
  state.counters["peak_above_MB"] = StatusMegabytes("VmHWM") - base;
}
BENCHMARK(BM_Preview)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace quarrant

int main(int argc, char** argv) {
  return quarrant::RunGuiBenchmarks(argc, argv);
}
