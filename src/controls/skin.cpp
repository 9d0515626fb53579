#include "controls/skin.h"

#include <QApplication>
#include <QFile>
#include <QString>
#include <QStyleFactory>

namespace quarrant {

QString skinStyleSheet() {
  QFile file(QStringLiteral(":/skin/quarrant.qss"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

void applySkin(QApplication& app) {
  // Fusion draws the same on every desktop, so the style sheet's look does not depend on the
  // platform theme.
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
  app.setStyleSheet(skinStyleSheet());
}

}  // namespace quarrant
