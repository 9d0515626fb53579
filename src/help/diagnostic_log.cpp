// The diagnostic log: program paths and log folder, the debug switch, the program-wide log
// object with its header, and the shell requests whose failures it reports.
#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <memory>

#include "help/help_internal.h"
#include "support/error_report.h"

namespace quarrant {

using help_detail::Delimiter;
using help_detail::ExtractFileDir;
using help_detail::ExtractFileName;

namespace {

// The program-wide log object and the values computed with it at start-up.
struct DiagnosticLogState {
  HelpUnitValues values;
  std::unique_ptr<TDLogFile> logFile;
  QPointer<QWidget> mainWindow;
};

DiagnosticLogState& LogState() {
  static DiagnosticLogState state;
  return state;
}

QString Hex4(uint32_t value) {
  return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QString StripTrailingDelimiters(const QString& folder) {
  const QChar delimiter = CurrentPlatform().PathDelimiter();
  qsizetype end = folder.size();
  while (end > 0 && folder.at(end - 1) == delimiter) --end;
  return folder.left(end);
}

bool FolderIsWritable(const QString& folder) {
  Platform& platform = CurrentPlatform();
  const QString base = StripTrailingDelimiters(folder);
  const QString testFile = base + Delimiter() + QString::fromLatin1(kFolderTestFile);
  switch (platform.CreateNewFile(testFile)) {
    case CreateResult::Created:
      platform.RemoveFile(testFile);
      return true;
    case CreateResult::AlreadyExists: {
      // Someone else's file (or a link) of that name: leave it alone, test with a new name.
      const QString unique =
          platform.CreateUniqueFile(base, QString::fromLatin1(kFolderTestFile) + QLatin1Char('.'));
      if (unique.isEmpty()) return false;
      platform.RemoveFile(unique);
      return true;
    }
    case CreateResult::Failed:
      break;
  }
  return false;
}

QString TemporaryFolder() {
  Platform& platform = CurrentPlatform();
  QString folder = platform.TempPath();
  if (!platform.DirectoryExists(folder)) folder = platform.FallbackFolder();
  return StripTrailingDelimiters(folder);
}

bool DebugSwitchOn(const QString& moduleDir, const QStringList& parameters) {
  if (CurrentPlatform().FileExists(moduleDir + Delimiter() + QString::fromLatin1(kDebugMarkerFile)))
    return true;
  return std::any_of(parameters.begin(), parameters.end(), [](const QString& parameter) {
    return parameter.compare(QLatin1String("/debug"), Qt::CaseInsensitive) == 0 ||
           parameter.compare(QLatin1String("-debug"), Qt::CaseInsensitive) == 0;
  });
}

QString LastErrorText(uint32_t code) {
  const char* description = "General Failure";
  switch (code) {
    case 2:
      description = "File Not Found";
      break;
    case 3:
      description = "Path Not Found";
      break;
    case 5:
      description = "Access Denied";
      break;
    case 8:
      description = "Insufficient Memory";
      break;
    case 19:
      description = "Media Is Write Protected";
      break;
    case 21:
      description = "Device Not Ready";
      break;
    case 32:
    case 33:
      description = "File In Use";
      break;
    case 39:
    case 112:
      description = "Disk Full";
      break;
    case 276:
    case 1005:
    case 1392:
    case 1393:
      description = "Corrupt File Or Disk";
      break;
    case 1009:
    case 1358:
      description = "Corrupt Registry";
      break;
    case 1150:
      description = "Windows Version Incorrect";
      break;
    case 1151:
      description = "Not A Windows Or MSDos Program";
      break;
    default:
      break;
  }
  return QStringLiteral("[Error:%1] %2").arg(code).arg(QString::fromLatin1(description));
}

QString LastErrorText() {
  return LastErrorText(CurrentPlatform().LastError());
}

TDLogFile::TDLogFile(const QString& filePath, bool enabled, bool stampTimes, bool withHeader,
                     bool keepOld)
    : Enabled(enabled), StampTimes(stampTimes), WithHeader(withHeader), KeepOld(keepOld) {
  Platform& platform = CurrentPlatform();
  QString path = filePath;
  if (path.isEmpty())
    path = LogState().values.LogFolder + Delimiter() + QString::fromLatin1(kLogFileName);
  const QString folder = StripTrailingDelimiters(ExtractFileDir(path));
  if (!platform.DirectoryExists(folder) || !FolderIsWritable(folder))
    path = TemporaryFolder() + Delimiter() + ExtractFileName(path);
  LogPath = path;
  if (platform.FileExists(LogPath)) platform.ResetFileAttributes(LogPath);
  EmitHeader();
}

void TDLogFile::WriteLine(const QString& format, const LogArgs& args) const {
  Platform& platform = CurrentPlatform();
  QString prefix;
  if (StampTimes) {
    prefix = QLocale::system().toString(platform.CurrentDateTime().time(),
                                        platform.Locale().longTimeFormat) +
             QStringLiteral("   ");
  }
  QString text = ComposeLogLine(prefix, format, args);
  text += QLatin1Char('\n');
  platform.AppendToFile(LogPath, text.toUtf8());
}

void TDLogFile::Log(const QString& format, const LogArgs& args) const {
  if (Enabled) WriteLine(format, args);
}

namespace {

QString TranslatedFormat(const QString& format) {
  const QByteArray key = format.toUtf8();
  return QCoreApplication::translate("HelpMessages", key.constData());
}

}  // namespace

void TDLogFile::LogAndShow(const QString& format, const LogArgs& args) const {
  // The box shows the format in the program's language (context "HelpMessages"); the log
  // keeps it in English.
  const QString message = FormatText(format, args);
  CurrentPlatform().ShowMessageBox(FormatText(TranslatedFormat(format), args), ApplicationTitle(),
                                   MessageIcon::Warning);
  // The message goes in as a format with one empty argument; its own "%" signs are escaped so
  // that a path or address holding one is written as it stands.
  if (Enabled) {
    QString escaped = message;
    escaped.replace(QLatin1Char('%'), QStringLiteral("%%"));
    WriteLine(escaped, {QString()});
  }
}

void TDLogFile::EmitHeader() const {
  Platform& platform = CurrentPlatform();
  if (!KeepOld && platform.FileExists(LogPath)) platform.RemoveFile(LogPath);
  if (!(Enabled && WithHeader)) return;

  const HelpUnitValues& v = LogState().values;
  const QString tab = QStringLiteral("\t");
  const LocaleValues locale = platform.Locale();
  const OsVersion os = platform.OperatingSystemVersion();
  const QDateTime now = platform.CurrentDateTime();
  const uint32_t lcid = locale.lcid;
  const uint32_t languageId = lcid & 0xFFFF;
  const uint32_t primary = languageId & 0x3FF;
  const uint32_t sublanguage = languageId >> 10;
  const QString exePath = platform.CommandLineProgramPath();

  WriteLine(QStringLiteral("="));
  WriteLine(QStringLiteral("!Log File:             %s"), {tab + LogPath});
  WriteLine(QStringLiteral("!Date:                 %s"),
            {tab + QLocale::system().toString(
                       now, locale.shortDateFormat + QLatin1Char(' ') + locale.longTimeFormat)});
  WriteLine(QStringLiteral("!Operating System:      %s %d.%d (Build %d) %s"),
            {tab + os.name, static_cast<long long>(os.major), static_cast<long long>(os.minor),
             static_cast<long long>(os.build),
             os.servicePack.isEmpty() ? QStringLiteral("No Service Pack") : os.servicePack});
  WriteLine(QStringLiteral("!SysLocale.DefaultLCID: %s (%s)"),
            {tab + QStringLiteral("0x") + Hex4(lcid), QString::number(lcid)});
  WriteLine(QStringLiteral("!SysLocale.PriLangID:   %s (%s)"),
            {tab + QStringLiteral("0x") + Hex4(primary), QString::number(primary)});
  WriteLine(QStringLiteral("!SysLocale.SubLangID:   %s (%s)"),
            {tab + QStringLiteral("0x") + Hex4(sublanguage), QString::number(sublanguage)});
  WriteLine(QStringLiteral("!DecimalSeparator:      %s"), {tab + locale.decimalSeparator});
  WriteLine(QStringLiteral("-"));
  WriteLine(QStringLiteral("!EXE Path =          %s"), {tab + exePath});
  WriteLine(QStringLiteral("!EXE Version =       %s"), {tab + FileVersionText(exePath)});
  WriteLine(QStringLiteral("!Cmdline Param(s) =  %s"),
            {tab + platform.CommandLineParameters().join(QStringLiteral(" | "))});
  WriteLine(QStringLiteral("!Actual CmdLine =  %s"), {tab + platform.RawCommandLine().left(255)});
  WriteLine(QStringLiteral("!_RunDir =           %s"), {tab + v.RunDir});
  WriteLine(QStringLiteral("!_ModuleName =       %s"), {tab + v.ModuleName});
  WriteLine(QStringLiteral("!_ModuleDir =        %s"), {tab + v.ModuleDir});
  WriteLine(QStringLiteral("!_ModulePath =        %s"), {tab + v.ModulePath});
  WriteLine(QStringLiteral("!Module Version =       %s"), {tab + FileVersionText(v.ModulePath)});
  WriteLine(QStringLiteral("-"));
  WriteLine(QStringLiteral("!_hhInstalled =      %s"),
            {tab + (v.hhInstalled ? QStringLiteral("YES") : QStringLiteral("NO"))});
  WriteLine(QStringLiteral("!_hhVerStr =         %s"), {tab + v.hhVerStr});
  WriteLine(QStringLiteral("!_hhFriendlyVerStr = %s"), {tab + v.hhFriendlyVerStr});
  WriteLine(QStringLiteral("-"));
  WriteLine(QStringLiteral("!_ieInstalled =      %s"),
            {tab + (v.ieInstalled ? QStringLiteral("YES") : QStringLiteral("NO"))});
  WriteLine(QStringLiteral("!_ieVerStr =         %s"), {tab + v.ieVerStr});
  WriteLine(QStringLiteral("!_ieFriendlyVerStr = %s"), {tab + v.ieFriendlyVerStr});
  WriteLine(QStringLiteral("="));
}

const HelpUnitValues& UnitValues() {
  return LogState().values;
}

void InitializeDiagnosticLog() {
  DiagnosticLogState& state = LogState();
  Platform& platform = CurrentPlatform();
  state.logFile.reset();
  HelpUnitValues& v = state.values;
  v = HelpUnitValues{};

  // 1. Program paths.
  v.ModulePath = platform.ModuleFileName();
  v.ModuleDir = StripTrailingDelimiters(ExtractFileDir(v.ModulePath));
  v.ModuleName = ExtractFileName(v.ModulePath);
  v.RunDir = StripTrailingDelimiters(ExtractFileDir(platform.CommandLineProgramPath()));

  // 2. Log folder.
  v.LogFolder = FolderIsWritable(v.ModuleDir) ? v.ModuleDir : TemporaryFolder();

  // 3. Debug switch.
  v.DebugSwitch = DebugSwitchOn(v.ModuleDir, platform.CommandLineParameters());

  // 4. HTML help control.
  FileVersion hh;
  v.hhVerStr = FileVersionText(HelpControlPath(), &hh);
  v.hhInstalled = !v.hhVerStr.isEmpty();
  v.hhFriendlyVerStr = HtmlHelpFriendlyName(v.hhVerStr, hh);

  // 5. Internet Explorer. Early builds carry their build number in the release field.
  FileVersion ie;
  v.ieVerStr = FileVersionText(platform.SystemLibraryPath(QStringLiteral("Shdocvw.dll")), &ie);
  if (ie.major == 4 && ie.minor <= 70 && ie.build == 0) {
    ie.build = ie.release;
    ie.release = 0;
    v.ieVerStr = FormatText(QStringLiteral("%d.%d.%d.%d"),
                            {int{ie.major}, int{ie.minor}, int{ie.build}, int{ie.release}});
  }
  v.ieInstalled = !v.ieVerStr.isEmpty();
  v.ieFriendlyVerStr = InternetExplorerFriendlyName(v.ieVerStr, ie);

  // 6. The program-wide log.
  state.logFile =
      std::make_unique<TDLogFile>(v.LogFolder + Delimiter() + QString::fromLatin1(kLogFileName),
                                  v.DebugSwitch, true, true, false);
}

void FinalizeDiagnosticLog() {
  LogState().logFile.reset();
}

TDLogFile* LogFile() {
  return LogState().logFile.get();
}

void DebugLog(const QString& format, const LogArgs& args) {
  if (const TDLogFile* log = LogFile()) log->Log(format, args);
}

void ReportError(const QString& format, const LogArgs& args) {
  if (const TDLogFile* log = LogFile()) {
    log->LogAndShow(format, args);
  } else {
    CurrentPlatform().ShowMessageBox(FormatText(TranslatedFormat(format), args), ApplicationTitle(),
                                     MessageIcon::Warning);
  }
}

void SetHelpMainWindow(QWidget* window) {
  LogState().mainWindow = window;
}

bool ShellOpen(const QString& document, const QString& parameters) {
  QWidget* owner = QApplication::activeWindow();
  if (owner == nullptr) owner = LogState().mainWindow;
  const intptr_t result = CurrentPlatform().ShellExecuteOpen(owner, document, parameters);
  if (result > 32) return true;
  ReportError(
      QStringLiteral(QT_TRANSLATE_NOOP("HelpMessages", "Function ShellExecute(%s)\rReturned: %s")),
      {document + QStringLiteral(", ") + parameters, LastErrorText()});
  return false;
}

}  // namespace quarrant
