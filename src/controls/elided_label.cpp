#include "controls/elided_label.h"

#include <QResizeEvent>

namespace quarrant {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  // The label takes the room its layout gives it, not the width of its whole text.
  setMinimumWidth(1);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ElidedLabel::setFullText(const QString& text) {
  fullText_ = text;
  setToolTip(text);
  setAccessibleDescription(text);
  elide();
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  elide();
}

void ElidedLabel::elide() {
  const int room = contentsRect().width() - qMax(indent(), 0);
  setText(fontMetrics().elidedText(fullText_, Qt::ElideRight, qMax(room, 0)));
}

}  // namespace quarrant
