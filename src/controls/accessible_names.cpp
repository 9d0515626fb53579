#include "controls/accessible_names.h"

#include <QLabel>
#include <QWidget>

namespace quarrant {

QString WithoutAccessKeys(const QString& caption) {
  QString text;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    text.append(caption.at(i));
  }
  return text;
}

QString SpokenCaption(const QString& caption) {
  QString text = WithoutAccessKeys(caption).trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

void LabelField(QLabel* label, QWidget* field) {
  label->setBuddy(field);
  NameAfterCaption(field, label->text());
}

void NameAfterCaption(QWidget* field, const QString& caption) {
  field->setAccessibleName(SpokenCaption(caption));
}

}  // namespace quarrant
