#include "report/report_preview.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "support/error_report.h"
#include "report/report_render.h"

namespace quarrant {

// One page on its sheet of paper, painted at the zoom of the preview.
class ReportPageView : public QWidget {
 public:
  explicit ReportPageView(const ReportDocument& document, QWidget* parent)
      : QWidget(parent), document_(document) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateSize();
  }

  int Page() const { return page_; }
  void SetPage(int page) {
    page_ = page;
    update();
  }
  double Zoom() const { return zoom_; }
  void SetZoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.25, 4.0);
    UpdateSize();
    update();
  }
  void UpdateSize() { setFixedSize(PaperSize() + QSize(2 * kGap, 2 * kGap)); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    const QRect paper(QPoint(kGap, kGap), PaperSize());
    painter.fillRect(paper.translated(3, 3), QColor(64, 64, 64));
    painter.fillRect(paper, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    RenderPage(painter, document_, page_, PxPerMm(), paper.topLeft());
  }

 private:
  static constexpr int kGap = 12;
  double PxPerMm() const { return zoom_ * logicalDpiX() / 25.4; }
  QSize PaperSize() const {
    return QSize(static_cast<int>(std::lround(document_.pageWidthMm * PxPerMm())),
                 static_cast<int>(std::lround(document_.pageHeightMm * PxPerMm())));
  }

  const ReportDocument& document_;
  int page_ = 0;
  double zoom_ = 1.0;
};

ReportPreviewWindow::ReportPreviewWindow(BandedReport& report, QWidget* parent)
    : QDialog(parent), report_(report) {
  setObjectName(QStringLiteral("frm_preview"));
  setWindowTitle(QStringLiteral("Print Preview"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  setModal(true);
  document_.pageWidthMm = report.Page().widthMm;
  document_.pageHeightMm = report.Page().heightMm;
  document_.marginMm = report.Page().marginMm;

  auto* toolbar = new QToolBar(this);
  toolbar->setObjectName(QStringLiteral("tb_preview"));
  toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QStyle* st = style();
  printAction_ =
      toolbar->addAction(QIcon(QStringLiteral(":/report/print.xpm")), QStringLiteral("&Print"));
  printAction_->setObjectName(QStringLiteral("act_print"));
  toolbar->addSeparator();
  firstAction_ =
      toolbar->addAction(st->standardIcon(QStyle::SP_MediaSkipBackward), QStringLiteral("First"));
  previousAction_ =
      toolbar->addAction(st->standardIcon(QStyle::SP_MediaSeekBackward), QStringLiteral("Prior"));
  nextAction_ =
      toolbar->addAction(st->standardIcon(QStyle::SP_MediaSeekForward), QStringLiteral("Next"));
  lastAction_ =
      toolbar->addAction(st->standardIcon(QStyle::SP_MediaSkipForward), QStringLiteral("Last"));
  toolbar->addSeparator();
  QAction* zoomIn = toolbar->addAction(QStringLiteral("Zoom &In"));
  QAction* zoomOut = toolbar->addAction(QStringLiteral("Zoom &Out"));
  toolbar->addSeparator();
  QAction* closeAction = toolbar->addAction(QStringLiteral("&Close"));
  closeAction->setObjectName(QStringLiteral("act_close"));

  view_ = new ReportPageView(document_, this);
  scroll_ = new QScrollArea(this);
  scroll_->setWidget(view_);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scroll_->setBackgroundRole(QPalette::Dark);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("lb_status"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolbar);
  layout->addWidget(scroll_, 1);
  layout->addWidget(status_);
  resize(860, 720);

  connect(printAction_, &QAction::triggered, this,
          [this] { Guarded([this] { report_.PrintOnDefaultPrinter(this); }); });
  connect(firstAction_, &QAction::triggered, this, [this] { ShowPage(0); });
  connect(previousAction_, &QAction::triggered, this, [this] { ShowPage(CurrentPage() - 1); });
  connect(nextAction_, &QAction::triggered, this, [this] { ShowPage(CurrentPage() + 1); });
  connect(lastAction_, &QAction::triggered, this, [this] { ShowPage(PageCount() - 1); });
  connect(zoomIn, &QAction::triggered, this, [this] { SetZoom(Zoom() * 1.25); });
  connect(zoomOut, &QAction::triggered, this, [this] { SetZoom(Zoom() / 1.25); });
  connect(closeAction, &QAction::triggered, this, &QDialog::reject);
  firstAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
  lastAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_End));
  previousAction_->setShortcut(QKeySequence(Qt::Key_PageUp));
  nextAction_->setShortcut(QKeySequence(Qt::Key_PageDown));
  UpdateStatus();
}

