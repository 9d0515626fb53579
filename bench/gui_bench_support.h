#pragma once
// Shared by the window benchmarks: process memory figures and the benchmark main that
// creates the QApplication (offscreen unless the environment chooses a platform).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <string>

#include "help/helpsystem.h"
#include "platform/linux_platform.h"

namespace quarrant {

// A memory figure of /proc/self/status in MB: "VmRSS" (resident) or "VmHWM" (peak resident).
inline double StatusMegabytes(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(key) + ":";
  while (std::getline(status, line))
    if (line.rfind(prefix, 0) == 0) return std::stod(line.substr(prefix.size())) / 1024.0;
  return 0;
}

inline int RunGuiBenchmarks(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  LinuxPlatform platform(argc, argv);
  SetPlatform(&platform);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  SetPlatform(nullptr);
  return 0;
}

}  // namespace quarrant
