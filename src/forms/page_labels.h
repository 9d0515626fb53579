#pragma once
// Placing a field's caption label. The inventory positions labels for the window's original
// 8 pt dialog font; a rendering font that runs wider would push a caption into its field, so
// a caption that would reach the field is moved left to end just before it.
#include <QLabel>
#include <QWidget>

namespace quarrant {

inline QLabel* keepLabelBefore(QLabel* label, const QWidget* field) {
  constexpr int kGap = 3;
  const int right = field->x() - kGap;
  if (label->x() + label->width() > right) label->move(right - label->width(), label->y());
  return label;
}

}  // namespace quarrant
