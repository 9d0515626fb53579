// The amortization window's loan options, range totals and balloon, as a user goes through
// them: the balloon handed over from the main window, totals of a selected year, options
// refused and then accepted, the report header naming them, and Cancel changing nothing.
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

#include "engine/number_format.h"
#include "forms/Utfrm_LoanOptions.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "report/export_filters.h"
#include "report_test_support.h"

namespace quarrant::testing {
namespace {

QString Written(Extended value) {
  return QString::fromStdString(FormatScheduleAmount(value));
}

void SelectRows(Tfrm_Amortization& window, int first, int last) {
  auto* list = Child<QTableView>(window, "lv_as");
  const QItemSelection rows(window.model()->index(first, 0), window.model()->index(last, 5));
  list->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

QString SelectionLine(const Tfrm_Amortization& window) {
  return Child<QLabel>(window, "lb_selection")->text();
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

TEST(LoanOptionsJourney, BalloonTotalsOptionsAndReport) {
  Tfrm_report report;
  MessageCatcher catcher;

  // The balloon loan of the main page reaches the schedule with its future value.
  Tfrm_ZavuzirEza main;
  Child<QLineEdit>(main, "ed_I")->setText(QStringLiteral("6"));
  Child<QLineEdit>(main, "Ed_N")->setText(QStringLiteral("360"));
  Child<QLineEdit>(main, "ed_PV")->setText(QStringLiteral("100000"));
  Child<QLineEdit>(main, "ed_FV")->setText(QStringLiteral("-20000"));
  std::vector<QStringList> balloon;
  OnModal<Tfrm_Amortization>([&](Tfrm_Amortization* window) {
    EXPECT_EQ(Child<QLineEdit>(*window, "se_fv")->text(), QStringLiteral("-20000"));
    balloon = ListRows(*window);
    for (int k = 0; k < window->model()->rowCount(); ++k) {
      const ScheduleRow row = window->model()->row(k);
      ASSERT_EQ(Written(row.Principal + row.Interest), QStringLiteral("-579.64")) << k;
    }
    window->close();
  });
  Child<QPushButton>(main, "sb_Amortization")->click();
  ASSERT_EQ(balloon.size(), 360u);
  EXPECT_EQ(balloon.back(),
            QStringList({"360", "-477.25", "-102.39", "-80000.00", "-128670.55", "20000.00"}));

  // Totals of the second year, of one row and of the whole schedule.
  Tfrm_Amortization window;
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
  EXPECT_TRUE(Child<QLabel>(window, "lb_options")->text().isEmpty());

  // A negative extra is refused and the window stays open; 100 from period 1 is taken, with
  // semi-annual compounding and cents.
  SetOptions(window, 2, {QStringLiteral("-5"), QStringLiteral("100")}, 1);
  ASSERT_EQ(catcher.texts().size(), 1);
  EXPECT_EQ(catcher.texts().front(),
            QStringLiteral("The extra payment each period cannot be negative."));
  EXPECT_EQ(window.loanOptions().compounding, Compounding::SemiAnnually);
  EXPECT_EQ(window.loanOptions().extraEachPeriod, 100);
  EXPECT_LT(window.model()->rowCount(), 360);
  const QString summary = Child<QLabel>(window, "lb_options")->toolTip();
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
  EXPECT_TRUE(Child<QLabel>(window, "lb_options")->text().isEmpty());
  ASSERT_TRUE(CsvExportFilter(file).exportReport(*report.rep_schedule, &window));
  const std::vector<QStringList> plain = ParseCsv(ReadText(file));
  ASSERT_EQ(plain.size(), 4u + 1u + 360u);  // title and header values, column headers, rows
  EXPECT_EQ(plain[4].front(), QStringLiteral("Period"));
}

}  // namespace
}  // namespace quarrant::testing
