#pragma once
// Wiring a window's buttons to its click handlers: each handler runs inside the program-wide
// guard, so an error in it reaches the error report instead of the event loop.
#include <QAbstractButton>
#include <QObject>
#include <initializer_list>
#include <type_traits>

#include "support/error_report.h"

namespace quarrant {

template <class Window>
struct ClickBinding {
  QAbstractButton* button;
  void (Window::*handler)();
};

// Runs each button's handler on the window when the button is clicked.
template <class Window>
void ConnectClicks(Window* window,
                   std::initializer_list<ClickBinding<std::type_identity_t<Window>>> bindings) {
  for (const auto& binding : bindings) {
    const auto handler = binding.handler;
    QObject::connect(binding.button, &QAbstractButton::clicked, window,
                     [window, handler] { Guarded([window, handler] { (window->*handler)(); }); });
  }
}

}  // namespace quarrant
