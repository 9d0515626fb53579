#pragma once
// Reads a file the program wrote: its whole text as UTF-8, or its lines.
#include <QFile>
#include <QString>
#include <QStringList>

namespace quarrant::test {

// The file's text; empty when it cannot be read.
inline QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

// The file's lines without their line ends; none for an empty or missing file.
inline QStringList ReadLines(const QString& path) {
  QString text = ReadText(path);
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  return text.isEmpty() ? QStringList{} : text.split(QLatin1Char('\n'));
}

}  // namespace quarrant::test
