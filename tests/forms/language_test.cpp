// The language the program speaks: the first of the user's languages that is English or has a
// translation (its region's, if need be), and Qt's own texts with it.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/language.h"

namespace quarrant {
namespace {

TEST(Language, FirstOfTheUsersLanguagesThatIsEnglishOrTranslated) {
  const struct {
    QStringList preferred;
    const char* language;
  } cases[] = {
      {{"de-DE", "de", "en-US"}, "de"},
      {{"de-AT"}, "de"},
      {{"pt-BR"}, "pt_BR"},
      {{"pt-PT", "pt"}, "pt_BR"},
      {{"es-419"}, "es"},
      {{"ja-JP", "fr-CA"}, "fr"},
      {{"en-GB", "de-DE"}, ""},
      {{"ja-JP", "zh-CN"}, ""},
      {{"C"}, ""},
      {{}, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LanguageFor(c.preferred), QString::fromLatin1(c.language))
        << c.preferred.join(',').toStdString();
  EXPECT_EQ(TranslatedLanguages(), (QStringList{"de", "es", "fr", "it", "pt_BR", "ru"}));
}

TEST(Language, InstallsTheProgramsAndQtsTranslationsAndBackToEnglish) {
  auto qtCancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
  ASSERT_TRUE(InstallLanguage("de"));
  EXPECT_EQ(CurrentLanguage(), "de");
  EXPECT_EQ(qtCancel(), "Abbrechen");  // Qt's own dialogs speak German too
  EXPECT_FALSE(InstallLanguage("xx"));
  EXPECT_EQ(CurrentLanguage(), "");
  EXPECT_EQ(qtCancel(), "Cancel");
}

}  // namespace
}  // namespace quarrant
