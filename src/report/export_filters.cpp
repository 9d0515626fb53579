#include "report/export_filters.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "report/report_file.h"
#include "report/report_progress.h"

namespace quarrant {
namespace {

// Labels whose tops lie closer than this share one printed line; anchors closer than this
// share one text column.
constexpr double kSameLineMm = 1.0;
constexpr double kSameAnchorMm = 1.0;

enum class Anchor { Left, Right, Centre };

Anchor AnchorOf(const ReportLabel& label) {
  const Qt::Alignment align = label.alignment();
  if (label.autoSize() || (align & Qt::AlignLeft)) return Anchor::Left;
  if (align & Qt::AlignRight) return Anchor::Right;
  return Anchor::Centre;
}

double AnchorMm(const ReportLabel& label) {
  const QRectF& bounds = label.boundsMm();
  switch (AnchorOf(label)) {
    case Anchor::Left:
      return bounds.left();
    case Anchor::Right:
      return bounds.right();
    case Anchor::Centre:
      break;
  }
  return bounds.center().x();
}

// Characters left and right of the anchor that a text of length characters takes.
int ExtentLeft(Anchor anchor, int length) {
  return anchor == Anchor::Left ? 0 : anchor == Anchor::Right ? length : length / 2;
}
int ExtentRight(Anchor anchor, int length) {
  return length - ExtentLeft(anchor, length);
}

void AppendHtml(std::string& out, const std::string& text) {
  size_t plain = 0;
  auto flush = [&](size_t i) {
    out.append(text, plain, i - plain);
    plain = i + 1;
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    // U+FFFE and U+FFFF (EF BF BE/BF) are not XML characters: they are written as U+FFFD so
    // that the document stays well-formed.
    if (c == 0xEF && i + 2 < text.size() && text[i + 1] == '\xBF' &&
        (text[i + 2] == '\xBE' || text[i + 2] == '\xBF')) {
      flush(i);
      out += "\xEF\xBF\xBD";
      plain = i + 3;
      i += 2;
      continue;
    }
    if (c > '>' && c != 0x7F) continue;
    switch (c) {
      case '&':
        flush(i);
        out += "&amp;";
        break;
      case '<':
        flush(i);
        out += "&lt;";
        break;
      case '>':
        flush(i);
        out += "&gt;";
        break;
      case '"':
        flush(i);
        out += "&quot;";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          flush(i);
          appendVisible(out, std::string(1, static_cast<char>(c)));
        }
    }
  }
  flush(text.size());
}

void AppendCsv(std::string& out, const std::string& text) {
  out.push_back('"');
  if (text.find('"') == std::string::npos) {
    out += text;
  } else {
    for (char c : text) {
      if (c == '"') out.push_back('"');
      out.push_back(c);
    }
  }
  out.push_back('"');
}

}  // namespace

int utf8Length(const std::string& text) {
  int length = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++length;
  return length;
}

void appendVisible(std::string& out, const std::string& text) {
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20) {  // U+2400 + c: E2 90 80+c
      out += "\xE2\x90";
      out.push_back(static_cast<char>(0x80 + c));
    } else if (c == 0x7F) {
      out += "\xE2\x90\xA1";  // U+2421 symbol for delete
    } else {
      out.push_back(ch);
    }
  }
}

// ---- ExportFilter ----------------------------------------------------------------------------

ExportFilter::ExportFilter(QString fileName) : fileName_(std::move(fileName)) {}
ExportFilter::~ExportFilter() = default;

template <class Generate>
bool ExportFilter::run(BandedReport& report, Generate&& generate) {
  ReportFile file(fileName_);
  file_ = &file;
  report_ = &report;
  lines_.clear();
  struct Reset {
    ExportFilter* self;
    ~Reset() { self->file_ = nullptr; }
  } reset{this};
  if (!report.beginGeneration()) {
    file.cancel();
    return false;
  }
  writeBegin(report);
  if (!generate()) {
    file.cancel();
    return false;
  }
  writeEnd();
  file.commit();
  return true;
}

