// The monkey test: the program's main window on a private X display, driven for a set time by
// seeded random real input, with crashes, hangs, windows that cannot be closed, a lost main
// window and files written outside the test's folder reported as failures. The seed is printed
// first; the same seed replays the same choices.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <string>
#include <vector>

#include "controls/skin.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/Utfrm_report.h"
#include "help/helpsystem.h"
#include "invariants.h"
#include "monkey.h"
#include "platform/linux_platform.h"
#include "support/guarded_application.h"
#include "x_session.h"

namespace quarrant::monkey {
namespace {

struct Options {
  uint64_t seed = static_cast<uint64_t>(std::time(nullptr));
  int seconds = 60;
  QString folder;
  bool relaunched = false;  // running from the program folder inside the test folder
  bool ownFolder = false;   // the folder was made for this run: removed when it passes
  QStringList scanned;      // default: the whole root file system
  QStringList ignored;      // besides the folder and the kernel's trees
  int hangMs = 2000;
  int shotEvery = 0;  // a screenshot every N actions, into the folder
};

[[noreturn]] void Usage() {
  std::fprintf(
      stderr,
      "usage: monkey [--seed N] [--seconds S] [--folder DIR]\n"
      "              [--scan DIR]... [--ignore PATH]... [--hang-ms MS] [--shot-every N]\n");
  std::exit(2);
}

Options Parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) Usage();
    const char* value = argv[++i];
    if (arg == "--seed")
      options.seed = std::strtoull(value, nullptr, 10);
    else if (arg == "--seconds")
      options.seconds = std::atoi(value);
    else if (arg == "--folder")
      options.folder = QString::fromLocal8Bit(value);
    else if (arg == "--relaunched") {
      options.relaunched = true;
      options.ownFolder = std::string(value) == "own";
    } else if (arg == "--scan")
      options.scanned << QString::fromLocal8Bit(value);
    else if (arg == "--ignore")
      options.ignored << QString::fromLocal8Bit(value);
    else if (arg == "--hang-ms")
      options.hangMs = std::atoi(value);
    else if (arg == "--shot-every")
      options.shotEvery = std::atoi(value);
    else
      Usage();
  }
  return options;
}

// The folder and the environment that keeps every file of the run inside it: home, temporary,
// configuration, cache, data and runtime folders, and the working directory.
bool EnterFolder(Options& options) {
  if (options.folder.isEmpty()) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quarrant-monkey-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return false;
    options.folder = QString::fromStdString(pattern);
  }
  if (!QDir().mkpath(options.folder)) return false;
  options.folder = QDir(options.folder).canonicalPath();
  const std::pair<const char*, const char*> places[] = {{"HOME", "home"},
                                                        {"TMPDIR", "tmp"},
                                                        {"XDG_CONFIG_HOME", "config"},
                                                        {"XDG_CACHE_HOME", "cache"},
                                                        {"XDG_DATA_HOME", "data"},
                                                        {"XDG_RUNTIME_DIR", "runtime"}};
  for (const auto& [variable, sub] : places) {
    const QString path = options.folder + QLatin1Char('/') + QLatin1String(sub);
    if (!QDir().mkpath(path)) return false;
    chmod(path.toLocal8Bit().constData(), 0700);
    setenv(variable, path.toLocal8Bit().constData(), 1);
  }
  return chdir(options.folder.toLocal8Bit().constData()) == 0;
}

bool LinkOrCopy(const QString& from, const QString& to) {
  QFile::remove(to);
  return link(from.toLocal8Bit().constData(), to.toLocal8Bit().constData()) == 0 ||
         QFile::copy(from, to);
}

// The program writes beside its own file (its save dialog starts there, the diagnostic log
// lives there): the monkey runs from a program folder inside the test folder, with the help
// file beside it, so that everything the program writes stays in the test folder.
[[noreturn]] void Relaunch(const Options& options, int argc, char** argv, Journal& journal) {
  const QString folder = options.folder + QStringLiteral("/program");
  const QString self = folder + QStringLiteral("/monkey");
  const QString help = QFileInfo(QStringLiteral(QUARRANT_PROGRAM)).absolutePath();
  if (!QDir().mkpath(folder) ||
      !LinkOrCopy(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget(), self) ||
      !LinkOrCopy(help + QStringLiteral("/Rare.chm"), folder + QStringLiteral("/Rare.chm")))
    journal.Fail("cannot set up the program folder " + folder.toStdString());
  const QByteArray selfPath = self.toLocal8Bit(), folderPath = options.folder.toLocal8Bit();
  const std::string seed = std::to_string(options.seed);  // the seed chosen here goes along
  std::vector<char*> args{const_cast<char*>(selfPath.constData())};
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  for (const char* extra : {"--seed", seed.c_str(), "--folder", folderPath.constData(),
                            "--relaunched", options.ownFolder ? "own" : "given"})
    args.push_back(const_cast<char*>(extra));
  args.push_back(nullptr);
  execv(args[0], args.data());
  journal.Fail("cannot start " + self.toStdString());
}

