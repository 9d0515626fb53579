#pragma once
// A platform for tests. Everything the environment reports (program file, command line,
// folders, versions, registry, system version, locale, clock) is a public field that the test
// sets. The file operations work on the real file system through posix_files.h, so the log's
// behaviour on disk is exercised as it is in the program; folders listed in readOnlyFolders
// refuse new files. Message boxes, shell calls and help control calls are recorded instead of
// shown, in one ordered event list.
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "platform/platform.h"

namespace quarrant {

class FakePlatform : public Platform {
 public:
  FakePlatform();

  // ---- Environment ----
  QString moduleFile;
  QString commandLineProgramPath;
  QStringList parameters;
  QString rawCommandLine;
  QString tempPath;
  QString fallbackFolder = QStringLiteral("/nonexistent-fallback");
  QString systemFolder = QStringLiteral("/fake/system");
  QString windowsFolder = QStringLiteral("/fake/windows");
  std::set<QString> virtualFiles;     // exist in addition to the real ones
  std::set<QString> readOnlyFolders;  // new files cannot be created in these
  std::map<QString, FileVersion> versions;
  std::map<QString, QString> registry;  // classes-root key -> default value
  OsVersion os;
  LocaleValues locale;
  QDateTime now;

  // ---- Help control ----
  std::set<QString> libraries;  // files that load as a library with "HtmlHelpA"
  NativeWindow helpWindow = 0;  // what the entry point returns
  int loadedLibraries = 0;      // libraries loaded and not yet released

  // ---- Shell and last error ----
  intptr_t shellResult = 42;
  std::optional<uint32_t> lastError;  // overrides the last error of the file operations

  // ---- Recorded calls ----
  struct HelpCall {
    bool ownerIsDesktop;
    QString address;
    uint32_t command;
    intptr_t data;
  };
  std::vector<HelpCall> helpCalls;
  struct Message {
    QString text;
    QString caption;
    MessageIcon icon;
  };
  std::vector<Message> messages;
  // Runs while a message box would be open (after it is recorded).
  std::function<void(const Message&)> onMessage;
  struct ShellCall {
    QString document;
    QString parameters;
  };
  std::vector<ShellCall> shellCalls;
  std::vector<NativeWindow> foregrounded;
  // Every recorded call, in order: "HtmlHelpA(command, address, data)", "MessageBox(text)",
  // "ShellExecute(document, parameters)", "Foreground".
  QStringList events;

  // ---- Platform ----
  QChar PathDelimiter() const override { return QLatin1Char('/'); }
  QString ModuleFileName() const override { return moduleFile; }
  QString CommandLineProgramPath() const override { return commandLineProgramPath; }
  QStringList CommandLineParameters() const override { return parameters; }
  QString RawCommandLine() const override { return rawCommandLine; }
  QString TempPath() const override { return tempPath; }
  QString FallbackFolder() const override { return fallbackFolder; }
  QString SystemFolder() const override { return systemFolder; }
  QString WindowsFolder() const override { return windowsFolder; }
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
  OsVersion OperatingSystemVersion() const override { return os; }
  LocaleValues Locale() const override { return locale; }
  QDateTime CurrentDateTime() const override { return now; }
  std::unique_ptr<LoadedLibrary> LoadLibraryFile(const QString& path) override;
  void ShowMessageBox(const QString& text, const QString& caption, MessageIcon icon) override;
  void BringToForeground(NativeWindow window) override;
  intptr_t ShellExecuteOpen(QWidget* owner, const QString& document,
                            const QString& parameters) override;
  uint32_t LastError() const override;

 private:
  bool InReadOnlyFolder(const QString& path) const;
};

}  // namespace quarrant
