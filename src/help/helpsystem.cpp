#include "help/helpsystem.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include <algorithm>

#include "forms/error_report.h"
#include "platform/linux_platform.h"

namespace quarrant {
namespace {

class HelpRequestFilter;

// Everything the unit holds for the program's run.
struct UnitState {
  Platform* platform = nullptr;
  std::unique_ptr<Platform> defaultPlatform;
  HelpUnitValues values;
  std::unique_ptr<TDLogFile> logFile;
  std::unique_ptr<LoadedLibrary> helpLibrary;
  HtmlHelpProc htmlHelp;
  HelpRequestHandler applicationHandler;
  THookHelpSystem* applicationHandlerOwner = nullptr;
  QHash<const QWidget*, HelpRequestHandler> windowHandlers;
  QPointer<QObject> filter;
  QPointer<QWidget> mainWindow;
  std::vector<THookHelpSystem*> liveHelpObjects;
  std::vector<std::unique_ptr<THookHelpSystem>> keptHelpObjects;

  ~UnitState() { ReleaseKept(); }
  void ReleaseKept() {
    while (!keptHelpObjects.empty()) keptHelpObjects.pop_back();
  }
};

UnitState& State() {
  static UnitState state;
  return state;
}

QString Delimiter() {
  return QString(CurrentPlatform().PathDelimiter());
}

QString ExtractFileDir(const QString& path) {
  const qsizetype at = path.lastIndexOf(CurrentPlatform().PathDelimiter());
  return at < 0 ? QString() : path.left(at);
}

QString ExtractFileName(const QString& path) {
  return path.mid(path.lastIndexOf(CurrentPlatform().PathDelimiter()) + 1);
}

// Removes leading and trailing spaces (code 32 only).
QString TrimSpaces(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
  while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
  return text.mid(first, last - first);
}

QString Hex4(uint32_t value) {
  return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString VersionText(const FileVersion& v) {
  return QStringLiteral("%1.%2.%3.%4").arg(v.major).arg(v.minor).arg(v.build).arg(v.release);
}

// ---- Friendly names ----

enum Rule { kAbove, kExactly, kAtLeast, kLower };
struct NamedVersion {
  Rule rule;
  FileVersion version;
  const char* name;
};

int Compare(const FileVersion& a, const FileVersion& b) {
  const uint16_t left[] = {a.major, a.minor, a.build, a.release};
  const uint16_t right[] = {b.major, b.minor, b.build, b.release};
  for (int i = 0; i < 4; ++i) {
    if (left[i] != right[i]) return left[i] < right[i] ? -1 : 1;
  }
  return 0;
}

template <size_t N>
QString FriendlyName(const NamedVersion (&table)[N], const QString& text, const FileVersion& v) {
  if (text.isEmpty()) return {};
  for (const NamedVersion& row : table) {
    const int order = Compare(v, row.version);
    const bool match = (row.rule == kAbove && order > 0) || (row.rule == kExactly && order == 0) ||
                       (row.rule == kAtLeast && order >= 0) || row.rule == kLower;
    if (match) return QString::fromUtf8(row.name);
  }
  return {};
}

constexpr NamedVersion kHtmlHelpNames[] = {
    {kAbove, {5, 2, 3669, 0}, "> 1.4a"},   {kExactly, {5, 2, 3669, 0}, "1.4a"},
    {kAtLeast, {5, 2, 3626, 0}, "1.4"},    {kAtLeast, {4, 74, 9273, 0}, "1.33"},
    {kAtLeast, {4, 74, 8857, 0}, "1.32"},  {kAtLeast, {4, 74, 8793, 0}, "1.31"},
    {kAtLeast, {4, 74, 8702, 0}, "1.3"},   {kAtLeast, {4, 73, 8561, 0}, "1.22"},
    {kAtLeast, {4, 73, 8474, 0}, "1.21a"}, {kAtLeast, {4, 73, 8412, 0}, "1.21"},
    {kAtLeast, {4, 73, 8252, 0}, "1.2"},   {kAtLeast, {4, 72, 8164, 0}, "1.1b"},
    {kAtLeast, {4, 72, 7325, 0}, "1.1a"},  {kAtLeast, {4, 72, 7323, 0}, "1.1"},
    {kAtLeast, {4, 72, 7290, 0}, "1.0"},   {kLower, {0, 0, 0, 0}, "< 1.0"},
};

constexpr NamedVersion kInternetExplorerNames[] = {
    {kAbove, {8, 0, 0, 0}, "> Internet Explorer 8"},
    {kAbove, {7, 0, 0, 0}, "> Internet Explorer 7"},
    {kAtLeast, {6, 0, 3790, 0}, "Internet Explorer 6 (Windows Server 2003)"},
    {kAtLeast, {6, 0, 3718, 0}, "Internet Explorer 6 (Windows Server 2003 RC2)"},
    {kAtLeast, {6, 0, 3663, 0}, "Internet Explorer 6 (Windows Server 2003 RC1)"},
    {kAtLeast, {6, 0, 2900, 2180}, "Internet Explorer 6 (Windows XP SP2)"},
    {kAtLeast, {6, 0, 2800, 1106}, "Internet Explorer 6 SP1"},
    {kAtLeast, {6, 0, 2712, 300}, "Internet Explorer 6 (Windows XP + minor update)"},
    {kAtLeast, {6, 0, 2600, 0}, "Internet Explorer 6 (Windows XP)"},
    {kAtLeast, {6, 0, 2479, 6}, "Internet Explorer 6 Public Preview (Beta) Refresh"},
    {kAtLeast, {6, 0, 2462, 0}, "Internet Explorer 6 Public Preview (Beta)"},
    {kAtLeast, {5, 50, 4807, 2300}, "Internet Explorer 5.5 Service Pack 2"},
    {kAtLeast, {5, 50, 4522, 1800}, "Internet Explorer 5.5 Service Pack 1"},
    {kAtLeast, {5, 50, 4308, 2900}, "Internet Explorer 5.5 Advanced Security Privacy Beta"},
    {kAtLeast, {5, 50, 4134, 600}, "Internet Explorer 5.5"},
    {kAtLeast, {5, 50, 4134, 100}, "Internet Explorer 5.5 for Windows Me (4.90.3000)"},
    {kAtLeast, {5, 50, 4030, 2400}, "Internet Explorer 5.5 & Internet Tools Beta"},
    {kAtLeast, {5, 50, 3825, 1300}, "Internet Explorer 5.5 Developer Preview"},
    {kAtLeast, {5, 0, 2919, 6307}, "Internet Explorer 5.01"},
    {kAtLeast, {5, 0, 2919, 3800}, "Internet Explorer 5.01 (Windows 2000 RC2, build 5.00.2128)"},
    {kAtLeast, {5, 0, 2919, 800}, "Internet Explorer 5.01 (Windows 2000 RC1, build 5.00.2072)"},
    {kAtLeast, {5, 0, 2721, 1400}, "Internet Explorer 5.0 updated"},
    {kAtLeast, {5, 0, 2614, 0}, "Internet Explorer 5.0b"},
    {kAtLeast, {5, 0, 2314, 0}, "Internet Explorer 5.0a"},
    {kAtLeast, {5, 0, 2014, 0}, "Internet Explorer 5.0"},
    {kAtLeast, {5, 0, 910, 0}, "Internet Explorer 5 Beta (Beta 2)"},
    {kAtLeast, {5, 0, 518, 0}, "Internet Explorer 5 Developer Preview (Beta 1)"},
    {kAtLeast, {4, 72, 3612, 0}, "Internet Explorer 4.01 Service Pack 2 (SP2)"},
    {kAtLeast, {4, 72, 3110, 0}, "Internet Explorer 4.01 Service Pack 1 (SP1)"},
    {kAtLeast, {4, 72, 2106, 0}, "Internet Explorer 4.01"},
    {kAtLeast, {4, 71, 1712, 0}, "Internet Explorer 4.0"},
    {kAtLeast, {4, 71, 1008, 0}, "Internet Explorer 4.0 Platform Preview 2.0 (PP2)"},
    {kAtLeast, {4, 71, 544, 0}, "Internet Explorer 4.0 Platform Preview 1.0 (PP1)"},
    {kAtLeast, {4, 70, 1300, 0}, "Internet Explorer 3.02"},
    {kAtLeast, {4, 70, 1215, 0}, "Internet Explorer 3.01"},
    {kAtLeast, {4, 70, 1158, 0}, "Internet Explorer 3.0 (OSR2)"},
    {kAtLeast, {4, 70, 1155, 0}, "Internet Explorer 3.0"},
    {kAtLeast, {4, 40, 520, 0}, "Internet Explorer 2.0"},
    {kAtLeast, {4, 40, 308, 0}, "Internet Explorer 1.0 (Plus!)"},
    {kLower, {0, 0, 0, 0}, "< Internet Explorer 1.0 (Plus!)"},
};

// ---- Application-wide help requests ----

bool HasOwnWindowHandler(const QWidget* widget) {
  const UnitState& state = State();
  const auto found = state.windowHandlers.constFind(widget->window());
  return found != state.windowHandlers.constEnd() && *found;
}

// Help is asked for where a window handles its own requests, or where a help context is set;
// a widget without either has no help (as in the toolkit, a context of 0 means none).
bool WantsHelp(const QWidget* widget) {
  if (HasOwnWindowHandler(widget)) return true;
  return State().applicationHandler && HelpContextOf(widget) != 0;
}

bool HasOwnWhatsThis(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget()) {
    if (!w->whatsThis().isEmpty()) return true;
  }
  return false;
}

// Turns F1 and what's-this requests of every widget into help requests.
class HelpRequestFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !WantsHelp(widget))
          return false;
        DispatchHelpRequest(widget, HELP_CONTEXT, HelpContextOf(widget));
        // F1 means nothing else to any widget; taking it keeps the parents from asking again.
        return true;
      }
      case QEvent::QueryWhatsThis:
        if (HasOwnWhatsThis(widget) || !WantsHelp(widget)) return false;
        event->accept();
        return true;
      case QEvent::WhatsThis: {
        if (HasOwnWhatsThis(widget) || !WantsHelp(widget)) return false;
        const QPoint at = static_cast<QHelpEvent*>(event)->globalPos();
        const uint32_t position = static_cast<uint32_t>(static_cast<uint16_t>(at.y())) << 16 |
                                  static_cast<uint16_t>(at.x());
        DispatchHelpRequest(widget, HELP_SETPOPUP_POS, static_cast<int32_t>(position));
        DispatchHelpRequest(widget, HELP_CONTEXTPOPUP, HelpContextOf(widget));
        event->accept();
        return true;
      }
      default:
        return false;
    }
  }
};

