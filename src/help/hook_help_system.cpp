// THookHelpSystem: the help object that takes over the application's help requests, and the
// help objects kept until the program ends.
#include <algorithm>
#include <memory>
#include <vector>

#include "help/help_internal.h"

namespace quarrant {
namespace {

// Help objects alive now, so one destroyed out of order can hand its previous handler on.
std::vector<THookHelpSystem*>& LiveHelpObjects() {
  static std::vector<THookHelpSystem*> objects;
  return objects;
}

// Help objects kept for the whole run (KeepUntilProgramEnd).
std::vector<std::unique_ptr<THookHelpSystem>>& KeptHelpObjects() {
  static std::vector<std::unique_ptr<THookHelpSystem>> objects;
  return objects;
}

}  // namespace

THookHelpSystem::THookHelpSystem(const QString& chmFile, const QString& winDef, uint8_t viewMode)
    : ChmFile(chmFile), WinDef(winDef), ViewMode(viewMode) {
  PreviousHelpHandler = ApplicationHelpHandler();
  previousOwner_ = help_detail::ApplicationHelpHandlerOwner();
  help_detail::SetApplicationHelpHandlerFor(
      [this](uint16_t command, int32_t data, bool& callHelp) {
        return HelpHook(command, data, callHelp);
      },
      this);
  LiveHelpObjects().push_back(this);
  Chain = false;
  DebugLog(QStringLiteral("THookHelpSystem.Create(\"%s\",\"%s\", %d)"),
           {ChmFile, WinDef, int{ViewMode}});
}

THookHelpSystem::~THookHelpSystem() {
  if (ViewMode == 0) CloseAllHelpWindows();
  std::vector<THookHelpSystem*>& live = LiveHelpObjects();
  if (help_detail::ApplicationHelpHandlerOwner() == this) {
    help_detail::SetApplicationHelpHandlerFor(PreviousHelpHandler, previousOwner_);
  } else {
    // Destroyed while a later object holds the requests: that object's previous handler
    // becomes this object's previous one, so nothing is left calling into this object.
    for (THookHelpSystem* other : live) {
      if (other != this && other->previousOwner_ == this) {
        other->PreviousHelpHandler = PreviousHelpHandler;
        other->previousOwner_ = previousOwner_;
      }
    }
  }
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
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
  KeptHelpObjects().push_back(std::move(help));
  return KeptHelpObjects().back().get();
}

void ReleaseHelpObjects() {
  // Released newest first.
  std::vector<std::unique_ptr<THookHelpSystem>>& kept = KeptHelpObjects();
  while (!kept.empty()) kept.pop_back();
}

}  // namespace quarrant
