#include "platform/chm_viewer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <chm_lib.h>

#include <cstring>

namespace quarrant {
namespace {

constexpr uint32_t kDisplayTopic = 0;
constexpr uint32_t kHelpContext = 15;
constexpr uint32_t kCloseAll = 18;

// Objects larger than this are not read (a damaged file could claim any size).
constexpr LONGUINT64 kMaxObjectSize = 64u * 1024u * 1024u;

QHash<QString, QPointer<HelpViewerWindow>>& Viewers() {
  static QHash<QString, QPointer<HelpViewerWindow>> viewers;
  return viewers;
}

QString ViewerKey(const QString& chmPath) {
  const QString canonical = QFileInfo(chmPath).canonicalFilePath();
  return canonical.isEmpty() ? QFileInfo(chmPath).absoluteFilePath() : canonical;
}

QString DecodeEntities(QString text) {
  text.replace(QLatin1String("&lt;"), QLatin1String("<"));
  text.replace(QLatin1String("&gt;"), QLatin1String(">"));
  text.replace(QLatin1String("&quot;"), QLatin1String("\""));
  text.replace(QLatin1String("&#39;"), QLatin1String("'"));
  text.replace(QLatin1String("&amp;"), QLatin1String("&"));
  return text;
}

QString HtmlEscaped(const QString& text) {
  return text.toHtmlEscaped();
}

uint32_t ReadUInt32(const QByteArray& bytes, qsizetype at) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

uint16_t ReadUInt16(const QByteArray& bytes, qsizetype at) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

QString NulTerminated(const QByteArray& bytes, qsizetype at, qsizetype limit) {
  if (at < 0 || at >= bytes.size()) return {};
  limit = std::min(limit, bytes.size());
  qsizetype end = at;
  while (end < limit && bytes.at(end) != '\0') ++end;
  return DecodeHtml(bytes.mid(at, end - at));
}

// The path of a topic inside the help file: "\" as "/", a leading "/", no anchor.
QString ObjectPath(QString topic) {
  topic.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (!topic.startsWith(QLatin1Char('/'))) topic.prepend(QLatin1Char('/'));
  return topic;
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

// ---------------------------------------------------------------------------------------------
// Addresses and contents

QString DecodeHtml(const QByteArray& bytes) {
  const std::optional<QStringConverter::Encoding> declared =
      QStringConverter::encodingForHtml(bytes);
  QStringDecoder decoder(declared.value_or(QStringConverter::Utf8));
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) text = QString::fromLatin1(bytes);
  return text;
}

HelpAddress ParseHelpAddress(const QString& address) {
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

std::vector<ContentsEntry> ParseContents(const QString& sitemap) {
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

// ---------------------------------------------------------------------------------------------
// ChmArchive

ChmArchive::~ChmArchive() {
  if (file_ != nullptr) chm_close(file_);
}

bool ChmArchive::Open(const QString& path) {
  if (file_ != nullptr) {
    chm_close(file_);
    file_ = nullptr;
  }
  path_ = path;
  title_.clear();
  defaultTopic_.clear();
  contentsFile_.clear();
  if (!QFileInfo(path).isFile()) return false;
  file_ = chm_open(QFile::encodeName(path).constData());
  if (file_ == nullptr) return false;
  ReadSystemFile();
  return true;
}

std::optional<QByteArray> ChmArchive::Read(const QString& objectPath) const {
  if (file_ == nullptr) return std::nullopt;
  chmUnitInfo info{};
  const QByteArray name = objectPath.toUtf8();
  if (chm_resolve_object(file_, name.constData(), &info) != CHM_RESOLVE_SUCCESS)
    return std::nullopt;
  if (info.length > kMaxObjectSize) return std::nullopt;
  QByteArray bytes(static_cast<qsizetype>(info.length), Qt::Uninitialized);
  if (info.length == 0) return bytes;
  const LONGINT64 read =
      chm_retrieve_object(file_, &info, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                          static_cast<LONGINT64>(info.length));
  if (read <= 0) return std::nullopt;
  bytes.truncate(static_cast<qsizetype>(read));
  return bytes;
}

bool ChmArchive::Contains(const QString& objectPath) const {
  if (file_ == nullptr) return false;
  chmUnitInfo info{};
  return chm_resolve_object(file_, objectPath.toUtf8().constData(), &info) == CHM_RESOLVE_SUCCESS;
}

void ChmArchive::ReadSystemFile() {
  // #SYSTEM: a 32-bit version, then records of a 16-bit code, a 16-bit length and the data.
  const std::optional<QByteArray> system = Read(QStringLiteral("/#SYSTEM"));
  if (system && system->size() >= 4) {
    qsizetype at = 4;
    while (at + 4 <= system->size()) {
      const uint16_t code = ReadUInt16(*system, at);
      const uint16_t length = ReadUInt16(*system, at + 2);
      const qsizetype data = at + 4;
      if (data + length > system->size()) break;
      const QString text = NulTerminated(*system, data, data + length);
      if (code == 0) contentsFile_ = text.isEmpty() ? QString() : ObjectPath(text);
      if (code == 2) defaultTopic_ = text.isEmpty() ? QString() : ObjectPath(text);
      if (code == 3) title_ = text;
      at = data + length;
    }
  }
  if (defaultTopic_.isEmpty() || !Contains(defaultTopic_)) {
    for (const char* candidate : {"/default.htm", "/default.html", "/index.htm", "/index.html"}) {
      if (Contains(QString::fromLatin1(candidate))) {
        defaultTopic_ = QString::fromLatin1(candidate);
        break;
      }
    }
  }
  if (contentsFile_.isEmpty() || !Contains(contentsFile_)) {
    contentsFile_.clear();
    chm_enumerate(
        file_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
        [](chmFile*, chmUnitInfo* unit, void* context) -> int {
          const QString name = QString::fromUtf8(unit->path);
          if (name.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive)) {
            *static_cast<QString*>(context) = name;
            return CHM_ENUMERATOR_SUCCESS;
          }
          return CHM_ENUMERATOR_CONTINUE;
        },
        &contentsFile_);
  }
}

QString ResolveStoredName(const QString& stored,
                          const std::function<bool(const QString&)>& contains) {
  QString name = ObjectPath(stored);
  while (!name.isEmpty()) {
    if (contains(name)) return name;
    const qsizetype next = name.indexOf(QLatin1Char('/'), 1);
    if (next < 0) break;
    name = name.mid(next);
  }
  return {};
}

QString ChmArchive::ContextTopic(uint32_t context) const {
  // #IVB: a 32-bit byte count, then pairs of a context number and an offset into #STRINGS.
  const std::optional<QByteArray> map = Read(QStringLiteral("/#IVB"));
  const std::optional<QByteArray> strings = Read(QStringLiteral("/#STRINGS"));
  if (!map || !strings || map->size() < 4) return {};
  const qsizetype end = std::min<qsizetype>(map->size(), 4 + ReadUInt32(*map, 0));
  for (qsizetype at = 4; at + 8 <= end; at += 8) {
    if (ReadUInt32(*map, at) != context) continue;
    const qsizetype offset = ReadUInt32(*map, at + 4);
    return ResolveStoredName(NulTerminated(*strings, offset, strings->size()),
                             [this](const QString& name) { return Contains(name); });
  }
  return {};
}

// ---------------------------------------------------------------------------------------------
// HelpBrowser

HelpBrowser::HelpBrowser(const ChmArchive& archive, QWidget* parent)
    : QTextBrowser(parent), archive_(archive) {
  setOpenLinks(false);
  setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? currentUrl_.resolved(name) : name;
  if (url.scheme() != QLatin1String("chm")) return {};
  const std::optional<QByteArray> bytes = archive_.Read(url.path());
  if (!bytes) return {};
  if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
    return DecodeHtml(*bytes);
  return *bytes;
}

// ---------------------------------------------------------------------------------------------
// HelpViewerWindow

namespace {

// The topic pane is named by the topic's title, which a screen reader says on entering it.
void NameAfterTitle(QTextBrowser* browser) {
  const QString title = browser->documentTitle();
  browser->setAccessibleName(title.isEmpty() ? QStringLiteral("Topic") : title);
}

}  // namespace

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
  back_ = makeButton("tb_back", QStringLiteral("Back"), QStyle::SP_ArrowBack);
  forward_ = makeButton("tb_forward", QStringLiteral("Forward"), QStyle::SP_ArrowForward);
  home_ = makeButton("tb_home", QStringLiteral("Home"), QStyle::SP_DirHomeIcon);
  // Alt+Left and Alt+Right go back and forward; Escape and Ctrl+W close the window.
  back_->setShortcut(QKeySequence::Back);
  forward_->setShortcut(QKeySequence::Forward);
  auto* close = new QShortcut(this);
  close->setKeys({QKeySequence(Qt::Key_Escape), QKeySequence::Close});
  connect(close, &QShortcut::activated, this, &QWidget::close);
  connect(back_, &QToolButton::clicked, this, [this] { Back(); });
  connect(forward_, &QToolButton::clicked, this, [this] { Forward(); });
  connect(home_, &QToolButton::clicked, this, [this] { Home(); });

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  contents_ = new QTreeWidget(splitter);
  contents_->setObjectName(QStringLiteral("tv_contents"));
  contents_->setAccessibleName(QStringLiteral("Contents"));
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

  connect(browser_, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& link) { OnLinkClicked(link); });
  connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
    const QString local = item->data(0, Qt::UserRole).toString();
    if (!local.isEmpty()) Navigate(HelpTopicUrl(local), true);
  });
  connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) {
    const QString local = item->data(0, Qt::UserRole).toString();
    if (!local.isEmpty()) Navigate(HelpTopicUrl(local), true);
  });

  if (archive_.Open(chmPath)) {
    setWindowTitle(archive_.Title().isEmpty() ? QFileInfo(chmPath).fileName() : archive_.Title());
    FillContents();
  } else {
    setWindowTitle(QFileInfo(chmPath).fileName());
    contents_->hide();
    ShowMessagePage(QStringLiteral("Cannot open the help file"),
                    QStringLiteral("The help file <b>%1</b> could not be opened. It may be missing "
                                   "or damaged.")
                        .arg(HtmlEscaped(chmPath)));
  }
  UpdateButtons();
}

