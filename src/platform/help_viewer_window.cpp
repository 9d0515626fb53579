#include "platform/help_viewer_window.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <optional>

namespace quarrant {
namespace {

QString MessagePage(const QString& title, const QString& text) {
  return QStringLiteral("<html><body><h2>%1</h2><p>%2</p></body></html>")
      .arg(title.toHtmlEscaped(), text);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// HelpBrowser

HelpBrowser::HelpBrowser(const ChmArchive& archive, QWidget* parent)
    : QTextBrowser(parent), archive_(archive) {
  // Links go through the window, which keeps other files' and web addresses out of the pane.
  setOpenLinks(false);
  setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? source().resolved(name) : name;
  if (url.scheme() != QLatin1String("chm")) return {};
  const std::optional<QByteArray> bytes = archive_.read(url.path());
  if (!bytes) {
    if (type != QTextDocument::HtmlResource) return {};
    return MessagePage(
        tr("Topic not found"),
        tr("The topic <b>%1</b> is not in this help file.").arg(url.path().toHtmlEscaped()));
  }
  if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
    return decodeHtml(*bytes);
  return *bytes;
}

// Back and Forward scroll as a visit does; the browser would return to where their page was left.
void HelpBrowser::backward() {
  visit([this] { QTextBrowser::backward(); });
}

void HelpBrowser::forward() {
  visit([this] { QTextBrowser::forward(); });
}

void HelpBrowser::home() {
  if (archive_.isOpen()) setSource(helpTopicUrl(archive_.defaultTopic()));
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType /*type*/) {
  QUrl place = name.adjusted(QUrl::RemoveQuery);
  if (place == source().adjusted(QUrl::RemoveQuery)) {
    place = source();  // the place shown: no new history entry
  } else if (forwardHistoryCount() > 0 && historyUrl(1) == place) {
    // A new visit forgets every place ahead in the history. The browser would forget none of
    // them when the visit is to the next place ahead, so the visit is made to differ from it.
    place.setQuery(QStringLiteral("again"));
  }
  // Every place of the help file is an HTML page, whatever its name ends in. Go keeps the page
  // shown where it is, which the browser would show from its top again.
  visit([this, place] { QTextBrowser::doSetSource(place, QTextDocument::HtmlResource); });
}

void HelpBrowser::visit(const std::function<void()>& go) {
  const auto page = [this] { return source().adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment); };
  const QUrl before = page();
  const int position = verticalScrollBar()->value();
  go();
  if (source().hasFragment()) {
    scrollToAnchor(source().fragment());
  } else {
    verticalScrollBar()->setValue(page() == before ? position : 0);
  }
}

// ---------------------------------------------------------------------------------------------
// HelpViewerWindow

HelpViewerWindow::HelpViewerWindow(const QString& chmPath) : chmPath_(chmPath) {
  setObjectName(QStringLiteral("HelpViewer"));
  setAttribute(Qt::WA_DeleteOnClose);
  // A help window left open does not keep the program running once the main window closes.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(780, 560);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }

  auto* toolBar = new QToolBar(this);
  toolBar->setObjectName(QStringLiteral("tb_help"));
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  auto makeButton = [&](const char* name, const QString& text, QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(toolBar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setIcon(style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->addWidget(button);
    return button;
  };
  back_ = makeButton("tb_back", tr("Back"), QStyle::SP_ArrowBack);
  forward_ = makeButton("tb_forward", tr("Forward"), QStyle::SP_ArrowForward);
  home_ = makeButton("tb_home", tr("Home"), QStyle::SP_DirHomeIcon);
  // Alt+Left and Alt+Right go back and forward; Escape and Ctrl+W close the window.
  back_->setShortcut(QKeySequence::Back);
  forward_->setShortcut(QKeySequence::Forward);
  auto* close = new QShortcut(this);
  close->setKeys({QKeySequence(Qt::Key_Escape), QKeySequence::Close});
  connect(close, &QShortcut::activated, this, &QWidget::close);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  contents_ = new QTreeWidget(splitter);
  contents_->setObjectName(QStringLiteral("tv_contents"));
  contents_->setAccessibleName(tr("Contents"));
  contents_->setHeaderHidden(true);
  contents_->setColumnCount(1);
  browser_ = new HelpBrowser(archive_, splitter);
  browser_->setObjectName(QStringLiteral("hb_topic"));
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({230, 550});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar);
  layout->addWidget(splitter, 1);

  // The buttons follow the browser's history.
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(home_, &QToolButton::clicked, browser_, &QTextBrowser::home);
  connect(browser_, &QTextBrowser::sourceChanged, this,
          [this](const QUrl& place) { onSourceChanged(place); });
  connect(browser_, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& link) { onLinkClicked(link); });
  auto openEntry = [this](QTreeWidgetItem* item) {
    const QString local = item->data(0, Qt::UserRole).toString();
    if (!local.isEmpty()) browser_->setSource(helpTopicUrl(local));
  };
  connect(contents_, &QTreeWidget::itemClicked, this,
          [openEntry](QTreeWidgetItem* item, int) { openEntry(item); });
  connect(contents_, &QTreeWidget::itemActivated, this,
          [openEntry](QTreeWidgetItem* item, int) { openEntry(item); });

  if (archive_.open(chmPath)) {
    setWindowTitle(archive_.title().isEmpty() ? QFileInfo(chmPath).fileName() : archive_.title());
    fillContents();
  } else {
    setWindowTitle(QFileInfo(chmPath).fileName());
    contents_->hide();
    showMessagePage(tr("Cannot open the help file"),
                    tr("The help file <b>%1</b> could not be opened. It may be missing "
                       "or damaged.")
                        .arg(chmPath.toHtmlEscaped()));
  }
  home_->setEnabled(archive_.isOpen() && !archive_.defaultTopic().isEmpty());
}

HelpViewerWindow::~HelpViewerWindow() {
  // The topic pane reads from the archive: it goes before the archive closes.
  delete browser_;
}

QString HelpViewerWindow::currentTopic() const {
  return browser_->source().path();
}

void HelpViewerWindow::showTopic(const QString& topic) {
  if (!archive_.isOpen()) return;
  if (topic.isEmpty()) {
    browser_->home();
  } else {
    browser_->setSource(helpTopicUrl(topic));
  }
}

void HelpViewerWindow::showContext(uint32_t context) {
  if (!archive_.isOpen()) return;
  const QString topic = archive_.contextTopic(context);
  if (!topic.isEmpty()) {
    browser_->setSource(helpTopicUrl(topic));
    return;
  }
  // Not a place: the history and the topic shown stay as they are.
  showMessagePage(tr("No topic for this request"),
                  tr("This help file has no topic for help context %1. "
                     "<a href=\"%2\">Go to the overview.</a>")
                      .arg(context)
                      .arg(helpTopicUrl(archive_.defaultTopic()).toString().toHtmlEscaped()));
}

void HelpViewerWindow::showMessagePage(const QString& title, const QString& text) {
  browser_->setHtml(MessagePage(title, text));
  nameTopicPane();
}

// The topic pane is named by the topic's title, which a screen reader says on entering it.
void HelpViewerWindow::nameTopicPane() {
  const QString title = browser_->documentTitle();
  browser_->setAccessibleName(title.isEmpty() ? tr("Topic") : title);
}

void HelpViewerWindow::onSourceChanged(const QUrl& place) {
  nameTopicPane();
  // A topic that the file does not hold leaves the contents as they were.
  if (archive_.contains(place.path())) selectContentsEntry(place.path());
}

void HelpViewerWindow::onLinkClicked(const QUrl& link) {
  const QUrl page = browser_->source().adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
  const HelpLink target = resolveHelpLink(page, link, chmPath_);
  switch (target.kind) {
    case HelpLink::Kind::Topic:
      browser_->setSource(target.url);
      break;
    case HelpLink::Kind::External:
      QDesktopServices::openUrl(target.url);
      break;
    case HelpLink::Kind::OtherFile:
      emit otherHelpFileLinkClicked(target.address);
      break;
    case HelpLink::Kind::Ignored:
      break;
  }
}

void HelpViewerWindow::fillContents() {
  contents_->clear();
  const QString file = archive_.contentsFile();
  const std::optional<QByteArray> sitemap = file.isEmpty() ? std::nullopt : archive_.read(file);
  if (!sitemap) {
    contents_->hide();
    return;
  }
  addContents(nullptr, parseContents(decodeHtml(*sitemap)));
  contents_->expandAll();
}

void HelpViewerWindow::addContents(QTreeWidgetItem* parent,
                                   const std::vector<ContentsEntry>& entries) {
  for (const ContentsEntry& entry : entries) {
    auto* item = parent == nullptr ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parent);
    item->setText(0, entry.name);
    if (!entry.local.isEmpty()) item->setData(0, Qt::UserRole, entry.local);
    item->setIcon(0, style()->standardIcon(entry.children.empty() ? QStyle::SP_FileIcon
                                                                  : QStyle::SP_DirOpenIcon));
    addContents(item, entry.children);
  }
}

void HelpViewerWindow::selectContentsEntry(const QString& topic) {
  const QSignalBlocker blocker(contents_);
  for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
    const QString local = (*it)->data(0, Qt::UserRole).toString();
    if (!local.isEmpty() && helpTopicUrl(local).path().compare(topic, Qt::CaseInsensitive) == 0) {
      contents_->setCurrentItem(*it);
      return;
    }
  }
  contents_->clearSelection();
}

}  // namespace quarrant
