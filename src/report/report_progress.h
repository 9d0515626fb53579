#pragma once
// The progress window of a long export or print: the rows done (of how many, when known) and
// a Cancel button. The work runs on the user-interface thread in slices: step() is called after
// every row and, a few times a second, updates the window and lets the event loop run, so
// the window stays responsive. The window appears only once the work has taken longer than
// a moment (or at once when asked); until then no events are processed, so nothing else can
// start meanwhile.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <cstdint>

class QProgressDialog;
class QWidget;

namespace quarrant {

class ReportProgress {
  Q_DECLARE_TR_FUNCTIONS(ReportProgress)

 public:
  static constexpr int kShowAfterMs = 500;

  ReportProgress(QWidget* parent, QString caption, QString verb, int64_t expectedRows);
  ~ReportProgress();
  ReportProgress(const ReportProgress&) = delete;
  ReportProgress& operator=(const ReportProgress&) = delete;

  // Shows the window now rather than after a moment.
  void showNow();
  // Called after each row; false once the user has pressed Cancel.
  bool step(int64_t rows) {
    if (++sinceCheck_ < kRowsPerCheck && !showNow_) return !canceled_;
    return check(rows);
  }
  // For a worker that reports from elsewhere: forces an update with this row count and page.
  bool update(int64_t rows, int page);
  bool canceled() const { return canceled_; }
  // The window while it is shown (tests press its Cancel button).
  QProgressDialog* dialog() const { return dialog_; }

 private:
  static constexpr int kRowsPerCheck = 16;
  static constexpr int kUpdateEveryMs = 50;
  bool check(int64_t rows);
  void show();
  void refresh(int64_t rows);

  QPointer<QWidget> parent_;
  QString caption_;
  QString verb_;
  int64_t expected_;
  QElapsedTimer started_;
  qint64 lastUpdate_ = 0;
  int sinceCheck_ = 0;
  int page_ = -1;
  bool showNow_ = false;
  bool canceled_ = false;
  QProgressDialog* dialog_ = nullptr;
};

}  // namespace quarrant