void EnsureHelpRequestFilter() {
  UnitState& state = State();
  if (state.filter) return;
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (application == nullptr) return;
  auto* filter = new HelpRequestFilter(application);
  application->installEventFilter(filter);
  state.filter = filter;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Platform

void SetPlatform(Platform* platform) {
  State().platform = platform;
}

Platform& CurrentPlatform() {
  UnitState& state = State();
  if (state.platform != nullptr) return *state.platform;
  if (!state.defaultPlatform) {
    QStringList arguments;
    if (QCoreApplication::instance() != nullptr) arguments = QCoreApplication::arguments();
    state.defaultPlatform = std::make_unique<LinuxPlatform>(arguments);
  }
  return *state.defaultPlatform;
}

// ---------------------------------------------------------------------------------------------
// Formatting

long long LogArg::Number() const {
  if (const auto* number = std::get_if<long long>(&value_)) return *number;
  return std::get<QString>(value_).toLongLong();
}

QString LogArg::Text() const {
  if (const auto* text = std::get_if<QString>(&value_)) return *text;
  return QString::number(std::get<long long>(value_));
}

QString FormatText(const QString& format, const LogArgs& args) {
  QString out;
  out.reserve(format.size() + 32);
  size_t next = 0;
  const qsizetype size = format.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = format.at(i);
    if (c != QLatin1Char('%')) {
      out += c;
      continue;
    }
    if (i + 1 < size && format.at(i + 1) == QLatin1Char('%')) {
      out += QLatin1Char('%');
      ++i;
      continue;
    }
    // %[-][width]type
    qsizetype j = i + 1;
    const bool leftAlign = j < size && format.at(j) == QLatin1Char('-');
    if (leftAlign) ++j;
    int width = 0;
    while (j < size && format.at(j).isDigit() && width < 1000) {
      width = width * 10 + format.at(j).digitValue();
      ++j;
    }
    const QChar type = j < size ? format.at(j).toLower() : QChar();
    const bool known = type == QLatin1Char('s') || type == QLatin1Char('d') ||
                       type == QLatin1Char('u') || type == QLatin1Char('x');
    if (!known || next >= args.size()) {
      out += c;  // not a specifier this formatter fills: written as it stands
      continue;
    }
    const LogArg& arg = args[next++];
    QString value;
    if (type == QLatin1Char('s') || !arg.IsNumber()) {
      value = arg.Text();
    } else if (type == QLatin1Char('x')) {
      value = QString::number(static_cast<qulonglong>(arg.Number()), 16);
      if (format.at(j) == QLatin1Char('X')) value = value.toUpper();
    } else {
      value = QString::number(arg.Number());
    }
    if (value.size() < width) {
      const QString pad(width - value.size(), QLatin1Char(' '));
      value = leftAlign ? value + pad : pad + value;
    }
    out += value;
    i = j;
  }
  return out;
}

