// Fuzz target for the log line formatter. The bytes give a time stamp, up to four arguments
// (texts or numbers) and a format; texts are read as UTF-8 or, by a switch, as raw UTF-16 so
// that lone surrogates and every control character can turn up. Whatever they hold:
// - the line has no control character but tabs and no line or paragraph separator, so one
//   event stays one line of the log;
// - escaping is per character and leaves escaped text alone;
// - a format without "%" is written as it stands, and a plain message is the stamp followed by
//   the message, both escaped;
// - without arguments only "%%" changes in the format.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "help/helpsystem.h"

namespace {

QString Text(FuzzedDataProvider& input, bool utf16, size_t maxLength) {
  const std::string bytes = input.ConsumeRandomLengthString(maxLength);
  if (!utf16) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  return QString(reinterpret_cast<const QChar*>(bytes.data()),
                 static_cast<qsizetype>(bytes.size() / 2));
}

bool BreaksLine(QChar c) {
  return (c.category() == QChar::Other_Control && c != QLatin1Char('\t')) ||
         c.unicode() == 0x2028 || c.unicode() == 0x2029;
}

bool HasBreak(const QString& text) {
  for (const QChar c : text)
    if (BreaksLine(c)) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quarrant;
  FuzzedDataProvider input(data, size);
  const bool utf16 = input.ConsumeBool();
  const QString stamp = Text(input, utf16, 64);
  LogArgs args;
  for (int count = input.ConsumeIntegralInRange(0, 4); count > 0; --count) {
    if (input.ConsumeBool()) {
      args.emplace_back(input.ConsumeIntegral<long long>());
    } else {
      args.emplace_back(Text(input, utf16, 256));
    }
  }
  const std::string rest = input.ConsumeRemainingBytesAsString();
  const QString format = utf16
                             ? QString(reinterpret_cast<const QChar*>(rest.data()),
                                       static_cast<qsizetype>(rest.size() / 2))
                             : QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));

  const QString line = ComposeLogLine(stamp, format, args);
  Check(!HasBreak(line));

  const QString escaped = EscapeControlCharacters(format);
  Check(!HasBreak(escaped));
  Check(EscapeControlCharacters(escaped) == escaped);
  Check(HasBreak(format) || escaped == format);
  Check(EscapeControlCharacters(stamp + format) == EscapeControlCharacters(stamp) + escaped);

  if (!format.contains(QLatin1Char('%'))) {
    Check(FormatText(format, args) == format);
    const bool unstamped = format.startsWith(QLatin1Char('!')) ||
                           format.startsWith(QLatin1Char('-')) ||
                           format.startsWith(QLatin1Char('='));
    if (!unstamped) Check(line == EscapeControlCharacters(stamp) + escaped);
    if (format.startsWith(QLatin1Char('!'))) Check(line == EscapeControlCharacters(format.mid(1)));
  }
  Check(FormatText(format, {}) == QString(format).replace(QLatin1String("%%"), QLatin1String("%")));
  return 0;
}
