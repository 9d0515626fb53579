#include "monkey.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <array>

#include "controls/page_control.h"

namespace quarrant::monkey {

namespace {

using realinput::XInput;

// Actions in one window before the monkey insists on closing it: a message box is answered
// soon, a modal working window is given longer, a window beside the main one in between.
constexpr int kBoxPatience = 15;
constexpr int kModalPatience = 80;
constexpr int kModelessPatience = 10;
// Escape three times, then its buttons, then the window manager's close: a window still up
// after these many tries cannot be closed.
constexpr int kClosingTries = 12;

// Buttons that open the windows the monkey must reach, found by object name.
constexpr std::array<const char*, 12> kFavourites = {
    "sb_Amortization", "sb_preview", "sb_saveas", "sb_print", "sb_help",   "sb_calculate",
    "sb_Calc",         "sb_calc",    "sb_close",  "sb_clear", "sb_Insert", "sb_date"};

std::string Name(const QWidget* widget) {
  const QString name = widget->objectName();
  return (name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name)
      .toStdString();
}

bool Usable(const QWidget* widget) {
  return widget->isVisible() && widget->isEnabled() && !widget->visibleRegion().isEmpty();
}

template <class T>
QList<T*> UsableChildren(QWidget* window) {
  QList<T*> usable;
  for (T* child : window->findChildren<T*>())
    if (child->window() == window && Usable(child)) usable << child;
  return usable;
}

}  // namespace

Monkey::Monkey(QWidget& mainWindow, Dice& dice, XInput& input, Journal& journal)
    : main_(&mainWindow), dice_(dice), input_(input), journal_(journal) {}

QWidget* Monkey::Target() const {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return main_;
}

std::string Monkey::KindOf(QWidget* window) const {
  if (window == main_) {
    auto* pages = window->findChild<PageControl*>(QStringLiteral("pc_main"));
    return "main window, page " +
           (pages ? pages->tabText(pages->currentIndex()).remove(QLatin1Char('&')).toStdString()
                  : std::string("?"));
  }
  if (window->windowFlags().testFlag(Qt::Popup)) return "popup";
  if (qobject_cast<QMessageBox*>(window)) return "message box";
  if (qobject_cast<QFileDialog*>(window)) return "save dialog";
  const QString name = window->objectName();
  if (name == QLatin1String("frm_preview")) return "print preview";
  if (name == QLatin1String("frm_Amortization")) return "amortization";
  if (name == QLatin1String("HelpViewer")) return "help viewer";
  return "other (" + Name(window) + ")";
}

void Monkey::CheckMainWindow() {
  if (main_.isNull()) journal_.Fail("the main window was destroyed");
  if (!main_->isVisible()) journal_.Fail("the main window was hidden");
}

void Monkey::Step() {
  CheckMainWindow();
  QWidget* target = Target();
  const std::string kind = KindOf(target);
  ++reached_[kind];
  lastKind_ = kind;
  if (InsistOnClosing(target)) return;
  if (kind == "popup")
    ActInPopup(target);
  else if (kind == "save dialog")
    ActInFileDialog(target);
  else
    ActInWindow(target);
}

bool Monkey::InsistOnClosing(QWidget* target) {
  if (target == main_ || target->windowFlags().testFlag(Qt::Popup)) return false;
  if (target != lastTarget_) {
    lastTarget_ = target;
    sameTargetActions_ = 0;
    closingTries_ = 0;
  }
  const int patience = qobject_cast<QMessageBox*>(target) ? kBoxPatience
                       : target->isModal()                ? kModalPatience
                                                          : kModelessPatience;
  if (++sameTargetActions_ <= patience) return false;
  if (++closingTries_ > kClosingTries)
    journal_.Fail(KindOf(target) + " \"" + target->windowTitle().toStdString() +
                  "\" did not close on Escape, its buttons or the window manager's close");
  if (closingTries_ <= 3) {
    PressKey({"Escape", 0});
    return true;
  }
  QList<QAbstractButton*> buttons;
  for (QDialogButtonBox* box : UsableChildren<QDialogButtonBox>(target))
    for (QAbstractButton* button : box->buttons())
      if (Usable(button)) buttons << button;
  for (QAbstractButton* button : UsableChildren<QAbstractButton>(target))
    if (button->objectName() == QLatin1String("sb_close")) buttons << button;
  if (closingTries_ <= 9 && !buttons.isEmpty()) {
    QAbstractButton* button = buttons[dice_.Below(static_cast<int>(buttons.size()))];
    ClickAt(button, button->rect().center(), 1, "close with");
  } else if (QApplication::activeWindow() == target) {
    PressKey({"F4", XInput::kAlt});
  }
  return true;
}

void Monkey::ActInPopup(QWidget* popup) {
  const int roll = dice_.Below(10);
  if (roll < 5) {
    const QRect area = popup->rect();
    ClickAt(popup, QPoint(dice_.Below(area.width()), dice_.Below(area.height())), 1, "pick");
  } else if (roll < 8) {
    PressKey({"Escape", 0});
  } else {
    static constexpr std::array<KeyStroke, 3> kKeys = {{{"Down", 0}, {"Up", 0}, {"Return", 0}}};
    PressKey(kKeys[dice_.Below(3)]);
  }
}

// Only the file name, the type list, Return, Escape and the dialog's own buttons: nothing
// that navigates, so that whatever is saved lands in the folder the dialog starts in.
void Monkey::ActInFileDialog(QWidget* dialog) {
  auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  const int roll = dice_.Below(10);
  if (roll < 4 && name && Usable(name)) {
    ClickAt(name, name->rect().center(), 1, "file name");
    PressKey({"a", XInput::kControl});
    const std::string file = RandomFileName(dice_);
    journal_.Record("type file name \"" + file + "\"");
    input_.Type(file);
  } else if (roll < 6) {
    PressKey({"Return", 0});
  } else if (roll < 7) {
    PressKey({"Escape", 0});
  } else if (roll < 9) {
    auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    const QList<QAbstractButton*> buttons = box ? box->buttons() : QList<QAbstractButton*>();
    if (!buttons.isEmpty()) {
      QAbstractButton* button = buttons[dice_.Below(static_cast<int>(buttons.size()))];
      if (Usable(button)) ClickAt(button, button->rect().center(), 1, "button");
    }
  } else if (QWidget* types = dialog->findChild<QWidget*>(QStringLiteral("fileTypeCombo"));
             types && Usable(types)) {
    ClickAt(types, types->rect().center(), 1, "file type");
  }
}

void Monkey::ActInWindow(QWidget* window) {
  const int roll = dice_.Below(100);
  if (roll < 30) {
    ClickControl(window);
  } else if (roll < 48) {
    ClickFavourite(window);
  } else if (roll < 70) {
    PressKey(RandomKey(dice_));
  } else if (roll < 82) {
    const std::string text = RandomTypedText(dice_);
    journal_.Record("type \"" + text + "\"");
    input_.Type(text);
  } else if (roll < 92) {
    Paste();
  } else if (roll < 94) {
    PressKey({"F1", 0});
  } else if (const QList<QWidget*> controls = UsableChildren<QWidget>(window);
             !controls.isEmpty()) {
    QWidget* control = controls[dice_.Below(static_cast<int>(controls.size()))];
    ClickAt(control, control->rect().center(), 3, "right-click");
  }
}

void Monkey::ClickControl(QWidget* window) {
  const QList<QWidget*> controls = UsableChildren<QWidget>(window);
  if (controls.isEmpty()) return;
  QWidget* control = controls[dice_.Below(static_cast<int>(controls.size()))];
  const QRect area = control->visibleRegion().boundingRect();
  const QPoint point(area.x() + dice_.Below(area.width()), area.y() + dice_.Below(area.height()));
  if (control->visibleRegion().contains(point)) ClickAt(control, point, 1, "click");
}

void Monkey::ClickFavourite(QWidget* window) {
  auto* pages = window->findChild<PageControl*>(QStringLiteral("pc_main"));
  if (pages && dice_.Chance(50)) {
    const int index = dice_.Below(pages->count());
    ClickAt(pages->tabBar(), pages->tabBar()->tabRect(index).center(), 1, "tab");
    return;
  }
  QList<QWidget*> favourites;
  for (QWidget* control : UsableChildren<QWidget>(window))
    for (const char* name : kFavourites)
      if (control->objectName() == QLatin1String(name)) favourites << control;
  if (favourites.isEmpty()) return ClickControl(window);
  QWidget* control = favourites[dice_.Below(static_cast<int>(favourites.size()))];
  ClickAt(control, control->rect().center(), 1, "click");
}

void Monkey::ClickAt(QWidget* widget, QPoint point, unsigned button, const std::string& what) {
  const QPoint global = widget->mapToGlobal(point);
  // Never outside the client area of the widget's window: its title bar holds the close button.
  QWidget* window = widget->window();
  if (!QRect(window->mapToGlobal(QPoint(0, 0)), window->size()).contains(global) ||
      !window->screen()->geometry().contains(global))
    return;
  journal_.Record(what + " " + Name(widget) + " at " + std::to_string(point.x()) + "," +
                  std::to_string(point.y()) +
                  (button == 1 ? "" : " button " + std::to_string(button)));
  input_.Click(global.x(), global.y(), button);
}

void Monkey::PressKey(const KeyStroke& key) {
  // The window manager's close goes to other windows only.
  if (key.modifiers == XInput::kAlt && std::string(key.name) == "F4" &&
      (QApplication::activeWindow() == nullptr || QApplication::activeWindow() == main_))
    return;
  std::string name = key.name;
  if (key.modifiers & XInput::kControl) name = "Ctrl+" + name;
  if (key.modifiers & XInput::kShift) name = "Shift+" + name;
  if (key.modifiers & XInput::kAlt) name = "Alt+" + name;
  journal_.Record("key " + name);
  input_.Chord(key.name, key.modifiers);
}

void Monkey::Paste() {
  const QString text = RandomPastedText(dice_);
  QString shown = text.left(40);
  for (QChar& c : shown)
    if (c.unicode() < 32) c = QLatin1Char('?');
  journal_.Record("paste " + std::to_string(text.size()) + " characters \"" + shown.toStdString() +
                  "\"");
  QApplication::clipboard()->setText(text);
  input_.Chord("v", XInput::kControl);
}

bool Monkey::WindDown() {
  QWidget* open = QApplication::activePopupWidget();
  if (!open) open = QApplication::activeModalWidget();
  if (open && open != main_) {
    if (auto* dialog = qobject_cast<QDialog*>(open))
      dialog->reject();
    else
      open->close();
    return true;
  }
  return false;
}

}  // namespace quarrant::monkey
