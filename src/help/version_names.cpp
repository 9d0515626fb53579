// Version texts of files, and the friendly names of the help control's and the web browser
// control's versions.
#include <optional>

#include "help/helpsystem.h"

namespace quarrant {
namespace {

QString VersionText(const FileVersion& v) {
  return QStringLiteral("%1.%2.%3.%4").arg(v.major).arg(v.minor).arg(v.build).arg(v.release);
}

// ---- Friendly names ----

enum Rule { kAbove, kExactly, kAtLeast, kLower };
struct NamedVersion {
  Rule rule;
  FileVersion version;
  const char* name;
};

int Compare(const FileVersion& a, const FileVersion& b) {
  const uint16_t left[] = {a.major, a.minor, a.build, a.release};
  const uint16_t right[] = {b.major, b.minor, b.build, b.release};
  for (int i = 0; i < 4; ++i) {
    if (left[i] != right[i]) return left[i] < right[i] ? -1 : 1;
  }
  return 0;
}

template <size_t N>
QString FriendlyName(const NamedVersion (&table)[N], const QString& text, const FileVersion& v) {
  if (text.isEmpty()) return {};
  for (const NamedVersion& row : table) {
    const int order = Compare(v, row.version);
    const bool match = (row.rule == kAbove && order > 0) || (row.rule == kExactly && order == 0) ||
                       (row.rule == kAtLeast && order >= 0) || row.rule == kLower;
    if (match) return QString::fromUtf8(row.name);
  }
  return {};
}

constexpr NamedVersion kHtmlHelpNames[] = {
    {kAbove, {5, 2, 3669, 0}, "> 1.4a"},   {kExactly, {5, 2, 3669, 0}, "1.4a"},
    {kAtLeast, {5, 2, 3626, 0}, "1.4"},    {kAtLeast, {4, 74, 9273, 0}, "1.33"},
    {kAtLeast, {4, 74, 8857, 0}, "1.32"},  {kAtLeast, {4, 74, 8793, 0}, "1.31"},
    {kAtLeast, {4, 74, 8702, 0}, "1.3"},   {kAtLeast, {4, 73, 8561, 0}, "1.22"},
    {kAtLeast, {4, 73, 8474, 0}, "1.21a"}, {kAtLeast, {4, 73, 8412, 0}, "1.21"},
    {kAtLeast, {4, 73, 8252, 0}, "1.2"},   {kAtLeast, {4, 72, 8164, 0}, "1.1b"},
    {kAtLeast, {4, 72, 7325, 0}, "1.1a"},  {kAtLeast, {4, 72, 7323, 0}, "1.1"},
    {kAtLeast, {4, 72, 7290, 0}, "1.0"},   {kLower, {0, 0, 0, 0}, "< 1.0"},
};

constexpr NamedVersion kInternetExplorerNames[] = {
    {kAbove, {8, 0, 0, 0}, "> Internet Explorer 8"},
    {kAbove, {7, 0, 0, 0}, "> Internet Explorer 7"},
    {kAtLeast, {6, 0, 3790, 0}, "Internet Explorer 6 (Windows Server 2003)"},
    {kAtLeast, {6, 0, 3718, 0}, "Internet Explorer 6 (Windows Server 2003 RC2)"},
    {kAtLeast, {6, 0, 3663, 0}, "Internet Explorer 6 (Windows Server 2003 RC1)"},
    {kAtLeast, {6, 0, 2900, 2180}, "Internet Explorer 6 (Windows XP SP2)"},
    {kAtLeast, {6, 0, 2800, 1106}, "Internet Explorer 6 SP1"},
    {kAtLeast, {6, 0, 2712, 300}, "Internet Explorer 6 (Windows XP + minor update)"},
    {kAtLeast, {6, 0, 2600, 0}, "Internet Explorer 6 (Windows XP)"},
    {kAtLeast, {6, 0, 2479, 6}, "Internet Explorer 6 Public Preview (Beta) Refresh"},
    {kAtLeast, {6, 0, 2462, 0}, "Internet Explorer 6 Public Preview (Beta)"},
    {kAtLeast, {5, 50, 4807, 2300}, "Internet Explorer 5.5 Service Pack 2"},
    {kAtLeast, {5, 50, 4522, 1800}, "Internet Explorer 5.5 Service Pack 1"},
    {kAtLeast, {5, 50, 4308, 2900}, "Internet Explorer 5.5 Advanced Security Privacy Beta"},
    {kAtLeast, {5, 50, 4134, 600}, "Internet Explorer 5.5"},
    {kAtLeast, {5, 50, 4134, 100}, "Internet Explorer 5.5 for Windows Me (4.90.3000)"},
    {kAtLeast, {5, 50, 4030, 2400}, "Internet Explorer 5.5 & Internet Tools Beta"},
    {kAtLeast, {5, 50, 3825, 1300}, "Internet Explorer 5.5 Developer Preview"},
    {kAtLeast, {5, 0, 2919, 6307}, "Internet Explorer 5.01"},
    {kAtLeast, {5, 0, 2919, 3800}, "Internet Explorer 5.01 (Windows 2000 RC2, build 5.00.2128)"},
    {kAtLeast, {5, 0, 2919, 800}, "Internet Explorer 5.01 (Windows 2000 RC1, build 5.00.2072)"},
    {kAtLeast, {5, 0, 2721, 1400}, "Internet Explorer 5.0 updated"},
    {kAtLeast, {5, 0, 2614, 0}, "Internet Explorer 5.0b"},
    {kAtLeast, {5, 0, 2314, 0}, "Internet Explorer 5.0a"},
    {kAtLeast, {5, 0, 2014, 0}, "Internet Explorer 5.0"},
    {kAtLeast, {5, 0, 910, 0}, "Internet Explorer 5 Beta (Beta 2)"},
    {kAtLeast, {5, 0, 518, 0}, "Internet Explorer 5 Developer Preview (Beta 1)"},
    {kAtLeast, {4, 72, 3612, 0}, "Internet Explorer 4.01 Service Pack 2 (SP2)"},
    {kAtLeast, {4, 72, 3110, 0}, "Internet Explorer 4.01 Service Pack 1 (SP1)"},
    {kAtLeast, {4, 72, 2106, 0}, "Internet Explorer 4.01"},
    {kAtLeast, {4, 71, 1712, 0}, "Internet Explorer 4.0"},
    {kAtLeast, {4, 71, 1008, 0}, "Internet Explorer 4.0 Platform Preview 2.0 (PP2)"},
    {kAtLeast, {4, 71, 544, 0}, "Internet Explorer 4.0 Platform Preview 1.0 (PP1)"},
    {kAtLeast, {4, 70, 1300, 0}, "Internet Explorer 3.02"},
    {kAtLeast, {4, 70, 1215, 0}, "Internet Explorer 3.01"},
    {kAtLeast, {4, 70, 1158, 0}, "Internet Explorer 3.0 (OSR2)"},
    {kAtLeast, {4, 70, 1155, 0}, "Internet Explorer 3.0"},
    {kAtLeast, {4, 40, 520, 0}, "Internet Explorer 2.0"},
    {kAtLeast, {4, 40, 308, 0}, "Internet Explorer 1.0 (Plus!)"},
    {kLower, {0, 0, 0, 0}, "< Internet Explorer 1.0 (Plus!)"},
};

}  // namespace

QString FileVersionText(const QString& path, FileVersion* version) {
  Platform& platform = CurrentPlatform();
  std::optional<FileVersion> found;
  if (!path.isEmpty() && platform.FileExists(path)) found = platform.FileVersionInfo(path);
  if (version != nullptr) *version = found.value_or(FileVersion{});
  return found ? VersionText(*found) : QString();
}

QString HtmlHelpFriendlyName(const QString& versionText, const FileVersion& version) {
  return FriendlyName(kHtmlHelpNames, versionText, version);
}

QString InternetExplorerFriendlyName(const QString& versionText, const FileVersion& version) {
  return FriendlyName(kInternetExplorerNames, versionText, version);
}

}  // namespace quarrant
