// The depreciation page: tables by the three methods, truncated and too short lives, the
// reading order of the fields, the size bound, errors of the depreciation functions, Clear.
#include <QComboBox>
#include <QTableView>

#include "forms/page_models.h"
#include "support/error_report.h"
#include "support/print_case.h"
#include "support/window_fixture.h"

namespace quarrant {
namespace {

using test::WindowTest;

class DepreciationPageTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    showPage("ts_Depreciation");
    table_ = find<QTableView>("lv_pery");
  }
  void enter(const QString& cost, const QString& salvage, const QString& life, int method,
             const QString& factor = QStringLiteral("2")) {
    type("ed_cb", cost);
    type("ed_sv", salvage);
    type("ed_el", life);
    type("ed_fact", factor);
    find<QComboBox>("cb_method")->setCurrentIndex(method);
  }
  int rows() { return table_->model()->rowCount(); }
  QStringList row(int r) {
    QStringList cells;
    for (int c = 0; c < 4; ++c) cells << table_->model()->index(r, c).data().toString();
    return cells;
  }
  QTableView* table_ = nullptr;
};

using ::quarrant::test::PrintTo;

struct TableCase {
  const char* name;
  const char* cost;
  const char* salvage;
  const char* life;
  int method;
  std::vector<QStringList> rows;
};

class DepreciationTableTest : public DepreciationPageTest,
                              public ::testing::WithParamInterface<TableCase> {};

TEST_P(DepreciationTableTest, ListsEveryYear) {
  const TableCase& c = GetParam();
  enter(QString::fromLatin1(c.cost), QString::fromLatin1(c.salvage), QString::fromLatin1(c.life),
        c.method);
  click("sb_calc");
  EXPECT_TRUE(messages_.shown().empty());
  ASSERT_EQ(rows(), static_cast<int>(c.rows.size()));
  for (int r = 0; r < rows(); ++r) EXPECT_EQ(row(r), c.rows[static_cast<std::size_t>(r)]) << r;
}

QStringList R(const char* year, const char* dep, const char* total, const char* book) {
  return {QString::fromLatin1(year), QString::fromLatin1(dep), QString::fromLatin1(total),
          QString::fromLatin1(book)};
}

INSTANTIATE_TEST_SUITE_P(
    Tables, DepreciationTableTest,
    ::testing::Values(
        TableCase{"StraightLine",
                  "10000",
                  "1000",
                  "5",
                  0,
                  {R("1", "1800.00", "1800.00", "8200.00"), R("2", "1800.00", "3600.00", "6400.00"),
                   R("3", "1800.00", "5400.00", "4600.00"), R("4", "1800.00", "7200.00", "2800.00"),
                   R("5", "1800.00", "9000.00", "1000.00")}},
        TableCase{"SumOfYearsDigits",
                  "10000",
                  "1000",
                  "5",
                  1,
                  {R("1", "3000.00", "3000.00", "7000.00"), R("2", "2400.00", "5400.00", "4600.00"),
                   R("3", "1800.00", "7200.00", "2800.00"), R("4", "1200.00", "8400.00", "1600.00"),
                   R("5", "600.00", "9000.00", "1000.00")}},
        TableCase{"DecliningBalance",
                  "10000",
                  "1000",
                  "5",
                  2,
                  {R("1", "4000.00", "4000.00", "6000.00"), R("2", "2400.00", "6400.00", "3600.00"),
                   R("3", "1440.00", "7840.00", "2160.00"), R("4", "864.00", "8704.00", "1296.00"),
                   R("5", "296.00", "9000.00", "1000.00")}},
        TableCase{"LifeTruncated",
                  "1000",
                  "0",
                  "4.9",
                  0,
                  {R("1", "250.00", "250.00", "750.00"), R("2", "250.00", "500.00", "500.00"),
                   R("3", "250.00", "750.00", "250.00"), R("4", "250.00", "1000.00", "0.00")}},
        TableCase{
            "SalvageAboveCostStraightLine",
            "1000",
            "1500",
            "4",
            0,
            {R("1", "-125.00", "-125.00", "1125.00"), R("2", "-125.00", "-250.00", "1250.00"),
             R("3", "-125.00", "-375.00", "1375.00"), R("4", "-125.00", "-500.00", "1500.00")}},
        TableCase{"SalvageAboveCostSumOfYears",
                  "1000",
                  "1500",
                  "2",
                  1,
                  {R("1", "0.00", "0.00", "1000.00"), R("2", "0.00", "0.00", "1000.00")}},
        TableCase{"SalvageAboveCostDeclining",
                  "1000",
                  "1500",
                  "2",
                  2,
                  {R("1", "0.00", "0.00", "1000.00"), R("2", "0.00", "0.00", "1000.00")}},
        TableCase{"EmptyCostGivesZeros",
                  "",
                  "0",
                  "2",
                  0,
                  {R("1", "0.00", "0.00", "0.00"), R("2", "0.00", "0.00", "0.00")}},
        TableCase{"ExpressionsInFields",
                  "5000*2",
                  "2000-1000",
                  "10/2",
                  0,
                  {R("1", "1800.00", "1800.00", "8200.00"), R("2", "1800.00", "3600.00", "6400.00"),
                   R("3", "1800.00", "5400.00", "4600.00"), R("4", "1800.00", "7200.00", "2800.00"),
                   R("5", "1800.00", "9000.00", "1000.00")}},
        TableCase{"LifeBelowOne", "1000", "0", "0.5", 0, {}},
        TableCase{"NegativeLife", "1000", "0", "-2.5", 2, {}}),
    [](const ::testing::TestParamInfo<TableCase>& info) { return std::string(info.param.name); });

