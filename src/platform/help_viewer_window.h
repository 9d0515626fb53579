#pragma once
// The help viewer's window for one help file: a contents tree, back, forward and home, and the
// topic pane, which shows the topics, pictures and style sheets stored in the file, follows the
// links between them and keeps the history of the places visited.
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/chm_archive.h"
#include "platform/help_links_and_contents.h"

class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quarrant {

// The topic pane. Its places are "chm" addresses inside the archive (helpTopicUrl); setSource
// shows one and enters it in the history that backward() and forward() walk; home() shows the
// file's default topic. A place's query is no part of it (doSetSource may add one).
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  HelpBrowser(const ChmArchive& archive, QWidget* parent);
  // A page, picture or style sheet of the help file, a relative name taken from the place shown.
  // A page that the file does not hold is a message saying so.
  QVariant loadResource(int type, const QUrl& name) override;
  void backward() override;
  void forward() override;
  void home() override;

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

 private:
  // Goes to a place by go, then scrolls to the place's anchor, else to the top of a page that
  // was not shown before; a page that was shown keeps its scroll position.
  void visit(const std::function<void()>& go);

  const ChmArchive& archive_;
};

class HelpViewerWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpViewerWindow(const QString& chmPath);
  ~HelpViewerWindow() override;

  bool isOpen() const { return archive_.isOpen(); }
  const QString& chmPath() const { return chmPath_; }
  // The topic shown, as a path inside the file ("/default.htm"), without its anchor.
  QString currentTopic() const;

  // Shows a topic ("page.htm#anchor"), the default topic when it is empty.
  void showTopic(const QString& topic);
  void showContext(uint32_t context);

 signals:
  // A link into another help file was clicked; address is "<file>::<topic>".
  void otherHelpFileLinkClicked(const QString& address);

 private:
  void showMessagePage(const QString& title, const QString& text);
  void nameTopicPane();
  void onLinkClicked(const QUrl& link);
  void onSourceChanged(const QUrl& place);
  void fillContents();
  void addContents(QTreeWidgetItem* parent, const std::vector<ContentsEntry>& entries);
  void selectContentsEntry(const QString& topic);

  QString chmPath_;
  ChmArchive archive_;
  QTreeWidget* contents_ = nullptr;
  HelpBrowser* browser_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
  QToolButton* home_ = nullptr;
};

}  // namespace quarrant
