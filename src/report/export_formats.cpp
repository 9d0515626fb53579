#include "report/export_formats.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quarrant {

namespace {

template <class Writer>
std::unique_ptr<ExportFilter> Make(const QString& fileName) {
  return std::make_unique<Writer>(fileName);
}

constexpr ExportFormat kFormats[] = {
    {QT_TRANSLATE_NOOP("ExportFormats", "Text files (*.txt)"), ".TXT", &Make<TextExportFilter>},
    {QT_TRANSLATE_NOOP("ExportFormats", "Comma Separate Values (*.csv)"), ".csv",
     &Make<CsvExportFilter>},
    {QT_TRANSLATE_NOOP("ExportFormats", "HTML File (*.htm)"), ".htm", &Make<HtmlExportFilter>},
};

}  // namespace

std::span<const ExportFormat> exportFormats() {
  return kFormats;
}

QStringList exportFormatFilters() {
  QStringList filters;
  for (const ExportFormat& format : kFormats)
    filters.append(QCoreApplication::translate("ExportFormats", format.filter));
  return filters;
}

QString withExtension(const QString& path, const ExportFormat& format) {
  const QString name = QFileInfo(path).fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot > 0 && dot + 1 < name.size()) return path;  // typed with an extension: kept
  QString base = path;
  while (base.endsWith(QLatin1Char('.'))) base.chop(1);
  return base + QLatin1String(format.extension);
}

}  // namespace quarrant
