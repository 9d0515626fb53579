// The amortization window: opening from the main window, recalculating, and the errors that
// reach the program-wide report.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "controls/radio_group.h"
#include "engine/cmpEvaluator.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "report_test_support.h"
#include "support/find_child.h"
#include "support/print_case.h"

namespace quarrant::testing {
namespace {

QStringList Row(std::initializer_list<const char*> texts) {
  QStringList row;
  for (const char* text : texts) row.append(QString::fromLatin1(text));
  return row;
}

// The message the window's evaluator gives for a text, as the error report shows it.
QString EvaluatorMessage(const std::string& text) {
  TExpressionEvaluator evaluator;
  evaluator.Expression = text;
  try {
    evaluator.Evaluate();
  } catch (const std::exception& error) {
    return QString::fromUtf8(error.what()) + QLatin1Char('.');
  }
  return QString();
}

// ---- Opening from the main window --------------------------------------------------------

using ::quarrant::test_support::PrintTo;

struct OpeningCase {
  const char* name;
  const char* edN;
  const char* edI;
  const char* edPV;
  int paymentTime;       // rb_pmtt
  int paymentFrequency;  // rg_PMTF
  const char* seNPer;
  const char* seI;
  const char* sePV;
  int rows;
  QStringList firstRow;  // empty: not checked
};

class OpeningTest : public ::testing::TestWithParam<OpeningCase> {};

struct OpenedState {
  bool shown = false;
  QString nper, rate, pv, fv;
  int paymentTime = -1, paymentFrequency = -1;
  std::vector<QStringList> rows;
  QPoint centre;
  QPointer<Tfrm_Amortization> window;
};

OpenedState OpenFromMainWindow(Tfrm_ZavuzirEza& main, MessageCatcher& catcher) {
  OpenedState state;
  OnModal<Tfrm_Amortization>([&state](Tfrm_Amortization* window) {
    state.shown = true;
    state.window = window;
    state.nper = Child<QLineEdit>(*window, "se_NPer")->text();
    state.rate = Child<QLineEdit>(*window, "se_i")->text();
    state.pv = Child<QLineEdit>(*window, "se_pv")->text();
    state.fv = Child<QLineEdit>(*window, "se_fv")->text();
    state.paymentTime = Child<QComboBox>(*window, "cb_pt")->currentIndex();
    state.paymentFrequency = Child<QComboBox>(*window, "cb_pmtf")->currentIndex();
    state.rows = ListRows(*window);
    state.centre = window->frameGeometry().center();
    Child<QToolButton>(*window, "sb_close")->click();
  });
  Child<QPushButton>(main, "sb_Amortization")->click();
  // A window that was never shown leaves the waiting timer behind; let it see no window.
  QApplication::processEvents();
  (void)catcher;
  return state;
}

TEST_P(OpeningTest, HandsOverThePageValues) {
  const OpeningCase& c = GetParam();
  Tfrm_report report;
  Tfrm_ZavuzirEza main;
  main.show();
  Child<QLineEdit>(main, "Ed_N")->setText(QString::fromLatin1(c.edN));
  Child<QLineEdit>(main, "ed_I")->setText(QString::fromLatin1(c.edI));
  Child<QLineEdit>(main, "ed_PV")->setText(QString::fromLatin1(c.edPV));
  Child<QLineEdit>(main, "ed_FV")->clear();  // a blank future value reads 0
  Child<RadioGroup>(main, "rb_pmtt")->setItemIndex(c.paymentTime);
  Child<RadioGroup>(main, "rg_PMTF")->setItemIndex(c.paymentFrequency);
  MessageCatcher catcher;
  const OpenedState state = OpenFromMainWindow(main, catcher);

  ASSERT_TRUE(state.shown);
  EXPECT_TRUE(catcher.texts().isEmpty())
      << catcher.texts().join(QStringLiteral(" | ")).toStdString();
  EXPECT_EQ(state.nper, QString::fromLatin1(c.seNPer));
  EXPECT_EQ(state.rate, QString::fromLatin1(c.seI));
  EXPECT_EQ(state.pv, QString::fromLatin1(c.sePV));
  EXPECT_EQ(state.fv, QStringLiteral("0"));
  EXPECT_EQ(state.paymentTime, c.paymentTime == 0 ? 0 : 1);
  EXPECT_EQ(state.paymentFrequency, c.paymentFrequency);
  ASSERT_EQ(static_cast<int>(state.rows.size()), c.rows);
  if (!c.firstRow.isEmpty()) EXPECT_EQ(state.rows.front(), c.firstRow);
  // Centred over the main window, and destroyed once closed.
  EXPECT_LE((state.centre - main.frameGeometry().center()).manhattanLength(), 4);
  EXPECT_TRUE(state.window.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, OpeningTest,
    ::testing::Values(
        OpeningCase{"MonthlyEnd", "12", "12", "1000", 1, 0, "12", "12", "1000", 12,
                    Row({"1", "-78.85", "-10.00", "-78.85", "-10.00", "921.15"})},
        OpeningCase{"FractionTruncated", "12.9", "12", "1000", 1, 0, "12", "12", "1000", 12, {}},
        OpeningCase{"Beginning", "12", "12", "1000", 0, 0, "12", "12", "1000", 12,
                    Row({"1", "-87.97", "0.00", "-87.97", "0.00", "912.03"})},
        OpeningCase{"Quarterly", "4", "12", "1000", 1, 1, "4", "12", "1000", 4,
                    Row({"1", "-239.03", "-30.00", "-239.03", "-30.00", "760.97"})},
        OpeningCase{"ExpressionsEvaluated", "30*12", "3*2", "10^5", 1, 0, "360", "6", "100000", 360,
                    Row({"1", "-99.55", "-500.00", "-99.55", "-500.00", "99900.45"})},
        OpeningCase{
            "HugePresentValueReadsBack", "1", "0", "10^15", 1, 3, "1", "0", "1000000000000000", 1,
            Row({"1", "-1000000000000000.00", "0.00", "-1000000000000000.00", "0.00", "0.00"})},
        OpeningCase{
            "TinyRateReadsBack", "2", "5/100000", "1000", 1, 3, "2", "0.00005", "1000", 2, {}},
        OpeningCase{"PlaceholderReadsZero",
                    "Can enter expression(Such as: 2*12)",
                    "12",
                    "1000",
                    1,
                    0,
                    "0",
                    "12",
                    "1000",
                    0,
                    {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailedOpeningCase {
  const char* name;
  const char* edN;
  const char* edI;
  const char* message;
};

class FailedOpeningTest : public ::testing::TestWithParam<FailedOpeningCase> {};

TEST_P(FailedOpeningTest, ReportsAndDoesNotShowTheWindow) {
  const FailedOpeningCase& c = GetParam();
  Tfrm_report report;
  Tfrm_ZavuzirEza main;
  main.show();
  Child<QLineEdit>(main, "Ed_N")->setText(QString::fromLatin1(c.edN));
  Child<QLineEdit>(main, "ed_I")->setText(QString::fromLatin1(c.edI));
  Child<QLineEdit>(main, "ed_PV")->setText(QStringLiteral("1000"));
  MessageCatcher catcher;
  bool shown = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* window = qobject_cast<Tfrm_Amortization*>(QApplication::activeModalWidget())) {
      shown = true;
      window->reject();
    }
  });
  watch.start(5);
  Child<QPushButton>(main, "sb_Amortization")->click();
  EXPECT_FALSE(shown);
  ASSERT_EQ(catcher.texts().size(), 1);
  EXPECT_EQ(catcher.texts().front(), QString::fromLatin1(c.message));
  EXPECT_TRUE(main.findChildren<Tfrm_Amortization*>().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, FailedOpeningTest,
    ::testing::Values(
        FailedOpeningCase{"RateOfMinusOne", "12", "-1200", "InterestPayment."},
        FailedOpeningCase{"TooManyPeriods", "1000001", "12",
                          "Too many periods: the schedule lists at most 1000000 periods."},
        FailedOpeningCase{"BeyondThirtyTwoBits", "10^10", "12", "Number of periods out of range."},
        FailedOpeningCase{"NegativeBeyondThirtyTwoBits", "0-10^10", "12",
                          "Number of periods out of range."}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Recalculating in the window ---------------------------------------------------------

struct CalculateCase {
  const char* name;
  Inputs inputs;
  int rows;
  QStringList first;  // empty: not checked
  QStringList last;
};

class CalculateTest : public ::testing::TestWithParam<CalculateCase> {};

TEST_P(CalculateTest, ListsTheSchedule) {
  const CalculateCase& c = GetParam();
  Tfrm_Amortization window;
  MessageCatcher catcher;
  Calculate(window, c.inputs);
  EXPECT_TRUE(catcher.texts().isEmpty())
      << catcher.texts().join(QStringLiteral(" | ")).toStdString();
  const auto rows = ListRows(window);
  ASSERT_EQ(static_cast<int>(rows.size()), c.rows);
  if (!c.first.isEmpty()) EXPECT_EQ(rows.front(), c.first);
  if (!c.last.isEmpty()) EXPECT_EQ(rows.back(), c.last);
  for (size_t i = 0; i < rows.size(); ++i)
    ASSERT_EQ(rows[i].front(), QString::number(i + 1)) << "periods run 1, 2, 3, ...";
}

Inputs With(void (*change)(Inputs&)) {
  Inputs inputs;
  change(inputs);
  return inputs;
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, CalculateTest,
    ::testing::Values(
        CalculateCase{"TwelveMonths", Inputs{}, 12,
                      Row({"1", "-78.85", "-10.00", "-78.85", "-10.00", "921.15"}),
                      Row({"12", "-87.97", "-0.88", "-1000.00", "-66.19", "0.00"})},
        CalculateCase{"StartOfPeriod", With([](Inputs& i) { i.paymentTime = 0; }), 12,
                      Row({"1", "-87.97", "0.00", "-87.97", "0.00", "912.03"}),
                      Row({"12", "-87.10", "-0.87", "-1000.00", "-55.63", "0.00"})},
        CalculateCase{"FractionOfAPeriod", With([](Inputs& i) { i.nper = "12.9"; }), 12, {}, {}},
        CalculateCase{"Expression",
                      With([](Inputs& i) { i.nper = "2*6"; }),
                      12,
                      Row({"1", "-78.85", "-10.00", "-78.85", "-10.00", "921.15"}),
                      {}},
        CalculateCase{"ZeroPeriods", With([](Inputs& i) { i.nper = "0"; }), 0, {}, {}},
        CalculateCase{"NegativePeriods", With([](Inputs& i) { i.nper = "-5"; }), 0, {}, {}},
        // The future value is part of the loan: the balance ends at -FV.
        CalculateCase{"FutureValue", With([](Inputs& i) { i.fv = "500"; }), 12,
                      Row({"1", "-118.27", "-10.00", "-118.27", "-10.00", "881.73"}),
                      Row({"12", "-131.95", "3.68", "-1500.00", "-39.28", "-500.00"})},
        CalculateCase{"BlankRate", With([](Inputs& i) { i.rate = ""; }), 12,
                      Row({"1", "-83.33", "0.00", "-83.33", "0.00", "916.67"}),
                      Row({"12", "-83.33", "0.00", "-1000.00", "0.00", "0.00"})},
        CalculateCase{"SpacesRate",
                      With([](Inputs& i) { i.rate = "  \t "; }),
                      12,
                      Row({"1", "-83.33", "0.00", "-83.33", "0.00", "916.67"}),
                      {}},
        CalculateCase{"ThirtyYears", With([](Inputs& i) {
                        i.nper = "360";
                        i.rate = "6";
                        i.pv = "100000";
                      }),
                      360, Row({"1", "-99.55", "-500.00", "-99.55", "-500.00", "99900.45"}),
                      Row({"360", "-596.57", "-2.98", "-100000.00", "-115838.19", "0.00"})}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
  const char* name;
  Inputs inputs;
  QString message;
  bool keepsOldRows;  // else: the list is emptied
};

class CalculateFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CalculateFailureTest, ReportsAndKeepsTheWindowOpen) {
  const FailureCase& c = GetParam();
  Tfrm_Amortization window;
  window.show();
  Calculate(window, Inputs{});
  const auto before = ListRows(window);
  ASSERT_EQ(before.size(), 12u);

  MessageCatcher catcher;
  Calculate(window, c.inputs);
  ASSERT_EQ(catcher.texts().size(), 1);
  EXPECT_EQ(catcher.texts().front(), c.message);
  EXPECT_TRUE(window.isVisible());
  if (c.keepsOldRows)
    EXPECT_EQ(ListRows(window), before);
  else
    EXPECT_TRUE(ListRows(window).empty());
  // The list still repaints after the failure.
  EXPECT_TRUE(Child<QTableView>(window, "lv_as")->updatesEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, CalculateFailureTest,
    ::testing::Values(
        FailureCase{"BadPresentValue", With([](Inputs& i) { i.pv = "2*x"; }),
                    EvaluatorMessage("2*x"), true},
        FailureCase{"RateReadBeforePresentValue", With([](Inputs& i) {
                      i.rate = "2*";
                      i.pv = "2*x";
                      i.nper = "(";
                    }),
                    EvaluatorMessage("2*"), true},
        FailureCase{"BadPeriods", With([](Inputs& i) { i.nper = "12)"; }), EvaluatorMessage("12)"),
                    true},
        FailureCase{"TooManyPeriods", With([](Inputs& i) { i.nper = "1000001"; }),
                    QStringLiteral("Too many periods: the schedule lists at most 1000000 periods."),
                    true},
        FailureCase{"PeriodsBeyondThirtyTwoBits", With([](Inputs& i) { i.nper = "2^31"; }),
                    QStringLiteral("Number of periods out of range."), true},
        FailureCase{"RateOfMinusOne", With([](Inputs& i) { i.rate = "-1200"; }),
                    QStringLiteral("InterestPayment."), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AmortizationWindow, SyntaxMessageNamesPositionFour) {
  EXPECT_EQ(EvaluatorMessage("2*x"),
            QStringLiteral("Syntax   error   in   expression   at   position   4."));
}

TEST(AmortizationWindow, LayoutOfTheInventory) {
  Tfrm_Amortization window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Amortization Schedule"));
  EXPECT_EQ(window.size(), QSize(577, 405));
  EXPECT_EQ(Child<QWidget>(window, "pn_inputs")->height(), 113);
  EXPECT_EQ(Child<QLineEdit>(window, "se_NPer")->geometry(), QRect(114, 36, 100, 18));
  EXPECT_EQ(Child<QLineEdit>(window, "se_pv")->geometry(), QRect(296, 36, 121, 18));
  EXPECT_EQ(Child<QPushButton>(window, "sb_Calc")->geometry(), QRect(434, 36, 121, 61));
  EXPECT_EQ(Child<QPushButton>(window, "sb_Calc")->text(), QStringLiteral("&Calculate"));
  EXPECT_EQ(Child<QToolButton>(window, "sb_close")->text(), QStringLiteral("&Close"));
  for (QLineEdit* field : {Child<QLineEdit>(window, "se_NPer"), Child<QLineEdit>(window, "se_i"),
                           Child<QLineEdit>(window, "se_pv"), Child<QLineEdit>(window, "se_fv")})
    EXPECT_EQ(field->text(), QStringLiteral("0"));
  EXPECT_EQ(Child<QComboBox>(window, "cb_pt")->currentIndex(), 1);
  EXPECT_EQ(Child<QComboBox>(window, "cb_pmtf")->currentIndex(), 0);
  for (const char* name : {"sb_saveas", "sb_print", "sb_preview"})
    EXPECT_FALSE(Child<QToolButton>(window, name)->icon().isNull()) << name;
  window.show();
  EXPECT_EQ(Child<QToolButton>(window, "sb_saveas")->mapTo(&window, QPoint()).x(), 0);
  EXPECT_EQ(Child<QToolButton>(window, "sb_print")->mapTo(&window, QPoint()).x(), 25);
  EXPECT_EQ(Child<QToolButton>(window, "sb_preview")->mapTo(&window, QPoint()).x(), 50);
  EXPECT_EQ(Child<QToolButton>(window, "sb_close")->mapTo(&window, QPoint()).x(), 75);
  const QStringList headers = {"Period",          "Principal",      "Interest",
                               "Total Principal", "Total Interest", "Balance"};
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(window.model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
    if (c > 0) EXPECT_EQ(Child<QTableView>(window, "lv_as")->columnWidth(c), 100);
  }
  // The list follows the window when it is resized.
  window.resize(800, 600);
  QApplication::processEvents();
  EXPECT_GT(Child<QTableView>(window, "lv_as")->width(), 700);
  EXPECT_EQ(Child<QToolBar>(window, "tb_report")->width(), 800);
}

// A pasted text of tens of thousands of characters is cut short: laying it out in full held
// the window for seconds.
TEST(AmortizationWindow, PastedHugeTextIsCutShort) {
  Tfrm_Amortization window;
  QApplication::clipboard()->setText(QString(48845, QLatin1Char('9')));
  for (QLineEdit* field : {Child<QLineEdit>(window, "se_NPer"), Child<QLineEdit>(window, "se_i"),
                           Child<QLineEdit>(window, "se_pv"), Child<QLineEdit>(window, "se_fv")}) {
    field->selectAll();
    field->paste();
    EXPECT_EQ(field->text(), QString(255, QLatin1Char('9'))) << field->objectName().toStdString();
  }
}

TEST(AmortizationWindow, EditingDoesNotRecalculate) {
  Tfrm_Amortization window;
  Calculate(window, Inputs{});
  const auto before = ListRows(window);
  Child<QLineEdit>(window, "se_NPer")->setText(QStringLiteral("24"));
  Child<QComboBox>(window, "cb_pmtf")->setCurrentIndex(3);
  window.resize(700, 500);
  EXPECT_EQ(ListRows(window), before);
}

}  // namespace
}  // namespace quarrant::testing
