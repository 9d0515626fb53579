#pragma once
// The formats a report is saved in, in the order a save dialog lists them: the filter the
// dialog shows, the extension a name typed without one takes, and the writer of the format.
#include <QString>
#include <QStringList>
#include <memory>
#include <span>

#include "report/export_filters.h"

namespace quarrant {

struct ExportFormat {
  const char* filter;     // as the dialog lists it, in English (translated when listed)
  const char* extension;  // dot included
  std::unique_ptr<ExportFilter> (*makeWriter)(const QString& fileName);
};

std::span<const ExportFormat> exportFormats();

// The formats' filters, in order.
QStringList exportFormatFilters();

// The path with the format's extension appended when its file name has none; trailing dots
// give way to the extension. A name with an extension keeps it, whatever the format.
QString withExtension(const QString& path, const ExportFormat& format);

}  // namespace quarrant
