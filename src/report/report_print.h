#pragma once
// Printing a report: pages are painted on the printer as they are generated, one at a time,
// under a progress window whose Cancel stops the job; PDF files go the same way.
#include <QString>
#include <QStringList>
#include <functional>

#include "report/report_engine.h"

class QPrinter;
class QWidget;

namespace quarrant {

// Prints report on printer (A4 portrait, full page, one copy). Returns false when the
// generation was cancelled (by its handler or by the user); raises EReportError when the
// printer fails.
bool printReport(BandedReport& report, QPrinter& printer, QWidget* progressParent = nullptr);

// Writes the pages the printer would get into a PDF file, atomically like the exports.
bool writeReportPdf(BandedReport& report, const QString& fileName,
                    QWidget* progressParent = nullptr);

// Asks for a file through a save dialog with the filter "PDF files (*.pdf)" and writes the
// report there. False when the user cancels.
bool saveReportAsPdf(BandedReport& report, QWidget* parent);

// Prints on the system's default printer without asking. Without a printer, says so and
// offers to save the report as a PDF file instead.
void printOnDefaultPrinter(BandedReport& report, QWidget* parent);

// The installed printers, the default first. Tests replace the lookup with a list of their own.
using PrinterLookup = std::function<QStringList()>;
QStringList installedPrinters();
void setPrinterLookup(PrinterLookup lookup);  // empty: the system's printers

// Texts of the question asked when there is no printer.
extern const char* const kNoPrinterQuestion;

}  // namespace quarrant
