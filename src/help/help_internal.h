#pragma once
// What the files of the help unit share among themselves; the rest of the program sees only
// helpsystem.h.
#include <QString>

#include "help/helpsystem.h"

namespace quarrant::help_detail {

// Path helpers on the current platform's delimiter.
QString Delimiter();
QString ExtractFileDir(const QString& path);
QString ExtractFileName(const QString& path);

// The help object whose hook is the application's help handler, if any.
THookHelpSystem* ApplicationHelpHandlerOwner();
// Makes handler the application's help handler on behalf of owner (nullptr: nobody's).
void SetApplicationHelpHandlerFor(HelpRequestHandler handler, THookHelpSystem* owner);

}  // namespace quarrant::help_detail
