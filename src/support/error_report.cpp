#include "support/error_report.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace quarrant {

QString ApplicationTitleFor(const QString& fileName) {
  QString name = fileName;
  const qsizetype dot = name.indexOf(QLatin1Char('.'));
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  // Program files here are named in lower case ("quarrant"); the title names the program
  // itself, so its first letter is a capital.
  return name.left(1).toUpper() + name.mid(1).toLower();
}

QString ApplicationTitle() {
  QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  if (name.isEmpty()) name = QCoreApplication::applicationName();
  return ApplicationTitleFor(name);
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
