#pragma once
// The monkey: one random real action at a time in the window that has the keyboard, through
// the X server, with the checks that must hold between actions.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <string>

#include "invariants.h"
#include "random_input.h"
#include "x_session.h"

namespace quarrant::monkey {

class Monkey {
 public:
  Monkey(QWidget& mainWindow, Dice& dice, realinput::XInput& input, Journal& journal);
  // Checks the invariants, then takes one action in the window that has the keyboard.
  void Step();
  // Closes what is still open over the main window; false once nothing is.
  bool WindDown();
  // Actions taken per kind of window they were taken in.
  const std::map<std::string, int>& reached() const { return reached_; }
  // The kind of window the last action went to.
  const std::string& lastKind() const { return lastKind_; }

 private:
  QWidget* Target() const;
  std::string KindOf(QWidget* window) const;
  void CheckMainWindow();
  // True when the monkey is busy closing a window that has been up too long.
  bool InsistOnClosing(QWidget* target);
  void ActInFileDialog(QWidget* dialog);
  void ActInPopup(QWidget* popup);
  void ActInWindow(QWidget* window);
  void ClickControl(QWidget* window);
  void ClickFavourite(QWidget* window);
  void ClickAt(QWidget* widget, QPoint point, unsigned button, const std::string& what);
  void PressKey(const KeyStroke& key);
  void Paste();

  QPointer<QWidget> main_;
  Dice& dice_;
  realinput::XInput& input_;
  Journal& journal_;
  std::map<std::string, int> reached_;
  std::string lastKind_;
  QPointer<QWidget> lastTarget_;
  int sameTargetActions_ = 0;
  int closingTries_ = 0;
};

}  // namespace quarrant::monkey
