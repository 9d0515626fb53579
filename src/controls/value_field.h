#pragma once
// ValueField: an edit box that takes an expression (such as 2*12) and reads as a number. It
// may show a hint instead of a value; the hint goes when the field is entered, and a field
// showing the hint, or nothing but blanks, reads 0.
#include <QLineEdit>
#include <QString>

class QFocusEvent;

namespace quarrant {

class ValueField : public QLineEdit {
  Q_OBJECT

 public:
  explicit ValueField(QWidget* parent = nullptr);

  // The hint a field may show instead of a value.
  static QString placeholderText();
  // What a field's text reads as: the hint or a blank text is "0", any other text itself.
  static QString expressionOf(const QString& text);

  // Shows the hint, from its start.
  void showPlaceholder();

 signals:
  // The focus entered the field, however it came (Tab, a click, the window becoming active),
  // except a closing pop-up handing it back. A hint shown is gone by then.
  void entered();

 protected:
  void focusInEvent(QFocusEvent* event) override;
};

}  // namespace quarrant
