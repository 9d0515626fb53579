#pragma once
// The characters that break a line or a separator wherever a text goes: the C0 and C1 control
// characters (NUL, tab, line feed, escape, delete, ...) and the Unicode line and paragraph
// separators. Fields keep them out; the log writes them visibly.
#include <QChar>

namespace quarrant {

inline bool IsControlCharacter(QChar c) {
  switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return true;
    default:
      return false;
  }
}

}  // namespace quarrant
