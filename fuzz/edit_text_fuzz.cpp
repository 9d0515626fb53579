// Fuzz target for the text rules of the numeric, spin and date edits: the bytes are a list of
// edits (typed keys, pasted text, cursor moves, Up/Down, Enter, leaving the field) applied to
// real fields. Whatever they hold:
// - no field's text ever holds a control character;
// - a numeric edit's text, after any edit it took, has the shape of its keystroke filter and its
//   value is that text read as a number (0 while it is not one yet), below 10^15 in size (a
//   longer value that Up or Down wrote can be edited only into other numbers); once
//   the field is left it shows its value in full format, and that text reads back as the value
//   to within half a unit of its last decimal;
// - parseDecimal takes exactly the texts of digits with at most one separator and a leading
//   minus, and reads them as from_chars does;
// - the spin edit's validator takes whole numbers and sets them within the range, leaves "",
//   "-" and "+" to be finished, refuses everything else, and accepts what it has set;
// - a date edit holds a date of the years 1 to 9999; a date it takes from typing is a whole valid
//   date and the one its text showed; a full date typed and left is taken exactly when valid.
#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "controls/date_edit.h"
#include "controls/numeric_edit.h"
#include "controls/spin_edit.h"
#include "engine/calendar.h"
#include "fuzz_check.h"
#include "support/control_characters.h"

namespace {

using namespace quarrant;

struct SpinProbe : SpinEdit {
  using QAbstractSpinBox::lineEdit;
  using SpinEdit::validate;
};

// Text from the input: UTF-8 by default, raw UTF-16 (lone surrogates, every control
// character) by a switch.
QString Text(FuzzedDataProvider& input, size_t maxLength) {
  const bool utf16 = input.ConsumeBool();
  const std::string bytes = input.ConsumeRandomLengthString(maxLength);
  if (!utf16) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return QString(reinterpret_cast<const QChar*>(bytes.data()),
                 static_cast<qsizetype>(bytes.size() / 2));
}

bool HasControlCharacter(const QString& text) {
  for (const QChar c : text)
    if (IsControlCharacter(c)) return true;
  return false;
}

void Key(QWidget& field, int key, const QString& text = {},
         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&field, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(&field, &release);
}

void Focus(QWidget& field, bool in) {
  QFocusEvent event(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(&field, &event);
}

constexpr int kMovementKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                                 Qt::Key_Home,      Qt::Key_End,    Qt::Key_Up,   Qt::Key_Down};

// One edit of a line edit (or the spin box's): a typed text key by key, a paste, a key that
// moves or deletes, or a selection. Returns false when the input is used up.
bool Edit(FuzzedDataProvider& input, QWidget& field, QLineEdit& line) {
  if (input.remaining_bytes() == 0) return false;
  switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
      for (const QChar c : Text(input, 24)) Key(field, 0, QString(c));
      break;
    case 1:
      line.insert(Text(input, 512));
      break;
    case 2:
      Key(field, input.PickValueInArray(kMovementKeys));
      break;
    default:
      line.setSelection(input.ConsumeIntegralInRange(0, static_cast<int>(line.text().size())),
                        input.ConsumeIntegralInRange(-40, 40));
      break;
  }
  return true;
}

// Whether a text is a plain decimal: ASCII digits, at most one separator, a leading minus.
bool IsPlainDecimal(const QString& text, char separator) {
  const QString trimmed = text.trimmed();
  static const QRegularExpression dot(QStringLiteral("^-?[0-9]*(\\.[0-9]*)?$"));
  static const QRegularExpression comma(QStringLiteral("^-?[0-9]*(,[0-9]*)?$"));
  const bool shaped = (separator == '.' ? dot : comma).match(trimmed).hasMatch();
  return shaped && trimmed.contains(QRegularExpression(QStringLiteral("[0-9]")));
}

