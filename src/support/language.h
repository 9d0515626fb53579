#pragma once
// The language of the program's texts. The program is written in English and translated into
// the languages listed in translations/languages; it speaks the first of the user's languages
// (QLocale::system().uiLanguages(): LANGUAGE, LC_ALL, LC_MESSAGES and LANG on Linux, the display
// language on Windows) that is English or has a translation, and English otherwise.
#include <QString>
#include <QStringList>

namespace quarrant {

// The languages translated into, as their files name them ("de", "pt_BR").
QStringList TranslatedLanguages();

// The translation for a list of languages in order of preference ("de-DE", "pt-BR", "en-US"):
// the first that is English gives "" (the program's own texts); a language with a
// translation of its own or of its region ("de-AT" takes "de", "pt" takes "pt_BR") gives
// that translation's name.
QString LanguageFor(const QStringList& preferred);

// Replaces the installed translations by those of language ("" for English): the program's,
// from its resources, and Qt's own (qtbase_<language>.qm from Qt's translations folder on
// Linux, from the translations folder beside the program on Windows). Returns false when the
// program's translation could not be loaded (the program then speaks English).
bool InstallLanguage(const QString& language);

// The language installed last ("" for English).
QString CurrentLanguage();

}  // namespace quarrant
