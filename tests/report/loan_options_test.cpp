// The amortization window's loan options and range totals, as a user goes through them: the
// status line's wording for a range, one row and no selection, options refused and then
// accepted, the report header naming them, Cancel changing nothing, and the defaults giving the
// plain report again.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "controls/elided_label.h"
#include "forms/Utfrm_LoanOptions.h"
#include "report/export_filters.h"
#include "report_test_support.h"

namespace quarrant::test {
namespace {

void SelectRows(Tfrm_Amortization& window, int first, int last) {
  auto* list = Child<QTableView>(window, "lv_as");
  const QItemSelection rows(window.model()->index(first, 0), window.model()->index(last, 5));
  list->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

QString SelectionLine(const Tfrm_Amortization& window) {
  return Child<ElidedLabel>(window, "lb_selection")->fullText();
}

// Sets the options in the window that Ctrl+L's button opens, pressing OK once per entry of
// extras: each is typed in turn; the window must stay open after a refused one.
void SetOptions(Tfrm_Amortization& window, int compounding, const QStringList& extras, int rounding,
                bool ok = true) {
  OnModal<Tfrm_LoanOptions>([=](Tfrm_LoanOptions* dialog) {
    Child<QComboBox>(*dialog, "cb_compounding")->setCurrentIndex(compounding);
    Child<QComboBox>(*dialog, "cb_rounding")->setCurrentIndex(rounding);
    for (const QString& extra : extras) {
      Child<QLineEdit>(*dialog, "ed_extra")->setText(extra);
      Child<QPushButton>(*dialog, ok ? "sb_ok" : "sb_cancel")->click();
    }
  });
  Child<QToolButton>(window, "sb_options")->click();
}

TEST(LoanOptionsJourney, TotalsOptionsAndReport) {
  Tfrm_report report;
  MessageCatcher catcher;

  // Totals of the second year, of one row and of the whole schedule.
  Tfrm_Amortization window;
  window.setReportForm(&report);
  window.show();  // binds the report to the window
  Inputs loan;
  loan.nper = QStringLiteral("360");
  loan.rate = QStringLiteral("7");
  loan.pv = QStringLiteral("150000");
  Calculate(window, loan);
  SelectRows(window, 12, 23);
  EXPECT_EQ(SelectionLine(window), QStringLiteral("Periods 13-24: principal -1633.86, interest "
                                                  "-10341.58, payments -11975.44"));
  SelectRows(window, 0, 0);
  EXPECT_EQ(SelectionLine(window),
            QStringLiteral("Period 1: principal -122.95, interest -875.00, payments -997.95"));
  Child<QTableView>(window, "lv_as")->clearSelection();
  EXPECT_TRUE(
      SelectionLine(window).startsWith(QStringLiteral("Periods 1-360: principal -150000.00")));
  EXPECT_TRUE(Child<ElidedLabel>(window, "lb_options")->fullText().isEmpty());

  // A negative extra is refused and the window stays open; 100 from period 1 is taken, with
  // semi-annual compounding and cents.
  SetOptions(window, 2, {QStringLiteral("-5"), QStringLiteral("100")}, 1);
  ASSERT_EQ(catcher.texts().size(), 1);
  EXPECT_EQ(catcher.texts().front(),
            QStringLiteral("The extra payment each period cannot be negative."));
  EXPECT_EQ(window.loanOptions().compounding, Compounding::SemiAnnually);
  EXPECT_EQ(window.loanOptions().extraEachPeriod, 100);
  EXPECT_LT(window.model()->rowCount(), 360);
  const QString summary = Child<ElidedLabel>(window, "lb_options")->fullText();
  EXPECT_EQ(summary, QStringLiteral("Compounding: Semi-annually; Rounded to cents; Extra 100.00 "
                                    "each period from period 1"));

  // The report lists the options under its header, and the rows the list shows.
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("loan.csv"));
  ASSERT_TRUE(CsvExportFilter(file).exportReport(*report.rep_schedule, &window));
  const std::vector<QStringList> records = ParseCsv(ReadText(file));
  ASSERT_GT(records.size(), 5u);
  EXPECT_EQ(records[4],
            QStringList({"Loan Options:", "Compounding: Semi-annually; Rounded to cents"}));
  EXPECT_EQ(records[5], QStringList({"Extra 100.00 each period from period 1"}));
  EXPECT_EQ(records.back().front(), QString::number(window.model()->rowCount()));

  // Cancel keeps what was in effect; the defaults again give the plain schedule and report.
  SetOptions(window, 6, {QStringLiteral("5")}, 0, false);
  EXPECT_EQ(window.loanOptions().compounding, Compounding::SemiAnnually);
  SetOptions(window, 0, {QStringLiteral("0")}, 0);
  EXPECT_EQ(window.model()->rowCount(), 360);
  EXPECT_TRUE(Child<ElidedLabel>(window, "lb_options")->fullText().isEmpty());
  ASSERT_TRUE(CsvExportFilter(file).exportReport(*report.rep_schedule, &window));
  const std::vector<QStringList> plain = ParseCsv(ReadText(file));
  ASSERT_EQ(plain.size(), 4u + 1u + 360u);  // title and header values, column headers, rows
  EXPECT_EQ(plain[4].front(), QStringLiteral("Period"));
}

}  // namespace
}  // namespace quarrant::test
