// The fixed formats' integer fast path against the exact digit-string routine: the same text
// for ties (exact and inexact), values one or a few steps from ties, values whose 18-digit
// rounding lands on a tie, powers of ten, random values of every magnitude and sign, and the
// non-finite ones. QUARRANT_FORMAT_COMPARISONS sets how many values to compare (a long run).
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "engine/fast_fixed.h"
#include "engine/number_format.h"

namespace quarrant {
namespace {

#ifdef NDEBUG
constexpr uint64_t kDefaultComparisons = 2000000;
#else
constexpr uint64_t kDefaultComparisons = 200000;  // the sanitizer build
#endif

uint64_t ComparisonCount() {
  const char* text = std::getenv("QUARRANT_FORMAT_COMPARISONS");
  return text != nullptr ? std::strtoull(text, nullptr, 10) : kDefaultComparisons;
}

using Wide = unsigned __int128;

std::string WideDigits(Wide n) {
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
    n /= 10;
  } while (n != 0);
  return digits;
}

// n * 10^-scale, correctly rounded.
Extended FromDecimal(Wide n, int scale) {
  return std::strtold((WideDigits(n) + "e-" + std::to_string(scale)).c_str(), nullptr);
}

class Comparison {
 public:
  // Compares `value` and its negation, with `decimals` decimals, through the fast path and the
  // public functions.
  void Check(Extended value, int decimals, char separator = '.') {
    CheckOne(value, decimals, separator);
    CheckOne(-value, decimals, separator);
  }
  uint64_t compared = 0;
  uint64_t fast = 0;
  uint64_t mismatches = 0;
  std::string firstMismatches;

 private:
  void CheckOne(Extended value, int decimals, char separator) {
    ++compared;
    const std::string exact = detail::FormatFixedExact(value, decimals, separator);
    std::string text;
    if (detail::TryFormatFixedFast(value, decimals, separator, text)) {
      ++fast;
      if (text != exact) Mismatch(value, decimals, text, exact);
    }
    text = decimals == 2 ? FormatScheduleAmount(value, separator)
                         : FormatFixed(value, decimals, separator);
    if (text != exact) Mismatch(value, decimals, text, exact);
  }
  void Mismatch(Extended value, int decimals, const std::string& text, const std::string& exact) {
    if (++mismatches > 10) return;
    char line[160];
    std::snprintf(line, sizeof line, "%.25Le with %d decimals: \"%s\", exact \"%s\"\n", value,
                  decimals, text.c_str(), exact.c_str());
    firstMismatches += line;
  }
};

class FixedFormatEquivalence : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_EQ(check.mismatches, 0u) << check.firstMismatches;
    std::printf("%llu values compared, %llu through the fast path\n",
                static_cast<unsigned long long>(check.compared),
                static_cast<unsigned long long>(check.fast));
  }
  // Two decimals (the schedule) half the time, otherwise any of 0..10.
  int Decimals() { return random() % 2 == 0 ? 2 : static_cast<int>(random() % 11); }
  char Separator() { return random() % 8 == 0 ? ',' : '.'; }
  uint64_t Below(uint64_t bound) { return random() % bound; }

  std::mt19937_64 random{20261209};
  Comparison check;
  const uint64_t target = ComparisonCount();
};

