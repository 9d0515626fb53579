#pragma once
// The program-wide error report: what the application shows for an error that no handler
// caught. Every event handler runs inside Guarded(), so an uncaught error ends the handler
// and is reported here; the program goes on running.
#include <QCoreApplication>
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

// An error's what() as the user reads it. The engine writes its messages in English, without
// Qt; they are translated here, in the context "EngineMessages" keyed by the English text. A
// message that carries a value (a position, a number typed) is keyed by its pattern, the value
// written as %1. Any other text is shown as it stands.
QString DisplayedErrorText(const char* what);

// Runs handler; any exception that escapes it goes to ReportProgramError, in the user's language.
// Returns false when the handler ended with an error.
template <class Handler>
bool Guarded(Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const std::exception& error) {
    ReportProgramError(DisplayedErrorText(error.what()));
  } catch (...) {
    ReportProgramError(QCoreApplication::translate("EngineMessages", "Unknown error"));
  }
  return false;
}

}  // namespace quarrant
