// Quarrant: program start. Order: help control library, diagnostic log, application, main
// window (its evaluator, then its creation handler), report form, message loop.
#include <QLocale>

#include "controls/skin.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/Utfrm_report.h"
#include "help/helpsystem.h"
#ifdef _WIN32
#include "platform/windows_platform.h"
#else
#include "platform/linux_platform.h"
#endif
#include "support/guarded_application.h"
#include "support/language.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  quarrant::WindowsPlatform platform;  // reads the command line itself, in UTF-16
#else
  quarrant::LinuxPlatform platform(argc, argv);
#endif
  quarrant::SetPlatform(&platform);
  quarrant::LoadHelpControl();
  quarrant::InitializeDiagnosticLog();

  // The toolkit sees the program name only: the diagnostic switch is the one parameter the
  // program interprets (the toolkit's own options, such as a style sheet file, are not read).
  int toolkitArgc = 1;
  quarrant::GuardedApplication app(toolkitArgc, argv);
  quarrant::applySkin(app);
  // The windows are built in the user's language.
  quarrant::InstallLanguage(quarrant::LanguageFor(QLocale::system().uiLanguages()));

  quarrant::Tfrm_ZavuzirEza mainWindow;
  quarrant::Tfrm_report reportForm;  // hidden; serves the amortization window
  mainWindow.show();
  const int result = app.exec();
  // The log is released first, then the help control library; the help object lives until
  // after both.
  quarrant::FinalizeDiagnosticLog();
  quarrant::UnloadHelpControl();
  quarrant::ReleaseHelpObjects();
  return result;
}
