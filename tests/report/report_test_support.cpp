#include "report_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QXmlStreamReader>

namespace quarrant::test {

void Calculate(Tfrm_Amortization& window, const Inputs& inputs) {
  Child<QLineEdit>(window, "se_NPer")->setText(inputs.nper);
  Child<QLineEdit>(window, "se_i")->setText(inputs.rate);
  Child<QLineEdit>(window, "se_pv")->setText(inputs.pv);
  Child<QLineEdit>(window, "se_fv")->setText(inputs.fv);
  Child<QComboBox>(window, "cb_pt")->setCurrentIndex(inputs.paymentTime);
  Child<QComboBox>(window, "cb_pmtf")->setCurrentIndex(inputs.paymentFrequency);
  Child<QPushButton>(window, "sb_Calc")->click();
}

std::vector<QStringList> ListRows(const Tfrm_Amortization& window) {
  std::vector<QStringList> rows;
  const QAbstractItemModel* model = window.model();
  for (int r = 0; r < model->rowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < model->columnCount(); ++c) row.append(model->index(r, c).data().toString());
    rows.push_back(row);
  }
  return rows;
}

std::vector<QStringList> ParseCsv(const QString& text) {
  std::vector<QStringList> records;
  QStringList record;
  QString field;
  bool quoted = false, inField = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == u'"') {
        if (i + 1 < text.size() && text[i + 1] == u'"') {
          field += u'"';
          ++i;
        } else {
          quoted = false;
        }
      } else {
        field += c;
      }
    } else if (c == u'"') {
      quoted = true;
      inField = true;
    } else if (c == u',') {
      record.append(field);
      field.clear();
      inField = true;
    } else if (c == u'\n' || c == u'\r') {
      if (inField || !field.isEmpty()) {
        record.append(field);
        records.push_back(record);
      }
      record.clear();
      field.clear();
      inField = false;
    } else {
      field += c;
      inField = true;
    }
  }
  if (inField) {
    record.append(field);
    records.push_back(record);
  }
  return records;
}

std::vector<QStringList> ParseHtmlTable(const QString& html, QString* error) {
  std::vector<QStringList> lines;
  QXmlStreamReader xml(html);
  QString* cell = nullptr;
  QStringList current;
  QString text;
  int depth = 0;  // inside a heading or a table cell
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const auto name = xml.name();
      if (name == u"tr") current.clear();
      if (name == u"h1" || name == u"td" || name == u"th") {
        ++depth;
        text.clear();
        cell = &text;
      }
      if (name == u"br" && cell) cell->append(u'\n');
    } else if (xml.isCharacters() && cell) {
      cell->append(xml.text());
    } else if (xml.isEndElement()) {
      const auto name = xml.name();
      if (name == u"td" || name == u"th") {
        current.append(text);
        cell = nullptr;
        --depth;
      } else if (name == u"h1") {
        lines.push_back({text});
        cell = nullptr;
        --depth;
      } else if (name == u"tr") {
        lines.push_back(current);
      }
    }
  }
  if (error) *error = xml.hasError() ? xml.errorString() : QString();
  return lines;
}

QStringList SimplifiedLines(const QString& text) {
  QStringList lines;
  for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n\f]+")))) {
    const QString simple = line.simplified();
    if (!simple.isEmpty()) lines.append(simple);
  }
  return lines;
}

QString PdfToText(const QString& pdfPath) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace quarrant::test
