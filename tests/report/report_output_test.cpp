// What the amortization report produces: the exported files, printed (PDF) pages and the
// preview, read back and compared with the window's list.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QToolBar>
#include <QToolButton>
#include <atomic>

#include "report/export_filters.h"
#include "report/export_formats.h"
#include "report/report_preview.h"
#include "report/report_print.h"
#include "report_test_support.h"
#include "support/error_report.h"
#include "support/print_case.h"

namespace quarrant::testing {
namespace {

const QStringList kColumnHeaders = {"Period",          "Principal",      "Interest",
                                    "Total Principal", "Total Interest", "Balance"};

// The window as the report sees it: the inputs typed (expressions included) and a schedule.
class ReportFixture {
 public:
  explicit ReportFixture(const QString& periods) {
    Inputs inputs;
    inputs.nper = periods;
    inputs.rate = QStringLiteral("6");
    inputs.pv = QStringLiteral("100000");
    inputs.fv = QStringLiteral("500");  // shown in the header, never used by the schedule
    Calculate(window, inputs);
    window.show();  // binds the report
  }

  // The lines the report must hold, in order: title, header values, column headers, rows.
  std::vector<QStringList> ExpectedLines() const {
    std::vector<QStringList> lines = {
        {"Amortization Schedule"},
        {"Number of Periods:", Child<QLineEdit>(window, "se_NPer")->text(),
         "Present Value:", "100000"},
        {"Annual Interest (I%YR):", "6", "Future Value:", "500"},
        {"Payment Frequency:", "Monthly", "Payment Time:", "End of period"},
        kColumnHeaders};
    for (const QStringList& row : ListRows(window)) lines.push_back(row);
    return lines;
  }

  BandedReport& Report() { return *report.rep_schedule; }

  Tfrm_report report;
  Tfrm_Amortization window;
};

bool WaitFor(const std::function<bool()>& condition, int milliseconds = 20000) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

// ---- Exports ------------------------------------------------------------------------------

enum class Format { Text, Csv, Html };

using ::quarrant::test_support::PrintTo;

struct ExportCase {
  const char* name;
  Format format;
  const char* periods;
  int rows;
};

void PrintTo(const ExportCase& c, std::ostream* out) {
  *out << c.name;
}

class ExportTest : public ::testing::TestWithParam<ExportCase> {};

std::vector<QStringList> ReadBack(Format format, const QString& path) {
  const QString text = ReadText(path);
  switch (format) {
    case Format::Csv:
      return ParseCsv(text);
    case Format::Html:
      return ParseHtmlTable(text);
    case Format::Text: {
      std::vector<QStringList> lines;
      for (const QString& line : SimplifiedLines(text)) {
        if (line.startsWith(QStringLiteral("---"))) continue;  // the line under the headers
        lines.push_back({line});
      }
      return lines;
    }
  }
  return {};
}

std::unique_ptr<ExportFilter> MakeFilter(Format format, const QString& path) {
  switch (format) {
    case Format::Text:
      return std::make_unique<TextExportFilter>(path);
    case Format::Csv:
      return std::make_unique<CsvExportFilter>(path);
    case Format::Html:
      return std::make_unique<HtmlExportFilter>(path);
  }
  return nullptr;
}

// Where each column of a text export ends on a line: the right edge of every right-aligned
// text and the centre of the centred period, found from the texts the line must hold.
std::vector<int> TextEdges(const QString& line, const QStringList& texts) {
  std::vector<int> edges;
  qsizetype from = 0;
  for (qsizetype i = 0; i < texts.size(); ++i) {
    const qsizetype at = line.indexOf(texts[i], from);
    if (at < 0) return {};
    edges.push_back(
        static_cast<int>(i == 0 ? at * 2 + texts[i].size() : 2 * (at + texts[i].size())));
    from = at + texts[i].size();
  }
  return edges;
}

// The plain-text grid: every column edge at one position on the header line and every row,
// and the header values of the three caption lines starting in one column on each side.
void ExpectTextColumns(const QString& text, const std::vector<QStringList>& expected) {
  const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_GE(lines.size(), 6);
  std::vector<int> valueStarts[2];
  for (int i = 1; i <= 3; ++i) {
    const QStringList& texts = expected[static_cast<size_t>(i)];
    for (int side = 0; side < 2; ++side) {
      const qsizetype caption = lines[i].indexOf(texts[2 * side]);
      valueStarts[side].push_back(static_cast<int>(
          lines[i].indexOf(texts[2 * side + 1], caption + texts[2 * side].size())));
    }
  }
  for (const auto& starts : valueStarts)
    EXPECT_TRUE(std::all_of(starts.begin(), starts.end(), [&](int s) { return s == starts[0]; }))
        << starts[0] << " " << starts[1] << " " << starts[2];
  const std::vector<int> headerEdges = TextEdges(lines[4], expected[4]);
  ASSERT_EQ(headerEdges.size(), 6u) << lines[4].toStdString();
  for (size_t row = 5; row < expected.size(); ++row) {
    const qsizetype index = static_cast<qsizetype>(row) + 1;  // after the rule under the headers
    std::vector<int> edges = TextEdges(lines[index], expected[row]);
    // A centred text of odd length cannot centre on the same half column as an even one.
    if (!edges.empty() && std::abs(edges[0] - headerEdges[0]) <= 1) edges[0] = headerEdges[0];
    ASSERT_EQ(edges, headerEdges) << "row " << row - 5 << ": " << lines[index].toStdString();
  }
}

TEST_P(ExportTest, HoldsHeaderAndRowsInListOrder) {
  const ExportCase& c = GetParam();
  ReportFixture fixture(QString::fromLatin1(c.periods));
  ASSERT_EQ(static_cast<int>(ListRows(fixture.window).size()), c.rows);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("out"));
  ASSERT_TRUE(MakeFilter(c.format, path)->exportReport(fixture.Report()));

