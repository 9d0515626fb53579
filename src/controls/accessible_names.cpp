#include "controls/accessible_names.h"

#include <QLabel>
#include <QWidget>

namespace quarrant {

QString withoutAccessKeys(const QString& caption) {
  QString text;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size()) ++i;
    text.append(caption.at(i));
  }
  return text;
}

QString spokenCaption(const QString& caption) {
  QString text = withoutAccessKeys(caption).trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

void labelField(QLabel* label, QWidget* field) {
  label->setBuddy(field);
  nameAfterCaption(field, label->text());
}

void nameAfterCaption(QWidget* field, const QString& caption) {
  field->setAccessibleName(spokenCaption(caption));
}

}  // namespace quarrant
