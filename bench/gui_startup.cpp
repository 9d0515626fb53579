// Start-up of the calculator: process start to the main window shown, and the resident memory
// then (targets: under 0.5 s and under 80 MB); then the cost of creating the main window
// (its five pages and every control) and of showing it.
//
// The first figures are taken once, cold, exactly as the program starts: application, skin,
// main window, show. They are printed before the benchmark table.
#include <benchmark/benchmark.h>

#include "gui_bench_support.h"

#include <unistd.h>
#include <QApplication>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include "controls/skin.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "help/helpsystem.h"
#include "platform/linux_platform.h"

namespace quarrant {
namespace {

// Seconds since this process was started by the kernel (resolution: one clock tick).
double SecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // Fields after the command name, which is in parentheses and may hold blanks.
  std::istringstream rest(text.substr(text.rfind(')') + 2));
  std::string field;
  unsigned long long startTicks = 0;
  for (int index = 3; rest >> field; ++index)
    if (index == 22) {
      startTicks = std::stoull(field);
      break;
    }
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
  return static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 - startTicks / ticksPerSecond;
}

void WaitUntilExposed(QWidget& window) {
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  QApplication::processEvents();  // the first paint
}

void BM_MainWindowCreate(benchmark::State& state) {
  for (auto _ : state) {
    Tfrm_ZavuzirEza window;
    benchmark::DoNotOptimize(window.findChild<QWidget*>(QStringLiteral("pc_main")));
  }
}
BENCHMARK(BM_MainWindowCreate)->Unit(benchmark::kMillisecond);

void BM_MainWindowCreateAndShow(benchmark::State& state) {
  for (auto _ : state) {
    Tfrm_ZavuzirEza window;
    window.show();
    WaitUntilExposed(window);
  }
}
BENCHMARK(BM_MainWindowCreateAndShow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarrant

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  quarrant::LinuxPlatform platform(argc, argv);
  quarrant::SetPlatform(&platform);
  QApplication app(argc, argv);
  quarrant::applySkin(app);
  {
    quarrant::Tfrm_ZavuzirEza window;
    window.show();
    quarrant::WaitUntilExposed(window);
    const double seconds = quarrant::SecondsSinceProcessStart();
    std::printf(
        "start-up (%s): window shown %.3f s after process start (target < 0.5 s), "
        "resident memory %.1f MB (target < 80 MB)\n",
        qPrintable(QApplication::platformName()), seconds, quarrant::StatusMegabytes("VmRSS"));
    std::fflush(stdout);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  quarrant::SetPlatform(nullptr);
  return 0;
}
