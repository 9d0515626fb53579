// Cash flow page: a list of cash-flow groups (an amount repeated a number of times) and its
// internal rate of return, net present value and net future value at a discount rate.
// The list rows hold texts, read again by every Calculate; a row that does not read as a
// number ends Calculate before any result changes and goes to the program-wide error report.
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <cstdint>
#include <exception>
#include <stdexcept>
#include <vector>

#include "controls/accessible_names.h"
#include "controls/numeric_edit.h"
#include "controls/spin_edit.h"
#include "controls/table_copy.h"
#include "engine/UtFunctionImp.h"
#include "engine/cash_flow.h"
#include "engine/checked_math.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/connect_clicks.h"
#include "forms/page_labels.h"
#include "forms/page_models.h"
#include "support/error_report.h"
#include "support/regional.h"

namespace quarrant {

namespace {

// A list text that does not read as the number it should hold.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

double AmountOf(const QString& text) {
  if (const std::optional<double> amount = parseDecimal(text, UserDecimalSeparator()))
    return *amount;
  throw EConvertError(
      QStringLiteral("'%1' is not a valid floating point value").arg(text).toStdString());
}

int CountOf(const QString& text) {
  if (const std::optional<int> count = parseWholeNumber(text)) return *count;
  throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
}

CashFlowListModel* GroupsOf(QTableView* view) {
  return static_cast<CashFlowListModel*>(view->model());
}

// The selected row, or -1.
int SelectedRow(QTableView* view) {
  const QModelIndexList rows = view->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

// Writes a measure, or "Can not calculate" when computing it fails in any way.
template <class Measure>
void ShowMeasure(const Tfrm_ZavuzirEza& window, QLineEdit* box, Measure&& measure) {
  QString text;
  try {
    text = window.FormatValue(measure());
  } catch (const std::exception&) {
    text = Tfrm_ZavuzirEza::tr("Can not calculate");
  }
  box->setText(text);
}

}  // namespace

namespace {

// A numeric edit of four decimals that steps by 1 and starts at 0.
NumericEdit* MakeFourDecimalEdit(QWidget* page, const char* name, const QRect& bounds) {
  auto* edit = new NumericEdit(page);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setDecimals(4);
  edit->setStep(1);
  edit->setGeometry(bounds);
  edit->setText(QStringLiteral("0"));
  return edit;
}

}  // namespace

void Tfrm_ZavuzirEza::BuildCashFlowPage(QWidget* page) {
  se_diarate = MakeFourDecimalEdit(page, "se_diarate", {112, 8, 161, 18});
  labelField(KeepLabelBefore(MakeLabel(page, tr("Discount Rate(%):"), 23, 10), se_diarate),
             se_diarate);

  sb_Insert = MakeButton(page, "sb_Insert", tr("Insert"), {24, 32, 75, 25});
  sb_Replace = MakeButton(page, "sb_Replace", tr("Replace"), {104, 32, 75, 25});
  sb_Delete = MakeButton(page, "sb_Delete", tr("Delete"), {184, 32, 75, 25});
  sb_clearcashf = MakeButton(page, "sb_clearcashf", tr("C&lear"), {263, 32, 75, 25});

  se_amount = MakeFourDecimalEdit(page, "se_amount", {56, 61, 161, 18});
  labelField(KeepLabelBefore(MakeLabel(page, tr("Amount:"), 14, 63), se_amount), se_amount);

  QLabel* timesLabel = MakeLabel(page, tr("Times:"), 222, 63);
  se_Times = new SpinEdit(page);
  se_Times->setObjectName(QStringLiteral("se_Times"));
  se_Times->setRange(1, 1000);
  se_Times->setSingleStep(1);
  se_Times->setValue(1);
  se_Times->setGeometry(256, 61, 81, 20);
  labelField(KeepLabelBefore(timesLabel, se_Times), se_Times);

  pn_cashfllow = new QFrame(page);
  pn_cashfllow->setObjectName(QStringLiteral("pn_cashfllow"));
  pn_cashfllow->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  pn_cashfllow->setGeometry(6, 83, 337, 105);
  auto* layout = new QVBoxLayout(pn_cashfllow);
  layout->setContentsMargins(0, 0, 0, 0);
  lv_cashfllow = new QTableView(pn_cashfllow);
  lv_cashfllow->setObjectName(QStringLiteral("lv_cashfllow"));
  layout->addWidget(lv_cashfllow);
  SetUpReportView(lv_cashfllow, new CashFlowListModel(lv_cashfllow), {80, 140, 100});
  enableRowCopy(lv_cashfllow);
  nameAfterCaption(lv_cashfllow, tr("Cash Flow"));

  sb_calculate = MakeButton(page, "sb_calculate", tr("Calculate"), {16, 191, 75, 25});
  // Two pixels lower than its neighbours' offset: the Calculate button above ends at 215.
  QLabel* irrLabel = MakeLabel(page, tr("Internal Rate of Return (IRR%): "), 16, 216);
  se_irr = MakeEdit(page, "se_irr", {168, 213, 145, 18}, false);
  QLabel* npvLabel = MakeLabel(page, tr("Net Present Value (NPV) :"), 40, 238);
  se_npv = MakeEdit(page, "se_npv", {168, 237, 145, 18}, false);
  QLabel* nfvLabel = MakeLabel(page, tr("Net Future Value (NFV):"), 50, 262);
  se_nfv = MakeEdit(page, "se_nfv", {168, 261, 145, 18}, false);
  for (QLabel* label : {irrLabel, npvLabel, nfvLabel}) KeepLabelBefore(label, se_irr);
  labelField(irrLabel, se_irr);
  labelField(npvLabel, se_npv);
  labelField(nfvLabel, se_nfv);

  SetTabOrder({sb_Insert, sb_Replace, sb_Delete, se_amount, se_Times, se_irr, se_npv, se_nfv,
               sb_calculate, se_diarate, lv_cashfllow, sb_clearcashf});

  ConnectClicks(this, {
                          {sb_Insert, &Tfrm_ZavuzirEza::sb_InsertClick},
                          {sb_Replace, &Tfrm_ZavuzirEza::sb_ReplaceClick},
                          {sb_Delete, &Tfrm_ZavuzirEza::sb_DeleteClick},
                          {sb_clearcashf, &Tfrm_ZavuzirEza::sb_clearcashfClick},
                          {sb_calculate, &Tfrm_ZavuzirEza::sb_calculateClick},
                      });
  connect(lv_cashfllow, &QTableView::clicked, this,
          [this] { Guarded([this] { lv_cashfllowClick(); }); });
  // Return or Space on the current row loads it as a click does.
  auto* load = new QShortcut(lv_cashfllow);
  load->setKeys(
      {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Space)});
  load->setContext(Qt::WidgetShortcut);
  connect(load, &QShortcut::activated, this, [this] {
    if (const QModelIndex current = lv_cashfllow->currentIndex(); current.isValid())
      lv_cashfllow->selectRow(current.row());
    Guarded([this] { lv_cashfllowClick(); });
  });
}

namespace {

// The amount field with the focus and its whole text selected, so that typing replaces it.
void FocusAmount(NumericEdit* amount) {
  amount->setFocus();
  amount->selectAll();
}

// After a group is written: a fresh amount of 0 and a count of 1, ready for the next one.
void ResetEntryFields(NumericEdit* amount, SpinEdit* times) {
  amount->setValue(0);
  times->setValue(1);
  FocusAmount(amount);
}

}  // namespace

void Tfrm_ZavuzirEza::sb_InsertClick() {
  // Always appended at the end, whatever is selected.
  GroupsOf(lv_cashfllow)->append(se_amount->text(), se_Times->text());
  ResetEntryFields(se_amount, se_Times);
}

void Tfrm_ZavuzirEza::sb_ReplaceClick() {
  const int row = SelectedRow(lv_cashfllow);
  if (row < 0) return;
  GroupsOf(lv_cashfllow)->replace(row, se_amount->text(), se_Times->text());
  ResetEntryFields(se_amount, se_Times);
}

void Tfrm_ZavuzirEza::sb_DeleteClick() {
  const int row = SelectedRow(lv_cashfllow);
  if (row < 0) return;
  CashFlowListModel* groups = GroupsOf(lv_cashfllow);
  groups->remove(row);
  groups->renumberAll();  // groups are always numbered 1 to n
  // The view would move the selection on to the next row; a second Delete or a Replace must
  // not act on a row the user never picked.
  lv_cashfllow->selectionModel()->clear();
}

void Tfrm_ZavuzirEza::lv_cashfllowClick() {
  const int row = SelectedRow(lv_cashfllow);
  if (row < 0) return;
  CashFlowListModel* groups = GroupsOf(lv_cashfllow);
  groups->renumber(row);
  const CashFlowListModel::Group& group = groups->groups()[static_cast<std::size_t>(row)];
  se_amount->setValue(AmountOf(group.amount));
  se_Times->setValue(CountOf(group.count));
  FocusAmount(se_amount);
}

void Tfrm_ZavuzirEza::sb_clearcashfClick() {
  GroupsOf(lv_cashfllow)->clear();
}

void Tfrm_ZavuzirEza::sb_calculateClick() {
  const Extended rate = static_cast<Extended>(se_diarate->value()) / 100.0L;
  const std::vector<CashFlowListModel::Group>& groups = GroupsOf(lv_cashfllow)->groups();

  // Every row is read before any result box changes.
  int64_t total = 0;
  for (const CashFlowListModel::Group& group : groups) total += CountOf(group.count);
  if (total <= 0) return;  // an empty list: nothing changes

  std::vector<double> flows;
  flows.reserve(static_cast<std::size_t>(total));
  for (const CashFlowListModel::Group& group : groups) {
    const double amount = AmountOf(group.amount);
    const int count = CountOf(group.count);
    if (count > 0) flows.insert(flows.end(), static_cast<std::size_t>(count), amount);
  }
  const std::span<const double> series(flows);

  // Three independent measures: one failing does not keep the others from being shown.
  // The search answers -1 for flows without an outflow or without an inflow: no rate balances
  // those, so there is no rate to show.
  ShowMeasure(*this, se_irr, [&] {
    const Extended irr = InternalRateOfReturn(0.0L, series);
    if (irr == -1.0L) throw std::domain_error("no rate of return");
    return checked::Mul(irr, 100.0L);
  });
  ShowMeasure(*this, se_npv,
              [&] { return NetPresentValue(rate, series, PaymentTiming::StartOfPeriod); });
  ShowMeasure(*this, se_nfv,
              [&] { return NetFutureValue(rate, series, PaymentTiming::EndOfPeriod); });
}

}  // namespace quarrant
