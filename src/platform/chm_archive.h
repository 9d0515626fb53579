#pragma once
// Read access to a compiled HTML help (.chm) file: its stored objects, and the title, default
// topic, contents file and help context map that its system files record.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

struct chmFile;

namespace quarrant {

class ChmArchive {
 public:
  ChmArchive() = default;
  ~ChmArchive();
  ChmArchive(const ChmArchive&) = delete;
  ChmArchive& operator=(const ChmArchive&) = delete;

  bool Open(const QString& path);
  bool IsOpen() const { return file_ != nullptr; }
  const QString& Path() const { return path_; }

  // An object of the file by its path ("/default.htm"), or none.
  std::optional<QByteArray> Read(const QString& objectPath) const;
  bool Contains(const QString& objectPath) const;

  QString Title() const { return title_; }
  QString DefaultTopic() const { return defaultTopic_; }  // "/default.htm"
  QString ContentsFile() const { return contentsFile_; }  // "/toc.hhc", or empty
  // The topic the file maps a help context number to, or empty.
  QString ContextTopic(uint32_t context) const;

 private:
  void ReadSystemFile();

  chmFile* file_ = nullptr;
  QString path_;
  QString title_;
  QString defaultTopic_;
  QString contentsFile_;
};

}  // namespace quarrant
