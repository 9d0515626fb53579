#pragma once
// Decimal text to Extended, correctly rounded and whatever the C library's locale says.
// libstdc++'s std::from_chars is that on Linux. The MinGW build's long double overload rounds
// through double, so there the conversion is MinGW's own strtold (gdtoa, correctly rounded to
// the 80-bit format), which reads the C locale's decimal point; the text's '.' is given as
// that. For the plain decimal texts the engine converts (digits, one point, an exponent).
#include <charconv>
#include <system_error>

#ifdef __MINGW32__
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <string>
#endif

namespace quarrant {

inline std::from_chars_result ExtendedFromChars(const char* first, const char* last,
                                                long double& value) {
#ifdef __MINGW32__
  std::string text(first, last);
  if (text.empty() || !(text[0] == '-' || text[0] == '.' || (text[0] >= '0' && text[0] <= '9')))
    return {first, std::errc::invalid_argument};
  const char point = std::localeconv()->decimal_point[0];
  if (point != '.')
    for (char& c : text)
      if (c == '.') c = point;
  errno = 0;
  char* end = nullptr;
  const long double parsed = __mingw_strtold(text.c_str(), &end);
  const auto used = end - text.c_str();
  if (used == 0) return {first, std::errc::invalid_argument};
  if (errno == ERANGE) return {first + used, std::errc::result_out_of_range};
  value = parsed;
  return {first + used, std::errc()};
#else
  return std::from_chars(first, last, value);
#endif
}

}  // namespace quarrant
