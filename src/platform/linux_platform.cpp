#include "platform/linux_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#include <sys/utsname.h>
#include <cstdio>

#include "platform/chm_viewer.h"
#include "platform/posix_files.h"
#include "version.h"

namespace quarrant {
namespace {

QString ReadModuleFile() {
  const QString path = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
  return path;
}

// The built-in help control: the program file's own CHM viewer.
class BuiltInHelpLibrary : public LoadedLibrary {
 public:
  ~BuiltInHelpLibrary() override { closeHelpViewers(); }
  HtmlHelpProc HtmlHelpEntry(const char* name) const override {
    if (qstrcmp(name, "HtmlHelpA") != 0) return {};
    return [](NativeWindow owner, const QString& address, uint32_t command,
              intptr_t data) -> NativeWindow {
      QWidget* window = HtmlHelpViewer(QWidget::find(owner), address, command, data);
      return window != nullptr ? window->winId() : 0;
    };
  }
};

struct LanguageId {
  QLocale::Language language;
  uint16_t primary;
};

// Primary language identifiers of the Windows locale numbering.
constexpr LanguageId kLanguages[] = {
    {QLocale::Arabic, 0x01},    {QLocale::Bulgarian, 0x02},
    {QLocale::Catalan, 0x03},   {QLocale::Chinese, 0x04},
    {QLocale::Czech, 0x05},     {QLocale::Danish, 0x06},
    {QLocale::German, 0x07},    {QLocale::Greek, 0x08},
    {QLocale::English, 0x09},   {QLocale::Spanish, 0x0A},
    {QLocale::Finnish, 0x0B},   {QLocale::French, 0x0C},
    {QLocale::Hebrew, 0x0D},    {QLocale::Hungarian, 0x0E},
    {QLocale::Icelandic, 0x0F}, {QLocale::Italian, 0x10},
    {QLocale::Japanese, 0x11},  {QLocale::Korean, 0x12},
    {QLocale::Dutch, 0x13},     {QLocale::NorwegianBokmal, 0x14},
    {QLocale::Polish, 0x15},    {QLocale::Portuguese, 0x16},
    {QLocale::Romanian, 0x18},  {QLocale::Russian, 0x19},
    {QLocale::Croatian, 0x1A},  {QLocale::Slovak, 0x1B},
    {QLocale::Albanian, 0x1C},  {QLocale::Swedish, 0x1D},
    {QLocale::Thai, 0x1E},      {QLocale::Turkish, 0x1F},
    {QLocale::Urdu, 0x20},      {QLocale::Indonesian, 0x21},
    {QLocale::Ukrainian, 0x22}, {QLocale::Belarusian, 0x23},
    {QLocale::Slovenian, 0x24}, {QLocale::Estonian, 0x25},
    {QLocale::Latvian, 0x26},   {QLocale::Lithuanian, 0x27},
    {QLocale::Persian, 0x29},   {QLocale::Vietnamese, 0x2A},
    {QLocale::Hindi, 0x39},
};

struct SublanguageId {
  QLocale::Language language;
  QLocale::Territory territory;
  uint16_t sublanguage;
};

constexpr SublanguageId kSublanguages[] = {
    {QLocale::English, QLocale::UnitedStates, 1}, {QLocale::English, QLocale::UnitedKingdom, 2},
    {QLocale::English, QLocale::Australia, 3},    {QLocale::English, QLocale::Canada, 4},
    {QLocale::English, QLocale::NewZealand, 5},   {QLocale::English, QLocale::Ireland, 6},
    {QLocale::English, QLocale::SouthAfrica, 7},  {QLocale::German, QLocale::Germany, 1},
    {QLocale::German, QLocale::Switzerland, 2},   {QLocale::German, QLocale::Austria, 3},
    {QLocale::French, QLocale::France, 1},        {QLocale::French, QLocale::Belgium, 2},
    {QLocale::French, QLocale::Canada, 3},        {QLocale::French, QLocale::Switzerland, 4},
    {QLocale::Spanish, QLocale::Mexico, 2},       {QLocale::Spanish, QLocale::Spain, 3},
    {QLocale::Portuguese, QLocale::Brazil, 1},    {QLocale::Portuguese, QLocale::Portugal, 2},
    {QLocale::Chinese, QLocale::Taiwan, 1},       {QLocale::Chinese, QLocale::China, 2},
    {QLocale::Chinese, QLocale::HongKong, 3},     {QLocale::Chinese, QLocale::Singapore, 4},
    {QLocale::Dutch, QLocale::Netherlands, 1},    {QLocale::Dutch, QLocale::Belgium, 2},
    {QLocale::Italian, QLocale::Italy, 1},        {QLocale::Italian, QLocale::Switzerland, 2},
};

QString QuoteArgument(const QString& argument) {
  if (!argument.isEmpty() && !argument.contains(QRegularExpression(QStringLiteral("[\\s\"]"))))
    return argument;
  QString quoted = argument;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\\\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

uint32_t LeadingNumber(const QString& text, qsizetype& position) {
  uint32_t value = 0;
  while (position < text.size() && text.at(position).isDigit()) {
    value = value * 10 + static_cast<uint32_t>(text.at(position).digitValue());
    ++position;
  }
  return value;
}

}  // namespace

uint32_t WindowsLcid(const QLocale& locale) {
  if (locale.language() == QLocale::C) return 0x007F;
  uint16_t primary = 0;
  for (const LanguageId& entry : kLanguages) {
    if (entry.language == locale.language()) primary = entry.primary;
  }
  if (primary == 0) return 0;
  uint16_t sublanguage = 1;
  for (const SublanguageId& entry : kSublanguages) {
    if (entry.language == locale.language() && entry.territory == locale.territory())
      sublanguage = entry.sublanguage;
  }
  return static_cast<uint32_t>(sublanguage << 10 | primary);
}

QString LongTimeFormat(const QLocale& locale) {
  const QString format = locale.timeFormat(QLocale::LongFormat);
  // Drop the time-zone field ("t", outside quotes), the brackets that held only it (many
  // locales write "(t)" or "[t]") and the blanks around it.
  static const QRegularExpression emptyBrackets(
      QStringLiteral("[(\\[\\x{FF08}]\\s*[)\\]\\x{FF09}]"));
  QString result;
  QString unquoted;
  bool quoted = false;
  auto flushUnquoted = [&] {
    unquoted.remove(QLatin1Char('t'));
    unquoted.remove(emptyBrackets);
    result += unquoted;
    unquoted.clear();
  };
  for (const QChar c : format) {
    if (c == QLatin1Char('\'')) {
      if (!quoted) flushUnquoted();
      quoted = !quoted;
      result += c;
    } else if (quoted) {
      result += c;
    } else {
      unquoted += c;
    }
  }
  flushUnquoted();
  return result.simplified();
}

LinuxPlatform::LinuxPlatform(int argc, const char* const* argv, const QString& moduleFile) {
  for (int i = 0; i < argc; ++i) commandLine_ << QString::fromLocal8Bit(argv[i]);
  Init(moduleFile);
}

LinuxPlatform::LinuxPlatform(const QStringList& commandLine, const QString& moduleFile)
    : commandLine_(commandLine) {
  Init(moduleFile);
}

void LinuxPlatform::Init(const QString& moduleFile) {
  startFolder_ = QDir::currentPath();
  moduleFile_ = moduleFile.isEmpty() ? ReadModuleFile() : moduleFile;
}

QString LinuxPlatform::CommandLineProgramPath() const {
  if (commandLine_.isEmpty()) return moduleFile_;
  const QString& named = commandLine_.first();
  if (named.contains(QLatin1Char('/')))
    return QDir::cleanPath(QDir(startFolder_).absoluteFilePath(named));
  const QString found = QStandardPaths::findExecutable(named);
  return found.isEmpty() ? named : found;
}

QStringList LinuxPlatform::CommandLineParameters() const {
  return commandLine_.mid(1);
}

QString LinuxPlatform::RawCommandLine() const {
  QStringList quoted;
  for (const QString& argument : commandLine_) quoted << QuoteArgument(argument);
  return quoted.join(QLatin1Char(' '));
}

QString LinuxPlatform::TempPath() const {
  return QDir::tempPath();
}
QString LinuxPlatform::FallbackFolder() const {
  return QStringLiteral("/tmp");
}
QString LinuxPlatform::SystemFolder() const {
  return QStringLiteral("/usr/lib");
}
QString LinuxPlatform::WindowsFolder() const {
  return QStringLiteral("/usr");
}

QString LinuxPlatform::SystemLibraryPath(const QString& fileName) const {
  if (fileName.compare(QLatin1String("hhctrl.ocx"), Qt::CaseInsensitive) == 0) return moduleFile_;
  return SystemFolder() + QLatin1Char('/') + fileName;
}

bool LinuxPlatform::FileExists(const QString& path) const {
  return posix::FileExists(path);
}
bool LinuxPlatform::DirectoryExists(const QString& path) const {
  return posix::DirectoryExists(path);
}

bool LinuxPlatform::IsProgramFile(const QString& path) const {
  if (path.isEmpty() || moduleFile_.isEmpty()) return false;
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(moduleFile_).canonicalFilePath();
}

std::optional<FileVersion> LinuxPlatform::FileVersionInfo(const QString& path) const {
  if (!IsProgramFile(path)) return std::nullopt;
  return FileVersion{QUARRANT_VERSION_MAJOR, QUARRANT_VERSION_MINOR, QUARRANT_VERSION_PATCH, 0};
}

CreateResult LinuxPlatform::CreateNewFile(const QString& path) {
  return posix::CreateNewFile(path);
}
QString LinuxPlatform::CreateUniqueFile(const QString& folder, const QString& stem) {
  return posix::CreateUniqueFile(folder, stem);
}
bool LinuxPlatform::RemoveFile(const QString& path) {
  return posix::RemoveFile(path);
}
bool LinuxPlatform::ResetFileAttributes(const QString& path) {
  return posix::ResetFileAttributes(path);
}
bool LinuxPlatform::AppendToFile(const QString& path, const QByteArray& bytes) {
  return posix::AppendToFile(path, bytes);
}

std::optional<QString> LinuxPlatform::ReadClassesRootDefault(const QString& /*key*/) const {
  posix::SetLastError(kErrorFileNotFound);
  return std::nullopt;
}

OsVersion LinuxPlatform::OperatingSystemVersion() const {
  OsVersion os;
  struct utsname names {};
  if (::uname(&names) != 0) {
    os.name = QStringLiteral("Linux");
    return os;
  }
  os.name = QString::fromLocal8Bit(names.sysname);
  const QString release = QString::fromLocal8Bit(names.release);  // "6.1.0-13-amd64"
  qsizetype position = 0;
  os.major = LeadingNumber(release, position);
  if (position < release.size() && release.at(position) == QLatin1Char('.')) {
    ++position;
    os.minor = LeadingNumber(release, position);
  }
  if (position < release.size() && release.at(position) == QLatin1Char('.')) {
    ++position;
    os.build = LeadingNumber(release, position);
  }
  os.servicePack = QString::fromLocal8Bit(names.version).trimmed();
  return os;
}

LocaleValues LinuxPlatform::Locale() const {
  const QLocale locale = QLocale::system();
  LocaleValues values;
  values.lcid = WindowsLcid(locale);
  values.decimalSeparator = locale.decimalPoint();
  values.shortDateFormat = locale.dateFormat(QLocale::ShortFormat);
  values.longTimeFormat = LongTimeFormat(locale);
  return values;
}

QDateTime LinuxPlatform::CurrentDateTime() const {
  return QDateTime::currentDateTime();
}

std::unique_ptr<LoadedLibrary> LinuxPlatform::LoadLibraryFile(const QString& path) {
  if (IsProgramFile(path)) return std::make_unique<BuiltInHelpLibrary>();
  // No other library is loaded into the program.
  posix::SetLastError(posix::FileExists(path) ? kErrorNotWindowsProgram : kErrorFileNotFound);
  return nullptr;
}

void LinuxPlatform::ShowMessageBox(const QString& text, const QString& caption, MessageIcon icon) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    return;
  }
  const QMessageBox::Icon boxIcon = icon == MessageIcon::Stop      ? QMessageBox::Critical
                                    : icon == MessageIcon::Warning ? QMessageBox::Warning
                                                                   : QMessageBox::Information;
  // A carriage return alone breaks the line, as the texts of the log's messages expect.
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(boxIcon, caption, shown, QMessageBox::Ok);
  box.exec();
}

