// Help of the main window: the help object, help requests (F1) and the Help button.
#include <memory>

#include "forms/Utfrm_ZavuzirEza.h"
#include "help/helpsystem.h"
#include "support/error_report.h"
#include "support/language.h"

namespace quarrant {

namespace {
constexpr int32_t kMainWindowHelpContext = 1000;
const QString kMainTopic = QStringLiteral("default.htm");
}  // namespace

void Tfrm_ZavuzirEza::CreateHelpObject() {
  // The help file beside the program: its folder with a trailing delimiter, then the name:
  // the help in the program's language when it is there (Rare_de.chm), else the English one.
  // The help object's creation logs the name.
  Platform& platform = CurrentPlatform();
  const QString program = platform.ModuleFileName();
  const QString folder = program.left(program.lastIndexOf(platform.PathDelimiter()) + 1);
  QString file = folder + QStringLiteral("Rare.chm");
  if (const QString language = CurrentLanguage(); !language.isEmpty()) {
    const QString translated = folder + QStringLiteral("Rare_%1.chm").arg(language);
    if (platform.FileExists(translated)) file = translated;
  }
  help = KeepUntilProgramEnd(std::make_unique<THookHelpSystem>(file, QString(), 0));

  setProperty(kHelpContextProperty, kMainWindowHelpContext);
  // Every help request of this window (F1 anywhere on it) comes to FormHelp.
  SetWindowHelpHandler(this, [this](uint16_t command, int32_t data, bool& callHelp) {
    bool handled = true;
    Guarded([&] { handled = FormHelp(command, data, callHelp); });
    return handled;
  });
  SetHelpMainWindow(this);
}

bool Tfrm_ZavuzirEza::FormHelp(uint16_t /*Command*/, int32_t /*Data*/, bool& CallHelp) {
  // Whatever context was asked for, the window's help is its overview topic.
  if (help != nullptr) help->HelpTopic(kMainTopic);
  CallHelp = false;
  return true;
}

void Tfrm_ZavuzirEza::sb_helpClick() {
  if (help != nullptr) help->HelpTopic(kMainTopic);
}

}  // namespace quarrant
