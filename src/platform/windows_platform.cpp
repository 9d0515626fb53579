#include "platform/windows_platform.h"

#include <QDateTime>
#include <QLocale>
#include <QWidget>

#include <algorithm>
#include <vector>

// clang-format off
#include <windows.h>
#include <shellapi.h>
#include <winver.h>
// clang-format on

namespace quarrant {

// The named codes of platform.h are the system's own.
static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND &&
              kErrorPathNotFound == ERROR_PATH_NOT_FOUND &&
              kErrorAccessDenied == ERROR_ACCESS_DENIED &&
              kErrorNotWindowsProgram == ERROR_APP_WRONG_OS);
static_assert(kShellNoAssociation == SE_ERR_NOASSOC);

namespace {

// The help control's "close all windows" command, which takes no owner window.
constexpr uint32_t kCloseAllHelpWindows = 18;

const wchar_t* Wide(const QString& text) {
  return reinterpret_cast<const wchar_t*>(text.utf16());
}

// Reads a text from a Win32 call that fills a buffer of the given size and returns the length
// written, or the size it needs when the buffer is too small (or, like GetModuleFileNameW, the
// full buffer size when it cut the text short). Empty when the call fails.
template <typename Fill>
QString ReadText(Fill fill) {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD length = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size())
      return QString::fromWCharArray(buffer.data(), static_cast<qsizetype>(length));
    buffer.resize(std::max<size_t>(length + 1, buffer.size() * 2));
  }
}

QStringList SplitCommandLine(const QString& commandLine) {
  QStringList arguments;
  if (commandLine.isEmpty()) return arguments;
  int count = 0;
  wchar_t** split = CommandLineToArgvW(Wide(commandLine), &count);
  if (split == nullptr) return arguments;
  for (int i = 0; i < count; ++i) arguments << QString::fromWCharArray(split[i]);
  LocalFree(split);
  return arguments;
}

DWORD Attributes(const QString& path) {
  return path.isEmpty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(Wide(path));
}

bool IsReparsePoint(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// The loaded library: FreeLibrary when released. Its "HtmlHelpA" takes the address in the
// ANSI code page, as the help control expects.
class WindowsLibrary : public LoadedLibrary {
 public:
  explicit WindowsLibrary(HMODULE module) : module_(module) {}
  ~WindowsLibrary() override { FreeLibrary(module_); }

  HtmlHelpProc HtmlHelpEntry(const char* name) const override {
    using Entry = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    FARPROC proc = GetProcAddress(module_, name);
    if (proc == nullptr) return {};
    const auto entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(proc));
    return [entry](NativeWindow owner, const QString& address, uint32_t command,
                   intptr_t data) -> NativeWindow {
      // No owner stands for the desktop window, except for closing every help window, which
      // is asked with none.
      HWND ownerWindow = reinterpret_cast<HWND>(owner);
      if (ownerWindow == nullptr && command != kCloseAllHelpWindows)
        ownerWindow = GetDesktopWindow();
      const QByteArray ansi = address.toLocal8Bit();
      HWND window = entry(ownerWindow, address.isEmpty() ? nullptr : ansi.constData(), command,
                          static_cast<DWORD_PTR>(data));
      return reinterpret_cast<NativeWindow>(window);
    };
  }

 private:
  HMODULE module_;
};

// The name the log gives a version of the NT family.
QString WindowsName(DWORD platformId, DWORD major, DWORD minor) {
  if (platformId != VER_PLATFORM_WIN32_NT) return QStringLiteral("Windows");
  if (major == 4) return QStringLiteral("Windows NT4");
  if (major == 5 && minor == 0) return QStringLiteral("Windows 2000");
  if (major == 5 && minor == 1) return QStringLiteral("Windows XP");
  return QStringLiteral("Windows NT");
}

}  // namespace

WindowsPlatform::WindowsPlatform() : WindowsPlatform(QString::fromWCharArray(GetCommandLineW())) {}

WindowsPlatform::WindowsPlatform(const QString& rawCommandLine)
    : rawCommandLine_(rawCommandLine), arguments_(SplitCommandLine(rawCommandLine)) {}

