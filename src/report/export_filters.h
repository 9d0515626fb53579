#pragma once
// Export filters: generate a report into a named file as plain text, comma-separated values or
// an HTML document. The report is written line by line as it is generated (one endless page:
// the title, the column headers once, then every row). An existing file is replaced only once
// the new one is complete; a failed export leaves the old file as it was and no partial file.
#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "report/report_engine.h"

class QSaveFile;

namespace quarrant {

// One printed line of the report: the labels of one band that share a top position.
struct ExportCell {
  QString text;
  const ReportLabel* label = nullptr;
};

struct ExportLine {
  BandKind kind = BandKind::Detail;
  std::vector<ExportCell> cells;  // left to right
  bool ruleBelow = false;         // the band's bottom line follows this line
};

class ExportFilter : public ReportSink {
 public:
  explicit ExportFilter(QString fileName);
  ~ExportFilter() override;

  const QString& FileName() const { return fileName_; }

  // Generates report into the file. Raises EInOutError when the file cannot be created or
  // written; returns false (and writes nothing) when the report's generation was cancelled.
  bool Export(BandedReport& report);

  void Band(const PlacedBand& band) final;

 protected:
  virtual void WriteBegin(const BandedReport& /*report*/) {}
  virtual void WriteLine(const ExportLine& line) = 0;
  virtual void WriteEnd() {}
  void Write(const QByteArray& bytes);
  void Write(const QString& text) { Write(text.toUtf8()); }

 private:
  void Flush();
  const std::vector<std::vector<int>>& LineGroups(const ReportBand& band);

  QString fileName_;
  QSaveFile* file_ = nullptr;
  QByteArray buffer_;
  std::map<const ReportBand*, std::vector<std::vector<int>>> groups_;
};

// Plain text laid out from the labels' positions: 2 mm per character column.
class TextExportFilter : public ExportFilter {
 public:
  using ExportFilter::ExportFilter;
  static constexpr double kMmPerColumn = 2.0;

 protected:
  void WriteBegin(const BandedReport& report) override;
  void WriteLine(const ExportLine& line) override;

 private:
  int width_ = 95;
};

// One line per printed line, each text double-quoted, separated by commas.
class CsvExportFilter : public ExportFilter {
 public:
  using ExportFilter::ExportFilter;

 protected:
  void WriteLine(const ExportLine& line) override;
};

// An HTML document holding the report's lines as one table.
class HtmlExportFilter : public ExportFilter {
 public:
  using ExportFilter::ExportFilter;

 protected:
  void WriteBegin(const BandedReport& report) override;
  void WriteLine(const ExportLine& line) override;
  void WriteEnd() override;
};

// Lays out one line of text from label positions (the text filter's rule), width columns.
QString LayOutTextLine(const ExportLine& line, double mmPerColumn);

}  // namespace quarrant