// ---------------------------------------------------------------------------------------------
// Diagnostic log

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

QString FileVersionText(const QString& path, FileVersion* version) {
  Platform& platform = CurrentPlatform();
  std::optional<FileVersion> found;
  if (!path.isEmpty() && platform.FileExists(path)) found = platform.FileVersionInfo(path);
  if (version != nullptr) *version = found.value_or(FileVersion{});
  return found ? VersionText(*found) : QString();
}

QString HtmlHelpFriendlyName(const QString& versionText, const FileVersion& version) {
  return FriendlyName(kHtmlHelpNames, versionText, version);
}

QString InternetExplorerFriendlyName(const QString& versionText, const FileVersion& version) {
  return FriendlyName(kInternetExplorerNames, versionText, version);
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
    path = State().values.LogFolder + Delimiter() + QString::fromLatin1(kLogFileName);
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
  QString text = args.empty() ? format : FormatText(format, args);
  if (text == QLatin1String("-")) text = QString(80, QLatin1Char('-'));
  if (text == QLatin1String("=")) text = QString(80, QLatin1Char('='));
  if (!text.isEmpty() && (text.at(0) == QLatin1Char('!') || text.at(0) == QLatin1Char('-') ||
                          text.at(0) == QLatin1Char('='))) {
    text.remove(0, 1);
  } else {
    text.prepend(prefix);
  }
  text += QLatin1Char('\n');
  platform.AppendToFile(LogPath, text.toUtf8());
}