QString WindowsPlatform::ModuleFileName() const {
  return ReadText(
      [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}

QString WindowsPlatform::CommandLineProgramPath() const {
  if (arguments_.isEmpty()) return ModuleFileName();
  const QString named = arguments_.first();
  const bool hasFolder = named.contains(QLatin1Char('\\')) || named.contains(QLatin1Char('/'));
  const QString full = ReadText([&](wchar_t* buffer, DWORD size) {
    return hasFolder ? GetFullPathNameW(Wide(named), size, buffer, nullptr)
                     : SearchPathW(nullptr, Wide(named), L".exe", size, buffer, nullptr);
  });
  return full.isEmpty() ? named : full;
}

QStringList WindowsPlatform::CommandLineParameters() const {
  return arguments_.mid(1);
}

QString WindowsPlatform::TempPath() const {
  return ReadText([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); });
}

QString WindowsPlatform::FallbackFolder() const {
  return QStringLiteral("c:");
}

QString WindowsPlatform::SystemFolder() const {
  return ReadText([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); });
}

QString WindowsPlatform::WindowsFolder() const {
  return ReadText([](wchar_t* buffer, DWORD size) { return GetWindowsDirectoryW(buffer, size); });
}

QString WindowsPlatform::SystemLibraryPath(const QString& fileName) const {
  QString folder = SystemFolder();
  while (folder.endsWith(QLatin1Char('\\'))) folder.chop(1);
  return folder + QLatin1Char('\\') + fileName;
}

