#pragma once
// A private X display for the real-input tests: an Xvfb server on a free display number with
// the openbox window manager on it, started and stopped by the test program itself. Input goes
// through the server's XTEST extension on a connection of its own, as a person's would.
#include <sys/types.h>
#include <string>

struct _XDisplay;

namespace quarrant::realinput {

class XSession {
 public:
  XSession() = default;
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;
  ~XSession() { Stop(); }

  // Starts the server and the window manager and waits until both serve; on failure the
  // reason is in `error` and nothing is left running.
  bool Start(std::string& error);
  // Starts a session bus and the accessibility bus on it, as a desktop session does, so that
  // the program speaks to screen readers (DBUS_SESSION_BUS_ADDRESS is set for this process).
  bool StartAccessibilityBus(std::string& error);
  void Stop();
  // ":N", the display the server listens on.
  const std::string& display() const { return display_; }

 private:
  pid_t server_ = -1;
  pid_t windowManager_ = -1;
  pid_t sessionBus_ = -1;
  pid_t accessibilityBus_ = -1;
  std::string display_;
};

// Keyboard and mouse through XTEST on the display named by DISPLAY. Every call returns once
// the server has taken the events; the caller then waits for their effect in the program.
class XInput {
 public:
  XInput();
  ~XInput();
  XInput(const XInput&) = delete;
  XInput& operator=(const XInput&) = delete;

  enum Modifier : unsigned { kControl = 1, kShift = 2, kAlt = 4 };

  bool ok() const { return display_ != nullptr; }
  // A click at a point of the screen: button 1 is the left, 2 the middle, 3 the right one.
  void Click(int x, int y, unsigned button = 1);
  // One key by its X name ("Return", "Tab", "Home", "a"), optionally with Control held.
  void Key(const char* keyName, bool control = false);
  // One key with the given Modifier keys held down around it.
  void Chord(const char* keyName, unsigned modifiers);
  // Types plain ASCII text, holding Shift where a character needs it.
  void Type(const std::string& text);

 private:
  void Press(unsigned keycode, bool down);
  void Sync();

  ::_XDisplay* display_ = nullptr;
};

}  // namespace quarrant::realinput