void TDLogFile::Log(const QString& format, const LogArgs& args) const {
  if (Enabled) WriteLine(format, args);
}

void TDLogFile::LogAndShow(const QString& format, const LogArgs& args) const {
  const QString message = FormatText(format, args);
  CurrentPlatform().ShowMessageBox(message, ApplicationTitle(), MessageIcon::Warning);
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

  const HelpUnitValues& v = State().values;
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
  return State().values;
}

void InitializeDiagnosticLog() {
  UnitState& state = State();
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
  State().logFile.reset();
}

TDLogFile* LogFile() {
  return State().logFile.get();
}

void DebugLog(const QString& format, const LogArgs& args) {
  if (const TDLogFile* log = LogFile()) log->Log(format, args);
}

void ReportError(const QString& format, const LogArgs& args) {
  if (const TDLogFile* log = LogFile()) {
    log->LogAndShow(format, args);
  } else {
    CurrentPlatform().ShowMessageBox(FormatText(format, args), ApplicationTitle(),
                                     MessageIcon::Warning);
  }
}

void SetHelpMainWindow(QWidget* window) {
  State().mainWindow = window;
}

bool ShellOpen(const QString& document, const QString& parameters) {
  QWidget* owner = QApplication::activeWindow();
  if (owner == nullptr) owner = State().mainWindow;
  const intptr_t result = CurrentPlatform().ShellExecuteOpen(owner, document, parameters);
  if (result > 32) return true;
  ReportError(QStringLiteral("Function ShellExecute(%s)\rReturned: %s"),
              {document + QStringLiteral(", ") + parameters, LastErrorText()});
  return false;
}

// ---------------------------------------------------------------------------------------------
// Help system

