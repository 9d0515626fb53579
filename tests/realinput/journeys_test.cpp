// User journeys with a real mouse and keyboard: the main window on a real X display under a
// window manager, every click and keystroke sent through the X server, results read back in
// the program. Activation, focus and key routing go the way they go for a person.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "controls/date_edit.h"
#include "controls/numeric_edit.h"
#include "controls/page_control.h"
#include "controls/radio_group.h"
#include "engine/calendar.h"
#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "real_input_fixture.h"
#include "x_session.h"

namespace quarrant {
namespace {

// The loan of the first page typed from a fresh start, each field entered by a click; then
// every solve button pressed with Return, reached with Tab, and Tab on into the radio groups.
TEST_F(RealInputTest, LoanTypedByClickingIntoEachField) {
  QLineEdit* periods = find<QLineEdit>("Ed_N");
  clickInto(periods);
  screenshot("first-click-before-typing");
  typeInto(periods, "360", QStringLiteral("360"));
  screenshot("first-click-after-360");
  EXPECT_EQ(text("se_expv"), QStringLiteral("360.00"));

  clickInto(find<QLineEdit>("ed_I"));
  typeInto(find<QLineEdit>("ed_I"), "6", QStringLiteral("6"));
  clickInto(find<QLineEdit>("ed_PV"));
  typeInto(find<QLineEdit>("ed_PV"), "100000", QStringLiteral("100000"));
  clickAt(find<QPushButton>("sb_PMT"));
  EXPECT_TRUE(WaitFor([&] { return text("ed_PMT") == QStringLiteral("-599.55"); }))
      << text("ed_PMT").toStdString();

  // From the last value field, Tab walks the solve buttons; Return presses each.
  clickInto(find<QLineEdit>("ed_PV"));
  const struct {
    const char* button;
    const char* field;
  } solves[] = {{"sb_PV", "ed_PV"},
                {"sb_PMT", "ed_PMT"},
                {"sb_N", "Ed_N"},
                {"sb_i", "ed_I"},
                {"sb_FV", "ed_FV"}};
  for (const auto& solve : solves) {
    SCOPED_TRACE(solve.button);
    auto* button = find<QPushButton>(solve.button);
    key("Tab");
    ASSERT_TRUE(WaitFor([&] { return button->hasFocus(); }));
    find<QLineEdit>(solve.field)->clear();  // the solved value must come back
    QSignalSpy pressed(button, &QPushButton::clicked);
    key("Return");
    EXPECT_TRUE(WaitFor([&] { return pressed.count() == 1; })) << "Return did not press it";
    EXPECT_TRUE(WaitFor([&] { return !text(solve.field).isEmpty(); }));
  }

  // Tab enters each radio group at its selected item, and the next Tab leaves the group.
  auto* frequency = find<RadioGroup>("rg_PMTF");
  auto* timing = find<RadioGroup>("rb_pmtt");
  key("Tab");
  EXPECT_TRUE(WaitFor([&] { return frequency->button(0)->hasFocus(); }));
  key("Tab");
  EXPECT_TRUE(WaitFor([&] { return timing->button(1)->hasFocus(); }))
      << "focus on " << QApplication::focusWidget()->objectName().toStdString();
  key("Tab");
  EXPECT_TRUE(WaitFor([&] { return find<QPushButton>("sb_Amortization")->hasFocus(); }));
}

// A field clicked into after working in another window, and after a message box.
TEST_F(RealInputTest, FieldsAfterAnotherWindowAndAMessageBox) {
  QWidget* other = otherWindow();
  clickAt(other);
  ASSERT_TRUE(WaitFor([&] { return other->isActiveWindow(); }));

  QLineEdit* periods = find<QLineEdit>("Ed_N");
  clickInto(periods);
  typeInto(periods, "360", QStringLiteral("360"));
  EXPECT_EQ(text("se_expv"), QStringLiteral("360.00"));

  // Away and back once more: the preview follows the field clicked into.
  clickAt(other);
  ASSERT_TRUE(WaitFor([&] { return other->isActiveWindow(); }));
  QLineEdit* rate = find<QLineEdit>("ed_I");
  clickInto(rate);
  typeInto(rate, "1/0", QStringLiteral("1/0"));
  EXPECT_EQ(text("se_expv"), QStringLiteral("Syntax Error!"));

  // Solving reads the bad rate: a message box, closed with Return.
  QString message;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    message = box->text();
    key("Return");
    EXPECT_TRUE(WaitFor([&] { return !box->isVisible(); }));
  });
  clickAt(find<QPushButton>("sb_PMT"));
  ASSERT_TRUE(WaitFor([&] { return !message.isEmpty() && !QApplication::activeModalWidget(); }));
  EXPECT_EQ(message, QStringLiteral("Expression Error:1/0"));

