// Date calculator page: facts about one date, and the span between two dates (either date
// from the other and a day count, or the day count from both), with the span broken down into
// years, months and days as a calendar counts them between the two dates.
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <cmath>
#include <cstdint>
#include <utility>

#include "controls/accessible_names.h"
#include "controls/date_edit.h"
#include "controls/numeric_edit.h"
#include "controls/page_control.h"
#include "engine/calendar.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/connect_clicks.h"
#include "support/error_report.h"

namespace quarrant {

namespace {

// The current local date and time as a date value.
double Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate today = now.date();
  return DateValueOf(today.year(), today.month(), today.day()) +
         now.time().msecsSinceStartOfDay() / 86'400'000.0;
}

// A label ending a few pixels left of the control it names.
void PlaceBefore(QLabel* label, QWidget* control) {
  label->move(control->x() - 4 - label->width(), control->y() + 2);
  labelField(label, control);
}

// Shows the span between the two dates (in either order) in the group "Time between dates".
void ShowBreakdown(QLineEdit* years, QLineEdit* months, QLineEdit* days, const DateEdit* begin,
                   const DateEdit* end) {
  const DaySpanParts parts = CalendarDaySpan(begin->dateValue(), end->dateValue());
  years->setText(QString::number(parts.years));
  months->setText(QString::number(parts.months));
  days->setText(QString::number(parts.days));
}

// A date moved by a day count must stay within the years a date field can hold (1 to 9999);
// otherwise the user is told and nothing changes. Returns whether the date is in range.
bool DateInRange(Tfrm_ZavuzirEza& window, double date) {
  const double day = std::trunc(date);
  if (day >= DateEdit::minDateValue() && day <= DateEdit::maxDateValue()) return true;
  QMessageBox box(QMessageBox::Critical, Tfrm_ZavuzirEza::tr("Error"),
                  Tfrm_ZavuzirEza::tr("The date lies outside the years 1 to 9999."),
                  QMessageBox::Ok, &window);
  box.exec();
  return false;
}

// A date field holding the given date value (the current date and time of day at start; only
// the date is shown).
DateEdit* MakeDateEdit(QWidget* parent, double value, const char* name, const QRect& bounds) {
  auto* edit = new DateEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(bounds);
  edit->setDateValue(value);
  return edit;
}

}  // namespace

void Tfrm_ZavuzirEza::BuildDatePage(QWidget* page) {
  pc_dates = new PageControl(page);
  pc_dates->setObjectName(QStringLiteral("pc_dates"));
  pc_dates->setGeometry(32, 8, 289, 257);
  ts_OneDate = pc_dates->addPage(QStringLiteral("ts_OneDate"), tr("One Date"));
  ts_twodate = pc_dates->addPage(QStringLiteral("ts_twodate"), tr("Two Dates"));

  const double now = Now();
  BuildOneDatePage(ts_OneDate, now);
  BuildTwoDatesPage(ts_twodate, now);
  pc_dates->setCurrentIndex(0);

  ConnectClicks(this, {
                          {sb_date, &Tfrm_ZavuzirEza::sb_dateClick},
                          {sb_bdate, &Tfrm_ZavuzirEza::sb_bdateClick},
                          {sb_edate, &Tfrm_ZavuzirEza::sb_edateClick},
                          {sb_dbdate, &Tfrm_ZavuzirEza::sb_dbdateClick},
                      });
}

void Tfrm_ZavuzirEza::BuildOneDatePage(QWidget* page, double now) {
  sb_date = MakeButton(page, "sb_date", tr("Date"), {13, 24, 105, 19});
  de_date = MakeDateEdit(page, now, "de_date", {120, 24, 128, 18});
  ed_doy = MakeEdit(page, "ed_doy", {120, 56, 121, 18}, true);
  PlaceBefore(MakeLabel(page, tr("Day of year:"), 0, 0), ed_doy);
  ed_wofy = MakeEdit(page, "ed_wofy", {120, 80, 121, 18}, true);
  PlaceBefore(MakeLabel(page, tr("Week of year:"), 0, 0), ed_wofy);
  ed_dinm = MakeEdit(page, "ed_dinm", {120, 104, 121, 18}, true);
  PlaceBefore(MakeLabel(page, tr("Days in month:"), 0, 0), ed_dinm);
  ed_leapy = MakeEdit(page, "ed_leapy", {120, 128, 121, 18}, true);
  PlaceBefore(MakeLabel(page, tr("Leap year:"), 0, 0), ed_leapy);
  nameAfterCaption(de_date, sb_date->text());
  SetTabOrder({sb_date, de_date, ed_doy, ed_wofy, ed_dinm, ed_leapy});
}

