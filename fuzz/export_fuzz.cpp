// Fuzz target for the report's three export writers. The bytes give a report shaped like the
// schedule's: a title, a grid of header captions and values, column headers and rows, with
// arbitrary texts (read as UTF-8, invalid sequences included, or as raw UTF-16 with lone
// surrogates), column boxes, alignments, reserved widths and a number of rows. The report is
// exported as plain text, CSV and HTML into a private folder. Whatever the bytes hold:
// - CSV read back (quoted fields, doubled quotes, CRLF records) gives the printed lines, each
//   text exactly as the label holds it;
// - the HTML is well-formed (XML characters only, elements closed in order, attribute values
//   quoted, no raw '<', '>' or '&' in text but in the style sheet); its headings and table
//   rows, entities decoded, give the printed lines with control characters as visible symbols
//   (U+FFFD for U+FFFE and U+FFFF), its <title> the report's title, and no other text appears;
// - the plain text holds one line per printed line plus the rule under the column headers:
//   the line's texts (visible symbols) in order, one blank at least between them; on every
//   line whose texts fit the room reserved for them, each label's anchor (left edge, right
//   edge or centre) sits on the same character column wherever that position occurs, no left
//   of its natural column (2 mm each), and the line is no wider than the rule;
// - a finished export leaves the one output file in the folder; a cancelled one and one into a
//   folder that does not exist leave nothing (the latter raising EInOutError).
#include <dirent.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "report/export_filters.h"
#include "report/report_engine.h"

namespace {

using namespace quarrant;
using Line = std::vector<std::string>;

QString Text(FuzzedDataProvider& input, bool utf16, size_t maxLength) {
  const std::string bytes = input.ConsumeRandomLengthString(maxLength);
  if (!utf16) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return QString(reinterpret_cast<const QChar*>(bytes.data()),
                 static_cast<qsizetype>(bytes.size() / 2));
}

// Control characters as the text and HTML writers show them: U+2400 + code, U+2421 for DEL.
std::string Visible(const std::string& text) {
  std::string out;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20) {
      out += "\xE2\x90";
      out.push_back(static_cast<char>(0x80 + c));
    } else if (c == 0x7F) {
      out += "\xE2\x90\xA1";
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

// A text as the HTML writer shows it: visible symbols, and U+FFFD for U+FFFE and U+FFFF, which
// XML does not allow.
std::string HtmlText(const std::string& text) {
  std::string out = Visible(text);
  for (size_t at = 0; (at = out.find("\xEF\xBF", at)) != std::string::npos; at += 2)
    if (at + 2 < out.size() && (out[at + 2] == '\xBE' || out[at + 2] == '\xBF'))
      out[at + 2] = '\xBD';
  return out;
}

// Code points of UTF-8 text; the texts come from QString, so the writers' output must be valid.
std::u32string Chars(const std::string& utf8) {
  std::u32string out;
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    Check(lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4));
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      Check(i + k < utf8.size());
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      Check((next & 0xC0) == 0x80);
      c = (c << 6) | (next & 0x3F);
    }
    out.push_back(c);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

const std::string& Folder() {
  static const std::string folder = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/export_fuzz.XXXXXX";
    Check(mkdtemp(pattern.data()) != nullptr);
    static std::string made = pattern;
    std::atexit([] { rmdir(made.c_str()); });
    return pattern;
  }();
  return folder;
}

std::vector<std::string> FolderEntries() {
  std::vector<std::string> names;
  DIR* dir = opendir(Folder().c_str());
  Check(dir != nullptr);
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  return names;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  Check(file.good());
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// ---- CSV -------------------------------------------------------------------------------------

// Records of RFC 4180 text in which every field is quoted and every record ends with CRLF;
// anything else fails the check.
std::vector<Line> ParseCsv(const std::string& text) {
  std::vector<Line> records;
  Line record;
  size_t i = 0;
  while (i < text.size()) {
    Check(text[i] == '"');
    std::string field;
    for (++i;; ++i) {
      Check(i < text.size());
      if (text[i] != '"') {
        field.push_back(text[i]);
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field.push_back('"');
        ++i;
      } else {
        break;
      }
    }
    ++i;  // the closing quote
    record.push_back(std::move(field));
    if (i < text.size() && text[i] == ',') {
      ++i;
      continue;
    }
    Check(text.compare(i, 2, "\r\n") == 0);
    i += 2;
    records.push_back(std::move(record));
    record.clear();
  }
  return records;
}

// ---- HTML ------------------------------------------------------------------------------------

bool IsSpace(char c) {
  return c == ' ' || c == '\n' || c == '\t' || c == '\r';
}
// Characters an XML document may hold.
bool IsXmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}
bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// Decodes the entities of a text node; a raw '<', '>' or an unknown entity fails the check.
std::string Unescape(const std::string& text) {
  static const std::pair<const char*, char> kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    Check(text[i] != '<' && text[i] != '>');
    if (text[i] != '&') {
      out.push_back(text[i]);
      continue;
    }
    bool known = false;
    for (const auto& [entity, c] : kEntities)
      if (text.compare(i, std::char_traits<char>::length(entity), entity) == 0) {
        out.push_back(c);
        i += std::char_traits<char>::length(entity) - 1;
        known = true;
        break;
      }
    Check(known);
  }
  return out;
}

