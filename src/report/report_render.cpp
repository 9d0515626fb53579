#include "report/report_render.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <string>

#include "report/export_filters.h"

namespace quarrant {
namespace {

// Pages are painted in hundredths of a millimetre, so that the same drawing commands serve a
// 1200 dpi printer and a zoomed-out preview; fonts get a pixel size in these units.
constexpr double kUnitsPerMm = 100.0;
constexpr double kMmPerPoint = 25.4 / 72.0;

}  // namespace

QFont reportFont(const FontSpec& face) {
  QFont font(face.family);
  font.setPixelSize(static_cast<int>(std::lround(face.pointSize * kMmPerPoint * kUnitsPerMm)));
  font.setBold(face.bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  return font;
}

QString pageFoot(int pageIndex, int64_t pages) {
  return pages < 1 ? QCoreApplication::translate("ReportRender", "Page %1").arg(pageIndex + 1)
                   : QCoreApplication::translate("ReportRender", "Page %1 of %2")
                         .arg(pageIndex + 1)
                         .arg(pages);
}

void renderPage(QPainter& painter, const ReportPage& page, const PageSetup& setup, double pxPerMm,
                QPointF originPx, const QString& foot) {
  const double printableWidth = setup.printableWidthMm() * kUnitsPerMm;

  painter.save();
  painter.translate(originPx);
  painter.scale(pxPerMm / kUnitsPerMm, pxPerMm / kUnitsPerMm);
  painter.translate(setup.marginMm * kUnitsPerMm, setup.marginMm * kUnitsPerMm);
  painter.setPen(QPen(Qt::black, 0.2 * kUnitsPerMm));

  for (const PlacedBand& placed : page.bands) {
    const ReportBand& band = *placed.band;
    const double top = placed.topMm * kUnitsPerMm;
    const QStringList texts = page.textsOf(placed);
    const auto& labels = band.labels();
    for (size_t i = 0; i < labels.size(); ++i) {
      const ReportLabel& label = *labels[i];
      // Control characters are drawn as their visible symbols, as the exports write them.
      std::string visible;
      appendVisible(visible, texts.value(static_cast<qsizetype>(i)).toStdString());
      if (visible.empty()) continue;
      const QString text = QString::fromStdString(visible);
      const QRectF bounds = label.boundsMm();
      QRectF rect(bounds.left() * kUnitsPerMm, top + bounds.top() * kUnitsPerMm,
                  bounds.width() * kUnitsPerMm, bounds.height() * kUnitsPerMm);
      // A self-sizing label is as wide as its text; it never clips.
      if (label.autoSize()) rect.setWidth(printableWidth - rect.left());
      painter.setFont(reportFont(label.font()));
      painter.drawText(rect,
                       static_cast<int>(label.alignment() | Qt::AlignTop) | Qt::TextSingleLine |
                           Qt::TextDontClip,
                       text);
    }
    if (band.bottomLine()) {
      const double bottom = top + band.heightMm() * kUnitsPerMm;
      painter.drawLine(QPointF(0, bottom), QPointF(printableWidth, bottom));
    }
  }
  if (!foot.isEmpty()) {
    // Below the printed area, in the middle of the bottom margin.
    const double top = setup.printableHeightMm() * kUnitsPerMm;
    painter.setFont(reportFont(FontSpec{QStringLiteral("Arial"), 8.0, false}));
    painter.drawText(QRectF(0, top, printableWidth, setup.marginMm * kUnitsPerMm),
                     Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                     foot);
  }
  painter.restore();
}

}  // namespace quarrant
