#include "report/report_progress.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProgressDialog>

namespace quarrant {

ReportProgress::ReportProgress(QWidget* parent, QString caption, QString verb, int64_t expectedRows)
    : parent_(parent),
      caption_(std::move(caption)),
      verb_(std::move(verb)),
      expected_(expectedRows) {
  started_.start();
}

ReportProgress::~ReportProgress() {
  delete dialog_;
}

void ReportProgress::showNow() {
  showNow_ = true;
  show();
  refresh(0);
}

bool ReportProgress::check(int64_t rows) {
  sinceCheck_ = 0;
  const qint64 now = started_.elapsed();
  if (!dialog_ && now < kShowAfterMs) return !canceled_;
  if (now - lastUpdate_ < kUpdateEveryMs && dialog_) return !canceled_;
  lastUpdate_ = now;
  if (!dialog_) show();
  refresh(rows);
  return !canceled_;
}

bool ReportProgress::update(int64_t rows, int page) {
  page_ = page;
  const qint64 now = started_.elapsed();
  if (!dialog_ && now < kShowAfterMs && !showNow_) return !canceled_;
  if (dialog_ && now - lastUpdate_ < kUpdateEveryMs) return !canceled_;
  lastUpdate_ = now;
  if (!dialog_) show();
  refresh(rows);
  return !canceled_;
}

void ReportProgress::show() {
  if (dialog_) return;
  dialog_ = new QProgressDialog(parent_);
  dialog_->setObjectName(QStringLiteral("frm_progress"));
  dialog_->setWindowTitle(caption_);
  dialog_->setCancelButtonText(tr("Cancel"));
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumDuration(0);
  dialog_->setMinimumWidth(360);
  if (expected_ > 0)
    dialog_->setRange(0, 1000);
  else
    dialog_->setRange(0, 0);  // busy indicator: the total is unknown
  dialog_->show();
}

void ReportProgress::refresh(int64_t rows) {
  if (!dialog_) return;
  const QLocale locale;
  // The verb comes first ("Writing row 3 of 10, page 1"); a translation may move it.
  QString text = expected_ >= 0
                     ? tr("%1 row %2 of %3")
                           .arg(verb_, locale.toString(static_cast<qlonglong>(rows)),
                                locale.toString(static_cast<qlonglong>(expected_)))
                     : tr("%1 row %2").arg(verb_, locale.toString(static_cast<qlonglong>(rows)));
  if (page_ >= 0) text = tr("%1, page %2").arg(text).arg(page_ + 1);
  dialog_->setLabelText(text);
  if (expected_ > 0)
    dialog_->setValue(static_cast<int>(std::min<int64_t>(1000, rows * 1000 / expected_)));
  QCoreApplication::processEvents();
  if (dialog_->wasCanceled()) canceled_ = true;
}

}  // namespace quarrant