struct Html {
  std::string title;        // text of <title>
  std::vector<Line> lines;  // each <h1> and each <tr>, the texts of its cells
};

Html ParseHtml(const std::string& html) {
  static const std::string kDoctype = "<!DOCTYPE html>";
  Check(html.compare(0, kDoctype.size(), kDoctype) == 0);
  for (const char32_t c : Chars(html)) Check(IsXmlChar(c));
  Html result;
  std::vector<std::string> open;
  std::string text;
  bool rootSeen = false;
  size_t i = kDoctype.size();
  auto inside = [&](const char* name) { return !open.empty() && open.back() == name; };
  while (i < html.size()) {
    if (html[i] != '<') {
      // Text after the document's last tag is white space outside the root.
      const size_t end = std::min(html.find('<', i), html.size());
      Check(end < html.size() || open.empty());
      text = html.substr(i, end - i);
      i = end;
      if (inside("style")) continue;  // the style sheet is raw text
      const std::string decoded = Unescape(text);
      if (inside("title")) {
        result.title = decoded;
      } else if (inside("h1") || inside("td") || inside("th")) {
        result.lines.back().back() = decoded;
      } else {
        for (const char c : text) Check(IsSpace(c));
      }
      continue;
    }
    ++i;
    const bool closing = i < html.size() && html[i] == '/';
    if (closing) ++i;
    const size_t nameStart = i;
    while (i < html.size() && IsNameChar(html[i])) ++i;
    const std::string name = html.substr(nameStart, i - nameStart);
    Check(!name.empty());
    if (closing) {
      Check(i < html.size() && html[i] == '>');
      ++i;
      Check(!open.empty() && open.back() == name);
      open.pop_back();
      continue;
    }
    // Attributes: name="value", the value free of '<', '"' and raw '&'.
    while (i < html.size() && html[i] == ' ') {
      ++i;
      const size_t attrStart = i;
      while (i < html.size() && IsNameChar(html[i])) ++i;
      Check(i > attrStart);
      Check(html.compare(i, 2, "=\"") == 0);
      const size_t valueEnd = html.find('"', i + 2);
      Check(valueEnd != std::string::npos);
      Unescape(html.substr(i + 2, valueEnd - i - 2));
      i = valueEnd + 1;
    }
    const bool selfClosing = html.compare(i, 2, "/>") == 0;
    if (selfClosing) ++i;
    Check(i < html.size() && html[i] == '>');
    ++i;
    Check(selfClosing == (name == "meta"));
    if (selfClosing) continue;
    if (open.empty()) {
      Check(!rootSeen && name == "html");
      rootSeen = true;
    }
    // Cells hold text only; rows sit in tables.
    Check(!inside("td") && !inside("th") && !inside("h1") && !inside("title"));
    if (name == "tr") {
      Check(inside("table") || inside("thead") || inside("tbody"));
      result.lines.emplace_back();
    }
    if (name == "td" || name == "th") Check(inside("tr"));
    open.push_back(name);
    // Each heading and cell starts empty; its text node, if any, fills it.
    if (name == "h1") result.lines.push_back({""});
    if (name == "td" || name == "th") result.lines.back().emplace_back();
    if (name == "title") result.title.clear();
  }
  Check(rootSeen && open.empty());
  return result;
}

// ---- Plain text ------------------------------------------------------------------------------

enum class Anchor { Left, Right, Centre };

// One label as printed on one line of the report.
struct Printed {
  std::u32string text;  // visible symbols
  Anchor anchor;
  int anchorMm;  // whole millimetres
  int reserved;  // characters the writer reserves for the label
};

int ExtentLeft(Anchor anchor, int length) {
  return anchor == Anchor::Left ? 0 : anchor == Anchor::Right ? length : length / 2;
}

