#include "controls/page_control.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QVariant>

#include <algorithm>

#include "controls/accessible_names.h"

namespace quarrant {

namespace {

constexpr int kTextPadding = 7;  // left and right of a caption inside its tab
constexpr int kRaise = 2;        // how far the active tab stands out above its row
constexpr int kFrame = 2;        // width of the page frame
// The dynamic property of a page that holds its tab caption: the caption travels with its
// page, so no list beside the stack has to follow it.
constexpr char kCaptionProperty[] = "pageCaption";

}  // namespace

// ---------------------------------------------------------------------------------------------
// PageTabBar

PageTabBar::PageTabBar(PageControl* owner) : QWidget(owner), owner_(owner) {
  setObjectName(QStringLiteral("pagecontrol_tabbar"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
  setMouseTracking(true);
  installPageTabAccessibility();
}

void PageTabBar::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // The focus is on the selected tab, not on the rows as a whole.
  announcePageTabFocus(this, owner_->currentIndex());
}

int PageTabBar::rowHeight() const {
  return fontMetrics().height() + 4;
}

int PageTabBar::tabWidth(int index) const {
  return fontMetrics().horizontalAdvance(withoutAccessKeys(owner_->tabText(index))) +
         2 * kTextPadding;
}

PageTabBar::Layout PageTabBar::computeLayout(int width) const {
  Layout layout;
  const int n = owner_->count();
  if (n == 0) return layout;
  const int usable = qMax(width - 2 * kRaise, 1);

  // Fill rows left to right, starting a new row when the next tab does not fit.
  QList<QList<int>> rows;
  int used = 0;
  for (int i = 0; i < n; ++i) {
    const int w = qMin(tabWidth(i), usable);
    if (rows.isEmpty() || used + w > usable) {
      rows.append(QList<int>());
      used = 0;
    }
    rows.last().append(i);
    used += w;
  }
  layout.rows = static_cast<int>(rows.size());

  // The row of the active tab goes to the bottom, next to the page; the others follow it
  // cyclically from the top.
  int activeRow = 0;
  for (int r = 0; r < layout.rows; ++r)
    if (rows.at(r).contains(owner_->currentIndex())) activeRow = r;

  const int h = rowHeight();
  layout.rects.resize(n);
  for (int r = 0; r < layout.rows; ++r) {
    const int displayRow = (r - activeRow - 1 + 2 * layout.rows) % layout.rows;
    const QList<int>& row = rows.at(r);
    int natural = 0;
    for (int index : row) natural += qMin(tabWidth(index), usable);
    // With several rows every row is stretched to the full width, as multi-row tabs are.
    const int extra = layout.rows > 1 ? usable - natural : 0;
    int x = kRaise;
    for (int k = 0; k < row.size(); ++k) {
      const int index = row.at(k);
      int w = qMin(tabWidth(index), usable);
      if (extra > 0) w += extra / row.size() + (k < extra % row.size() ? 1 : 0);
      layout.rects[index] = QRect(x, kRaise + displayRow * h, w, h);
      x += w;
    }
  }
  return layout;
}

int PageTabBar::heightForWidth(int width) const {
  const Layout layout = computeLayout(width);
  return kRaise + qMax(layout.rows, 1) * rowHeight();
}

QSize PageTabBar::sizeHint() const {
  int total = 2 * kRaise;
  for (int i = 0; i < owner_->count(); ++i) total += tabWidth(i);
  return {total, kRaise + rowHeight()};
}

QSize PageTabBar::minimumSizeHint() const {
  return {0, kRaise + rowHeight()};
}

void PageTabBar::relayout() {
  const Layout layout = computeLayout(width());
  rects_ = layout.rects;
  rowCount_ = layout.rows;
  update();
}

QRect PageTabBar::tabRect(int index) const {
  if (index < 0 || index >= rects_.size()) return {};
  return rects_.at(index);
}

int PageTabBar::tabAt(const QPoint& position) const {
  for (int i = 0; i < rects_.size(); ++i) {
    QRect hit = rects_.at(i);
    if (i == owner_->currentIndex()) hit.adjust(-kRaise, -kRaise, kRaise, 0);
    if (hit.contains(position)) return i;
  }
  return -1;
}

void PageTabBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  relayout();
}

void PageTabBar::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    relayout();
    owner_->relayout();
  }
}

void PageTabBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const int index = tabAt(event->position().toPoint());
  if (index >= 0) owner_->setCurrentIndex(index);
}

void PageTabBar::mouseMoveEvent(QMouseEvent* event) {
  const int index = tabAt(event->position().toPoint());
  if (index != hovered_) {
    hovered_ = index;
    update();
  }
  QWidget::mouseMoveEvent(event);
}

void PageTabBar::leaveEvent(QEvent* event) {
  hovered_ = -1;
  update();
  QWidget::leaveEvent(event);
}

