// The Linux platform layer: what it reports for the program file, the help control, locale
// identifiers and the command line.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/linux_platform.h"

namespace quarrant::test {
namespace {

TEST(LinuxPlatformTest, WindowsLocaleIdentifiers) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"en_US", 0x0409}, {"en_GB", 0x0809}, {"de_DE", 0x0407}, {"de_CH", 0x0807}, {"fr_FR", 0x040C},
      {"fr_CA", 0x0C0C}, {"es_ES", 0x0C0A}, {"es_MX", 0x080A}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816},
      {"zh_CN", 0x0804}, {"zh_TW", 0x0404}, {"ja_JP", 0x0411}, {"nl_BE", 0x0813}, {"de_LU", 0x0407},
      {"C", 0x007F},     {"sw_KE", 0},
  };
  for (const auto& [name, lcid] : cases)
    EXPECT_EQ(WindowsLcid(QLocale(QString::fromLatin1(name))), lcid) << name;
}

// Every locale the toolkit knows: the log's time stamp keeps the seconds and loses the time
// zone with the brackets some locales put around it ("0:42:32 ()" in es_ES).
TEST(LinuxPlatformTest, LongTimeFormatHasNoTimeZone) {
  const QList<QLocale> locales =
      QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
  ASSERT_GT(locales.size(), 100);
  for (const QLocale& locale : locales) {
    const QString format = LongTimeFormat(locale);
    const QString stamp = locale.toString(QTime(0, 42, 32), format);
    const std::string where = locale.name().toStdString() + ": " + format.toStdString();
    EXPECT_TRUE(format.contains('s')) << where;
    EXPECT_EQ(stamp, stamp.trimmed()) << where;
    for (const char* empty : {"()", "[]", "( )", "[ ]", "（）"})
      EXPECT_FALSE(stamp.contains(QString::fromUtf8(empty)))
          << where << " -> " << stamp.toStdString();
  }
  EXPECT_EQ(LongTimeFormat(QLocale("es_ES")), "H:mm:ss");
}

TEST(LinuxPlatformTest, ProgramFileIsTheHelpControlAndHasTheProjectVersion) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString program = dir.path() + "/quarrant";
  const QString other = dir.path() + "/other";
  ASSERT_TRUE(QFile(program).open(QIODevice::WriteOnly));
  ASSERT_TRUE(QFile(other).open(QIODevice::WriteOnly));
  ASSERT_TRUE(QFile::link(program, dir.path() + "/alias"));
  LinuxPlatform platform(QStringList{program}, program);

  EXPECT_EQ(platform.SystemLibraryPath("hhctrl.ocx"), program);
  EXPECT_EQ(platform.SystemLibraryPath("HHCTRL.OCX"), program);
  EXPECT_EQ(platform.SystemLibraryPath("Shdocvw.dll"), "/usr/lib/Shdocvw.dll");

  const std::optional<FileVersion> version = platform.FileVersionInfo(program);
  ASSERT_TRUE(version);
  EXPECT_EQ(version->release, 0);
  EXPECT_TRUE(platform.FileVersionInfo(dir.path() + "/alias"));  // the same file
  EXPECT_FALSE(platform.FileVersionInfo(other));
  EXPECT_FALSE(platform.FileVersionInfo(dir.path() + "/missing"));

  std::unique_ptr<LoadedLibrary> library = platform.LoadLibraryFile(program);
  ASSERT_TRUE(library);
  EXPECT_TRUE(library->HtmlHelpEntry("HtmlHelpA"));
  EXPECT_FALSE(library->HtmlHelpEntry("HtmlHelpW"));
  EXPECT_FALSE(platform.LoadLibraryFile(other));

  EXPECT_FALSE(platform.ReadClassesRootDefault(
      "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32"));
  EXPECT_FALSE(platform.FileExists(platform.WindowsFolder() + "/HH.EXE"));
  EXPECT_FALSE(platform.FileExists(platform.WindowsFolder() + "/KeyHH.EXE"));
}

TEST(LinuxPlatformTest, CommandLine) {
  const QString start = QDir::currentPath();
  LinuxPlatform relative(QStringList{"./bin/quarrant", "-debug", "two words", ""}, "/x/quarrant");
  EXPECT_EQ(relative.CommandLineProgramPath(), QDir::cleanPath(start + "/bin/quarrant"));
  EXPECT_EQ(relative.CommandLineParameters(), (QStringList{"-debug", "two words", ""}));
  EXPECT_EQ(relative.RawCommandLine(), "./bin/quarrant -debug \"two words\" \"\"");
  EXPECT_EQ(relative.ModuleFileName(), "/x/quarrant");

  LinuxPlatform onPath(QStringList{"sh"});  // found on PATH
  EXPECT_TRUE(QFileInfo(onPath.CommandLineProgramPath()).isAbsolute())
      << onPath.CommandLineProgramPath().toStdString();
  EXPECT_TRUE(QFileInfo(onPath.ModuleFileName()).isExecutable());  // this test program
}

TEST(LinuxPlatformTest, OperatingSystemVersionFromUname) {
  LinuxPlatform platform(QStringList{"quarrant"});
  const OsVersion os = platform.OperatingSystemVersion();
  EXPECT_EQ(os.name, "Linux");
  EXPECT_GT(os.major, 0u);
  EXPECT_FALSE(os.servicePack.isEmpty());
}

}  // namespace
}  // namespace quarrant::test
