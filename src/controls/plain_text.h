#pragma once
// Keeps control characters (NUL, tab, line breaks, escape and the like, and the Unicode line
// and paragraph separators) out of single-line fields: whether typed, pasted or dropped, they
// would reach reports, logs and the evaluator where they break lines and separators.
#include <QString>
#include <QValidator>

#include "support/control_characters.h"

namespace quarrant {

// Removes every control character from the text; `cursor`, when given, is moved back by the
// characters removed before it.
void dropControlCharacters(QString& text, int* cursor = nullptr);

// A validator for free-text fields: it accepts any text once its control characters are gone.
class PlainTextValidator : public QValidator {
  Q_OBJECT

 public:
  explicit PlainTextValidator(QObject* parent = nullptr) : QValidator(parent) {}
  State validate(QString& input, int& pos) const override;
};

}  // namespace quarrant
