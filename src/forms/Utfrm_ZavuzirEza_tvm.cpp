// Time value of money page: five solve buttons, each computing its quantity from the other
// four fields, and Clear.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <cmath>
#include <cstdint>
#include <exception>
#include <stdexcept>

#include "controls/radio_group.h"
#include "engine/time_value.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "support/error_report.h"

namespace quarrant {

namespace {

const QStringList& FrequencyItems() {
  static const QStringList items{QStringLiteral("Monthly"), QStringLiteral("Quarterly"),
                                 QStringLiteral("Semi-annually"), QStringLiteral("Annually")};
  return items;
}

}  // namespace

void Tfrm_ZavuzirEza::BuildTvmPage(QWidget* page) {
  sb_N = MakeButton(page, "sb_N", QStringLiteral("Number of Periods(N):"), {14, 8, 129, 25});
  Ed_N = MakeValueField(page, "Ed_N", {145, 9, 186, 18});
  Ed_N->setText(PlaceholderText());
  Ed_N->setCursorPosition(0);  // show the hint from its start
  sb_i = MakeButton(page, "sb_i", QStringLiteral("Annual Interest(I%YR):"), {14, 36, 129, 25});
  ed_I = MakeValueField(page, "ed_I", {145, 37, 186, 18});
  lb_Ipercent = MakeLabel(page, QStringLiteral("%"), 332, 40, "lb_Ipercent");
  sb_PV = MakeButton(page, "sb_PV", QStringLiteral("Present Value(PV):"), {14, 64, 129, 25});
  ed_PV = MakeValueField(page, "ed_PV", {145, 65, 186, 18});
  sb_PMT = MakeButton(page, "sb_PMT", QStringLiteral("Payment(PMT):"), {14, 91, 129, 25});
  ed_PMT = MakeValueField(page, "ed_PMT", {145, 92, 186, 18});
  sb_FV = MakeButton(page, "sb_FV", QStringLiteral("Future Value(FV):"), {14, 120, 129, 25});
  ed_FV = MakeValueField(page, "ed_FV", {145, 121, 186, 18});

  rg_PMTF = new RadioGroup(QStringLiteral("Payment frequency"), FrequencyItems(), page);
  rg_PMTF->setObjectName(QStringLiteral("rg_PMTF"));
  rg_PMTF->setGeometry(14, 149, 161, 100);
  rg_PMTF->setItemIndex(0);
  rb_pmtt = new RadioGroup(QStringLiteral("Payment time"),
                           {QStringLiteral("Beginning of period"), QStringLiteral("End of period")},
                           page);
  rb_pmtt->setObjectName(QStringLiteral("rb_pmtt"));
  rb_pmtt->setGeometry(182, 149, 148, 65);
  rb_pmtt->setItemIndex(1);

  sb_Amortization =
      MakeButton(page, "sb_Amortization", QStringLiteral("&Amortization"), {183, 224, 147, 25});
  sb_clear = MakeButton(page, "sb_clear", QStringLiteral("C&lear"), {256, 254, 75, 25});

  SetTabOrder({ed_FV, ed_I, Ed_N, ed_PMT, ed_PV, sb_PV, sb_PMT, sb_N, sb_i, sb_FV, rg_PMTF, rb_pmtt,
               sb_Amortization, sb_clear});

  const struct {
    QPushButton* button;
    void (Tfrm_ZavuzirEza::*handler)();
  } handlers[] = {
      {sb_N, &Tfrm_ZavuzirEza::sb_NClick},
      {sb_i, &Tfrm_ZavuzirEza::sb_iClick},
      {sb_PV, &Tfrm_ZavuzirEza::sb_PVClick},
      {sb_PMT, &Tfrm_ZavuzirEza::sb_PMTClick},
      {sb_FV, &Tfrm_ZavuzirEza::sb_FVClick},
      {sb_clear, &Tfrm_ZavuzirEza::sb_clearClick},
      {sb_Amortization, &Tfrm_ZavuzirEza::sb_AmortizationClick},
  };
  for (const auto& entry : handlers) {
    const auto handler = entry.handler;
    connect(entry.button, &QPushButton::clicked, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  }
}

namespace {

PaymentTiming TimingOf(bool atBeginning) {
  return atBeginning ? PaymentTiming::StartOfPeriod : PaymentTiming::EndOfPeriod;
}

// The period count the solvers take: the value truncated toward zero, which must fit the
// solvers' 32-bit count.
int32_t TruncatedPeriods(Extended value) {
  const Extended whole = std::trunc(value);
  if (!(whole >= static_cast<Extended>(INT32_MIN) && whole <= static_cast<Extended>(INT32_MAX)))
    throw std::out_of_range("number of periods outside the 32-bit range");
  return static_cast<int32_t>(whole);
}

}  // namespace

// Runs one solve button: any failure between reading the fields and showing the result ends
// in "Arguments Error!" and leaves the target field as it was.
template <class Solve>
static void SolveInto(Tfrm_ZavuzirEza* window, QLineEdit* target, Solve solve) {
  QString text;
  try {
    text = window->FormatValue(solve());
  } catch (...) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"),
                    QStringLiteral("Arguments Error!"), QMessageBox::Ok, window);
    box.exec();
    return;
  }
  target->setText(text);
}

