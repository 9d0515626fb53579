#pragma once
// Drives the main window in GUI tests: controls are found by object name, message boxes are
// read and closed by a MessageCatcher.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <ostream>
#include <vector>

#include "controls/page_control.h"
#include "controls/radio_group.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "support/error_report.h"
#include "support/find_child.h"
#include "support/message_catcher.h"
#include "support/qstring_print.h"

namespace quarrant::test {

using test::Message;
using test::MessageCatcher;

// A box of a handler of the window: caption "Error", stop icon.
inline Message ErrorBox(const char* text) {
  return {QStringLiteral("Error"), QString::fromUtf8(text), QMessageBox::Critical};
}
// The program-wide error report: the application title as caption, stop icon.
inline Message ProgramReport(const char* text) {
  return {ApplicationTitle(), QString::fromUtf8(text), QMessageBox::Critical};
}

class WindowTest : public ::testing::Test {
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
    return Child<T>(*window_, name);
  }

  void showPage(const char* pageName) {
    find<PageControl>("pc_main")->setCurrentWidget(find<QWidget>(pageName));
    QApplication::processEvents();
  }

  // A mouse click, which moves the focus to the button as a user's click does.
  void click(const char* buttonName) {
    QTest::mouseClick(find<QPushButton>(buttonName), Qt::LeftButton);
  }

  // Sets a field's text as the program does (the change handler runs).
  void set(const char* fieldName, const char* text) {
    find<QLineEdit>(fieldName)->setText(QString::fromUtf8(text));
  }

  // Replaces the text of an edit or spin box as a user does: focus, select all, type.
  void type(const char* fieldName, const QString& keys) {
    auto* field = find<QWidget>(fieldName);
    field->setFocus(Qt::TabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
    if (keys.isEmpty())
      QTest::keyClick(field, Qt::Key_Delete);
    else
      QTest::keyClicks(field, keys);
  }

  QString text(const char* fieldName) { return find<QLineEdit>(fieldName)->text(); }
  void select(const char* groupName, int index) {
    find<RadioGroup>(groupName)->setItemIndex(index);
  }
  void setDigits(int index) { find<QComboBox>("cb_digits")->setCurrentIndex(index); }

  MessageCatcher messages_;

 private:
  std::unique_ptr<Tfrm_ZavuzirEza> window_;
};

}  // namespace quarrant::test
