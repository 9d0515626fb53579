// Depreciation page.
#include "forms/Utfrm_ZavuzirEza.h"

namespace quarrant {

void Tfrm_ZavuzirEza::BuildDepreciationPage(QWidget* /*page*/) {}

void Tfrm_ZavuzirEza::sb_calcClick() {}

void Tfrm_ZavuzirEza::sb_cleardClick() {}

}  // namespace quarrant
