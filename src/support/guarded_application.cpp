#include "support/guarded_application.h"

#include "support/error_report.h"

namespace quarrant {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  Guarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

}  // namespace quarrant
