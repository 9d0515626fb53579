#pragma once
// The items of every "Payment frequency" choice, in the order whose index the engine's
// PaymentsPerYear takes: 12, 4, 2 and 1 payments a year.
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace quarrant {

// In the language of the translation installed when called.
inline QStringList PaymentFrequencyItems() {
  static const char* const items[] = {QT_TRANSLATE_NOOP("PaymentFrequency", "Monthly"),
                                      QT_TRANSLATE_NOOP("PaymentFrequency", "Quarterly"),
                                      QT_TRANSLATE_NOOP("PaymentFrequency", "Semi-annually"),
                                      QT_TRANSLATE_NOOP("PaymentFrequency", "Annually")};
  QStringList texts;
  for (const char* item : items)
    texts.append(QCoreApplication::translate("PaymentFrequency", item));
  return texts;
}

}  // namespace quarrant