void LinuxPlatform::BringToForeground(NativeWindow id) {
  QWidget* window = QWidget::find(id);
  if (window == nullptr) return;
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
}

intptr_t LinuxPlatform::ShellExecuteOpen(QWidget* /*owner*/, const QString& document,
                                         const QString& parameters) {
  const QUrl url(document);
  const bool isAddress = url.scheme().size() > 1 && !document.startsWith(QLatin1Char('/'));
  if (!isAddress) {
    const QFileInfo info(document);
    if (document.isEmpty() || !info.exists()) {
      const bool folderExists = !document.isEmpty() && info.absoluteDir().exists();
      const uint32_t code = folderExists ? kErrorFileNotFound : kErrorPathNotFound;
      posix::SetLastError(code);
      return code;
    }
    if (info.isFile() && info.isExecutable()) {
      QProcess process;
      process.setProgram(info.absoluteFilePath());
      process.setArguments(QProcess::splitCommand(parameters));
      if (process.startDetached()) return kShellExecuteStarted;
      posix::SetLastError(kErrorAccessDenied);
      return kErrorAccessDenied;
    }
  }
  QProcess process;
  process.setProgram(QStringLiteral("xdg-open"));
  process.setArguments({document});
  if (process.startDetached()) return kShellExecuteStarted;
  posix::SetLastError(kErrorFileNotFound);
  return kShellNoAssociation;
}

uint32_t LinuxPlatform::LastError() const {
  return posix::LastError();
}

}  // namespace quarrant
