#include "report/report_page.h"

#include <algorithm>

namespace quarrant {

void ReportPage::append(const ReportBand& band, double topMm) {
  bands.push_back({&band, static_cast<float>(topMm), static_cast<uint32_t>(texts.size())});
  for (const auto& label : band.labels()) {
    const std::string& text = label->utf8();
    size_t length = text.size();
    do {
      const auto low = static_cast<unsigned char>(length & 0x7F);
      length >>= 7;
      texts.push_back(static_cast<char>(length ? low | 0x80 : low));
    } while (length);
    texts += text;
  }
}

QStringList ReportPage::textsOf(const PlacedBand& placed) const {
  QStringList result;
  if (!placed.band) return result;
  size_t at = placed.textOffset;
  for (size_t i = 0; i < placed.band->labels().size() && at < texts.size(); ++i) {
    size_t length = 0;
    for (int shift = 0; at < texts.size(); shift += 7) {
      const auto byte = static_cast<unsigned char>(texts[at++]);
      length |= static_cast<size_t>(byte & 0x7F) << shift;
      if (!(byte & 0x80)) break;
    }
    length = std::min(length, texts.size() - at);
    result.append(QString::fromUtf8(texts.data() + at, static_cast<qsizetype>(length)));
    at += length;
  }
  return result;
}

}  // namespace quarrant