void CheckParseDecimal(const QString& text, char separator) {
  const std::optional<double> number = parseDecimal(text, separator);
  if (!IsPlainDecimal(text, separator)) {
    Check(!number);
    return;
  }
  // Beyond the range of a double there is no number to give.
  std::string plain = text.trimmed().toStdString();
  for (char& c : plain)
    if (c == separator) c = '.';
  double expected = 0;
  const std::from_chars_result read =
      std::from_chars(plain.data(), plain.data() + plain.size(), expected);
  Check(number.has_value() == (read.ec == std::errc()));
  if (number) Check(*number == expected && std::isfinite(*number));
}

void NumericJourney(FuzzedDataProvider& input, NumericEdit& field) {
  const bool integer = input.ConsumeBool();
  field.setKind(integer ? NumericEdit::Kind::Integer : NumericEdit::Kind::Float);
  field.setDecimals(input.ConsumeIntegralInRange(0, 10));
  field.setValue(0);
  const int decimals = integer ? 0 : field.decimals();
  const QString pattern = decimals == 0
                              ? QStringLiteral("^-?[0-9]{0,15}$")
                              : QStringLiteral("^-?[0-9]{0,15}(\\.[0-9]{0,%1})?$").arg(decimals);
  const QRegularExpression keystrokes(pattern);
  QString longer = pattern;
  const QRegularExpression anyLength(longer.replace(QStringLiteral("{0,15}"), QStringLiteral("*")));
  Focus(field, true);
  while (true) {
    const QString before = field.text();
    if (!Edit(input, field, field)) break;
    const QString text = field.text();
    Check(!HasControlCharacter(text));
    Check(std::isfinite(field.value()));
    if (text == before) continue;  // refused
    // Up or Down writes the value in full, which need not be a text the user could type.
    if (text == field.formattedValue()) continue;
    const std::optional<double> number = parseDecimal(text, '.');
    Check(field.value() == (number ? *number : 0.0));
    if (keystrokes.match(before).hasMatch()) {
      Check(keystrokes.match(text).hasMatch());
      Check(std::fabs(field.value()) < 1e15);
    } else {
      // Editing a longer value the program wrote: the text still reads as a number.
      Check(anyLength.match(text).hasMatch());
    }
  }
  Focus(field, false);
  Check(field.text() == field.formattedValue());
  if (std::fabs(field.value()) < 1e15) {
    const std::optional<double> shown = parseDecimal(field.text(), '.');
    Check(shown.has_value());
    Check(std::fabs(*shown - field.value()) <=
          0.5000001 * std::pow(10.0, -decimals) + std::fabs(field.value()) * 1e-15);
  }
}

// The spin edit's validator against a model of its rule: blanks around a signed whole number,
// clamped to the range by its digits.
void SpinJourney(FuzzedDataProvider& input, SpinProbe& spin) {
  int low = input.ConsumeIntegral<int>();
  int high = input.ConsumeIntegral<int>();
  if (low > high) std::swap(low, high);
  spin.setRange(low, high);
  QString text = Text(input, 128);
  int pos = input.ConsumeIntegralInRange<int>(0, static_cast<int>(text.size()));
  QString dropped;
  for (const QChar c : text)
    if (!IsControlCharacter(c)) dropped += c;

  const QValidator::State state = spin.validate(text, pos);
  Check(!HasControlCharacter(text));
  Check(pos >= 0 && pos <= text.size());
  static const QRegularExpression whole(QStringLiteral("^ *([-+]?)([0-9]+) *$"));
  const QString trimmed = dropped.trimmed();
  if (trimmed.isEmpty() || trimmed == QLatin1String("-") || trimmed == QLatin1String("+")) {
    Check(state == QValidator::Intermediate);
    return;
  }
  const QRegularExpressionMatch match = whole.match(dropped);
  if (!match.hasMatch()) {
    Check(state == QValidator::Invalid);
    return;
  }
  Check(state == QValidator::Acceptable);
  std::string digits = match.captured(2).toStdString();
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  const long double magnitude = digits.size() > 30 ? 1e31L : std::stold(digits);
  const long double typed = match.captured(1) == QLatin1String("-") ? -magnitude : magnitude;
  const long double expected = typed < low ? low : typed > high ? high : typed;
  bool ok = false;
  const long long set = text.trimmed().toLongLong(&ok);
  Check(ok && static_cast<long double>(set) == expected);
  int again = static_cast<int>(text.size());
  QString copy = text;
  Check(spin.validate(copy, again) == QValidator::Acceptable && copy == text);

  // The same text through the widget: whatever it takes, its value stays in the range.
  spin.lineEdit()->selectAll();
  spin.lineEdit()->insert(dropped);
  Check(!HasControlCharacter(spin.lineEdit()->text()));
  Check(spin.value() >= low && spin.value() <= high);
}