QString HelpControlPath() {
  Platform& platform = CurrentPlatform();
  QString value = platform
                      .ReadClassesRootDefault(QStringLiteral(
                          "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32"))
                      .value_or(QString());
  if (value.size() > 11 &&
      value.left(12).compare(QLatin1String("%SystemRoot%"), Qt::CaseInsensitive) == 0)
    value = StripTrailingDelimiters(platform.WindowsFolder()) + value.mid(12);
  if (!value.isEmpty() && !platform.FileExists(value)) value.clear();
  if (value.isEmpty()) value = platform.SystemLibraryPath(QStringLiteral("hhctrl.ocx"));
  return value;
}

void LoadHelpControl() {
  UnitState& state = State();
  if (state.helpLibrary) return;
  Platform& platform = CurrentPlatform();
  const QString path = HelpControlPath();
  if (!platform.FileExists(path)) return;
  std::unique_ptr<LoadedLibrary> library = platform.LoadLibraryFile(path);
  if (!library) return;
  state.htmlHelp = library->HtmlHelpEntry("HtmlHelpA");
  state.helpLibrary = std::move(library);
}

void UnloadHelpControl() {
  UnitState& state = State();
  state.htmlHelp = nullptr;
  state.helpLibrary.reset();
}

bool HelpControlLoaded() {
  return State().helpLibrary != nullptr;
}

QString MakeHelpAddress(QString chmFile, QString topic, QString winDef, bool withStoragePrefix) {
  for (QString* text : {&chmFile, &topic, &winDef}) {
    while (text->contains(QLatin1String("%20")))
      text->replace(QLatin1String("%20"), QLatin1String(" "));
    *text = TrimSpaces(*text);
  }
  QString address;
  if (!topic.isEmpty()) {
    topic.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!topic.startsWith(QLatin1Char('/'))) topic.prepend(QLatin1Char('/'));
    address = chmFile.isEmpty() ? topic : chmFile + QStringLiteral("::") + topic;
  } else {
    address = chmFile;
  }
  if (!winDef.isEmpty()) address += QLatin1Char('>') + winDef;
  if (withStoragePrefix) address.prepend(QStringLiteral("mk:@MSITStore:"));
  return address;
}

int HHHelpContext(const QString& chmFile, const QString& topic, const QString& winDef,
                  uint8_t viewMode) {
  DebugLog(QStringLiteral("HHHelpContext(\"%s\", %s, \"%s\", %d)"),
           {chmFile, topic, winDef, int{viewMode}});
  return ShowTopic(MakeHelpAddress(chmFile, topic, winDef, viewMode == 2), viewMode);
}

int HHHelpContext(const QString& chmFile, int32_t context, const QString& winDef,
                  uint8_t viewMode) {
  DebugLog(QStringLiteral("HHHelpContext(\"%s\", %d, \"%s\", %d)"),
           {chmFile, int{context}, winDef, int{viewMode}});
  return ShowContext(MakeHelpAddress(chmFile, QString(), winDef, viewMode == 2), context, viewMode);
}

namespace {

// Mode 0 through the help control's entry point; modes 1 and 2 through the two viewer
// programs of the Windows folder.
int ShowHelp(const QString& address, uint32_t command, int32_t context, uint8_t viewMode,
             const QString& keyHHParameters, const QString& hhParameters) {
  UnitState& state = State();
  Platform& platform = CurrentPlatform();
  if (!state.values.hhInstalled) return kHelpNotInstalled;
  switch (viewMode) {
    case 0: {
      if (!state.htmlHelp) return kHelpNotInstalled;  // installed, but the control did not load
      if (QWidget* window = state.htmlHelp(nullptr, address, command, context))
        platform.BringToForeground(window);
      return kHelpOk;
    }
    case 1: {
      const QString program =
          StripTrailingDelimiters(platform.WindowsFolder()) + Delimiter() + "KeyHH.EXE";
      if (!platform.FileExists(program)) return kHelpNoKeyHH;
      ShellOpen(program, keyHHParameters);
      return kHelpOk;
    }
    case 2: {
      const QString program =
          StripTrailingDelimiters(platform.WindowsFolder()) + Delimiter() + "HH.EXE";
      if (!platform.FileExists(program)) return kHelpNoHH;
      ShellOpen(program, hhParameters);
      return kHelpOk;
    }
    default:
      return kHelpOk;
  }
}

}  // namespace

