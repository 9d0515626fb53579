#include "platform/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>

#include "platform/platform.h"

namespace quarrant::posix {
namespace {

thread_local uint32_t lastError = 0;

QByteArray Native(const QString& path) {
  return path.toLocal8Bit();
}

// Opens without following a symbolic link and without blocking on a FIFO; -1 on failure.
int OpenNoFollow(const QByteArray& path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::open(path.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

bool IsOwnRegularFile(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return false;
  if (!S_ISREG(info.st_mode)) {
    errno = EACCES;
    return false;
  }
  if (info.st_uid != ::geteuid()) {
    errno = EACCES;
    return false;
  }
  return true;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

uint32_t MapErrno(int error) {
  switch (error) {
    case 0:
      return 0;
    case ENOENT:
      return kErrorFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return kErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
      return kErrorAccessDenied;
    case ENOMEM:
      return kErrorNotEnoughMemory;
    case EROFS:
      return kErrorWriteProtected;
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
      return kErrorNotReady;
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
      return kErrorSharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return kErrorDiskFull;
    case EIO:
      return kErrorFileCorrupt;
    case ENOEXEC:
      return kErrorNotWindowsProgram;
    default:
      return kErrorGeneralFailure;
  }
}

uint32_t LastError() {
  return lastError;
}
void SetLastError(uint32_t code) {
  lastError = code;
}
void SetLastErrorFromErrno() {
  lastError = MapErrno(errno);
}

bool FileExists(const QString& path) {
  struct stat info {};
  if (path.isEmpty() || ::stat(Native(path).constData(), &info) != 0) return false;
  return !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const QString& path) {
  struct stat info {};
  if (path.isEmpty() || ::stat(Native(path).constData(), &info) != 0) return false;
  return S_ISDIR(info.st_mode);
}

bool IsSymbolicLink(const QString& path) {
  struct stat info {};
  return !path.isEmpty() && ::lstat(Native(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

CreateResult CreateNewFile(const QString& path) {
  const int fd = OpenNoFollow(Native(path), O_RDWR | O_CREAT | O_EXCL, 0600);
  if (fd < 0) {
    const int error = errno;
    SetLastErrorFromErrno();
    return error == EEXIST ? CreateResult::AlreadyExists : CreateResult::Failed;
  }
  ::close(fd);
  return CreateResult::Created;
}

QString CreateUniqueFile(const QString& folder, const QString& stem) {
  QByteArray name = Native(folder + QLatin1Char('/') + stem) + "XXXXXX";
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) {
    SetLastErrorFromErrno();
    return {};
  }
  ::close(fd);
  return QString::fromLocal8Bit(name);
}

bool RemoveFile(const QString& path) {
  const QByteArray native = Native(path);
  struct stat info {};
  if (::lstat(native.constData(), &info) != 0) {
    SetLastErrorFromErrno();
    return false;
  }
  if (S_ISLNK(info.st_mode) || S_ISDIR(info.st_mode)) {
    SetLastError(kErrorAccessDenied);
    return false;
  }
  // unlink never follows a link; should the name have been swapped for one since the check,
  // only that link goes, never what it points to.
  if (::unlink(native.constData()) != 0) {
    SetLastErrorFromErrno();
    return false;
  }
  return true;
}

bool ResetFileAttributes(const QString& path) {
  // Opened without following a link, then changed through the handle, so a link put in its
  // place between a check and the change cannot redirect it.
  const int fd = OpenNoFollow(Native(path), O_RDONLY);
  if (fd < 0) {
    SetLastErrorFromErrno();
    return false;
  }
  bool done = false;
  struct stat info {};
  if (!IsOwnRegularFile(fd) || ::fstat(fd, &info) != 0) {
    SetLastErrorFromErrno();
  } else if (::fchmod(fd, (info.st_mode & 07777) | S_IRUSR | S_IWUSR) != 0) {
    SetLastErrorFromErrno();
  } else {
    done = true;
  }
  ::close(fd);
  return done;
}

bool AppendToFile(const QString& path, const QByteArray& bytes) {
  const int fd = OpenNoFollow(Native(path), O_WRONLY | O_APPEND | O_CREAT, 0600);
  if (fd < 0) {
    SetLastErrorFromErrno();
    return false;
  }
  bool done = IsOwnRegularFile(fd) && WriteAll(fd, bytes.constData(), bytes.size());
  if (!done) SetLastErrorFromErrno();
  if (::close(fd) != 0 && done) {
    SetLastErrorFromErrno();
    done = false;
  }
  return done;
}

}  // namespace quarrant::posix
