#pragma once
// The program's skin: one Qt style sheet kept compressed in the program's resources.
class QApplication;
class QIcon;
class QString;

namespace quarrant {

// The skin's style sheet text (empty when the resource is missing).
QString skinStyleSheet();

// One of the skin's icons (resources/icons/<name>_<size>.png) at 16, 24, 32 and 48 pixels, so
// that it is drawn from a picture of its own size at 100 %, 150 %, 200 % and 300 %.
QIcon skinIcon(const char* name);

// Applies the skin to the whole application: base style, style sheet and window icon.
void applySkin(QApplication& app);

}  // namespace quarrant
