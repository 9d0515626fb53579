#include "controls/keypad_separator.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "support/regional.h"

namespace quarrant {

namespace {

class KeypadSeparatorFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->modifiers().testFlag(Qt::KeypadModifier)) return false;
    const QString mark = key->text();
    if (mark != QLatin1String(".") && mark != QLatin1String(",")) return false;
    const char separator = UserDecimalSeparator();
    if (mark == QLatin1Char(separator)) return false;
    // The same key again with the user's mark; it passes this filter unchanged.
    QKeyEvent retyped(QEvent::KeyPress, separator == ',' ? Qt::Key_Comma : Qt::Key_Period,
                      key->modifiers(), QString(QLatin1Char(separator)), key->isAutoRepeat(),
                      key->count());
    QCoreApplication::sendEvent(watched, &retyped);
    return true;
  }
};

}  // namespace

void typeKeypadDecimalAsSeparator(QWidget* field) {
  field->installEventFilter(new KeypadSeparatorFilter(field));
}

}  // namespace quarrant
