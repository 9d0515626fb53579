#include "controls/date_edit.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDate>
#include <QDropEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>
#include <QValidator>
#include <cmath>

#include "engine/calendar.h"
#include "support/control_characters.h"

namespace quarrant {

namespace {

// The user's short date format, with the year always written in full: a two-digit year
// would make dates a century apart look alike.
QString ShortDateFormat(const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy")))
    format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
  return format;
}

// The date mask lets a NUL through as if it were a digit; every control character typed, pasted
// or dropped becomes a blank of the mask instead, which keeps the other characters where they
// are.
class DateTextValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& /*pos*/) const override {
    for (QChar& c : input)
      if (IsControlCharacter(c)) c = QLatin1Char(' ');
    return Acceptable;
  }
};

}  // namespace

const QString DateEdit::kInputMask = QStringLiteral("9999/99/99; ");

DateEdit::DateEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new DateTextValidator(this));
  calendarAction_ =
      addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
  calendarAction_->setToolTip(tr("Calendar"));
  connect(calendarAction_, &QAction::triggered, this, &DateEdit::showCalendar);
  connect(this, &QLineEdit::textEdited, this, [this] { typed_ = true; });
  showDate();
}

double DateEdit::minDateValue() {
  return DateValueOf(1, 1, 1);
}
double DateEdit::maxDateValue() {
  return DateValueOf(9999, 12, 31);
}

void DateEdit::setDateValue(double value) {
  if (std::isnan(value)) return;
  // The day of a value is the value truncated toward zero (before 1899-12-30 too).
  if (std::trunc(value) < minDateValue()) value = minDateValue();
  if (std::trunc(value) > maxDateValue()) value = maxDateValue();
  const bool changed = value != value_;
  value_ = value;
  showDate();
  if (changed) emit dateValueChanged(value_);
}

void DateEdit::showDate() {
  typed_ = false;
  const CalendarDate date = CalendarDateOf(value_);
  if (editing_) {
    setText(QStringLiteral("%1/%2/%3")
                .arg(date.year, 4, 10, QLatin1Char('0'))
                .arg(date.month, 2, 10, QLatin1Char('0'))
                .arg(date.day, 2, 10, QLatin1Char('0')));
  } else {
    setText(locale().toString(QDate(date.year, date.month, date.day), ShortDateFormat(locale())));
  }
}

void DateEdit::setEditing(bool editing) {
  if (editing == editing_) return;
  editing_ = editing;
  setInputMask(editing ? kInputMask : QString());
  showDate();
}

void DateEdit::commitTyped() {
  if (!editing_ || !typed_) return;
  typed_ = false;
  static const QRegularExpression complete(QStringLiteral("^(\\d{4})/(\\d{2})/(\\d{2})$"));
  const QRegularExpressionMatch match = complete.match(displayText());
  const int year = match.hasMatch() ? match.captured(1).toInt() : 0;
  const int month = match.hasMatch() ? match.captured(2).toInt() : 0;
  const int day = match.hasMatch() ? match.captured(3).toInt() : 0;
  if (!IsValidCalendarDate(year, month, day)) {
    // Not a whole valid date: the field goes back to the date it held before the typing.
    showDate();
    return;
  }
  const double typed = DateValueOf(year, month, day);
  if (typed == value_) return;
  value_ = typed;
  emit dateValueChanged(value_);
}

void DateEdit::pickDate(int year, int month, int day) {
  if (!IsValidCalendarDate(year, month, day)) return;
  const double picked = DateValueOf(year, month, day);
  const bool changed = picked != value_;
  value_ = picked;
  showDate();
  if (changed) emit dateValueChanged(value_);
}

QCalendarWidget* DateEdit::calendar() {
  if (!calendar_) {
    popup_ = new QFrame(this, Qt::Popup);
    popup_->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(popup_);
    layout->setContentsMargins(1, 1, 1, 1);
    calendar_ = new QCalendarWidget(popup_);
    calendar_->setObjectName(QStringLiteral("calendar"));
    calendar_->setMinimumDate(QDate(1, 1, 1));
    calendar_->setMaximumDate(QDate(9999, 12, 31));
    calendar_->setGridVisible(true);
    layout->addWidget(calendar_);
    auto pick = [this](QDate date) {
      popup_->hide();
      pickDate(date.year(), date.month(), date.day());
    };
    connect(calendar_, &QCalendarWidget::clicked, this, pick);
    connect(calendar_, &QCalendarWidget::activated, this, pick);
  }
  return calendar_;
}

void DateEdit::showCalendar() {
  QCalendarWidget* pad = calendar();
  const CalendarDate date = CalendarDateOf(value_);
  pad->setSelectedDate(QDate(date.year, date.month, date.day));
  popup_->adjustSize();
  popup_->move(mapToGlobal(rect().bottomLeft()));
  popup_->show();
  pad->setFocus(Qt::PopupFocusReason);
}

void DateEdit::focusInEvent(QFocusEvent* event) {
  setEditing(true);
  QLineEdit::focusInEvent(event);
}

void DateEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // The drop-down calendar takes the focus only while it is open.
  if (event->reason() != Qt::PopupFocusReason) {
    commitTyped();
    setEditing(false);
  }
}

void DateEdit::dropEvent(QDropEvent* event) {
  // Text dropped on the field is typing as well: it goes through the date mask, and the field
  // takes the focus so that the date is taken (or the old one shown again) when it is left.
  if (!editing_ && !isReadOnly()) {
    setFocus(Qt::OtherFocusReason);
    setEditing(true);
  }
  QLineEdit::dropEvent(event);
}

void DateEdit::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier) ||
      (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
    showCalendar();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) commitTyped();
  if (!editing_ && !isReadOnly() && !event->text().isEmpty()) {
    // Keys reaching the field before it had the focus still go through the mask.
    setEditing(true);
    selectAll();
  }
  QLineEdit::keyPressEvent(event);
}

QWidget* DateEdit::calendarButton() const {
  for (QObject* object : calendarAction_->associatedObjects())
    if (object != this && object->isWidgetType()) return static_cast<QWidget*>(object);
  return nullptr;
}

void DateEdit::showEvent(QShowEvent* event) {
  QLineEdit::showEvent(event);
  if (QWidget* button = calendarButton()) {
    const QString field = accessibleName();
    button->setAccessibleName(field.isEmpty() ? tr("Calendar") : tr("%1 calendar").arg(field));
  }
}

void DateEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::LocaleChange) showDate();
}

}  // namespace quarrant
