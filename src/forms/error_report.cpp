#include "forms/error_report.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace quarrant {

QString ApplicationTitle() {
  QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  if (name.isEmpty()) name = QCoreApplication::applicationName();
  const qsizetype dot = name.indexOf(QLatin1Char('.'));
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  return name.left(1) + name.mid(1).toLower();
}

QString WithFullStop(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + QLatin1Char('.');
  return message;
}

void ReportProgramError(const QString& message) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(), WithFullStop(message),
                  QMessageBox::Ok);
  box.exec();
}

}  // namespace quarrant
