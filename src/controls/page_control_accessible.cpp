// The page control as assistive technology sees it: the tab rows are a page-tab list whose
// children are the page tabs, each named by its caption, selected while its page is shown and
// pressed to show it. Switching pages tells a screen reader which tab is selected now.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <vector>

#include "controls/accessible_names.h"
#include "controls/page_control.h"

namespace quarrant {

namespace {

PageControl* OwnerOf(const PageTabBar* bar) {
  return bar != nullptr ? qobject_cast<PageControl*>(bar->parentWidget()) : nullptr;
}

// One tab. It has no object of its own; the list keeps it registered while the list lives.
class PageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  PageTabAccessible(PageTabBar* bar, int index) : bar_(bar), index_(index) {}

  bool isValid() const override {
    const PageControl* owner = OwnerOf(bar_);
    return owner != nullptr && index_ < owner->count();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation) const override {
    return {};
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(bar_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid()) return {};
    return withoutAccessKeys(OwnerOf(bar_)->tabText(index_));
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect tab = bar_->tabRect(index_);
    return QRect(bar_->mapToGlobal(tab.topLeft()), tab.size());
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    const bool current = OwnerOf(bar_)->currentIndex() == index_;
    s.focusable = true;
    s.selectable = true;
    s.selected = current;
    s.focused = current && bar_->hasFocus();
    s.invisible = !bar_->isVisible();
    s.disabled = !bar_->isEnabled();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && isValid()) OwnerOf(bar_)->setCurrentIndex(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<PageTabBar> bar_;
  int index_;
};

class PageTabListAccessible : public QAccessibleWidget {
 public:
  explicit PageTabListAccessible(PageTabBar* bar)
      : QAccessibleWidget(bar, QAccessible::PageTabList) {}
  ~PageTabListAccessible() override {
    for (QAccessible::Id id : tabs_)
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override {
    const PageControl* owner = OwnerOf(bar());
    return owner != nullptr ? owner->count() : 0;
  }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    if (tabs_.size() <= static_cast<size_t>(index)) tabs_.resize(static_cast<size_t>(index) + 1);
    QAccessible::Id& id = tabs_[static_cast<size_t>(index)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new PageTabAccessible(bar(), index));
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i)
      if (this->child(i) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const int index = bar()->tabAt(bar()->mapFromGlobal(QPoint(x, y)));
    return index >= 0 ? child(index) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const PageControl* owner = OwnerOf(bar());
    return owner != nullptr && bar()->hasFocus() ? child(owner->currentIndex()) : nullptr;
  }

 private:
  PageTabBar* bar() const { return static_cast<PageTabBar*>(widget()); }
  mutable std::vector<QAccessible::Id> tabs_;
};

QAccessibleInterface* PageTabListFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(PageTabBar::staticMetaObject.className()) &&
      object->isWidgetType())
    return new PageTabListAccessible(static_cast<PageTabBar*>(object));
  return nullptr;
}

void Notify(QAccessibleEvent&& event, int tab) {
  event.setChild(tab);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

void installPageTabAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(PageTabListFactory);
    return true;
  }();
  (void)installed;
}

void announcePageTabFocus(PageTabBar* bar, int current) {
  if (current >= 0) Notify(QAccessibleEvent(bar, QAccessible::Focus), current);
}

void announcePageChange(PageTabBar* bar, int previous, int current) {
  if (!QAccessible::isActive()) return;
  QAccessible::State selected;
  selected.selected = true;
  if (previous >= 0) Notify(QAccessibleStateChangeEvent(bar, selected), previous);
  Notify(QAccessibleStateChangeEvent(bar, selected), current);
  Notify(QAccessibleEvent(bar, QAccessible::Selection), current);
  if (bar->hasFocus()) announcePageTabFocus(bar, current);
}

}  // namespace quarrant