bool ExportFilter::exportReport(BandedReport& report, QWidget* progressParent) {
  std::unique_ptr<ReportProgress> progress;
  return run(report, [&] {
    progress = std::make_unique<ReportProgress>(
        progressParent, ReportProgress::tr("Export", "window title"),
        ReportProgress::tr("Writing", "verb: Writing row 3 of 10"), report.expectedRows());
    return report.continueGeneration(*this, false,
                                     [&](int64_t rows) { return progress->step(rows); });
  });
}

bool ExportFilter::exportReport(BandedReport& report,
                                const BandedReport::ProgressHandler& progress) {
  return run(report, [&] { return report.continueGeneration(*this, false, progress); });
}

const ExportFilter::Lines& ExportFilter::linesOf(const ReportBand& band) {
  for (const auto& [known, lines] : lines_)
    if (known == &band) return lines;
  const auto& labels = band.labels();
  std::vector<int> order(labels.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return labels[a]->boundsMm().top() < labels[b]->boundsMm().top();
  });
  Lines lines;
  double lineTop = 0;
  for (int index : order) {
    const double top = labels[index]->boundsMm().top();
    if (lines.empty() || top - lineTop >= kSameLineMm) {
      lines.emplace_back();
      lineTop = top;
    }
    lines.back().push_back(index);
  }
  for (auto& line : lines)
    std::stable_sort(line.begin(), line.end(), [&](int a, int b) {
      return labels[a]->boundsMm().left() < labels[b]->boundsMm().left();
    });
  lines_.emplace_back(&band, std::move(lines));
  return lines_.back().second;
}

void ExportFilter::band(const ReportBand& band, double /*topMm*/) {
  writeBand(band, linesOf(band));
  file_->maybeFlush();
}

// ---- Plain text ------------------------------------------------------------------------------

// A label as the text layout sees it: where its text hangs and how many characters it takes.
struct TextExportFilter::Item {
  Anchor anchor;
  int length;
  int column;  // index into the anchor columns
};

// Places every label's anchor on a character column: at its natural column (position / 2 mm)
// or further right, so that on every line each text keeps one blank from the one before it
// with the longest text either label may hold. Anchors within a millimetre share a column.
void TextExportFilter::layOut() {
  std::map<const ReportLabel*, Item> items;
  const std::vector<double> starts = groupAnchors(items);
  std::vector<int> position(starts.size());
  for (size_t c = 0; c < starts.size(); ++c)
    position[c] = static_cast<int>(std::lround(starts[c] / kMmPerColumn));
  makeRoom(items, position);
  recordAnchors(items, position);
  laidOut_ = true;
}

// Collects every label of the report with its anchor and longest text, and groups the anchors
// into columns; returns the first position of each column, left to right.
std::vector<double> TextExportFilter::groupAnchors(std::map<const ReportLabel*, Item>& items) {
  std::vector<std::pair<const ReportLabel*, double>> anchorsMm;
  for (const auto& band : report().bands())
    for (const auto& label : band->labels()) {
      const int length = std::max(label->maxChars(), utf8Length(label->utf8()));
      items[label.get()] = Item{AnchorOf(*label), length, 0};
      anchorsMm.emplace_back(label.get(), AnchorMm(*label));
    }
  std::vector<double> columnsMm;
  for (const auto& entry : anchorsMm) columnsMm.push_back(entry.second);
  std::sort(columnsMm.begin(), columnsMm.end());
  std::vector<double> starts;
  for (double mm : columnsMm)
    if (starts.empty() || mm - starts.back() >= kSameAnchorMm) starts.push_back(mm);
  for (const auto& [label, mm] : anchorsMm)
    items[label].column =
        static_cast<int>(std::upper_bound(starts.begin(), starts.end(), mm) - starts.begin() - 1);
  return starts;
}

