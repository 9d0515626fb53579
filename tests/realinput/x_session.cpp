#include "x_session.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace quarrant::realinput {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kStartTimeout = std::chrono::seconds(60);

// Runs a program with its output discarded; it ends with the test program if that dies.
pid_t Spawn(const std::vector<std::string>& args, int keepFd = -1) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  const int devnull = open("/dev/null", O_RDWR);
  dup2(devnull, STDIN_FILENO);
  dup2(devnull, STDOUT_FILENO);
  dup2(devnull, STDERR_FILENO);
  for (int fd = 3; fd < 1024; ++fd)
    if (fd != keepFd) close(fd);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

void End(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (waitpid(pid, nullptr, WNOHANG) == 0) {
    if (Clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  pid = -1;
}

bool Exited(pid_t pid) {
  return waitpid(pid, nullptr, WNOHANG) == pid;
}

// Starts a program that writes one line (its display, its address) to the pipe whose
// descriptor number stands for "{fd}" among its arguments, and returns that line; empty when
// the program ends (pid is then cleared) or the deadline passes first.
std::string StartAndReadLine(pid_t& pid, std::vector<std::string> args,
                             Clock::time_point deadline) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return {};
  for (std::string& arg : args)
    if (const auto at = arg.find("{fd}"); at != std::string::npos)
      arg.replace(at, 4, std::to_string(pipeFds[1]));
  pid = Spawn(args, pipeFds[1]);
  close(pipeFds[1]);
  std::string line;
  while (Clock::now() < deadline) {
    pollfd ready{pipeFds[0], POLLIN, 0};
    if (poll(&ready, 1, 200) > 0) {
      char c = 0;
      if (read(pipeFds[0], &c, 1) != 1 || c == '\n') break;
      line += c;
    }
    if (Exited(pid)) {
      pid = -1;
      break;
    }
  }
  close(pipeFds[0]);
  return line;
}

// A window manager that follows the common conventions names itself on the root window.
bool WindowManagerRunning(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                        AnyPropertyType, &type, &format, &count, &after, &data);
  if (data != nullptr) XFree(data);
  return status == Success && count == 1;
}

}  // namespace

bool XSession::Start(std::string& error) {
  // The server picks a free display number and writes it to the descriptor it is given.
  const auto deadline = Clock::now() + kStartTimeout;
  const std::string number = StartAndReadLine(
      server_,
      {"Xvfb", "-displayfd", "{fd}", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"},
      deadline);
  if (number.empty()) {
    error = "Xvfb did not start";
    Stop();
    return false;
  }
  display_ = ":" + number;
  setenv("DISPLAY", display_.c_str(), 1);

  windowManager_ = Spawn({"openbox", "--sm-disable"});
  Display* probe = XOpenDisplay(display_.c_str());
  if (probe == nullptr) {
    error = "cannot connect to " + display_;
    Stop();
    return false;
  }
  bool running = false;
  while (!running && Clock::now() < deadline) {
    running = WindowManagerRunning(probe);
    if (!running) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  XCloseDisplay(probe);
  if (!running) {
    error = "openbox did not start";
    Stop();
    return false;
  }
  return true;
}

bool XSession::StartAccessibilityBus(std::string& error) {
  const auto deadline = Clock::now() + kStartTimeout;
  const std::string address = StartAndReadLine(
      sessionBus_, {"dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address={fd}"},
      deadline);
  if (address.empty()) {
    error = "dbus-daemon did not start";
    return false;
  }
  setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);

  // The launcher starts the accessibility bus and its registry and answers where it is.
  accessibilityBus_ = Spawn({"/usr/libexec/at-spi-bus-launcher", "--launch-immediately"});
  while (Clock::now() < deadline) {
    pid_t probe = Spawn({"dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                         "/org/a11y/bus", "org.a11y.Bus.GetAddress"});
    int status = 0;
    waitpid(probe, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  error = "the accessibility bus did not start";
  return false;
}

void XSession::Stop() {
  End(accessibilityBus_);
  End(sessionBus_);
  End(windowManager_);
  End(server_);
}

XInput::XInput() {
  display_ = XOpenDisplay(nullptr);
  int event = 0, errorBase = 0, major = 0, minor = 0;
  if (display_ != nullptr && !XTestQueryExtension(display_, &event, &errorBase, &major, &minor)) {
    XCloseDisplay(display_);
    display_ = nullptr;
  }
}

XInput::~XInput() {
  if (display_ != nullptr) XCloseDisplay(display_);
}

void XInput::Sync() {
  XSync(display_, False);
}

void XInput::Click(int x, int y, unsigned button) {
  XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
  Sync();
  // The pointer first rests on the target, as a hand's would, before the button goes down.
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  XTestFakeButtonEvent(display_, button, True, CurrentTime);
  XTestFakeButtonEvent(display_, button, False, CurrentTime);
  Sync();
}

void XInput::Press(unsigned keycode, bool down) {
  XTestFakeKeyEvent(display_, keycode, down ? True : False, CurrentTime);
}

void XInput::Key(const char* keyName, bool control) {
  Chord(keyName, control ? kControl : 0);
}

void XInput::Chord(const char* keyName, unsigned modifiers) {
  const KeySym sym = XStringToKeysym(keyName);
  const unsigned code = XKeysymToKeycode(display_, sym);
  if (code == 0) return;
  const KeySym heldSyms[] = {XK_Control_L, XK_Shift_L, XK_Alt_L};
  const unsigned heldBits[] = {kControl, kShift, kAlt};
  for (int i = 0; i < 3; ++i)
    if (modifiers & heldBits[i]) Press(XKeysymToKeycode(display_, heldSyms[i]), true);
  Press(code, true);
  Press(code, false);
  for (int i = 2; i >= 0; --i)
    if (modifiers & heldBits[i]) Press(XKeysymToKeycode(display_, heldSyms[i]), false);
  Sync();
}

void XInput::Type(const std::string& text) {
  const unsigned shift = XKeysymToKeycode(display_, XK_Shift_L);
  for (const char c : text) {
    const KeySym sym = static_cast<unsigned char>(c);  // Latin-1 keysyms equal their codes
    const KeyCode code = XKeysymToKeycode(display_, sym);
    if (code == 0) continue;
    const bool shifted = XkbKeycodeToKeysym(display_, code, 0, 0) != sym;
    if (shifted) Press(shift, true);
    Press(code, true);
    Press(code, false);
    if (shifted) Press(shift, false);
  }
  Sync();
}

}  // namespace quarrant::realinput
