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

  bool open(const QString& path);
  bool isOpen() const { return file_ != nullptr; }
  const QString& path() const { return path_; }

  // An object of the file by its path ("/default.htm"), or none.
  std::optional<QByteArray> read(const QString& objectPath) const;
  bool contains(const QString& objectPath) const;

  QString title() const { return title_; }
  QString defaultTopic() const { return defaultTopic_; }  // "/default.htm"
  QString contentsFile() const { return contentsFile_; }  // "/toc.hhc", or empty
  // The topic the file maps a help context number to, or empty.
  QString contextTopic(uint32_t context) const;

 private:
  void readSystemFile();

  chmFile* file_ = nullptr;
  QString path_;
  QString title_;
  QString defaultTopic_;
  QString contentsFile_;
};

}  // namespace quarrant