void Tfrm_ZavuzirEza::BuildTwoDatesPage(QWidget* page, double now) {
  sb_bdate = MakeButton(page, "sb_bdate", tr("Beginning Date"), {13, 24, 115, 19});
  de_begin = MakeDateEdit(page, now, "de_begin", {132, 24, 128, 18});
  sb_edate = MakeButton(page, "sb_edate", tr("Ending Date"), {13, 48, 115, 19});
  de_end = MakeDateEdit(page, now, "de_end", {132, 48, 128, 18});
  sb_dbdate = MakeButton(page, "sb_dbdate", tr("Days Between Dates"), {13, 72, 115, 19});
  ne_bd = new NumericEdit(page);
  ne_bd->setObjectName(QStringLiteral("ne_bd"));
  ne_bd->setKind(NumericEdit::Kind::Integer);
  ne_bd->setGeometry(133, 71, 127, 18);
  ne_bd->setText(QStringLiteral("0"));

  gb_between = new QGroupBox(tr("Time between dates"), page);
  gb_between->setObjectName(QStringLiteral("gb_between"));
  gb_between->setGeometry(70, 104, 161, 113);
  const struct {
    QLineEdit** member;
    const char* name;
    const char* unit;    // the caption and the accessible name, translated where shown
    const char* spoken;  // the accessible name: the unit alone, not the group's caption
    int top;
  } parts[] = {{&ed_bty, "ed_bty", QT_TR_NOOP("years"), QT_TR_NOOP("Years"), 24},
               {&ed_btm, "ed_btm", QT_TR_NOOP("months"), QT_TR_NOOP("Months"), 52},
               {&ed_btd, "ed_btd", QT_TR_NOOP("days"), QT_TR_NOOP("Days"), 80}};
  for (const auto& part : parts) {
    *part.member = MakeEdit(gb_between, part.name, {36, part.top, 49, 18}, true);
    MakeLabel(gb_between, tr(part.unit), 91, part.top + 2)->setBuddy(*part.member);
    (*part.member)->setAccessibleName(tr(part.spoken));
  }
  // Each date field is labelled by the button that computes it.
  for (auto [field, button] : {std::pair<QWidget*, QPushButton*>{de_begin, sb_bdate},
                               {de_end, sb_edate},
                               {ne_bd, sb_dbdate}})
    nameAfterCaption(field, button->text());
  SetTabOrder({sb_bdate, de_begin, sb_edate, de_end, sb_dbdate, ed_bty, ed_btm, ed_btd, ne_bd});
}

void Tfrm_ZavuzirEza::sb_dateClick() {
  const double date = de_date->dateValue();
  ed_doy->setText(QString::number(DayNumberInYear(date)));
  ed_wofy->setText(QString::number(WeekNumberInYear(date)));
  ed_dinm->setText(QString::number(MonthLength(date)));
  ed_leapy->setText(DateInLeapYear(date) ? tr("Yes") : tr("No"));
}

void Tfrm_ZavuzirEza::sb_bdateClick() {
  const double days = std::trunc(ne_bd->value());
  if (!DateInRange(*this, std::trunc(de_end->dateValue()) - days)) return;
  // The day moves by exactly that many days; the ending date's time of day carries over.
  de_begin->setDateValue(AddDays(de_end->dateValue(), -static_cast<int32_t>(days)));
  ShowBreakdown(ed_bty, ed_btm, ed_btd, de_begin, de_end);
}

void Tfrm_ZavuzirEza::sb_edateClick() {
  const double days = std::trunc(ne_bd->value());
  if (!DateInRange(*this, std::trunc(de_begin->dateValue()) + days)) return;
  de_end->setDateValue(AddDays(de_begin->dateValue(), static_cast<int32_t>(days)));
  ShowBreakdown(ed_bty, ed_btm, ed_btd, de_begin, de_end);
}

void Tfrm_ZavuzirEza::sb_dbdateClick() {
  // Whole days from one date to the other, whatever time of day either still carries.
  ne_bd->setValue(DaysBetween(de_begin->dateValue(), de_end->dateValue()));
  ShowBreakdown(ed_bty, ed_btm, ed_btd, de_begin, de_end);
}

}  // namespace quarrant
