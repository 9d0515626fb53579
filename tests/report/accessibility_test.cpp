// Every window through Qt's accessibility interfaces, as the accessibility bridge hands them to
// a screen reader: each control that takes the focus has a name and the role of its kind, the
// page tabs are named page tabs with their selected state and a press action.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>
#include <set>
#include <utility>
#include <vector>

#include "controls/date_edit.h"
#include "controls/page_control.h"
#include "forms/Utfrm_Amortization.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/Utfrm_report.h"
#include "platform/chm_viewer.h"
#include "report/report_preview.h"
#include "report_test_support.h"

namespace quarrant {
namespace {

// The role each kind of control must have, most specific kind first.
const std::pair<const char*, QAccessible::Role> kRoles[] = {
    {"quarrant::PageTabBar", QAccessible::PageTabList},
    {"quarrant::ReportPageView", QAccessible::Document},
    {"QRadioButton", QAccessible::RadioButton},
    {"QAbstractButton", QAccessible::Button},
    {"QAbstractSpinBox", QAccessible::SpinBox},
    {"QComboBox", QAccessible::ComboBox},
    {"QLineEdit", QAccessible::EditableText},
    {"QTableView", QAccessible::Table},
    {"QTreeView", QAccessible::Tree},
    {"QTextBrowser", QAccessible::StaticText},
    {"QLabel", QAccessible::StaticText},  // a message box's selectable text
};

// Checks every control of a window now on screen, once (seen keeps those checked before).
class Walker {
 public:
  void walk(QWidget* window) { visit(QAccessible::queryAccessibleInterface(window), window); }
  std::set<QString> pageTabs;
  int focusable = 0;

 private:
  void visit(QAccessibleInterface* iface, QWidget* window) {
    if (iface == nullptr || iface->state().invisible) return;
    QObject* object = iface->object();
    if (iface->state().focusable && object != nullptr && seen_.insert(object).second) {
      ++focusable;
      check(iface, object, window);
    }
    const QAccessible::Role role = iface->role();
    if (role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::ComboBox)
      return;  // rows and items, not controls
    for (int i = 0; i < iface->childCount(); ++i) visit(iface->child(i), window);
  }

  void check(QAccessibleInterface* iface, QObject* object, QWidget* window) {
    const std::string where = window->windowTitle().toStdString() + " " +
                              object->objectName().toStdString() + " (" +
                              object->metaObject()->className() + ")";
    const auto kind = std::find_if(std::begin(kRoles), std::end(kRoles), [&](const auto& entry) {
      return object->inherits(entry.first);
    });
    if (kind == std::end(kRoles))
      ADD_FAILURE() << where << ": a focusable control of no known kind";
    else if (iface->role() != kind->second)
      ADD_FAILURE() << where << ": role " << iface->role();
    if (iface->role() == QAccessible::PageTabList)
      checkTabs(iface, qobject_cast<PageControl*>(static_cast<QWidget*>(object)->parentWidget()),
                where);
    else if (iface->text(QAccessible::Name).trimmed().isEmpty())
      ADD_FAILURE() << where << ": no name";
  }

  void checkTabs(QAccessibleInterface* list, PageControl* pages, const std::string& where) {
    if (pages == nullptr || list->childCount() != pages->count()) {
      ADD_FAILURE() << where << ": not one page tab per page";
      return;
    }
    for (int i = 0; i < pages->count(); ++i) {
      QAccessibleInterface* tab = list->child(i);
      QAccessibleActionInterface* actions = tab->actionInterface();
      if (tab->role() != QAccessible::PageTab ||
          tab->state().selected != (i == pages->currentIndex()) || actions == nullptr ||
          !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        ADD_FAILURE() << where << ": tab " << i << " is not a page tab";
      pageTabs.insert(tab->text(QAccessible::Name));
    }
  }

  std::set<QObject*> seen_;
};

TEST(Accessibility, EveryWindowNamesItsControlsWithTheirRoles) {
  Walker walker;
  Tfrm_report reportForm;
  Tfrm_ZavuzirEza main;
  main.show();
  auto* pages = main.findChild<PageControl*>("pc_main");
  auto* datePages = main.findChild<PageControl*>("pc_dates");
  for (int page = 0; page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    walker.walk(&main);
  }
  // The second date page shown by pressing its tab as a screen reader does.
  QAccessible::queryAccessibleInterface(datePages->tabBar())
      ->child(1)
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(datePages->currentIndex(), 1);
  walker.walk(&main);
  const int mainControls = walker.focusable;
  // A date field's calendar button takes no focus; a screen reader still names it.
  const QList<DateEdit*> dates = main.findChildren<DateEdit*>();
  EXPECT_EQ(dates.size(), 3);
  for (DateEdit* date : dates) {
    ASSERT_NE(date->calendarButton(), nullptr);
    EXPECT_FALSE(date->accessibleName().isEmpty()) << date->objectName().toStdString();
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(date->calendarButton())->text(QAccessible::Name),
        date->accessibleName() + " calendar");
  }

  QMessageBox box(QMessageBox::Critical, "Error", "Expression Error:2*", QMessageBox::Ok);
  box.show();
  walker.walk(&box);

  Tfrm_Amortization schedule;
  schedule.SetPeriods(24);
  schedule.CalculateSchedule();
  schedule.show();
  walker.walk(&schedule);
  testing::OnModal<ReportPreviewWindow>([&](ReportPreviewWindow* preview) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview->isGenerated(); }));
    walker.walk(preview);
    preview->reject();
  });
  Child<QToolButton>(schedule, "sb_preview")->click();

  QWidget* viewer = HtmlHelpViewer(
      nullptr, qEnvironmentVariable("QUARRANT_BIN_DIR") + QStringLiteral("/Rare.chm"), 0, 0);
  ASSERT_NE(viewer, nullptr);
  walker.walk(viewer);
  closeHelpViewers();

  // Guards the walk itself: a walk that misses the pages would find no faults either.
  EXPECT_GT(mainControls, 60);
  EXPECT_GT(walker.focusable, mainControls + 20);
  EXPECT_EQ(walker.pageTabs,
            (std::set<QString>{"Time Value of Money", "Interest Rate Conversions", "Depreciation",
                               "Cash Flow", "Date Calculator", "One Date", "Two Dates"}));
}

}  // namespace
}  // namespace quarrant