void DateJourney(FuzzedDataProvider& input, DateEdit& field) {
  field.setDateValue(DateValueOf(2000, 1, 1));
  double taken = field.dateValue();
  QString takenText;
  const auto connection = QObject::connect(&field, &DateEdit::dateValueChanged, [&](double v) {
    taken = v;
    takenText = field.displayText();
  });
  Focus(field, true);
  if (input.ConsumeBool()) {
    // A full date typed over the field, then left or entered.
    const int year = input.ConsumeIntegralInRange(0, 9999);
    const int month = input.ConsumeIntegralInRange(0, 99);
    const int day = input.ConsumeIntegralInRange(0, 99);
    const double before = field.dateValue();
    field.selectAll();
    const QString digits = QStringLiteral("%1%2%3")
                               .arg(year, 4, 10, QLatin1Char('0'))
                               .arg(month, 2, 10, QLatin1Char('0'))
                               .arg(day, 2, 10, QLatin1Char('0'));
    for (const QChar c : digits) Key(field, 0, QString(c));
    if (input.ConsumeBool())
      Key(field, Qt::Key_Return);
    else
      Focus(field, false);
    const bool valid = IsValidCalendarDate(year, month, day);
    Check(field.dateValue() == (valid ? DateValueOf(year, month, day) : before));
  }
  if (input.ConsumeBool()) {
    // Text dropped on the field while it does not have the focus goes through the date mask.
    const QString before = field.text();
    QMimeData dropped;
    dropped.setText(Text(input, 64));
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field, &drop);
    Check(!HasControlCharacter(field.text()));
    Check(field.text() == before || !field.inputMask().isEmpty());
  }
  Focus(field, true);
  while (Edit(input, field, field)) {
    Check(!HasControlCharacter(field.text()));
    if (input.ConsumeBool()) Key(field, Qt::Key_Return);
  }
  Focus(field, false);
  QObject::disconnect(connection);
  const double value = field.dateValue();
  Check(std::trunc(value) >= DateEdit::minDateValue() &&
        std::trunc(value) <= DateEdit::maxDateValue());
  Check(value == taken);
  if (!takenText.isEmpty()) {
    // Taken from typing: the whole date the field showed.
    static const QRegularExpression complete(QStringLiteral("^([0-9]{4})/([0-9]{2})/([0-9]{2})$"));
    const QRegularExpressionMatch match = complete.match(takenText);
    Check(match.hasMatch());
    const int year = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    const int day = match.captured(3).toInt();
    Check(IsValidCalendarDate(year, month, day) && value == DateValueOf(year, month, day));
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  new QApplication(*argc, *argv);  // lives for the whole run
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static NumericEdit* numeric = new NumericEdit;
  static SpinProbe* spin = new SpinProbe;
  static DateEdit* date = new DateEdit;
  FuzzedDataProvider input(data, size);
  switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: {
      const QString text = Text(input, 512);
      CheckParseDecimal(text, '.');
      CheckParseDecimal(text, ',');
      break;
    }
    case 1:
      NumericJourney(input, *numeric);
      break;
    case 2:
      SpinJourney(input, *spin);
      break;
    default:
      DateJourney(input, *date);
      break;
  }
  return 0;
}
