#pragma once
// Records and closes (with OK) every message box that becomes modal while it lives, read from
// a timer through QApplication::activeModalWidget(), as a modal box blocks the test's own code.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <ostream>
#include <vector>

namespace quarrant::test {

struct Message {
  QString caption;
  QString text;
  QMessageBox::Icon icon;
  bool operator==(const Message&) const = default;
};

inline void PrintTo(const Message& m, std::ostream* out) {
  *out << "{caption \"" << m.caption.toStdString() << "\", text \"" << m.text.toStdString()
       << "\", icon " << static_cast<int>(m.icon) << "}";
}

class MessageCatcher {
 public:
  MessageCatcher() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      shown_.push_back({box->windowTitle(), box->text(), box->icon()});
      hadOkOnly_ = hadOkOnly_ && box->buttons().size() == 1 && box->button(QMessageBox::Ok);
      if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
      else
        box->reject();
    });
    timer_.start();
  }
  const std::vector<Message>& shown() const { return shown_; }
  QStringList texts() const {
    QStringList texts;
    for (const Message& m : shown_) texts.append(m.text);
    return texts;
  }
  QStringList captions() const {
    QStringList captions;
    for (const Message& m : shown_) captions.append(m.caption);
    return captions;
  }
  // True when every box shown so far had exactly one button, OK.
  bool okOnly() const { return hadOkOnly_; }
  void clear() { shown_.clear(); }

 private:
  QTimer timer_;
  std::vector<Message> shown_;
  bool hadOkOnly_ = true;
};

}  // namespace quarrant::test
