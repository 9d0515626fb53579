// The cash flow page: the three measures and their independent failures, editing the group
// list (insert, replace, delete with renumbering, click, clear) and unreadable rows.
#include <QTableView>

#include "controls/numeric_edit.h"
#include "controls/spin_edit.h"
#include "page_fixture.h"
#include "support/error_report.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

using testing_support::PageTest;

struct Group {
  double amount;
  int count;
};

class CashFlowPageTest : public PageTest {
 protected:
  void SetUp() override {
    PageTest::SetUp();
    showPage("ts_CashFlow");
    list_ = find<QTableView>("lv_cashfllow");
    amount_ = find<NumericEdit>("se_amount");
    times_ = find<SpinEdit>("se_Times");
  }
  void insert(const std::vector<Group>& groups) {
    for (const Group& g : groups) {
      amount_->setValue(g.amount);
      times_->setValue(g.count);
      click("sb_Insert");
    }
  }
  void setRate(double percent) { find<NumericEdit>("se_diarate")->setValue(percent); }
  int rows() { return list_->model()->rowCount(); }
  QStringList row(int r) {
    QStringList cells;
    for (int c = 0; c < 3; ++c) cells << list_->model()->index(r, c).data().toString();
    return cells;
  }
  void select(int r) { list_->selectRow(r); }
  // A real click on a row: selects it and runs the list's click handler.
  void clickRow(int r) {
    const QRect cell = list_->visualRect(list_->model()->index(r, 1));
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, cell.center());
  }
  QStringList results() { return {text("se_irr"), text("se_npv"), text("se_nfv")}; }

  QTableView* list_ = nullptr;
  NumericEdit* amount_ = nullptr;
  SpinEdit* times_ = nullptr;
};

using ::quarrant::test_support::PrintTo;

struct MeasureCase {
  const char* name;
  std::vector<Group> groups;
  double ratePercent;
  const char* irr;
  const char* npv;
  const char* nfv;
};

class CashFlowMeasureTest : public CashFlowPageTest,
                            public ::testing::WithParamInterface<MeasureCase> {};

TEST_P(CashFlowMeasureTest, ShowsTheThreeMeasuresIndependently) {
  const MeasureCase& c = GetParam();
  insert(c.groups);
  setRate(c.ratePercent);
  click("sb_calculate");
  EXPECT_TRUE(messages_.shown().empty());
  EXPECT_EQ(results(), (QStringList{QString::fromLatin1(c.irr), QString::fromLatin1(c.npv),
                                    QString::fromLatin1(c.nfv)}));
}

const char* const kCannot = "Can not calculate";

INSTANTIATE_TEST_SUITE_P(
    Series, CashFlowMeasureTest,
    ::testing::Values(
        MeasureCase{
            "FourFlows", {{-1000, 1}, {300, 1}, {400, 1}, {500, 1}}, 10, "8.90", "-21.04", "28.00"},
        MeasureCase{"RepeatedGroup", {{-100, 1}, {60, 2}}, 10, "13.07", "4.13", "-5.00"},
        MeasureCase{"CountsExpandInOrder", {{-1000, 1}, {300, 3}}, 0, "-5.09", "-100.00", "100.00"},
        // No rate balances flows of one sign: the search's -1 is no rate of -100 %.
        MeasureCase{"OnlyPositive", {{100, 1}, {200, 1}}, 0, kCannot, "300.00", "-300.00"},
        MeasureCase{"OnlyNegative", {{-100, 2}}, 0, kCannot, "-200.00", "200.00"},
        MeasureCase{"AllZero", {{0, 3}}, 10, kCannot, "0.00", "0.00"},
        MeasureCase{"RateMinusHundred", {{-100, 1}, {60, 2}}, -100, "13.07", kCannot, kCannot},
        MeasureCase{"RateBelowMinusHundred", {{-100, 1}, {60, 2}}, -250, "13.07", kCannot, kCannot},
        MeasureCase{"NoConvergence", {{-5, 1}, {1, 1}, {-1, 1}}, 0, kCannot, "-5.00", "5.00"}),
    [](const ::testing::TestParamInfo<MeasureCase>& info) { return std::string(info.param.name); });

