// What a screen reader sees of every window, read over the AT-SPI bus by a client process of
// its own (atspi_walk), as Orca reads it: every control that takes the focus has a name and a
// role that says what it is, and the page tabs are named page tabs that can be pressed.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_report.h"
#include "platform/chm_viewer.h"
#include "real_input_fixture.h"
#include "report/report_preview.h"

namespace quarrant {
namespace {

struct SeenObject {
  QString role, name, description, flags;
  bool focusable() const { return flags.contains(QLatin1Char('f')); }
};

// Runs atspi_walk while this program's event loop goes on answering its questions.
QStringList Walk(const QStringList& arguments) {
  QProcess walker;
  walker.start(QStringLiteral(QUARRANT_ATSPI_WALK),
               QStringList{arguments.front(), QString::number(QApplication::applicationPid())} +
                   arguments.mid(1));
  EXPECT_TRUE(WaitFor([&] { return walker.state() == QProcess::NotRunning; }));
  EXPECT_EQ(walker.exitCode(), 0) << walker.readAllStandardError().toStdString();
  return QString::fromUtf8(walker.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// A control a screen reader can land on needs a name, and a role that is not a mere container.
// A page-tab list stands for its tabs, which carry the names.
QString FaultOf(const SeenObject& object) {
  static const std::set<QString> kContainers = {"filler", "panel", "unknown", "invalid",
                                                "redundant object"};
  if (!object.focusable() || object.role == QLatin1String("page tab list")) return {};
  if (kContainers.count(object.role)) return QStringLiteral("role ") + object.role;
  if (object.name.trimmed().isEmpty()) return QStringLiteral("no name");
  return {};
}

class ScreenReaderTest : public RealInputTest {
 protected:
  // Notes what is on screen now, window by window (a control seen on several pages once).
  void look() {
    for (const QString& line : Walk({QStringLiteral("dump")})) {
      const QStringList f = line.split('\t');
      if (f.size() < 6) continue;
      seen_[f[0]][f[1]] = SeenObject{f[2], f[3], f[4], f[5]};
    }
  }

  std::map<QString, std::map<QString, SeenObject>> seen_;
};

TEST_F(ScreenReaderTest, EveryWindowNamesItsControlsAndPageTabs) {
  Tfrm_report reportForm;
  auto* pages = find<PageControl>("pc_main");
  auto* datePages = find<PageControl>("pc_dates");
  for (int page = 0; page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    look();
  }
  datePages->setCurrentIndex(1);
  look();
  datePages->setCurrentIndex(0);
  // A page tab pressed through the bus shows its page.
  Walk({QStringLiteral("press"), QStringLiteral("page tab"), QStringLiteral("Two Dates")});
  EXPECT_TRUE(WaitFor([&] { return datePages->currentIndex() == 1; }));
  pages->setCurrentIndex(0);

  // A message box: a bad expression read by a solve button.
  find<QLineEdit>("ed_PMT")->setText(QStringLiteral("2*"));
  whenModal<QMessageBox>([&](QMessageBox* box) {
    look();
    box->accept();
  });
  find<QPushButton>("sb_PV")->click();

  // The amortization window and, from it, the print preview.
  find<QLineEdit>("Ed_N")->setText(QStringLiteral("12"));
  find<QLineEdit>("ed_I")->setText(QStringLiteral("6"));
  find<QLineEdit>("ed_PV")->setText(QStringLiteral("1000"));
  whenModal<Tfrm_Amortization>([&](Tfrm_Amortization* schedule) {
    look();
    whenModal<ReportPreviewWindow>([&](ReportPreviewWindow* preview) {
      EXPECT_TRUE(WaitFor([&] { return preview->IsGenerated(); }));
      look();
      preview->reject();
    });
    schedule->sb_preview->click();
    schedule->reject();
  });
  find<QPushButton>("sb_Amortization")->click();

  // The help viewer.
  find<QPushButton>("sb_help")->click();
  QWidget* viewer = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (dynamic_cast<HelpViewerWindow*>(w) != nullptr && w->isVisible()) viewer = w;
    return viewer != nullptr && QTest::qWaitForWindowExposed(viewer);
  }));
  look();
  viewer->close();

