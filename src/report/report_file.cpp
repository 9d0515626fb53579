#include "report/report_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
#ifdef SIGXFSZ
  static std::once_flag once;
  std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
#endif
}

}  // namespace

std::string cannotWrite(const QString& fileName, const QString& reason) {
  return QCoreApplication::translate("AtomicFile", "Cannot write file \"%1\": %2")
      .arg(QDir::toNativeSeparators(fileName), reason)
      .toStdString();
}

void checkWritable(const QString& fileName) {
  const QFileInfo target(fileName);
  if (target.isDir())
    throw EInOutError(cannotWrite(fileName, QString::fromLocal8Bit(std::strerror(EISDIR))));
  // The new file is renamed over the old one, which the folder's permissions alone allow;
  // opening the old file for writing (appending, so nothing changes) asks what its own
  // permissions allow, and the system's answer names the reason.
  if (!target.isFile()) return;
  QFile existing(fileName);
  if (!existing.open(QIODevice::WriteOnly | QIODevice::Append))
    throw EInOutError(cannotWrite(fileName, existing.errorString()));
}

ReportFile::ReportFile(const QString& fileName) : file_(fileName) {
  IgnoreFileSizeSignal();
  checkWritable(fileName);
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) fail(file_.errorString());
  buffer_.reserve(kFlushBytes + 4096);
}

ReportFile::~ReportFile() {
  cancel();
}

void ReportFile::fail(const QString& reason) {
  cancel();
  throw EInOutError(cannotWrite(file_.fileName(), reason));
}

void ReportFile::flush() {
  if (!buffer_.empty() && file_.write(buffer_.data(), static_cast<qint64>(buffer_.size())) !=
                              static_cast<qint64>(buffer_.size()))
    fail(file_.errorString());
  buffer_.clear();
}

void ReportFile::commit() {
  if (!file_.isOpen()) return;
  flush();
  checkWritable(file_.fileName());
  if (!file_.commit()) fail(file_.errorString());
}

void ReportFile::cancel() {
  if (!file_.isOpen()) return;
  file_.cancelWriting();
  file_.commit();  // with writing cancelled, this only removes the temporary file
  buffer_.clear();
}

}  // namespace quarrant
