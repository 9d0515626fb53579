#pragma once
// The numeric keypad's decimal key types the decimal separator of the user's locale in a field
// that takes numbers. The key sends whatever mark the keyboard layout gives it, often '.'
// whatever the locale, and a field that reads only the user's separator would drop it.
#include <QWidget>

namespace quarrant {

// Makes the keypad's decimal key type the user's separator into `field`.
void typeKeypadDecimalAsSeparator(QWidget* field);

}  // namespace quarrant
