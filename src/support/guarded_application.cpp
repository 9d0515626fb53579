#include "support/guarded_application.h"

#include <exception>

#include "support/error_report.h"

namespace quarrant {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ReportProgramError(QString::fromUtf8(error.what()));
  } catch (...) {
    ReportProgramError(QStringLiteral("Unknown error"));
  }
  return false;
}

}  // namespace quarrant
