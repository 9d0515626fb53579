#include "support/fake_platform.h"

#include <QDir>
#include <QFileInfo>

#include "platform/posix_files.h"

namespace quarrant {
namespace {

class FakeLibrary : public LoadedLibrary {
 public:
  explicit FakeLibrary(FakePlatform& owner) : owner_(owner) { ++owner_.loadedLibraries; }
  ~FakeLibrary() override { --owner_.loadedLibraries; }
  HtmlHelpProc HtmlHelpEntry(const char* name) const override {
    if (qstrcmp(name, "HtmlHelpA") != 0) return {};
    FakePlatform* platform = &owner_;
    return [platform](NativeWindow owner, const QString& address, uint32_t command,
                      intptr_t data) -> NativeWindow {
      platform->helpCalls.push_back({owner == 0, address, command, data});
      platform->events << QStringLiteral("HtmlHelpA(%1, %2, %3)")
                              .arg(command)
                              .arg(address)
                              .arg(static_cast<qlonglong>(data));
      return platform->helpWindow;
    };
  }

 private:
  FakePlatform& owner_;
};

}  // namespace

FakePlatform::FakePlatform() {
  os.name = QStringLiteral("Windows XP");
  os.major = 5;
  os.minor = 1;
  os.build = 2600;
  os.servicePack = QStringLiteral("Service Pack 2");
  locale.lcid = 0x0409;
  locale.decimalSeparator = QStringLiteral(".");
  locale.shortDateFormat = QStringLiteral("M/d/yyyy");
  locale.longTimeFormat = QStringLiteral("h:mm:ss AP");
  now = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
}

QString FakePlatform::SystemLibraryPath(const QString& fileName) const {
  return systemFolder + QLatin1Char('/') + fileName;
}

bool FakePlatform::FileExists(const QString& path) const {
  return virtualFiles.count(path) > 0 || posix::FileExists(path);
}

bool FakePlatform::DirectoryExists(const QString& path) const {
  return posix::DirectoryExists(path);
}

std::optional<FileVersion> FakePlatform::FileVersionInfo(const QString& path) const {
  const auto found = versions.find(path);
  if (found == versions.end()) return std::nullopt;
  return found->second;
}

bool FakePlatform::InReadOnlyFolder(const QString& path) const {
  const QString folder = QFileInfo(path).absolutePath();
  return readOnlyFolders.count(folder) > 0 || readOnlyFolders.count(QDir::cleanPath(folder)) > 0;
}

CreateResult FakePlatform::CreateNewFile(const QString& path) {
  if (InReadOnlyFolder(path)) {
    posix::SetLastError(5);
    return CreateResult::Failed;
  }
  return posix::CreateNewFile(path);
}

QString FakePlatform::CreateUniqueFile(const QString& folder, const QString& stem) {
  if (readOnlyFolders.count(folder) > 0) {
    posix::SetLastError(5);
    return {};
  }
  return posix::CreateUniqueFile(folder, stem);
}

bool FakePlatform::RemoveFile(const QString& path) {
  return posix::RemoveFile(path);
}

bool FakePlatform::ResetFileAttributes(const QString& path) {
  return posix::ResetFileAttributes(path);
}

bool FakePlatform::AppendToFile(const QString& path, const QByteArray& bytes) {
  if (InReadOnlyFolder(path)) {
    posix::SetLastError(5);
    return false;
  }
  return posix::AppendToFile(path, bytes);
}

std::optional<QString> FakePlatform::ReadClassesRootDefault(const QString& key) const {
  const auto found = registry.find(key);
  if (found == registry.end()) return std::nullopt;
  return found->second;
}

std::unique_ptr<LoadedLibrary> FakePlatform::LoadLibraryFile(const QString& path) {
  if (libraries.count(path) == 0) return nullptr;
  return std::make_unique<FakeLibrary>(*this);
}

void FakePlatform::ShowMessageBox(const QString& text, const QString& caption, MessageIcon icon) {
  messages.push_back({text, caption, icon});
  events << QStringLiteral("MessageBox(%1)").arg(text);
  if (onMessage) onMessage(messages.back());
}

void FakePlatform::BringToForeground(NativeWindow window) {
  foregrounded.push_back(window);
  events << QStringLiteral("Foreground");
}

intptr_t FakePlatform::ShellExecuteOpen(QWidget* /*owner*/, const QString& document,
                                        const QString& parameters) {
  shellCalls.push_back({document, parameters});
  events << QStringLiteral("ShellExecute(%1, %2)").arg(document, parameters);
  return shellResult;
}

uint32_t FakePlatform::LastError() const {
  return lastError.has_value() ? *lastError : posix::LastError();
}

}  // namespace quarrant
