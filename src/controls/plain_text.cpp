#include "controls/plain_text.h"

namespace quarrant {

void dropControlCharacters(QString& text, int* cursor) {
  qsizetype kept = 0;
  int removedBeforeCursor = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (IsControlCharacter(text.at(i))) {
      if (cursor != nullptr && i < *cursor) ++removedBeforeCursor;
      continue;
    }
    text[kept++] = text.at(i);
  }
  text.truncate(kept);
  if (cursor != nullptr) *cursor -= removedBeforeCursor;
}

QValidator::State PlainTextValidator::validate(QString& input, int& pos) const {
  dropControlCharacters(input, &pos);
  return Acceptable;
}

}  // namespace quarrant
