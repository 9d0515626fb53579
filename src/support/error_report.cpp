#include "support/error_report.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace quarrant {

QString ApplicationTitleFor(const QString& fileName) {
  QString name = fileName;
  const qsizetype dot = name.indexOf(QLatin1Char('.'));
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  // Program files here are named in lower case ("quarrant"); the title names the program
  // itself, so its first letter is a capital.
  return name.left(1).toUpper() + name.mid(1).toLower();
}

QString ApplicationTitle() {
  QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  if (name.isEmpty()) name = QCoreApplication::applicationName();
  return ApplicationTitleFor(name);
}

QString WithFullStop(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + QLatin1Char('.');
  return message;
}

namespace {

constexpr char kEngineContext[] = "EngineMessages";

// Messages the engine raises whole: the function that rejected its arguments, or the
// arithmetic fault.
[[maybe_unused]] constexpr const char* kEngineMessages[] = {
    QT_TRANSLATE_NOOP("EngineMessages", "Floating point division by zero"),
    QT_TRANSLATE_NOOP("EngineMessages", "Invalid floating point operation"),
    QT_TRANSLATE_NOOP("EngineMessages", "Floating point overflow"),
    QT_TRANSLATE_NOOP("EngineMessages", "Number of periods out of range"),
    QT_TRANSLATE_NOOP("EngineMessages", "CalendarDateOf"),
    QT_TRANSLATE_NOOP("EngineMessages", "DateInLeapYear"),
    QT_TRANSLATE_NOOP("EngineMessages", "DateValueOf"),
    QT_TRANSLATE_NOOP("EngineMessages", "DayNumberInYear"),
    QT_TRANSLATE_NOOP("EngineMessages", "DaysBetween"),
    QT_TRANSLATE_NOOP("EngineMessages", "FutureValue"),
    QT_TRANSLATE_NOOP("EngineMessages", "InterestPayment"),
    QT_TRANSLATE_NOOP("EngineMessages", "InterestRate"),
    QT_TRANSLATE_NOOP("EngineMessages", "InternalRateOfReturn"),
    QT_TRANSLATE_NOOP("EngineMessages", "IsoWeekDay"),
    QT_TRANSLATE_NOOP("EngineMessages", "MonthLength"),
    QT_TRANSLATE_NOOP("EngineMessages", "NetFutureValue"),
    QT_TRANSLATE_NOOP("EngineMessages", "NetPresentValue"),
    QT_TRANSLATE_NOOP("EngineMessages", "NumberOfPeriods"),
    QT_TRANSLATE_NOOP("EngineMessages", "Payment"),
    QT_TRANSLATE_NOOP("EngineMessages", "PaymentParts"),
    QT_TRANSLATE_NOOP("EngineMessages", "PeriodPayment"),
    QT_TRANSLATE_NOOP("EngineMessages", "PresentValue"),
    QT_TRANSLATE_NOOP("EngineMessages", "SLNDepreciation"),
    QT_TRANSLATE_NOOP("EngineMessages", "WeekNumberInYear"),
};

// Messages that carry one value, written %1 (the evaluator's position counts characters).
constexpr const char* kEnginePatterns[] = {
    QT_TRANSLATE_NOOP("EngineMessages", "Syntax   error   in   expression   at   position   %1"),
    QT_TRANSLATE_NOOP("EngineMessages", "Mismatched   parentheses   at   position   %1"),
    QT_TRANSLATE_NOOP("EngineMessages", "Unexpected   end   of   expression   at   position   %1"),
    QT_TRANSLATE_NOOP("EngineMessages", "Expression   nested   too   deeply   at   position   %1"),
    QT_TRANSLATE_NOOP("EngineMessages", "'%1' is not a valid floating point value"),
    QT_TRANSLATE_NOOP("EngineMessages", "Too many periods: the schedule lists at most %1 periods"),
};

}  // namespace

QString DisplayedErrorText(const char* what) {
  const QString text = QString::fromUtf8(what);
  for (const char* pattern : kEnginePatterns) {
    const QStringList parts = QString::fromLatin1(pattern).split(QStringLiteral("%1"));
    const QRegularExpression shape(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(parts.value(0)) +
                                            QStringLiteral("(.*)") +
                                            QRegularExpression::escape(parts.value(1))),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = shape.match(text);
    if (match.hasMatch())
      return QCoreApplication::translate(kEngineContext, pattern).arg(match.captured(1));
  }
  const QByteArray key = text.toUtf8();
  return QCoreApplication::translate(kEngineContext, key.constData());
}

void ReportProgramError(const QString& message) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(), WithFullStop(message),
                  QMessageBox::Ok);
  box.exec();
}

}  // namespace quarrant
