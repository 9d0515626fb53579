// Quarrant: program start. Order: help control library, diagnostic log, application, main
// window (its evaluator, then its creation handler), report form, message loop.
#include <QApplication>

#include <exception>

#include "controls/skin.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/Utfrm_report.h"
#include "support/error_report.h"
#include "help/helpsystem.h"
#include "platform/linux_platform.h"

namespace quarrant {
namespace {

// The application object. Every handler of the program runs inside its own guard; an error
// that escapes one anyway (from code outside those guards) reaches the program-wide error
// report here instead of ending the program.
class QuarrantApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      ReportProgramError(QString::fromUtf8(error.what()));
    } catch (...) {
      ReportProgramError(QStringLiteral("Unknown error"));
    }
    return false;
  }
};

}  // namespace
}  // namespace quarrant

int main(int argc, char** argv) {
  quarrant::LinuxPlatform platform(argc, argv);
  quarrant::SetPlatform(&platform);
  quarrant::LoadHelpControl();
  quarrant::InitializeDiagnosticLog();

  // The toolkit sees the program name only: the diagnostic switch is the one parameter the
  // program interprets (the toolkit's own options, such as a style sheet file, are not read).
  int toolkitArgc = 1;
  quarrant::QuarrantApplication app(toolkitArgc, argv);
  quarrant::ApplySkin(app);

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
