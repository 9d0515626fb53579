#pragma once
// The built-in viewer of compiled HTML help (.chm) files, which stands in for the platform's
// help control: a window with a contents tree, back, forward and home, that shows the topics,
// pictures and style sheets stored in the help file and follows the links between them.
//
// HtmlHelpViewer is the control's entry point ("HtmlHelpA"). Addresses have the form
//   [mk:@MSITStore:|ms-its:]<file>[::/<topic>[#anchor]][><window>]
// and the commands are
//   HH_DISPLAY_TOPIC (0)   show the address's topic (the file's default topic when it has none)
//   HH_HELP_CONTEXT (15)   show the topic that the file maps the help context number (data) to
//   HH_CLOSE_ALL (18)      close every viewer window
// One window is kept per help file; it comes back for the next request on that file.
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
struct chmFile;

namespace quarrant {

QWidget* HtmlHelpViewer(QWidget* owner, const QString& address, uint32_t command, intptr_t data);
// Closes and deletes every viewer window (the library is released, or HH_CLOSE_ALL).
void CloseHelpViewers();

struct HelpAddress {
  QString file;    // the help file
  QString topic;   // "/page.htm#anchor", or empty
  QString window;  // window definition, or empty
};
HelpAddress ParseHelpAddress(const QString& address);

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
std::vector<ContentsEntry> ParseContents(const QString& sitemap);

// The text of a stored page or contents file: in the encoding its HTML declares, else UTF-8,
// else Latin-1.
QString DecodeHtml(const QByteArray& bytes);

// The place of a topic inside the help file: scheme "chm", the path with "\" as "/" and a
// leading "/", the anchor as the fragment.
QUrl HelpTopicUrl(const QString& topic);

// Where a link clicked in the topic shown (current, a "chm" place) leads.
struct HelpLink {
  enum class Kind { Ignored, Topic, External, OtherFile };
  Kind kind = Kind::Ignored;
  QUrl url;         // Topic: the place in this help file; External: the http(s) or mailto address
  QString address;  // OtherFile: "<file>::<topic>", a relative file taken from chmPath's folder
};
HelpLink ResolveHelpLink(const QUrl& current, const QUrl& link, const QString& chmPath);

// The longest tail of a stored topic name, made a path inside the file, that the file contains
// (contains says which), or empty. Compilers store the topic of a mapped context as written in
// the project, which may be a full path on the machine that compiled the file.
QString ResolveStoredName(const QString& name, const std::function<bool(const QString&)>& contains);

// Read access to a compiled help file.
class ChmArchive {
 public:
  ChmArchive() = default;
  ~ChmArchive();
  ChmArchive(const ChmArchive&) = delete;
  ChmArchive& operator=(const ChmArchive&) = delete;

  bool Open(const QString& path);
  bool IsOpen() const { return file_ != nullptr; }
  const QString& Path() const { return path_; }

  // An object of the file by its path ("/default.htm"), or none.
  std::optional<QByteArray> Read(const QString& objectPath) const;
  bool Contains(const QString& objectPath) const;

  QString Title() const { return title_; }
  QString DefaultTopic() const { return defaultTopic_; }  // "/default.htm"
  QString ContentsFile() const { return contentsFile_; }  // "/toc.hhc", or empty
  // The topic the file maps a help context number to, or empty.
  QString ContextTopic(uint32_t context) const;

 private:
  void ReadSystemFile();

  chmFile* file_ = nullptr;
  QString path_;
  QString title_;
  QString defaultTopic_;
  QString contentsFile_;
};

// The topic pane: resolves relative links, pictures and style sheets inside the help file.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  HelpBrowser(const ChmArchive& archive, QWidget* parent);
  QVariant loadResource(int type, const QUrl& name) override;
  void SetCurrentUrl(const QUrl& url) { currentUrl_ = url; }

 private:
  const ChmArchive& archive_;
  QUrl currentUrl_;
};

class HelpViewerWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewerWindow(const QString& chmPath);
  ~HelpViewerWindow() override;

  bool IsOpen() const { return archive_.IsOpen(); }
  const QString& ChmPath() const { return chmPath_; }
  // The topic shown, as a path inside the file ("/default.htm"), without its anchor.
  QString CurrentTopic() const { return current_.path(); }

  void ShowTopic(const QString& topic);
  void ShowContext(uint32_t context);
  void Back();
  void Forward();
  void Home();

 private:
  void Navigate(const QUrl& url, bool addToHistory);
  void ShowMessagePage(const QString& title, const QString& text);
  void OnLinkClicked(const QUrl& link);
  void FillContents();
  void AddContents(QTreeWidgetItem* parent, const std::vector<ContentsEntry>& entries);
  void SelectContentsEntry();
  void UpdateButtons();

  QString chmPath_;
  ChmArchive archive_;
  QTreeWidget* contents_ = nullptr;
  HelpBrowser* browser_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
  QToolButton* home_ = nullptr;
  std::vector<QUrl> history_;
  int historyIndex_ = -1;
  QUrl current_;
};

}  // namespace quarrant
