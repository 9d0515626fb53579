#pragma once
// Export filters: generate a report into a named file as plain text, comma-separated values or
// an HTML document. Bands go straight from the labels to the file as they are generated (one
// endless page: the title, the column headers once, then every row), through a buffer;
// nothing is kept per row. The file replaces an existing one only once it is complete; a
// failed or cancelled export leaves the old file as it was and no partial file.
#include <QString>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "report/report_engine.h"

class QWidget;

namespace quarrant {

class ReportFile;

class ExportFilter : public ReportSink {
 public:
  explicit ExportFilter(QString fileName);
  ~ExportFilter() override;

  const QString& fileName() const { return fileName_; }

  // Generates report into the file. An export that takes longer than a moment shows a
  // progress window over progressParent whose Cancel ends it. Raises EInOutError when the
  // file cannot be created or written; returns false (and leaves no file) when the
  // generation was cancelled.
  bool exportReport(BandedReport& report, QWidget* progressParent = nullptr);
  // The same with a progress handler of the caller's own (false cancels).
  bool exportReport(BandedReport& report, const BandedReport::ProgressHandler& progress);

  void band(const ReportBand& band, double topMm) final;

 protected:
  // The labels of a band grouped into printed lines (labels whose tops lie close), each line
  // left to right, as label indices.
  using Lines = std::vector<std::vector<int>>;

  virtual void writeBegin(const BandedReport& /*report*/) {}
  virtual void writeBand(const ReportBand& band, const Lines& lines) = 0;
  virtual void writeEnd() {}
  ReportFile& file() { return *file_; }
  const BandedReport& report() const { return *report_; }
  const Lines& linesOf(const ReportBand& band);

 private:
  template <class Generate>
  bool run(BandedReport& report, Generate&& generate);

  QString fileName_;
  ReportFile* file_ = nullptr;
  const BandedReport* report_ = nullptr;
  std::deque<std::pair<const ReportBand*, Lines>> lines_;  // elements never move
};

// Plain text on a character grid derived from the labels' positions (2 mm per column): every
// label anchored at one position (its left edge when left-aligned, its right edge when
// right-aligned, its centre when centred) writes there on every line, and each column is
// wide enough for the longest text the labels anchored there hold or expect.
class TextExportFilter : public ExportFilter {
 public:
  using ExportFilter::ExportFilter;
  static constexpr double kMmPerColumn = 2.0;

 protected:
  void writeBand(const ReportBand& band, const Lines& lines) override;

 private:
  struct Item;
  void layOut();
  std::vector<double> groupAnchors(std::map<const ReportLabel*, Item>& items);
  void makeRoom(const std::map<const ReportLabel*, Item>& items, std::vector<int>& position);
  void recordAnchors(const std::map<const ReportLabel*, Item>& items,
                     const std::vector<int>& position);
  // Per band, the character column of each label's anchor, in label order.
  std::vector<std::pair<const ReportBand*, std::vector<int>>> anchors_;
  int width_ = 0;
  bool laidOut_ = false;
};

// One line per printed line, each text double-quoted (quotes doubled), separated by commas.
class CsvExportFilter : public ExportFilter {
 public:
  using ExportFilter::ExportFilter;

 protected:
  void writeBand(const ReportBand& band, const Lines& lines) override;
};

// An HTML document: the title as a heading, the header captions and values as a table of
// their own, then the column headers and the rows as one table whose columns take the
// alignment of the report's labels. Every text is escaped; the markup is also well-formed
// XML. The markup is appended to the file's byte buffer directly rather than through
// QXmlStreamWriter: the rows' texts are kept as UTF-8 and go to the file without a round trip
// through QString, which keeps a million-row export to a fraction of a second; the escaping
// (AppendHtml) is the little a stream writer would add.
class HtmlExportFilter : public ExportFilter {
 public:
  using ExportFilter::ExportFilter;

 protected:
  void writeBegin(const BandedReport& report) override;
  void writeBand(const ReportBand& band, const Lines& lines) override;
  void writeEnd() override;

 private:
  enum class Open { None, Header, Rows };
  void writeTitle(const ReportBand& band, const Lines& lines);
  void writeRows(const ReportBand& band, const Lines& lines, bool header);
  void close();
  Open open_ = Open::None;
};

// Number of characters of a UTF-8 text.
int utf8Length(const std::string& text);
// Appends text to out, each control character written as its visible symbol (U+2400...), so
// that one text stays on one line and every character takes one column.
void appendVisible(std::string& out, const std::string& text);

}  // namespace quarrant
