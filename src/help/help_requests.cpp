// Help requests of the application: F1 and what's-this turned into help commands, and their
// routing to a window's own handler or to the application's.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "help/help_internal.h"

namespace quarrant {
namespace {

// The application's handler, the help object it belongs to, the windows' own handlers and
// the event filter that turns key and what's-this events into requests.
struct HelpRequestState {
  HelpRequestHandler applicationHandler;
  THookHelpSystem* applicationHandlerOwner = nullptr;
  QHash<const QWidget*, HelpRequestHandler> windowHandlers;
  QPointer<QObject> filter;
};

HelpRequestState& State() {
  static HelpRequestState state;
  return state;
}

// ---- Application-wide help requests ----

bool HasOwnWindowHandler(const QWidget* widget) {
  const HelpRequestState& state = State();
  const auto found = state.windowHandlers.constFind(widget->window());
  return found != state.windowHandlers.constEnd() && *found;
}

// Help is asked for where a window handles its own requests, or where a help context is set;
// a widget without either has no help (as in the toolkit, a context of 0 means none).
bool WantsHelp(const QWidget* widget) {
  if (HasOwnWindowHandler(widget)) return true;
  return State().applicationHandler && HelpContextOf(widget) != 0;
}

bool HasOwnWhatsThis(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget()) {
    if (!w->whatsThis().isEmpty()) return true;
  }
  return false;
}

// Turns F1 and what's-this requests of every widget into help requests.
class HelpRequestFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !WantsHelp(widget))
          return false;
        DispatchHelpRequest(widget, HELP_CONTEXT, HelpContextOf(widget));
        // F1 means nothing else to any widget; taking it keeps the parents from asking again.
        return true;
      }
      case QEvent::QueryWhatsThis:
        if (HasOwnWhatsThis(widget) || !WantsHelp(widget)) return false;
        event->accept();
        return true;
      case QEvent::WhatsThis: {
        if (HasOwnWhatsThis(widget) || !WantsHelp(widget)) return false;
        const QPoint at = static_cast<QHelpEvent*>(event)->globalPos();
        const uint32_t position = static_cast<uint32_t>(static_cast<uint16_t>(at.y())) << 16 |
                                  static_cast<uint16_t>(at.x());
        DispatchHelpRequest(widget, HELP_SETPOPUP_POS, static_cast<int32_t>(position));
        DispatchHelpRequest(widget, HELP_CONTEXTPOPUP, HelpContextOf(widget));
        event->accept();
        return true;
      }
      default:
        return false;
    }
  }
};

void EnsureHelpRequestFilter() {
  HelpRequestState& state = State();
  if (state.filter) return;
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (application == nullptr) return;
  auto* filter = new HelpRequestFilter(application);
  application->installEventFilter(filter);
  state.filter = filter;
}

}  // namespace

namespace help_detail {

THookHelpSystem* ApplicationHelpHandlerOwner() {
  return State().applicationHandlerOwner;
}

void SetApplicationHelpHandlerFor(HelpRequestHandler handler, THookHelpSystem* owner) {
  State().applicationHandler = std::move(handler);
  State().applicationHandlerOwner = owner;
  EnsureHelpRequestFilter();
}

}  // namespace help_detail

HelpRequestHandler ApplicationHelpHandler() {
  return State().applicationHandler;
}

void SetApplicationHelpHandler(HelpRequestHandler handler) {
  help_detail::SetApplicationHelpHandlerFor(std::move(handler), nullptr);
}

void SetWindowHelpHandler(QWidget* window, HelpRequestHandler handler) {
  HelpRequestState& state = State();
  if (!handler) {
    state.windowHandlers.remove(window);
    return;
  }
  if (!state.windowHandlers.contains(window)) {
    QObject::connect(window, &QObject::destroyed,
                     [window] { State().windowHandlers.remove(window); });
  }
  state.windowHandlers.insert(window, std::move(handler));
  EnsureHelpRequestFilter();
}

bool DispatchHelpRequest(QWidget* widget, uint16_t command, int32_t data) {
  HelpRequestState& state = State();
  const QWidget* window = widget != nullptr ? widget->window() : nullptr;
  bool callHelp = true;
  const auto own = state.windowHandlers.constFind(window);
  if (own != state.windowHandlers.constEnd() && *own) {
    HelpRequestHandler handler = *own;  // a copy: the handler may change the table
    handler(command, data, callHelp);
  } else if (state.applicationHandler) {
    HelpRequestHandler handler = state.applicationHandler;
    handler(command, data, callHelp);
  } else {
    return false;
  }
  return !callHelp;
}

int32_t HelpContextOf(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget()) {
    bool ok = false;
    const int32_t context = w->property(kHelpContextProperty).toInt(&ok);
    if (ok) return context;
  }
  return 0;
}

}  // namespace quarrant
