#pragma once
// A spin box for whole numbers between a minimum and a maximum. A whole number typed outside
// the range is replaced by the nearer bound at once, while it is being typed.
#include <QSpinBox>

namespace quarrant {

class SpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  explicit SpinEdit(QWidget* parent = nullptr);

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
};

}  // namespace quarrant