HelpViewerWindow::~HelpViewerWindow() {
  // The topic pane reads from the archive: it goes before the archive closes.
  delete browser_;
}

QUrl HelpTopicUrl(const QString& topic) {
  QString path = topic;
  QString fragment;
  const qsizetype hash = path.indexOf(QLatin1Char('#'));
  if (hash >= 0) {
    fragment = path.mid(hash + 1);
    path.truncate(hash);
  }
  QUrl url;
  url.setScheme(QStringLiteral("chm"));
  url.setPath(ObjectPath(path));
  if (!fragment.isEmpty()) url.setFragment(fragment);
  return url;
}

void HelpViewerWindow::ShowTopic(const QString& topic) {
  if (!archive_.IsOpen()) return;
  const QString target = topic.isEmpty() ? archive_.DefaultTopic() : topic;
  Navigate(HelpTopicUrl(target), true);
}

void HelpViewerWindow::ShowContext(uint32_t context) {
  if (!archive_.IsOpen()) return;
  const QString topic = archive_.ContextTopic(context);
  if (!topic.isEmpty()) {
    Navigate(HelpTopicUrl(topic), true);
    return;
  }
  ShowMessagePage(QStringLiteral("No topic for this request"),
                  QStringLiteral("This help file has no topic for help context %1. "
                                 "<a href=\"%2\">Go to the overview.</a>")
                      .arg(context)
                      .arg(HtmlEscaped(HelpTopicUrl(archive_.DefaultTopic()).toString())));
}

