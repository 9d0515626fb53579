#include "report/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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

// Beyond the process's file-size limit the system sends SIGXFSZ, which would end the program;
// ignored, the write fails with "File too large" and is reported like any other failure.
void IgnoreFileSizeSignal() {
  static std::once_flag once;
  std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

QString Reason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

std::string CannotWrite(const QString& fileName, const QString& reason) {
  return ("Cannot write file \"" + QDir::toNativeSeparators(fileName) + "\": " + reason)
      .toStdString();
}

AtomicFile::AtomicFile(const QString& fileName) : fileName_(fileName) {
  IgnoreFileSizeSignal();
  const QFileInfo target(fileName);
  if (target.isDir()) throw EInOutError(CannotWrite(fileName, Reason(EISDIR)));
  // The new file keeps the permissions of the file it replaces.
  mode_t mode = 0666;
  struct stat existing {};
  const QByteArray targetPath = QFile::encodeName(target.absoluteFilePath());
  const bool replaces = ::stat(targetPath.constData(), &existing) == 0;
  if (replaces) mode = existing.st_mode & 07777;
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    tempName_ = target.absolutePath() + QLatin1Char('/') + QLatin1Char('.') + target.fileName() +
                QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16,
                                              QLatin1Char('0'));
    fd_ = ::open(QFile::encodeName(tempName_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                 mode);
    if (fd_ < 0 && errno != EEXIST) Fail(errno);
  }
  if (fd_ < 0) Fail(EEXIST);
  if (replaces) (void)::fchmod(fd_, mode);
  buffer_.reserve(kFlushBytes + 4096);
}

AtomicFile::~AtomicFile() {
  if (!done_) Cancel();
}

void AtomicFile::Fail(int error) const {
  throw EInOutError(CannotWrite(fileName_, Reason(error)));
}

void AtomicFile::Flush() {
  const char* data = buffer_.data();
  size_t left = buffer_.size();
  while (left > 0) {
    const ssize_t written = ::write(fd_, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      Cancel();
      Fail(error);
    }
    if (written == 0) {
      Cancel();
      Fail(ENOSPC);
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  buffer_.clear();
}

void AtomicFile::Commit() {
  if (done_) return;
  if (fd_ >= 0 && !buffer_.empty()) Flush();
  int error = 0;
  if (fd_ >= 0 && ::fdatasync(fd_) != 0 && errno != EINVAL) error = errno;
  if (fd_ >= 0 && ::close(fd_) != 0 && !error) error = errno;
  fd_ = -1;
  if (!error &&
      ::rename(QFile::encodeName(tempName_).constData(),
               QFile::encodeName(QFileInfo(fileName_).absoluteFilePath()).constData()) != 0)
    error = errno;
  if (error) {
    Cancel();
    Fail(error);
  }
  done_ = true;
}

void AtomicFile::Cancel() {
  if (done_) return;
  done_ = true;
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  ::unlink(QFile::encodeName(tempName_).constData());
  buffer_.clear();
}

}  // namespace quarrant
