#include "forms/Utfrm_LoanOptions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <iterator>

#include "controls/accessible_names.h"
#include "controls/keypad_separator.h"
#include "controls/plain_text.h"
#include "controls/value_field.h"
#include "engine/number_format.h"
#include "engine/time_value.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/connect_clicks.h"
#include "support/error_report.h"
#include "support/regional.h"

namespace quarrant {

namespace {

// The choices in the order of the engine's Compounding and AmountRounding values.
const char* const kCompoundingItems[] = {
    QT_TRANSLATE_NOOP("quarrant::Tfrm_LoanOptions", "Same as payments"),
    QT_TRANSLATE_NOOP("quarrant::Tfrm_LoanOptions", "Annually"),
    QT_TRANSLATE_NOOP("quarrant::Tfrm_LoanOptions", "Semi-annually"),
    QT_TRANSLATE_NOOP("quarrant::Tfrm_LoanOptions", "Quarterly"),
    QT_TRANSLATE_NOOP("quarrant::Tfrm_LoanOptions", "Monthly"),
    QT_TRANSLATE_NOOP("quarrant::Tfrm_LoanOptions", "Daily"),
    QT_TRANSLATE_NOOP("quarrant::Tfrm_LoanOptions", "Continuously"),
};
const char* const kRoundingItems[] = {
    QT_TRANSLATE_NOOP("quarrant::Tfrm_LoanOptions", "Exact"),
    QT_TRANSLATE_NOOP("quarrant::Tfrm_LoanOptions", "Rounded to cents as a lender does"),
};

// Characters an input field takes: far more than any number needs.
constexpr int kMaxInputLength = 255;

QString Amount(Extended value) {
  return QString::fromStdString(FormatScheduleAmount(value, UserDecimalSeparator()));
}

}  // namespace

Tfrm_LoanOptions::Tfrm_LoanOptions(QWidget* parent)
    : QDialog(parent), evaluator_(UserDecimalSeparator()) {
  setObjectName(QStringLiteral("frm_LoanOptions"));
  setWindowTitle(tr("Loan Options"));
  setFont(Tfrm_ZavuzirEza::WindowFont());
  BuildControls();
  ConnectClicks(this, {
                          {sb_ok, &Tfrm_LoanOptions::sb_okClick},
                          {sb_cancel, &Tfrm_LoanOptions::sb_cancelClick},
                          {sb_addlump, &Tfrm_LoanOptions::sb_addlumpClick},
                          {sb_deletelump, &Tfrm_LoanOptions::sb_deletelumpClick},
                      });
}

void Tfrm_LoanOptions::BuildControls() {
  auto edit = [this](const char* name) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setValidator(new PlainTextValidator(field));
    field->setMaxLength(kMaxInputLength);
    typeKeypadDecimalAsSeparator(field);
    return field;
  };
  auto combo = [this](const char* name, const char* const* items, size_t count) {
    auto* choice = new QComboBox(this);
    choice->setObjectName(QString::fromLatin1(name));
    for (size_t i = 0; i < count; ++i) choice->addItem(tr(items[i]));
    return choice;
  };
  auto button = [this](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  auto label = [this](const QString& caption, QWidget* field) {
    auto* l = new QLabel(caption, this);
    labelField(l, field);
    return l;
  };

  cb_compounding = combo("cb_compounding", kCompoundingItems, std::size(kCompoundingItems));
  ed_extra = edit("ed_extra");
  ed_extrafrom = edit("ed_extrafrom");
  cb_rounding = combo("cb_rounding", kRoundingItems, std::size(kRoundingItems));

  auto* lumps = new QGroupBox(tr("One-off payments"), this);
  lumps->setObjectName(QStringLiteral("gb_lumpsums"));
  lv_lumpsums = new QTableWidget(0, 2, lumps);
  lv_lumpsums->setObjectName(QStringLiteral("lv_lumpsums"));
  lv_lumpsums->setHorizontalHeaderLabels({tr("Period"), tr("Amount")});
  lv_lumpsums->verticalHeader()->hide();
  lv_lumpsums->horizontalHeader()->setStretchLastSection(true);
  lv_lumpsums->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lv_lumpsums->setSelectionBehavior(QAbstractItemView::SelectRows);
  lv_lumpsums->setSelectionMode(QAbstractItemView::SingleSelection);
  lv_lumpsums->setTabKeyNavigation(false);
  lv_lumpsums->setMinimumHeight(90);
  nameAfterCaption(lv_lumpsums, lumps->title());
  ed_lumpperiod = edit("ed_lumpperiod");
  ed_lumpamount = edit("ed_lumpamount");
  sb_addlump = button("sb_addlump", tr("&Add"));
  sb_deletelump = button("sb_deletelump", tr("&Delete"));
  auto* entry = new QHBoxLayout;
  entry->addWidget(label(tr("Pe&riod:"), ed_lumpperiod));
  entry->addWidget(ed_lumpperiod);
  entry->addWidget(label(tr("A&mount:"), ed_lumpamount));
  entry->addWidget(ed_lumpamount);
  entry->addWidget(sb_addlump);
  entry->addWidget(sb_deletelump);
  auto* lumpsLayout = new QVBoxLayout(lumps);
  lumpsLayout->addWidget(lv_lumpsums);
  lumpsLayout->addLayout(entry);

  sb_ok = button("sb_ok", tr("OK"));
  sb_ok->setDefault(true);
  sb_cancel = button("sb_cancel", tr("Cancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(sb_ok);
  buttons->addWidget(sb_cancel);

  auto* grid = new QGridLayout;
  grid->addWidget(label(tr("&Compounding:"), cb_compounding), 0, 0);
  grid->addWidget(cb_compounding, 0, 1, 1, 3);
  grid->addWidget(label(tr("&Extra each period:"), ed_extra), 1, 0);
  grid->addWidget(ed_extra, 1, 1);
  grid->addWidget(label(tr("&from period:"), ed_extrafrom), 1, 2);
  grid->addWidget(ed_extrafrom, 1, 3);
  grid->addWidget(label(tr("Amo&unts:"), cb_rounding), 2, 0);
  grid->addWidget(cb_rounding, 2, 1, 1, 3);
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(lumps, 1);
  layout->addLayout(buttons);

  QWidget* order[] = {cb_compounding, ed_extra,      ed_extrafrom,  cb_rounding,
                      lv_lumpsums,    ed_lumpperiod, ed_lumpamount, sb_addlump,
                      sb_deletelump,  sb_ok,         sb_cancel};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void Tfrm_LoanOptions::SetOptions(const LoanOptions& options, int32_t periods) {
  options_ = options;
  periods_ = periods;
  const char separator = UserDecimalSeparator();
  cb_compounding->setCurrentIndex(static_cast<int>(options.compounding));
  ed_extra->setText(QString::fromStdString(FormatGeneralPlain(options.extraEachPeriod, separator)));
  ed_extrafrom->setText(QString::number(options.extraFromPeriod));
  cb_rounding->setCurrentIndex(static_cast<int>(options.rounding));
  lumpSums_ = options.lumpSums;
  ShowLumpSums();
}

QStringList Tfrm_LoanOptions::Summary(const LoanOptions& options) {
  QStringList parts;
  if (options.compounding != Compounding::SameAsPayments)
    parts << tr("Compounding: %1")
                 .arg(tr(kCompoundingItems[static_cast<size_t>(options.compounding)]));
  if (options.rounding == AmountRounding::Cents) parts << tr("Rounded to cents");
  if (options.extraEachPeriod != 0)
    parts << tr("Extra %1 each period from period %2")
                 .arg(Amount(options.extraEachPeriod))
                 .arg(options.extraFromPeriod);
  const auto lumps = std::count_if(options.lumpSums.begin(), options.lumpSums.end(),
                                   [](const LumpSum& lump) { return lump.Amount != 0; });
  if (lumps > 0) parts << tr("%n one-off payment(s)", nullptr, static_cast<int>(lumps));
  return parts;
}

// ---- Reading what was entered ----

Extended Tfrm_LoanOptions::ReadField(const QLineEdit* field) {
  evaluator_.Expression = ValueField::expressionOf(field->text()).toStdString();
  return evaluator_.Evaluate();
}

int32_t Tfrm_LoanOptions::ReadPeriod(const QLineEdit* field) {
  return WholePeriods(ReadField(field));
}

bool Tfrm_LoanOptions::Refuse(QWidget* field, const QString& message) {
  QMessageBox box(QMessageBox::Critical, tr("Error"), message, QMessageBox::Ok, this);
  box.exec();
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
  return false;
}

bool Tfrm_LoanOptions::ReadExtras(LoanOptions& options) {
  QLineEdit* reading = ed_extra;
  try {
    options.extraEachPeriod = ReadField(ed_extra);
    reading = ed_extrafrom;
    options.extraFromPeriod = options.extraEachPeriod != 0 ? ReadPeriod(ed_extrafrom) : 1;
  } catch (const std::exception& error) {
    return Refuse(reading, WithFullStop(QString::fromUtf8(error.what())));
  }
  if (!(options.extraEachPeriod >= 0))
    return Refuse(ed_extra, tr("The extra payment each period cannot be negative."));
  if (options.extraFromPeriod < 1 || options.extraFromPeriod > periods_)
    return Refuse(ed_extrafrom,
                  tr("The extra payments must start in a period from 1 to %1.").arg(periods_));
  return true;
}

bool Tfrm_LoanOptions::CheckLumpSums(const LoanOptions& options) {
  for (const LumpSum& lump : options.lumpSums)
    if (lump.Period > periods_)
      return Refuse(lv_lumpsums, tr("The one-off payment of period %1 lies after the last "
                                    "period, %2: delete it or change its period.")
                                     .arg(lump.Period)
                                     .arg(periods_));
  return true;
}

// ---- Buttons ----

void Tfrm_LoanOptions::sb_okClick() {
  LoanOptions options;
  options.compounding = static_cast<Compounding>(qMax(cb_compounding->currentIndex(), 0));
  options.rounding = static_cast<AmountRounding>(qMax(cb_rounding->currentIndex(), 0));
  options.lumpSums = lumpSums_;
  if (!ReadExtras(options) || !CheckLumpSums(options)) return;
  options_ = options;
  accept();
}

void Tfrm_LoanOptions::sb_cancelClick() {
  reject();
}

void Tfrm_LoanOptions::sb_addlumpClick() {
  LumpSum lump;
  QLineEdit* reading = ed_lumpperiod;
  try {
    lump.Period = ReadPeriod(ed_lumpperiod);
    reading = ed_lumpamount;
    lump.Amount = ReadField(ed_lumpamount);
  } catch (const std::exception& error) {
    Refuse(reading, WithFullStop(QString::fromUtf8(error.what())));
    return;
  }
  if (lump.Period < 1 || lump.Period > periods_) {
    Refuse(ed_lumpperiod,
           tr("A one-off payment must fall in a period from 1 to %1.").arg(periods_));
    return;
  }
  if (!(lump.Amount > 0)) {
    Refuse(ed_lumpamount, tr("A one-off payment must be greater than 0."));
    return;
  }
  // One payment per period: a new amount for a period listed replaces the old one.
  const auto at =
      std::lower_bound(lumpSums_.begin(), lumpSums_.end(), lump.Period,
                       [](const LumpSum& a, int32_t period) { return a.Period < period; });
  if (at != lumpSums_.end() && at->Period == lump.Period)
    at->Amount = lump.Amount;
  else
    lumpSums_.insert(at, lump);
  ShowLumpSums();
  ed_lumpperiod->clear();
  ed_lumpamount->clear();
  ed_lumpperiod->setFocus(Qt::OtherFocusReason);
}

void Tfrm_LoanOptions::sb_deletelumpClick() {
  const int row = lv_lumpsums->currentRow();
  if (row < 0 || row >= static_cast<int>(lumpSums_.size())) return;
  lumpSums_.erase(lumpSums_.begin() + row);
  ShowLumpSums();
  if (!lumpSums_.empty()) lv_lumpsums->selectRow(std::min(row, lv_lumpsums->rowCount() - 1));
}

void Tfrm_LoanOptions::ShowLumpSums() {
  lv_lumpsums->setRowCount(static_cast<int>(lumpSums_.size()));
  for (int row = 0; row < lv_lumpsums->rowCount(); ++row) {
    const LumpSum& lump = lumpSums_[static_cast<size_t>(row)];
    auto* period = new QTableWidgetItem(QString::number(lump.Period));
    period->setTextAlignment(Qt::AlignCenter);
    auto* amount = new QTableWidgetItem(Amount(lump.Amount));
    amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lv_lumpsums->setItem(row, 0, period);
    lv_lumpsums->setItem(row, 1, amount);
  }
}

}  // namespace quarrant
