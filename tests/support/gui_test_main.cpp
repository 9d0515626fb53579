// Entry point of the GUI test suites: one QApplication for the whole run, on the
// offscreen platform unless the environment chooses another, and the Linux platform layer
// handed to the help system as the program's own start-up does.
#include <gtest/gtest.h>
#include <QApplication>

#include "help/helpsystem.h"
#include "platform/linux_platform.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  quarrant::LinuxPlatform platform(argc, argv);
  quarrant::SetPlatform(&platform);
  QApplication app(argc, argv);
  const int result = RUN_ALL_TESTS();
  quarrant::SetPlatform(nullptr);
  return result;
}
