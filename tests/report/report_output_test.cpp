// What the amortization report produces: the exported files, printed (PDF) pages and the
// preview, read back and compared with the window's list.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <atomic>

#include "report/export_filters.h"
#include "report/report_preview.h"
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
    window.FormShow();
  }

  // The lines the report must hold, in order: title, header values, column headers, rows.
  std::vector<QStringList> ExpectedLines() const {
    std::vector<QStringList> lines = {
        {"Amortization Schedule"},
        {"Number of Periods:", window.se_NPer->text(), "Present Value:", "100000"},
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

// ---- Exports ------------------------------------------------------------------------------

enum class Format { Text, Csv, Html };

using ::quarrant::test_support::PrintTo;

struct ExportCase {
  const char* name;
  Format format;
  const char* periods;
  int rows;
};

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

TEST_P(ExportTest, HoldsHeaderAndRowsInListOrder) {
  const ExportCase& c = GetParam();
  ReportFixture fixture(QString::fromLatin1(c.periods));
  ASSERT_EQ(static_cast<int>(ListRows(fixture.window).size()), c.rows);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("out"));
  ASSERT_TRUE(MakeFilter(c.format, path)->Export(fixture.Report()));

  std::vector<QStringList> expected = fixture.ExpectedLines();
  if (c.format == Format::Text)  // a text line holds the texts separated by blanks
    for (QStringList& line : expected) line = QStringList{line.join(QLatin1Char(' '))};
  const std::vector<QStringList> actual = ReadBack(c.format, path);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(actual[i], expected[i]) << "line " << i;
}

INSTANTIATE_TEST_SUITE_P(Report, ExportTest,
                         ::testing::Values(ExportCase{"Text12", Format::Text, "2*6", 12},
                                           ExportCase{"Text360", Format::Text, "30*12", 360},
                                           ExportCase{"TextEmpty", Format::Text, "0", 0},
                                           ExportCase{"Csv12", Format::Csv, "2*6", 12},
                                           ExportCase{"Csv360", Format::Csv, "30*12", 360},
                                           ExportCase{"CsvEmpty", Format::Csv, "0", 0},
                                           ExportCase{"Html12", Format::Html, "2*6", 12},
                                           ExportCase{"Html360", Format::Html, "30*12", 360},
                                           ExportCase{"HtmlEmpty", Format::Html, "0", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportExport, HeaderShowsFieldsAsTheyStandNow) {
  ReportFixture fixture(QStringLiteral("12"));
  // Edited after the calculation: the header shows the new texts above the old rows.
  fixture.window.se_NPer->setText(QStringLiteral("2*6"));
  fixture.window.se_pv->setText(QStringLiteral("1e3?"));
  fixture.window.cb_pmtf->setCurrentIndex(2);
  fixture.window.cb_pt->setCurrentIndex(0);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("h.csv"));
  ASSERT_TRUE(CsvExportFilter(path).Export(fixture.Report()));
  const auto records = ParseCsv(ReadText(path));
  ASSERT_GE(records.size(), 5u);
  EXPECT_EQ(records[1], QStringList({"Number of Periods:", "2*6", "Present Value:", "1e3?"}));
  EXPECT_EQ(records[3], QStringList({"Payment Frequency:", "Semi-annually",
                                     "Payment Time:", "Beginning of period"}));
  EXPECT_EQ(records.size(), 5u + 12u);
}

TEST(ReportExport, CsvQuotesTextsHoldingQuotesAndCommas) {
  ReportFixture fixture(QStringLiteral("1"));
  fixture.window.se_pv->setText(QStringLiteral("1,5 \"x\""));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("q.csv"));
  ASSERT_TRUE(CsvExportFilter(path).Export(fixture.Report()));
  EXPECT_TRUE(ReadText(path).contains(QStringLiteral("\"1,5 \"\"x\"\"\"")));
  EXPECT_EQ(ParseCsv(ReadText(path))[1][3], QStringLiteral("1,5 \"x\""));
}

TEST(ReportExport, HtmlEscapesMarkup) {
  ReportFixture fixture(QStringLiteral("1"));
  fixture.window.se_pv->setText(QStringLiteral("<b>1</b>&"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("e.htm"));
  ASSERT_TRUE(HtmlExportFilter(path).Export(fixture.Report()));
  EXPECT_FALSE(ReadText(path).contains(QStringLiteral("<b>1</b>")));
  EXPECT_EQ(ParseHtmlTable(ReadText(path))[1][3], QStringLiteral("<b>1</b>&"));
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
  ASSERT_TRUE(CsvExportFilter(path).Export(fixture.Report()));
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
  auto rows = fixture.Report().OnNeedData;
  int delivered = 0;
  fixture.Report().OnNeedData = [&](QObject* sender, bool& more) {
    if (++delivered > 300) throw std::runtime_error("row source failed");
    rows(sender, more);
  };
  EXPECT_THROW(CsvExportFilter(path).Export(fixture.Report()), std::runtime_error);
  EXPECT_EQ(ReadText(path), QStringLiteral("previous"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"s.csv"});
}

TEST(ReportExport, CancelledGenerationWritesNothing) {
  ReportFixture fixture(QStringLiteral("12"));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("c.htm"));
  fixture.Report().OnBeforeGenerate = [](BandedReport&, bool& cancel) { cancel = true; };
  EXPECT_FALSE(HtmlExportFilter(path).Export(fixture.Report()));
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
    EXPECT_FALSE(Guarded([&] { CsvExportFilter(path).Export(fixture.Report()); }));
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_TRUE(catcher.texts.front().startsWith(QStringLiteral("Cannot write file \"") + path))
        << catcher.texts.front().toStdString();
    EXPECT_TRUE(catcher.texts.front().endsWith(QLatin1Char('.')));
  }
  EXPECT_TRUE(QFileInfo(blocked).isDir());
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
      {"/d/schedule", 0, "/d/schedule"},
      {"/d/schedule", 4, "/d/schedule"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Tfrm_Amortization::WithFilterExtension(QString::fromLatin1(c.typed), c.filter),
              QString::fromLatin1(c.result))
        << c.typed << " with filter " << c.filter;
}

