#include "controls/value_field.h"

#include <QFocusEvent>

#include "controls/keypad_separator.h"
#include "controls/plain_text.h"
#include "support/blank_text.h"

namespace quarrant {

ValueField::ValueField(QWidget* parent) : QLineEdit(parent) {
  setValidator(new PlainTextValidator(this));  // no control characters, typed or pasted
  typeKeypadDecimalAsSeparator(this);
}

QString ValueField::placeholderText() {
  return tr("Can enter expression(Such as: 2*12)");
}

QString ValueField::expressionOf(const QString& text) {
  if (text == placeholderText() || IsBlank(text)) return QStringLiteral("0");
  return text;
}

void ValueField::showPlaceholder() {
  setText(placeholderText());
  setCursorPosition(0);
}

void ValueField::focusInEvent(QFocusEvent* event) {
  // Before the line edit's own handling, which selects the text entered by Tab: the hint is
  // cleared first, and whoever follows the field sees it empty.
  if (event->reason() != Qt::PopupFocusReason) {
    if (text() == placeholderText()) clear();
    emit entered();
  }
  QLineEdit::focusInEvent(event);
}

}  // namespace quarrant
