#pragma once
// PageControl: pages with tabs above them, the tabs wrapping into as many rows as the width
// needs so that every caption stays readable at once. As on the classic multi-row tab
// control, the row holding the active tab always sits next to the page; rows keep their
// cyclic order. Pages keep their contents when another page is shown.
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class QStackedWidget;

namespace quarrant {

class PageControl;

// The tab rows of a PageControl. The control lays the tabs out itself; the style draws each
// one (a style sheet reaches them as quarrant--PageTabBar::tab).
class PageTabBar : public QWidget {
  Q_OBJECT

 public:
  explicit PageTabBar(PageControl* owner);

  // Tab rectangles in this widget's coordinates, for the current width and active page.
  QRect tabRect(int index) const;
  int tabAt(const QPoint& position) const;
  int rowCount() const { return rowCount_; }
  int rowHeight() const;
  // Height the rows need at the given width.
  int heightForWidth(int width) const override;
  bool hasHeightForWidth() const override { return true; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  void relayout();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  struct Layout {
    QList<QRect> rects;
    int rows = 0;
  };
  Layout computeLayout(int width) const;
  int tabWidth(int index) const;

  PageControl* owner_;
  QList<QRect> rects_;
  int rowCount_ = 0;
  int hovered_ = -1;
};

// The pages are the widgets of a stacked widget, which alone keeps their order and which of
// them is shown; each page carries its tab caption. The style draws the frame around the pages
// (a style sheet reaches it as quarrant--PageControl::pane).
class PageControl : public QWidget {
  Q_OBJECT

 public:
  explicit PageControl(QWidget* parent = nullptr);

  // Appends a page (reparented into the control) with its tab caption; returns its index.
  int addPage(QWidget* page, const QString& caption);
  // Creates an empty page with the given object name and caption.
  QWidget* addPage(const QString& objectName, const QString& caption);

  int count() const;
  QWidget* widget(int index) const;
  int indexOf(const QWidget* page) const;
  QString tabText(int index) const;
  void setTabText(int index, const QString& caption);

  int currentIndex() const;
  QWidget* currentWidget() const { return widget(currentIndex()); }
  void setCurrentIndex(int index);
  void setCurrentWidget(QWidget* page) { setCurrentIndex(indexOf(page)); }

  PageTabBar* tabBar() const { return tabBar_; }
  // Font of the tab captions only; the pages keep the font they are given.
  void setTabFont(const QFont& font);
  // The rectangle the pages occupy, in this widget's coordinates.
  QRect pageRect() const;
  // Ctrl+Tab and Ctrl+Shift+Tab switch this control's pages wherever the focus is in its
  // window, also inside another page control on one of its pages.
  void switchPagesFromWholeWindow();

 signals:
  void currentChanged(int index);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void relayout();
  // Shows the page step places on, wrapping round at either end.
  void stepPage(int step);

  PageTabBar* tabBar_;
  QStackedWidget* stack_;

  friend class PageTabBar;
};

// Assistive technology (page_control_accessible.cpp): the tab rows are a list of page tabs.
void installPageTabAccessibility();
// Tells a screen reader that the tab of page current has the focus.
void announcePageTabFocus(PageTabBar* bar, int current);
// Tells a screen reader that the selected page changed from previous (or -1) to current.
void announcePageChange(PageTabBar* bar, int previous, int current);

}  // namespace quarrant
