#pragma once
// A single-line edit for one number: a real number shown with a fixed count of decimals, or a
// whole number. It takes only digits, one decimal separator (the user's) and a leading minus
// sign, and writes its value in full format again when it loses the focus.
#include <QLineEdit>
#include <QRegularExpression>
#include <optional>

namespace quarrant {

// Reads a plain decimal number ("-12.5" with the given separator; blanks around it allowed, no
// exponent, no thousands separators). Empty when the text is not such a number.
std::optional<double> parseDecimal(const QString& text, char decimalSeparator);

// Reads a plain whole number ("-12"; blanks around it allowed) that fits 32 bits.
std::optional<int> parseWholeNumber(const QString& text);

class NumericEdit : public QLineEdit {
  Q_OBJECT

 public:
  enum class Kind { Float, Integer };

  // Typed input is limited to this many digits before the separator, which keeps every typed
  // number exact in a double.
  static constexpr int kMaxIntegerDigits = 15;

  explicit NumericEdit(QWidget* parent = nullptr);

  Kind kind() const { return kind_; }
  void setKind(Kind kind);
  // Decimals shown (and accepted when typed) by the Float kind.
  int decimals() const { return decimals_; }
  void setDecimals(int decimals);
  // Amount added or taken away by the Up and Down keys.
  double step() const { return step_; }
  void setStep(double step) { step_ = step; }

  // The number the field holds. A number set by the program is kept exactly, even when the
  // field shows it rounded; a number typed by the user replaces it.
  double value() const { return value_; }
  void setValue(double value);

  // The value as the field shows it once it has lost the focus.
  QString formattedValue() const;

 signals:
  void valueChanged(double value);

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void onTextChanged(const QString& text);
  void showValue();
  void updateValidator();
  char separator() const;

  Kind kind_ = Kind::Float;
  int decimals_ = 2;
  double step_ = 1;
  double value_ = 0;
  bool writing_ = false;            // the field is writing its own value; the text is not new input
  QString accepted_;                // the last text the field took
  QRegularExpression numberShape_;  // a number of any length, as the field would show it
};

}  // namespace quarrant