// Moves columns right until each pair of neighbours on a line has the room its texts ask for.
// Columns are visited left to right, so a column moved pushes the ones after it.
void TextExportFilter::makeRoom(const std::map<const ReportLabel*, Item>& items,
                                std::vector<int>& position) {
  struct Gap {
    int from, to, room;  // from -1: the left margin
  };
  std::vector<Gap> gaps;
  for (const auto& band : report().bands())
    for (const auto& line : linesOf(*band))
      for (size_t k = 0; k < line.size(); ++k) {
        const Item& right = items.at(band->labels()[static_cast<size_t>(line[k])].get());
        if (k == 0) {
          gaps.push_back({-1, right.column, ExtentLeft(right.anchor, right.length)});
          continue;
        }
        const Item& left = items.at(band->labels()[static_cast<size_t>(line[k - 1])].get());
        if (left.column < right.column)
          gaps.push_back(
              {left.column, right.column,
               ExtentRight(left.anchor, left.length) + 1 + ExtentLeft(right.anchor, right.length)});
      }
  for (size_t c = 0; c < position.size(); ++c)
    for (const Gap& gap : gaps)
      if (gap.to == static_cast<int>(c))
        position[c] = std::max(position[c], (gap.from < 0 ? 0 : position[gap.from]) + gap.room);
}

// Keeps, per band, the character column of each label's anchor, and the width of the widest
// line, which the bottom rules take.
void TextExportFilter::recordAnchors(const std::map<const ReportLabel*, Item>& items,
                                     const std::vector<int>& position) {
  width_ = 0;
  anchors_.clear();
  for (const auto& band : report().bands()) {
    std::vector<int> anchors;
    for (const auto& label : band->labels()) {
      const Item& item = items.at(label.get());
      anchors.push_back(position[item.column]);
      width_ = std::max(width_, position[item.column] + ExtentRight(item.anchor, item.length));
    }
    anchors_.emplace_back(band.get(), std::move(anchors));
  }
}

void TextExportFilter::writeBand(const ReportBand& band, const Lines& lines) {
  if (!laidOut_) layOut();
  const std::vector<int>* anchors = nullptr;
  for (const auto& [known, columns] : anchors_)
    if (known == &band) anchors = &columns;
  if (!anchors) return;
  std::string& out = file().buffer();
  for (const auto& line : lines) {
    int column = 0;
    bool any = false;
    for (int index : line) {
      const ReportLabel& label = *band.labels()[static_cast<size_t>(index)];
      const std::string& text = label.utf8();
      if (text.empty()) continue;
      const int anchor = (*anchors)[static_cast<size_t>(index)];
      const int length = utf8Length(text);
      int start = anchor - ExtentLeft(AnchorOf(label), length);
      // A text longer than its column allows still keeps a blank before it.
      start = std::max(start, any ? column + 1 : column);
      out.append(static_cast<size_t>(start - column), ' ');
      appendVisible(out, text);
      column = start + length;
      any = true;
    }
    out.push_back('\n');
  }
  if (band.bottomLine()) {
    out.append(static_cast<size_t>(width_), '-');
    out.push_back('\n');
  }
}

// ---- Comma-separated values ------------------------------------------------------------------

void CsvExportFilter::writeBand(const ReportBand& band, const Lines& lines) {
  std::string& out = file().buffer();
  for (const auto& line : lines) {
    bool first = true;
    for (int index : line) {
      if (!first) out.push_back(',');
      first = false;
      AppendCsv(out, band.labels()[static_cast<size_t>(index)]->utf8());
    }
    out += "\r\n";
  }
}

// ---- HTML ------------------------------------------------------------------------------------

