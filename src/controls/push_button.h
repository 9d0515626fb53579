#pragma once
// A push button that the keyboard presses the desktop way: with the focus on it, Return and
// Enter click it as Space does. It never becomes a dialog's default button, so Return in
// another control of the window does not press it.
#include <QPushButton>

namespace quarrant {

class PushButton : public QPushButton {
  Q_OBJECT

 public:
  explicit PushButton(const QString& caption, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quarrant
