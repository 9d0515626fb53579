// End to end on the real build (QUARRANT_BIN_DIR): the program and its help file, each test
// with a copy of them in a folder of its own so that the log "beside the program" does not land
// in the build folder and parallel test runs do not meet.
//
// 1. The built program, started as `quarrant -debug`, writes HHDebug.txt beside itself: the
//    header, then the trace of the help object that its main window creates.
// 2. In process, with the Linux platform told that the program file is the built one in that
//    folder: the same start-up order as the program's, the real main window, its Help button and
//    F1; the viewer shows default.htm of the built Rare.chm and the log holds the trace lines
//    after the header. (An external process cannot be clicked on the offscreen platform, so the
//    button is pressed here.)
#include <gtest/gtest.h>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QThread>

#include "forms/Utfrm_ZavuzirEza.h"
#include "help/helpsystem.h"
#include "platform/help_viewer_window.h"
#include "platform/linux_platform.h"
#include "support/read_text.h"

namespace quarrant::testing {
namespace {

using test_support::ReadLines;

// "hh:mm:ss" in the C or an English locale, possibly with AM/PM, then three spaces.
const QString kStamp = QStringLiteral("^\\d{1,2}:\\d{2}:\\d{2}( ?[AaPp][Mm])?   ");

void ExpectStamped(const QString& line, const QString& message) {
  EXPECT_TRUE(
      QRegularExpression(kStamp + QRegularExpression::escape(message) + "$").match(line).hasMatch())
      << line.toStdString() << "\n  expected the trace " << message.toStdString();
}

void ExpectHeader(const QStringList& lines, const QString& dir, const QString& parameters) {
  ASSERT_GE(lines.size(), 27);
  EXPECT_EQ(lines[0], QString(79, '='));
  EXPECT_EQ(lines[1], "Log File:             \t" + dir + "/HHDebug.txt");
  EXPECT_EQ(lines[8], QString(79, '-'));
  EXPECT_EQ(lines[9], "EXE Path =          \t" + dir + "/quarrant");
  EXPECT_TRUE(lines[10].startsWith("EXE Version =       \t")) << lines[10].toStdString();
  EXPECT_EQ(lines[11], "Cmdline Param(s) =  \t" + parameters);
  EXPECT_EQ(lines[14], "_ModuleName =       \tquarrant");
  EXPECT_EQ(lines[15], "_ModuleDir =        \t" + dir);
  EXPECT_EQ(lines[19], "_hhInstalled =      \tYES");
  EXPECT_EQ(lines[23], "_ieInstalled =      \tNO");
  EXPECT_EQ(lines[26], QString(79, '='));
}

class EndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bin = qEnvironmentVariable("QUARRANT_BIN_DIR");
    ASSERT_FALSE(bin.isEmpty()) << "QUARRANT_BIN_DIR is not set";
    ASSERT_TRUE(QFileInfo(bin + "/quarrant").isExecutable()) << "the program was not built";
    ASSERT_TRUE(QFileInfo(bin + "/Rare.chm").isFile()) << "the help file was not built";
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::copy(bin + "/Rare.chm", dir.path() + "/Rare.chm"));
  }
  QString bin;
  QTemporaryDir dir;
};

