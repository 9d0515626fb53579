#include "invariants.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>

namespace quarrant::monkey {

namespace {
int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
}  // namespace

void Journal::Record(const std::string& action) {
  std::lock_guard lock(mutex_);
  ++actions_;
  last_.push_back(std::to_string(actions_) + ": " + action);
  if (last_.size() > 20) last_.pop_front();
}

void Journal::Print(const std::string& why) {
  std::lock_guard lock(mutex_);
  std::fprintf(stderr, "monkey: last actions:\n");
  for (const std::string& action : last_) std::fprintf(stderr, "  %s\n", action.c_str());
  std::fprintf(stderr, "monkey: FAILED seed=%llu after %ld actions: %s\n",
               static_cast<unsigned long long>(seed_), actions_.load(), why.c_str());
  std::fflush(stderr);
}

void Journal::Fail(const std::string& why) {
  Print(why);
  _exit(1);
}

Watchdog::Watchdog(Journal& journal, std::chrono::milliseconds limit)
    : journal_(journal), limit_(limit), lastBeat_(NowMs()), thread_([this] { Run(); }) {}

void Watchdog::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void Watchdog::Beat() {
  lastBeat_ = NowMs();
}

void Watchdog::Run() {
  while (!stop_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const int64_t stalled = NowMs() - lastBeat_;
    if (stalled > limit_.count()) {
      journal_.Print("hang: the user-interface thread did not return to its event loop for " +
                     std::to_string(stalled) + " ms");
      std::abort();
    }
  }
}

StrayFiles::StrayFiles(QString stamp, QStringList scanned, QStringList ignored)
    : stamp_(std::move(stamp)), scanned_(std::move(scanned)), ignored_(std::move(ignored)) {
  process_.setStandardErrorFile(QProcess::nullDevice());
}

void StrayFiles::StartScan() {
  if (Scanning()) return;
  QStringList args = scanned_;
  args << QStringLiteral("-xdev") << QStringLiteral("(");
  bool first = true;
  for (const QString& path : ignored_) {
    if (!first) args << QStringLiteral("-o");
    args << QStringLiteral("-path") << path;
    first = false;
  }
  args << QStringLiteral(")") << QStringLiteral("-prune") << QStringLiteral("-o")
       << QStringLiteral("-type") << QStringLiteral("f") << QStringLiteral("-newer") << stamp_
       << QStringLiteral("-print");
  process_.start(QStringLiteral("find"), args);
  started_ = true;
}

QStringList StrayFiles::Finish() {
  if (!started_) return {};
  started_ = false;
  process_.waitForFinished(-1);
  const QString out = QString::fromLocal8Bit(process_.readAllStandardOutput());
  return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace quarrant::monkey
