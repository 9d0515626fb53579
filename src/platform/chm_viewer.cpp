#include "platform/chm_viewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QPointer>

#include "platform/help_links_and_contents.h"
#include "platform/help_viewer_window.h"

namespace quarrant {
namespace {

constexpr uint32_t kDisplayTopic = 0;
constexpr uint32_t kHelpContext = 15;
constexpr uint32_t kCloseAll = 18;

QHash<QString, QPointer<HelpViewerWindow>>& Viewers() {
  static QHash<QString, QPointer<HelpViewerWindow>> viewers;
  return viewers;
}

// The key of a help file in the list of open windows.
QString ViewerKey(const QString& chmPath) {
  const QString canonical = QFileInfo(chmPath).canonicalFilePath();
  return canonical.isEmpty() ? QFileInfo(chmPath).absoluteFilePath() : canonical;
}

}  // namespace

void closeHelpViewers() {
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
    closeHelpViewers();
    return nullptr;
  }
  if (command != kDisplayTopic && command != kHelpContext) return nullptr;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;

  const HelpAddress parsed = parseHelpAddress(address);
  if (parsed.file.isEmpty()) return nullptr;
  const QString key = ViewerKey(parsed.file);
  QPointer<HelpViewerWindow>& slot = Viewers()[key];
  if (!slot || !slot->isOpen()) {
    delete slot.data();
    slot = new HelpViewerWindow(parsed.file);
    QObject::connect(slot.data(), &HelpViewerWindow::otherHelpFileLinkClicked,
                     [](const QString& other) {
                       if (QWidget* shown = HtmlHelpViewer(nullptr, other, kDisplayTopic, 0)) {
                         shown->show();
                         shown->raise();
                       }
                     });
  }
  HelpViewerWindow* window = slot.data();
  if (command == kDisplayTopic) {
    window->showTopic(parsed.topic);
  } else {
    window->showContext(static_cast<uint32_t>(data));
  }
  window->show();
  return window;
}

}  // namespace quarrant
