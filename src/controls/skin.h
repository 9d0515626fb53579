#pragma once
// The program's skin: one Qt style sheet kept compressed in the program's resources.
class QApplication;
class QString;

namespace quarrant {

// The skin's style sheet text (empty when the resource is missing).
QString skinStyleSheet();

// Applies the skin to the whole application: base style and style sheet.
void applySkin(QApplication& app);

}  // namespace quarrant
