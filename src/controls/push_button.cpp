#include "controls/push_button.h"

#include <QKeyEvent>

namespace quarrant {

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAutoDefault(false);
}

void PushButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (enter && modifiers == Qt::NoModifier && !event->isAutoRepeat()) {
    event->accept();
    if (isEnabled()) click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace quarrant