void PageTabBar::keyPressEvent(QKeyEvent* event) {
  const int n = owner_->count();
  if (n == 0) return QWidget::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      owner_->setCurrentIndex(qMax(owner_->currentIndex() - 1, 0));
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      owner_->setCurrentIndex(qMin(owner_->currentIndex() + 1, n - 1));
      break;
    case Qt::Key_Home:
      owner_->setCurrentIndex(0);
      break;
    case Qt::Key_End:
      owner_->setCurrentIndex(n - 1);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void PageTabBar::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  const int current = owner_->currentIndex();
  const int n = static_cast<int>(rects_.size());
  // Tabs of one row are consecutive pages at the same height.
  auto sameRow = [&](int a, int b) {
    return b >= 0 && b < n && rects_.at(a).top() == rects_.at(b).top();
  };
  auto drawTab = [&](int index) {
    QStyleOptionTab tab;
    tab.initFrom(this);
    tab.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    tab.shape = QTabBar::RoundedNorth;
    tab.text = owner_->tabText(index);
    tab.rect = rects_.at(index);
    const bool first = !sameRow(index, index - 1);
    const bool last = !sameRow(index, index + 1);
    tab.position = first && last ? QStyleOptionTab::OnlyOneTab
                   : first       ? QStyleOptionTab::Beginning
                   : last        ? QStyleOptionTab::End
                                 : QStyleOptionTab::Middle;
    if (current == index + 1 && !last) tab.selectedPosition = QStyleOptionTab::NextIsSelected;
    if (current == index - 1 && !first) tab.selectedPosition = QStyleOptionTab::PreviousIsSelected;
    if (index == current) {
      // The active tab stands out above its row and joins the page below it.
      tab.state |= QStyle::State_Selected;
      if (hasFocus()) tab.state |= QStyle::State_HasFocus;
      tab.rect.adjust(-kRaise, -kRaise, kRaise, 0);
    }
    if (index == hovered_) tab.state |= QStyle::State_MouseOver;
    painter.drawControl(QStyle::CE_TabBarTab, tab);
  };
  for (int i = 0; i < n; ++i)
    if (i != current) drawTab(i);
  if (current >= 0 && current < n) drawTab(current);
}

// ---------------------------------------------------------------------------------------------
// PageControl

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabBar_(new PageTabBar(this)), stack_(new QStackedWidget(this)) {
  stack_->setObjectName(QStringLiteral("pagecontrol_stack"));
  setFocusPolicy(Qt::NoFocus);
  setFocusProxy(tabBar_);
  // A page deleted from outside leaves the stack, and its tab goes with it.
  connect(stack_, &QStackedWidget::widgetRemoved, this, &PageControl::relayout);
}

int PageControl::addPage(QWidget* page, const QString& caption) {
  page->setProperty(kCaptionProperty, caption);
  page->setAutoFillBackground(false);
  // The stack shows its first page by itself.
  const int index = stack_->addWidget(page);
  relayout();
  if (index == currentIndex()) emit currentChanged(index);
  return index;
}

QWidget* PageControl::addPage(const QString& objectName, const QString& caption) {
  auto* page = new QWidget;
  page->setObjectName(objectName);
  addPage(page, caption);
  return page;
}

int PageControl::count() const {
  return stack_->count();
}

QWidget* PageControl::widget(int index) const {
  return stack_->widget(index);
}

int PageControl::indexOf(const QWidget* page) const {
  return stack_->indexOf(page);
}

int PageControl::currentIndex() const {
  return stack_->currentIndex();
}

QString PageControl::tabText(int index) const {
  const QWidget* page = widget(index);
  return page != nullptr ? page->property(kCaptionProperty).toString() : QString();
}

void PageControl::setTabText(int index, const QString& caption) {
  QWidget* page = widget(index);
  if (page == nullptr) return;
  page->setProperty(kCaptionProperty, caption);
  relayout();
}

void PageControl::setCurrentIndex(int index) {
  const int previous = currentIndex();
  if (index < 0 || index >= count() || index == previous) return;
  stack_->setCurrentIndex(index);
  relayout();
  announcePageChange(tabBar_, previous, index);
  emit currentChanged(index);
}

void PageControl::setTabFont(const QFont& font) {
  tabBar_->setFont(font);
}

QRect PageControl::pageRect() const {
  return stack_->geometry();
}

void PageControl::relayout() {
  const int barHeight = tabBar_->heightForWidth(width());
  tabBar_->setGeometry(0, 0, width(), barHeight);
  tabBar_->relayout();
  const int top = barHeight;  // the bar's last line is the frame's top line
  stack_->setGeometry(kFrame, top + kFrame - 1, qMax(width() - 2 * kFrame, 0),
                      qMax(height() - top - 2 * kFrame + 1, 0));
  update();
}

void PageControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  relayout();
}

void PageControl::paintEvent(QPaintEvent*) {
  // The frame around the pages; its top line runs under the bottom row of tabs, where the
  // active tab covers it.
  QStylePainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.shape = QTabBar::RoundedNorth;
  const int top = tabBar_->height() - 1;
  frame.rect = QRect(0, top, width(), height() - top);
  frame.tabBarSize = tabBar_->size();
  frame.tabBarRect = tabBar_->geometry();
  frame.selectedTabRect = tabBar_->tabRect(currentIndex());
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

void PageControl::switchPagesFromWholeWindow() {
  // Window shortcuts come before any control's own keys, so an inner page control or a list
  // cannot keep these.
  auto* next = new QShortcut(this);
  next->setKey(QKeySequence(Qt::CTRL | Qt::Key_Tab));
  connect(next, &QShortcut::activated, this, [this] { stepPage(1); });
  auto* previous = new QShortcut(this);
  previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
  connect(previous, &QShortcut::activated, this, [this] { stepPage(-1); });
  for (QShortcut* shortcut : {next, previous}) shortcut->setContext(Qt::WindowShortcut);
}

void PageControl::stepPage(int step) {
  const int n = count();
  if (n > 0) setCurrentIndex(((currentIndex() + step) % n + n) % n);
}

void PageControl::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & Qt::ControlModifier) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown) {
      stepPage(1);
      return;
    }
    if (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp) {
      stepPage(-1);
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

}  // namespace quarrant
