#pragma once
// What must hold during a whole monkey run, and how a breach is reported: the journal of the
// last actions, the hang watchdog and the search for files written outside the test folder.
#include <QProcess>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace quarrant::monkey {

// The seed, the number of actions and the last few of them; Fail reports a breach with what
// is needed to replay the run, and ends the process.
class Journal {
 public:
  explicit Journal(uint64_t seed) : seed_(seed) {}
  void Record(const std::string& action);
  long actions() const { return actions_; }
  [[noreturn]] void Fail(const std::string& why);
  // The failure line and the last actions on stderr; safe from any thread.
  void Print(const std::string& why);

 private:
  const uint64_t seed_;
  std::atomic<long> actions_{0};
  std::mutex mutex_;
  std::deque<std::string> last_;
};

// A thread that ends the process when the user-interface thread has not beaten for longer
// than the limit: an event that took that long to return is a hang.
class Watchdog {
 public:
  Watchdog(Journal& journal, std::chrono::milliseconds limit);
  ~Watchdog() { Stop(); }
  void Beat();
  void Stop();

 private:
  void Run();
  Journal& journal_;
  const std::chrono::milliseconds limit_;
  std::atomic<int64_t> lastBeat_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// Regular files modified since the start of the run under the scanned folders, except the
// ignored ones (the test folder among them). Runs find(1) in the background.
class StrayFiles {
 public:
  StrayFiles(QString stamp, QStringList scanned, QStringList ignored);
  void StartScan();  // no-op while a scan runs
  bool Scanning() const { return process_.state() != QProcess::NotRunning; }
  // Waits for the running scan; the files it found.
  QStringList Finish();

 private:
  QString stamp_;
  QStringList scanned_, ignored_;
  QProcess process_;
  bool started_ = false;
};

}  // namespace quarrant::monkey