int Run(Options options, int argc, char** argv) {
  Journal journal(options.seed);
  if (!options.relaunched) options.ownFolder = options.folder.isEmpty();
  if (!EnterFolder(options))
    journal.Fail("cannot set up the test folder " + options.folder.toStdString());
  if (!options.relaunched) Relaunch(options, argc, argv, journal);
  std::printf("monkey: seed=%llu\n", static_cast<unsigned long long>(options.seed));
  std::fflush(stdout);
  std::printf("monkey: folder=%s\n", options.folder.toLocal8Bit().constData());
  const QString stamp = options.folder + QStringLiteral("/start-stamp");
  if (FILE* file = std::fopen(stamp.toLocal8Bit().constData(), "w")) std::fclose(file);

  realinput::XSession session;
  std::string error;
  if (!session.Start(error)) journal.Fail(error);
  qputenv("QT_QPA_PLATFORM", "xcb");
  qunsetenv("QT_QPA_PLATFORMTHEME");
  realinput::XInput input;
  if (!input.ok()) journal.Fail("no XTEST on " + session.display());

  // The program's start-up: platform, help control, log, application, windows.
  const QByteArray program = QByteArray(argv[0]);
  const char* programArgv[] = {program.constData()};
  LinuxPlatform platform(1, programArgv);
  SetPlatform(&platform);
  LoadHelpControl();
  InitializeDiagnosticLog();
  int appArgc = 1;
  char* appArgv[] = {const_cast<char*>(program.constData()), nullptr};
  GuardedApplication app(appArgc, appArgv);
  applySkin(app);
  {
    auto* mainWindow = new Tfrm_ZavuzirEza;
    auto* reportForm = new Tfrm_report;
    mainWindow->setReportForm(reportForm);
    mainWindow->show();
    QElapsedTimer shown;
    shown.start();
    while (!mainWindow->isActiveWindow() && shown.elapsed() < 30000) {
      // A window mapped while the window manager still starts can be left unmanaged; mapping
      // it again hands it over.
      if (shown.elapsed() > 5000 && shown.elapsed() < 5100) {
        mainWindow->hide();
        mainWindow->show();
      }
      QApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    QStringList ignored = options.ignored;
    ignored << options.folder << QStringLiteral("/proc") << QStringLiteral("/sys")
            << QStringLiteral("/dev") << QStringLiteral("/run") << QStringLiteral("/tmp/.X*-lock");
    StrayFiles stray(stamp,
                     options.scanned.isEmpty() ? QStringList{QStringLiteral("/")} : options.scanned,
                     ignored);
    auto checkStray = [&] {
      const QStringList found = stray.Finish();
      if (!found.isEmpty())
        journal.Fail("files written outside the test folder: " +
                     found.mid(0, 10).join(QStringLiteral(", ")).toStdString());
    };
    QTimer scanTimer;
    QObject::connect(&scanTimer, &QTimer::timeout, [&] {
      if (stray.Scanning()) return;
      checkStray();
      stray.StartScan();
    });
    scanTimer.start(60000);

    Dice dice(options.seed);
    Monkey monkey(*mainWindow, dice, input, journal);
    Watchdog watchdog(journal, std::chrono::milliseconds(options.hangMs));
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] { watchdog.Beat(); });
    heartbeat.start(100);

    QElapsedTimer clock;
    clock.start();
    QTimer actions;
    actions.setInterval(60);
    QObject::connect(&actions, &QTimer::timeout, [&] {
      if (clock.elapsed() < options.seconds * 1000LL) {
        monkey.Step();
        if (options.shotEvery > 0 && journal.actions() % options.shotEvery == 0) {
          QString kind = QString::fromStdString(monkey.lastKind());
          kind.replace(QRegularExpression(QStringLiteral("[^A-Za-z]+")), QStringLiteral("-"));
          QApplication::primaryScreen()->grabWindow(0).save(
              options.folder + QStringLiteral("/shot-%1-%2.png").arg(journal.actions()).arg(kind));
        }
      } else if (!monkey.WindDown()) {
        QApplication::exit(0);  // quit() would close the windows first
      }
    });
    actions.start();
    QApplication::exec();
    actions.stop();
    heartbeat.stop();
    watchdog.Stop();
    scanTimer.stop();

    if (!mainWindow->isVisible()) journal.Fail("the main window was hidden");
    if (!stray.Scanning()) stray.StartScan();
    checkStray();
    stray.StartScan();  // the scan above may have begun before the last actions
    checkStray();
    for (const auto& [kind, count] : monkey.reached())
      std::printf("monkey: reached %-40s %d\n", kind.c_str(), count);
    std::printf("monkey: PASSED seed=%llu actions=%ld seconds=%.0f\n",
                static_cast<unsigned long long>(options.seed), journal.actions(),
                clock.elapsed() / 1000.0);
    std::fflush(stdout);
    delete reportForm;
    delete mainWindow;
  }
  FinalizeDiagnosticLog();
  UnloadHelpControl();
  ReleaseHelpObjects();
  SetPlatform(nullptr);
  if (options.ownFolder && options.shotEvery == 0) QDir(options.folder).removeRecursively();
  return 0;  // the application object goes first, then the X session it is connected to
}

}  // namespace
}  // namespace quarrant::monkey

int main(int argc, char** argv) {
  return quarrant::monkey::Run(quarrant::monkey::Parse(argc, argv), argc, argv);
}
