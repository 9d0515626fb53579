#pragma once
// The items of every "Payment frequency" choice, in the order whose index the engine's
// PaymentsPerYear takes: 12, 4, 2 and 1 payments a year.
#include <QString>
#include <QStringList>

namespace quarrant {

inline const QStringList& PaymentFrequencyItems() {
  static const QStringList items{QStringLiteral("Monthly"), QStringLiteral("Quarterly"),
                                 QStringLiteral("Semi-annually"), QStringLiteral("Annually")};
  return items;
}

}  // namespace quarrant
