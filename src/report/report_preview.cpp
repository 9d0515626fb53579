#include "report/report_preview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "controls/skin.h"
#include "report/report_print.h"
#include "report/report_render.h"
#include "support/error_report.h"

namespace quarrant {

// One page on its sheet of paper, painted at the zoom of the preview. It takes the focus in
// place of the scroll area around it, whose keys scroll the page.
class ReportPageView : public QWidget {
  Q_OBJECT

 public:
  ReportPageView(const ReportPreviewWindow& window, const PageSetup& setup, QWidget* parent)
      : QWidget(parent), window_(window), setup_(setup) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
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
    if (const ReportPage* page = window_.page(page_))
      renderPage(painter, *page, setup_, PxPerMm(), paper.topLeft(), window_.pageFoot(page_));
  }

 private:
  static constexpr int kGap = 12;
  double PxPerMm() const { return zoom_ * logicalDpiX() / 25.4; }
  QSize PaperSize() const {
    return QSize(static_cast<int>(std::lround(setup_.widthMm * PxPerMm())),
                 static_cast<int>(std::lround(setup_.heightMm * PxPerMm())));
  }

  const ReportPreviewWindow& window_;
  const PageSetup setup_;
  int page_ = 0;
  double zoom_ = 1.0;
};

namespace {

// The page as assistive technology sees it: a document named by the status line ("Page 1 of
// 3 ...").
class PageViewAccessible : public QAccessibleWidget {
 public:
  explicit PageViewAccessible(QWidget* view) : QAccessibleWidget(view, QAccessible::Document) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const auto* status = widget()->window()->findChild<QLabel*>(QStringLiteral("lb_status"));
    return status != nullptr ? status->text().trimmed() : QString();
  }
};

QAccessibleInterface* PageViewFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(ReportPageView::staticMetaObject.className()))
    return new PageViewAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

ReportPreviewWindow::ReportPreviewWindow(BandedReport& report, QWidget* parent)
    : QDialog(parent), report_(report) {
  static const bool pageViewAccessible = (QAccessible::installFactory(PageViewFactory), true);
  (void)pageViewAccessible;
  setObjectName(QStringLiteral("frm_preview"));
  setWindowTitle(tr("Print Preview"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  setModal(true);

  auto* toolbar = new QToolBar(this);
  toolbar->setObjectName(QStringLiteral("tb_preview"));
  toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QStyle* st = style();
  printAction_ = toolbar->addAction(skinIcon("print"), tr("&Print"));
  printAction_->setObjectName(QStringLiteral("act_print"));
  pdfAction_ = toolbar->addAction(tr("Save as PDF"));
  pdfAction_->setObjectName(QStringLiteral("act_pdf"));
  toolbar->addSeparator();
  firstAction_ = toolbar->addAction(st->standardIcon(QStyle::SP_MediaSkipBackward), tr("First"));
  previousAction_ = toolbar->addAction(st->standardIcon(QStyle::SP_MediaSeekBackward), tr("Prior"));
  nextAction_ = toolbar->addAction(st->standardIcon(QStyle::SP_MediaSeekForward), tr("Next"));
  lastAction_ = toolbar->addAction(st->standardIcon(QStyle::SP_MediaSkipForward), tr("Last"));
  toolbar->addSeparator();
  QAction* zoomIn = toolbar->addAction(tr("Zoom &In"));
  QAction* zoomOut = toolbar->addAction(tr("Zoom &Out"));
  toolbar->addSeparator();
  QAction* closeAction = toolbar->addAction(tr("&Close"));
  closeAction->setObjectName(QStringLiteral("act_close"));

  view_ = new ReportPageView(*this, report.page(), this);
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
          [this] { Guarded([this] { printOnDefaultPrinter(report_, this); }); });
  connect(pdfAction_, &QAction::triggered, this,
          [this] { Guarded([this] { saveReportAsPdf(report_, this); }); });
  connect(firstAction_, &QAction::triggered, this, [this] { showPage(0); });
  connect(previousAction_, &QAction::triggered, this, [this] { showPage(currentPage() - 1); });
  connect(nextAction_, &QAction::triggered, this, [this] { showPage(currentPage() + 1); });
  connect(lastAction_, &QAction::triggered, this, [this] {
    // The last page may not be made yet: go there as soon as it is.
    if (!generated_) toLastWhenDone_ = true;
    showPage(pageCount() - 1);
  });
  connect(zoomIn, &QAction::triggered, this, [this] { setZoom(zoom() * 1.25); });
  connect(zoomOut, &QAction::triggered, this, [this] { setZoom(zoom() / 1.25); });
  connect(closeAction, &QAction::triggered, this, &QDialog::reject);
  // Every toolbar button takes the focus by Tab, and the common actions have their keys.
  for (QAction* action : toolbar->actions())
    if (QWidget* button = toolbar->widgetForAction(action); button && !action->isSeparator())
      button->setFocusPolicy(Qt::TabFocus);
  scroll_->setFocusPolicy(Qt::NoFocus);
  printAction_->setShortcut(QKeySequence::Print);
  pdfAction_->setShortcut(QKeySequence::Save);
  zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  zoomOut->setShortcut(QKeySequence::ZoomOut);
  firstAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home));
  lastAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_End));
  previousAction_->setShortcut(QKeySequence(Qt::Key_PageUp));
  nextAction_->setShortcut(QKeySequence(Qt::Key_PageDown));
  updateStatus();
}