  const std::vector<QStringList> lines = fixture.ExpectedLines();
  std::vector<QStringList> expected = lines;
  if (c.format == Format::Text)  // a text line holds the texts separated by blanks
    for (QStringList& line : expected) line = QStringList{line.join(QLatin1Char(' '))};
  const std::vector<QStringList> actual = ReadBack(c.format, path);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(actual[i], expected[i]) << "line " << i;
  if (c.format == Format::Text) ExpectTextColumns(ReadText(path), lines);
  if (c.format == Format::Html) {
    QString error;
    ParseHtmlTable(ReadText(path), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Report, ExportTest,
                         ::testing::Values(ExportCase{"Text12", Format::Text, "2*6", 12},
                                           ExportCase{"Text360", Format::Text, "30*12", 360},
                                           ExportCase{"Text100k", Format::Text, "100000", 100000},
                                           ExportCase{"TextEmpty", Format::Text, "0", 0},
                                           ExportCase{"Csv12", Format::Csv, "2*6", 12},
                                           ExportCase{"Csv360", Format::Csv, "30*12", 360},
                                           ExportCase{"Csv100k", Format::Csv, "100000", 100000},
                                           ExportCase{"CsvEmpty", Format::Csv, "0", 0},
                                           ExportCase{"Html12", Format::Html, "2*6", 12},
                                           ExportCase{"Html360", Format::Html, "30*12", 360},
                                           ExportCase{"Html100k", Format::Html, "100000", 100000},
                                           ExportCase{"HtmlEmpty", Format::Html, "0", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportExport, HeaderShowsFieldsAsTheyStandNow) {
  ReportFixture fixture(QStringLiteral("12"));
  // Edited after the calculation: the header shows the new texts above the old rows.
  Child<QLineEdit>(fixture.window, "se_NPer")->setText(QStringLiteral("2*6"));
  Child<QLineEdit>(fixture.window, "se_pv")->setText(QStringLiteral("1e3?"));
  Child<QComboBox>(fixture.window, "cb_pmtf")->setCurrentIndex(2);
  Child<QComboBox>(fixture.window, "cb_pt")->setCurrentIndex(0);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("h.csv"));
  ASSERT_TRUE(CsvExportFilter(path).exportReport(fixture.Report()));
  const auto records = ParseCsv(ReadText(path));
  ASSERT_GE(records.size(), 5u);
  EXPECT_EQ(records[1], QStringList({"Number of Periods:", "2*6", "Present Value:", "1e3?"}));
  EXPECT_EQ(records[3], QStringList({"Payment Frequency:", "Semi-annually",
                                     "Payment Time:", "Beginning of period"}));
  EXPECT_EQ(records.size(), 5u + 12u);
}

TEST(ReportExport, CsvQuotesTextsHoldingQuotesAndCommas) {
  ReportFixture fixture(QStringLiteral("1"));
  Child<QLineEdit>(fixture.window, "se_pv")->setText(QStringLiteral("1,5 \"x\""));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("q.csv"));
  ASSERT_TRUE(CsvExportFilter(path).exportReport(fixture.Report()));
  EXPECT_TRUE(ReadText(path).contains(QStringLiteral("\"1,5 \"\"x\"\"\"")));
  EXPECT_EQ(ParseCsv(ReadText(path))[1][3], QStringLiteral("1,5 \"x\""));
}

TEST(ReportExport, HtmlEscapesMarkup) {
  ReportFixture fixture(QStringLiteral("1"));
  Child<QLineEdit>(fixture.window, "se_pv")->setText(QStringLiteral("<b>1</b>&"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("e.htm"));
  ASSERT_TRUE(HtmlExportFilter(path).exportReport(fixture.Report()));
  EXPECT_FALSE(ReadText(path).contains(QStringLiteral("<b>1</b>")));
  EXPECT_EQ(ParseHtmlTable(ReadText(path))[1][3], QStringLiteral("<b>1</b>&"));  // after the title
}

// ---- Replacing files ----------------------------------------------------------------------

TEST(ReportExport, ReplacesAnExistingFile) {
  ReportFixture fixture(QStringLiteral("12"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("s.csv"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
  }
  ASSERT_TRUE(CsvExportFilter(path).exportReport(fixture.Report()));
  EXPECT_EQ(ParseCsv(ReadText(path)).size(), 5u + 12u);
}

TEST(ReportExport, FailureMidwayLeavesThePreviousFileAndNoPartialFile) {
  ReportFixture fixture(QStringLiteral("360"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("s.csv"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
  }
  // The row source fails after 300 rows (more than one write buffer's worth).
  auto rows = fixture.Report().onNeedData;
  int delivered = 0;
  fixture.Report().onNeedData = [&](QObject* sender, bool& more) {
    if (++delivered > 300) throw std::runtime_error("row source failed");
    rows(sender, more);
  };
  EXPECT_THROW(CsvExportFilter(path).exportReport(fixture.Report()), std::runtime_error);
  EXPECT_EQ(ReadText(path), QStringLiteral("previous"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"s.csv"});
}

TEST(ReportExport, CancelledGenerationWritesNothing) {
  ReportFixture fixture(QStringLiteral("12"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("c.htm"));
  fixture.Report().onBeforeGenerate = [](BandedReport&, bool& cancel) { cancel = true; };
  EXPECT_FALSE(HtmlExportFilter(path).exportReport(fixture.Report()));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(ReportExport, UnwritableTargetReachesTheErrorReport) {
  ReportFixture fixture(QStringLiteral("12"));
  QTemporaryDir dir;
  const QString blocked = dir.filePath(QStringLiteral("folder.csv"));
  ASSERT_TRUE(QDir().mkdir(blocked));  // a folder where the file would go
  const QString missing = dir.filePath(QStringLiteral("no/such/folder/x.csv"));
  for (const QString& path : {blocked, missing}) {
    MessageCatcher catcher;
    EXPECT_FALSE(Guarded([&] { CsvExportFilter(path).exportReport(fixture.Report()); }));
    ASSERT_EQ(catcher.texts().size(), 1);
    EXPECT_TRUE(catcher.texts().front().startsWith(QStringLiteral("Cannot write file \"") + path))
        << catcher.texts().front().toStdString();
    EXPECT_TRUE(catcher.texts().front().endsWith(QLatin1Char('.')));
  }
  EXPECT_TRUE(QFileInfo(blocked).isDir());
}

// Root writes over any file whatever its permission bits: while one lives, the process
// works as the user nobody (when it runs as root), as a user of the program does.
struct AsOrdinaryUser {
  static constexpr uid_t kNobody = 65534;
  AsOrdinaryUser() : wasRoot(geteuid() == 0) {
    if (wasRoot) EXPECT_EQ(seteuid(kNobody), 0);
  }
  ~AsOrdinaryUser() {
    if (wasRoot) EXPECT_EQ(seteuid(0), 0);
  }
  const bool wasRoot;
};

// A file its owner made read-only, from the start or while the export runs, is refused like
// any file that cannot be written: the system's reason in the error report, the file as it
// was and nothing left beside it. The same for a PDF.
TEST(ReportExport, ReadOnlyTargetIsRefused) {
  for (const auto [pdf, duringExport] : {std::pair{false, false}, {true, false}, {false, true}}) {
    SCOPED_TRACE(pdf ? "pdf" : duringExport ? "read-only while exporting" : "export");
    ReportFixture fixture(QStringLiteral("360"));
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::Permissions(0x7777)));
    const QString path = dir.filePath(pdf ? QStringLiteral("s.pdf") : QStringLiteral("s.csv"));
    {
      QFile old(path);
      ASSERT_TRUE(old.open(QIODevice::WriteOnly));
      old.write("previous");
    }
    if (geteuid() == 0) ASSERT_EQ(chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    const auto makeReadOnly = [&] {
      return QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    };
    if (!duringExport) ASSERT_TRUE(makeReadOnly());
    MessageCatcher catcher;
    {
      AsOrdinaryUser user;
      Guarded([&] {
        if (pdf)
          writeReportPdf(fixture.Report(), path);
        else if (duringExport)
          CsvExportFilter(path).exportReport(fixture.Report(),
                                             [&](int64_t) { return makeReadOnly(); });
        else
          CsvExportFilter(path).exportReport(fixture.Report());
      });
    }
    ASSERT_EQ(catcher.texts().size(), 1);
    EXPECT_EQ(catcher.texts().front(),
              QStringLiteral("Cannot write file \"%1\": Permission denied.").arg(path));
    EXPECT_EQ(ReadText(path), QStringLiteral("previous"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QFileInfo(path).fileName()});
  }
}

// ---- The save dialog ----------------------------------------------------------------------

TEST(SaveDialog, ExtensionRules) {
  struct Case {
    const char* typed;
    int filter;
    const char* result;
  };
  const Case cases[] = {
      {"/d/schedule", 1, "/d/schedule.TXT"},
      {"/d/schedule", 2, "/d/schedule.csv"},
      {"/d/schedule", 3, "/d/schedule.htm"},
      {"/d/schedule.txt", 3, "/d/schedule.txt"},
      {"/d/schedule.CSV", 1, "/d/schedule.CSV"},
      {"/d/my.files/schedule", 2, "/d/my.files/schedule.csv"},
      {"/d/schedule.", 1, "/d/schedule.TXT"},
      {"/d/.hidden", 2, "/d/.hidden.csv"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(withExtension(QString::fromLatin1(c.typed),
                            exportFormats()[static_cast<size_t>(c.filter - 1)]),
              QString::fromLatin1(c.result))
        << c.typed << " with filter " << c.filter;
}

// Fills in the modal save dialog: folder, filter (0-based), typed name; then accepts.
void AnswerSaveDialog(const QString& folder, int filter, const QString& typed) {
  OnModal<QFileDialog>([=](QFileDialog* dialog) {
    dialog->setDirectory(folder);
    dialog->selectNameFilter(exportFormatFilters().at(filter));
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
    static_cast<QDialog*>(dialog)->accept();
  });
}

struct SaveCase {
  const char* name;
  const char* typed;
  int filter;
  const char* file;
  Format format;
};

class SaveAsTest : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveAsTest, WritesTheChosenFormatUnderTheReturnedName) {
  const SaveCase& c = GetParam();
  ReportFixture fixture(QStringLiteral("12"));
  QTemporaryDir dir;
  const QString expectedPath = dir.filePath(QString::fromLatin1(c.file));
  {
    QFile old(expectedPath);  // replaced without a question
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
  }
  MessageCatcher catcher;
  AnswerSaveDialog(dir.path(), c.filter, QString::fromLatin1(c.typed));
  Child<QToolButton>(fixture.window, "sb_saveas")->click();
  EXPECT_TRUE(catcher.texts().isEmpty())
      << catcher.texts().join(QStringLiteral(" | ")).toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QString::fromLatin1(c.file)});
  const QString text = ReadText(expectedPath);
  switch (c.format) {
    case Format::Csv:
      EXPECT_TRUE(text.startsWith(QStringLiteral("\"Amortization Schedule\"")));
      break;
    case Format::Html:
      EXPECT_TRUE(text.startsWith(QStringLiteral("<!DOCTYPE html>")));
      break;
    case Format::Text:
      EXPECT_EQ(text.trimmed().left(21), QStringLiteral("Amortization Schedule"));
      break;
  }
  EXPECT_EQ(ReadBack(c.format, expectedPath).size(), c.format == Format::Text ? 17u : 17u);
}

INSTANTIATE_TEST_SUITE_P(
    Report, SaveAsTest,
    ::testing::Values(
        SaveCase{"CsvAppendsCsv", "schedule", 1, "schedule.csv", Format::Csv},
        SaveCase{"TextAppendsUpperCaseTxt", "schedule", 0, "schedule.TXT", Format::Text},
        SaveCase{"HtmlAppendsHtm", "schedule", 2, "schedule.htm", Format::Html},
        SaveCase{"TypedExtensionKept", "schedule.txt", 2, "schedule.txt", Format::Html}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveDialog, PickingAFilterAfterTypingKeepsTheTypedExtension) {
  ReportFixture fixture(QStringLiteral("12"));
  QTemporaryDir dir;
  OnModal<QFileDialog>([&](QFileDialog* dialog) {
    dialog->setDirectory(dir.path());
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("schedule.txt");
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    for (int down = 0; down < 2; ++down)  // the user picks "HTML File (*.htm)" with the keys
      QTest::keyClick(types, Qt::Key_Down);
    ASSERT_EQ(types->currentIndex(), 2);
    static_cast<QDialog*>(dialog)->accept();
  });
  Child<QToolButton>(fixture.window, "sb_saveas")->click();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"schedule.txt"});
  EXPECT_TRUE(ReadText(dir.filePath("schedule.txt")).startsWith(QStringLiteral("<!DOCTYPE html>")));
}

TEST(SaveDialog, RemembersFolderNameAndFilterWithinOneOpening) {
  ReportFixture fixture(QStringLiteral("3"));
  QTemporaryDir dir;
  struct Seen {
    QString folder, name, filter, title;
  };
  auto look = [](Seen& seen, std::function<void(QFileDialog*)> then) {
    OnModal<QFileDialog>([&seen, then](QFileDialog* dialog) {
      seen.folder = dialog->directory().absolutePath();
      seen.name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
      seen.filter = dialog->selectedNameFilter();
      seen.title = dialog->windowTitle();
      then(dialog);
    });
  };
  const QStringList filters = exportFormatFilters();

  Seen first;
  look(first, [&](QFileDialog* dialog) {
    dialog->setDirectory(dir.path());
    dialog->selectNameFilter(filters[1]);
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("first");
    static_cast<QDialog*>(dialog)->accept();
  });
  Child<QToolButton>(fixture.window, "sb_saveas")->click();
  EXPECT_EQ(first.title, QStringLiteral("Save file"));
  EXPECT_EQ(first.folder, QDir(QCoreApplication::applicationDirPath()).absolutePath());
  EXPECT_EQ(first.name, QString());
  EXPECT_EQ(first.filter, filters[0]);
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("first.csv"))));

  Seen second;
  look(second, [&](QFileDialog* dialog) {
    dialog->selectNameFilter(filters[2]);
    dialog->reject();
  });
  Child<QToolButton>(fixture.window, "sb_saveas")->click();
  EXPECT_EQ(second.folder, QDir(dir.path()).absolutePath());
  EXPECT_EQ(second.name, QStringLiteral("first.csv"));
  EXPECT_EQ(second.filter, filters[1]);

  Seen third;  // the filter last shown, also after a cancel
  look(third, [](QFileDialog* dialog) { dialog->reject(); });
  Child<QToolButton>(fixture.window, "sb_saveas")->click();
  EXPECT_EQ(third.folder, QDir(dir.path()).absolutePath());
  EXPECT_EQ(third.name, QStringLiteral("first.csv"));
  EXPECT_EQ(third.filter, filters[2]);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"first.csv"});

  // A new opening of the window starts afresh.
  Tfrm_Amortization another;
  Seen fresh;
  look(fresh, [](QFileDialog* dialog) { dialog->reject(); });
  Child<QToolButton>(another, "sb_saveas")->click();
  EXPECT_EQ(fresh.folder, QDir(QCoreApplication::applicationDirPath()).absolutePath());
  EXPECT_EQ(fresh.filter, filters[0]);
}

// ---- Printed pages (PDF through the printing path) ----------------------------------------

struct PrintedReport {
  QStringList pages;              // text of each page
  std::vector<QStringList> rows;  // detail lines in order, split at blanks
};

PrintedReport ReadPdf(const QString& pdfPath) {
  PrintedReport printed;
  const QString text = PdfToText(pdfPath);
  printed.pages = text.split(QLatin1Char('\f'));
  if (!printed.pages.isEmpty() && printed.pages.back().trimmed().isEmpty())
    printed.pages.pop_back();
  static const QRegularExpression rowLine(QStringLiteral("^\\d+ "));
  for (const QString& line : SimplifiedLines(text))
    if (rowLine.match(line).hasMatch()) printed.rows.push_back(line.split(QLatin1Char(' ')));
  return printed;
}

PrintedReport PrintToPdf(BandedReport& report, const QString& pdfPath) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdfPath);
  printReport(report, printer);
  return ReadPdf(pdfPath);
}

