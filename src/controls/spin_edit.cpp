#include "controls/spin_edit.h"

#include <QRegularExpression>

#include "controls/plain_text.h"

namespace quarrant {

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent) {
  // A value the user leaves half-typed goes back to the last good one.
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

QValidator::State SpinEdit::validate(QString& input, int& pos) const {
  static const QRegularExpression wholeNumber(QStringLiteral("^ *([-+]?)(\\d+) *$"));
  dropControlCharacters(input, &pos);
  const QString trimmed = input.trimmed();
  if (trimmed.isEmpty() || trimmed == QLatin1String("-") || trimmed == QLatin1String("+"))
    return QValidator::Intermediate;
  const QRegularExpressionMatch match = wholeNumber.match(input);
  if (!match.hasMatch()) return QValidator::Invalid;

  // Compare digit strings rather than converting, so that any length of digits is handled.
  const bool negative = match.captured(1) == QLatin1String("-");
  QString digits = match.captured(2);
  while (digits.size() > 1 && digits.startsWith(QLatin1Char('0'))) digits.remove(0, 1);
  bool converted = false;
  const qlonglong magnitude = digits.size() <= 18 ? digits.toLongLong(&converted) : 0;
  int bound = 0;
  if (!converted) {
    bound = negative ? minimum() : maximum();  // more digits than any bound has
  } else {
    const qlonglong number = negative ? -magnitude : magnitude;
    if (number < minimum())
      bound = minimum();
    else if (number > maximum())
      bound = maximum();
    else
      return QValidator::Acceptable;
  }
  input = QString::number(bound);
  pos = static_cast<int>(input.size());
  return QValidator::Acceptable;
}

}  // namespace quarrant
