// The help control: locating and loading it, help addresses, showing topics and contexts
// through it (or through the two viewer programs), and its error messages.
#include <QCoreApplication>
#include <QThread>
#include <QWidget>

#include <memory>

#include "help/help_internal.h"
#include "support/error_report.h"

namespace quarrant {

using help_detail::Delimiter;

namespace {

// The loaded help control library and its entry point, kept from LoadHelpControl to
// UnloadHelpControl.
struct HelpControlState {
  std::unique_ptr<LoadedLibrary> helpLibrary;
  HtmlHelpProc htmlHelp;
};

HelpControlState& ControlState() {
  static HelpControlState state;
  return state;
}

// Removes leading and trailing spaces (code 32 only).
QString TrimSpaces(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
  while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
  return text.mid(first, last - first);
}

}  // namespace

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
  HelpControlState& state = ControlState();
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
  HelpControlState& state = ControlState();
  state.htmlHelp = nullptr;
  state.helpLibrary.reset();
}

bool HelpControlLoaded() {
  return ControlState().helpLibrary != nullptr;
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
  HelpControlState& state = ControlState();
  Platform& platform = CurrentPlatform();
  if (!UnitValues().hhInstalled) return kHelpNotInstalled;
  switch (viewMode) {
    case 0: {
      if (!state.htmlHelp) return kHelpNotInstalled;  // installed, but the control did not load
      if (const NativeWindow window = state.htmlHelp(0, address, command, context))
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
  const char* message = nullptr;
  switch (code) {
    case kHelpNotInstalled:
      message = QT_TRANSLATE_NOOP("HelpMessages", "MS Html Help is not installed on this PC.");
      break;
    case kHelpNoKeyHH:
      message = QT_TRANSLATE_NOOP("HelpMessages",
                                  "System file KeyHH.EXE was not found in the Windows folder.");
      break;
    case kHelpNoHH:
      message = QT_TRANSLATE_NOOP("HelpMessages",
                                  "System file HH.EXE was not found in the Windows folder.");
      break;
    default:
      message = QT_TRANSLATE_NOOP("HelpMessages", "Unknown error returned by HHHelpContext");
      break;
  }
  // The user reads the message in the program's language; the log keeps it in English.
  CurrentPlatform().ShowMessageBox(QCoreApplication::translate("HelpMessages", message),
                                   ApplicationTitle(), MessageIcon::Warning);
  DebugLog(QStringLiteral("HHShowError(%d), \"%s\""), {code, QString::fromLatin1(message)});
}

void CloseAllHelpWindows() {
  HelpControlState& state = ControlState();
  if (!state.helpLibrary || !state.htmlHelp) return;
  state.htmlHelp(0, QString(), HH_CLOSE_ALL, 0);
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

}  // namespace quarrant
