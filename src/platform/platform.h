#pragma once
// One interface over everything the operating system provides to the help system and the
// diagnostic log: the program file and command line, folders, file version information, the
// registry, the system's version and locale, message boxes, the shell, the last error code,
// the few file operations the log needs, and loading the help control library.
//
// The program runs on the Linux (linux_platform.h) or the Windows implementation
// (windows_platform.h); tests put the fake
// (tests/support/fake_platform.h) in its place. Paths use the platform's own delimiter
// (PathDelimiter()).
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace quarrant {

// Fixed version information of a file, in the order the four numbers are written:
// major.minor.build.release.
struct FileVersion {
  uint16_t major = 0;
  uint16_t minor = 0;
  uint16_t build = 0;
  uint16_t release = 0;
  friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

struct OsVersion {
  QString name;  // "Linux", "Windows XP", ...
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  QString servicePack;  // empty when there is none
};

struct LocaleValues {
  uint32_t lcid = 0;         // Windows locale identifier of the user's language (0 if unknown)
  QString decimalSeparator;  // the user's decimal separator
  QString shortDateFormat;   // QDateTime format of the user's short date
  QString longTimeFormat;    // QDateTime format of the user's long time (with seconds)
};

enum class MessageIcon { Warning, Stop, Information };

// Error codes in the Windows system's numbering. LastError() reports these on every system (the
// Linux implementation maps its failures onto them), and the diagnostic log describes them.
enum SystemError : uint32_t {
  kErrorFileNotFound = 2,
  kErrorPathNotFound = 3,
  kErrorAccessDenied = 5,
  kErrorNotEnoughMemory = 8,
  kErrorWriteProtected = 19,
  kErrorNotReady = 21,
  kErrorGeneralFailure = 31,
  kErrorSharingViolation = 32,
  kErrorLockViolation = 33,
  kErrorHandleDiskFull = 39,
  kErrorDiskFull = 112,
  kErrorExtendedAttributesCorrupt = 276,
  kErrorUnrecognizedVolume = 1005,
  kErrorRegistryCorrupt = 1009,
  kErrorOldWindowsVersion = 1150,
  kErrorNotWindowsProgram = 1151,
  kErrorInternalDatabaseCorrupt = 1358,
  kErrorFileCorrupt = 1392,
  kErrorDiskCorrupt = 1393,
};

// Results of ShellExecuteOpen as the Windows shell gives them: a value above
// kShellExecuteFailedUpTo is success; at or below it, an error code (2 file not found, 3 path
// not found, 5 access denied, or kShellNoAssociation).
inline constexpr intptr_t kShellExecuteFailedUpTo = 32;
inline constexpr intptr_t kShellExecuteStarted = 42;  // any value above 32 would do
inline constexpr intptr_t kShellNoAssociation = 31;   // no program opens the document

// Result of creating a new, empty file.
enum class CreateResult { Created, AlreadyExists, Failed };

// A native window handle: a window of the help control or another program, which need not
// belong to the toolkit (HWND on Windows, the window id on Linux); 0 is none.
using NativeWindow = uintptr_t;

// The help control's entry point, called like the platform's HTML help function: owner window
// (none stands for the desktop), address, command, data. Returns the help window it shows or
// works with, or none.
using HtmlHelpProc = std::function<NativeWindow(NativeWindow owner, const QString& address,
                                                uint32_t command, intptr_t data)>;

// A loaded library. Releasing it (destroying the object) unloads it.
class LoadedLibrary {
 public:
  virtual ~LoadedLibrary() = default;
  // The HTML help entry point of that name, or an empty function when the library has none.
  virtual HtmlHelpProc HtmlHelpEntry(const char* name) const = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual QChar PathDelimiter() const = 0;

  // ---- Program file and command line ----
  // Full path of the running program file.
  virtual QString ModuleFileName() const = 0;
  // The program path as the command line's first element names it (made a full path where the
  // platform can resolve it).
  virtual QString CommandLineProgramPath() const = 0;
  // The command-line parameters after the program, in order.
  virtual QStringList CommandLineParameters() const = 0;
  // The whole command line as one text.
  virtual QString RawCommandLine() const = 0;

  // ---- Folders ----
  virtual QString TempPath() const = 0;
  // Where the log goes when the temporary folder does not exist.
  virtual QString FallbackFolder() const = 0;
  virtual QString SystemFolder() const = 0;
  virtual QString WindowsFolder() const = 0;
  // Path of a library of the system folder. A platform that provides a component itself (the
  // Linux build's help control is the built-in viewer) names its own file for it.
  virtual QString SystemLibraryPath(const QString& fileName) const = 0;

  // ---- Files ----
  virtual bool FileExists(const QString& path) const = 0;
  virtual bool DirectoryExists(const QString& path) const = 0;
  virtual std::optional<FileVersion> FileVersionInfo(const QString& path) const = 0;
  // Creates a new empty file, never opening or truncating one that already exists (nor
  // following a symbolic link), and closes it.
  virtual CreateResult CreateNewFile(const QString& path) = 0;
  // Creates a new empty file with a unique name made from the stem in the folder; returns its
  // path, or an empty text when that fails.
  virtual QString CreateUniqueFile(const QString& folder, const QString& stem) = 0;
  // Deletes a file; a symbolic link is left alone (false).
  virtual bool RemoveFile(const QString& path) = 0;
  // Clears read-only (and hidden, where the platform has it); a symbolic link is left alone.
  virtual bool ResetFileAttributes(const QString& path) = 0;
  // Appends to a regular file of this user, creating it if it does not exist; never follows a
  // symbolic link. False when the file cannot be opened.
  virtual bool AppendToFile(const QString& path, const QByteArray& bytes) = 0;

  // ---- Registry (read only) ----
  // Default value of a key under the classes root; none when the key or value is missing.
  virtual std::optional<QString> ReadClassesRootDefault(const QString& key) const = 0;

  // ---- System ----
  virtual OsVersion OperatingSystemVersion() const = 0;
  virtual LocaleValues Locale() const = 0;
  virtual QDateTime CurrentDateTime() const = 0;

  // ---- Libraries ----
  // Loads a library file; none when that fails.
  virtual std::unique_ptr<LoadedLibrary> LoadLibraryFile(const QString& path) = 0;

  // ---- User interface ----
  // Modal message box with one OK button and no owner window.
  virtual void ShowMessageBox(const QString& text, const QString& caption, MessageIcon icon) = 0;
  virtual void BringToForeground(NativeWindow window) = 0;

  // ---- Shell ----
  // Asks the shell to "open" the document (or start the program) with the parameters, shown
  // in its default state. Returns a value above kShellExecuteFailedUpTo on success, otherwise an
  // error code (and the last error is set).
  virtual intptr_t ShellExecuteOpen(QWidget* owner, const QString& document,
                                    const QString& parameters) = 0;
  // The last error code of a platform call, a SystemError (kErrorFileNotFound,
  // kErrorAccessDenied, ...).
  virtual uint32_t LastError() const = 0;
};

}  // namespace quarrant
