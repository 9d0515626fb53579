#pragma once
// Unit helpsystem: context help from the compiled HTML help file beside the program, and the
// diagnostic log that traces the environment and every help call.
//
// Start-up, before the application object exists:
//   SetPlatform(&platform);      // the program's platform layer (tests: a FakePlatform)
//   LoadHelpControl();           // locate and load the help control library
//   InitializeDiagnosticLog();   // start-up values, debug switch, version probes, the log
// End of the program, after the message loop:
//   FinalizeDiagnosticLog();     // releases the log
//   UnloadHelpControl();         // releases the help control library
//   ReleaseHelpObjects();        // the help objects kept for the whole run
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

#include "platform/platform.h"

class QWidget;

namespace quarrant {

// ---------------------------------------------------------------------------------------------
// Platform

// The platform layer the unit works through, handed in by the program at start-up (tests hand
// in a fake). SetPlatform returns the one it replaces; CurrentPlatform throws without one.
Platform* SetPlatform(Platform* platform);
Platform& CurrentPlatform();

// ---------------------------------------------------------------------------------------------
// Formatting of log lines

// One argument of a format: a text (%s) or a whole number (%d, %u, %x).
class LogArg {
 public:
  LogArg(const QString& text) : value_(text) {}
  LogArg(const char* text) : value_(QString::fromUtf8(text)) {}
  LogArg(int number) : value_(static_cast<long long>(number)) {}
  LogArg(long number) : value_(static_cast<long long>(number)) {}
  LogArg(long long number) : value_(number) {}
  LogArg(unsigned number) : value_(static_cast<long long>(number)) {}
  LogArg(unsigned long number) : value_(static_cast<long long>(number)) {}

  bool IsNumber() const { return std::holds_alternative<long long>(value_); }
  long long Number() const;
  QString Text() const;

 private:
  std::variant<QString, long long> value_;
};
using LogArgs = std::vector<LogArg>;

// Fills a format: %s, %d, %u, %x (each takes the next argument), %% for "%". A specifier
// without an argument left, or one the formatter does not know, is written as it stands; a
// number given for %s is written in decimal and a text given for %d as it is. Never fails.
QString FormatText(const QString& format, const LogArgs& args);

// One line of the log as written, without its line end: the format filled; "-" and "=" alone
// widened to rules of 80; a leading "!", "-" or "=" taken off (such a line has no time
// stamp), otherwise the stamp put first; control characters escaped.
QString ComposeLogLine(const QString& stamp, const QString& format, const LogArgs& args);

// The text with every control character written visibly ("\n", "\r", "\x00", "\u2028"), so
// that whatever a message carries, one event stays one line of the log. Tabs stay as they are.
QString EscapeControlCharacters(const QString& text);

// ---------------------------------------------------------------------------------------------
// Diagnostic log

inline constexpr char kLogFileName[] = "HHDebug.txt";
inline constexpr char kDebugMarkerFile[] = "debug.debug";
inline constexpr char kFolderTestFile[] = "$_Temp_$.$$$";

class TDLogFile {
 public:
  // An empty path means the log folder and "HHDebug.txt"; a path whose folder is missing or
  // not writable moves to the temporary folder. Resets the attributes of an existing log file
  // and writes the header (EmitHeader).
  TDLogFile(const QString& filePath, bool enabled, bool stampTimes, bool withHeader, bool keepOld);

  // Composes one line and appends it, whatever Enabled says. A line that cannot be written is
  // dropped silently.
  void WriteLine(const QString& format, const LogArgs& args = {}) const;
  // WriteLine if Enabled.
  void Log(const QString& format, const LogArgs& args = {}) const;
  // Shows the formatted message in a warning box, then logs it as it stands if Enabled.
  void LogAndShow(const QString& format, const LogArgs& args = {}) const;
  // Deletes an old log unless KeepOld, then writes the header if Enabled and WithHeader.
  void EmitHeader() const;