// Fills in the modal save dialog: folder, filter (0-based), typed name; then accepts.
void AnswerSaveDialog(const QString& folder, int filter, const QString& typed) {
  OnModal<QFileDialog>([=](QFileDialog* dialog) {
    dialog->setDirectory(folder);
    dialog->selectNameFilter(Tfrm_Amortization::SaveFilters().at(filter));
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
  fixture.window.sb_saveas->click();
  EXPECT_TRUE(catcher.texts.isEmpty()) << catcher.texts.join(QStringLiteral(" | ")).toStdString();
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
    types->setCurrentIndex(2);  // as the user picks "HTML File (*.htm)"
    emit types->activated(2);
    static_cast<QDialog*>(dialog)->accept();
  });
  fixture.window.sb_saveas->click();
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
  const QStringList& filters = Tfrm_Amortization::SaveFilters();

  Seen first;
  look(first, [&](QFileDialog* dialog) {
    dialog->setDirectory(dir.path());
    dialog->selectNameFilter(filters[1]);
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("first");
    static_cast<QDialog*>(dialog)->accept();
  });
  fixture.window.sb_saveas->click();
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
  fixture.window.sb_saveas->click();
  EXPECT_EQ(second.folder, QDir(dir.path()).absolutePath());
  EXPECT_EQ(second.name, QStringLiteral("first.csv"));
  EXPECT_EQ(second.filter, filters[1]);

  Seen third;  // the filter last shown, also after a cancel
  look(third, [](QFileDialog* dialog) { dialog->reject(); });
  fixture.window.sb_saveas->click();
  EXPECT_EQ(third.folder, QDir(dir.path()).absolutePath());
  EXPECT_EQ(third.name, QStringLiteral("first.csv"));
  EXPECT_EQ(third.filter, filters[2]);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"first.csv"});

  // A new opening of the window starts afresh.
  Tfrm_Amortization another;
  Seen fresh;
  look(fresh, [](QFileDialog* dialog) { dialog->reject(); });
  another.sb_saveas->click();
  EXPECT_EQ(fresh.folder, QDir(QCoreApplication::applicationDirPath()).absolutePath());
  EXPECT_EQ(fresh.filter, filters[0]);
}

// ---- Printed pages (PDF through the printing path) ----------------------------------------

struct PrintedReport {
  QStringList pages;              // text of each page
  std::vector<QStringList> rows;  // detail lines in order, split at blanks
};

PrintedReport PrintToPdf(BandedReport& report, const QString& pdfPath) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdfPath);
  report.Print(printer);
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

struct PrintCase {
  const char* name;
  const char* periods;
  int rows;
  int pages;
};

