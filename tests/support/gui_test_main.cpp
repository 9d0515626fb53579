// Entry point of the GUI test suites: one QApplication for the whole run, on the
// offscreen platform unless the environment chooses another, and the Linux platform layer
// handed to the help system as the program's own start-up does.
#include <gtest/gtest.h>
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "help/helpsystem.h"
#include "platform/linux_platform.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  quarrant::LinuxPlatform platform(argc, argv);
  quarrant::SetPlatform(&platform);
  QApplication app(argc, argv);  // takes the C library's locale from the environment
  // A suite registered under a locale must run in it: a locale that is not generated on this
  // machine would leave the C library in the C locale and the run would prove nothing.
  const char* wanted = std::getenv("QUARRANT_TEST_LOCALE");
  const char* actual = std::setlocale(LC_NUMERIC, nullptr);
  if (wanted != nullptr && *wanted != '\0' && std::strcmp(wanted, actual) != 0) {
    std::fprintf(stderr,
                 "locale %s is not available here (the C library runs in %s); "
                 "scripts/install-deps.sh generates the locales the tests use\n",
                 wanted, actual);
    return 1;
  }
  const int result = RUN_ALL_TESTS();
  quarrant::SetPlatform(nullptr);
  return result;
}
