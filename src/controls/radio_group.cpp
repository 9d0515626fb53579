#include "controls/radio_group.h"

#include <QButtonGroup>
#include <QEvent>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace quarrant {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), group_(new QButtonGroup(this)) {
  group_->setExclusive(true);
  connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (!checked) return;
    updateTabStop();
    const int index = itemIndex();
    if (index != lastIndex_) {
      lastIndex_ = index;
      emit itemIndexChanged(index);
    }
  });
  connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
    for (int i = 0; i < count(); ++i)
      buttons_.at(i)->setObjectName(name + QLatin1Char('_') + QString::number(i));
  });
}

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : RadioGroup(parent) {
  setTitle(title);
  setItems(items);
}

void RadioGroup::setItems(const QStringList& items) {
  const bool hadSelection = itemIndex() >= 0;
  for (QRadioButton* button : buttons_) {
    group_->removeButton(button);
    delete button;
  }
  buttons_.clear();
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items.at(i), this);
    button->setObjectName(objectName() + QLatin1Char('_') + QString::number(i));
    group_->addButton(button, i);
    buttons_.append(button);
    button->show();
  }
  lastIndex_ = -1;
  updateTabStop();
  if (hadSelection) emit itemIndexChanged(-1);
  arrangeButtons();
}

QStringList RadioGroup::items() const {
  QStringList result;
  for (const QRadioButton* button : buttons_) result.append(button->text());
  return result;
}

QRadioButton* RadioGroup::button(int index) const {
  return index >= 0 && index < count() ? buttons_.at(index) : nullptr;
}

int RadioGroup::itemIndex() const {
  return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
  if (index == itemIndex()) return;
  if (index >= 0 && index < count()) {
    buttons_.at(index)->setChecked(true);  // itemIndexChanged comes from the button group
    return;
  }
  // No item selected: an exclusive group cannot uncheck its checked button by itself.
  group_->setExclusive(false);
  for (QRadioButton* button : buttons_) button->setChecked(false);
  group_->setExclusive(true);
  lastIndex_ = -1;
  updateTabStop();
  emit itemIndexChanged(-1);
}

// The group is one stop of the Tab key, at its selected item (the first when none is
// selected); the arrow keys move between the items. The other items still take a click.
void RadioGroup::updateTabStop() {
  const int stop = qMax(itemIndex(), 0);
  for (int i = 0; i < count(); ++i)
    buttons_.at(i)->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  arrangeButtons();
}

void RadioGroup::changeEvent(QEvent* event) {
  QGroupBox::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) arrangeButtons();
}

// Items share the client area below the title in equal slices, each button centred in its
// slice, so a group keeps the spacing of its fixed bounds whatever the font.
void RadioGroup::arrangeButtons() {
  if (buttons_.isEmpty()) return;
  QStyleOptionGroupBox option;
  initStyleOption(&option);
  const QRect frame =
      style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
  const QRect client = frame.adjusted(8, 2, -4, -2);
  const int n = count();
  const int slice = client.height() / n;
  for (int i = 0; i < n; ++i) {
    QRadioButton* button = buttons_.at(i);
    const int h = qMin(button->sizeHint().height(), qMax(slice, 1));
    const int top = client.top() + i * slice + (slice - h) / 2;
    button->setGeometry(client.left(), top, client.width(), h);
  }
}

}  // namespace quarrant
