#include "support/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace quarrant {

namespace {

struct Installed {
  QString language;
  std::unique_ptr<QTranslator> program;
  std::unique_ptr<QTranslator> qt;
};

Installed& State() {
  static Installed installed;
  return installed;
}

QString QtTranslationsFolder() {
#ifdef _WIN32
  return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
#else
  return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

void Remove(std::unique_ptr<QTranslator>& translator) {
  if (translator) QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

}  // namespace

QStringList TranslatedLanguages() {
  QStringList languages;
  for (const QString& file : QDir(QStringLiteral(":/translations")).entryList({"quarrant_*.qm"}))
    languages.append(file.mid(9, file.size() - 9 - 3));  // quarrant_<language>.qm
  return languages;
}

QString LanguageFor(const QStringList& preferred) {
  const QStringList translated = TranslatedLanguages();
  for (QString wanted : preferred) {
    wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString base = wanted.section(QLatin1Char('_'), 0, 0).toLower();
    if (base == QLatin1String("en") || base == QLatin1String("c")) return {};
    for (const QString& language : translated)
      if (language.compare(wanted, Qt::CaseInsensitive) == 0) return language;
    for (const QString& language : translated)
      if (language.section(QLatin1Char('_'), 0, 0) == base) return language;
  }
  return {};
}

bool InstallLanguage(const QString& language) {
  Installed& state = State();
  Remove(state.program);
  Remove(state.qt);
  state.language.clear();
  if (language.isEmpty()) return true;

  auto program = std::make_unique<QTranslator>();
  if (!program->load(QStringLiteral(":/translations/quarrant_") + language)) return false;
  QCoreApplication::installTranslator(program.get());
  state.program = std::move(program);
  state.language = language;
  // Qt's own dialogs (buttons, the file dialog); without them they stay English.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_") + language, QtTranslationsFolder())) {
    QCoreApplication::installTranslator(qt.get());
    state.qt = std::move(qt);
  }
  return true;
}

QString CurrentLanguage() {
  return State().language;
}

}  // namespace quarrant
