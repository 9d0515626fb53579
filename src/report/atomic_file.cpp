#include "report/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

#include "report/report_engine.h"

namespace quarrant {
namespace {

#ifdef _WIN32
// The C runtime of Windows: files opened in binary mode (no line-end translation) and not
// inherited, _commit (FlushFileBuffers) for durability, and a rename that replaces the target,
// which rename() there refuses to do. Windows keeps no permission bits to carry over, and
// knows no file-size signal.
const wchar_t* Wide(const QString& path) {
  return reinterpret_cast<const wchar_t*>(path.utf16());
}
void IgnoreFileSizeSignal() {}
int OpenNewFile(const QString& path, int /*mode*/) {
  return ::_wopen(Wide(path), O_WRONLY | O_CREAT | O_EXCL | O_BINARY | O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
}
bool ExistingMode(const QString& path, int& mode) {
  struct _stat64 existing {};
  if (::_wstat64(Wide(path), &existing) != 0) return false;
  mode = existing.st_mode;
  return true;
}
void KeepMode(int /*fd*/, int /*mode*/) {}
int SyncData(int fd) {
  return ::_commit(fd);
}
int ReplaceTarget(const QString& from, const QString& to) {
  if (MoveFileExW(Wide(from), Wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 0;
  errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
  return -1;
}
int RemovePath(const QString& path) {
  return ::_wunlink(Wide(path));
}
#else
// Beyond the process's file-size limit the system sends SIGXFSZ, which would end the program;
// ignored, the write fails with "File too large" and is reported like any other failure.
void IgnoreFileSizeSignal() {
  static std::once_flag once;
  std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}
int OpenNewFile(const QString& path, int mode) {
  return ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                static_cast<mode_t>(mode));
}
bool ExistingMode(const QString& path, int& mode) {
  struct stat existing {};
  if (::stat(QFile::encodeName(path).constData(), &existing) != 0) return false;
  mode = static_cast<int>(existing.st_mode & 07777);
  return true;
}
void KeepMode(int fd, int mode) {
  (void)::fchmod(fd, static_cast<mode_t>(mode));
}
int SyncData(int fd) {
  return ::fdatasync(fd);
}
int ReplaceTarget(const QString& from, const QString& to) {
  return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData());
}
int RemovePath(const QString& path) {
  return ::unlink(QFile::encodeName(path).constData());
}
#endif

QString Reason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

std::string cannotWrite(const QString& fileName, const QString& reason) {
  return QCoreApplication::translate("AtomicFile", "Cannot write file \"%1\": %2")
      .arg(QDir::toNativeSeparators(fileName), reason)
      .toStdString();
}

AtomicFile::AtomicFile(const QString& fileName) : fileName_(fileName) {
  IgnoreFileSizeSignal();
  const QFileInfo target(fileName);
  if (target.isDir()) throw EInOutError(cannotWrite(fileName, Reason(EISDIR)));
  // The new file keeps the permissions of the file it replaces.
  int mode = 0666;
  const bool replaces = ExistingMode(target.absoluteFilePath(), mode);
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    tempName_ = target.absolutePath() + QLatin1Char('/') + QLatin1Char('.') + target.fileName() +
                QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16,
                                              QLatin1Char('0'));
    fd_ = OpenNewFile(tempName_, mode);
    if (fd_ < 0 && errno != EEXIST) fail(errno);
  }
  if (fd_ < 0) fail(EEXIST);
  if (replaces) KeepMode(fd_, mode);
  buffer_.reserve(kFlushBytes + 4096);
}

AtomicFile::~AtomicFile() {
  if (!done_) cancel();
}

void AtomicFile::fail(int error) const {
  throw EInOutError(cannotWrite(fileName_, Reason(error)));
}

void AtomicFile::flush() {
  const char* data = buffer_.data();
  size_t left = buffer_.size();
  while (left > 0) {
    const ssize_t written = ::write(fd_, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      cancel();
      fail(error);
    }
    if (written == 0) {
      cancel();
      fail(ENOSPC);
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  buffer_.clear();
}

void AtomicFile::commit() {
  if (done_) return;
  if (fd_ >= 0 && !buffer_.empty()) flush();
  int error = 0;
  if (fd_ >= 0 && SyncData(fd_) != 0 && errno != EINVAL) error = errno;
  if (fd_ >= 0 && ::close(fd_) != 0 && !error) error = errno;
  fd_ = -1;
  if (!error && ReplaceTarget(tempName_, QFileInfo(fileName_).absoluteFilePath()) != 0)
    error = errno;
  if (error) {
    cancel();
    fail(error);
  }
  done_ = true;
}

void AtomicFile::cancel() {
  if (done_) return;
  done_ = true;
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  RemovePath(tempName_);
  buffer_.clear();
}

}  // namespace quarrant