bool WindowsPlatform::FileExists(const QString& path) const {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WindowsPlatform::DirectoryExists(const QString& path) const {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<FileVersion> WindowsPlatform::FileVersionInfo(const QString& path) const {
  if (path.isEmpty()) return std::nullopt;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(Wide(path), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<BYTE> data(size);
  if (!GetFileVersionInfoW(Wide(path), 0, size, data.data())) return std::nullopt;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
      info == nullptr || length < sizeof(VS_FIXEDFILEINFO))
    return std::nullopt;
  return FileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                     HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}

CreateResult WindowsPlatform::CreateNewFile(const QString& path) {
  HANDLE file = CreateFileW(Wide(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? CreateResult::AlreadyExists
                                                                       : CreateResult::Failed;
  }
  CloseHandle(file);
  return CreateResult::Created;
}

QString WindowsPlatform::CreateUniqueFile(const QString& folder, const QString& stem) {
  // GetTempFileNameW takes the first three characters of the stem and creates the file.
  wchar_t name[MAX_PATH + 1] = {};
  if (GetTempFileNameW(Wide(folder), Wide(stem.left(3)), 0, name) == 0) return {};
  return QString::fromWCharArray(name);
}

bool WindowsPlatform::RemoveFile(const QString& path) {
  const DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if (IsReparsePoint(attributes) || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return DeleteFileW(Wide(path)) != 0;
}

bool WindowsPlatform::ResetFileAttributes(const QString& path) {
  const DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if (IsReparsePoint(attributes)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return SetFileAttributesW(Wide(path), FILE_ATTRIBUTE_NORMAL) != 0;
}

bool WindowsPlatform::AppendToFile(const QString& path, const QByteArray& bytes) {
  // The reparse point itself is opened, never its target, and then refused.
  HANDLE file = CreateFileW(Wide(path), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION info{};
  bool ok =
      GetFileInformationByHandle(file, &info) != 0 &&
      (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0;
  if (!ok) SetLastError(ERROR_ACCESS_DENIED);
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (ok && left > 0) {
    DWORD written = 0;
    ok = WriteFile(file, data, static_cast<DWORD>(left), &written, nullptr) != 0;
    data += written;
    left -= written;
  }
  CloseHandle(file);
  return ok;
}

std::optional<QString> WindowsPlatform::ReadClassesRootDefault(const QString& key) const {
  HKEY opened = nullptr;
  LSTATUS status = RegOpenKeyExW(HKEY_CLASSES_ROOT, Wide(key), 0, KEY_QUERY_VALUE, &opened);
  if (status != ERROR_SUCCESS) {
    SetLastError(static_cast<DWORD>(status));
    return std::nullopt;
  }
  DWORD type = 0;
  DWORD bytes = 0;
  status = RegQueryValueExW(opened, nullptr, nullptr, &type, nullptr, &bytes);
  std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
  if (status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ))
    status = RegQueryValueExW(opened, nullptr, nullptr, &type,
                              reinterpret_cast<BYTE*>(buffer.data()), &bytes);
  else if (status == ERROR_SUCCESS)
    status = ERROR_INVALID_DATA;
  RegCloseKey(opened);
  if (status != ERROR_SUCCESS) {
    SetLastError(static_cast<DWORD>(status));
    return std::nullopt;
  }
  const QString value = QString::fromWCharArray(buffer.data());  // up to the terminator
  if (type != REG_EXPAND_SZ) return value;
  return ReadText([&](wchar_t* out, DWORD size) {
    const DWORD needed = ExpandEnvironmentStringsW(Wide(value), out, size);
    // On success the count includes the terminator.
    return needed == 0 || needed > size ? needed : needed - 1;
  });
}

OsVersion WindowsPlatform::OperatingSystemVersion() const {
  // GetVersionExW reports the version the program's manifest declares; ntdll's RtlGetVersion
  // tells the truth.
  using RtlGetVersionProc = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  FARPROC proc = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  bool known = false;
  if (proc != nullptr)
    known = reinterpret_cast<RtlGetVersionProc>(reinterpret_cast<void*>(proc))(&info) == 0;
  OsVersion os;
  if (!known) {
    os.name = QStringLiteral("Windows");
    return os;
  }
  os.name = WindowsName(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
  os.major = info.dwMajorVersion;
  os.minor = info.dwMinorVersion;
  os.build = info.dwBuildNumber;
  os.servicePack = QString::fromWCharArray(info.szCSDVersion);
  return os;
}

LocaleValues WindowsPlatform::Locale() const {
  LocaleValues values;
  values.lcid = GetUserDefaultLCID();
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 0)
    values.decimalSeparator = QString::fromWCharArray(separator);
  const QLocale system = QLocale::system();
  if (values.decimalSeparator.isEmpty()) values.decimalSeparator = system.decimalPoint();
  values.shortDateFormat = system.dateFormat(QLocale::ShortFormat);
  values.longTimeFormat = system.timeFormat(QLocale::LongFormat);
  return values;
}

QDateTime WindowsPlatform::CurrentDateTime() const {
  return QDateTime::currentDateTime();
}

std::unique_ptr<LoadedLibrary> WindowsPlatform::LoadLibraryFile(const QString& path) {
  HMODULE module = LoadLibraryW(Wide(path));
  if (module == nullptr) return nullptr;
  return std::make_unique<WindowsLibrary>(module);
}

void WindowsPlatform::ShowMessageBox(const QString& text, const QString& caption,
                                     MessageIcon icon) {
  const UINT iconFlag = icon == MessageIcon::Stop      ? MB_ICONSTOP
                        : icon == MessageIcon::Warning ? MB_ICONWARNING
                                                       : MB_ICONINFORMATION;
  MessageBoxW(nullptr, Wide(text), Wide(caption), MB_OK | MB_TASKMODAL | iconFlag);
}

void WindowsPlatform::BringToForeground(NativeWindow id) {
  HWND window = reinterpret_cast<HWND>(id);
  if (window == nullptr || !IsWindow(window)) return;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
}

intptr_t WindowsPlatform::ShellExecuteOpen(QWidget* owner, const QString& document,
                                           const QString& parameters) {
  HWND ownerWindow = owner != nullptr ? reinterpret_cast<HWND>(owner->winId()) : nullptr;
  HINSTANCE result =
      ShellExecuteW(ownerWindow, L"open", Wide(document),
                    parameters.isEmpty() ? nullptr : Wide(parameters), nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<intptr_t>(result);
}

uint32_t WindowsPlatform::LastError() const {
  return GetLastError();
}

}  // namespace quarrant
