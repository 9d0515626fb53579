// The platform layer the help unit works through: the program hands its platform object in at
// start-up (tests hand in a fake), and every help and log function uses it.
#include <stdexcept>
#include <utility>

#include "help/help_internal.h"

namespace quarrant {
namespace {

Platform* currentPlatform = nullptr;

}  // namespace

Platform* SetPlatform(Platform* platform) {
  return std::exchange(currentPlatform, platform);
}

Platform& CurrentPlatform() {
  if (currentPlatform == nullptr)
    throw std::logic_error("No platform layer has been handed to the help system");
  return *currentPlatform;
}

namespace help_detail {

QString Delimiter() {
  return QString(CurrentPlatform().PathDelimiter());
}

QString ExtractFileDir(const QString& path) {
  const qsizetype at = path.lastIndexOf(CurrentPlatform().PathDelimiter());
  return at < 0 ? QString() : path.left(at);
}

QString ExtractFileName(const QString& path) {
  return path.mid(path.lastIndexOf(CurrentPlatform().PathDelimiter()) + 1);
}

}  // namespace help_detail
}  // namespace quarrant
