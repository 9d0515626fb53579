// Numbers are written the same in every locale but for the decimal separator: the C library's
// locale, which Qt takes from the environment, must not reach the digits. The check runs with
// the C library switched to locales with a decimal comma, over the separator of every locale
// Qt knows.
#include <gtest/gtest.h>

#include <QLocale>
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/number_format.h"
#include "support/regional.h"

namespace quarrant {
namespace {

// Values of every magnitude the formats treat differently, with ties at the last decimal.
std::vector<long double> SampleValues(std::size_t count) {
  std::mt19937_64 random(20261209);
  std::uniform_real_distribution<double> exponent(-22.0, 24.0);
  std::vector<long double> values;
  values.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    long double v = std::pow(10.0L, static_cast<long double>(exponent(random)));
    if (i % 5 == 0) v = static_cast<long double>(random() % 100000) / 8.0L;  // ties
    values.push_back(random() & 1 ? -v : v);
  }
  return values;
}

// The selector's format and the plain format of a value.
std::string Texts(long double value, int selector, char separator) {
  return FormatForSelector(value, selector, separator) + ' ' + FormatGeneralPlain(value, separator);
}

class LocaleSwitch {
 public:
  explicit LocaleSwitch(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
    ok_ = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~LocaleSwitch() { std::setlocale(LC_ALL, previous_.c_str()); }
  bool ok() const { return ok_; }

 private:
  std::string previous_;
  bool ok_ = false;
};

TEST(RegionalSettings, EveryLocaleWritesTheCLocaleTextWithItsSeparator) {
  const QList<QLocale> locales =
      QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
  ASSERT_GT(locales.size(), 300);
  std::vector<char> separators;
  for (const QLocale& locale : locales) separators.push_back(DecimalSeparatorOf(locale));
  ASSERT_NE(std::count(separators.begin(), separators.end(), ','), 0);

  const std::vector<long double> values = SampleValues(1000000);
  std::vector<std::string> reference;
  reference.reserve(values.size());
  {
    LocaleSwitch c("C");
    for (std::size_t i = 0; i < values.size(); ++i)
      reference.push_back(Texts(values[i], static_cast<int>(i % 12), '.'));
  }
  // Half the values under each comma locale, each value with the next locale's separator.
  const char* const commaLocales[] = {"de_DE.UTF-8", "fr_FR.UTF-8"};
  for (std::size_t half = 0; half < 2; ++half) {
    LocaleSwitch process(commaLocales[half]);
    ASSERT_TRUE(process.ok()) << commaLocales[half]
                              << " is not generated (scripts/install-deps.sh generates it)";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    ASSERT_STREQ(probe, "0,5") << "the C library does not use the comma it is tested with";
    int failures = 0;
    for (std::size_t i = half; i < values.size() && failures < 10; i += 2) {
      const char separator = separators[i % separators.size()];
      std::string expected = reference[i];
      std::replace(expected.begin(), expected.end(), '.', separator);
      const std::string actual = Texts(values[i], static_cast<int>(i % 12), separator);
      if (actual != expected) {
        ++failures;
        ADD_FAILURE() << commaLocales[half] << ": value " << static_cast<double>(values[i])
                      << " at selector " << i % 12 << " gives \"" << actual << "\", not \""
                      << expected << "\"";
      }
    }
  }
}

}  // namespace
}  // namespace quarrant
