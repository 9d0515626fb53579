#include "report/report_engine.h"

#include <limits>

namespace quarrant {

ReportLabel::ReportLabel(QString name, QString text, FontSpec font, QRectF boundsMm,
                         Qt::Alignment alignment, bool autoSize)
    : name_(std::move(name)),
      text_(std::move(text)),
      font_(std::move(font)),
      bounds_(boundsMm),
      alignment_(alignment),
      autoSize_(autoSize) {}

ReportBand::ReportBand(QString name, BandKind kind, double heightMm, bool bottomLine)
    : name_(std::move(name)), kind_(kind), heightMm_(heightMm), bottomLine_(bottomLine) {}

ReportLabel* ReportBand::AddLabel(const QString& name, const QString& text, const FontSpec& font,
                                  const QRectF& boundsMm, Qt::Alignment alignment, bool autoSize) {
  labels_.push_back(std::make_unique<ReportLabel>(name, text, font, boundsMm, alignment, autoSize));
  return labels_.back().get();
}

ReportLabel* ReportBand::Label(const QString& name) const {
  for (const auto& label : labels_)
    if (label->Name() == name) return label.get();
  return nullptr;
}

QStringList PlacedBand::Texts() const {
  QStringList result;
  if (!band) return result;
  const qsizetype count = static_cast<qsizetype>(band->Labels().size());
  result.reserve(count);
  qsizetype start = 0;
  for (qsizetype i = 0; i < count; ++i) {
    qsizetype end = texts.indexOf('\0', start);
    if (end < 0) end = texts.size();
    result.append(QString::fromUtf8(texts.constData() + start, end - start));
    start = end + 1;
  }
  return result;
}

QByteArray PackTexts(const ReportBand& band) {
  QByteArray packed;
  bool first = true;
  for (const auto& label : band.Labels()) {
    if (!first) packed.append('\0');
    first = false;
    packed.append(label->Text().toUtf8());
  }
  return packed;
}

BandedReport::BandedReport(QObject* parent) : QObject(parent) {}
BandedReport::~BandedReport() = default;

ReportBand* BandedReport::AddBand(const QString& name, BandKind kind, double heightMm,
                                  bool bottomLine) {
  bands_.push_back(std::make_unique<ReportBand>(name, kind, heightMm, bottomLine));
  return bands_.back().get();
}

ReportBand* BandedReport::Band(BandKind kind) const {
  for (const auto& band : bands_)
    if (band->Kind() == kind) return band.get();
  return nullptr;
}

ReportLabel* BandedReport::Label(const QString& name) const {
  for (const auto& band : bands_)
    if (ReportLabel* label = band->Label(name)) return label;
  return nullptr;
}

bool BandedReport::Generate(ReportSink& sink, bool paginate, const std::atomic<bool>* stop) {
  bool cancel = false;
  if (OnBeforeGenerate) OnBeforeGenerate(*this, cancel);
  if (cancel) return false;

  const ReportBand* title = Band(BandKind::Title);
  const ReportBand* header = Band(BandKind::ColumnHeader);
  const ReportBand* detail = Band(BandKind::Detail);
  const double bottom =
      paginate ? page_.PrintableHeightMm() : std::numeric_limits<double>::infinity();
  const double headerHeight = header ? header->HeightMm() : 0.0;

  int pageIndex = 0;
  double y = 0;
  auto place = [&](const ReportBand* band) {
    PlacedBand placed;
    placed.band = band;
    placed.topMm = y;
    placed.texts = PackTexts(*band);
    sink.Band(placed);
    y += band->HeightMm();
  };

  sink.BeginPage(pageIndex);
  if (title) place(title);
  if (header) place(header);
  if (detail && OnNeedData) {
    for (;;) {
      if (stop && stop->load(std::memory_order_relaxed)) return false;
      bool moreRows = false;
      OnNeedData(this, moreRows);
      if (!moreRows) break;
      // A detail band that does not fit goes to a new page, below the column headers. A page
      // that holds nothing but the headers takes the band anyway, so generation always ends.
      if (y + detail->HeightMm() > bottom + 1e-9 && y > headerHeight + 1e-9) {
        sink.EndPage();
        sink.BeginPage(++pageIndex);
        y = 0;
        if (header) place(header);
      }
      place(detail);
    }
  }
  sink.EndPage();
  return true;
}

namespace {

class DocumentBuilder : public ReportSink {
 public:
  explicit DocumentBuilder(ReportDocument& document) : document_(document) {}
  void BeginPage(int) override { document_.pages.emplace_back(); }
  void Band(const PlacedBand& band) override { document_.pages.back().bands.push_back(band); }

 private:
  ReportDocument& document_;
};

}  // namespace

bool BandedReport::GenerateDocument(ReportDocument& document, const std::atomic<bool>* stop) {
  ReportDocument result;
  result.pageWidthMm = page_.widthMm;
  result.pageHeightMm = page_.heightMm;
  result.marginMm = page_.marginMm;
  DocumentBuilder builder(result);
  if (!Generate(builder, true, stop)) return false;
  document = std::move(result);
  return true;
}

}  // namespace quarrant