ReportPreviewWindow::~ReportPreviewWindow() {
  stopWorker();
}

void ReportPreviewWindow::stopWorker() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
}

const ReportPage* ReportPreviewWindow::page(int pageIndex) const {
  if (pageIndex < 0 || pageIndex >= pageCount()) return nullptr;
  std::lock_guard lock(pagesMutex_);
  return &pages_[static_cast<size_t>(pageIndex)];
}

QString ReportPreviewWindow::pageFoot(int pageIndex) const {
  return quarrant::pageFoot(pageIndex, generated_ ? pageCount() : expectedPages_);
}

int ReportPreviewWindow::currentPage() const {
  return view_->Page();
}

void ReportPreviewWindow::showPage(int pageIndex) {
  if (pageCount() == 0) return;
  view_->SetPage(std::clamp(pageIndex, 0, pageCount() - 1));
  scroll_->ensureVisible(0, 0);
  updateStatus();
}

double ReportPreviewWindow::zoom() const {
  return view_->Zoom();
}
void ReportPreviewWindow::setZoom(double zoom) {
  view_->SetZoom(zoom);
  updateStatus();
}

void ReportPreviewWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  startGeneration();
}

void ReportPreviewWindow::addPage(ReportPage&& page) {
  {
    std::lock_guard lock(pagesMutex_);
    pages_.push_back(std::move(page));
  }
  pageCount_.fetch_add(1, std::memory_order_release);
  // One notice at a time is waiting for the user-interface thread; it reads the count then.
  if (!notifyPending_.exchange(true))
    QMetaObject::invokeMethod(
        this, [this] { onPagesAdded(); }, Qt::QueuedConnection);
}

void ReportPreviewWindow::startGeneration() {
  if (started_) return;
  started_ = true;
  // The header and the row snapshot are taken here, on the user-interface thread; the worker
  // then only lays out bands.
  std::exception_ptr error;
  bool begun = false;
  try {
    begun = report_.beginGeneration();
    expectedPages_ = report_.expectedPages();
  } catch (...) {
    error = std::current_exception();
  }
  if (!begun) {
    QMetaObject::invokeMethod(
        this, [this, error] { onGenerated(error); }, Qt::QueuedConnection);
    return;
  }
  worker_ = std::thread([this] {
    std::exception_ptr failure;
    try {
      PageCollector collector([this](ReportPage&& page, int) { addPage(std::move(page)); });
      report_.continueGeneration(collector, true, [this](int64_t) { return !stop_.load(); });
    } catch (...) {
      failure = std::current_exception();
    }
    if (stop_) return;
    QMetaObject::invokeMethod(
        this, [this, failure] { onGenerated(failure); }, Qt::QueuedConnection);
  });
  updateStatus();
}

void ReportPreviewWindow::onPagesAdded() {
  notifyPending_ = false;
  const int count = pageCount();
  if (count > 0 && view_->Page() == 0) view_->update();
  updateStatus();
  emit pagesAdded(count);
}

void ReportPreviewWindow::onGenerated(std::exception_ptr error) {
  if (worker_.joinable()) worker_.join();
  generated_ = true;
  error_ = error;
  if (toLastWhenDone_) showPage(pageCount() - 1);
  view_->update();
  updateStatus();
  emit pagesReady();
  // A report that failed to generate has nothing to show; the error goes to the opener.
  if (error_) reject();
}

void ReportPreviewWindow::updateStatus() {
  const int count = pageCount();
  const int current = currentPage();
  printAction_->setEnabled(generated_ && !error_);
  pdfAction_->setEnabled(generated_ && !error_);
  firstAction_->setEnabled(count > 0 && current > 0);
  previousAction_->setEnabled(count > 0 && current > 0);
  nextAction_->setEnabled(current + 1 < count);
  lastAction_->setEnabled(current + 1 < count || (!generated_ && count > 0));
  const QString before = status_->text();
  if (count == 0)
    status_->setText(generated_ ? tr(" No pages") : tr(" Generating pages..."));
  else
    status_->setText(tr(" Page %1 of %2%3    Zoom %4%")
                         .arg(current + 1)
                         .arg(count)
                         .arg(generated_ ? QString() : tr(" (generating...)"))
                         .arg(static_cast<int>(std::lround(zoom() * 100))));
  // The page is named by this line: a screen reader hears the new page and zoom.
  if (status_->text() != before) {
    QAccessibleEvent renamed(view_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }
}

void previewReport(BandedReport& report, QWidget* parent) {
  ReportPreviewWindow window(report, parent);
  window.exec();
  if (window.generationError()) std::rethrow_exception(window.generationError());
}

}  // namespace quarrant

#include "report_preview.moc"