// Answers the next "Save as PDF" dialog with this file.
void AnswerPdfDialog(const QString& path) {
  OnModal<QFileDialog>([path](QFileDialog* dialog) {
    EXPECT_EQ(dialog->nameFilters(), QStringList{"PDF files (*.pdf)"});
    dialog->setDirectory(QFileInfo(path).absolutePath());
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
        ->setText(QFileInfo(path).fileName());
    static_cast<QDialog*>(dialog)->accept();
  });
}

// "Save as PDF" in the preview window, once its pages are made.
PrintedReport SavePdfFromPreview(Tfrm_Amortization& window, const QString& pdfPath) {
  OnModal<ReportPreviewWindow>([pdfPath](ReportPreviewWindow* preview) {
    WaitFor([preview] { return preview->isGenerated(); });
    AnswerPdfDialog(pdfPath);
    preview->findChild<QAction*>(QStringLiteral("act_pdf"))->trigger();
    preview->reject();
  });
  Child<QToolButton>(window, "sb_preview")->click();
  return ReadPdf(pdfPath);
}

// Replaces the system's printers with a list of names while it lives.
struct FakePrinters {
  explicit FakePrinters(QStringList names) {
    setPrinterLookup([names] { return names; });
  }
  ~FakePrinters() { setPrinterLookup({}); }
};

