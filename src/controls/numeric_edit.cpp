#include "controls/numeric_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "controls/keypad_separator.h"
#include "controls/plain_text.h"
#include "engine/number_format.h"
#include "support/regional.h"

namespace quarrant {

namespace {

// The text with its surrounding blanks removed, as Latin-1 bytes; empty when it holds anything
// outside Latin-1 (no number does).
std::optional<std::string> TrimmedAscii(const QString& text) {
  const QString trimmed = text.trimmed();
  for (const QChar c : trimmed)
    if (c.unicode() >= 128) return std::nullopt;
  return trimmed.toStdString();
}

// The keystroke filter: digits, one separator and a leading minus, at most the allowed
// integer digits, and a number whose nearest double still has no more integer digits than
// that (a double takes 999999999999999.9999 up to 10^15). Control characters are dropped.
class NumberValidator : public QRegularExpressionValidator {
 public:
  NumberValidator(const QRegularExpression& pattern, char separator, QObject* parent)
      : QRegularExpressionValidator(pattern, parent), separator_(separator) {}

  State validate(QString& input, int& pos) const override {
    dropControlCharacters(input, &pos);
    const State state = QRegularExpressionValidator::validate(input, pos);
    if (state == Invalid) return Invalid;
    const std::optional<double> number = parseDecimal(input, separator_);
    if (number && std::fabs(*number) >= kIntegerLimit) return Invalid;
    return state;
  }

 private:
  static constexpr double kIntegerLimit = 1e15;  // 10^kMaxIntegerDigits
  char separator_;
};

}  // namespace

std::optional<double> parseDecimal(const QString& text, char decimalSeparator) {
  std::optional<std::string> ascii = TrimmedAscii(text);
  if (!ascii) return std::nullopt;
  std::string& s = *ascii;
  // Shape check first: from_chars alone would take exponents, "inf" and "nan".
  std::size_t i = 0;
  if (i < s.size() && s[i] == '-') ++i;
  int digits = 0;
  bool separatorSeen = false;
  for (; i < s.size(); ++i) {
    if (s[i] >= '0' && s[i] <= '9') {
      ++digits;
    } else if (s[i] == decimalSeparator && !separatorSeen) {
      separatorSeen = true;
      s[i] = '.';
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::optional<int> parseWholeNumber(const QString& text) {
  std::optional<std::string> ascii = TrimmedAscii(text);
  if (!ascii || ascii->empty()) return std::nullopt;
  const std::string& s = *ascii;
  int value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent) {
  typeKeypadDecimalAsSeparator(this);
  updateValidator();
  connect(this, &QLineEdit::textChanged, this, &NumericEdit::onTextChanged);
  showValue();
}

void NumericEdit::setKind(Kind kind) {
  kind_ = kind;
  updateValidator();
  showValue();
}

void NumericEdit::setDecimals(int decimals) {
  decimals_ = std::clamp(decimals, 0, 10);
  updateValidator();
  showValue();
}

char NumericEdit::separator() const {
  return UserDecimalSeparator();
}

void NumericEdit::updateValidator() {
  // Every prefix of an acceptable text is acceptable too, so a plain pattern serves as the
  // keystroke filter.
  QString fraction;
  if (kind_ == Kind::Float && decimals_ > 0)
    fraction = QStringLiteral("(%1\\d{0,%2})?")
                   .arg(QRegularExpression::escape(QString(QLatin1Char(separator()))))
                   .arg(decimals_);
  const QString pattern = QStringLiteral("-?\\d{0,%1}").arg(kMaxIntegerDigits) + fraction;
  numberShape_.setPattern(QStringLiteral("^-?\\d*") + fraction + QStringLiteral("$"));
  static_assert(kMaxIntegerDigits == 15, "the validator's limit is 10^15");
  auto* validator = new NumberValidator(QRegularExpression(pattern), separator(), this);
  QValidator* old = const_cast<QValidator*>(this->validator());
  setValidator(validator);
  delete old;
}

QString NumericEdit::formattedValue() const {
  const int shown = kind_ == Kind::Integer ? 0 : decimals_;
  return QString::fromStdString(FormatFixed(value_, shown, separator()));
}

void NumericEdit::showValue() {
  writing_ = true;
  accepted_ = formattedValue();
  setText(accepted_);
  writing_ = false;
}

void NumericEdit::setValue(double value) {
  if (!std::isfinite(value)) return;
  const bool changed = value != value_;
  value_ = value;
  showValue();
  if (changed) emit valueChanged(value_);
}

void NumericEdit::onTextChanged(const QString& text) {
  if (writing_) return;
  // The line edit keeps any edit, even one its validator refuses, when the text before it was
  // refused too, as a value the program wrote beyond the digits that can be typed is. Such an
  // edit stays only when the text still reads as a number.
  if (!numberShape_.match(text).hasMatch()) {
    writing_ = true;
    setText(accepted_);
    writing_ = false;
    return;
  }
  accepted_ = text;
  // Text that is not a number yet ("", "-") reads as 0, which is also what the field shows
  // once it loses the focus.
  double typed = 0;
  if (const std::optional<double> number = parseDecimal(text, separator())) typed = *number;
  if (typed == 0) typed = 0;  // no negative zero from "-0"
  const bool changed = typed != value_;
  value_ = typed;
  if (changed) emit valueChanged(value_);
}

void NumericEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A pop-up (a context menu) takes the focus only for a moment.
  if (event->reason() != Qt::PopupFocusReason) showValue();
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly() && event->modifiers() == Qt::NoModifier &&
      (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
    setValue(value_ + (event->key() == Qt::Key_Up ? step_ : -step_));
    selectAll();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace quarrant
