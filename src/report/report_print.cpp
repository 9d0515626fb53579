// Printing a report: generate it, then paint page by page while a progress window shows how
// far the printer has come; the user can cancel between pages.
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include "report/report_engine.h"
#include "report/report_render.h"

namespace quarrant {

void BandedReport::Print(QPrinter& printer, QWidget* progressParent) {
  ReportDocument document;
  if (!GenerateDocument(document)) return;

  printer.setFullPage(true);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                    QPageLayout::Millimeter));
  printer.setCopyCount(1);
  printer.setPrintRange(QPrinter::AllPages);
  if (printer.docName().isEmpty()) printer.setDocName(title_);

  const int pageCount = static_cast<int>(document.pages.size());
  QProgressDialog progress(progressParent);
  progress.setWindowTitle(QStringLiteral("Printing"));
  progress.setLabelText(QStringLiteral("Printing page 1 of %1").arg(pageCount));
  progress.setRange(0, pageCount);
  progress.setMinimumDuration(0);
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setValue(0);

  QPainter painter;
  if (!painter.begin(&printer))
    throw EReportError(printer.printerName().isEmpty()
                           ? std::string("The printer could not be started")
                           : "The printer \"" + printer.printerName().toStdString() +
                                 "\" could not be started");
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double pxPerMm = printer.resolution() / 25.4;
  for (int i = 0; i < pageCount; ++i) {
    progress.setLabelText(QStringLiteral("Printing page %1 of %2").arg(i + 1).arg(pageCount));
    progress.setValue(i);
    QCoreApplication::processEvents();
    if (progress.wasCanceled()) {
      printer.abort();
      return;
    }
    if (i > 0 && !printer.newPage()) {
      painter.end();
      throw EReportError("The printer stopped at page " + std::to_string(i + 1));
    }
    RenderPage(painter, document, i, pxPerMm);
  }
  if (!painter.end()) throw EReportError("The printer could not finish the report");
  progress.setValue(pageCount);
}

void BandedReport::PrintOnDefaultPrinter(QWidget* progressParent) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull())
    throw EReportError(
        "No printer is installed. Set up a printer in the system settings to print the report");
  QPrinter printer(info, QPrinter::HighResolution);
  Print(printer, progressParent);
}

}  // namespace quarrant
