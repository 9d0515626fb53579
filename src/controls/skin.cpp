#include "controls/skin.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QString>
#include <QStyleFactory>

namespace quarrant {

QString skinStyleSheet() {
  QFile file(QStringLiteral(":/skin/quarrant.qss"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QIcon skinIcon(const char* name) {
  QIcon icon;
  for (int size : {16, 24, 32, 48})
    icon.addFile(QStringLiteral(":/icons/%1_%2.png").arg(QLatin1String(name)).arg(size),
                 QSize(size, size));
  return icon;
}

void applySkin(QApplication& app) {
  // Fusion draws the same on every desktop, so the style sheet's look does not depend on the
  // platform theme.
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
  app.setStyleSheet(skinStyleSheet());
  app.setWindowIcon(skinIcon("quarrant"));
}

}  // namespace quarrant
