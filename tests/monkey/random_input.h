#pragma once
// The monkey's dice and the raw material of its input: keys, typed text, pasted text and
// file names. Every random choice of a run goes through one Dice, so a seed replays a run.
#include <QString>
#include <cstdint>
#include <random>
#include <string>

namespace quarrant::monkey {

class Dice {
 public:
  explicit Dice(uint64_t seed) : engine_(seed) {}
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(engine_() % static_cast<uint64_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::mt19937_64 engine_;
};

struct KeyStroke {
  const char* name;    // X key name
  unsigned modifiers;  // XInput::Modifier bits
};

// A key of the calculator's working set: navigation, editing, help, copy and paste, digits,
// letters and operators. Never Alt+F4.
KeyStroke RandomKey(Dice& dice);
// Printable text a person might type: numbers, expressions, dates, words.
std::string RandomTypedText(Dice& dice);
// Text for the clipboard: the typed kinds plus control characters, NUL, huge and odd numbers,
// long strings and text outside Latin-1.
QString RandomPastedText(Dice& dice);
// A plain file name without a folder part, never "." or "..".
std::string RandomFileName(Dice& dice);

}  // namespace quarrant::monkey