void HtmlExportFilter::writeBegin(const BandedReport& report) {
  std::string& out = file().buffer();
  out +=
      "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\"/>\n"
      "<meta name=\"viewport\" content=\"width=device-width\"/>\n<title>";
  AppendHtml(out, report.title().toStdString());
  out +=
      "</title>\n<style>\n"
      "body { font-family: Arial, Helvetica, sans-serif; font-size: 10pt; }\n"
      "h1 { font-weight: normal; }\n"
      "table { border-collapse: collapse; }\n"
      "th, td { padding: 1px 8px; white-space: pre; }\n"
      "table.head th { text-align: left; }\n"
      "table.rows { margin-top: 0.8em; }\n"
      "table.rows thead th { border-bottom: 1px solid black; }\n";
  if (const ReportBand* title = report.band(BandKind::Title))
    for (const auto& label : title->labels())
      if (label->font().pointSize > 10.0) {
        out += "h1 { font-size: " + std::to_string(static_cast<int>(label->font().pointSize)) +
               "pt; }\n";
        break;
      }
  // Column alignment as the detail labels have it, left to right.
  if (const ReportBand* detail = report.band(BandKind::Detail)) {
    std::vector<const ReportLabel*> labels;
    for (const auto& label : detail->labels()) labels.push_back(label.get());
    std::stable_sort(labels.begin(), labels.end(), [](const ReportLabel* a, const ReportLabel* b) {
      return a->boundsMm().left() < b->boundsMm().left();
    });
    for (size_t i = 0; i < labels.size(); ++i) {
      const Anchor anchor = AnchorOf(*labels[i]);
      out += "table.rows tr > :nth-child(" + std::to_string(i + 1) + ") { text-align: " +
             (anchor == Anchor::Left    ? "left"
              : anchor == Anchor::Right ? "right"
                                        : "center") +
             "; }\n";
    }
  }
  out += "</style>\n</head>\n<body>\n";
}

void HtmlExportFilter::close() {
  std::string& out = file().buffer();
  if (open_ == Open::Header) out += "</table>\n";
  if (open_ == Open::Rows) out += "</tbody>\n</table>\n";
  open_ = Open::None;
}

void HtmlExportFilter::writeBand(const ReportBand& band, const Lines& lines) {
  switch (band.kind()) {
    case BandKind::Title:
      writeTitle(band, lines);
      break;
    case BandKind::ColumnHeader:
      close();
      file().buffer() += "<table class=\"rows\">\n<thead>\n";
      writeRows(band, lines, true);
      file().buffer() += "</thead>\n<tbody>\n";
      open_ = Open::Rows;
      break;
    case BandKind::Detail:
      if (open_ != Open::Rows) {
        close();
        file().buffer() += "<table class=\"rows\">\n<tbody>\n";
        open_ = Open::Rows;
      }
      writeRows(band, lines, false);
      break;
  }
}

// A title line of one large label is the heading; the other lines, the captions and values,
// form the header table.
void HtmlExportFilter::writeTitle(const ReportBand& band, const Lines& lines) {
  std::string& out = file().buffer();
  for (const auto& line : lines) {
    const ReportLabel& first = *band.labels()[static_cast<size_t>(line[0])];
    if (line.size() == 1 && first.font().pointSize > 10.0) {
      close();
      out += "<h1>";
      AppendHtml(out, first.utf8());
      out += "</h1>\n";
      continue;
    }
    if (open_ != Open::Header) {
      close();
      out += "<table class=\"head\">\n";
      open_ = Open::Header;
    }
    writeRows(band, {line}, false);
  }
}

// One table row per line: header cells for the column headers and for bold labels.
void HtmlExportFilter::writeRows(const ReportBand& band, const Lines& lines, bool header) {
  std::string& out = file().buffer();
  for (const auto& line : lines) {
    out += "<tr>";
    for (int index : line) {
      const ReportLabel& label = *band.labels()[static_cast<size_t>(index)];
      const bool th = header || label.font().bold;
      out += th ? "<th>" : "<td>";
      AppendHtml(out, label.utf8());
      out += th ? "</th>" : "</td>";
    }
    out += "</tr>\n";
  }
}

void HtmlExportFilter::writeEnd() {
  close();
  file().buffer() += "</body>\n</html>\n";
}

}  // namespace quarrant