struct PrintCase {
  const char* name;
  const char* periods;
  int rows;
  int pages;
  bool fromPreview;  // "Save as PDF" in the preview rather than a PDF printer
};

void PrintTo(const PrintCase& c, std::ostream* out) {
  *out << c.name;
}

class PrintTest : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintTest, TitleOnceHeadersOnEveryPageRowsOnceInOrder) {
  const PrintCase& c = GetParam();
  ReportFixture fixture(QString::fromLatin1(c.periods));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("r.pdf"));
  const PrintedReport printed =
      c.fromPreview ? SavePdfFromPreview(fixture.window, path) : PrintToPdf(fixture.Report(), path);
  ASSERT_EQ(printed.pages.size(), c.pages) << "pdftotext output missing?";
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"r.pdf"});
  const QString all = printed.pages.join(QLatin1Char('\n'));
  EXPECT_EQ(all.count(QStringLiteral("Amortization Schedule")), 1);
  EXPECT_TRUE(printed.pages.front().simplified().contains(
      QStringLiteral("Number of Periods: %1")
          .arg(Child<QLineEdit>(fixture.window, "se_NPer")->text())));
  EXPECT_TRUE(printed.pages.front().simplified().contains(QStringLiteral("Future Value: 500")));
  for (int p = 0; p < printed.pages.size(); ++p) {
    EXPECT_EQ(printed.pages[p].simplified().count(kColumnHeaders.join(QLatin1Char(' '))), 1)
        << "page " << p + 1;
    if (p > 0) EXPECT_FALSE(printed.pages[p].contains(QStringLiteral("Number of Periods")));
    EXPECT_TRUE(printed.pages[p].simplified().endsWith(
        QStringLiteral("Page %1 of %2").arg(p + 1).arg(c.pages)))
        << "page " << p + 1;
  }
  EXPECT_EQ(printed.rows, ListRows(fixture.window));
}

