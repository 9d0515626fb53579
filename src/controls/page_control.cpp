#include "controls/page_control.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

#include "controls/accessible_names.h"

namespace quarrant {

namespace {

constexpr int kTextPadding = 7;  // left and right of a caption inside its tab
constexpr int kRaise = 2;        // how far the active tab stands out above its row
constexpr int kFrame = 2;        // width of the page frame

}  // namespace

// ---------------------------------------------------------------------------------------------
// PageTabBar

PageTabBar::PageTabBar(PageControl* owner) : QWidget(owner), owner_(owner) {
  setObjectName(QStringLiteral("qt_pagecontrol_tabbar"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
  setMouseTracking(true);
  InstallPageTabAccessibility();
}

void PageTabBar::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // The focus is on the selected tab, not on the rows as a whole.
  AnnouncePageTabFocus(this, owner_->currentIndex());
}

int PageTabBar::rowHeight() const {
  return fontMetrics().height() + 4;
}

int PageTabBar::tabWidth(int index) const {
  return fontMetrics().horizontalAdvance(WithoutAccessKeys(owner_->tabText(index))) +
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
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QPalette& pal = palette();
  auto pick = [](const QColor& skinned, const QColor& fallback) {
    return skinned.isValid() ? skinned : fallback;
  };
  const QColor page = pick(activeTabColor_, pal.color(QPalette::Window));
  const QColor inactive = pick(tabColor_, page.darker(108));
  const QColor hover = pick(hoverTabColor_, page.darker(102));
  const QColor border = pick(borderColor_, pal.color(QPalette::Dark));
  const QColor light = page.lighter(110);
  const QColor text = pick(textColor_, pal.color(QPalette::WindowText));
  const int current = owner_->currentIndex();
  const int hovered = hovered_;

  // The top line of the page frame runs along the bottom of the bar.
  painter.setPen(border);
  painter.drawLine(0, height() - 1, width() - 1, height() - 1);

  auto drawTab = [&](int index) {
    const bool active = index == current;
    QRect r = rects_.at(index);
    if (active) r.adjust(-kRaise, -kRaise, kRaise, 0);
    r.setBottom(active ? height() - 1 : r.bottom());
    QPainterPath outline;
    outline.moveTo(r.left(), r.bottom() + (active ? 1 : 0));
    outline.lineTo(r.left(), r.top() + 2);
    outline.lineTo(r.left() + 2, r.top());
    outline.lineTo(r.right() - 2, r.top());
    outline.lineTo(r.right(), r.top() + 2);
    outline.lineTo(r.right(), r.bottom() + (active ? 1 : 0));
    painter.fillPath(outline, active ? page : (index == hovered ? hover : inactive));
    painter.setPen(light);
    painter.drawLine(r.left() + 1, r.bottom(), r.left() + 1, r.top() + 2);
    painter.drawLine(r.left() + 2, r.top() + 1, r.right() - 2, r.top() + 1);
    painter.setPen(border);
    painter.drawPath(outline);

    QPalette textPalette = pal;
    textPalette.setColor(QPalette::WindowText, text);
    painter.setFont(font());
    const QRect textRect = rects_.at(index).adjusted(0, active ? -1 : 0, 0, 0);
    style()->drawItemText(&painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, textPalette,
                          isEnabled(), owner_->tabText(index), QPalette::WindowText);
    if (active && hasFocus()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      const int textWidth =
          fontMetrics().horizontalAdvance(WithoutAccessKeys(owner_->tabText(index)));
      focus.rect = QRect(textRect.center().x() - textWidth / 2 - 3, textRect.top() + 3,
                         textWidth + 6, textRect.height() - 5);
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
  };

  for (int i = 0; i < rects_.size(); ++i)
    if (i != current) drawTab(i);
  if (current >= 0 && current < rects_.size()) drawTab(current);
}

// ---------------------------------------------------------------------------------------------
// PageControl

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabBar_(new PageTabBar(this)), stack_(new QStackedWidget(this)) {
  stack_->setObjectName(QStringLiteral("qt_pagecontrol_stack"));
  setFocusPolicy(Qt::NoFocus);
  setFocusProxy(tabBar_);
}

int PageControl::addPage(QWidget* page, const QString& caption) {
  pages_.append(page);
  captions_.append(caption);
  stack_->addWidget(page);
  page->setAutoFillBackground(false);
  const int index = count() - 1;
  if (current_ < 0) {
    current_ = 0;
    stack_->setCurrentIndex(0);
  }
  relayout();
  if (index == current_) emit currentChanged(current_);
  return index;
}

QWidget* PageControl::addPage(const QString& objectName, const QString& caption) {
  auto* page = new QWidget;
  page->setObjectName(objectName);
  addPage(page, caption);
  return page;
}

QWidget* PageControl::widget(int index) const {
  return index >= 0 && index < count() ? pages_.at(index) : nullptr;
}

int PageControl::indexOf(const QWidget* page) const {
  for (int i = 0; i < count(); ++i)
    if (pages_.at(i) == page) return i;
  return -1;
}

QString PageControl::tabText(int index) const {
  return index >= 0 && index < count() ? captions_.at(index) : QString();
}

void PageControl::setTabText(int index, const QString& caption) {
  if (index < 0 || index >= count()) return;
  captions_[index] = caption;
  relayout();
}

void PageControl::setCurrentIndex(int index) {
  if (index < 0 || index >= count() || index == current_) return;
  const int previous = current_;
  current_ = index;
  stack_->setCurrentIndex(index);
  relayout();
  AnnouncePageChange(tabBar_, previous, index);
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
  // Page frame below the tab rows: light left edge, dark right and bottom edges.
  QPainter painter(this);
  const QColor page = pageColor_.isValid() ? pageColor_ : palette().color(QPalette::Window);
  const QColor border = borderColor_.isValid() ? borderColor_ : palette().color(QPalette::Dark);
  const QRect frame(0, tabBar_->height() - 1, width() - 1, height() - tabBar_->height());
  painter.fillRect(frame.adjusted(1, 1, 0, 0), page);
  painter.setPen(border);
  painter.drawLine(frame.topRight(), frame.bottomRight());
  painter.drawLine(frame.bottomLeft(), frame.bottomRight());
  painter.drawLine(frame.topLeft(), frame.bottomLeft());
  painter.setPen(page.lighter(110));
  painter.drawLine(frame.left() + 1, frame.top() + 1, frame.left() + 1, frame.bottom() - 1);
}

void PageControl::switchPagesFromWholeWindow() {
  // Window shortcuts come before any control's own keys, so an inner page control or a list
  // cannot keep these.
  auto* next = new QShortcut(this);
  next->setKey(QKeySequence(Qt::CTRL | Qt::Key_Tab));
  connect(next, &QShortcut::activated, this, [this] {
    if (count() > 0) setCurrentIndex((current_ + 1) % count());
  });
  auto* previous = new QShortcut(this);
  previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)});
  connect(previous, &QShortcut::activated, this, [this] {
    if (count() > 0) setCurrentIndex((current_ - 1 + count()) % count());
  });
  for (QShortcut* shortcut : {next, previous}) shortcut->setContext(Qt::WindowShortcut);
}

void PageControl::keyPressEvent(QKeyEvent* event) {
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  const int n = count();
  if (ctrl && n > 0) {
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown) {
      setCurrentIndex((current_ + 1) % n);
      return;
    }
    if (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp) {
      setCurrentIndex((current_ - 1 + n) % n);
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

}  // namespace quarrant
