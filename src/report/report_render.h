#pragma once
// Painting of generated report pages, on the printer and in the preview alike.
#include <QFont>
#include <QPointF>
#include <QString>
#include <cstdint>

#include "report/report_page.h"

class QPainter;

namespace quarrant {

// The font of a label at the painter's internal scale (1 unit = 0.01 mm).
QFont reportFont(const FontSpec& face);

// Paints one page with its top-left paper corner at originPx, pxPerMm device pixels per
// millimetre, and foot (if any) centred in the bottom margin. The painter's state is restored
// afterwards.
void renderPage(QPainter& painter, const ReportPage& page, const PageSetup& setup, double pxPerMm,
                QPointF originPx = {}, const QString& foot = {});

// The foot of a printed page: "Page n of m", or "Page n" while the count is unknown (pages < 1).
QString pageFoot(int pageIndex, int64_t pages);

}  // namespace quarrant