INSTANTIATE_TEST_SUITE_P(Report, PrintTest,
                         ::testing::Values(PrintCase{"Empty", "0", 0, 1, false},
                                           PrintCase{"Twelve", "2*6", 12, 1, false},
                                           PrintCase{"ThreeHundredSixty", "30*12", 360, 9, false},
                                           PrintCase{"PdfTwelve", "2*6", 12, 1, true},
                                           PrintCase{"PdfThreeHundredSixty", "30*12", 360, 9,
                                                     true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportPrint, PrintingTwiceGivesTheSameRows) {
  ReportFixture fixture(QStringLiteral("100"));
  QTemporaryDir dir;
  const PrintedReport first = PrintToPdf(fixture.Report(), dir.filePath(QStringLiteral("1.pdf")));
  const PrintedReport second = PrintToPdf(fixture.Report(), dir.filePath(QStringLiteral("2.pdf")));
  EXPECT_EQ(first.rows.size(), 100u);
  EXPECT_EQ(first.rows, second.rows);
  EXPECT_EQ(first.pages, second.pages);
}

// Without a printer, "Print" (in the window and in the preview) says so and offers a PDF:
// No ends there, Yes saves the report through the PDF dialog.
TEST(ReportPrint, WithoutPrinterOffersToSaveAsPdf) {
  FakePrinters none({});
  for (const bool fromPreview : {false, true})
    for (const bool yes : {false, true}) {
      SCOPED_TRACE(::testing::Message() << "preview " << fromPreview << " yes " << yes);
      ReportFixture fixture(QStringLiteral("12"));
      QTemporaryDir dir;
      const QString pdf = dir.filePath(QStringLiteral("schedule.pdf"));
      QStringList questions;
      auto answer = [&, yes](QMessageBox* box) {
        questions.append(box->text());
        if (yes) AnswerPdfDialog(pdf);
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
      };
      if (fromPreview) {
        OnModal<ReportPreviewWindow>([&](ReportPreviewWindow* preview) {
          WaitFor([preview] { return preview->isGenerated(); });
          OnModal<QMessageBox>(answer);
          preview->findChild<QAction*>(QStringLiteral("act_print"))->trigger();
          preview->reject();
        });
        Child<QToolButton>(fixture.window, "sb_preview")->click();
      } else {
        OnModal<QMessageBox>(answer);
        Child<QToolButton>(fixture.window, "sb_print")->click();
      }
      EXPECT_EQ(questions, QStringList{QString::fromLatin1(kNoPrinterQuestion)});
      EXPECT_EQ(QFile::exists(pdf), yes);
      if (yes) EXPECT_EQ(ReadPdf(pdf).rows, ListRows(fixture.window));
    }
}

// ---- Preview ------------------------------------------------------------------------------

TEST(ReportPreview, PagesComeFromAWorkerThreadAndMatchThePrint) {
  ReportFixture fixture(QStringLiteral("360"));
  std::atomic<int> offThreadCalls{0}, onThreadCalls{0};
  auto rows = fixture.Report().onNeedData;
  fixture.Report().onNeedData = [&](QObject* sender, bool& more) {
    (QThread::currentThread() == QApplication::instance()->thread() ? onThreadCalls
                                                                    : offThreadCalls)++;
    rows(sender, more);
  };
  int pages = -1;
  QStringList firstPageTexts;
  bool generatedInTime = false;
  OnModal<ReportPreviewWindow>([&](ReportPreviewWindow* preview) {
    generatedInTime = WaitFor([preview] { return preview->isGenerated(); });
    pages = preview->pageCount();
    if (const ReportPage* first = preview->page(0))
      firstPageTexts = first->textsOf(first->bands.front());
    preview->showPage(8);
    preview->reject();
  });
  Child<QToolButton>(fixture.window, "sb_preview")->click();
  EXPECT_TRUE(generatedInTime);
  EXPECT_EQ(pages, 9);
  EXPECT_EQ(firstPageTexts.value(0), QStringLiteral("Amortization Schedule"));
  EXPECT_EQ(offThreadCalls.load(), 361);  // 360 rows and the final "no more rows"
  EXPECT_EQ(onThreadCalls.load(), 0);
}

TEST(ReportPreview, ErrorWhileGeneratingReachesTheErrorReport) {
  ReportFixture fixture(QStringLiteral("12"));
  fixture.Report().onNeedData = [](QObject*, bool&) { throw std::runtime_error("no rows today"); };
  MessageCatcher catcher;
  Child<QToolButton>(fixture.window, "sb_preview")->click();
  ASSERT_EQ(catcher.texts().size(), 1);
  EXPECT_EQ(catcher.texts().front(), QStringLiteral("no rows today."));
}

TEST(ReportBinding, WindowLeavesTheReportUnboundWhenDestroyed) {
  Tfrm_report report;
  {
    Tfrm_Amortization window;
    window.show();
    EXPECT_TRUE(static_cast<bool>(report.rep_schedule->onNeedData));
  }
  EXPECT_FALSE(static_cast<bool>(report.rep_schedule->onNeedData));
  EXPECT_FALSE(static_cast<bool>(report.rep_schedule->onBeforeGenerate));
}

}  // namespace
}  // namespace quarrant::testing

