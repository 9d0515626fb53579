#pragma once
// The modal preview window of a report. Its pages are generated on a worker thread while the
// window is open (the report's callbacks run there, and must only read); the window shows a
// page at a time and can print the report.
#include <QDialog>
#include <QPointer>
#include <atomic>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include "report/report_engine.h"

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

  // True once the worker has delivered the pages.
  bool IsGenerated() const { return generated_; }
  int PageCount() const { return static_cast<int>(document_.pages.size()); }
  const ReportDocument& Document() const { return document_; }
  int CurrentPage() const;
  void ShowPage(int pageIndex);
  double Zoom() const;
  void SetZoom(double zoom);

  // Starts generating on the worker (done by the first showing as well).
  void StartGeneration();
  // The error that ended the generation, if any; rethrown by BandedReport::Preview.
  std::exception_ptr GenerationError() const { return error_; }

 signals:
  void pagesReady();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnGenerated();
  void UpdateStatus();
  void StopWorker();

  BandedReport& report_;
  ReportDocument document_;
  bool generated_ = false;
  std::exception_ptr error_;

  std::thread worker_;
  std::atomic<bool> stop_{false};
  std::mutex resultMutex_;
  std::unique_ptr<ReportDocument> pending_;
  std::exception_ptr pendingError_;

  ReportPageView* view_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QLabel* status_ = nullptr;
  QAction* printAction_ = nullptr;
  QAction* firstAction_ = nullptr;
  QAction* previousAction_ = nullptr;
  QAction* nextAction_ = nullptr;
  QAction* lastAction_ = nullptr;
};

}  // namespace quarrant