TEST_F(CashFlowPageTest, CalculateOnAnEmptyListChangesNothing) {
  find<QLineEdit>("se_irr")->setText(QStringLiteral("a"));
  find<QLineEdit>("se_npv")->setText(QStringLiteral("b"));
  find<QLineEdit>("se_nfv")->setText(QStringLiteral("c"));
  click("sb_calculate");
  EXPECT_EQ(results(), (QStringList{"a", "b", "c"}));
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(CashFlowPageTest, InsertAppendsAtTheEndAndResetsTheEntryFields) {
  insert({{-1000, 1}, {300, 2}});
  select(0);
  amount_->setValue(7.25);
  times_->setValue(4);
  click("sb_Insert");
  ASSERT_EQ(rows(), 3);
  EXPECT_EQ(row(0), (QStringList{"1", "-1000.0000", "1"}));
  EXPECT_EQ(row(1), (QStringList{"2", "300.0000", "2"}));
  EXPECT_EQ(row(2), (QStringList{"3", "7.2500", "4"}));
  EXPECT_EQ(amount_->text(), QStringLiteral("0.0000"));
  EXPECT_EQ(amount_->value(), 0.0);
  EXPECT_EQ(times_->value(), 1);
  EXPECT_TRUE(amount_->hasFocus());
}

TEST_F(CashFlowPageTest, DeleteRenumbersTheRowsBelow) {
  insert({{1, 1}, {2, 1}, {3, 1}, {4, 1}});
  select(1);
  click("sb_Delete");
  ASSERT_EQ(rows(), 3);
  EXPECT_EQ(row(0), (QStringList{"1", "1.0000", "1"}));
  EXPECT_EQ(row(1), (QStringList{"2", "3.0000", "1"}));
  EXPECT_EQ(row(2), (QStringList{"3", "4.0000", "1"}));
  // The entry fields are not touched.
  EXPECT_EQ(amount_->text(), QStringLiteral("0.0000"));
}

TEST_F(CashFlowPageTest, ReplaceAndDeleteWithoutSelectionDoNothing) {
  insert({{1, 1}, {2, 2}});
  list_->clearSelection();
  amount_->setValue(9);
  times_->setValue(9);
  click("sb_Replace");
  click("sb_Delete");
  ASSERT_EQ(rows(), 2);
  EXPECT_EQ(row(0), (QStringList{"1", "1.0000", "1"}));
  EXPECT_EQ(row(1), (QStringList{"2", "2.0000", "2"}));
  EXPECT_EQ(amount_->value(), 9.0);
  EXPECT_EQ(times_->value(), 9);
}

TEST_F(CashFlowPageTest, ClickThenReplaceEditsAGroupInPlace) {
  insert({{-1000, 1}, {300, 3}, {500, 1}});
  clickRow(1);
  EXPECT_EQ(amount_->value(), 300.0);
  EXPECT_EQ(times_->value(), 3);
  EXPECT_TRUE(amount_->hasFocus());
  amount_->setValue(350);
  times_->setValue(2);
  click("sb_Replace");
  ASSERT_EQ(rows(), 3);
  EXPECT_EQ(row(1), (QStringList{"2", "350.0000", "2"}));
  EXPECT_EQ(list_->selectionModel()->selectedRows().value(0).row(), 1);  // still selected
  EXPECT_EQ(amount_->value(), 0.0);
  EXPECT_EQ(times_->value(), 1);
}

TEST_F(CashFlowPageTest, ClearEmptiesTheListButKeepsFieldsAndResults) {
  insert({{-100, 1}, {60, 2}});
  setRate(10);
  click("sb_calculate");
  amount_->setValue(5);
  click("sb_clearcashf");
  EXPECT_EQ(rows(), 0);
  EXPECT_EQ(results(), (QStringList{"13.07", "4.13", "-5.00"}));
  EXPECT_EQ(amount_->value(), 5.0);
  EXPECT_EQ(find<NumericEdit>("se_diarate")->value(), 10.0);
}

TEST_F(CashFlowPageTest, TypedEntriesAreWrittenAsTheFieldsShowThem) {
  type("se_diarate", QStringLiteral("10"));
  type("se_amount", QStringLiteral("-100"));
  click("sb_Insert");
  type("se_amount", QStringLiteral("60"));
  type("se_Times", QStringLiteral("2"));
  click("sb_Insert");
  ASSERT_EQ(rows(), 2);
  EXPECT_EQ(row(0), (QStringList{"1", "-100.0000", "1"}));
  EXPECT_EQ(row(1), (QStringList{"2", "60.0000", "2"}));
  click("sb_calculate");
  EXPECT_EQ(results(), (QStringList{"13.07", "4.13", "-5.00"}));
}

TEST_F(CashFlowPageTest, AnUnreadableRowGoesToTheErrorReportBeforeAnyResultChanges) {
  insert({{-100, 1}, {60, 2}});
  setRate(10);
  click("sb_calculate");
  amount_->setText(QString());  // an emptied field, written as it is
  click("sb_Insert");
  click("sb_calculate");
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, ApplicationTitle());
  EXPECT_EQ(messages_.shown()[0].icon, QMessageBox::Critical);
  EXPECT_EQ(messages_.shown()[0].text, QStringLiteral("'' is not a valid floating point value."));
  EXPECT_EQ(results(), (QStringList{"13.07", "4.13", "-5.00"}));
}

TEST_F(CashFlowPageTest, AThousandFlowsOfOneGroup) {
  insert({{-100000, 1}, {1, 1000}});
  click("sb_calculate");
  // At a rate of 0 the net present value is the plain sum of all 1001 flows.
  EXPECT_EQ(text("se_npv"), QStringLiteral("-99000.00"));
}

TEST_F(CashFlowPageTest, ListViewIsAReportWithOneSelectedRow) {
  EXPECT_EQ(list_->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list_->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_TRUE(list_->showGrid());
  const int widths[] = {80, 140, 100};
  const QStringList headers{"Group", "Amount", "Number of Times"};
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(list_->columnWidth(c), widths[c]);
    EXPECT_EQ(list_->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
  }
  EXPECT_EQ(times_->minimum(), 1);
  EXPECT_EQ(times_->maximum(), 1000);
  EXPECT_EQ(text("se_amount"), QStringLiteral("0"));
  EXPECT_EQ(text("se_diarate"), QStringLiteral("0"));
  // The selection keeps its colour when the list loses the focus.
  const QPalette palette = list_->palette();
  EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
            palette.color(QPalette::Active, QPalette::Highlight));
}

}  // namespace
}  // namespace quarrant
