#include "report/export_filters.h"

#include <QDir>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace quarrant {
namespace {

// Labels whose tops lie closer than this share one printed line.
constexpr double kSameLineMm = 1.0;
constexpr qsizetype kFlushBytes = 1 << 16;

std::string Describe(const QString& fileName, const QString& reason) {
  return ("Cannot write file \"" + QDir::toNativeSeparators(fileName) + "\": " + reason)
      .toStdString();
}

}  // namespace

ExportFilter::ExportFilter(QString fileName) : fileName_(std::move(fileName)) {}
ExportFilter::~ExportFilter() = default;

bool ExportFilter::Export(BandedReport& report) {
  QSaveFile file(fileName_);
  // The new text goes to a temporary file beside the target and replaces it only on commit.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) throw EInOutError(Describe(fileName_, file.errorString()));
  file_ = &file;
  buffer_.clear();
  struct Reset {
    ExportFilter* self;
    ~Reset() { self->file_ = nullptr; }
  } reset{this};

  WriteBegin(report);
  if (!report.Generate(*this, false)) {
    file.cancelWriting();
    return false;
  }
  WriteEnd();
  Flush();
  if (!file.commit()) throw EInOutError(Describe(fileName_, file.errorString()));
  return true;
}

void ExportFilter::Write(const QByteArray& bytes) {
  buffer_.append(bytes);
  if (buffer_.size() >= kFlushBytes) Flush();
}

void ExportFilter::Flush() {
  if (buffer_.isEmpty() || !file_) return;
  if (file_->write(buffer_) != buffer_.size())
    throw EInOutError(Describe(fileName_, file_->errorString()));
  buffer_.clear();
}

const std::vector<std::vector<int>>& ExportFilter::LineGroups(const ReportBand& band) {
  auto found = groups_.find(&band);
  if (found != groups_.end()) return found->second;
  std::vector<int> order(band.Labels().size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  const auto& labels = band.Labels();
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return labels[a]->BoundsMm().top() < labels[b]->BoundsMm().top();
  });
  std::vector<std::vector<int>> groups;
  double groupTop = 0;
  for (int index : order) {
    const double top = labels[index]->BoundsMm().top();
    if (groups.empty() || top - groupTop >= kSameLineMm) {
      groups.emplace_back();
      groupTop = top;
    }
    groups.back().push_back(index);
  }
  for (auto& group : groups)
    std::stable_sort(group.begin(), group.end(), [&](int a, int b) {
      return labels[a]->BoundsMm().left() < labels[b]->BoundsMm().left();
    });
  return groups_.emplace(&band, std::move(groups)).first->second;
}

void ExportFilter::Band(const PlacedBand& placed) {
  const ReportBand& band = *placed.band;
  const QStringList texts = placed.Texts();
  const auto& groups = LineGroups(band);
  for (size_t g = 0; g < groups.size(); ++g) {
    ExportLine line;
    line.kind = band.Kind();
    line.ruleBelow = band.BottomLine() && g + 1 == groups.size();
    for (int index : groups[g])
      line.cells.push_back({texts.value(index), band.Labels()[static_cast<size_t>(index)].get()});
    WriteLine(line);
  }
  if (groups.empty() && band.BottomLine()) {
    ExportLine line;
    line.kind = band.Kind();
    line.ruleBelow = true;
    WriteLine(line);
  }
}

QString LayOutTextLine(const ExportLine& line, double mmPerColumn) {
  QString out;
  for (const ExportCell& cell : line.cells) {
    if (cell.text.isEmpty()) continue;
    const QRectF bounds = cell.label->BoundsMm();
    const auto length = static_cast<int>(cell.text.size());
    int start;
    const Qt::Alignment align = cell.label->Alignment();
    if (cell.label->AutoSize() || (align & Qt::AlignLeft))
      start = static_cast<int>(std::lround(bounds.left() / mmPerColumn));
    else if (align & Qt::AlignRight)
      start = static_cast<int>(std::lround(bounds.right() / mmPerColumn)) - length;
    else
      start = static_cast<int>(std::lround(bounds.center().x() / mmPerColumn - length / 2.0));
    // Texts never run into each other: at least one blank between them.
    const int earliest = out.isEmpty() ? 0 : static_cast<int>(out.size()) + 1;
    start = std::max(start, earliest);
    out += QString(start - out.size(), QLatin1Char(' '));
    out += cell.text;
  }
  return out;
}

void TextExportFilter::WriteBegin(const BandedReport& report) {
  width_ = static_cast<int>(std::lround(report.Page().PrintableWidthMm() / kMmPerColumn));
}

void TextExportFilter::WriteLine(const ExportLine& line) {
  if (!line.cells.empty()) Write(LayOutTextLine(line, kMmPerColumn) + QLatin1Char('\n'));
  if (line.ruleBelow) Write(QString(width_, QLatin1Char('-')) + QLatin1Char('\n'));
}

void CsvExportFilter::WriteLine(const ExportLine& line) {
  if (line.cells.empty()) return;
  QString out;
  for (size_t i = 0; i < line.cells.size(); ++i) {
    if (i > 0) out += QLatin1Char(',');
    QString text = line.cells[i].text;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    out += QLatin1Char('"') + text + QLatin1Char('"');
  }
  out += QStringLiteral("\r\n");
  Write(out);
}

void HtmlExportFilter::WriteBegin(const BandedReport& report) {
  Write(
      QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>") +
      report.Title().toHtmlEscaped() +
      QStringLiteral(
          "</title>\n<style>\n"
          "table { border-collapse: collapse; font-family: Arial, sans-serif; font-size: 10pt; }\n"
          "td, th { padding: 1px 8px; white-space: nowrap; }\n"
          "tr.rule th, tr.rule td { border-bottom: 1px solid black; }\n"
          "</style>\n</head>\n<body>\n<table>\n"));
}

void HtmlExportFilter::WriteLine(const ExportLine& line) {
  if (line.cells.empty()) return;
  const bool header = line.kind == BandKind::ColumnHeader;
  const QString cellTag = header ? QStringLiteral("th") : QStringLiteral("td");
  QString out = line.ruleBelow ? QStringLiteral("<tr class=\"rule\">") : QStringLiteral("<tr>");
  for (const ExportCell& cell : line.cells) {
    const FontSpec& font = cell.label->Font();
    QString style;
    const Qt::Alignment align = cell.label->Alignment();
    if (align & Qt::AlignRight)
      style += QStringLiteral("text-align: right;");
    else if (align & Qt::AlignHCenter)
      style += QStringLiteral("text-align: center;");
    else
      style += QStringLiteral("text-align: left;");
    style +=
        font.bold ? QStringLiteral(" font-weight: bold;") : QStringLiteral(" font-weight: normal;");
    if (font.pointSize != 10.0) style += QStringLiteral(" font-size: %1pt;").arg(font.pointSize);
    out +=
        QStringLiteral("<%1 style=\"%2\">%3</%1>").arg(cellTag, style, cell.text.toHtmlEscaped());
  }
  out += QStringLiteral("</tr>\n");
  Write(out);
}

void HtmlExportFilter::WriteEnd() {
  Write(QStringLiteral("</table>\n</body>\n</html>\n"));
}

}  // namespace quarrant