class PrintTest : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintTest, TitleOnceHeadersOnEveryPageRowsOnceInOrder) {
  const PrintCase& c = GetParam();
  ReportFixture fixture(QString::fromLatin1(c.periods));
  QTemporaryDir dir;
  const PrintedReport printed = PrintToPdf(fixture.Report(), dir.filePath(QStringLiteral("r.pdf")));
  ASSERT_EQ(printed.pages.size(), c.pages) << "pdftotext output missing?";
  const QString all = printed.pages.join(QLatin1Char('\n'));
  EXPECT_EQ(all.count(QStringLiteral("Amortization Schedule")), 1);
  EXPECT_TRUE(printed.pages.front().simplified().contains(
      QStringLiteral("Number of Periods: %1").arg(fixture.window.se_NPer->text())));
  EXPECT_TRUE(printed.pages.front().simplified().contains(QStringLiteral("Future Value: 500")));
  for (int p = 0; p < printed.pages.size(); ++p) {
    EXPECT_EQ(printed.pages[p].simplified().count(kColumnHeaders.join(QLatin1Char(' '))), 1)
        << "page " << p + 1;
    if (p > 0) EXPECT_FALSE(printed.pages[p].contains(QStringLiteral("Number of Periods")));
  }
  EXPECT_EQ(printed.rows, ListRows(fixture.window));
}

INSTANTIATE_TEST_SUITE_P(Report, PrintTest,
                         ::testing::Values(PrintCase{"Empty", "0", 0, 1},
                                           PrintCase{"Twelve", "2*6", 12, 1},
                                           PrintCase{"ThreeHundredSixty", "30*12", 360, 9}),
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

TEST(ReportPrint, WithoutPrinterTheUserIsTold) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  ReportFixture fixture(QStringLiteral("12"));
  MessageCatcher catcher;
  fixture.window.sb_print->click();
  ASSERT_EQ(catcher.texts.size(), 1);
  EXPECT_EQ(catcher.texts.front(),
            QStringLiteral(
                "No printer is installed. Set up a printer in the system settings to print the "
                "report."));
}

// ---- Preview ------------------------------------------------------------------------------

bool WaitFor(const std::function<bool()>& condition, int milliseconds = 20000) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

TEST(ReportPreview, PagesComeFromAWorkerThreadAndMatchThePrint) {
  ReportFixture fixture(QStringLiteral("360"));
  std::atomic<int> offThreadCalls{0}, onThreadCalls{0};
  auto rows = fixture.Report().OnNeedData;
  fixture.Report().OnNeedData = [&](QObject* sender, bool& more) {
    (QThread::currentThread() == QApplication::instance()->thread() ? onThreadCalls
                                                                    : offThreadCalls)++;
    rows(sender, more);
  };
  int pages = -1;
  QStringList firstPageTexts;
  bool generatedInTime = false;
  OnModal<ReportPreviewWindow>([&](ReportPreviewWindow* preview) {
    generatedInTime = WaitFor([preview] { return preview->IsGenerated(); });
    pages = preview->PageCount();
    if (pages > 0) firstPageTexts = preview->Document().pages.front().bands.front().Texts();
    preview->ShowPage(8);
    preview->reject();
  });
  fixture.window.sb_preview->click();
  EXPECT_TRUE(generatedInTime);
  EXPECT_EQ(pages, 9);
  EXPECT_EQ(firstPageTexts.value(0), QStringLiteral("Amortization Schedule"));
  EXPECT_EQ(offThreadCalls.load(), 361);  // 360 rows and the final "no more rows"
  EXPECT_EQ(onThreadCalls.load(), 0);
}

TEST(ReportPreview, ErrorWhileGeneratingReachesTheErrorReport) {
  ReportFixture fixture(QStringLiteral("12"));
  fixture.Report().OnNeedData = [](QObject*, bool&) { throw std::runtime_error("no rows today"); };
  MessageCatcher catcher;
  fixture.window.sb_preview->click();
  ASSERT_EQ(catcher.texts.size(), 1);
  EXPECT_EQ(catcher.texts.front(), QStringLiteral("no rows today."));
}

TEST(ReportPreview, PrintingFromThePreviewAfterItIsGenerated) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  ReportFixture fixture(QStringLiteral("12"));
  MessageCatcher catcher;
  OnModal<ReportPreviewWindow>([&](ReportPreviewWindow* preview) {
    WaitFor([preview] { return preview->IsGenerated(); });
    preview->findChild<QAction*>(QStringLiteral("act_print"))->trigger();
    preview->reject();
  });
  fixture.window.sb_preview->click();
  ASSERT_EQ(catcher.texts.size(), 1);
  EXPECT_TRUE(catcher.texts.front().startsWith(QStringLiteral("No printer is installed.")));
}

TEST(ReportBinding, WindowLeavesTheReportUnboundWhenDestroyed) {
  Tfrm_report report;
  {
    Tfrm_Amortization window;
    window.FormShow();
    EXPECT_TRUE(static_cast<bool>(report.rep_schedule->OnNeedData));
  }
  EXPECT_FALSE(static_cast<bool>(report.rep_schedule->OnNeedData));
  EXPECT_FALSE(static_cast<bool>(report.rep_schedule->OnBeforeGenerate));
}

}  // namespace
}  // namespace quarrant::testing
