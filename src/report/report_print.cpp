#include "report/report_print.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <string>

#include "report/report_file.h"
#include "report/report_page.h"
#include "report/report_progress.h"
#include "report/report_render.h"
#include "support/error_report.h"

namespace quarrant {

const char* const kNoPrinterQuestion = QT_TRANSLATE_NOOP(
    "ReportPrint",
    "No printer is installed, so the report cannot be printed. Save it as a PDF file instead?");

namespace {

// The context of this file's texts.
struct ReportPrint {
  Q_DECLARE_TR_FUNCTIONS(ReportPrint)
};

PrinterLookup& Lookup() {
  static PrinterLookup lookup;
  return lookup;
}

}  // namespace

QStringList installedPrinters() {
  if (Lookup()) return Lookup()();
  QStringList names;
  const QPrinterInfo preferred = QPrinterInfo::defaultPrinter();
  if (!preferred.isNull()) names.append(preferred.printerName());
  for (const QString& name : QPrinterInfo::availablePrinterNames())
    if (!names.contains(name)) names.append(name);
  return names;
}

void setPrinterLookup(PrinterLookup lookup) {
  Lookup() = std::move(lookup);
}

bool printReport(BandedReport& report, QPrinter& printer, QWidget* progressParent) {
  printer.setFullPage(true);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                    QPageLayout::Millimeter));
  printer.setCopyCount(1);
  printer.setPrintRange(QPrinter::AllPages);
  if (printer.docName().isEmpty()) printer.setDocName(report.title());
  if (!report.beginGeneration()) return false;

  ReportProgress progress(progressParent, ReportProgress::tr("Printing", "window title"),
                          ReportProgress::tr("Printing", "verb: Printing row 3 of 10"),
                          report.expectedRows());
  progress.showNow();
  QPainter painter;
  if (!painter.begin(&printer))
    throw EReportError((printer.printerName().isEmpty()
                            ? ReportPrint::tr("The printer could not be started")
                            : ReportPrint::tr("The printer \"%1\" could not be started")
                                  .arg(printer.printerName()))
                           .toStdString());
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double pxPerMm = printer.resolution() / 25.4;
  const int64_t pageCount = report.expectedPages();
  int64_t rowsDone = 0;
  // Each page goes to the printer as soon as it is laid out, and is then forgotten.
  PageCollector pages([&](ReportPage&& page, int index) {
    if (index > 0 && !printer.newPage())
      throw EReportError(
          ReportPrint::tr("The printer stopped at page %1").arg(index + 1).toStdString());
    renderPage(painter, page, report.page(), pxPerMm, {}, pageFoot(index, pageCount));
    progress.update(rowsDone, index);
  });
  bool complete = false;
  try {
    complete = report.continueGeneration(pages, true, [&](int64_t rows) {
      rowsDone = rows;
      return progress.step(rows) && !progress.canceled();
    });
  } catch (...) {
    printer.abort();
    painter.end();
    throw;
  }
  if (!complete) {
    printer.abort();
    painter.end();
    return false;
  }
  if (!painter.end() || printer.printerState() == QPrinter::Error)
    throw EReportError(ReportPrint::tr("The printer could not finish the report").toStdString());
  return true;
}

bool writeReportPdf(BandedReport& report, const QString& fileName, QWidget* progressParent) {
  // The printer writes to a path of its own: a temporary file beside the target, whose bytes
  // then go to the target through a ReportFile like an export's.
  checkWritable(fileName);
  const QFileInfo target(fileName);
  QTemporaryFile pages(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                       QStringLiteral(".XXXXXX"));
  if (!pages.open()) throw EInOutError(cannotWrite(fileName, pages.errorString()));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pages.fileName());
  try {
    if (!printReport(report, printer, progressParent)) return false;  // pages removes itself
  } catch (const EReportError&) {
    throw EInOutError(cannotWrite(fileName, ReportPrint::tr("the PDF could not be written")));
  }
  ReportFile file(fileName);
  QFile written(pages.fileName());
  if (!written.open(QIODevice::ReadOnly))
    throw EInOutError(cannotWrite(fileName, written.errorString()));
  std::string& out = file.buffer();
  constexpr qint64 kChunk = 1 << 20;
  for (;;) {
    const size_t start = out.size();
    out.resize(start + kChunk);
    const qint64 got = written.read(out.data() + start, kChunk);
    out.resize(start + static_cast<size_t>(std::max<qint64>(got, 0)));
    if (got < 0) throw EInOutError(cannotWrite(fileName, written.errorString()));
    if (got == 0) break;
    file.maybeFlush();
  }
  file.commit();
  return true;
}

bool saveReportAsPdf(BandedReport& report, QWidget* parent) {
  QFileDialog dialog(parent, ReportPrint::tr("Save as PDF"));
  dialog.setObjectName(QStringLiteral("PdfSaveDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({ReportPrint::tr("PDF files (*.pdf)")});
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  return writeReportPdf(report, dialog.selectedFiles().first(), parent);
}

void printOnDefaultPrinter(BandedReport& report, QWidget* parent) {
  const QStringList printers = installedPrinters();
  if (printers.isEmpty()) {
    const auto answer =
        QMessageBox::question(parent, ApplicationTitle(), ReportPrint::tr(kNoPrinterQuestion),
                              QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) saveReportAsPdf(report, parent);
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(printers.first());
  printReport(report, printer, parent);
}

}  // namespace quarrant
