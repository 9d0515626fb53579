#include "forms/Utfrm_report.h"

#include <algorithm>
#include <iterator>

namespace quarrant {
namespace {

FontSpec Regular(double size = 10.0) {
  return FontSpec{QStringLiteral("Arial"), size, false};
}
FontSpec Bold() {
  return FontSpec{QStringLiteral("Arial"), 10.0, true};
}

// Height of a self-sizing label of the report font: the line height of Arial 10 pt.
constexpr double kLineMm = 4.5;

// Height of a title label of that font: its line, and never less than the report font's.
double TitleLabelHeightMm(const FontSpec& font) {
  return std::max(font.pointSize * 25.4 / 72.0 * 1.15, kLineMm);
}

}  // namespace

Tfrm_report::Tfrm_report(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frm_report"));
  setWindowTitle(tr("Report"));

  rep_schedule = new BandedReport(this);
  rep_schedule->setObjectName(QStringLiteral("rep_schedule"));
  rep_schedule->setTitle(tr("Amortization Schedule"));
  rep_schedule->setPage(PageSetup{210.0, 297.0, 10.0});

  // Title band: labels size themselves to their texts, left-aligned.
  band_title = rep_schedule->addBand(QStringLiteral("band_title"), BandKind::Title, 34.7, false);
  auto title = [this](const char* name, const QString& text, const FontSpec& font, double left,
                      double top) {
    return band_title->addLabel(QString::fromLatin1(name), text, font,
                                QRectF(left, top, 0.0, TitleLabelHeightMm(font)), Qt::AlignLeft,
                                true);
  };
  lb_title = title("lb_title", tr("Amortization Schedule"), Regular(20.0), 59.0, 0.8);
  lb_cap_nper = title("lb_cap_nper", tr("Number of Periods:"), Bold(), 30.7, 13.5);
  lb_nper = title("lb_nper", QString(), Regular(), 66.7, 13.5);
  lb_cap_pv = title("lb_cap_pv", tr("Present Value:"), Bold(), 103.7, 13.8);
  lb_pv = title("lb_pv", QString(), Regular(), 132.0, 13.8);
  lb_cap_i = title("lb_cap_i", tr("Annual Interest (I%YR):"), Bold(), 25.1, 19.8);
  lb_i = title("lb_i", QString(), Regular(), 66.7, 19.8);
  lb_cap_fv = title("lb_cap_fv", tr("Future Value:"), Bold(), 105.6, 20.1);
  lb_fv = title("lb_fv", QString(), Regular(), 132.0, 20.1);
  lb_cap_pmtf = title("lb_cap_pmtf", tr("Payment Frequency:"), Bold(), 29.4, 26.2);
  lb_pmtf = title("lb_pmtf", QString(), Regular(), 66.7, 26.2);
  lb_cap_pmtt = title("lb_cap_pmtt", tr("Payment Time:"), Bold(), 104.0, 26.5);
  lb_pmtt = title("lb_pmtt", QString(), Regular(), 132.0, 26.5);

  // Column headers (bold, line along the bottom) and the detail row share the six columns:
  // the first centred, the others right-aligned, each label 4.5 mm high.
  band_header =
      rep_schedule->addBand(QStringLiteral("band_header"), BandKind::ColumnHeader, 8.5, true);
  band_detail = rep_schedule->addBand(QStringLiteral("band_detail"), BandKind::Detail, 6.3, false);
  struct Column {
    const char* header;
    const char* detail;
    const char* text;  // translated where the header is made
    double headerLeft;
    double detailLeft;
    double width;
  };
  static const Column kColumns[] = {
      {"lb_hdr_Period", "lb_Period", QT_TR_NOOP("Period"), 0.0, 0.0, 21.4},
      {"lb_hdr_Principal", "lb_Principal", QT_TR_NOOP("Principal"), 23.3, 23.3, 27.8},
      {"lb_hdr_Interest", "lb_Interest", QT_TR_NOOP("Interest"), 52.9, 52.9, 27.8},
      {"lb_hdr_TotalPrincipal", "lb_TotalPrincipal", QT_TR_NOOP("Total Principal"), 88.9, 88.9,
       29.1},
      {"lb_hdr_TotalInterest", "lb_TotalInterest", QT_TR_NOOP("Total Interest"), 124.4, 124.6,
       26.5},
      {"lb_hdr_Balance", "lb_Balance", QT_TR_NOOP("Balance"), 156.6, 156.6, 27.8},
  };
  ReportLabel** headers[] = {&lb_hdr_Period,         &lb_hdr_Principal,     &lb_hdr_Interest,
                             &lb_hdr_TotalPrincipal, &lb_hdr_TotalInterest, &lb_hdr_Balance};
  ReportLabel** details[] = {&lb_Period,         &lb_Principal,     &lb_Interest,
                             &lb_TotalPrincipal, &lb_TotalInterest, &lb_Balance};
  for (size_t i = 0; i < std::size(kColumns); ++i) {
    const Column& c = kColumns[i];
    const Qt::Alignment align = i == 0 ? Qt::AlignHCenter : Qt::AlignRight;
    *headers[i] = band_header->addLabel(QString::fromLatin1(c.header), tr(c.text), Bold(),
                                        QRectF(c.headerLeft, 2.1, c.width, 4.5), align, false);
    *details[i] = band_detail->addLabel(QString::fromLatin1(c.detail), QString(), Regular(),
                                        QRectF(c.detailLeft, 0.8, c.width, 4.5), align, false);
    // Room a text export keeps for a row's texts: the period (the list holds at most a
    // million rows) and amounts of 15 integer digits with sign and two decimals.
    (*details[i])->setMaxChars(i == 0 ? 7 : 19);
  }
}

void Tfrm_report::showLoanOptions(const QStringList& parts) {
  static const QString kPrefix = QStringLiteral("lb_options");
  constexpr double kTitleHeightMm = 34.7, kFirstLineMm = 32.6, kLineStepMm = 5.7;
  band_title->removeLabels(kPrefix);
  band_title->setHeightMm(kTitleHeightMm);
  if (parts.isEmpty()) return;
  const double height = TitleLabelHeightMm(Bold());
  band_title->addLabel(QStringLiteral("lb_options_caption"), tr("Loan Options:"), Bold(),
                       QRectF(35.3, kFirstLineMm, 0.0, height), Qt::AlignLeft, true);
  int line = 0;
  for (qsizetype i = 0; i < parts.size(); i += 2, ++line) {
    const QString text = parts.mid(i, 2).join(QStringLiteral("; "));
    band_title->addLabel(kPrefix + QString::number(line), text, Regular(),
                         QRectF(66.7, kFirstLineMm + line * kLineStepMm, 0.0, height),
                         Qt::AlignLeft, true);
  }
  band_title->setHeightMm(kTitleHeightMm + line * kLineStepMm);
}

Tfrm_report::~Tfrm_report() = default;

void Tfrm_report::fillHeader(const ScheduleHeaderTexts& header) {
  lb_nper->setText(header.periods);
  lb_pv->setText(header.presentValue);
  lb_i->setText(header.annualInterest);
  lb_pmtf->setText(header.paymentFrequency);
  lb_pmtt->setText(header.paymentTime);
  lb_fv->setText(header.futureValue);
  showLoanOptions(header.loanOptions);
}

std::array<ReportLabel*, 6> Tfrm_report::detailLabels() const {
  return {lb_Period, lb_Principal, lb_Interest, lb_TotalPrincipal, lb_TotalInterest, lb_Balance};
}

}  // namespace quarrant
