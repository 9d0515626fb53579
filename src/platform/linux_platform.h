#pragma once
// The platform layer on Linux.
//
//   program file            /proc/self/exe; the command line's program path from argv[0]
//                           (resolved against the starting folder, or looked up on PATH)
//   temporary folder        QDir::tempPath() (TMPDIR); "/tmp" when that does not exist
//   system folder           /usr/lib
//   Windows folder          /usr (holds neither KeyHH.EXE nor HH.EXE)
//   file version            the program file reports the project version major.minor.patch.0;
//                           every other file has none
//   registry                none: every read finds no key
//   help control library    "hhctrl.ocx" of the system folder is the program file itself: its
//                           entry point "HtmlHelpA" is the built-in CHM viewer
//   OS version              uname(): system name, kernel release numbers, kernel build text
//   locale                  QLocale::system(); the Windows LCID of the user's language where
//                           known
//   shell open              programs are started directly, documents through xdg-open
//   last error              errno mapped onto the Windows codes the log describes
//   files                   posix_files.h: never through a symbolic link
#include <QLocale>
#include <QString>
#include <QStringList>

#include "platform/platform.h"

namespace quarrant {

// The Windows locale identifier of a locale, built from the primary language and the
// sublanguage where both are known; the language with its default sublanguage when only the
// language is known; 0x007F (invariant) for the C locale; 0 when the language is unknown.
uint32_t WindowsLcid(const QLocale& locale);

// The user's long time format without any time-zone part.
QString LongTimeFormat(const QLocale& locale);

class LinuxPlatform : public Platform {
 public:
  // argc/argv of main(). moduleFile names the program file when it is not the running
  // executable's (an in-process test of the installed program's folder); empty means
  // /proc/self/exe.
  LinuxPlatform(int argc, const char* const* argv, const QString& moduleFile = {});
  // From a list: element 0 is the program as named, then the parameters.
  explicit LinuxPlatform(const QStringList& commandLine, const QString& moduleFile = {});

  QChar PathDelimiter() const override { return QLatin1Char('/'); }

  QString ModuleFileName() const override { return moduleFile_; }
  QString CommandLineProgramPath() const override;
  QStringList CommandLineParameters() const override;
  QString RawCommandLine() const override;

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
  void Init(const QString& moduleFile);
  bool IsProgramFile(const QString& path) const;

  QStringList commandLine_;
  QString startFolder_;
  QString moduleFile_;
};

}  // namespace quarrant