  // The counts a screen reader meets, then every fault.
  std::set<QString> pageTabs;
  for (const auto& [window, objects] : seen_) {
    int named = 0, unnamed = 0;
    for (const auto& [path, object] : objects) {
      if (object.role == QLatin1String("page tab")) pageTabs.insert(object.name);
      if (!object.focusable() || object.role == QLatin1String("page tab list")) continue;
      ++(object.name.trimmed().isEmpty() ? unnamed : named);
      const QString fault = FaultOf(object);
      EXPECT_TRUE(fault.isEmpty())
          << window.toStdString() << " " << path.toStdString() << " " << object.role.toStdString()
          << " \"" << object.name.toStdString() << "\": " << fault.toStdString();
    }
    std::printf("AT-SPI  %-28s focusable %3d  named %3d  unnamed %3d\n",
                window.toUtf8().constData(), named + unnamed, named, unnamed);
  }
  EXPECT_EQ(seen_.size(), 5u) << "main window, message box, amortization, preview, help";
  const std::set<QString> captions = {"Time Value of Money",
                                      "Interest Rate Conversions",
                                      "Depreciation",
                                      "Cash Flow",
                                      "Date Calculator",
                                      "One Date",
                                      "Two Dates"};
  for (const QString& caption : captions)
    EXPECT_TRUE(pageTabs.count(caption)) << "no page tab \"" << caption.toStdString() << "\"";
}

// The events a screen reader hears, kept by object, type and child while the log lives.
struct HeardEvent {
  QObject* object;
  QAccessible::Event type;
  int child;
};
std::vector<HeardEvent> g_heard;

class EventLog {
 public:
  EventLog() {
    g_heard.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
      g_heard.push_back({e->object(), e->type(), e->child()});
    });
  }
  ~EventLog() { QAccessible::installUpdateHandler(nullptr); }
  int count(QObject* object, QAccessible::Event type, int child = -1) const {
    return static_cast<int>(std::count_if(g_heard.begin(), g_heard.end(), [&](const HeardEvent& e) {
      return e.object == object && e.type == type && e.child == child;
    }));
  }
};

// Keys alone: Ctrl+Tab from inside the date page's page control switches the main pages, and a
// screen reader hears the new tab selected; typing into a value field changes the field's
// description to the preview's value only when that value changes.
TEST_F(ScreenReaderTest, PageChangesAndPreviewValuesAreAnnounced) {
  ASSERT_TRUE(QAccessible::isActive()) << "no screen reader listens: the bridge is off";
  ASSERT_TRUE(WaitFor([&] { return window_->isActiveWindow(); }));
  auto* pages = find<PageControl>("pc_main");
  PageTabBar* tabs = pages->tabBar();
  pages->setCurrentIndex(4);
  find<PageControl>("pc_dates")->tabBar()->setFocus();
  EventLog log;
  input_.Chord("Tab", XInput::kControl);
  ASSERT_TRUE(WaitFor([&] { return pages->currentIndex() == 0; }));
  EXPECT_EQ(log.count(tabs, QAccessible::StateChanged, 0), 1);
  EXPECT_EQ(log.count(tabs, QAccessible::StateChanged, 4), 1);
  EXPECT_EQ(log.count(tabs, QAccessible::Selection, 0), 1);
  input_.Chord("Tab", XInput::kControl | XInput::kShift);
  EXPECT_TRUE(WaitFor([&] { return pages->currentIndex() == 4; }));
  // On the date page, Tab from the last control of the window comes round to the page tabs.
  find<QLineEdit>("se_expv")->setFocus();
  key("Tab");
  EXPECT_TRUE(WaitFor([&] { return tabs->hasFocus(); }))
      << QApplication::focusWidget()->objectName().toStdString();
  input_.Chord("Tab", XInput::kControl);
  ASSERT_TRUE(WaitFor([&] { return pages->currentIndex() == 0; }));

  auto* periods = find<QLineEdit>("Ed_N");
  auto* preview = find<QLineEdit>("se_expv");
  periods->setFocus();
  typeInto(periods, "2*12", QStringLiteral("2*12"));
  EXPECT_EQ(periods->accessibleDescription(), QStringLiteral("Expression Value: 24.00"));
  EXPECT_EQ(preview->accessibleDescription(), QStringLiteral("Number of Periods(N)"));
  const int heard = log.count(periods, QAccessible::DescriptionChanged);
  EXPECT_GE(heard, 1);
  typeInto(periods, " ", QStringLiteral("2*12 "));  // the same value: nothing to hear
  EXPECT_EQ(log.count(periods, QAccessible::DescriptionChanged), heard);
  typeInto(periods, "0", QStringLiteral("2*12 0"));
  EXPECT_EQ(periods->accessibleDescription(), QStringLiteral("Expression Value: Syntax Error!"));
  EXPECT_EQ(log.count(periods, QAccessible::DescriptionChanged), heard + 1);
  // The link follows the focus to the next field.
  key("Tab");
  ASSERT_TRUE(WaitFor([&] { return find<QLineEdit>("ed_PMT")->hasFocus(); }));
  EXPECT_TRUE(periods->accessibleDescription().isEmpty());
  EXPECT_EQ(preview->accessibleDescription(), QStringLiteral("Payment(PMT)"));
}

}  // namespace
}  // namespace quarrant