int ShowTopic(const QString& address, uint8_t viewMode) {
  DebugLog(QStringLiteral("ShowTopic(\"%s\", %d)"), {address, int{viewMode}});
  const int code =
      ShowHelp(address, HH_DISPLAY_TOPIC, 0, viewMode, QStringLiteral("-win ") + address, address);
  DebugLog(QStringLiteral("  returned - %d"), {code});
  return code;
}

int ShowContext(const QString& address, int32_t context, uint8_t viewMode) {
  DebugLog(QStringLiteral("ShowContext(\"%s\", %d)"), {address, int{viewMode}});
  const QString number = QString::number(context);
  const int code = ShowHelp(address, HH_HELP_CONTEXT, context, viewMode,
                            QStringLiteral("-win -#mapid ") + number + QLatin1Char(' ') + address,
                            QStringLiteral("-mapid ") + number + QLatin1Char(' ') + address);
  DebugLog(QStringLiteral("  returned - %d"), {code});
  return code;
}

void HHShowError(int code) {
  if (code == kHelpOk) return;
  QString message;
  switch (code) {
    case kHelpNotInstalled:
      message = QStringLiteral("MS Html Help is not installed on this PC.");
      break;
    case kHelpNoKeyHH:
      message = QStringLiteral("System file KeyHH.EXE was not found in the Windows folder.");
      break;
    case kHelpNoHH:
      message = QStringLiteral("System file HH.EXE was not found in the Windows folder.");
      break;
    default:
      message = QStringLiteral("Unknown error returned by HHHelpContext");
      break;
  }
  CurrentPlatform().ShowMessageBox(message, ApplicationTitle(), MessageIcon::Warning);
  DebugLog(QStringLiteral("HHShowError(%d), \"%s\""), {code, message});
}

void CloseAllHelpWindows() {
  UnitState& state = State();
  if (!state.helpLibrary || !state.htmlHelp) return;
  state.htmlHelp(nullptr, QString(), HH_CLOSE_ALL, 0);
  QThread::yieldCurrentThread();
}

QString HelpCommandName(uint16_t command) {
  const char* name = "??";
  switch (command) {
    case 1:
      name = "HELP_CONTEXT";
      break;
    case 2:
      name = "HELP_QUIT";
      break;
    case 3:
      name = "HELP_INDEX or HELP_CONTENTS";
      break;
    case 4:
      name = "HELP_HELPONHELP";
      break;
    case 5:
      name = "HELP_SETINDEX or HELP_SETCONTENTS";
      break;
    case 8:
      name = "HELP_CONTEXTPOPUP";
      break;
    case 9:
      name = "HELP_FORCEFILE";
      break;
    case 10:
      name = "HELP_CONTEXTMENU";
      break;
    case 11:
      name = "HELP_FINDER";
      break;
    case 12:
      name = "HELP_WM_HELP";
      break;
    case 13:
      name = "HELP_SETPOPUP_POS";
      break;
    case 257:
      name = "HELP_KEY";
      break;
    case 258:
      name = "HELP_COMMAND";
      break;
    case 261:
      name = "HELP_PARTIALKEY";
      break;
    case 513:
      name = "HELP_MULTIKEY";
      break;
    case 515:
      name = "HELP_SETWINPOS";
      break;
    default:
      break;
  }
  return QString::number(command) + QStringLiteral(" (") + QString::fromLatin1(name) +
         QLatin1Char(')');
}

// ---------------------------------------------------------------------------------------------
// Help requests of the application

HelpRequestHandler ApplicationHelpHandler() {
  return State().applicationHandler;
}

void SetApplicationHelpHandler(HelpRequestHandler handler) {
  State().applicationHandler = std::move(handler);
  State().applicationHandlerOwner = nullptr;
  EnsureHelpRequestFilter();
}

void SetWindowHelpHandler(QWidget* window, HelpRequestHandler handler) {
  UnitState& state = State();
  if (!handler) {
    state.windowHandlers.remove(window);
    return;
  }
  if (!state.windowHandlers.contains(window)) {
    QObject::connect(window, &QObject::destroyed,
                     [window] { State().windowHandlers.remove(window); });
  }
  state.windowHandlers.insert(window, std::move(handler));
  EnsureHelpRequestFilter();
}

