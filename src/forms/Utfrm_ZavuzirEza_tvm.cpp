// Time value of money page: five solve buttons, each computing its quantity from the other
// four fields, and Clear.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <utility>

#include "controls/accessible_names.h"
#include "controls/radio_group.h"
#include "controls/value_field.h"
#include "engine/time_value.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/connect_clicks.h"
#include "forms/window_parts.h"
#include "support/error_report.h"
#include "support/payment_frequency.h"

namespace quarrant {

void Tfrm_ZavuzirEza::buildTvmPage(QWidget* page) {
  sb_N = makeButton(page, "sb_N", tr("Number of Periods(N):"), {14, 8, 129, 25});
  Ed_N = makeValueField(page, "Ed_N", {145, 9, 186, 18});
  Ed_N->showPlaceholder();
  sb_i = makeButton(page, "sb_i", tr("Annual Interest(I%YR):"), {14, 36, 129, 25});
  ed_I = makeValueField(page, "ed_I", {145, 37, 186, 18});
  lb_Ipercent = makeLabel(page, tr("%"), 332, 40, "lb_Ipercent");
  sb_PV = makeButton(page, "sb_PV", tr("Present Value(PV):"), {14, 64, 129, 25});
  ed_PV = makeValueField(page, "ed_PV", {145, 65, 186, 18});
  sb_PMT = makeButton(page, "sb_PMT", tr("Payment(PMT):"), {14, 91, 129, 25});
  ed_PMT = makeValueField(page, "ed_PMT", {145, 92, 186, 18});
  sb_FV = makeButton(page, "sb_FV", tr("Future Value(FV):"), {14, 120, 129, 25});
  ed_FV = makeValueField(page, "ed_FV", {145, 121, 186, 18});

  rg_PMTF = new RadioGroup(tr("Payment frequency"), PaymentFrequencyItems(), page);
  rg_PMTF->setObjectName(QStringLiteral("rg_PMTF"));
  rg_PMTF->setGeometry(14, 149, 161, 100);
  rg_PMTF->setItemIndex(0);
  rb_pmtt =
      new RadioGroup(tr("Payment time"), {tr("Beginning of period"), tr("End of period")}, page);
  rb_pmtt->setObjectName(QStringLiteral("rb_pmtt"));
  rb_pmtt->setGeometry(182, 149, 148, 65);
  rb_pmtt->setItemIndex(1);

  sb_Amortization = makeButton(page, "sb_Amortization", tr("&Amortization"), {183, 224, 147, 25});
  sb_clear = makeButton(page, "sb_clear", tr("C&lear"), {256, 254, 75, 25});

  // Each field is labelled by the button that solves it.
  for (auto [field, button] :
       {std::pair{Ed_N, sb_N}, {ed_I, sb_i}, {ed_PV, sb_PV}, {ed_PMT, sb_PMT}, {ed_FV, sb_FV}})
    nameAfterCaption(field, button->text());

  setTabSequence({ed_FV, ed_I, Ed_N, ed_PMT, ed_PV, sb_PV, sb_PMT, sb_N, sb_i, sb_FV, rg_PMTF,
                  rb_pmtt, sb_Amortization, sb_clear});

  ConnectClicks(this, {
                          {sb_N, &Tfrm_ZavuzirEza::sb_NClick},
                          {sb_i, &Tfrm_ZavuzirEza::sb_iClick},
                          {sb_PV, &Tfrm_ZavuzirEza::sb_PVClick},
                          {sb_PMT, &Tfrm_ZavuzirEza::sb_PMTClick},
                          {sb_FV, &Tfrm_ZavuzirEza::sb_FVClick},
                          {sb_clear, &Tfrm_ZavuzirEza::sb_clearClick},
                          {sb_Amortization, &Tfrm_ZavuzirEza::sb_AmortizationClick},
                      });
}

namespace {

// The quantities of the page, as the solvers take them.
struct TvmValues {
  Extended rate = 0;  // periodic rate
  int32_t periods = 0;
  Extended pv = 0;
  Extended pmt = 0;
  Extended fv = 0;
};

enum class TvmInput { Rate, Periods, PresentValue, Payment, FutureValue };

}  // namespace

// One solve button: the fields it reads, in the order it reads them (an error box from one
// field comes before the next field is read), and the solver it calls.
struct Tfrm_ZavuzirEza::TvmSolver {
  TvmInput reads[4];
  Extended (*solve)(const TvmValues& v, PaymentTiming timing);
};

namespace {

constexpr Tfrm_ZavuzirEza::TvmSolver kSolveN{
    {TvmInput::Rate, TvmInput::Payment, TvmInput::PresentValue, TvmInput::FutureValue},
    [](const TvmValues& v, PaymentTiming t) {
      return NumberOfPeriods(v.rate, v.pmt, v.pv, v.fv, t);
    }};
// Gives the periodic rate; the handler writes it as an annual percentage.
constexpr Tfrm_ZavuzirEza::TvmSolver kSolveRate{
    {TvmInput::Payment, TvmInput::PresentValue, TvmInput::FutureValue, TvmInput::Periods},
    [](const TvmValues& v, PaymentTiming t) {
      return InterestRate(v.periods, v.pmt, v.pv, v.fv, t);
    }};
constexpr Tfrm_ZavuzirEza::TvmSolver kSolvePV{
    {TvmInput::Rate, TvmInput::Payment, TvmInput::FutureValue, TvmInput::Periods},
    [](const TvmValues& v, PaymentTiming t) {
      return PresentValue(v.rate, v.periods, v.pmt, v.fv, t);
    }};
constexpr Tfrm_ZavuzirEza::TvmSolver kSolvePMT{
    {TvmInput::Rate, TvmInput::PresentValue, TvmInput::FutureValue, TvmInput::Periods},
    [](const TvmValues& v, PaymentTiming t) { return Payment(v.rate, v.periods, v.pv, v.fv, t); }};
constexpr Tfrm_ZavuzirEza::TvmSolver kSolveFV{
    {TvmInput::Rate, TvmInput::Payment, TvmInput::PresentValue, TvmInput::Periods},
    [](const TvmValues& v, PaymentTiming t) {
      return FutureValue(v.rate, v.periods, v.pmt, v.pv, t);
    }};

}  // namespace

// Reads the fields in the solver's order and solves; any failure between reading the fields
// and showing the result ends in "Arguments Error!" and leaves the target field as it was.
void Tfrm_ZavuzirEza::solveTvm(const TvmSolver& solver, QLineEdit* target, bool givesRate) {
  QString text;
  try {
    TvmValues values;
    for (const TvmInput input : solver.reads) {
      switch (input) {
        case TvmInput::Rate:
          values.rate = PeriodicRate();
          break;
        case TvmInput::Periods:
          values.periods = WholePeriods(EvaluateText(Ed_N->text()));
          break;
        case TvmInput::PresentValue:
          values.pv = EvaluateText(ed_PV->text());
          break;
        case TvmInput::Payment:
          values.pmt = EvaluateText(ed_PMT->text());
          break;
        case TvmInput::FutureValue:
          values.fv = EvaluateText(ed_FV->text());
          break;
      }
    }
    const PaymentTiming timing =
        PaymentAtBeginning() ? PaymentTiming::StartOfPeriod : PaymentTiming::EndOfPeriod;
    const Extended result = solver.solve(values, timing);
    text = FormatValue(givesRate ? AnnualRatePercent(result) : result);
  } catch (...) {
    showErrorBox(this, tr("Arguments Error!"));
    return;
  }
  target->setText(text);
}

void Tfrm_ZavuzirEza::sb_NClick() {
  solveTvm(kSolveN, Ed_N, false);
}

void Tfrm_ZavuzirEza::sb_iClick() {
  solveTvm(kSolveRate, ed_I, true);
}

void Tfrm_ZavuzirEza::sb_PVClick() {
  solveTvm(kSolvePV, ed_PV, false);
}

void Tfrm_ZavuzirEza::sb_PMTClick() {
  solveTvm(kSolvePMT, ed_PMT, false);
}

void Tfrm_ZavuzirEza::sb_FVClick() {
  solveTvm(kSolveFV, ed_FV, false);
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
