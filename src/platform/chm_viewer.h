#pragma once
// The built-in viewer of compiled HTML help (.chm) files, which stands in for the platform's
// help control, and the list of its open windows (HelpViewerWindow, one per help file).
//
// HtmlHelpViewer is the control's entry point ("HtmlHelpA"). Addresses have the form
//   [mk:@MSITStore:|ms-its:]<file>[::/<topic>[#anchor]][><window>]
// and the commands are
//   HH_DISPLAY_TOPIC (0)   show the address's topic (the file's default topic when it has none)
//   HH_HELP_CONTEXT (15)   show the topic that the file maps the help context number (data) to
//   HH_CLOSE_ALL (18)      close every viewer window
// One window is kept per help file; it comes back for the next request on that file.
#include <QString>
#include <QWidget>

#include <cstdint>

namespace quarrant {

QWidget* HtmlHelpViewer(QWidget* owner, const QString& address, uint32_t command, intptr_t data);
// Closes and deletes every viewer window (the library is released, or HH_CLOSE_ALL).
void closeHelpViewers();

}  // namespace quarrant