  QLineEdit* present = find<QLineEdit>("ed_PV");
  clickInto(present);
  EXPECT_TRUE(WaitFor([&] { return text("se_expv") == QStringLiteral("0.00"); }));
  typeInto(present, "25", QStringLiteral("25"));
  EXPECT_EQ(text("se_expv"), QStringLiteral("25.00"));
  clickInto(rate);
  EXPECT_TRUE(WaitFor([&] { return text("se_expv") == QStringLiteral("Syntax Error!"); }));
}

// A cash-flow list built, edited and pruned with clicks: Insert, a row click, Replace, Delete.
TEST_F(RealInputTest, CashFlowListEditedWithClicks) {
  showPage(find<PageControl>("pc_main"), 3);
  auto* amount = find<NumericEdit>("se_amount");
  auto* list = find<QTableView>("lv_cashfllow");
  auto* model = list->model();
  auto amountAt = [&](int row) { return model->index(row, 1).data().toString(); };
  auto clickRow = [&](int row) {
    clickAt(list->viewport(), list->visualRect(model->index(row, 1)).center());
    ASSERT_TRUE(WaitFor([&] {
      return list->selectionModel()->isRowSelected(row, {}) && amount->text() == amountAt(row);
    }));
  };

  clickInto(amount);
  for (const char* typed : {"-1000", "300", "400", "500"}) {
    retype(amount, typed, QString::fromLatin1(typed));
    const int rows = model->rowCount();
    clickAt(find<QPushButton>("sb_Insert"));
    ASSERT_TRUE(WaitFor([&] { return model->rowCount() == rows + 1 && amount->hasFocus(); }));
  }

  clickRow(1);
  EXPECT_EQ(amount->text(), QStringLiteral("300.0000"));
  retype(amount, "350", QStringLiteral("350"));
  clickAt(find<QPushButton>("sb_Replace"));
  ASSERT_TRUE(WaitFor([&] { return amountAt(1) == QStringLiteral("350.0000"); }))
      << amountAt(1).toStdString();

  clickRow(2);
  auto* remove = find<QPushButton>("sb_Delete");
  clickAt(remove);
  ASSERT_TRUE(WaitFor([&] { return model->rowCount() == 3; }));
  // Nothing is selected after Delete: a second Delete and a Replace change nothing.
  QSignalSpy pressed(remove, &QPushButton::clicked);
  clickAt(remove);
  ASSERT_TRUE(WaitFor([&] { return pressed.count() == 1; }));
  clickAt(find<QPushButton>("sb_Replace"));
  clickAt(find<QPushButton>("sb_calculate"));
  ASSERT_TRUE(WaitFor([&] { return !text("se_npv").isEmpty(); }));
  ASSERT_EQ(model->rowCount(), 3);
  const char* expected[][2] = {{"1", "-1000.0000"}, {"2", "350.0000"}, {"3", "500.0000"}};
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(model->index(row, 0).data().toString(), QString::fromLatin1(expected[row][0]));
    EXPECT_EQ(amountAt(row), QString::fromLatin1(expected[row][1]));
  }
}

