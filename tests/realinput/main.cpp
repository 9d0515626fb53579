// Entry point of the real-input suite: a private X server and window manager, a session bus
// with the accessibility bus on it, then one QApplication on the xcb platform connected to them
// for the whole run.
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdio>

#include "controls/skin.h"
#include "help/helpsystem.h"
#include "platform/chm_viewer.h"
#include "platform/linux_platform.h"
#include "x_session.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  quarrant::realinput::XSession session;
  std::string error;
  if (!session.Start(error) || !session.StartAccessibilityBus(error)) {
    std::fprintf(stderr, "real-input tests: %s\n", error.c_str());
    return 1;
  }
  qputenv("DISPLAY", QByteArray::fromStdString(session.display()));
  // A screen reader listens on the accessibility bus: the program speaks to it from the start.
  qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
  qputenv("QT_QPA_PLATFORM", "xcb");
  int result = 0;
  {
    // The suite stands in for the program in its folder, so that help finds the help file
    // beside it; the help control library and the log start as the program starts them.
    const QString bin = qEnvironmentVariable("QUARRANT_BIN_DIR");
    quarrant::LinuxPlatform platform(argc, argv,
                                     bin.isEmpty() ? QString() : bin + QStringLiteral("/quarrant"));
    quarrant::SetPlatform(&platform);
    quarrant::LoadHelpControl();
    quarrant::InitializeDiagnosticLog();
    QApplication app(argc, argv);
    quarrant::applySkin(app);  // as the program looks
    result = RUN_ALL_TESTS();
    quarrant::closeHelpViewers();
    quarrant::FinalizeDiagnosticLog();
    quarrant::UnloadHelpControl();
    quarrant::ReleaseHelpObjects();
    quarrant::SetPlatform(nullptr);
  }
  session.Stop();
  return result;
}
