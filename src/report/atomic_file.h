#pragma once
// Writing a file so that it appears whole or not at all: the bytes go to a new file beside the
// target, through a buffer, and replace the target only when everything is written. A failure
// or a cancel removes the new file and leaves the old one as it was. Errors name the reason
// the system gives ("No space left on device", "File too large").
#include <QString>
#include <string>
#include <string_view>

namespace quarrant {

class AtomicFile {
 public:
  // Creates the temporary file; raises EInOutError when it cannot.
  explicit AtomicFile(const QString& fileName);
  // Without commit() the temporary file is removed.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  const QString& fileName() const { return fileName_; }
  // Path of the temporary file, for a writer of its own (a PDF printer, say).
  const QString& temporaryName() const { return tempName_; }

  void write(std::string_view bytes) {
    buffer_.append(bytes);
    if (buffer_.size() >= kFlushBytes) flush();
  }
  void Write(char c) {
    buffer_.push_back(c);
    if (buffer_.size() >= kFlushBytes) flush();
  }
  // Direct access to the buffer for writers that append piecewise; call maybeFlush() after.
  std::string& buffer() { return buffer_; }
  void maybeFlush() {
    if (buffer_.size() >= kFlushBytes) flush();
  }

  // Writes what is buffered, makes the file durable and puts it in the target's place.
  void commit();
  // Removes the temporary file; the target stays as it was.
  void cancel();

 private:
  static constexpr size_t kFlushBytes = 1 << 18;
  void flush();
  [[noreturn]] void fail(int error) const;

  QString fileName_;
  QString tempName_;
  std::string buffer_;
  int fd_ = -1;
  bool done_ = false;
};

// The error text of an output file: Cannot write file "name": reason
std::string cannotWrite(const QString& fileName, const QString& reason);

}  // namespace quarrant
