// Cash flow page.
#include "forms/Utfrm_ZavuzirEza.h"

namespace quarrant {

void Tfrm_ZavuzirEza::BuildCashFlowPage(QWidget* /*page*/) {}

void Tfrm_ZavuzirEza::sb_InsertClick() {}

void Tfrm_ZavuzirEza::sb_ReplaceClick() {}

void Tfrm_ZavuzirEza::sb_DeleteClick() {}

void Tfrm_ZavuzirEza::lv_cashfllowClick() {}

void Tfrm_ZavuzirEza::sb_clearcashfClick() {}

void Tfrm_ZavuzirEza::sb_calculateClick() {}

}  // namespace quarrant
