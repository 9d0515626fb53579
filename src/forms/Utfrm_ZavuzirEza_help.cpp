// Help of the main window: the help object, help requests (F1) and the Help button.
#include "forms/Utfrm_ZavuzirEza.h"

namespace quarrant {

void Tfrm_ZavuzirEza::CreateHelpObject() {}

bool Tfrm_ZavuzirEza::FormHelp(uint16_t /*Command*/, int32_t /*Data*/, bool& CallHelp) {
  CallHelp = false;
  return true;
}

void Tfrm_ZavuzirEza::sb_helpClick() {}

}  // namespace quarrant