// Also the help file each user language opens: that language's when it is beside the program
// (a copy of the English one stands in for German here), else the English one.
TEST_F(EndToEndTest, DebugSwitchWritesTheHeaderBesideTheProgram) {
  const QString program = dir.path() + "/quarrant";
  ASSERT_TRUE(QFile::copy(bin + "/quarrant", program));
  ASSERT_TRUE(QFile::copy(bin + "/Rare.chm", dir.path() + "/Rare_de.chm"));
  const QString log = dir.path() + "/HHDebug.txt";

  const struct {
    const char* language;  // LANGUAGE, with the C locale
    const char* helpFile;
  } cases[] = {{"", "Rare.chm"}, {"de_AT:en", "Rare_de.chm"}, {"fr", "Rare.chm"}};
  for (const auto& c : cases) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.remove("LC_ALL");
    environment.remove("LC_MESSAGES");
    environment.insert("LANG", "C.UTF-8");
    environment.insert("LANGUAGE", c.language);
    process.setProcessEnvironment(environment);
    QFile::remove(log);
    process.start(program, {"-debug"});
    ASSERT_TRUE(process.waitForStarted(10000));

    // The main window's creation traces the help object; wait for that line.
    QStringList lines;
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
      lines = ReadLines(log);
      if (lines.size() > 27) break;
      QThread::msleep(50);
    }
    process.kill();
    process.waitForFinished(10000);

    ASSERT_EQ(lines.size(), 28) << lines.join('\n').toStdString();
    ExpectHeader(lines, dir.path(), "-debug");
    ExpectStamped(lines[27],
                  "THookHelpSystem.Create(\"" + dir.path() + "/" + c.helpFile + "\",\"\", 0)");
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/$_Temp_$.$$$"));
  }
}

TEST_F(EndToEndTest, HelpButtonAndF1ShowTheOverviewAndAreTraced) {
  const QString program = dir.path() + "/quarrant";
  ASSERT_TRUE(QFile::link(bin + "/quarrant", program));
  LinuxPlatform platform(QStringList{program, "-DEBUG"}, program);
  Platform* const previousPlatform = SetPlatform(&platform);
  LoadHelpControl();
  InitializeDiagnosticLog();
  ASSERT_TRUE(HelpControlLoaded());

  QString shownTopic;
  QString shownFile;
  QString shownText;
  {
    Tfrm_ZavuzirEza window;
    window.show();
    auto* helpButton = window.findChild<QPushButton*>("sb_help");
    ASSERT_NE(helpButton, nullptr);
    QTest::mouseClick(helpButton, Qt::LeftButton);

    HelpViewerWindow* viewer = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* candidate = dynamic_cast<HelpViewerWindow*>(widget)) viewer = candidate;
    }
    ASSERT_NE(viewer, nullptr) << "no help window";
    EXPECT_TRUE(viewer->isVisible());
    shownTopic = viewer->currentTopic();
    shownFile = viewer->chmPath();
    shownText = viewer->findChild<QTextBrowser*>("hb_topic")->toPlainText();

    viewer->showTopic("tvm.htm");  // F1 brings the overview back, whatever the context
    QTest::keyClick(window.findChild<QLineEdit*>("ed_I"), Qt::Key_F1);
    EXPECT_EQ(viewer->currentTopic(), "/default.htm");
  }
  FinalizeDiagnosticLog();
  UnloadHelpControl();
  ReleaseHelpObjects();
  SetPlatform(previousPlatform);

  EXPECT_EQ(shownTopic, "/default.htm");
  EXPECT_EQ(shownFile, dir.path() + "/Rare.chm");
  EXPECT_TRUE(shownText.contains("Quarrant financial calculator"));

  const QStringList lines = ReadLines(dir.path() + "/HHDebug.txt");
  ASSERT_EQ(lines.size(), 27 + 7) << lines.join('\n').toStdString();
  ExpectHeader(lines, dir.path(), "-DEBUG");
  const QString chm = dir.path() + "/Rare.chm";
  ExpectStamped(lines[27], "THookHelpSystem.Create(\"" + chm + "\",\"\", 0)");
  for (int press = 0; press < 2; ++press) {
    const int at = 28 + press * 3;
    ExpectStamped(lines[at], "HHHelpContext(\"" + chm + "\", default.htm, \"\", 0)");
    ExpectStamped(lines[at + 1], "ShowTopic(\"" + chm + "::/default.htm\", 0)");
    ExpectStamped(lines[at + 2], "  returned - 0");
  }
}

}  // namespace
}  // namespace quarrant::testing
