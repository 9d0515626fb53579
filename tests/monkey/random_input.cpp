#include "random_input.h"

#include <array>

#include "x_session.h"

namespace quarrant::monkey {

namespace {

using realinput::XInput;

template <class T, size_t N>
const T& Pick(Dice& dice, const std::array<T, N>& items) {
  return items[static_cast<size_t>(dice.Below(static_cast<int>(N)))];
}

std::string Digits(Dice& dice, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += static_cast<char>('0' + dice.Below(10));
  return text;
}

}  // namespace

KeyStroke RandomKey(Dice& dice) {
  static constexpr std::array<KeyStroke, 30> kKeys = {{
      {"Tab", 0},
      {"Tab", XInput::kShift},
      {"Return", 0},
      {"Escape", 0},
      {"Up", 0},
      {"Down", 0},
      {"Left", 0},
      {"Right", 0},
      {"Delete", 0},
      {"BackSpace", 0},
      {"F1", 0},
      {"F4", 0},
      {"Down", XInput::kAlt},
      {"c", XInput::kControl},
      {"v", XInput::kControl},
      {"a", XInput::kControl},
      {"x", XInput::kControl},
      {"Home", 0},
      {"End", 0},
      {"Page_Down", 0},
      {"Page_Up", 0},
      {"space", 0},
      {"plus", 0},
      {"minus", 0},
      {"asterisk", 0},
      {"slash", 0},
      {"period", 0},
      {"comma", 0},
      {"5", 0},
      {"e", 0},
  }};
  return Pick(dice, kKeys);
}

std::string RandomTypedText(Dice& dice) {
  static const std::array<std::string, 16> kSamples = {
      "0",        "1",          "-1",  "12.5", "1e308",       "-0",  "100*(1+5%)", "2/0", "((((1",
      "1/1/2000", "31/12/1999", "abc", " ",    "99999999999", "1,5", "0.000000001"};
  switch (dice.Below(4)) {
    case 0:
      return Digits(dice, 1 + dice.Below(12));
    case 1:
      return Digits(dice, 1 + dice.Below(4)) + "." + Digits(dice, dice.Below(6));
    default:
      return Pick(dice, kSamples);
  }
}

QString RandomPastedText(Dice& dice) {
  switch (dice.Below(9)) {
    case 0:
      return QString::fromStdString(Digits(dice, 400));
    case 1:
      return QStringLiteral("1e308");
    case 2:
      return QStringLiteral("-0");
    case 3: {  // control characters, NUL among them
      QString text;
      const int length = 1 + dice.Below(20);
      for (int i = 0; i < length; ++i) text += QChar(static_cast<char16_t>(dice.Below(32)));
      return text;
    }
    case 4:
      return QString(5000 + dice.Below(60000), QLatin1Char('9'));
    case 5:
      return QStringLiteral(
          "12\t34\r\n56\n\0"
          "78");
    case 6:
      return QString::fromUtf8(
          "\xe2\x82\xac 1\xc2\xa0"
          "000,5 \xf0\x9f\x92\xb0 \xd9\xa3");
    case 7:
      return QStringLiteral("-1e-308");
    default:
      return QString::fromStdString(RandomTypedText(dice));
  }
}

std::string RandomFileName(Dice& dice) {
  static const std::array<std::string, 7> kEndings = {"",     ".txt", ".csv", ".htm",
                                                      ".pdf", ".",    ".TXT"};
  std::string name = "f";
  const int length = dice.Below(12);
  static const char kChars[] = "abcxyz0123456789_- ";
  for (int i = 0; i < length; ++i) name += kChars[dice.Below(sizeof kChars - 1)];
  return name + Pick(dice, kEndings);
}

}  // namespace quarrant::monkey
