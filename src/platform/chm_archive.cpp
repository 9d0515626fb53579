#include "platform/chm_archive.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <chm_lib.h>

#include <algorithm>

#include "platform/help_links_and_contents.h"

namespace quarrant {
namespace {

// Objects larger than this are not read (a damaged file could claim any size).
constexpr LONGUINT64 kMaxObjectSize = 64u * 1024u * 1024u;

QString NulTerminated(const QByteArray& bytes, qsizetype at, qsizetype limit) {
  if (at < 0 || at >= bytes.size()) return {};
  limit = std::min(limit, bytes.size());
  qsizetype end = at;
  while (end < limit && bytes.at(end) != '\0') ++end;
  return decodeHtml(bytes.mid(at, end - at));
}

}  // namespace

ChmArchive::~ChmArchive() {
  if (file_ != nullptr) chm_close(file_);
}

bool ChmArchive::open(const QString& path) {
  if (file_ != nullptr) {
    chm_close(file_);
    file_ = nullptr;
  }
  path_ = path;
  title_.clear();
  defaultTopic_.clear();
  contentsFile_.clear();
  if (!QFileInfo(path).isFile()) return false;
  file_ = chm_open(QFile::encodeName(path).constData());
  if (file_ == nullptr) return false;
  readSystemFile();
  return true;
}

std::optional<QByteArray> ChmArchive::read(const QString& objectPath) const {
  if (file_ == nullptr) return std::nullopt;
  chmUnitInfo info{};
  const QByteArray name = objectPath.toUtf8();
  if (chm_resolve_object(file_, name.constData(), &info) != CHM_RESOLVE_SUCCESS)
    return std::nullopt;
  if (info.length > kMaxObjectSize) return std::nullopt;
  QByteArray bytes(static_cast<qsizetype>(info.length), Qt::Uninitialized);
  if (info.length == 0) return bytes;
  const LONGINT64 read =
      chm_retrieve_object(file_, &info, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                          static_cast<LONGINT64>(info.length));
  if (read <= 0) return std::nullopt;
  bytes.truncate(static_cast<qsizetype>(read));
  return bytes;
}

bool ChmArchive::contains(const QString& objectPath) const {
  if (file_ == nullptr) return false;
  chmUnitInfo info{};
  return chm_resolve_object(file_, objectPath.toUtf8().constData(), &info) == CHM_RESOLVE_SUCCESS;
}

void ChmArchive::readSystemFile() {
  // #SYSTEM: a 32-bit version, then records of a 16-bit code, a 16-bit length and the data.
  const std::optional<QByteArray> system = read(QStringLiteral("/#SYSTEM"));
  if (system && system->size() >= 4) {
    qsizetype at = 4;
    while (at + 4 <= system->size()) {
      const uint16_t code = qFromLittleEndian<uint16_t>(system->constData() + at);
      const uint16_t length = qFromLittleEndian<uint16_t>(system->constData() + at + 2);
      const qsizetype data = at + 4;
      if (data + length > system->size()) break;
      const QString text = NulTerminated(*system, data, data + length);
      if (code == 0) contentsFile_ = text.isEmpty() ? QString() : helpObjectPath(text);
      if (code == 2) defaultTopic_ = text.isEmpty() ? QString() : helpObjectPath(text);
      if (code == 3) title_ = text;
      at = data + length;
    }
  }
  if (defaultTopic_.isEmpty() || !contains(defaultTopic_)) {
    for (const char* candidate : {"/default.htm", "/default.html", "/index.htm", "/index.html"}) {
      if (contains(QString::fromLatin1(candidate))) {
        defaultTopic_ = QString::fromLatin1(candidate);
        break;
      }
    }
  }
  if (contentsFile_.isEmpty() || !contains(contentsFile_)) {
    contentsFile_.clear();
    chm_enumerate(
        file_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
        [](chmFile*, chmUnitInfo* unit, void* context) -> int {
          const QString name = QString::fromUtf8(unit->path);
          if (name.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive)) {
            *static_cast<QString*>(context) = name;
            return CHM_ENUMERATOR_SUCCESS;
          }
          return CHM_ENUMERATOR_CONTINUE;
        },
        &contentsFile_);
  }
}

QString ChmArchive::contextTopic(uint32_t context) const {
  // #IVB: a 32-bit byte count, then pairs of a context number and an offset into #STRINGS.
  const std::optional<QByteArray> map = read(QStringLiteral("/#IVB"));
  const std::optional<QByteArray> strings = read(QStringLiteral("/#STRINGS"));
  if (!map || !strings || map->size() < 4) return {};
  const qsizetype end =
      std::min<qsizetype>(map->size(), 4 + qFromLittleEndian<uint32_t>(map->constData()));
  for (qsizetype at = 4; at + 8 <= end; at += 8) {
    if (qFromLittleEndian<uint32_t>(map->constData() + at) != context) continue;
    const qsizetype offset = qFromLittleEndian<uint32_t>(map->constData() + at + 4);
    return resolveStoredName(NulTerminated(*strings, offset, strings->size()),
                             [this](const QString& name) { return contains(name); });
  }
  return {};
}

}  // namespace quarrant