bool DispatchHelpRequest(QWidget* widget, uint16_t command, int32_t data) {
  UnitState& state = State();
  const QWidget* window = widget != nullptr ? widget->window() : nullptr;
  bool callHelp = true;
  const auto own = state.windowHandlers.constFind(window);
  if (own != state.windowHandlers.constEnd() && *own) {
    HelpRequestHandler handler = *own;  // a copy: the handler may change the table
    handler(command, data, callHelp);
  } else if (state.applicationHandler) {
    HelpRequestHandler handler = state.applicationHandler;
    handler(command, data, callHelp);
  } else {
    return false;
  }
  return !callHelp;
}

int32_t HelpContextOf(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget()) {
    bool ok = false;
    const int32_t context = w->property(kHelpContextProperty).toInt(&ok);
    if (ok) return context;
  }
  return 0;
}

// ---------------------------------------------------------------------------------------------
// THookHelpSystem

THookHelpSystem::THookHelpSystem(const QString& chmFile, const QString& winDef, uint8_t viewMode)
    : ChmFile(chmFile), WinDef(winDef), ViewMode(viewMode) {
  UnitState& state = State();
  PreviousHelpHandler = state.applicationHandler;
  previousOwner_ = state.applicationHandlerOwner;
  SetApplicationHelpHandler([this](uint16_t command, int32_t data, bool& callHelp) {
    return HelpHook(command, data, callHelp);
  });
  state.applicationHandlerOwner = this;
  state.liveHelpObjects.push_back(this);
  Chain = false;
  DebugLog(QStringLiteral("THookHelpSystem.Create(\"%s\",\"%s\", %d)"),
           {ChmFile, WinDef, int{ViewMode}});
}

THookHelpSystem::~THookHelpSystem() {
  if (ViewMode == 0) CloseAllHelpWindows();
  UnitState& state = State();
  if (state.applicationHandlerOwner == this) {
    state.applicationHandler = PreviousHelpHandler;
    state.applicationHandlerOwner = previousOwner_;
  } else {
    // Destroyed while a later object holds the requests: that object's previous handler
    // becomes this object's previous one, so nothing is left calling into this object.
    for (THookHelpSystem* other : state.liveHelpObjects) {
      if (other != this && other->previousOwner_ == this) {
        other->PreviousHelpHandler = PreviousHelpHandler;
        other->previousOwner_ = previousOwner_;
      }
    }
  }
  state.liveHelpObjects.erase(
      std::remove(state.liveHelpObjects.begin(), state.liveHelpObjects.end(), this),
      state.liveHelpObjects.end());
  DebugLog(QStringLiteral("THookHelpSystem.Destroy"));
}

int THookHelpSystem::HelpTopic(const QString& topic) {
  const int code = HHHelpContext(ChmFile, topic, WinDef, ViewMode);
  HHShowError(code);
  return code;
}

int THookHelpSystem::HelpContext(int32_t context) {
  const int code = HHHelpContext(ChmFile, context, WinDef, ViewMode);
  HHShowError(code);
  return code;
}

bool THookHelpSystem::HelpHook(uint16_t command, int32_t data, bool& callHelp) {
  DebugLog(QStringLiteral("THookHelpSystem.HelpHook(%s, %d)"),
           {HelpCommandName(command), int{data}});
  bool handled = true;
  if (Chain && PreviousHelpHandler) handled = PreviousHelpHandler(command, data, callHelp);
  callHelp = false;
  switch (command) {
    case HELP_CONTEXT:
      if (OnContext) {
        OnContext(data);
      } else {
        HelpContext(data);
      }
      break;
    case HELP_CONTEXTPOPUP:
      if (OnPopup) {
        OnPopup(data, PopupX, PopupY);
      } else {
        HelpContext(data);
      }
      break;
    case HELP_SETPOPUP_POS: {
      const auto bits = static_cast<uint32_t>(data);
      PopupX = static_cast<int16_t>(bits & 0xFFFF);
      PopupY = static_cast<int16_t>(bits >> 16);
      break;
    }
    default:
      callHelp = true;
      break;
  }
  return handled;
}

THookHelpSystem* KeepUntilProgramEnd(std::unique_ptr<THookHelpSystem> help) {
  State().keptHelpObjects.push_back(std::move(help));
  return State().keptHelpObjects.back().get();
}

void ReleaseHelpObjects() {
  State().ReleaseKept();
}

}  // namespace quarrant