// Ties k + 1/2 units of the last decimal, with 1..17 integer and decimal digits in all, k
// sometimes all nines (the rounding carries into a new digit). Around each: the nearest
// values, a few steps away, values within the fast path's margin, and decimal values that
// the 18-digit rounding takes exactly onto the tie, or just short of it.
TEST_F(FixedFormatEquivalence, AroundTies) {
  std::uniform_real_distribution<long double> within(-1.0L, 1.0L);
  while (check.compared < target / 2) {
    const int decimals = Decimals();
    const char separator = Separator();
    const int digits = 1 + static_cast<int>(Below(17));
    Wide power = 1;
    for (int i = 0; i < digits; ++i) power *= 10;
    const Wide units = Below(8) == 0 ? power - 1 : Below(static_cast<uint64_t>(power));
    const Wide tieDigits = units * 10 + 5;  // scale decimals + 1
    const Extended tie = FromDecimal(tieDigits, decimals + 1);
    check.Check(tie, decimals, separator);
    Extended below = tie, above = tie;
    for (int step = 1; step <= 3; ++step) {
      below = std::nextafter(below, 0.0L);
      above = std::nextafter(above, 1e30L);
      check.Check(below, decimals, separator);
      check.Check(above, decimals, separator);
    }
    const int far = static_cast<int>(Below(400));
    check.Check(tie * (1.0L + far * 0x1p-64L), decimals, separator);
    check.Check(tie * (1.0L - far * 0x1p-64L), decimals, separator);
    check.Check(tie * (1.0L + within(random) * 2.5e-17L), decimals, separator);
    // The tie written with 21 significant digits: the 18th digit's unit is 1000, half a unit
    // rounds to the tie at 18 digits (ties to even) and the half unit is where it stops.
    int significant = 0;
    for (Wide n = tieDigits; n != 0; n /= 10) ++significant;
    const int extra = 21 - significant;
    Wide wide = tieDigits;
    for (int i = 0; i < extra; ++i) wide *= 10;
    const int scale = decimals + 1 + extra;
    for (int offset : {1, 499, 500, 501, 999, 1000, 1001}) {
      check.Check(FromDecimal(wide + offset, scale), decimals, separator);
      check.Check(FromDecimal(wide - offset, scale), decimals, separator);
    }
    const int offset = static_cast<int>(Below(4001)) - 2000;
    check.Check(FromDecimal(offset < 0 ? wide - static_cast<Wide>(-offset) : wide + offset, scale),
                decimals, separator);
  }
}

// Binary fractions that are exact ties: odd / 2^(d + 1) times 10^d ends in exactly one half.
// Powers of ten and their neighbours; the largest values the fast path takes; zeros and
// non-finite values; then random values: amounts in cents as the schedule holds them, and
// random significands with exponents from 1e-25 to 1e21 and, more rarely, the whole range.
TEST_F(FixedFormatEquivalence, ExactTiesPowersOfTenAndRandomValues) {
  for (int decimals = 0; decimals <= 10; ++decimals) {
    for (int k = -25; k <= 21; ++k) {
      Extended power = std::strtold(("1e" + std::to_string(k)).c_str(), nullptr);
      Extended below = power, above = power;
      check.Check(power, decimals);
      for (int step = 1; step <= 3; ++step) {
        below = std::nextafter(below, 0.0L);
        above = std::nextafter(above, 1e30L);
        check.Check(below, decimals);
        check.Check(above, decimals);
      }
    }
    for (const Extended special : {0.0L, std::numeric_limits<Extended>::infinity(),
                                   std::numeric_limits<Extended>::quiet_NaN(), LDBL_MAX, LDBL_MIN,
                                   std::numeric_limits<Extended>::denorm_min()}) {
      check.Check(special, decimals);
      check.Check(special, decimals, ',');
    }
  }
  std::uniform_int_distribution<int> narrowExponent(-84, 70), wideExponent(-16440, 16380);
  while (check.compared < target / 2) {
    const int decimals = Decimals();
    const char separator = Separator();
    const uint64_t odd = (random() >> Below(64)) | 1;
    check.Check(std::ldexp(static_cast<Extended>(odd), -(decimals + 1)), decimals, separator);
    const Extended cents = static_cast<Extended>(random() >> Below(64));
    check.Check(cents / 100, decimals, separator);
    check.Check(cents / 100 * static_cast<Extended>(1 + Below(1000)) / 7, decimals, separator);
    const Extended significand = static_cast<Extended>(random() | (1ULL << 63)) * 0x1p-63L;
    check.Check(std::ldexp(significand, narrowExponent(random)), decimals, separator);
    if (Below(16) == 0) {
      check.Check(std::ldexp(significand, wideExponent(random)), decimals, separator);
    }
  }
  // Schedule amounts (cents over a few orders of magnitude) nearly always take the fast path.
  Comparison amounts;
  for (int i = 0; i < 10000; ++i) amounts.Check(static_cast<Extended>(Below(10000000000)) / 100, 2);
  EXPECT_EQ(amounts.mismatches, 0u) << amounts.firstMismatches;
  EXPECT_GE(amounts.fast, amounts.compared * 99 / 100);
}

}  // namespace
}  // namespace quarrant
