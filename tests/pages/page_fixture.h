#pragma once
// Drives the main window in GUI tests: finds controls by object name, clicks and types into
// them, and answers the modal message boxes that handlers show (recording what they said).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "controls/page_control.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "qstring_printer.h"

namespace quarrant::testing_support {

struct ShownMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon;
};

// Closes every message box that becomes modal while it lives, keeping what it showed.
class MessageBoxCloser {
 public:
  MessageBoxCloser() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      shown_.push_back({box->windowTitle(), box->text(), box->icon()});
      box->button(QMessageBox::Ok) != nullptr ? box->button(QMessageBox::Ok)->click()
                                              : box->reject();
    });
    timer_.start();
  }
  const std::vector<ShownMessage>& shown() const { return shown_; }
  void clear() { shown_.clear(); }

 private:
  QTimer timer_;
  std::vector<ShownMessage> shown_;
};

class PageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<Tfrm_ZavuzirEza>();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  void TearDown() override { window_.reset(); }

  Tfrm_ZavuzirEza& window() { return *window_; }

  template <class T = QWidget>
  T* find(const char* name) {
    T* widget = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  void showPage(const char* pageName) {
    window_->pc_main->setCurrentWidget(find<QWidget>(pageName));
    QApplication::processEvents();
  }

  // A mouse click, which also moves the focus to the button as a user's click does.
  void click(const char* buttonName) {
    auto* button = find<QPushButton>(buttonName);
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // Replaces a field's text the way a user does: focus, select all, type.
  void type(const char* fieldName, const QString& keys) {
    auto* field = find<QWidget>(fieldName);
    field->setFocus(Qt::MouseFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
    if (keys.isEmpty())
      QTest::keyClick(field, Qt::Key_Delete);
    else
      QTest::keyClicks(field, keys);
  }

  QString text(const char* fieldName) { return find<QLineEdit>(fieldName)->text(); }

  MessageBoxCloser messages_;

 private:
  std::unique_ptr<Tfrm_ZavuzirEza> window_;
};

}  // namespace quarrant::testing_support
