#pragma once
// The fixture of the real-input journeys: the main window shown on the real X display, input
// sent through the X server, controls found by name, modal windows driven from a timer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

#include "controls/page_control.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/Utfrm_report.h"
#include "platform/help_viewer_window.h"
#include "support/qstring_print.h"
#include "x_session.h"

namespace quarrant {

using realinput::XInput;

// Generous: the suite must hold on a loaded two-core machine and under the sanitizers.
constexpr int kTimeoutMs = 20000;

inline bool WaitFor(const std::function<bool()>& condition) {
  return QTest::qWaitFor(condition, kTimeoutMs);
}

class RealInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(input_.ok()) << "no XTEST on the display";
    window_ = std::make_unique<Tfrm_ZavuzirEza>();
    window_->setReportForm(&report_);
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get(), kTimeoutMs)) {
      // A window mapped while the window manager is still starting up can be left unmanaged
      // and unshown; mapping it again hands it to the manager.
      window_->hide();
      window_->show();
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get(), kTimeoutMs));
    ASSERT_TRUE(WaitFor([&] { return window_->isActiveWindow(); }));
  }

  void TearDown() override {
    window_.reset();
    other_.reset();
    QApplication::processEvents();
  }

  template <class T>
  T* find(const char* name) const {
    T* widget = window_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString text(const char* name) const { return find<QLineEdit>(name)->text(); }

  // A click at a point of a widget (its centre by default), through the X server.
  void clickAt(QWidget* widget, QPoint point = QPoint(-1, -1)) {
    ASSERT_NE(widget, nullptr);
    if (point.x() < 0) point = widget->rect().center();
    const QPoint global = widget->mapToGlobal(point);
    input_.Click(global.x(), global.y());
  }

  // Clicks into a control and waits until it has the keyboard in an active window.
  void clickInto(QWidget* control) {
    clickAt(control);
    ASSERT_TRUE(WaitFor([&] {
      return control->window()->isActiveWindow() && QApplication::focusWidget() == control;
    })) << control->objectName().toStdString()
        << " did not get the focus";
  }

  // Types into the focused control and waits until the control's text reads `expected`.
  void typeInto(QLineEdit* field, const std::string& keys, const QString& expected) {
    input_.Type(keys);
    EXPECT_TRUE(WaitFor([&] { return field->text() == expected; }))
        << "typed " << keys << ", field reads " << field->text().toStdString();
  }

  // Selects everything in the focused field and types over it.
  void retype(QLineEdit* field, const std::string& keys, const QString& expected) {
    input_.Key("a", /*control=*/true);
    typeInto(field, keys, expected);
  }

  void key(const char* name) { input_.Key(name); }
  // Presses Tab (with the modifiers given) until target has the focus, at most 40 times.
  bool tabTo(QWidget* target, unsigned modifiers = 0) {
    for (int press = 0; press < 40 && !target->hasFocus(); ++press) {
      QWidget* before = QApplication::focusWidget();
      input_.Chord("Tab", modifiers);
      // A press that leaves the focus where it was is caught by the check after the loop.
      (void)QTest::qWaitFor([&] { return QApplication::focusWidget() != before; }, 2000);
    }
    EXPECT_TRUE(target->hasFocus()) << "Tab does not reach " << target->objectName().toStdString();
    return target->hasFocus();
  }

  void showPage(PageControl* pages, int index) {
    clickAt(pages->tabBar(), pages->tabBar()->tabRect(index).center());
    ASSERT_TRUE(WaitFor([&] { return pages->currentIndex() == index; }));
  }

  // A modal window runs its own event loop, below which the test cannot go on: the steps for
  // it run from a timer inside that loop, once the next modal window of type T is active.
  // Whatever the steps leave open is closed, so a failure never leaves the suite hanging.
  template <class T>
  void whenModal(std::function<void(T*)> steps) {
    auto* timer = new QTimer;
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, [timer, steps] {
      auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
      if (modal == nullptr || !modal->isActiveWindow()) return;
      timer->stop();
      timer->deleteLater();
      steps(modal);
      if (modal->isVisible()) {
        ADD_FAILURE() << "a modal window was left open";
        modal->reject();
      }
    });
    timer->start();
  }

  // Tabs to each named field of the window in turn and types its text over what it holds.
  void typeWithKeys(const QWidget& window,
                    std::initializer_list<std::pair<const char*, const char*>> entries) {
    for (const auto& [name, typed] : entries) {
      auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(name));
      ASSERT_NE(field, nullptr) << name;
      ASSERT_TRUE(tabTo(field));
      retype(field, typed, QString::fromLatin1(typed));
    }
  }

  // Ctrl+S in the active schedule window: the CSV filter chosen with the keys, the file name
  // typed, Return. True once the file is there.
  bool saveAsCsvWithKeys(const QString& path) {
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      auto* name = qobject_cast<QLineEdit*>(QApplication::focusWidget());
      ASSERT_TRUE(types && name);
      ASSERT_TRUE(tabTo(types));
      key("Down");
      ASSERT_TRUE(WaitFor([&] { return types->currentIndex() == 1; }));
      ASSERT_TRUE(tabTo(name, XInput::kShift));
      retype(name, path.toStdString(), path);
      key("Return");
      EXPECT_TRUE(WaitFor([&] { return !dialog->isVisible(); }));
    });
    input_.Chord("s", XInput::kControl);
    return WaitFor([&] { return QFile::exists(path); });
  }

  // The whole screen as a PNG in QUARRANT_SHOTS_DIR, when that is set.
  void screenshot(const char* name) {
    const QString folder = qEnvironmentVariable("QUARRANT_SHOTS_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    QApplication::processEvents();
    QApplication::primaryScreen()->grabWindow(0).save(folder + QLatin1Char('/') +
                                                      QString::fromLatin1(name) + ".png");
  }

  // The help viewer on screen, or nullptr.
  static QWidget* helpWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (dynamic_cast<HelpViewerWindow*>(w) != nullptr && w->isVisible()) return w;
    return nullptr;
  }

  // A second top-level window of the program, placed clear of the calculator.
  QWidget* otherWindow() {
    other_ = std::make_unique<QWidget>();
    other_->setWindowTitle(QStringLiteral("Another window"));
    other_->setGeometry(20, 40, 240, 160);
    other_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(other_.get(), kTimeoutMs));
    return other_.get();
  }

  XInput input_;
  Tfrm_report report_;  // the program keeps one, hidden, for the amortization window
  std::unique_ptr<Tfrm_ZavuzirEza> window_;
  std::unique_ptr<QWidget> other_;
};

}  // namespace quarrant
