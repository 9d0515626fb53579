// Opening the amortization window from the time value of money page.
#include "forms/Utfrm_ZavuzirEza.h"

namespace quarrant {

void Tfrm_ZavuzirEza::sb_AmortizationClick() {}

}  // namespace quarrant
