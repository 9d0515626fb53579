#pragma once
// A report's output file, written through QSaveFile so that it appears whole or not at all:
// the bytes go through a buffer to a temporary file beside the target, which replaces the
// target only on commit(); a failure or a cancel leaves the old file as it was and nothing
// else behind. A target its owner made read-only is refused like any file that cannot be
// written. Errors name the reason the system gives ("Permission denied", "File too large").
#include <QSaveFile>
#include <QString>
#include <string>

namespace quarrant {

class ReportFile {
 public:
  // Opens the temporary file; raises EInOutError when the target cannot be written.
  explicit ReportFile(const QString& fileName);
  // Without commit() the temporary file is removed.
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Writers append to the buffer piecewise and call maybeFlush() after.
  std::string& buffer() { return buffer_; }
  void maybeFlush() {
    if (buffer_.size() >= kFlushBytes) flush();
  }

  // Writes what is buffered and puts the file in the target's place, unless the target has
  // become unwritable meanwhile.
  void commit();
  // Removes the temporary file; the target stays as it was.
  void cancel();

 private:
  static constexpr size_t kFlushBytes = 1 << 18;
  void flush();
  [[noreturn]] void fail(const QString& reason);

  QSaveFile file_;
  std::string buffer_;
};

// Raises EInOutError with the system's reason when the existing file fileName cannot be
// opened for writing (a missing file passes: it is to be created).
void checkWritable(const QString& fileName);

// The error text of an output file: Cannot write file "name": reason
std::string cannotWrite(const QString& fileName, const QString& reason);

}  // namespace quarrant