void Tfrm_ZavuzirEza::sb_NClick() {
  SolveInto(this, Ed_N, [this] {
    const Extended rate = PeriodicRate();
    const Extended pmt = EvaluateText(ed_PMT->text());
    const Extended pv = EvaluateText(ed_PV->text());
    const Extended fv = EvaluateText(ed_FV->text());
    return NumberOfPeriods(rate, pmt, pv, fv, TimingOf(PaymentAtBeginning()));
  });
}

void Tfrm_ZavuzirEza::sb_iClick() {
  SolveInto(this, ed_I, [this] {
    const Extended pmt = EvaluateText(ed_PMT->text());
    const Extended pv = EvaluateText(ed_PV->text());
    const Extended fv = EvaluateText(ed_FV->text());
    const int32_t n = TruncatedPeriods(EvaluateText(Ed_N->text()));
    return AnnualRatePercent(InterestRate(n, pmt, pv, fv, TimingOf(PaymentAtBeginning())));
  });
}

void Tfrm_ZavuzirEza::sb_PVClick() {
  SolveInto(this, ed_PV, [this] {
    const Extended rate = PeriodicRate();
    const Extended pmt = EvaluateText(ed_PMT->text());
    const Extended fv = EvaluateText(ed_FV->text());
    const int32_t n = TruncatedPeriods(EvaluateText(Ed_N->text()));
    return PresentValue(rate, n, pmt, fv, TimingOf(PaymentAtBeginning()));
  });
}

void Tfrm_ZavuzirEza::sb_PMTClick() {
  SolveInto(this, ed_PMT, [this] {
    const Extended rate = PeriodicRate();
    const Extended pv = EvaluateText(ed_PV->text());
    const Extended fv = EvaluateText(ed_FV->text());
    const int32_t n = TruncatedPeriods(EvaluateText(Ed_N->text()));
    return Payment(rate, n, pv, fv, TimingOf(PaymentAtBeginning()));
  });
}

void Tfrm_ZavuzirEza::sb_FVClick() {
  SolveInto(this, ed_FV, [this] {
    const Extended rate = PeriodicRate();
    const Extended pmt = EvaluateText(ed_PMT->text());
    const Extended pv = EvaluateText(ed_PV->text());
    const int32_t n = TruncatedPeriods(EvaluateText(Ed_N->text()));
    return FutureValue(rate, n, pmt, pv, TimingOf(PaymentAtBeginning()));
  });
}

void Tfrm_ZavuzirEza::sb_clearClick() {
  ed_FV->setText(QString());
  ed_I->setText(QString());
  Ed_N->setText(QString());
  ed_PV->setText(QString());
  ed_PMT->setText(QString());
  rb_pmtt->setItemIndex(1);
  rg_PMTF->setItemIndex(0);
}

}  // namespace quarrant
