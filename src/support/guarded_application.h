#pragma once
// The program's application object. Every handler of the program runs inside its own guard; an
// error that escapes one anyway (from code outside those guards) reaches the program-wide
// error report here instead of ending the program.
#include <QApplication>

namespace quarrant {

class GuardedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace quarrant