void HelpViewerWindow::Back() {
  if (historyIndex_ <= 0) return;
  --historyIndex_;
  Navigate(history_[static_cast<size_t>(historyIndex_)], false);
}

void HelpViewerWindow::Forward() {
  if (historyIndex_ + 1 >= static_cast<int>(history_.size())) return;
  ++historyIndex_;
  Navigate(history_[static_cast<size_t>(historyIndex_)], false);
}

void HelpViewerWindow::Home() {
  ShowTopic(QString());
}

void HelpViewerWindow::Navigate(const QUrl& url, bool addToHistory) {
  if (addToHistory) {
    if (historyIndex_ >= 0 && history_[static_cast<size_t>(historyIndex_)] == url) {
      addToHistory = false;  // the same place again: no new history entry
    } else {
      history_.resize(static_cast<size_t>(historyIndex_ + 1));
      history_.push_back(url);
      historyIndex_ = static_cast<int>(history_.size()) - 1;
    }
  }
  QUrl page = url;
  page.setFragment(QString());
  const bool samePage = current_ == page && !browser_->document()->isEmpty();
  current_ = page;
  if (!samePage) {
    const std::optional<QByteArray> bytes = archive_.Read(page.path());
    if (!bytes) {
      ShowMessagePage(QStringLiteral("Topic not found"),
                      QStringLiteral("The topic <b>%1</b> is not in this help file.")
                          .arg(HtmlEscaped(page.path())));
      UpdateButtons();
      return;
    }
    browser_->SetCurrentUrl(page);
    browser_->document()->setBaseUrl(page);
    browser_->setHtml(DecodeHtml(*bytes));
    NameAfterTitle(browser_);
  }
  if (url.hasFragment()) {
    browser_->scrollToAnchor(url.fragment());
  } else if (!samePage) {
    browser_->verticalScrollBar()->setValue(0);
  }
  SelectContentsEntry();
  UpdateButtons();
}

