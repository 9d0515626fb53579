#include "report/report_engine.h"

#include <limits>

namespace quarrant {

ReportLabel::ReportLabel(QString name, QString text, FontSpec font, QRectF boundsMm,
                         Qt::Alignment alignment, bool autoSize)
    : name_(std::move(name)),
      text_(text.toStdString()),
      font_(std::move(font)),
      bounds_(boundsMm),
      alignment_(alignment),
      autoSize_(autoSize) {}

ReportBand::ReportBand(QString name, BandKind kind, double heightMm, bool bottomLine)
    : name_(std::move(name)), kind_(kind), heightMm_(heightMm), bottomLine_(bottomLine) {}

ReportLabel* ReportBand::addLabel(const QString& name, const QString& text, const FontSpec& font,
                                  const QRectF& boundsMm, Qt::Alignment alignment, bool autoSize) {
  labels_.push_back(std::make_unique<ReportLabel>(name, text, font, boundsMm, alignment, autoSize));
  return labels_.back().get();
}

ReportLabel* ReportBand::label(const QString& name) const {
  for (const auto& label : labels_)
    if (label->name() == name) return label.get();
  return nullptr;
}

BandedReport::BandedReport(QObject* parent) : QObject(parent) {}
BandedReport::~BandedReport() = default;

ReportBand* BandedReport::addBand(const QString& name, BandKind kind, double heightMm,
                                  bool bottomLine) {
  bands_.push_back(std::make_unique<ReportBand>(name, kind, heightMm, bottomLine));
  return bands_.back().get();
}

ReportBand* BandedReport::band(BandKind kind) const {
  for (const auto& band : bands_)
    if (band->kind() == kind) return band.get();
  return nullptr;
}

ReportLabel* BandedReport::label(const QString& name) const {
  for (const auto& band : bands_)
    if (ReportLabel* label = band->label(name)) return label;
  return nullptr;
}

bool BandedReport::generate(ReportSink& sink, bool paginate, const ProgressHandler& progress) {
  return beginGeneration() && continueGeneration(sink, paginate, progress);
}

bool BandedReport::beginGeneration() {
  expectedRows_ = -1;
  bool cancel = false;
  if (onBeforeGenerate) onBeforeGenerate(*this, cancel);
  return !cancel;
}

// Counts the pages as continueGeneration fills them, without the bands.
int64_t BandedReport::expectedPages() const {
  if (expectedRows_ < 0) return -1;
  const ReportBand* title = band(BandKind::Title);
  const ReportBand* header = band(BandKind::ColumnHeader);
  const ReportBand* detail = band(BandKind::Detail);
  const double bottom = page_.printableHeightMm();
  const double headerHeight = header ? header->heightMm() : 0.0;
  int64_t pages = 1;
  double y = (title ? title->heightMm() : 0.0) + headerHeight;
  if (!detail || !onNeedData) return pages;
  for (int64_t row = 0; row < expectedRows_; ++row) {
    if (y + detail->heightMm() > bottom + 1e-9 && y > headerHeight + 1e-9) {
      ++pages;
      y = headerHeight;
    }
    y += detail->heightMm();
  }
  return pages;
}

bool BandedReport::continueGeneration(ReportSink& sink, bool paginate,
                                      const ProgressHandler& progress) {
  const ReportBand* title = band(BandKind::Title);
  const ReportBand* header = band(BandKind::ColumnHeader);
  const ReportBand* detail = band(BandKind::Detail);
  const double bottom =
      paginate ? page_.printableHeightMm() : std::numeric_limits<double>::infinity();
  const double headerHeight = header ? header->heightMm() : 0.0;

  int pageIndex = 0;
  double y = 0;
  auto place = [&](const ReportBand* band) {
    sink.band(*band, y);
    y += band->heightMm();
  };

  sink.beginPage(pageIndex);
  if (title) place(title);
  if (header) place(header);
  if (detail && onNeedData) {
    for (int64_t rows = 0;; ++rows) {
      if (progress && !progress(rows)) return false;
      bool moreRows = false;
      onNeedData(this, moreRows);
      if (!moreRows) break;
      // A detail band that does not fit goes to a new page, below the column headers. A page
      // that holds nothing but the headers takes the band anyway, so generation always ends.
      if (y + detail->heightMm() > bottom + 1e-9 && y > headerHeight + 1e-9) {
        sink.endPage();
        sink.beginPage(++pageIndex);
        y = 0;
        if (header) place(header);
      }
      place(detail);
    }
  }
  sink.endPage();
  return true;
}

}  // namespace quarrant