// Start columns of the texts when the line is blanks and the texts in order, one blank at least
// between two; empty when it is not. Texts that begin or end with a blank make the split
// ambiguous: then only whether some split exists is told (starts left empty, matched true).
struct Split {
  bool matched = false;
  std::vector<int> starts;
};

Split SplitLine(const std::u32string& line, const std::vector<const Printed*>& texts) {
  Split split;
  bool ambiguous = false;
  for (const Printed* p : texts) ambiguous |= p->text.front() == U' ' || p->text.back() == U' ';
  if (!ambiguous) {
    size_t at = 0;
    for (const Printed* p : texts) {
      const size_t before = at;
      while (at < line.size() && line[at] == U' ') ++at;
      if (!split.starts.empty() && at == before) return split;
      if (line.compare(at, p->text.size(), p->text) != 0) return split;
      split.starts.push_back(static_cast<int>(at));
      at += p->text.size();
    }
    split.matched = at == line.size();
    return split;
  }
  // reach[k][end]: the first k texts can end exactly at end. Long lines are left unchecked
  // here to keep the search quick.
  if (line.size() > 256) {
    split.matched = true;
    return split;
  }
  std::vector<std::vector<bool>> reach(texts.size() + 1, std::vector<bool>(line.size() + 1));
  reach[0][0] = true;
  for (size_t k = 0; k < texts.size(); ++k) {
    const std::u32string& t = texts[k]->text;
    for (size_t end = 0; end <= line.size(); ++end) {
      if (!reach[k][end]) continue;
      // line[end, start) is blank throughout the loop.
      for (size_t start = end; start + t.size() <= line.size(); ++start) {
        if (start >= end + (k > 0 ? 1 : 0) && line.compare(start, t.size(), t) == 0)
          reach[k + 1][start + t.size()] = true;
        if (line[start] != U' ') break;
      }
    }
  }
  split.matched = reach[texts.size()][line.size()];
  return split;
}

void CheckText(const std::string& file, const std::vector<std::vector<Printed>>& lines,
               size_t ruleAfter) {
  Check(file.empty() || file.back() == '\n');
  std::vector<std::u32string> out;
  size_t from = 0;
  while (from < file.size()) {
    const size_t end = file.find('\n', from);
    out.push_back(Chars(file.substr(from, end - from)));
    from = end + 1;
  }
  Check(out.size() == lines.size() + 1);
  const std::u32string& rule = out[ruleAfter];
  for (const char32_t c : rule) Check(c == U'-');
  std::map<int, int> anchorColumn;  // by position in millimetres
  size_t k = 0;
  for (size_t n = 0; n < out.size(); ++n) {
    if (n == ruleAfter) continue;
    const std::vector<Printed>& line = lines[k++];
    std::vector<const Printed*> texts;
    bool fits = true;
    for (const Printed& p : line) {
      if (p.text.empty()) continue;
      texts.push_back(&p);
      fits &= static_cast<int>(p.text.size()) <= p.reserved;
    }
    const Split split = SplitLine(out[n], texts);
    Check(split.matched);
    if (!fits || split.starts.size() != texts.size()) continue;
    Check(out[n].size() <= rule.size());
    for (size_t t = 0; t < texts.size(); ++t) {
      const Printed& p = *texts[t];
      const int column = split.starts[t] + ExtentLeft(p.anchor, static_cast<int>(p.text.size()));
      Check(column >= static_cast<int>(std::lround(p.anchorMm / TextExportFilter::kMmPerColumn)));
      const auto [known, added] = anchorColumn.emplace(p.anchorMm, column);
      Check(known->second == column);
    }
  }
}

// ---- The report ------------------------------------------------------------------------------

struct Column {
  int leftMm, widthMm;
  Qt::Alignment alignment;
  bool autoSize;
};

Anchor AnchorOf(const Column& column) {
  if (column.autoSize || (column.alignment & Qt::AlignLeft)) return Anchor::Left;
  return (column.alignment & Qt::AlignRight) ? Anchor::Right : Anchor::Centre;
}

int AnchorMm(const Column& column) {
  switch (AnchorOf(column)) {
    case Anchor::Left:
      return column.leftMm;
    case Anchor::Right:
      return column.leftMm + column.widthMm;
    case Anchor::Centre:
      break;
  }
  return column.leftMm + column.widthMm / 2;
}

