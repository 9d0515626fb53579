// Date calculator page.
#include "forms/Utfrm_ZavuzirEza.h"

namespace quarrant {

void Tfrm_ZavuzirEza::BuildDatePage(QWidget* /*page*/) {}

void Tfrm_ZavuzirEza::sb_dateClick() {}

void Tfrm_ZavuzirEza::sb_bdateClick() {}

void Tfrm_ZavuzirEza::sb_edateClick() {}

void Tfrm_ZavuzirEza::sb_dbdateClick() {}

}  // namespace quarrant
