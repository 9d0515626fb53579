// A balloon loan with the keyboard alone, through the X server: solved on the page and listed
// with its future value, a new loan typed into the schedule, the second year selected with
// Shift+Down and its totals read from the status line, the loan options set in their window,
// and the schedule exported as CSV. Runs in the environment's locale and again in German.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "controls/elided_label.h"
#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_LoanOptions.h"
#include "real_input_fixture.h"
#include "support/find_child.h"
#include "support/read_text.h"
#include "support/regional.h"

namespace quarrant {
namespace {

// An amount as the user's locale writes it.
QString Amount(const char* text) {
  return QString::fromLatin1(text).replace(QLatin1Char('.'), QChar(UserDecimalSeparator()));
}

TEST_F(RealInputTest, BalloonLoanOptionsAndYearTotalsByKeyboard) {
  QTemporaryDir folder;
  ASSERT_NO_FATAL_FAILURE(typeWithKeys(
      *window_, {{"ed_I", "6"}, {"Ed_N", "360"}, {"ed_PV", "100000"}, {"ed_FV", "-20000"}}));
  ASSERT_TRUE(tabTo(find<QPushButton>("sb_PMT")));
  key("Return");
  ASSERT_TRUE(WaitFor([&] { return text("ed_PMT") == Amount("-579.64"); }))
      << text("ed_PMT").toStdString();

  const QString csv = folder.filePath(QStringLiteral("options.csv"));
  bool done = false;
  whenModal<Tfrm_Amortization>([&](Tfrm_Amortization* schedule) {
    ScheduleListModel& rows = *schedule->model();
    ASSERT_EQ(rows.rowCount(), 360);
    EXPECT_EQ(rows.text(359, 5), Amount("20000.00"));  // the balloon is still owed

    // Another loan typed into the schedule's own fields.
    ASSERT_NO_FATAL_FAILURE(
        typeWithKeys(*schedule, {{"se_i", "7"}, {"se_pv", "150000"}, {"se_fv", "0"}}));
    ASSERT_TRUE(tabTo(Child<QPushButton>(*schedule, "sb_Calc")));
    key("Return");
    ASSERT_TRUE(WaitFor([&] { return rows.text(0, 2) == Amount("-875.00"); }));

    // The second year: row 13, then Shift+Down to row 24.
    ASSERT_TRUE(tabTo(Child<QTableView>(*schedule, "lv_as")));
    input_.Chord("Home", XInput::kControl);
    for (int press = 0; press < 12; ++press) key("Down");
    for (int press = 0; press < 11; ++press) input_.Chord("Down", XInput::kShift);
    auto* status = Child<ElidedLabel>(*schedule, "lb_selection");
    EXPECT_TRUE(WaitFor([&] {
      return status->fullText().contains(Amount("-1633.86")) &&
             status->fullText().contains(Amount("-10341.58"));
    })) << status->fullText().toStdString();

    // Ctrl+L: semi-annual compounding, 100 extra a month, cents; Return is OK.
    whenModal<Tfrm_LoanOptions>([&](Tfrm_LoanOptions* options) {
      auto* compounding = Child<QComboBox>(*options, "cb_compounding");
      ASSERT_TRUE(tabTo(compounding));
      key("Down");
      key("Down");
      ASSERT_TRUE(WaitFor([&] { return compounding->currentIndex() == 2; }));
      auto* extra = Child<QLineEdit>(*options, "ed_extra");
      ASSERT_TRUE(tabTo(extra));
      retype(extra, "100", QStringLiteral("100"));
      auto* rounding = Child<QComboBox>(*options, "cb_rounding");
      ASSERT_TRUE(tabTo(rounding));
      key("Down");
      ASSERT_TRUE(WaitFor([&] { return rounding->currentIndex() == 1; }));
      key("Return");
      EXPECT_TRUE(WaitFor([&] { return !options->isVisible(); }));
    });
    input_.Chord("l", XInput::kControl);
    ASSERT_TRUE(WaitFor([&] { return schedule->loanOptions().extraEachPeriod == 100; }));
    EXPECT_EQ(schedule->loanOptions().compounding, Compounding::SemiAnnually);
    EXPECT_EQ(schedule->loanOptions().rounding, AmountRounding::Cents);
    EXPECT_FALSE(Child<ElidedLabel>(*schedule, "lb_options")->fullText().isEmpty());
    const int paidOff = rows.rowCount();
    EXPECT_LT(paidOff, 360);
    EXPECT_EQ(rows.text(paidOff - 1, 5), Amount("0.00"));

    ASSERT_TRUE(WaitFor([&] { return schedule->isActiveWindow(); }));
    ASSERT_TRUE(saveAsCsvWithKeys(csv));
    const QString lastRow = QStringLiteral("\"%1\",").arg(paidOff);
    EXPECT_TRUE(test::ReadText(csv).contains(lastRow));
    ASSERT_TRUE(WaitFor([&] { return schedule->isActiveWindow(); }));
    key("Escape");
    done = WaitFor([&] { return !schedule->isVisible(); });
  });
  ASSERT_TRUE(tabTo(find<QPushButton>("sb_Amortization")));
  key("Return");
  EXPECT_TRUE(WaitFor([&] { return done && !QApplication::activeModalWidget(); }));
}

}  // namespace
}  // namespace quarrant
