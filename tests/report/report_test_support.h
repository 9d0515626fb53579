#pragma once
// Helpers of the amortization window and report tests: a schedule window filled with given
// inputs, and readers of the exported files.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_report.h"
#include "support/find_child.h"
#include "support/message_catcher.h"
#include "support/qstring_print.h"
#include "support/read_text.h"

namespace quarrant::test {

using test::MessageCatcher;
using test::ReadText;

// Runs action on the first modal widget of type T that opens, then lets the modal loop go on.
template <class T>
void OnModal(std::function<void(T*)> action) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      action(widget);
    }
  });
  timer->start();
}

struct Inputs {
  QString nper = QStringLiteral("12");
  QString rate = QStringLiteral("12");
  QString pv = QStringLiteral("1000");
  QString fv = QStringLiteral("0");
  int paymentTime = 1;       // cb_pt: 0 beginning, 1 end of period
  int paymentFrequency = 0;  // cb_pmtf: 0 monthly
};

// Types the inputs into the window's fields and presses "&Calculate".
void Calculate(Tfrm_Amortization& window, const Inputs& inputs);

// All rows of the list, each as its six texts.
std::vector<QStringList> ListRows(const Tfrm_Amortization& window);

// Records of a comma-separated file: double-quoted fields, doubled quotes inside.
std::vector<QStringList> ParseCsv(const QString& text);
// Lines of an HTML export read with an XML parser: each heading as one text, each table row
// as the texts of its cells, entities decoded. error (if given) receives the parser's
// complaint, empty for well-formed markup.
std::vector<QStringList> ParseHtmlTable(const QString& html, QString* error = nullptr);
// The non-empty lines of a text, each with its runs of blanks made single spaces.
QStringList SimplifiedLines(const QString& text);

// Text of a PDF as pdftotext lays it out, pages separated by form feeds; empty on failure.
QString PdfToText(const QString& pdfPath);

}  // namespace quarrant::test
