#pragma once
// Shared set-up of the help unit's tests: a fake platform whose program lives in a fresh
// temporary folder, the unit pointed at it, and everything the unit holds released afterwards.
#include <gtest/gtest.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "help/helpsystem.h"
#include "support/fake_platform.h"
#include "support/read_text.h"

namespace quarrant::test {

using test::ReadLines;
using test::ReadText;

inline bool WriteText(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

class HelpUnitTest : public ::testing::Test {
 protected:
  static constexpr int kHeaderLines = 27;

  void SetUp() override {
    ASSERT_TRUE(programDir_.isValid());
    ASSERT_TRUE(tempDir_.isValid());
    fake.moduleFile = ProgramDir() + QStringLiteral("/quarrant");
    fake.commandLineProgramPath = fake.moduleFile;
    fake.rawCommandLine = fake.moduleFile;
    fake.tempPath = tempDir_.path();
    fake.locale.shortDateFormat = QStringLiteral("yyyy-MM-dd");
    fake.locale.longTimeFormat = QStringLiteral("HH:mm:ss");
    previousPlatform_ = SetPlatform(&fake);
  }

  void TearDown() override {
    ReleaseHelpObjects();
    FinalizeDiagnosticLog();
    UnloadHelpControl();
    SetApplicationHelpHandler(nullptr);
    SetPlatform(previousPlatform_);
  }

  QString ProgramDir() const { return programDir_.path(); }
  QString TempDir() const { return tempDir_.path(); }
  QString LogPath() const { return ProgramDir() + QStringLiteral("/HHDebug.txt"); }

  // The help control as the registry-less platform finds it, with a version and loadable.
  QString InstallHelpControl(FileVersion version = {5, 2, 3790, 2847}) {
    const QString path = fake.systemFolder + QStringLiteral("/hhctrl.ocx");
    fake.virtualFiles.insert(path);
    fake.versions[path] = version;
    fake.libraries.insert(path);
    return path;
  }

  // Start-up with logging on: help control, then the log.
  void StartWithLogging() {
    fake.parameters = {QStringLiteral("-debug")};
    LoadHelpControl();
    InitializeDiagnosticLog();
  }

  // The log's lines after the header.
  QStringList TraceLines() const { return ReadLines(LogPath()).mid(kHeaderLines); }

  FakePlatform fake;

 private:
  QTemporaryDir programDir_;
  QTemporaryDir tempDir_;
  Platform* previousPlatform_ = nullptr;
};

}  // namespace quarrant::test