void HelpViewerWindow::ShowMessagePage(const QString& title, const QString& text) {
  browser_->SetCurrentUrl(QUrl());
  browser_->setHtml(QStringLiteral("<html><body><h2>%1</h2><p>%2</p></body></html>")
                        .arg(HtmlEscaped(title), text));
  NameAfterTitle(browser_);
}

HelpLink ResolveHelpLink(const QUrl& current, const QUrl& link, const QString& chmPath) {
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
  const HelpAddress address = ParseHelpAddress(link.toString());
  if (!address.topic.isEmpty()) {
    result.kind = HelpLink::Kind::OtherFile;
    result.address =
        (QFileInfo(address.file).isRelative() ? QFileInfo(chmPath).dir().filePath(address.file)
                                              : address.file) +
        QStringLiteral("::") + address.topic;
  }
  return result;
}

void HelpViewerWindow::OnLinkClicked(const QUrl& link) {
  const HelpLink target = ResolveHelpLink(current_, link, chmPath_);
  switch (target.kind) {
    case HelpLink::Kind::Topic:
      Navigate(target.url, true);
      break;
    case HelpLink::Kind::External:
      QDesktopServices::openUrl(target.url);
      break;
    case HelpLink::Kind::OtherFile:
      if (QWidget* shown = HtmlHelpViewer(nullptr, target.address, kDisplayTopic, 0)) {
        shown->show();
        shown->raise();
      }
      break;
    case HelpLink::Kind::Ignored:
      break;
  }
}

void HelpViewerWindow::FillContents() {
  contents_->clear();
  const QString file = archive_.ContentsFile();
  const std::optional<QByteArray> sitemap = file.isEmpty() ? std::nullopt : archive_.Read(file);
  if (!sitemap) {
    contents_->hide();
    return;
  }
  AddContents(nullptr, ParseContents(DecodeHtml(*sitemap)));
  contents_->expandAll();
}

void HelpViewerWindow::AddContents(QTreeWidgetItem* parent,
                                   const std::vector<ContentsEntry>& entries) {
  for (const ContentsEntry& entry : entries) {
    auto* item = parent == nullptr ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parent);
    item->setText(0, entry.name);
    if (!entry.local.isEmpty()) item->setData(0, Qt::UserRole, entry.local);
    item->setIcon(0, style()->standardIcon(entry.children.empty() ? QStyle::SP_FileIcon
                                                                  : QStyle::SP_DirOpenIcon));
    AddContents(item, entry.children);
  }
}

void HelpViewerWindow::SelectContentsEntry() {
  const QString path = current_.path();
  QTreeWidgetItemIterator it(contents_);
  while (*it) {
    const QString local = (*it)->data(0, Qt::UserRole).toString();
    if (!local.isEmpty() && HelpTopicUrl(local).path().compare(path, Qt::CaseInsensitive) == 0) {
      const QSignalBlocker blocker(contents_);
      contents_->setCurrentItem(*it);
      return;
    }
    ++it;
  }
  const QSignalBlocker blocker(contents_);
  contents_->clearSelection();
}

void HelpViewerWindow::UpdateButtons() {
  back_->setEnabled(historyIndex_ > 0);
  forward_->setEnabled(historyIndex_ + 1 < static_cast<int>(history_.size()));
  home_->setEnabled(archive_.IsOpen() && !archive_.DefaultTopic().isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Entry point

void CloseHelpViewers() {
  auto& viewers = Viewers();
  const auto windows = viewers.values();
  viewers.clear();
  if (QCoreApplication::instance() == nullptr) return;  // the toolkit is gone with its windows
  for (const QPointer<HelpViewerWindow>& window : windows) {
    if (window) delete window.data();
  }
}

QWidget* HtmlHelpViewer(QWidget* /*owner*/, const QString& address, uint32_t command,
                        intptr_t data) {
  if (command == kCloseAll) {
    CloseHelpViewers();
    return nullptr;
  }
  if (command != kDisplayTopic && command != kHelpContext) return nullptr;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;

  const HelpAddress parsed = ParseHelpAddress(address);
  if (parsed.file.isEmpty()) return nullptr;
  const QString key = ViewerKey(parsed.file);
  QPointer<HelpViewerWindow>& slot = Viewers()[key];
  if (!slot || !slot->IsOpen()) {
    delete slot.data();
    slot = new HelpViewerWindow(parsed.file);
  }
  HelpViewerWindow* window = slot.data();
  if (command == kDisplayTopic) {
    window->ShowTopic(parsed.topic);
  } else {
    window->ShowContext(static_cast<uint32_t>(data));
  }
  window->show();
  return window;
}

}  // namespace quarrant
