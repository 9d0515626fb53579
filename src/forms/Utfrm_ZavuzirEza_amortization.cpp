// Opening the amortization window from the time value of money page.
#include <QLineEdit>
#include <memory>

#include "controls/radio_group.h"
#include "controls/value_field.h"
#include "engine/amortization.h"
#include "engine/time_value.h"
#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_ZavuzirEza.h"

namespace quarrant {

// Hands the page's number of periods, annual interest, present value, future value, payment time
// and payment frequency to a new amortization window, lists the schedule and shows the window
// modally. An error on the way (a number of periods out of range, a schedule that cannot be
// computed) ends the opening before the window is shown and reaches the caller's guard. The window
// is destroyed when it closes.
void Tfrm_ZavuzirEza::sb_AmortizationClick() {
  auto window = std::make_unique<Tfrm_Amortization>(this);
  window->SetPeriods(WholePeriods(EvaluateText(Ed_N->text())));
  window->SetAnnualRate(EvaluateText(ed_I->text()));
  window->SetPresentValue(EvaluateText(ed_PV->text()));
  window->SetFutureValue(EvaluateText(ed_FV->text()));
  window->SetPaymentTime(rb_pmtt->itemIndex());
  window->SetPaymentFrequency(rg_PMTF->itemIndex());
  window->CalculateSchedule();
  window->CenterOver(this);
  window->exec();
}

}  // namespace quarrant