// Dates typed over a date field, valid and not, left by a click, by Tab and by Enter; then a
// date moved back across 1899-12-30 while the other date still has its time of day.
TEST_F(RealInputTest, DatesTypedAndLeftEveryWay) {
  showPage(find<PageControl>("pc_main"), 4);
  auto* date = find<DateEdit>("de_date");
  date->setDateValue(DateValueOf(2024, 3, 15));
  auto facts = [&] { return text("ed_doy") + QLatin1Char(' ') + text("ed_leapy"); };
  auto typeDate = [&](const char* digits) {
    clickInto(date);
    key("Home");
    input_.Type(digits);
    const QString shown =
        QStringLiteral("%1/%2/%3")
            .arg(QString::fromLatin1(digits, 4), QString::fromLatin1(digits + 4, 2),
                 QString::fromLatin1(digits + 6, 2));
    ASSERT_TRUE(WaitFor([&] { return date->displayText() == shown; }))
        << date->displayText().toStdString();
  };

  // 2023 has no 29 February: leaving by a click keeps 15 March 2024.
  typeDate("20230229");
  clickAt(find<QPushButton>("sb_date"));
  EXPECT_TRUE(WaitFor([&] { return facts() == QStringLiteral("75 Yes"); }))
      << facts().toStdString();
  EXPECT_EQ(date->dateValue(), DateValueOf(2024, 3, 15));

  // A valid date left by Tab is taken.
  typeDate("20240229");
  key("Tab");
  ASSERT_TRUE(WaitFor([&] { return !date->hasFocus(); }));
  EXPECT_EQ(date->dateValue(), DateValueOf(2024, 2, 29));

  // Year 0 does not exist: Enter puts the held date back in the field.
  typeDate("00000101");
  key("Return");
  EXPECT_TRUE(WaitFor([&] { return date->displayText() == QStringLiteral("2024/02/29"); }))
      << date->displayText().toStdString();
  EXPECT_EQ(date->dateValue(), DateValueOf(2024, 2, 29));
  // A valid date confirmed with Enter is taken at once.
  typeDate("20211231");
  key("Return");
  EXPECT_TRUE(WaitFor([&] { return date->dateValue() == DateValueOf(2021, 12, 31); }));

  // Two dates: the ending date still carries an afternoon time of day, as at start-up.
  showPage(find<PageControl>("pc_dates"), 1);
  auto* ending = find<DateEdit>("de_end");
  auto* beginning = find<DateEdit>("de_begin");
  ending->setDateValue(DateValueOf(2026, 12, 9) + 0.6);
  auto* count = find<NumericEdit>("ne_bd");
  clickInto(count);
  retype(count, "46500", QStringLiteral("46500"));
  clickAt(find<QPushButton>("sb_bdate"));
  ASSERT_TRUE(WaitFor([&] { return text("ed_bty") == QStringLiteral("127"); }));
  const CalendarDate begun = CalendarDateOf(beginning->dateValue());
  EXPECT_EQ(QStringLiteral("%1-%2-%3").arg(begun.year).arg(begun.month).arg(begun.day),
            QStringLiteral("1899-8-17"));
  count->setValue(0);
  clickAt(find<QPushButton>("sb_dbdate"));
  EXPECT_TRUE(WaitFor([&] { return count->value() != 0; }));
  EXPECT_EQ(count->value(), 46500);
}

// The amortization window opened from the loan and its schedule exported through the save
// dialog: a file name typed, Return, and the file is there.
TEST_F(RealInputTest, AmortizationExportedThroughTheSaveDialog) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  clickInto(find<QLineEdit>("Ed_N"));
  typeInto(find<QLineEdit>("Ed_N"), "12", QStringLiteral("12"));
  clickInto(find<QLineEdit>("ed_I"));
  typeInto(find<QLineEdit>("ed_I"), "6", QStringLiteral("6"));
  clickInto(find<QLineEdit>("ed_PV"));
  typeInto(find<QLineEdit>("ed_PV"), "1000", QStringLiteral("1000"));

  const QString target = folder.filePath(QStringLiteral("loan.txt"));
  // The text export writes its extension in capitals.
  const QString written = folder.filePath(QStringLiteral("loan.TXT"));
  bool closed = false;
  whenModal<Tfrm_Amortization>([&](Tfrm_Amortization* schedule) {
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
      ASSERT_TRUE(WaitFor(
          [&] { return qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr; }));
      auto* name = qobject_cast<QLineEdit*>(QApplication::focusWidget());
      input_.Key("a", /*control=*/true);
      input_.Type(target.toStdString());
      ASSERT_TRUE(WaitFor([&] { return name->text() == target; })) << name->text().toStdString();
      key("Return");
      EXPECT_TRUE(WaitFor([&] { return !dialog->isVisible(); }));
    });
    clickAt(schedule->findChild<QToolButton*>(QStringLiteral("sb_saveas")));
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(written) || QFile::exists(target); }));
    clickAt(schedule->findChild<QToolButton*>(QStringLiteral("sb_close")));
    EXPECT_TRUE(WaitFor([&] { return !schedule->isVisible(); }));
    closed = true;
  });
  clickAt(find<QPushButton>("sb_Amortization"));
  ASSERT_TRUE(WaitFor([&] { return closed && !QApplication::activeModalWidget(); }));

  QFile file(QFile::exists(written) ? written : target);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  const QString content = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(content.contains(QStringLiteral("1000"))) << content.left(400).toStdString();
}

}  // namespace
}  // namespace quarrant
