#pragma once
// A generated page as the printer and the preview need it: its bands, where they stand, and
// the texts their labels had. The texts of a page are kept in one buffer, each one preceded
// by its length, so that any character (a NUL included) stays inside its own text and a long
// preview stays small.
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "report/report_engine.h"

namespace quarrant {

struct PlacedBand {
  const ReportBand* band = nullptr;
  float topMm = 0;          // from the top edge of the printed area
  uint32_t textOffset = 0;  // where the texts of its labels start in the page's buffer
};

struct ReportPage {
  std::vector<PlacedBand> bands;
  std::string texts;  // per text: its length (7 bits a byte, low first), then its UTF-8 bytes

  // The texts of one placed band, one per label in label order.
  QStringList textsOf(const PlacedBand& placed) const;
  void append(const ReportBand& band, double topMm);
};

// Collects the bands of each page and hands every finished page on.
class PageCollector : public ReportSink {
 public:
  using PageHandler = std::function<void(ReportPage&& page, int pageIndex)>;
  explicit PageCollector(PageHandler onPage) : onPage_(std::move(onPage)) {}

  void beginPage(int pageIndex) override {
    page_ = ReportPage();
    index_ = pageIndex;
  }
  void band(const ReportBand& band, double topMm) override { page_.append(band, topMm); }
  void endPage() override {
    // Kept pages hold no spare room: a long preview keeps tens of thousands of them.
    page_.bands.shrink_to_fit();
    page_.texts.shrink_to_fit();
    onPage_(std::move(page_), index_);
  }

 private:
  PageHandler onPage_;
  ReportPage page_;
  int index_ = 0;
};

}  // namespace quarrant