  QString LogPath;
  bool Enabled;
  bool StampTimes;
  bool WithHeader;
  bool KeepOld;
};

// Program-wide values, computed once at start by InitializeDiagnosticLog.
struct HelpUnitValues {
  QString ModulePath;
  QString ModuleDir;
  QString ModuleName;
  QString RunDir;
  QString LogFolder;
  bool DebugSwitch = false;
  QString hhVerStr;
  bool hhInstalled = false;
  QString hhFriendlyVerStr;
  QString ieVerStr;
  bool ieInstalled = false;
  QString ieFriendlyVerStr;
};
const HelpUnitValues& UnitValues();

// Start-up steps of the unit: program paths, log folder, debug switch, version probes, and the
// program-wide log object. Calling it again starts over (tests do).
void InitializeDiagnosticLog();
// Releases the program-wide log object.
void FinalizeDiagnosticLog();
// The program-wide log object, or none before start-up and after release.
TDLogFile* LogFile();

// Log on the program-wide log object (nothing without one).
void DebugLog(const QString& format, const LogArgs& args = {});
// LogAndShow on the program-wide log object (only the message box without one).
void ReportError(const QString& format, const LogArgs& args = {});
// The main window, owner of shell requests when no window of the program is active.
void SetHelpMainWindow(QWidget* window);
// Asks the shell to open the document with the parameters; on failure reports
// "Function ShellExecute(document, parameters)\rReturned: <LastErrorText>".
bool ShellOpen(const QString& document, const QString& parameters);
// "[Error:<code>] <description>" for the platform's last error.
QString LastErrorText();
QString LastErrorText(uint32_t code);
// Version text "major.minor.build.release" of a file, empty (and four zeros) without one.
QString FileVersionText(const QString& path, FileVersion* version = nullptr);

// Friendly names of the HTML help control and Internet Explorer versions; an empty version
// text gives an empty name.
QString HtmlHelpFriendlyName(const QString& versionText, const FileVersion& version);
QString InternetExplorerFriendlyName(const QString& versionText, const FileVersion& version);

// Strips every trailing path delimiter.
QString StripTrailingDelimiters(const QString& folder);
// Creates and deletes a test file in the folder; an existing file of the test file's name is
// never opened, truncated or deleted.
bool FolderIsWritable(const QString& folder);
// The platform's temporary folder, or its fallback folder when that does not exist.
QString TemporaryFolder();
// True for a debug marker file in the module folder or a parameter "/debug" or "-debug" in
// any letter case.
bool DebugSwitchOn(const QString& moduleDir, const QStringList& parameters);

// ---------------------------------------------------------------------------------------------
// Help system

// Result codes of showing help.
inline constexpr int kHelpOk = 0;
inline constexpr int kHelpNotInstalled = 1;
inline constexpr int kHelpNoKeyHH = 2;
inline constexpr int kHelpNoHH = 3;

// Commands of the help control's entry point.
inline constexpr uint32_t HH_DISPLAY_TOPIC = 0;
inline constexpr uint32_t HH_HELP_CONTEXT = 15;
inline constexpr uint32_t HH_CLOSE_ALL = 18;

// Help request commands of the application's help handler.
inline constexpr uint16_t HELP_CONTEXT = 1;
inline constexpr uint16_t HELP_CONTEXTPOPUP = 8;
inline constexpr uint16_t HELP_SETPOPUP_POS = 13;

QString HelpControlPath();
void LoadHelpControl();
void UnloadHelpControl();
bool HelpControlLoaded();

QString MakeHelpAddress(QString chmFile, QString topic, QString winDef, bool withStoragePrefix);
int HHHelpContext(const QString& chmFile, const QString& topic, const QString& winDef,
                  uint8_t viewMode);
int HHHelpContext(const QString& chmFile, int32_t context, const QString& winDef, uint8_t viewMode);
int ShowTopic(const QString& address, uint8_t viewMode);
int ShowContext(const QString& address, int32_t context, uint8_t viewMode);
void HHShowError(int code);
void CloseAllHelpWindows();
QString HelpCommandName(uint16_t command);

// ---------------------------------------------------------------------------------------------
// Help requests of the application
//
// A help request is a command and its data. F1 on a widget asks for HELP_CONTEXT with the help
// context of the widget (kHelpContextProperty on it or its nearest parent, else 0); a
// what's-this request on a widget without a what's-this text of its own sets the popup position
// (HELP_SETPOPUP_POS, x in the low and y in the high 16 bits) and asks for HELP_CONTEXTPOPUP.
// A window with a help handler of its own gets its requests there; any other request goes to
// the application's help handler, provided the widget has a help context (0 means none). A
// handler that leaves callHelp set lets the toolkit's own handling go on.

using HelpRequestHandler = std::function<bool(uint16_t command, int32_t data, bool& callHelp)>;

inline constexpr char kHelpContextProperty[] = "helpContext";

HelpRequestHandler ApplicationHelpHandler();
void SetApplicationHelpHandler(HelpRequestHandler handler);
void SetWindowHelpHandler(QWidget* window, HelpRequestHandler handler);
// Routes one request from the widget as the application does; true when a handler took it
// (callHelp cleared).
bool DispatchHelpRequest(QWidget* widget, uint16_t command, int32_t data);
int32_t HelpContextOf(const QWidget* widget);

class THookHelpSystem {
 public:
  // Stores the three values and takes over the application's help requests.
  THookHelpSystem(const QString& chmFile, const QString& winDef, uint8_t viewMode);
  // Closes the help windows (mode 0) and gives the application its previous handler back.
  ~THookHelpSystem();
  THookHelpSystem(const THookHelpSystem&) = delete;
  THookHelpSystem& operator=(const THookHelpSystem&) = delete;

  int HelpTopic(const QString& topic);
  int HelpContext(int32_t context);
  bool HelpHook(uint16_t command, int32_t data, bool& callHelp);

  HelpRequestHandler PreviousHelpHandler;
  QString ChmFile;
  QString WinDef;
  uint8_t ViewMode;
  int32_t PopupX = 0;
  int32_t PopupY = 0;
  std::function<void(int32_t context)> OnContext;
  std::function<void(int32_t context, int32_t x, int32_t y)> OnPopup;
  bool Chain = false;

 private:
  // The object whose handler PreviousHelpHandler is, if any.
  THookHelpSystem* previousOwner_ = nullptr;
};

// Keeps a help object until ReleaseHelpObjects (the end of the program) and returns it.
THookHelpSystem* KeepUntilProgramEnd(std::unique_ptr<THookHelpSystem> help);
void ReleaseHelpObjects();

}  // namespace quarrant
