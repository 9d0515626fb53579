#pragma once
// A small banded report engine: a report is a list of bands (title, column header, detail),
// each holding text labels placed in millimetres. Generating the report pulls its header
// values and its rows through two callbacks and hands the bands, one at a time, to a sink:
// an export filter, the printer or the preview. Nothing is kept per row here.
#include <QObject>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace quarrant {

// An error of the report engine (no printer, a file that cannot be written, ...).
class EReportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An input/output error while writing an output file.
class EInOutError : public EReportError {
 public:
  using EReportError::EReportError;
};

// A font described by value, so that a generated report can be read on any thread.
struct FontSpec {
  QString family = QStringLiteral("Arial");
  double pointSize = 10.0;
  bool bold = false;
};

// A text label. Its text is kept as UTF-8, the form every output writes, so that a row's
// texts reach a file without conversions.
class ReportLabel {
 public:
  ReportLabel(QString name, QString text, FontSpec font, QRectF boundsMm, Qt::Alignment alignment,
              bool autoSize);

  const QString& name() const { return name_; }
  QString text() const { return QString::fromStdString(text_); }
  void setText(const QString& text) { text_ = text.toStdString(); }
  const std::string& utf8() const { return text_; }
  void setUtf8(std::string text) { text_ = std::move(text); }
  const FontSpec& font() const { return font_; }
  // Left, top, width, height in millimetres within the band. An auto-sized label has the
  // width of its text; its width here is only a hint.
  const QRectF& boundsMm() const { return bounds_; }
  Qt::Alignment alignment() const { return alignment_; }
  bool autoSize() const { return autoSize_; }
  // The longest text, in characters, the label is expected to hold (0: its current text);
  // the plain-text export reserves that much room for the label's column.
  int maxChars() const { return maxChars_; }
  void setMaxChars(int chars) { maxChars_ = chars; }

 private:
  QString name_;
  std::string text_;
  FontSpec font_;
  QRectF bounds_;
  Qt::Alignment alignment_;
  bool autoSize_;
  int maxChars_ = 0;
};

enum class BandKind { Title, ColumnHeader, Detail };

class ReportBand {
 public:
  ReportBand(QString name, BandKind kind, double heightMm, bool bottomLine);

  const QString& name() const { return name_; }
  BandKind kind() const { return kind_; }
  double heightMm() const { return heightMm_; }
  bool bottomLine() const { return bottomLine_; }

  ReportLabel* addLabel(const QString& name, const QString& text, const FontSpec& font,
                        const QRectF& boundsMm, Qt::Alignment alignment, bool autoSize);
  const std::vector<std::unique_ptr<ReportLabel>>& labels() const { return labels_; }
  ReportLabel* label(const QString& name) const;

 private:
  QString name_;
  BandKind kind_;
  double heightMm_;
  bool bottomLine_;
  std::vector<std::unique_ptr<ReportLabel>> labels_;
};

// Receives the generated bands in report order. While band() runs, the band's labels hold the
// texts of that band.
class ReportSink {
 public:
  virtual ~ReportSink() = default;
  virtual void beginPage(int /*pageIndex*/) {}
  virtual void band(const ReportBand& band, double topMm) = 0;
  virtual void endPage() {}
};

struct PageSetup {
  double widthMm = 210;  // A4 portrait
  double heightMm = 297;
  double marginMm = 10;  // every side
  double printableWidthMm() const { return widthMm - 2 * marginMm; }
  double printableHeightMm() const { return heightMm - 2 * marginMm; }
};

class BandedReport : public QObject {
  Q_OBJECT

 public:
  // Called once per generation, before the first band; setting cancel stops the generation.
  using BeforeGenerateHandler = std::function<void(BandedReport& report, bool& cancel)>;
  // Called before each detail band until it answers that no row follows.
  using NeedDataHandler = std::function<void(QObject* sender, bool& moreRows)>;
  // Called after each detail band with the number of rows so far; false stops the generation.
  using ProgressHandler = std::function<bool(int64_t rows)>;

  explicit BandedReport(QObject* parent = nullptr);
  ~BandedReport() override;

  ReportBand* addBand(const QString& name, BandKind kind, double heightMm, bool bottomLine);
  const std::vector<std::unique_ptr<ReportBand>>& bands() const { return bands_; }
  ReportBand* band(BandKind kind) const;
  ReportLabel* label(const QString& name) const;

  const PageSetup& page() const { return page_; }
  void setPage(const PageSetup& page) { page_ = page; }
  const QString& title() const { return title_; }
  void setTitle(const QString& title) { title_ = title; }

  // How many rows the generation under way will hold, when the row source knows (else -1);
  // progress windows show it. The before-generation handler may set it.
  int64_t expectedRows() const { return expectedRows_; }
  void setExpectedRows(int64_t rows) { expectedRows_ = rows; }
  // The pages a paginated generation of the expected rows fills (-1 while the rows are not
  // known), so that the first page can say how many follow.
  int64_t expectedPages() const;

  BeforeGenerateHandler onBeforeGenerate;
  NeedDataHandler onNeedData;

  // Generates the report into sink: paginated on pages of the page setup, or (paginate =
  // false) on one endless page, the form the export filters use. Returns false when the
  // before-generation handler cancels or progress answers false. Errors of the callbacks
  // and of the sink propagate.
  bool generate(ReportSink& sink, bool paginate, const ProgressHandler& progress = {});

  // Generation in two steps, for a caller that fills the header on one thread and lays out
  // the bands on another: beginGeneration runs the before-generation handler (false: cancelled);
  // continueGeneration generates the bands with the header as beginGeneration left it.
  bool beginGeneration();
  bool continueGeneration(ReportSink& sink, bool paginate, const ProgressHandler& progress = {});

 private:
  std::vector<std::unique_ptr<ReportBand>> bands_;
  PageSetup page_;
  QString title_;
  int64_t expectedRows_ = -1;
};

}  // namespace quarrant
