#pragma once
// The user's regional settings that reading and writing numbers depend on.
#include <QLocale>

namespace quarrant {

// The decimal separator of a locale as one character ('.' when it is not ASCII).
inline char DecimalSeparatorOf(const QLocale& locale) {
  const QString mark = locale.decimalPoint();
  if (mark.size() == 1 && mark.at(0).unicode() < 128)
    return static_cast<char>(mark.at(0).unicode());
  return '.';
}

// The decimal separator of the user's locale.
inline char UserDecimalSeparator() {
  return DecimalSeparatorOf(QLocale::system());
}

}  // namespace quarrant