TEST_F(DepreciationPageTest, AllFourFieldsAreReadInOrderWhateverTheMethod) {
  enter(QStringLiteral("2*x"), QStringLiteral("0"), QStringLiteral("2"), 0, QStringLiteral("1/0"));
  click("sb_calc");
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_EQ(messages_.shown()[0].text, QStringLiteral("Expression Error:2*x"));
  EXPECT_EQ(messages_.shown()[1].text, QStringLiteral("Expression Error:1/0"));
  for (const auto& shown : messages_.shown()) {
    EXPECT_EQ(shown.caption, QStringLiteral("Error"));
    EXPECT_EQ(shown.icon, QMessageBox::Critical);
  }
  // The faulty cost reads as 0 and the table is still made.
  ASSERT_EQ(rows(), 2);
  EXPECT_EQ(row(1), R("2", "0.00", "0.00", "0.00"));
}

TEST_F(DepreciationPageTest, ANewCalculationReplacesTheTableAndAShortLifeEmptiesIt) {
  enter(QStringLiteral("1000"), QStringLiteral("0"), QStringLiteral("5"), 0);
  click("sb_calc");
  ASSERT_EQ(rows(), 5);
  type("ed_el", QStringLiteral("2"));
  click("sb_calc");
  EXPECT_EQ(rows(), 2);
  type("ed_el", QStringLiteral("0"));
  click("sb_calc");
  EXPECT_EQ(rows(), 0);
  EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(DepreciationPageTest, RowsKeepTheFormatOfTheirCalculation) {
  enter(QStringLiteral("10000"), QStringLiteral("1000"), QStringLiteral("5"), 0);
  click("sb_calc");
  auto* digits = find<QComboBox>("cb_digits");
  digits->setCurrentIndex(0);  // "General"
  EXPECT_EQ(row(0), R("1", "1800.00", "1800.00", "8200.00"));
  click("sb_calc");
  EXPECT_EQ(row(0), R("1", "1800", "1800", "8200"));
  digits->setCurrentIndex(5);  // four decimals
  click("sb_calc");
  EXPECT_EQ(row(4), R("5", "1800.0000", "9000.0000", "1000.0000"));
}

TEST_F(DepreciationPageTest, LivesUpToTheBoundAreListedLongerOnesRefused) {
  enter(QStringLiteral("1000000"), QStringLiteral("0"), QString::number(kMaxDepreciationYears), 0);
  click("sb_calc");
  EXPECT_TRUE(messages_.shown().empty());
  ASSERT_EQ(rows(), kMaxDepreciationYears);
  EXPECT_EQ(row(kMaxDepreciationYears - 1), R("1000000", "1.00", "1000000.00", "0.00"));

  for (const char* life : {"1000001", "10^30"}) {
    messages_.clear();
    type("ed_el", QString::fromLatin1(life));
    click("sb_calc");
    EXPECT_EQ(rows(), 0) << life;
    ASSERT_FALSE(messages_.shown().empty()) << life;
    const auto& shown = messages_.shown().back();
    EXPECT_EQ(shown.caption, QStringLiteral("Error"));
    EXPECT_EQ(shown.icon, QMessageBox::Critical);
    EXPECT_TRUE(shown.text.contains(QStringLiteral("1000000"))) << shown.text.toStdString();
  }
}

TEST_F(DepreciationPageTest, ArithmeticErrorReachesTheErrorReportAndKeepsRowsMade) {
  // A factor of -10^600 (a yearly rate of -10^599) makes the book value grow, and the
  // depreciation of year 9 overflows: -10^599 * 1000 * (1 + 10^599)^8.
  enter(QStringLiteral("1000"), QStringLiteral("0"), QStringLiteral("10"), 2,
        QStringLiteral("-(10^600)"));
  click("sb_calc");
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, ApplicationTitle());
  EXPECT_EQ(messages_.shown()[0].text, QStringLiteral("Floating point overflow."));
  EXPECT_EQ(rows(), 8);
}

TEST_F(DepreciationPageTest, ClearEmptiesTableAndAmountsButKeepsLifeFactorAndMethod) {
  enter(QStringLiteral("10000"), QStringLiteral("1000"), QStringLiteral("7"), 2,
        QStringLiteral("1.5"));
  click("sb_calc");
  ASSERT_EQ(rows(), 7);
  click("sb_cleard");
  EXPECT_EQ(rows(), 0);
  EXPECT_EQ(text("ed_cb"), QString());
  EXPECT_EQ(text("ed_sv"), QString());
  EXPECT_EQ(text("ed_el"), QStringLiteral("7"));
  EXPECT_EQ(text("ed_fact"), QStringLiteral("1.5"));
  EXPECT_EQ(find<QComboBox>("cb_method")->currentIndex(), 2);
}

TEST_F(DepreciationPageTest, StartsWithDefaultsAndAnEmptyTable) {
  EXPECT_EQ(text("ed_el"), QStringLiteral("4.00"));
  EXPECT_EQ(text("ed_fact"), QStringLiteral("2.00"));
  auto* method = find<QComboBox>("cb_method");
  ASSERT_EQ(method->count(), 3);
  EXPECT_EQ(method->itemText(1), QStringLiteral("Sum-of-the-year's digits"));
  EXPECT_EQ(method->currentIndex(), 0);
  EXPECT_EQ(rows(), 0);
  const QStringList headers{QStringLiteral("Year"), QStringLiteral("Depreciation"),
                            QStringLiteral("Total Depreciation"), QStringLiteral("Book Value")};
  const int widths[] = {40, 100, 100, 100};
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(table_->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
    EXPECT_EQ(table_->columnWidth(c), widths[c]);
  }
  EXPECT_TRUE(table_->showGrid());
  EXPECT_EQ(table_->selectionBehavior(), QAbstractItemView::SelectRows);
}

}  // namespace
}  // namespace quarrant
