// Copying list rows as tab-separated text: Ctrl+C or the context menu's "Copy" on the
// amortization schedule, parsed back and compared with what the list shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <QTest>
#include <memory>
#include <numeric>
#include <ostream>

#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/Utfrm_report.h"
#include "support/find_child.h"

namespace quarrant {
namespace {

using Table = std::vector<QStringList>;

// The lines of the clipboard text, each split into its cells; every line ends with a line feed.
Table ParseClipboard() {
  const QString text = QGuiApplication::clipboard()->text();
  Table table;
  if (!text.endsWith(QLatin1Char('\n'))) return {{QStringLiteral("<no final line feed>"), text}};
  const QStringList lines = text.chopped(1).split(QLatin1Char('\n'));
  for (const QString& line : lines) table.push_back(line.split(QLatin1Char('\t')));
  return table;
}

// The header line and the given rows as the view shows them.
Table Shown(const QTableView& view, const std::vector<int>& rows) {
  const QAbstractItemModel& model = *view.model();
  Table table(1);
  for (int c = 0; c < model.columnCount(); ++c)
    table[0].append(model.headerData(c, Qt::Horizontal).toString());
  for (const int row : rows) {
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c)
      cells.append(model.index(row, c).data().toString());
    table.push_back(cells);
  }
  return table;
}

QAction* CopyAction(const QTableView& view) {
  for (QAction* action : view.actions())
    if (action->text() == QLatin1String("Copy")) return action;
  return nullptr;
}

struct CopyCase {
  const char* name;
  int periods;      // 0: the list is never filled
  int selectedRow;  // -1: none
  bool byMenu;      // the context menu's action instead of Ctrl+C
};

void PrintTo(const CopyCase& c, std::ostream* out) {
  *out << c.name;
}

class TableCopyTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(TableCopyTest, ClipboardHoldsHeadersAndRowsAsShown) {
  const CopyCase& c = GetParam();
  Tfrm_report report;
  Tfrm_Amortization window;
  window.setReportForm(&report);
  if (c.periods > 0) {
    window.SetPeriods(c.periods);
    window.SetAnnualRate(6);
    window.SetPresentValue(100000);
    window.SetPaymentTime(1);
    window.SetPaymentFrequency(0);
    window.CalculateSchedule();
  }
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTableView& list = *Child<QTableView>(window, "lv_as");
  ASSERT_EQ(list.model()->rowCount(), c.periods);
  QGuiApplication::clipboard()->setText(QStringLiteral("stale"));

  std::vector<int> rows;
  if (c.selectedRow >= 0) {
    list.selectRow(c.selectedRow);
    rows = {c.selectedRow};
  } else {
    for (int r = 0; r < c.periods; ++r) rows.push_back(r);
  }
  QAction* copy = CopyAction(list);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(list.contextMenuPolicy(), Qt::ActionsContextMenu);
  if (c.byMenu) {
    copy->trigger();
  } else {
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
  }

  const Table copied = ParseClipboard();
  const Table shown = Shown(list, rows);
  ASSERT_EQ(copied.size(), shown.size());
  for (size_t line = 0; line < shown.size(); ++line) ASSERT_EQ(copied[line], shown[line]) << line;
  EXPECT_EQ(copied[0].size(), ScheduleListModel::kColumns);
}

INSTANTIATE_TEST_SUITE_P(Lists, TableCopyTest,
                         ::testing::Values(CopyCase{"EmptyList", 0, -1, false},
                                           CopyCase{"TwelveRows", 12, -1, false},
                                           CopyCase{"ThreeHundredSixtyRows", 360, -1, true},
                                           CopyCase{"SelectedRowOnly", 360, 299, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The main window's two lists offer the same copy.
TEST(TableCopy, MainWindowListsCopyTheirHeaders) {
  Tfrm_ZavuzirEza window;
  for (QTableView* list :
       {Child<QTableView>(window, "lv_pery"), Child<QTableView>(window, "lv_cashfllow")}) {
    QAction* copy = CopyAction(*list);
    ASSERT_NE(copy, nullptr) << list->objectName().toStdString();
    copy->trigger();
    std::vector<int> all(static_cast<size_t>(list->model()->rowCount()));
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(ParseClipboard(), Shown(*list, all)) << list->objectName().toStdString();
  }
}

}  // namespace
}  // namespace quarrant
