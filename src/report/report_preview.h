#pragma once
// The modal preview window of a report. The header is filled on the user-interface thread
// when the window opens; a worker thread then lays out the pages while the window is shown
// (the report's row callback runs there, and must only read). The first page shows as soon
// as it is made and the page count grows as the worker goes on. The window can print the
// report and save it as a PDF file.
#include <QDialog>
#include <QElapsedTimer>
#include <atomic>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "report/report_page.h"

class QAction;
class QLabel;
class QScrollArea;

namespace quarrant {

class ReportPageView;

class ReportPreviewWindow : public QDialog {
  Q_OBJECT

 public:
  ReportPreviewWindow(BandedReport& report, QWidget* parent = nullptr);
  ~ReportPreviewWindow() override;

  // True once the worker has made every page.
  bool isGenerated() const { return generated_; }
  // Pages made so far.
  int pageCount() const { return pageCount_.load(std::memory_order_acquire); }
  // A page made so far, or nullptr. Pages never move once made.
  const ReportPage* page(int pageIndex) const;
  // The foot of a page: "Page n of m", with m the pages the report is known to fill.
  QString pageFoot(int pageIndex) const;
  int currentPage() const;
  void showPage(int pageIndex);
  double zoom() const;
  void setZoom(double zoom);

  // Starts generating (done by the first showing as well).
  void startGeneration();
  // The error that ended the generation, if any; rethrown by previewReport.
  std::exception_ptr generationError() const { return error_; }

 signals:
  // Pages were added; the window shows its first page at the first of these.
  void pagesAdded(int pageCount);
  // Every page is made.
  void pagesReady();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void onPagesAdded();
  void onGenerated(std::exception_ptr error);
  void updateStatus();
  void stopWorker();
  void addPage(ReportPage&& page);

  BandedReport& report_;
  bool started_ = false;
  bool generated_ = false;
  bool toLastWhenDone_ = false;
  int64_t expectedPages_ = -1;
  std::exception_ptr error_;

  std::thread worker_;
  std::atomic<bool> stop_{false};
  mutable std::mutex pagesMutex_;
  std::deque<ReportPage> pages_;
  std::atomic<int> pageCount_{0};
  std::atomic<bool> notifyPending_{false};
  static constexpr int kNoticeEveryMs = 100;
  QElapsedTimer sinceNotice_;  // worker only

  ReportPageView* view_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QLabel* status_ = nullptr;
  QAction* printAction_ = nullptr;
  QAction* pdfAction_ = nullptr;
  QAction* firstAction_ = nullptr;
  QAction* previousAction_ = nullptr;
  QAction* nextAction_ = nullptr;
  QAction* lastAction_ = nullptr;
};

// Shows the modal preview of report; an error while generating is rethrown afterwards.
void previewReport(BandedReport& report, QWidget* parent = nullptr);

}  // namespace quarrant
