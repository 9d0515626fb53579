#pragma once
// A small banded report engine: a report is a list of bands (title, column header, detail),
// each holding text labels placed in millimetres. Generating the report pulls its header
// values and its rows through two callbacks and lays the bands out on pages; the result is
// printed, previewed or exported through a filter.
#include <QByteArray>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class QPrinter;
class QWidget;

namespace quarrant {

// An error of the report engine (no printer, a file that cannot be written, ...).
class EReportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An input/output error while writing an exported file.
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

class ReportLabel {
 public:
  ReportLabel(QString name, QString text, FontSpec font, QRectF boundsMm, Qt::Alignment alignment,
              bool autoSize);

  const QString& Name() const { return name_; }
  const QString& Text() const { return text_; }
  void SetText(const QString& text) { text_ = text; }
  const FontSpec& Font() const { return font_; }
  // Left, top, width, height in millimetres within the band. An auto-sized label has the
  // width of its text; its width here is only a hint.
  const QRectF& BoundsMm() const { return bounds_; }
  Qt::Alignment Alignment() const { return alignment_; }
  bool AutoSize() const { return autoSize_; }

 private:
  QString name_;
  QString text_;
  FontSpec font_;
  QRectF bounds_;
  Qt::Alignment alignment_;
  bool autoSize_;
};

enum class BandKind { Title, ColumnHeader, Detail };

class ReportBand {
 public:
  ReportBand(QString name, BandKind kind, double heightMm, bool bottomLine);

  const QString& Name() const { return name_; }
  BandKind Kind() const { return kind_; }
  double HeightMm() const { return heightMm_; }
  bool BottomLine() const { return bottomLine_; }

  ReportLabel* AddLabel(const QString& name, const QString& text, const FontSpec& font,
                        const QRectF& boundsMm, Qt::Alignment alignment, bool autoSize);
  const std::vector<std::unique_ptr<ReportLabel>>& Labels() const { return labels_; }
  ReportLabel* Label(const QString& name) const;

 private:
  QString name_;
  BandKind kind_;
  double heightMm_;
  bool bottomLine_;
  std::vector<std::unique_ptr<ReportLabel>> labels_;
};

// One band as generated: which band, where on its page, and the texts its labels had at that
// moment (packed into one buffer, NUL-separated, to keep long reports small).
struct PlacedBand {
  const ReportBand* band = nullptr;
  double topMm = 0;  // from the top edge of the printed area
  QByteArray texts;

  QStringList Texts() const;
};

struct ReportPage {
  std::vector<PlacedBand> bands;
};

// Receives the generated bands in report order.
class ReportSink {
 public:
  virtual ~ReportSink() = default;
  virtual void BeginPage(int /*pageIndex*/) {}
  virtual void Band(const PlacedBand& band) = 0;
  virtual void EndPage() {}
};

// A generated report kept whole: what the preview shows and the printer prints.
struct ReportDocument {
  std::vector<ReportPage> pages;
  double pageWidthMm = 210;
  double pageHeightMm = 297;
  double marginMm = 10;
};

struct PageSetup {
  double widthMm = 210;  // A4 portrait
  double heightMm = 297;
  double marginMm = 10;  // every side
  double PrintableWidthMm() const { return widthMm - 2 * marginMm; }
  double PrintableHeightMm() const { return heightMm - 2 * marginMm; }
};

class BandedReport : public QObject {
  Q_OBJECT

 public:
  // Called once per generation, before the first band; setting cancel stops the generation.
  using BeforeGenerateHandler = std::function<void(BandedReport& report, bool& cancel)>;
  // Called before each detail band until it answers that no row follows.
  using NeedDataHandler = std::function<void(QObject* sender, bool& moreRows)>;

  explicit BandedReport(QObject* parent = nullptr);
  ~BandedReport() override;

  ReportBand* AddBand(const QString& name, BandKind kind, double heightMm, bool bottomLine);
  const std::vector<std::unique_ptr<ReportBand>>& Bands() const { return bands_; }
  ReportBand* Band(BandKind kind) const;
  ReportLabel* Label(const QString& name) const;

  const PageSetup& Page() const { return page_; }
  void SetPage(const PageSetup& page) { page_ = page; }
  const QString& Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }

  BeforeGenerateHandler OnBeforeGenerate;
  NeedDataHandler OnNeedData;

  // Generates the report into sink. paginate = false lays everything out on one endless page
  // (the form the export filters use). stop, when given, is polled between bands; a set flag
  // ends the generation early and the function returns false. Returns false as well when
  // the before-generation handler cancels. Errors of the callbacks propagate.
  bool Generate(ReportSink& sink, bool paginate, const std::atomic<bool>* stop = nullptr);

  // Generates and keeps the whole document (paginated).
  bool GenerateDocument(ReportDocument& document, const std::atomic<bool>* stop = nullptr);

  // Generates the report and prints it on printer, with a progress display. Used for the
  // default printer and for PDF output alike.
  void Print(QPrinter& printer, QWidget* progressParent = nullptr);

  // Prints on the system's default printer without asking; raises EReportError when there
  // is no printer.
  void PrintOnDefaultPrinter(QWidget* progressParent = nullptr);

  // Shows the modal preview window; its pages are generated on a worker thread.
  void Preview(QWidget* parent = nullptr);

 private:
  std::vector<std::unique_ptr<ReportBand>> bands_;
  PageSetup page_;
  QString title_;
};

// Packs the current texts of a band's labels.
QByteArray PackTexts(const ReportBand& band);

}  // namespace quarrant
