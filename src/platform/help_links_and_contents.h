#pragma once
// What the help viewer reads out of a compiled help file's text: help addresses, the table of
// contents, the encoding of stored pages, and where the links between topics lead.
#include <QByteArray>
#include <QString>
#include <QUrl>

#include <cstddef>
#include <functional>
#include <vector>

namespace quarrant {

// An address of the form [mk:@MSITStore:|ms-its:]<file>[::/<topic>[#anchor]][><window>].
struct HelpAddress {
  QString file;    // the help file
  QString topic;   // "/page.htm#anchor", or empty
  QString window;  // window definition, or empty
};
HelpAddress parseHelpAddress(const QString& address);

// One entry of a help file's table of contents.
struct ContentsEntry {
  QString name;
  QString local;  // the topic it opens, as written in the contents file; empty for a heading
  std::vector<ContentsEntry> children;
};
// Lists nested deeper than this are read as part of the deepest level kept, so that a damaged
// contents file cannot build a tree whose teardown or display runs out of stack.
inline constexpr size_t kMaxContentsDepth = 64;
// Reads the sitemap HTML of a contents (.hhc) file.
std::vector<ContentsEntry> parseContents(const QString& sitemap);

// The text of a stored page or contents file: in the encoding its HTML declares, else UTF-8,
// else Latin-1.
QString decodeHtml(const QByteArray& bytes);

// The path of a topic inside the help file: "\" as "/", a leading "/"; an anchor stays as it is.
QString helpObjectPath(QString topic);

// The place of a topic inside the help file: scheme "chm", the path with "\" as "/" and a
// leading "/", the anchor as the fragment.
QUrl helpTopicUrl(const QString& topic);

// Where a link clicked in the topic shown (current, a "chm" place) leads.
struct HelpLink {
  enum class Kind { Ignored, Topic, External, OtherFile };
  Kind kind = Kind::Ignored;
  QUrl url;         // Topic: the place in this help file; External: the http(s) or mailto address
  QString address;  // OtherFile: "<file>::<topic>", a relative file taken from chmPath's folder
};
HelpLink resolveHelpLink(const QUrl& current, const QUrl& link, const QString& chmPath);

// The longest tail of a stored topic name, made a path inside the file, that the file contains
// (contains says which), or empty. Compilers store the topic of a mapped context as written in
// the project, which may be a full path on the machine that compiled the file.
QString resolveStoredName(const QString& name, const std::function<bool(const QString&)>& contains);

}  // namespace quarrant
