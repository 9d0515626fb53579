// What a screen reader sees of every window, read over the AT-SPI bus by a client process of
// its own (atspi_walk), and what it hears when the page or a preview value changes.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <set>
#include <vector>

#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_LoanOptions.h"
#include "real_input_fixture.h"
#include "report/report_preview.h"
#include "support/find_child.h"

namespace quarrant {
namespace {

class ScreenReaderTest : public RealInputTest {
 protected:
  // Notes what is on screen now, one line per object (an object seen on several pages once);
  // atspi_walk runs while this program's event loop goes on answering its questions.
  void look() {
    QProcess walker;
    walker.start(QStringLiteral(QUARRANT_ATSPI_WALK),
                 {QString::number(QApplication::applicationPid())});
    EXPECT_TRUE(WaitFor([&] { return walker.state() == QProcess::NotRunning; }));
    EXPECT_EQ(walker.exitCode(), 0) << walker.readAllStandardError().toStdString();
    for (const QString& line :
         QString::fromUtf8(walker.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
      seen_.insert(line);
  }

  std::set<QString> seen_;
};

// Every control a screen reader can land on has a name and a role that is not a mere
// container; the page tabs are named page tabs.
TEST_F(ScreenReaderTest, EveryWindowNamesItsControlsAndPageTabs) {
  auto* pages = find<PageControl>("pc_main");
  for (int page = 0; page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    look();
  }
  find<PageControl>("pc_dates")->setCurrentIndex(1);
  look();
  pages->setCurrentIndex(0);

  // A message box: a bad expression read by a solve button.
  find<QLineEdit>("ed_PMT")->setText(QStringLiteral("2*"));
  whenModal<QMessageBox>([&](QMessageBox* box) {
    look();
    box->accept();
  });
  find<QPushButton>("sb_PV")->click();

  // The amortization window and, from it, the print preview and the loan options.
  find<QLineEdit>("Ed_N")->setText(QStringLiteral("12"));
  find<QLineEdit>("ed_I")->setText(QStringLiteral("6"));
  find<QLineEdit>("ed_PV")->setText(QStringLiteral("1000"));
  whenModal<Tfrm_Amortization>([&](Tfrm_Amortization* schedule) {
    look();
    whenModal<ReportPreviewWindow>([&](ReportPreviewWindow* preview) {
      EXPECT_TRUE(WaitFor([&] { return preview->isGenerated(); }));
      look();
      preview->reject();
    });
    Child<QToolButton>(*schedule, "sb_preview")->click();
    whenModal<Tfrm_LoanOptions>([&](Tfrm_LoanOptions* options) {
      look();
      options->reject();
    });
    Child<QToolButton>(*schedule, "sb_options")->click();
    schedule->reject();
  });
  find<QPushButton>("sb_Amortization")->click();

  find<QPushButton>("sb_help")->click();
  ASSERT_TRUE(WaitFor([&] { return helpWindow() && QTest::qWaitForWindowExposed(helpWindow()); }));
  look();
  helpWindow()->close();

  static const std::set<QString> kContainers = {"filler", "panel", "unknown", "invalid",
                                                "redundant object"};
  std::set<QString> windows, pageTabs;
  for (const QString& line : seen_) {
    const QStringList f = line.split('\t');  // window, path, role, name, focusable
    ASSERT_EQ(f.size(), 5) << line.toStdString();
    windows.insert(f[0]);
    if (f[2] == QLatin1String("page tab"))
      pageTabs.insert(f[3]);
    else if (f[4] == QLatin1String("f") && f[2] != QLatin1String("page tab list"))
      EXPECT_TRUE(!kContainers.count(f[2]) && !f[3].trimmed().isEmpty()) << line.toStdString();
  }
  EXPECT_EQ(windows.size(), 6u)
      << "main window, message box, amortization, preview, loan options, help";
  EXPECT_EQ(pageTabs,
            (std::set<QString>{"Time Value of Money", "Interest Rate Conversions", "Depreciation",
                               "Cash Flow", "Date Calculator", "One Date", "Two Dates"}));
}

// The events a screen reader hears, by object, type and child.
struct HeardEvent {
  QObject* object;
  QAccessible::Event type;
  int child;
  bool operator==(const HeardEvent&) const = default;
};
std::vector<HeardEvent> g_heard;

int Heard(const HeardEvent& event) {
  return static_cast<int>(std::count(g_heard.begin(), g_heard.end(), event));
}

// Keys alone: Ctrl+Tab from inside the date page's page control switches the main pages, and a
// screen reader hears the new tab selected; Tab from the window's last control comes round to
// the page tabs; a value field's description is the preview's value, announced only when that
// value changes.
TEST_F(ScreenReaderTest, PageChangesAndPreviewValuesAreAnnounced) {
  ASSERT_TRUE(QAccessible::isActive()) << "no screen reader listens: the bridge is off";
  auto* pages = find<PageControl>("pc_main");
  PageTabBar* tabs = pages->tabBar();
  pages->setCurrentIndex(4);
  find<PageControl>("pc_dates")->tabBar()->setFocus();
  g_heard.clear();
  QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
    g_heard.push_back({e->object(), e->type(), e->child()});
  });
  input_.Chord("Tab", XInput::kControl);
  EXPECT_TRUE(WaitFor([&] { return pages->currentIndex() == 0; }));
  EXPECT_EQ(Heard({tabs, QAccessible::StateChanged, 0}), 1);
  EXPECT_EQ(Heard({tabs, QAccessible::StateChanged, 4}), 1);
  EXPECT_EQ(Heard({tabs, QAccessible::Selection, 0}), 1);
  input_.Chord("Tab", XInput::kControl | XInput::kShift);
  EXPECT_TRUE(WaitFor([&] { return pages->currentIndex() == 4; }));
  auto* preview = find<QLineEdit>("se_expv");
  preview->setFocus();
  key("Tab");
  EXPECT_TRUE(WaitFor([&] { return tabs->hasFocus(); }));
  input_.Chord("Tab", XInput::kControl);
  EXPECT_TRUE(WaitFor([&] { return pages->currentIndex() == 0; }));

  auto* periods = find<QLineEdit>("Ed_N");
  periods->setFocus();
  typeInto(periods, "2*12", QStringLiteral("2*12"));
  EXPECT_EQ(periods->accessibleDescription(), QStringLiteral("Expression Value: 24.00"));
  EXPECT_EQ(preview->accessibleDescription(), QStringLiteral("Number of Periods(N)"));
  const int heard = Heard({periods, QAccessible::DescriptionChanged, -1});
  EXPECT_GE(heard, 1);
  typeInto(periods, " ", QStringLiteral("2*12 "));  // the same value: nothing to hear
  typeInto(periods, "0", QStringLiteral("2*12 0"));
  EXPECT_EQ(periods->accessibleDescription(), QStringLiteral("Expression Value: Syntax Error!"));
  EXPECT_EQ(Heard({periods, QAccessible::DescriptionChanged, -1}), heard + 1);
  // The link follows the focus to the next field.
  key("Tab");
  EXPECT_TRUE(WaitFor([&] { return find<QLineEdit>("ed_PMT")->hasFocus(); }));
  EXPECT_TRUE(periods->accessibleDescription().isEmpty());
  EXPECT_EQ(preview->accessibleDescription(), QStringLiteral("Payment(PMT)"));
  QAccessible::installUpdateHandler(nullptr);
}

}  // namespace
}  // namespace quarrant
