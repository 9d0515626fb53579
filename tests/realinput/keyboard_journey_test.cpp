// The loan of the overview with the keyboard alone, through the X server: typed and solved,
// the schedule opened, exported as CSV and previewed page by page, the help opened and closed.
// Not one mouse event reaches the program.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include "forms/Utfrm_Amortization.h"
#include "real_input_fixture.h"
#include "report/report_preview.h"
#include "support/find_child.h"
#include "support/read_text.h"

namespace quarrant {
namespace {

// Counts the mouse presses that reach any object of the program.
class MouseWatch : public QObject {
 public:
  MouseWatch() { qApp->installEventFilter(this); }
  ~MouseWatch() override { qApp->removeEventFilter(this); }
  int presses = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) ++presses;
    return false;
  }
};

using KeyboardJourneyTest = RealInputTest;

TEST_F(KeyboardJourneyTest, LoanScheduleExportPreviewAndHelp) {
  MouseWatch mouse;
  QTemporaryDir folder;

  ASSERT_NO_FATAL_FAILURE(
      typeWithKeys(*window_, {{"ed_I", "6"}, {"Ed_N", "30*12"}, {"ed_PV", "100000"}}));
  ASSERT_TRUE(tabTo(find<QPushButton>("sb_PMT")));
  key("Return");
  EXPECT_TRUE(WaitFor([&] { return text("ed_PMT") == QStringLiteral("-599.55"); }));

  const QString csv = folder.filePath(QStringLiteral("loan.csv"));
  bool previewed = false;
  whenModal<Tfrm_Amortization>([&](Tfrm_Amortization* schedule) {
    ASSERT_EQ(schedule->model()->rowCount(), 360);
    ASSERT_TRUE(saveAsCsvWithKeys(csv));

    // Tab into the toolbar; the preview pages on with Page Down and closes with Escape.
    whenModal<ReportPreviewWindow>([&](ReportPreviewWindow* preview) {
      ASSERT_TRUE(WaitFor([&] { return preview->isGenerated() && preview->pageCount() > 2; }));
      for (int page : {1, 2}) {
        key("Next");
        EXPECT_TRUE(WaitFor([&] { return preview->currentPage() == page; }));
      }
      key("Escape");
      EXPECT_TRUE(WaitFor([&] { return !preview->isVisible(); }));
      previewed = true;
    });
    ASSERT_TRUE(tabTo(Child<QToolButton>(*schedule, "sb_preview")));
    key("space");
    // The window manager hands the keyboard back to the schedule only once the preview has
    // gone; a key sent before then would reach no window.
    ASSERT_TRUE(WaitFor([&] {
      return previewed && QApplication::activeModalWidget() == schedule &&
             schedule->isActiveWindow();
    }));
    key("Escape");
    EXPECT_TRUE(WaitFor([&] { return !schedule->isVisible(); }));
  });
  ASSERT_TRUE(tabTo(find<QPushButton>("sb_Amortization")));
  key("Return");
  ASSERT_TRUE(WaitFor([&] { return previewed && !QApplication::activeModalWidget(); }));

  // The first period: principal -99.55 and interest -500.00, each a quoted field.
  const QString content = test::ReadText(csv);
  EXPECT_TRUE(content.contains(QLatin1String("\"-99.55\",\"-500.00\"")))
      << content.left(300).toStdString();

  // F1 opens the help; Ctrl+W closes it, and Escape the second time.
  for (const unsigned closeModifiers : {unsigned{XInput::kControl}, 0u}) {
    ASSERT_TRUE(WaitFor([&] { return window_->isActiveWindow(); }));
    key("F1");
    ASSERT_TRUE(WaitFor([&] { return helpWindow() && helpWindow()->isActiveWindow(); }));
    input_.Chord(closeModifiers ? "w" : "Escape", closeModifiers);
    EXPECT_TRUE(WaitFor([&] { return helpWindow() == nullptr; }));
  }
  EXPECT_EQ(mouse.presses, 0);
}

// Cash flows with the keys: Ctrl+Tab to the page, rows inserted, the list entered and left by
// Tab, and a row loaded back into Amount by Return and by Space.
TEST_F(KeyboardJourneyTest, CashFlowRowsLoadedByReturnAndSpace) {
  MouseWatch mouse;
  auto* pages = find<PageControl>("pc_main");
  for (int press = 0; press < 3; ++press) input_.Chord("Tab", XInput::kControl);
  ASSERT_TRUE(WaitFor([&] { return pages->currentIndex() == 3; }));
  auto* amount = find<QLineEdit>("se_amount");
  auto* list = find<QTableView>("lv_cashfllow");
  for (const char* typed : {"-1000", "300", "400"}) {
    ASSERT_TRUE(tabTo(amount));
    retype(amount, typed, QString::fromLatin1(typed));
    ASSERT_TRUE(tabTo(find<QPushButton>("sb_Insert")));
    const int rows = list->model()->rowCount();
    key("Return");
    ASSERT_TRUE(WaitFor([&] { return list->model()->rowCount() == rows + 1; }));
  }
  const struct {
    const char* key;
    const char* loaded;
  } loads[] = {{"Return", "300.0000"}, {"space", "400.0000"}};
  for (const auto& load : loads) {
    ASSERT_TRUE(tabTo(list));
    key("Down");
    key(load.key);
    EXPECT_TRUE(WaitFor([&] { return amount->text() == QLatin1String(load.loaded); }))
        << load.key << ": " << amount->text().toStdString();
  }
  // The list holds rows and still lets Tab go on.
  ASSERT_TRUE(tabTo(list));
  EXPECT_TRUE(tabTo(find<QPushButton>("sb_clearcashf")));
  EXPECT_EQ(mouse.presses, 0);
}

}  // namespace
}  // namespace quarrant
