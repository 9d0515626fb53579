#pragma once
// An edit for one date value (days since 1899-12-30, the fraction being the time of day).
// Without the focus it shows the date in the user's short date format; with the focus the
// date is typed through a year/month/day mask of 4, 2 and 2 digits. A drop-down calendar
// (the button at its right, or Alt+Down / F4) picks a date as well.
#include <QLineEdit>

class QAction;
class QCalendarWidget;
class QFrame;

namespace quarrant {

class DateEdit : public QLineEdit {
  Q_OBJECT

 public:
  // The mask of typed dates: "yyyy/mm/dd", all digits required, blanks shown as spaces.
  static const QString kInputMask;

  explicit DateEdit(QWidget* parent = nullptr);

  // The value held: a date typed or picked is a whole date; a value set by the program keeps
  // its time of day, of which only the date is shown. A typed date is taken when the user
  // leaves the field or presses Enter, and only when it is a whole valid date.
  double dateValue() const { return value_; }
  // Values outside the years 1 to 9999, which no date field can show, are taken to the
  // nearer end of that range.
  void setDateValue(double value);

  // Date values of 0001-01-01 and 9999-12-31.
  static double minDateValue();
  static double maxDateValue();

  // The drop-down calendar; created on first use.
  QCalendarWidget* calendar();
  void showCalendar();
  // The button that drops the calendar down. A screen reader names it after the field
  // ("Start date calendar"), once the field has its name (when it is first shown).
  QWidget* calendarButton() const;

 signals:
  void dateValueChanged(double value);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Takes the typed text as the new date when it is a whole valid date; otherwise shows the
  // date held before the typing again.
  void commitTyped();
  void setEditing(bool editing);
  void showDate();
  void pickDate(int year, int month, int day);

  double value_ = 0;
  bool editing_ = false;
  bool typed_ = false;  // the user has typed since the held date was last shown
  QAction* calendarAction_ = nullptr;
  QFrame* popup_ = nullptr;
  QCalendarWidget* calendar_ = nullptr;
};

}  // namespace quarrant
