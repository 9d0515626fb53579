#include "platform/help_links_and_contents.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringConverter>
#include <QStringDecoder>

#include <cstring>
#include <optional>

namespace quarrant {
namespace {

QString DecodeEntities(QString text) {
  text.replace(QLatin1String("&lt;"), QLatin1String("<"));
  text.replace(QLatin1String("&gt;"), QLatin1String(">"));
  text.replace(QLatin1String("&quot;"), QLatin1String("\""));
  // Character references (&#252; &#x44F;): a translated contents file written in ASCII reads
  // the same in every code page.
  static const QRegularExpression reference(QStringLiteral("&#([xX]?)([0-9A-Fa-f]{1,6});"));
  QString decoded;
  qsizetype from = 0;
  for (auto it = reference.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    bool ok = false;
    const char32_t code = match.captured(2).toUInt(&ok, match.captured(1).isEmpty() ? 10 : 16);
    decoded += text.mid(from, match.capturedStart() - from);
    decoded += ok && QChar::isPrint(code) ? QString::fromUcs4(&code, 1) : match.captured();
    from = match.capturedEnd();
  }
  decoded += text.mid(from);
  decoded.replace(QLatin1String("&amp;"), QLatin1String("&"));
  return decoded;
}

bool IsSpace(QChar c) {
  const char16_t code = c.unicode();
  return code == u' ' || code == u'\t' || code == u'\n' || code == u'\v' || code == u'\f' ||
         code == u'\r';
}

bool IsAsciiLetter(QChar c) {
  const char16_t code = c.unicode();
  return (code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z');
}

// A tag of a sitemap: "<name attributes>" or "</name>".
struct Tag {
  bool closing = false;
  QStringView name;
  QStringView attributes;
};

// The tag in a text that runs from a "<" to the first ">" after it, or none when the text does
// not start with a tag's name.
std::optional<Tag> ReadTag(QStringView text) {
  const qsizetype end = text.size() - 1;
  qsizetype at = 1;
  while (at < end && IsSpace(text[at])) ++at;
  Tag tag;
  if (at < end && text[at] == QLatin1Char('/')) {
    tag.closing = true;
    ++at;
  }
  while (at < end && IsSpace(text[at])) ++at;
  const qsizetype name = at;
  while (at < end && IsAsciiLetter(text[at])) ++at;
  if (at == name) return std::nullopt;
  tag.name = text.sliced(name, at - name);
  tag.attributes = text.sliced(at, end - at);
  return tag;
}

}  // namespace

QString decodeHtml(const QByteArray& bytes) {
  const std::optional<QStringConverter::Encoding> declared =
      QStringConverter::encodingForHtml(bytes);
  QStringDecoder decoder(declared.value_or(QStringConverter::Utf8));
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) text = QString::fromLatin1(bytes);
  return text;
}

HelpAddress parseHelpAddress(const QString& address) {
  QString rest = address.trimmed();
  for (const char* prefix : {"mk:@MSITStore:", "ms-its:", "its:"}) {
    if (rest.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) {
      rest = rest.mid(static_cast<qsizetype>(std::strlen(prefix)));
      break;
    }
  }
  HelpAddress result;
  const qsizetype separator = rest.indexOf(QLatin1String("::"));
  const qsizetype windowMark = rest.lastIndexOf(QLatin1Char('>'));
  if (windowMark >= 0 && windowMark > separator) {
    result.window = rest.mid(windowMark + 1);
    rest.truncate(windowMark);
  }
  if (separator >= 0) {
    result.file = rest.left(separator);
    result.topic = rest.mid(separator + 2);
  } else {
    result.file = rest;
  }
  return result;
}

std::vector<ContentsEntry> parseContents(const QString& sitemap) {
  static const QRegularExpression attributePattern(
      QStringLiteral("([A-Za-z-]+)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"));
  auto attributes = [](const QString& text) {
    QHash<QString, QString> values;
    auto matches = attributePattern.globalMatch(text);
    while (matches.hasNext()) {
      const QRegularExpressionMatch m = matches.next();
      QString value = m.captured(2);
      if (!m.capturedView(3).isNull()) value = m.captured(3);
      if (!m.capturedView(4).isNull()) value = m.captured(4);
      values.insert(m.captured(1).toLower(), DecodeEntities(value));
    }
    return values;
  };

  std::vector<ContentsEntry> root;
  std::vector<std::vector<ContentsEntry>*> levels;  // the list each open <ul> fills
  bool inEntry = false;
  ContentsEntry entry;

  // A tag runs from a "<" to the first ">" after it. The text is walked once: searched with a
  // pattern, a long damaged file with a "<" and no ">" took time growing with the square of
  // its size.
  qsizetype close = -1;
  for (qsizetype open = sitemap.indexOf(QLatin1Char('<')); open >= 0;
       open = sitemap.indexOf(QLatin1Char('<'), open + 1)) {
    if (close < open) close = sitemap.indexOf(QLatin1Char('>'), open);
    if (close < 0) break;
    const std::optional<Tag> parts = ReadTag(QStringView(sitemap).sliced(open, close - open + 1));
    if (!parts) continue;
    open = close;
    const bool closing = parts->closing;
    const QString tag = parts->name.toString().toLower();
    if (tag == QLatin1String("ul")) {
      if (closing) {
        if (!levels.empty()) levels.pop_back();
      } else if (levels.empty()) {
        levels.push_back(&root);
      } else if (!levels.back()->empty() && levels.size() < kMaxContentsDepth) {
        levels.push_back(&levels.back()->back().children);
      } else {
        levels.push_back(levels.back());  // a list without an entry to hang from
      }
    } else if (tag == QLatin1String("object")) {
      if (!closing) {
        const auto values = attributes(parts->attributes.toString());
        inEntry = values.value(QStringLiteral("type"))
                      .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
        entry = ContentsEntry{};
      } else if (inEntry) {
        inEntry = false;
        std::vector<ContentsEntry>* target = levels.empty() ? &root : levels.back();
        target->push_back(std::move(entry));
        entry = ContentsEntry{};
      }
    } else if (tag == QLatin1String("param") && inEntry) {
      const auto values = attributes(parts->attributes.toString());
      const QString name = values.value(QStringLiteral("name")).toLower();
      if (name == QLatin1String("name") && entry.name.isEmpty())
        entry.name = values.value(QStringLiteral("value"));
      if (name == QLatin1String("local") && entry.local.isEmpty())
        entry.local = values.value(QStringLiteral("value"));
    }
  }
  return root;
}

QString helpObjectPath(QString topic) {
  topic.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (!topic.startsWith(QLatin1Char('/'))) topic.prepend(QLatin1Char('/'));
  return topic;
}

QUrl helpTopicUrl(const QString& topic) {
  QString path = topic;
  QString fragment;
  const qsizetype hash = path.indexOf(QLatin1Char('#'));
  if (hash >= 0) {
    fragment = path.mid(hash + 1);
    path.truncate(hash);
  }
  QUrl url;
  url.setScheme(QStringLiteral("chm"));
  url.setPath(helpObjectPath(path));
  if (!fragment.isEmpty()) url.setFragment(fragment);
  return url;
}

HelpLink resolveHelpLink(const QUrl& current, const QUrl& link, const QString& chmPath) {
  HelpLink result;
  if (!link.isValid()) return result;  // resolved, it would name no place at all
  const QUrl url = link.isRelative() ? current.resolved(link) : link;
  if (url.scheme() == QLatin1String("chm")) {
    result.kind = HelpLink::Kind::Topic;
    result.url = url;
    return result;
  }
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
      scheme == QLatin1String("mailto")) {
    result.kind = HelpLink::Kind::External;
    result.url = url;
    return result;
  }
  // A link into a help file by its address ("ms-its:file.chm::/topic.htm").
  const HelpAddress address = parseHelpAddress(link.toString());
  if (!address.topic.isEmpty()) {
    result.kind = HelpLink::Kind::OtherFile;
    result.address =
        (QFileInfo(address.file).isRelative() ? QFileInfo(chmPath).dir().filePath(address.file)
                                              : address.file) +
        QStringLiteral("::") + address.topic;
  }
  return result;
}

QString resolveStoredName(const QString& stored,
                          const std::function<bool(const QString&)>& contains) {
  QString name = helpObjectPath(stored);
  while (!name.isEmpty()) {
    if (contains(name)) return name;
    const qsizetype next = name.indexOf(QLatin1Char('/'), 1);
    if (next < 0) break;
    name = name.mid(next);
  }
  return {};
}

}  // namespace quarrant