namespace quarrant::testing {
namespace {

// ---- Long runs: progress window, Cancel, pages shown while the rest are made ---------------

// Rows that take a while each, so that a short schedule runs long enough for the progress
// window; counts how many rows were asked for.
struct SlowRows {
  SlowRows(BandedReport& report, int microseconds) : rows(report.onNeedData) {
    report.onNeedData = [this, microseconds](QObject* sender, bool& more) {
      ++asked;
      QThread::usleep(static_cast<unsigned long>(microseconds));
      rows(sender, more);
    };
  }
  BandedReport::NeedDataHandler rows;
  std::atomic<int> asked{0};
};

// Cancel in the progress window of an export and of a PDF print: generation stops at once,
// the old file stays as it was and no temporary file is left behind.
TEST(ReportProgress, CancelStopsAndLeavesThePreviousFile) {
  for (const bool print : {false, true}) {
    SCOPED_TRACE(print ? "print" : "export");
    ReportFixture fixture(QStringLiteral("360"));
    SlowRows slow(fixture.Report(), 4000);
    QTemporaryDir dir;
    const QString path = dir.filePath(print ? QStringLiteral("s.pdf") : QStringLiteral("s.csv"));
    {
      QFile old(path);
      ASSERT_TRUE(old.open(QIODevice::WriteOnly));
      old.write("previous");
    }
    QString label;
    OnModal<QProgressDialog>([&](QProgressDialog* progress) {
      // The window shows mid-run (the work runs on this thread: it waits while we look).
      label = progress->labelText();
      progress->cancel();
    });
    const bool done = print ? writeReportPdf(fixture.Report(), path, &fixture.window)
                            : CsvExportFilter(path).exportReport(fixture.Report(), &fixture.window);
    EXPECT_FALSE(done);
    EXPECT_LT(slow.asked.load(), 361) << "generation went on after Cancel";
    EXPECT_TRUE(label.contains(QStringLiteral("of 360"))) << label.toStdString();
    EXPECT_EQ(ReadText(path), QStringLiteral("previous"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QFileInfo(path).fileName()});
  }
}

// The preview shows its first page while later pages are still being made; "Last" then goes
// to the final page once it exists.
TEST(ReportPreview, FirstPageShowsBeforeTheLastIsMade) {
  ReportFixture fixture(QStringLiteral("360"));
  SlowRows slow(fixture.Report(), 2000);
  bool firstBeforeDone = false;
  int current = -1, pages = -1;
  QString status, foot;
  OnModal<ReportPreviewWindow>([&](ReportPreviewWindow* preview) {
    // The window hears of new pages a few times a second: wait until it shows the first.
    auto* statusLabel = preview->findChild<QLabel*>(QStringLiteral("lb_status"));
    WaitFor(
        [statusLabel] { return statusLabel->text().startsWith(QStringLiteral(" Page 1 of ")); });
    firstBeforeDone = !preview->isGenerated();
    status = statusLabel->text();
    foot = preview->pageFoot(0);
    preview->findChild<QToolBar*>()->actions().at(6)->trigger();  // "Last"
    WaitFor([preview] { return preview->isGenerated() && preview->currentPage() == 8; });
    current = preview->currentPage();
    pages = preview->pageCount();
    preview->reject();
  });
  Child<QToolButton>(fixture.window, "sb_preview")->click();
  EXPECT_TRUE(firstBeforeDone);
  EXPECT_TRUE(status.startsWith(QStringLiteral(" Page 1 of "))) << status.toStdString();
  EXPECT_EQ(foot, QStringLiteral("Page 1 of 9"));  // the count is known before the pages are
  EXPECT_EQ(pages, 9);
  EXPECT_EQ(current, 8);
}

// ---- Texts holding control characters ------------------------------------------------------

QString Visible(QString text) {
  for (QChar& c : text)
    if (c.unicode() < 0x20) c = QChar(0x2400 + c.unicode());
  return text;
}

// A NUL, a newline and a U+FFFF in every header value and in every text of a row reach each
// format whole: as typed in CSV (inside quotes), as visible symbols in text and HTML, U+FFFF as
// U+FFFD in HTML (no XML character); no other text moves and the text columns stay in line.
TEST(ReportExport, ControlCharactersStayInsideTheirTexts) {
  const QString odd = QStringLiteral("a") + QChar(0) + QStringLiteral("b\nc") + QChar(0xFFFF);
  for (const Format format : {Format::Csv, Format::Html, Format::Text}) {
    ReportFixture fixture(QStringLiteral("3"));
    // The window's fields refuse control characters, so the header labels are given the odd
    // texts once the window has filled them.
    auto fillHeader = fixture.Report().onBeforeGenerate;
    fixture.Report().onBeforeGenerate = [&](BandedReport& report, bool& cancel) {
      fillHeader(report, cancel);
      const char* const labels[][2] = {
          {"lb_nper", "se_NPer"}, {"lb_pv", "se_pv"}, {"lb_i", "se_i"}, {"lb_fv", "se_fv"}};
      for (const auto& [label, field] : labels)
        report.label(QString::fromLatin1(label))->setText(odd + QString::fromLatin1(field));
    };
    std::vector<QStringList> expected = fixture.ExpectedLines();
    expected[1][1] = odd + QStringLiteral("se_NPer");
    expected[1][3] = odd + QStringLiteral("se_pv");
    expected[2][1] = odd + QStringLiteral("se_i");
    expected[2][3] = odd + QStringLiteral("se_fv");
    expected[6] = QStringList();  // the second row: odd texts in every column
    for (int c = 0; c < 6; ++c) expected[6].append(odd + QString::number(c));
    auto rows = fixture.Report().onNeedData;
    int row = 0;
    fixture.Report().onNeedData = [&](QObject* sender, bool& more) {
      rows(sender, more);
      if (++row == 2)
        for (int c = 0; c < 6; ++c)
          fixture.Report().band(BandKind::Detail)->labels()[c]->setText(odd + QString::number(c));
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("odd"));
    ASSERT_TRUE(MakeFilter(format, path)->exportReport(fixture.Report()));
    const QString text = ReadText(path);
    if (format == Format::Csv) {
      EXPECT_EQ(ParseCsv(text), expected);
      continue;
    }
    for (QStringList& line : expected)
      for (QString& t : line) t = Visible(t);
    if (format == Format::Html) {
      for (QStringList& line : expected)
        for (QString& t : line) t.replace(QChar(0xFFFF), QChar(0xFFFD));
      QString error;
      EXPECT_EQ(ParseHtmlTable(text, &error), expected);
      EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    } else {
      EXPECT_EQ(text.count(QLatin1Char('\n')), 9);  // 8 lines and the rule
      ExpectTextColumns(text, expected);
    }
  }
}

// A write that fails says why, in the system's words.
TEST(ReportExport, FailedWriteNamesTheReason) {
  ReportFixture fixture(QStringLiteral("360"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("big.htm"));
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  MessageCatcher catcher;
  Guarded([&] { HtmlExportFilter(path).exportReport(fixture.Report()); });
  setrlimit(RLIMIT_FSIZE, &old);
  ASSERT_EQ(catcher.texts().size(), 1);
  EXPECT_EQ(catcher.texts().front(),
            QStringLiteral("Cannot write file \"%1\": File too large.").arg(path));
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

}  // namespace
}  // namespace quarrant::testing
