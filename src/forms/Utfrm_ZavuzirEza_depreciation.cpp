// Depreciation page: a year-by-year table of an asset's depreciation by straight-line,
// sum-of-the-years' digits or declining balance. Errors of the depreciation functions are not
// caught here: they end the handler (rows already made stay) and reach the program-wide
// error report.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <cmath>
#include <utility>

#include "controls/accessible_names.h"
#include "controls/value_field.h"
#include "engine/depreciation.h"
#include "engine/number_format.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/connect_clicks.h"
#include "forms/page_labels.h"
#include "forms/page_models.h"
#include "forms/window_parts.h"
#include "support/error_report.h"
#include "support/regional.h"

namespace quarrant {

namespace {

DepreciationTableModel* tableOf(QTableView* view) {
  return static_cast<DepreciationTableModel*>(view->model());
}

}  // namespace

void Tfrm_ZavuzirEza::buildDepreciationPage(QWidget* page) {
  QLabel* costLabel = makeLabel(page, tr("Cost basis:"), 47, 9);
  ed_cb = makeValueField(page, "ed_cb", {103, 7, 186, 18});
  QLabel* salvageLabel = makeLabel(page, tr("Salvage value:"), 27, 34);
  ed_sv = makeValueField(page, "ed_sv", {103, 31, 186, 18});
  QLabel* lifeLabel = makeLabel(page, tr("Expected life:"), 34, 59);
  ed_el = makeValueField(page, "ed_el", {103, 55, 186, 18});
  QLabel* factorLabel = makeLabel(page, tr("Factor:"), 65, 83);
  ed_fact = makeValueField(page, "ed_fact", {103, 79, 186, 18});
  for (QLabel* label : {costLabel, salvageLabel, lifeLabel, factorLabel})
    keepLabelBefore(label, ed_cb);
  QLabel* methodLabel = keepLabelBefore(makeLabel(page, tr("Method:"), 59, 106), ed_cb);

  cb_method = new QComboBox(page);
  cb_method->setObjectName(QStringLiteral("cb_method"));
  cb_method->setEditable(false);
  cb_method->addItems(
      {tr("Straight-line"), tr("Sum-of-the-year's digits"), tr("Declining balance")});
  cb_method->setCurrentIndex(0);
  cb_method->setGeometry(103, 104, 130, 20);
  for (auto [label, field] : {std::pair<QLabel*, QWidget*>{costLabel, ed_cb},
                              {salvageLabel, ed_sv},
                              {lifeLabel, ed_el},
                              {factorLabel, ed_fact},
                              {methodLabel, cb_method}})
    labelField(label, field);

  sb_calc = makeButton(page, "sb_calc", tr("Calculate"), {240, 104, 88, 20});
  sb_cleard = makeButton(page, "sb_cleard", tr("C&lear"), {256, 254, 75, 25});

  const ListPanel panel =
      makeListPanel(page, "pn_pery", "lv_pery", new DepreciationTableModel(page),
                    {40, 100, 100, 100}, tr("Depreciation"));
  pn_pery = panel.frame;
  lv_pery = panel.list;
  pn_pery->setGeometry(6, 128, 337, 124);

  setTabSequence({ed_cb, ed_sv, ed_el, ed_fact, cb_method, sb_calc, sb_cleard, lv_pery});

  ConnectClicks(this, {
                          {sb_calc, &Tfrm_ZavuzirEza::sb_calcClick},
                          {sb_cleard, &Tfrm_ZavuzirEza::sb_cleardClick},
                      });
}

void Tfrm_ZavuzirEza::sb_calcClick() {
  // All four fields are read, in this order, whatever the method, so that a faulty expression
  // in any of them is reported.
  const Extended cost = EvaluateText(ed_cb->text());
  const Extended salvage = EvaluateText(ed_sv->text());
  const Extended lifeRead = EvaluateText(ed_el->text());
  const Extended factor = EvaluateText(ed_fact->text());
  const Extended lifeWhole = std::trunc(lifeRead);  // 4.9 gives 4, -2.5 gives -2
  const DepreciationMethod method = DepreciationMethodOf(cb_method->currentIndex());

  DepreciationTableModel* table = tableOf(lv_pery);
  table->clear();
  if (!(lifeWhole >= 1)) return;  // a life of 0 or less: an empty table, no message
  if (lifeWhole > kMaxDepreciationYears) {
    showErrorBox(this,
                 tr("The expected life is too long to list: the table holds at most %1 years.")
                     .arg(kMaxDepreciationYears));
    return;
  }
  const auto life = static_cast<int32_t>(lifeWhole);

  // The rows keep the format the selector gives now; changing it later reformats nothing.
  const int selector = qMax(cb_digits->currentIndex(), 0);
  const char separator = UserDecimalSeparator();
  table->start(cost, [selector, separator](Extended value) {
    return QString::fromStdString(FormatForSelector(value, selector, separator));
  });
  table->reserve(static_cast<std::size_t>(life));

  // Rows made before an error stay in the table.
  const PublishWhenDone publish(table);
  DepreciationTable(method, cost, salvage, life, factor, [table](const DepreciationRow& row) {
    table->append(row.Depreciation, row.Total);
  });
}

void Tfrm_ZavuzirEza::sb_cleardClick() {
  tableOf(lv_pery)->clear();
  ed_cb->setText(QString());
  ed_sv->setText(QString());
}

}  // namespace quarrant
