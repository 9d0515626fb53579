#pragma once
// The items of the "Payment frequency" choices, in the order whose index the engine's
// PaymentsPerYear takes: 12, 4, 2 and 1 payments a year, and for the amortization schedule
// also 24, 26, 52 and 365.
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace quarrant {

// All eight, as the amortization schedule offers them, in the language of the translation
// installed when called.
inline QStringList ScheduleFrequencyItems() {
  static const char* const items[] = {QT_TRANSLATE_NOOP("PaymentFrequency", "Monthly"),
                                      QT_TRANSLATE_NOOP("PaymentFrequency", "Quarterly"),
                                      QT_TRANSLATE_NOOP("PaymentFrequency", "Semi-annually"),
                                      QT_TRANSLATE_NOOP("PaymentFrequency", "Annually"),
                                      QT_TRANSLATE_NOOP("PaymentFrequency", "Semi-monthly"),
                                      QT_TRANSLATE_NOOP("PaymentFrequency", "Bi-weekly"),
                                      QT_TRANSLATE_NOOP("PaymentFrequency", "Weekly"),
                                      QT_TRANSLATE_NOOP("PaymentFrequency", "Daily")};
  QStringList texts;
  for (const char* item : items)
    texts.append(QCoreApplication::translate("PaymentFrequency", item));
  return texts;
}

// The main window's four.
inline QStringList PaymentFrequencyItems() {
  return ScheduleFrequencyItems().mid(0, 4);
}

}  // namespace quarrant
