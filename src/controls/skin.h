#pragma once
// The program's skin: one Qt style sheet kept compressed in the program's resources.
class QApplication;
class QString;

namespace quarrant {

// The skin's style sheet text (empty when the resource is missing).
QString SkinStyleSheet();

// Applies the skin to the whole application: base style and style sheet.
void ApplySkin(QApplication& app);

}  // namespace quarrant
