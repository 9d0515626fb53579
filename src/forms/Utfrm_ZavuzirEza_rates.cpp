// Interest rate conversion page: nominal annual, effective annual and periodic rate in
// percent for the compounding periods per year of the page's own frequency group. Arithmetic
// errors are not caught here; they end the handler and reach the program-wide error report.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "controls/accessible_names.h"
#include "controls/radio_group.h"
#include "controls/value_field.h"
#include "engine/UtFunctionImp.h"
#include "engine/checked_math.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/connect_clicks.h"
#include "support/error_report.h"
#include "support/payment_frequency.h"

namespace quarrant {

void Tfrm_ZavuzirEza::buildRatesPage(QWidget* page) {
  sb_NAR = makeButton(page, "sb_NAR", tr("Nominal Annual Rate"), {14, 10, 129, 25});
  ed_NAR = makeValueField(page, "ed_NAR", {145, 11, 186, 18});
  lb_NARpercent = makeLabel(page, tr("%"), 332, 14, "lb_NARpercent");
  sb_EAR = makeButton(page, "sb_EAR", tr("Effective Annual Rate"), {14, 38, 129, 25});
  ed_EAR = makeValueField(page, "ed_EAR", {145, 39, 186, 18});
  lb_EARpercent = makeLabel(page, tr("%"), 332, 42, "lb_EARpercent");
  sb_PIR = makeButton(page, "sb_PIR", tr("Periodic Interest Rate"), {14, 65, 129, 25});
  ed_PIR = makeValueField(page, "ed_PIR", {145, 66, 186, 18});
  lb_PIRpercent = makeLabel(page, tr("%"), 332, 69, "lb_PIRpercent");

  rg_PMTFi = new RadioGroup(tr("Payment frequency"), PaymentFrequencyItems(), page);
  rg_PMTFi->setObjectName(QStringLiteral("rg_PMTFi"));
  rg_PMTFi->setGeometry(14, 93, 185, 100);
  rg_PMTFi->setItemIndex(0);

  sb_clearcf = makeButton(page, "sb_clearcf", tr("C&lear"), {256, 254, 75, 25});

  // Each field is labelled by the button that converts from it.
  for (auto [field, button] : {std::pair{ed_NAR, sb_NAR}, {ed_EAR, sb_EAR}, {ed_PIR, sb_PIR}})
    nameAfterCaption(field, button->text());

  setTabSequence({sb_NAR, ed_NAR, sb_EAR, ed_EAR, sb_PIR, ed_PIR, rg_PMTFi, sb_clearcf});

  ConnectClicks(this, {
                          {sb_NAR, &Tfrm_ZavuzirEza::sb_NARClick},
                          {sb_EAR, &Tfrm_ZavuzirEza::sb_EARClick},
                          {sb_PIR, &Tfrm_ZavuzirEza::sb_PIRClick},
                          {sb_clearcf, &Tfrm_ZavuzirEza::sb_clearcfClick},
                      });
}

void Tfrm_ZavuzirEza::sb_NARClick() {
  const Extended nominal = EvaluateText(ed_NAR->text());
  const Extended effective =
      checked::Mul(NominalToEffective(RatePeriodsPerYear(), nominal / 100.0L), 100.0L);
  ed_EAR->setText(FormatValue(effective));
  // The nominal field is read a second time for the periodic rate.
  const Extended nominalAgain = EvaluateText(ed_NAR->text());
  ed_PIR->setText(FormatValue(nominalAgain / RatePeriodsPerYear()));
}

void Tfrm_ZavuzirEza::sb_EARClick() {
  const Extended effective = EvaluateText(ed_EAR->text());
  const Extended nominal =
      checked::Mul(EffectiveToNominal(RatePeriodsPerYear(), effective / 100.0L), 100.0L);
  ed_NAR->setText(FormatValue(nominal));
  ed_PIR->setText(FormatValue(nominal / RatePeriodsPerYear()));
}

void Tfrm_ZavuzirEza::sb_PIRClick() {
  const Extended periodic = EvaluateText(ed_PIR->text());
  const Extended nominal = checked::Mul(RatePeriodsPerYear(), periodic);
  ed_NAR->setText(FormatValue(nominal));
  const Extended effective =
      checked::Mul(NominalToEffective(RatePeriodsPerYear(), nominal / 100.0L), 100.0L);
  ed_EAR->setText(FormatValue(effective));
}

void Tfrm_ZavuzirEza::sb_clearcfClick() {
  ed_EAR->setText(QString());
  ed_NAR->setText(QString());
  ed_PIR->setText(QString());
  rg_PMTFi->setItemIndex(0);
}

}  // namespace quarrant
