// The diagnostic log: header, line composition, the debug switch, the log folder, the
// version probes, error texts, and the log's safety in a shared folder.
#include <gtest/gtest.h>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "help_fixture.h"
#include "platform/linux_platform.h"
#include "platform/posix_files.h"
#include "support/print_case.h"

namespace quarrant::test {
namespace {

using LogTest = HelpUnitTest;

TEST_F(LogTest, HeaderLinesAreExact) {
  fake.parameters = {QStringLiteral("-DEBUG"), QStringLiteral("two words")};
  fake.commandLineProgramPath = ProgramDir() + QStringLiteral("/bin/../quarrant");
  fake.rawCommandLine = QStringLiteral("quarrant -DEBUG \"two words\" ") + QString(300, 'x');
  fake.locale.lcid = 0x0407;
  fake.locale.decimalSeparator = QStringLiteral(",");
  fake.versions[fake.moduleFile] = {3, 2, 0, 0};
  fake.versions[fake.commandLineProgramPath] = {3, 2, 0, 1};
  fake.virtualFiles.insert(fake.commandLineProgramPath);
  fake.virtualFiles.insert(fake.moduleFile);
  InstallHelpControl({5, 2, 3790, 2847});
  const QString shdocvw = fake.systemFolder + QStringLiteral("/Shdocvw.dll");
  fake.virtualFiles.insert(shdocvw);
  fake.versions[shdocvw] = {6, 0, 2900, 2180};

  LoadHelpControl();
  InitializeDiagnosticLog();

  const QString dir = ProgramDir();
  const QString raw255 = fake.rawCommandLine.left(255);
  const QStringList expected = {
      QString(79, '='),
      "Log File:             \t" + dir + "/HHDebug.txt",
      "Date:                 \t2024-03-05 14:07:09",
      "Operating System:      \tWindows XP 5.1 (Build 2600) Service Pack 2",
      "SysLocale.DefaultLCID: \t0x0407 (1031)",
      "SysLocale.PriLangID:   \t0x0007 (7)",
      "SysLocale.SubLangID:   \t0x0001 (1)",
      "DecimalSeparator:      \t,",
      QString(79, '-'),
      "EXE Path =          \t" + dir + "/bin/../quarrant",
      "EXE Version =       \t3.2.0.1",
      "Cmdline Param(s) =  \t-DEBUG | two words",
      "Actual CmdLine =  \t" + raw255,
      "_RunDir =           \t" + dir + "/bin/..",
      "_ModuleName =       \tquarrant",
      "_ModuleDir =        \t" + dir,
      "_ModulePath =        \t" + dir + "/quarrant",
      "Module Version =       \t3.2.0.0",
      QString(79, '-'),
      "_hhInstalled =      \tYES",
      "_hhVerStr =         \t5.2.3790.2847",
      "_hhFriendlyVerStr = \t> 1.4a",
      QString(79, '-'),
      "_ieInstalled =      \tYES",
      "_ieVerStr =         \t6.0.2900.2180",
      "_ieFriendlyVerStr = \tInternet Explorer 6 (Windows XP SP2)",
      QString(79, '='),
  };
  const QStringList lines = ReadLines(LogPath());
  ASSERT_EQ(lines.size(), expected.size()) << ReadText(LogPath()).toStdString();
  for (qsizetype i = 0; i < expected.size(); ++i)
    EXPECT_EQ(lines[i].toStdString(), expected[i].toStdString()) << "header line " << i + 1;
}

TEST_F(LogTest, HeaderWithoutHelpControlOrBrowserSaysNo) {
  fake.os.servicePack.clear();
  StartWithLogging();
  const QStringList lines = ReadLines(LogPath());
  ASSERT_EQ(lines.size(), kHeaderLines);
  EXPECT_EQ(lines[3].toStdString(),
            "Operating System:      \tWindows XP 5.1 (Build 2600) No Service Pack");
  EXPECT_EQ(lines[10].toStdString(), "EXE Version =       \t");
  EXPECT_EQ(lines[19].toStdString(), "_hhInstalled =      \tNO");
  EXPECT_EQ(lines[20].toStdString(), "_hhVerStr =         \t");
  EXPECT_EQ(lines[21].toStdString(), "_hhFriendlyVerStr = \t");
  EXPECT_EQ(lines[23].toStdString(), "_ieInstalled =      \tNO");
  EXPECT_EQ(lines[25].toStdString(), "_ieFriendlyVerStr = \t");
}

using ::quarrant::test::PrintTo;

struct LineCase {
  const char* name;
  QString format;
  LogArgs args;
  bool stampTimes;
  QString expected;
};

class WriteLineTest : public HelpUnitTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(WriteLineTest, ComposesTheLine) {
  const LineCase& c = GetParam();
  TDLogFile log(LogPath(), true, c.stampTimes, false, false);
  log.WriteLine(c.format, c.args);
  EXPECT_EQ(ReadLines(LogPath()), QStringList{c.expected});
}

const QString kTime = QStringLiteral("14:07:09   ");

INSTANTIATE_TEST_SUITE_P(
    Markers, WriteLineTest,
    ::testing::Values(
        LineCase{"DashSeparator", "-", {}, true, QString(79, '-')},
        LineCase{"EqualsSeparator", "=", {}, true, QString(79, '=')},
        LineCase{"BangDropsMarkerAndTime", "!Header:   %s", {"\tv"}, true, "Header:   \tv"},
        LineCase{"DashTextLosesDash", "-abc", {}, true, "abc"},
        LineCase{"DoubleDash", "--", {}, true, "-"},
        LineCase{"OrdinaryLineIsStamped", "abc", {}, true, kTime + "abc"},
        LineCase{"NoStamp", "abc", {}, false, "abc"},
        LineCase{"Formatted", "x%sy%dz", {"1", 22}, true, kTime + "x1y22z"},
        LineCase{"EmptyArgsKeepFormatVerbatim", "100%% %s", {}, true, kTime + "100%% %s"},
        LineCase{"MarkerAfterFormatting", "%s", {"!late"}, true, "late"},
        LineCase{"EmptyLine", "", {}, true, kTime}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST_F(LogTest, LogWritesOnlyWhenEnabledButWriteLineAlways) {
  TDLogFile off(LogPath(), false, false, true, false);
  off.Log(QStringLiteral("dropped"));
  EXPECT_FALSE(QFileInfo::exists(LogPath()));
  off.WriteLine(QStringLiteral("kept"));
  EXPECT_EQ(ReadLines(LogPath()), QStringList{"kept"});
}

TEST_F(LogTest, KeepOldAppendsToAnExistingLog) {
  ASSERT_TRUE(WriteText(LogPath(), "old\n"));
  TDLogFile log(LogPath(), true, false, false, true);
  log.Log(QStringLiteral("new"));
  EXPECT_EQ(ReadLines(LogPath()), (QStringList{"old", "new"}));
}

struct SwitchCase {
  const char* name;
  QStringList parameters;
  bool markerFile;
  bool on;
};

class DebugSwitchTest : public HelpUnitTest, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(DebugSwitchTest, DecidesLogging) {
  const SwitchCase& c = GetParam();
  if (c.markerFile) ASSERT_TRUE(WriteText(ProgramDir() + "/debug.debug", ""));
  fake.parameters = c.parameters;
  InitializeDiagnosticLog();
  EXPECT_EQ(UnitValues().DebugSwitch, c.on);
  EXPECT_EQ(LogFile()->Enabled, c.on);
  EXPECT_EQ(QFileInfo::exists(LogPath()), c.on);
  if (c.on) EXPECT_EQ(ReadLines(LogPath()).size(), kHeaderLines);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, DebugSwitchTest,
    ::testing::Values(SwitchCase{"UpperDash", {"-DEBUG"}, false, true},
                      SwitchCase{"Slash", {"/debug"}, false, true},
                      SwitchCase{"MixedCase", {"/DeBuG"}, false, true},
                      SwitchCase{"AfterOtherParameters", {"file.txt", "-debug"}, false, true},
                      SwitchCase{"SlashDebugX", {"/debugx"}, false, false},
                      SwitchCase{"BareWord", {"debug"}, false, false},
                      SwitchCase{"DoubleDash", {"--debug"}, false, false},
                      SwitchCase{"NoParameters", {}, false, false},
                      SwitchCase{"MarkerFile", {}, true, true},
                      SwitchCase{"MarkerFileAndOtherParameter", {"/debugx"}, true, true}),
    [](const ::testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

TEST_F(LogTest, OldLogIsDeletedEvenWithLoggingOff) {
  ASSERT_TRUE(WriteText(LogPath(), "previous run\n"));
  ASSERT_EQ(::chmod(LogPath().toLocal8Bit().constData(), 0444), 0);
  InitializeDiagnosticLog();
  EXPECT_FALSE(QFileInfo::exists(LogPath()));
  DebugLog(QStringLiteral("not written"));
  EXPECT_FALSE(QFileInfo::exists(LogPath()));
  EXPECT_FALSE(QFileInfo::exists(ProgramDir() + "/$_Temp_$.$$$"));
}

TEST_F(LogTest, UnwritableProgramFolderMovesTheLogToTheTemporaryFolder) {
  fake.readOnlyFolders.insert(ProgramDir());
  StartWithLogging();
  EXPECT_EQ(UnitValues().LogFolder, TempDir());
  EXPECT_EQ(LogFile()->LogPath, TempDir() + "/HHDebug.txt");
  EXPECT_EQ(ReadLines(TempDir() + "/HHDebug.txt").size(), kHeaderLines);
  EXPECT_FALSE(QFileInfo::exists(LogPath()));
}

TEST_F(LogTest, MissingTemporaryFolderFallsBack) {
  fake.readOnlyFolders.insert(ProgramDir());
  fake.tempPath = ProgramDir() + "/no-such-folder";
  fake.fallbackFolder = TempDir() + "/";
  StartWithLogging();
  EXPECT_EQ(UnitValues().LogFolder, TempDir());
  EXPECT_EQ(ReadLines(TempDir() + "/HHDebug.txt").size(), kHeaderLines);
}

TEST_F(LogTest, LogPathInMissingFolderMovesToTheTemporaryFolder) {
  TDLogFile log(ProgramDir() + "/missing/trace.txt", true, false, false, false);
  EXPECT_EQ(log.LogPath, TempDir() + "/trace.txt");
  log.Log(QStringLiteral("line"));
  EXPECT_EQ(ReadLines(TempDir() + "/trace.txt"), QStringList{"line"});
}

TEST_F(LogTest, FolderTestNeverTruncatesAnExistingFileOfItsName) {
  const QString testFile = ProgramDir() + "/$_Temp_$.$$$";
  ASSERT_TRUE(WriteText(testFile, "someone's data"));
  EXPECT_TRUE(FolderIsWritable(ProgramDir()));
  EXPECT_EQ(ReadText(testFile), "someone's data");
  // Nothing else is left behind.
  EXPECT_EQ(QDir(ProgramDir()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList{"$_Temp_$.$$$"});
}

TEST_F(LogTest, FolderTestDoesNotWriteThroughALinkOfItsName) {
  const QString victim = TempDir() + "/victim.txt";
  ASSERT_TRUE(WriteText(victim, "precious"));
  ASSERT_EQ(::symlink(victim.toLocal8Bit().constData(),
                      (ProgramDir() + "/$_Temp_$.$$$").toLocal8Bit().constData()),
            0);
  EXPECT_TRUE(FolderIsWritable(ProgramDir()));
  EXPECT_EQ(ReadText(victim), "precious");
  EXPECT_TRUE(QFileInfo(ProgramDir() + "/$_Temp_$.$$$").isSymLink());
}

TEST_F(LogTest, SymlinkedLogPathIsLeftUntouched) {
  const QString victim = TempDir() + "/victim.txt";
  ASSERT_TRUE(WriteText(victim, "precious\n"));
  ASSERT_EQ(::chmod(victim.toLocal8Bit().constData(), 0444), 0);
  ASSERT_EQ(::symlink(victim.toLocal8Bit().constData(), LogPath().toLocal8Bit().constData()), 0);

  StartWithLogging();
  DebugLog(QStringLiteral("trace"));
  ReportError(QStringLiteral("report"));

  EXPECT_TRUE(QFileInfo(LogPath()).isSymLink());
  EXPECT_EQ(ReadText(victim), "precious\n");
  struct stat info {};
  ASSERT_EQ(::stat(victim.toLocal8Bit().constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0444u) << "attributes of the link's target were changed";
}

TEST_F(LogTest, DanglingLinkIsNotFollowedToCreateItsTarget) {
  const QString target = TempDir() + "/created-through-link.txt";
  ASSERT_EQ(::symlink(target.toLocal8Bit().constData(), LogPath().toLocal8Bit().constData()), 0);
  StartWithLogging();
  DebugLog(QStringLiteral("trace"));
  EXPECT_FALSE(QFileInfo::exists(target));
}

TEST_F(LogTest, FifoInPlaceOfTheLogDoesNotBlock) {
  ASSERT_EQ(::mkfifo(LogPath().toLocal8Bit().constData(), 0600), 0);
  StartWithLogging();  // would hang in open() without O_NONBLOCK
  DebugLog(QStringLiteral("trace"));
  SUCCEED();
}

// ---- Version probes ----

struct VersionCase {
  const char* name;
  FileVersion version;
  const char* text;
  const char* friendly;
};

class HtmlHelpVersionTest : public HelpUnitTest,
                            public ::testing::WithParamInterface<VersionCase> {};

TEST_P(HtmlHelpVersionTest, NamesTheVersion) {
  InstallHelpControl(GetParam().version);
  InitializeDiagnosticLog();
  EXPECT_TRUE(UnitValues().hhInstalled);
  EXPECT_EQ(UnitValues().hhVerStr.toStdString(), GetParam().text);
  EXPECT_EQ(UnitValues().hhFriendlyVerStr.toStdString(), GetParam().friendly);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, HtmlHelpVersionTest,
    ::testing::Values(VersionCase{"AboveNewest", {5, 2, 3669, 1}, "5.2.3669.1", "> 1.4a"},
                      VersionCase{"Newest", {5, 2, 3669, 0}, "5.2.3669.0", "1.4a"},
                      VersionCase{"JustBelowNewest", {5, 2, 3668, 65535}, "5.2.3668.65535", "1.4"},
                      VersionCase{"OnePointFour", {5, 2, 3626, 0}, "5.2.3626.0", "1.4"},
                      VersionCase{"JustBelowOnePointFour", {5, 2, 3625, 9}, "5.2.3625.9", "1.33"},
                      VersionCase{"MinorDecides", {4, 73, 9999, 0}, "4.73.9999.0", "1.22"},
                      VersionCase{"OnePointOneA", {4, 72, 7325, 0}, "4.72.7325.0", "1.1a"},
                      VersionCase{"OnePointZero", {4, 72, 7290, 0}, "4.72.7290.0", "1.0"},
                      VersionCase{
                          "BelowOnePointZero", {4, 72, 7289, 65535}, "4.72.7289.65535", "< 1.0"},
                      VersionCase{"Zero", {0, 0, 0, 0}, "0.0.0.0", "< 1.0"}),
    [](const ::testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.name); });

class BrowserVersionTest : public HelpUnitTest,
                           public ::testing::WithParamInterface<VersionCase> {};

TEST_P(BrowserVersionTest, AdjustsAndNamesTheVersion) {
  const QString shdocvw = fake.systemFolder + QStringLiteral("/Shdocvw.dll");
  fake.virtualFiles.insert(shdocvw);
  fake.versions[shdocvw] = GetParam().version;
  InitializeDiagnosticLog();
  EXPECT_TRUE(UnitValues().ieInstalled);
  EXPECT_EQ(UnitValues().ieVerStr.toStdString(), GetParam().text);
  EXPECT_EQ(UnitValues().ieFriendlyVerStr.toStdString(), GetParam().friendly);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, BrowserVersionTest,
    ::testing::Values(
        VersionCase{
            "EarlyBuildInReleaseField", {4, 70, 0, 1155}, "4.70.1155.0", "Internet Explorer 3.0"},
        VersionCase{
            "EarlyBuildBelowThree", {4, 70, 0, 1154}, "4.70.1154.0", "Internet Explorer 2.0"},
        VersionCase{"MinorAboveSeventyNotAdjusted",
                    {4, 71, 0, 1712},
                    "4.71.0.1712",
                    "Internet Explorer 3.02"},
        VersionCase{
            "BuildSetNotAdjusted", {4, 70, 1158, 7}, "4.70.1158.7", "Internet Explorer 3.0 (OSR2)"},
        VersionCase{"AboveEight", {8, 0, 0, 1}, "8.0.0.1", "> Internet Explorer 8"},
        VersionCase{"ExactlyEight", {8, 0, 0, 0}, "8.0.0.0", "> Internet Explorer 7"},
        VersionCase{
            "ExactlySeven", {7, 0, 0, 0}, "7.0.0.0", "Internet Explorer 6 (Windows Server 2003)"},
        VersionCase{
            "XpSp2", {6, 0, 2900, 2180}, "6.0.2900.2180", "Internet Explorer 6 (Windows XP SP2)"},
        VersionCase{
            "JustBelowXpSp2", {6, 0, 2900, 2179}, "6.0.2900.2179", "Internet Explorer 6 SP1"},
        VersionCase{"FivePointFive", {5, 50, 4134, 600}, "5.50.4134.600", "Internet Explorer 5.5"},
        VersionCase{"Plus", {4, 40, 308, 0}, "4.40.308.0", "Internet Explorer 1.0 (Plus!)"},
        VersionCase{"BelowPlus", {4, 40, 307, 0}, "4.40.307.0", "< Internet Explorer 1.0 (Plus!)"}),
    [](const ::testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.name); });

TEST_F(LogTest, FileWithoutVersionInformationGivesEmptyText) {
  FileVersion version{1, 2, 3, 4};
  fake.virtualFiles.insert("/fake/plain.dll");
  EXPECT_EQ(FileVersionText("/fake/plain.dll", &version), QString());
  EXPECT_EQ(version, FileVersion{});
  // A version recorded for a file that does not exist is not read.
  fake.versions["/fake/gone.dll"] = {1, 0, 0, 0};
  EXPECT_EQ(FileVersionText("/fake/gone.dll"), QString());
}

// ---- Error texts ----

TEST(LastErrorTextTest, DescribesEachCode) {
  const std::pair<uint32_t, const char*> cases[] = {
      {2, "[Error:2] File Not Found"},
      {3, "[Error:3] Path Not Found"},
      {5, "[Error:5] Access Denied"},
      {8, "[Error:8] Insufficient Memory"},
      {19, "[Error:19] Media Is Write Protected"},
      {21, "[Error:21] Device Not Ready"},
      {32, "[Error:32] File In Use"},
      {33, "[Error:33] File In Use"},
      {39, "[Error:39] Disk Full"},
      {112, "[Error:112] Disk Full"},
      {276, "[Error:276] Corrupt File Or Disk"},
      {1005, "[Error:1005] Corrupt File Or Disk"},
      {1392, "[Error:1392] Corrupt File Or Disk"},
      {1393, "[Error:1393] Corrupt File Or Disk"},
      {1009, "[Error:1009] Corrupt Registry"},
      {1358, "[Error:1358] Corrupt Registry"},
      {1150, "[Error:1150] Windows Version Incorrect"},
      {1151, "[Error:1151] Not A Windows Or MSDos Program"},
      {0, "[Error:0] General Failure"},
      {4, "[Error:4] General Failure"},
      {1394, "[Error:1394] General Failure"},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(LastErrorText(code).toStdString(), text);
}

TEST(LastErrorTextTest, ErrnoMapsOntoTheDescribedCodes) {
  const std::pair<int, uint32_t> cases[] = {
      {ENOENT, 2},   {ENOTDIR, 3}, {EACCES, 5},     {EPERM, 5},    {ENOMEM, 8},
      {EROFS, 19},   {ENXIO, 21},  {EBUSY, 32},     {ETXTBSY, 32}, {ENOSPC, 112},
      {EDQUOT, 112}, {EIO, 1392},  {ENOEXEC, 1151}, {EINVAL, 31},  {0, 0}};
  for (const auto& [error, code] : cases) EXPECT_EQ(posix::MapErrno(error), code) << error;
}

TEST(LastErrorTextTest, LinuxShellReportsMissingFilesAndFolders) {
  LinuxPlatform platform(QStringList{QStringLiteral("quarrant")});
  EXPECT_EQ(platform.ShellExecuteOpen(nullptr, "/tmp/quarrant-no-such-file.txt", ""), 2);
  EXPECT_EQ(LastErrorText(platform.LastError()), "[Error:2] File Not Found");
  EXPECT_EQ(platform.ShellExecuteOpen(nullptr, "/quarrant-no-such-folder/file.txt", ""), 3);
  EXPECT_EQ(LastErrorText(platform.LastError()), "[Error:3] Path Not Found");
}

// Control characters in a parameter, a folder name or a message are written visibly: a line
// break cannot start a forged trace line, and every event stays one line.
TEST_F(LogTest, ControlCharactersCannotSplitOrForgeLines) {
  fake.parameters = {QStringLiteral("-debug"), QString("x\n14:07:09   THookHelpSystem.Destroy"),
                     QString("a\rb") + QChar(0) + "c" + QChar(0x2028) + "d"};
  fake.commandLineProgramPath = ProgramDir() + QStringLiteral("/new\nline/quarrant");
  InitializeDiagnosticLog();
  DebugLog(QStringLiteral("Topic %s"), {QString("one\ntwo\x1b[31m")});

  const QStringList lines = ReadLines(LogPath());
  ASSERT_EQ(lines.size(), kHeaderLines + 1) << ReadText(LogPath()).toStdString();
  EXPECT_TRUE(
      lines.filter("Cmdline Param(s)")
          .value(0)
          .endsWith("-debug | x\\n14:07:09   THookHelpSystem.Destroy | a\\rb\\x00c\\u2028d"))
      << lines.filter("Cmdline").value(0).toStdString();
  EXPECT_TRUE(lines.filter("EXE Path").value(0).endsWith("/new\\nline/quarrant"));
  EXPECT_EQ(lines.last(), kTime + "Topic one\\ntwo\\x1b[31m");
}

TEST_F(LogTest, FailedShellOpenIsReportedAndLogged) {
  StartWithLogging();
  fake.shellResult = 2;
  fake.lastError = 2;
  EXPECT_FALSE(ShellOpen("/docs/100%d done.txt", "-p 5%"));
  const QString message =
      "Function ShellExecute(/docs/100%d done.txt, -p 5%)\rReturned: [Error:2] File Not Found";
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, message);
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Warning);
  // The box breaks the line at the carriage return; the log keeps the event on one line.
  EXPECT_EQ(TraceLines(), QStringList{kTime + QString(message).replace("\r", "\\r")});

  fake.shellResult = 33;
  EXPECT_TRUE(ShellOpen("/docs/readme.txt", ""));
  EXPECT_EQ(fake.messages.size(), 1u);
}

TEST(FormatTextTest, FillsSpecifiersAndNeverFails) {
  const struct {
    const char* format;
    LogArgs args;
    const char* expected;
  } cases[] = {
      {"%s and %d", {"a", 7}, "a and 7"},
      {"%d", {-65520}, "-65520"},
      {"%x|%X", {255, 255}, "ff|FF"},
      {"[%5d][%-3s]", {42, "a"}, "[   42][a  ]"},
      {"100%%", {}, "100%"},
      {"%s %s", {"only"}, "only %s"},
      {"%q %s", {"x"}, "%q x"},
      {"%d", {"text"}, "text"},
      {"%s", {12}, "12"},
      {"end %", {"x"}, "end %"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatText(QString::fromUtf8(c.format), c.args).toStdString(), c.expected)
        << c.format;
}

}  // namespace
}  // namespace quarrant::test
