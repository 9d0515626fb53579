#pragma once
// The progress window of a long export or print: the rows done (of how many, when known) and
// a Cancel button. The work runs on the user-interface thread in slices: Step is called after
// every row and, a few times a second, updates the window and lets the event loop run, so
// the window stays responsive. The window appears only once the work has taken longer than
// a moment (or at once when asked); until then no events are processed, so nothing else can
// start meanwhile.
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <cstdint>

class QProgressDialog;
class QWidget;

namespace quarrant {

class ReportProgress {
 public:
  static constexpr int kShowAfterMs = 500;

  ReportProgress(QWidget* parent, QString caption, QString verb, int64_t expectedRows);
  ~ReportProgress();
  ReportProgress(const ReportProgress&) = delete;
  ReportProgress& operator=(const ReportProgress&) = delete;

  // Shows the window now rather than after a moment.
  void ShowNow();
  // Called after each row; false once the user has pressed Cancel.
  bool Step(int64_t rows) {
    if (++sinceCheck_ < kRowsPerCheck && !showNow_) return !canceled_;
    return Check(rows);
  }
  // For a worker that reports from elsewhere: forces an update with this row count and page.
  bool Update(int64_t rows, int page);
  bool Canceled() const { return canceled_; }
  // The window while it is shown (tests press its Cancel button).
  QProgressDialog* Dialog() const { return dialog_; }

 private:
  static constexpr int kRowsPerCheck = 16;
  static constexpr int kUpdateEveryMs = 50;
  bool Check(int64_t rows);
  void Show();
  void Refresh(int64_t rows);

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