// Columns left to right, never overlapping, on whole even millimetres, so that every anchor is
// a whole millimetre and the anchors of one line lie 2 mm apart at least.
std::vector<Column> Columns(FuzzedDataProvider& input, int count) {
  static const Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
  std::vector<Column> columns;
  int left = 0;
  for (int i = 0; i < count; ++i) {
    left += 2 * input.ConsumeIntegralInRange(i == 0 ? 0 : 1, 15);
    const int width = 2 * input.ConsumeIntegralInRange(1, 25);
    columns.push_back({left, width, kAlign[input.ConsumeIntegralInRange(0, 2)] | Qt::AlignVCenter,
                       input.ConsumeIntegralInRange(0, 7) == 0});
    left += width;
  }
  return columns;
}

ReportLabel* Add(ReportBand& band, const QString& name, const QString& text, const Column& column,
                 double topMm, const FontSpec& font) {
  return band.addLabel(name, text, font, QRectF(column.leftMm, topMm, column.widthMm, 4),
                       column.alignment, column.autoSize);
}

Printed PrintedOf(const ReportLabel& label, const Column& column, int reserved) {
  return {Chars(Visible(label.utf8())), AnchorOf(column), AnchorMm(column), reserved};
}

int Length(const std::string& utf8) {
  return static_cast<int>(Chars(utf8).size());
}

// Exports report with filter into the folder; the folder then holds the output only (or
// nothing when cancelled), which is read and removed.
template <class Filter>
std::string Export(BandedReport& report, const char* name, int cancelAtRow, bool& finished) {
  const std::string path = Folder() + "/" + name;
  Filter filter(QString::fromStdString(path));
  finished = filter.exportReport(report, [&](int64_t rows) { return rows != cancelAtRow; });
  const std::vector<std::string> entries = FolderEntries();
  if (!finished) {
    Check(entries.empty());
    return {};
  }
  Check(entries.size() == 1 && entries.front() == name);
  std::string bytes = ReadFile(path);
  Check(unlink(path.c_str()) == 0);
  return bytes;
}

