#pragma once
// The program-wide error report: what the application shows for an error that no handler
// caught. Every event handler runs inside Guarded(), so an uncaught error ends the handler
// and is reported here; the program goes on running.
#include <QString>
#include <exception>
#include <utility>

namespace quarrant {

// The program file's name cut at its first ".", every character after the first in lower
// case and the first in upper case ("quarrant" -> "Quarrant").
QString ApplicationTitle();
// The same rule for a given file name.
QString ApplicationTitleFor(const QString& fileName);

// Appends "." when the text is not empty and its last character's code is above that of ".".
QString WithFullStop(const QString& message);

// Modal message box: the message with WithFullStop, the application title as caption,
// a stop icon and an OK button.
void ReportProgramError(const QString& message);

// Runs handler; any exception that escapes it goes to ReportProgramError.
// Returns false when the handler ended with an error.
template <class Handler>
bool Guarded(Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const std::exception& error) {
    ReportProgramError(QString::fromUtf8(error.what()));
  } catch (...) {
    ReportProgramError(QStringLiteral("Unknown error"));
  }
  return false;
}

}  // namespace quarrant
