#pragma once
// Names for assistive technology. A screen reader says a control's accessible name; a field
// that a label, a button or a group caption stands beside is named after that caption, as the
// user reads it: without access-key marks and without the colon that ends a label.
#include <QString>

class QLabel;
class QWidget;

namespace quarrant {

// The caption as drawn: "&" marks an access key and is not drawn; "&&" is a literal ampersand.
QString withoutAccessKeys(const QString& caption);
// The caption as spoken: as drawn, without surrounding blanks and without a closing colon.
QString spokenCaption(const QString& caption);

// Makes label the buddy of field (its caption then names the field) and names the field.
void labelField(QLabel* label, QWidget* field);
// Names a field after the caption of the button or group that labels it.
void nameAfterCaption(QWidget* field, const QString& caption);

}  // namespace quarrant