template <class Filter>
void ExportIntoMissingFolder(BandedReport& report) {
  Filter filter(QString::fromStdString(Folder() + "/missing/out"));
  bool raised = false;
  try {
    filter.exportReport(report, [](int64_t) { return true; });
  } catch (const EInOutError&) {
    raised = true;
  }
  Check(raised);
  Check(FolderEntries().empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const bool utf16 = input.ConsumeBool();
  const size_t maxText = input.ConsumeBool() ? 600 : 24;

  BandedReport report;
  report.setTitle(Text(input, utf16, maxText));
  ReportBand& titleBand = *report.addBand(QStringLiteral("title"), BandKind::Title, 30, false);
  ReportBand& headerBand =
      *report.addBand(QStringLiteral("columns"), BandKind::ColumnHeader, 6, true);
  ReportBand& detailBand = *report.addBand(QStringLiteral("detail"), BandKind::Detail, 5, false);
  const FontSpec plain;
  const FontSpec bold{QStringLiteral("Arial"), 10.0, true};

  // Title band: the title label on a line of its own, then header lines of captions and values
  // whose texts are filled before generation.
  const Column titleColumn{0, 190, Qt::AlignHCenter | Qt::AlignVCenter, false};
  const FontSpec titleFont{QStringLiteral("Arial"), input.ConsumeBool() ? 14.0 : 10.0, false};
  const ReportLabel* titleLabel = Add(titleBand, QStringLiteral("title"),
                                      Text(input, utf16, maxText), titleColumn, 0, titleFont);
  const int headerLines = input.ConsumeIntegralInRange(0, 3);
  const std::vector<Column> headerColumns = Columns(input, input.ConsumeIntegralInRange(1, 4));
  std::vector<std::vector<ReportLabel*>> headerLabels(static_cast<size_t>(headerLines));
  std::vector<std::vector<QString>> headerTexts(static_cast<size_t>(headerLines));
  for (int l = 0; l < headerLines; ++l)
    for (size_t c = 0; c < headerColumns.size(); ++c) {
      headerLabels[l].push_back(Add(titleBand, QStringLiteral("h%1_%2").arg(l).arg(c), QString(),
                                    headerColumns[c], 10 + 5 * l, c % 2 ? plain : bold));
      headerTexts[l].push_back(Text(input, utf16, maxText));
    }
  report.onBeforeGenerate = [&](BandedReport&, bool&) {
    for (size_t l = 0; l < headerLabels.size(); ++l)
      for (size_t c = 0; c < headerLabels[l].size(); ++c)
        headerLabels[l][c]->setText(headerTexts[l][c]);
  };

  // Column headers and the detail labels in the same boxes, each with an alignment of its own.
  const std::vector<Column> columns = Columns(input, input.ConsumeIntegralInRange(1, 6));
  std::vector<Column> detailColumns = columns;
  std::vector<ReportLabel*> headers, details;
  for (size_t c = 0; c < columns.size(); ++c) {
    headers.push_back(Add(headerBand, QStringLiteral("ch%1").arg(c), Text(input, utf16, maxText),
                          columns[c], 0, bold));
    detailColumns[c].alignment = input.ConsumeBool() ? Qt::AlignRight : columns[c].alignment;
    details.push_back(Add(detailBand, QStringLiteral("d%1").arg(c), Text(input, utf16, 8),
                          detailColumns[c], 0, input.ConsumeBool() ? bold : plain));
    details.back()->setMaxChars(input.ConsumeIntegralInRange(0, 30));
  }
  // What the text export reserves for a detail label: its expected width or the text it holds
  // when the export starts.
  std::vector<int> detailReserved(details.size());

  const int rowCount = input.ConsumeIntegralInRange(0, 12);
  const int cancelAt =
      input.ConsumeIntegralInRange(0, 15) == 0 ? input.ConsumeIntegralInRange(0, rowCount) : -1;
  std::vector<std::vector<QString>> rows(static_cast<size_t>(rowCount));
  for (auto& row : rows)
    for (size_t c = 0; c < columns.size(); ++c) row.push_back(Text(input, utf16, maxText));

  // The printed lines, each as its labels' texts after generation.
  std::vector<Line> expected;
  std::vector<std::vector<Printed>> printed;
  int row = 0;
  report.onNeedData = [&](QObject*, bool& more) {
    more = row < rowCount;
    if (!more) return;
    for (size_t c = 0; c < details.size(); ++c) details[c]->setText(rows[row][c]);
    ++row;
    Line line;
    std::vector<Printed> texts;
    for (size_t c = 0; c < details.size(); ++c) {
      line.push_back(details[c]->utf8());
      texts.push_back(PrintedOf(*details[c], detailColumns[c], detailReserved[c]));
    }
    expected.push_back(line);
    printed.push_back(texts);
  };
  auto headerPart = [&] {
    expected.clear();
    printed.clear();
    row = 0;
    for (size_t c = 0; c < details.size(); ++c)
      detailReserved[c] = std::max(details[c]->maxChars(), Length(details[c]->utf8()));
    expected.push_back({titleLabel->utf8()});
    printed.push_back({PrintedOf(*titleLabel, titleColumn, Length(titleLabel->utf8()))});
    for (size_t l = 0; l < headerLabels.size(); ++l) {
      Line line;
      std::vector<Printed> texts;
      for (size_t c = 0; c < headerColumns.size(); ++c) {
        const std::string utf8 = headerTexts[l][c].toStdString();
        line.push_back(utf8);
        texts.push_back({Chars(Visible(utf8)), AnchorOf(headerColumns[c]),
                         AnchorMm(headerColumns[c]), Length(utf8)});
      }
      expected.push_back(line);
      printed.push_back(texts);
    }
    Line line;
    std::vector<Printed> texts;
    for (size_t c = 0; c < columns.size(); ++c) {
      line.push_back(headers[c]->utf8());
      texts.push_back(PrintedOf(*headers[c], columns[c], Length(headers[c]->utf8())));
    }
    expected.push_back(line);
    printed.push_back(texts);
  };

  bool finished = false;
  headerPart();
  const std::string csv = Export<CsvExportFilter>(report, "out.csv", cancelAt, finished);
  if (finished) Check(ParseCsv(csv) == expected);

  headerPart();
  const std::string html = Export<HtmlExportFilter>(report, "out.htm", cancelAt, finished);
  if (finished) {
    const Html parsed = ParseHtml(html);
    Check(parsed.title == HtmlText(report.title().toStdString()));
    std::vector<Line> visible = expected;
    for (Line& line : visible)
      for (std::string& text : line) text = HtmlText(text);
    Check(parsed.lines == visible);
  }

  headerPart();
  const std::string text = Export<TextExportFilter>(report, "out.txt", cancelAt, finished);
  if (finished) CheckText(text, printed, 1 + headerLabels.size() + 1);

  ExportIntoMissingFolder<CsvExportFilter>(report);
  ExportIntoMissingFolder<HtmlExportFilter>(report);
  ExportIntoMissingFolder<TextExportFilter>(report);
  return 0;
}
