// Entry point of the real-input suite: a private X server and window manager first, then one
// QApplication on the xcb platform connected to them for the whole run.
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdio>

#include "controls/skin.h"
#include "help/helpsystem.h"
#include "platform/linux_platform.h"
#include "x_session.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  quarrant::realinput::XSession session;
  std::string error;
  if (!session.Start(error)) {
    std::fprintf(stderr, "real-input tests: %s\n", error.c_str());
    return 1;
  }
  qputenv("DISPLAY", QByteArray::fromStdString(session.display()));
  qputenv("QT_QPA_PLATFORM", "xcb");
  int result = 0;
  {
    quarrant::LinuxPlatform platform(argc, argv);
    quarrant::SetPlatform(&platform);
    QApplication app(argc, argv);
    quarrant::ApplySkin(app);  // as the program looks
    result = RUN_ALL_TESTS();
    quarrant::SetPlatform(nullptr);
  }
  session.Stop();
  return result;
}
