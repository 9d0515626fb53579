#pragma once
// The rule every window applies before evaluating a field: a text with nothing but blanks and
// control characters (codes up to 32) reads as an empty field.
#include <QString>

namespace quarrant {

inline bool IsBlank(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() > 32) return false;
  return true;
}

}  // namespace quarrant
