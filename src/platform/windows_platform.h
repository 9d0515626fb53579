#pragma once
// The platform layer on Windows, on the Win32 API.
//
//   program file            GetModuleFileNameW; the command line from GetCommandLineW, split by
//                           CommandLineToArgvW, its program made a full path (GetFullPathNameW,
//                           or SearchPathW for a bare name)
//   temporary folder        GetTempPathW; "c:" when that does not exist
//   system folder           GetSystemDirectoryW
//   Windows folder          GetWindowsDirectoryW
//   file version            GetFileVersionInfoW / VerQueryValueW (the fixed file information)
//   registry                RegOpenKeyExW / RegQueryValueExW under HKEY_CLASSES_ROOT, read
//                           only; a REG_EXPAND_SZ value is expanded (ExpandEnvironmentStringsW)
//   help control library    LoadLibraryW, GetProcAddress: the system's hhctrl.ocx and its
//                           "HtmlHelpA"
//   OS version              RtlGetVersion (the version Windows itself reports, whatever the
//                           program's manifest says) and its service-pack text
//   locale                  GetUserDefaultLCID, GetLocaleInfoW(LOCALE_SDECIMAL); the short date
//                           and long time formats through QLocale::system(), which reads the
//                           user's LOCALE_SSHORTDATE and LOCALE_STIMEFORMAT
//   message box             MessageBoxW, task-modal, no owner
//   foreground              SetForegroundWindow (restoring a minimised window first)
//   shell open              ShellExecuteW with the "open" verb
//   last error              GetLastError
//   files                   CreateFileW (CREATE_NEW, OPEN_ALWAYS + FILE_APPEND_DATA) with
//                           FILE_FLAG_OPEN_REPARSE_POINT, GetTempFileNameW, DeleteFileW,
//                           SetFileAttributesW: a reparse point (symbolic link, junction) is
//                           never followed, written to or changed
#include <QString>
#include <QStringList>

#include "platform/platform.h"

namespace quarrant {

class WindowsPlatform : public Platform {
 public:
  // Reads the command line of the running process.
  WindowsPlatform();
  // From a given command line, as GetCommandLineW would return it (tests).
  explicit WindowsPlatform(const QString& rawCommandLine);

  QChar PathDelimiter() const override { return QLatin1Char('\\'); }

  QString ModuleFileName() const override;
  QString CommandLineProgramPath() const override;
  QStringList CommandLineParameters() const override;
  QString RawCommandLine() const override { return rawCommandLine_; }

  QString TempPath() const override;
  QString FallbackFolder() const override;
  QString SystemFolder() const override;
  QString WindowsFolder() const override;
  QString SystemLibraryPath(const QString& fileName) const override;

  bool FileExists(const QString& path) const override;
  bool DirectoryExists(const QString& path) const override;
  std::optional<FileVersion> FileVersionInfo(const QString& path) const override;
  CreateResult CreateNewFile(const QString& path) override;
  QString CreateUniqueFile(const QString& folder, const QString& stem) override;
  bool RemoveFile(const QString& path) override;
  bool ResetFileAttributes(const QString& path) override;
  bool AppendToFile(const QString& path, const QByteArray& bytes) override;

  std::optional<QString> ReadClassesRootDefault(const QString& key) const override;

  OsVersion OperatingSystemVersion() const override;
  LocaleValues Locale() const override;
  QDateTime CurrentDateTime() const override;

  std::unique_ptr<LoadedLibrary> LoadLibraryFile(const QString& path) override;

  void ShowMessageBox(const QString& text, const QString& caption, MessageIcon icon) override;
  void BringToForeground(NativeWindow window) override;

  intptr_t ShellExecuteOpen(QWidget* owner, const QString& document,
                            const QString& parameters) override;
  uint32_t LastError() const override;

 private:
  QString rawCommandLine_;
  QStringList arguments_;  // element 0 is the program as named
};

}  // namespace quarrant
