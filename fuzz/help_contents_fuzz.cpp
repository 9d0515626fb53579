// Fuzz target for the help viewer's contents parser and its link handling. The bytes are a
// contents (.hhc) file, decoded as the viewer decodes it. Whatever they hold:
// - the tree is no deeper than kMaxContentsDepth, and every entry needs a tag of its own;
// - the tree written back as a plain sitemap (every value escaped) reads back the same;
// - a contents entry's topic is a "chm" place whose path starts with "/" and has no "\";
// - a link or contents entry, clicked in a topic, stays in the help file as a "chm" place
//   (a relative one, without a host, as a path from "/" with no "." or ".." step left), goes out
//   only as http, https or mailto, or names another help file by an absolute path and the topic the
//   link gave;
// - a stored topic name resolves to a tail of itself that the file contains, or to nothing.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <QUrl>

#include "fuzz_check.h"
#include "platform/help_links_and_contents.h"

namespace {

using quarrant::ContentsEntry;

size_t Depth(const std::vector<ContentsEntry>& entries) {
  size_t depth = 0;
  for (const ContentsEntry& entry : entries) depth = std::max(depth, Depth(entry.children));
  return entries.empty() ? 0 : depth + 1;
}

size_t Count(const std::vector<ContentsEntry>& entries) {
  size_t count = entries.size();
  for (const ContentsEntry& entry : entries) count += Count(entry.children);
  return count;
}

void Write(const std::vector<ContentsEntry>& entries, QString& out) {
  out += QStringLiteral("<UL>\n");
  for (const ContentsEntry& entry : entries) {
    out += QStringLiteral("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"%1\">")
               .arg(entry.name.toHtmlEscaped());
    if (!entry.local.isEmpty())
      out += QStringLiteral("<param name=\"Local\" value=\"%1\">").arg(entry.local.toHtmlEscaped());
    out += QStringLiteral("</OBJECT>\n");
    if (!entry.children.empty()) Write(entry.children, out);
  }
  out += QStringLiteral("</UL>\n");
}

bool Same(const std::vector<ContentsEntry>& a, const std::vector<ContentsEntry>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].local != b[i].local) return false;
    if (!Same(a[i].children, b[i].children)) return false;
  }
  return true;
}

bool HasDotStep(const QString& path) {
  const QStringList steps = path.split(QLatin1Char('/'));
  return steps.contains(QStringLiteral(".")) || steps.contains(QStringLiteral(".."));
}

void CheckLink(const QUrl& current, const QUrl& link) {
  using quarrant::HelpLink;
  const QString chmPath = QStringLiteral("/opt/quarrant/Rare.chm");
  const HelpLink target = quarrant::resolveHelpLink(current, link, chmPath);
  if (std::getenv("FUZZ_VERBOSE") != nullptr)
    std::fprintf(stderr, "link \"%s\" (%s) -> %d \"%s\" \"%s\"\n", qUtf8Printable(link.toString()),
                 qUtf8Printable(link.errorString()), static_cast<int>(target.kind),
                 qUtf8Printable(target.url.path()), qUtf8Printable(target.address));
  switch (target.kind) {
    case HelpLink::Kind::Topic:
      Check(target.url.scheme() == QLatin1String("chm"));
      // The path is only ever looked up inside the help file; a relative link without a
      // host of its own keeps the topic's folder tree, with every "." and ".." step gone.
      if (link.isRelative() && !link.toString().startsWith(QLatin1String("//"))) {
        Check(target.url.path().startsWith(QLatin1Char('/')));
        Check(!HasDotStep(target.url.path()));
      }
      break;
    case HelpLink::Kind::External: {
      const QString scheme = target.url.scheme().toLower();
      Check(scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
            scheme == QLatin1String("mailto"));
      break;
    }
    case HelpLink::Kind::OtherFile: {
      const quarrant::HelpAddress linked = quarrant::parseHelpAddress(link.toString());
      const quarrant::HelpAddress address = quarrant::parseHelpAddress(target.address);
      Check(!address.file.isEmpty() && QFileInfo(address.file).isAbsolute());
      Check(!address.topic.isEmpty() && address.topic == linked.topic);
      break;
    }
    case HelpLink::Kind::Ignored:
      break;
  }
}

void CheckTopics(const std::vector<ContentsEntry>& entries, const QUrl& current,
                 const std::set<QString>& stored) {
  for (const ContentsEntry& entry : entries) {
    if (!entry.local.isEmpty()) {
      const QUrl url = quarrant::helpTopicUrl(entry.local);
      Check(url.scheme() == QLatin1String("chm"));
      Check(url.path().startsWith(QLatin1Char('/')));
      Check(!url.path().contains(QLatin1Char('\\')));
      CheckLink(current, url);
      CheckLink(current, QUrl(entry.local));

      const QString resolved = quarrant::resolveStoredName(
          entry.local, [&](const QString& name) { return stored.count(name) > 0; });
      if (!resolved.isEmpty()) {
        Check(stored.count(resolved) > 0);
        Check(resolved.startsWith(QLatin1Char('/')));
        QString whole = entry.local;
        whole.replace(QLatin1Char('\\'), QLatin1Char('/'));
        Check(whole.endsWith(resolved) || (QLatin1Char('/') + whole).endsWith(resolved));
      }
    }
    CheckLink(current, QUrl(entry.name));
    CheckTopics(entry.children, current, stored);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quarrant;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QString sitemap = decodeHtml(bytes);
  const std::vector<ContentsEntry> entries = parseContents(sitemap);

  Check(Depth(entries) <= kMaxContentsDepth);
  Check(2 * Count(entries) <= static_cast<size_t>(sitemap.count(QLatin1Char('>'))));

  QString written;
  Write(entries, written);
  Check(Same(parseContents(written), entries));

  const std::set<QString> stored = {QStringLiteral("/default.htm"), QStringLiteral("/a/b.htm"),
                                    QStringLiteral("/images/x.png")};
  CheckTopics(entries, helpTopicUrl(QStringLiteral("/sub/page.htm")), stored);
  return 0;
}
