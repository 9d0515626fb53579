#pragma once
// The user's regional settings that reading and writing numbers depend on.
#include <QLocale>

namespace quarrant {

// The decimal separator of the user's locale as one character ('.' when it is not ASCII).
inline char UserDecimalSeparator() {
  const QString mark = QLocale::system().decimalPoint();
  if (mark.size() == 1 && mark.at(0).unicode() < 128) return static_cast<char>(mark.at(0).unicode());
  return '.';
}

}  // namespace quarrant
