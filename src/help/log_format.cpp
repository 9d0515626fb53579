// The log's printf-style formatter: %s, %d, %u, %x and %%, never failing on a bad format.
#include <variant>

#include "help/helpsystem.h"
#include "support/control_characters.h"

namespace quarrant {

long long LogArg::Number() const {
  if (const auto* number = std::get_if<long long>(&value_)) return *number;
  return std::get<QString>(value_).toLongLong();
}

QString LogArg::Text() const {
  if (const auto* text = std::get_if<QString>(&value_)) return *text;
  return QString::number(std::get<long long>(value_));
}

QString FormatText(const QString& format, const LogArgs& args) {
  QString out;
  out.reserve(format.size() + 32);
  size_t next = 0;
  const qsizetype size = format.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = format.at(i);
    if (c != QLatin1Char('%')) {
      out += c;
      continue;
    }
    if (i + 1 < size && format.at(i + 1) == QLatin1Char('%')) {
      out += QLatin1Char('%');
      ++i;
      continue;
    }
    // %[-][width]type
    qsizetype j = i + 1;
    const bool leftAlign = j < size && format.at(j) == QLatin1Char('-');
    if (leftAlign) ++j;
    int width = 0;
    while (j < size && format.at(j).isDigit() && width < 1000) {
      width = width * 10 + format.at(j).digitValue();
      ++j;
    }
    const QChar type = j < size ? format.at(j).toLower() : QChar();
    const bool known = type == QLatin1Char('s') || type == QLatin1Char('d') ||
                       type == QLatin1Char('u') || type == QLatin1Char('x');
    if (!known || next >= args.size()) {
      out += c;  // not a specifier this formatter fills: written as it stands
      continue;
    }
    const LogArg& arg = args[next++];
    QString value;
    if (type == QLatin1Char('s') || !arg.IsNumber()) {
      value = arg.Text();
    } else if (type == QLatin1Char('x')) {
      value = QString::number(static_cast<qulonglong>(arg.Number()), 16);
      if (format.at(j) == QLatin1Char('X')) value = value.toUpper();
    } else {
      value = QString::number(arg.Number());
    }
    if (value.size() < width) {
      const QString pad(width - value.size(), QLatin1Char(' '));
      value = leftAlign ? value + pad : pad + value;
    }
    out += value;
    i = j;
  }
  return out;
}

QString ComposeLogLine(const QString& stamp, const QString& format, const LogArgs& args) {
  QString text = args.empty() ? format : FormatText(format, args);
  if (text == QLatin1String("-")) text = QString(80, QLatin1Char('-'));
  if (text == QLatin1String("=")) text = QString(80, QLatin1Char('='));
  if (!text.isEmpty() && (text.at(0) == QLatin1Char('!') || text.at(0) == QLatin1Char('-') ||
                          text.at(0) == QLatin1Char('='))) {
    text.remove(0, 1);
  } else {
    text.prepend(stamp);
  }
  return EscapeControlCharacters(text);
}

QString EscapeControlCharacters(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    const char16_t code = c.unicode();
    if (!IsControlCharacter(c) || code == u'\t') {
      out += c;
    } else if (code == u'\n') {
      out += QLatin1String("\\n");
    } else if (code == u'\r') {
      out += QLatin1String("\\r");
    } else if (code <= 0xFF) {
      out += QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
    } else {
      out += QStringLiteral("\\u%1").arg(code, 4, 16, QLatin1Char('0'));
    }
  }
  return out;
}

}  // namespace quarrant