ReportPreviewWindow::~ReportPreviewWindow() {
  StopWorker();
}

void ReportPreviewWindow::StopWorker() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
}

int ReportPreviewWindow::CurrentPage() const {
  return view_->Page();
}

void ReportPreviewWindow::ShowPage(int pageIndex) {
  if (PageCount() == 0) return;
  view_->SetPage(std::clamp(pageIndex, 0, PageCount() - 1));
  scroll_->ensureVisible(0, 0);
  UpdateStatus();
}

double ReportPreviewWindow::Zoom() const {
  return view_->Zoom();
}
void ReportPreviewWindow::SetZoom(double zoom) {
  view_->SetZoom(zoom);
  UpdateStatus();
}

void ReportPreviewWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  StartGeneration();
}

void ReportPreviewWindow::StartGeneration() {
  if (worker_.joinable() || generated_) return;
  // The callbacks run on the worker; the modal preview keeps their data unchanged meanwhile.
  worker_ = std::thread([this] {
    auto document = std::make_unique<ReportDocument>();
    std::exception_ptr error;
    bool complete = false;
    try {
      complete = report_.GenerateDocument(*document, &stop_);
    } catch (...) {
      error = std::current_exception();
    }
    if (stop_) return;
    {
      std::lock_guard lock(resultMutex_);
      pending_ = complete ? std::move(document) : std::make_unique<ReportDocument>();
      pendingError_ = error;
    }
    QMetaObject::invokeMethod(
        this, [this] { OnGenerated(); }, Qt::QueuedConnection);
  });
  UpdateStatus();
}

void ReportPreviewWindow::OnGenerated() {
  if (worker_.joinable()) worker_.join();
  {
    std::lock_guard lock(resultMutex_);
    if (pending_) {
      document_.pages = std::move(pending_->pages);
      pending_.reset();
    }
    error_ = pendingError_;
  }
  generated_ = true;
  view_->SetPage(0);
  UpdateStatus();
  emit pagesReady();
  // A report that failed to generate has nothing to show; the error goes to the opener.
  if (error_) reject();
}

void ReportPreviewWindow::UpdateStatus() {
  const bool ready = generated_ && PageCount() > 0;
  printAction_->setEnabled(generated_ && !error_);
  firstAction_->setEnabled(ready && CurrentPage() > 0);
  previousAction_->setEnabled(ready && CurrentPage() > 0);
  nextAction_->setEnabled(ready && CurrentPage() + 1 < PageCount());
  lastAction_->setEnabled(ready && CurrentPage() + 1 < PageCount());
  if (!generated_)
    status_->setText(QStringLiteral(" Generating pages..."));
  else if (PageCount() == 0)
    status_->setText(QStringLiteral(" No pages"));
  else
    status_->setText(QStringLiteral(" Page %1 of %2    Zoom %3%")
                         .arg(CurrentPage() + 1)
                         .arg(PageCount())
                         .arg(static_cast<int>(std::lround(Zoom() * 100))));
}

void BandedReport::Preview(QWidget* parent) {
  ReportPreviewWindow window(*this, parent);
  window.exec();
  if (window.GenerationError()) std::rethrow_exception(window.GenerationError());
}

}  // namespace quarrant
