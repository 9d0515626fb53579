#pragma once
// Tfrm_report: the form that holds the amortization schedule's report rep_schedule. It is
// created once, hidden, at start-up, and never shown itself; the amortization window binds the
// report's two callbacks to itself while it is shown and drives printing, preview and export.
#include <QWidget>

#include "report/report_engine.h"

namespace quarrant {

class Tfrm_report : public QWidget {
  Q_OBJECT

 public:
  explicit Tfrm_report(QWidget* parent = nullptr);
  ~Tfrm_report() override;

  // The report form of the running program (the first one created), or nullptr.
  static Tfrm_report* Instance();

  // Lists the loan options in effect under the header values, a line for every two parts;
  // with none the title band is exactly the plain schedule's.
  void showLoanOptions(const QStringList& parts);

  BandedReport* rep_schedule = nullptr;

  ReportBand* band_title = nullptr;
  ReportBand* band_header = nullptr;
  ReportBand* band_detail = nullptr;

  // Title band
  ReportLabel* lb_title = nullptr;
  ReportLabel* lb_cap_nper = nullptr;
  ReportLabel* lb_nper = nullptr;
  ReportLabel* lb_cap_pv = nullptr;
  ReportLabel* lb_pv = nullptr;
  ReportLabel* lb_cap_i = nullptr;
  ReportLabel* lb_i = nullptr;
  ReportLabel* lb_cap_fv = nullptr;
  ReportLabel* lb_fv = nullptr;
  ReportLabel* lb_cap_pmtf = nullptr;
  ReportLabel* lb_pmtf = nullptr;
  ReportLabel* lb_cap_pmtt = nullptr;
  ReportLabel* lb_pmtt = nullptr;

  // Column header band
  ReportLabel* lb_hdr_Period = nullptr;
  ReportLabel* lb_hdr_Principal = nullptr;
  ReportLabel* lb_hdr_Interest = nullptr;
  ReportLabel* lb_hdr_TotalPrincipal = nullptr;
  ReportLabel* lb_hdr_TotalInterest = nullptr;
  ReportLabel* lb_hdr_Balance = nullptr;

  // Detail band
  ReportLabel* lb_Period = nullptr;
  ReportLabel* lb_Principal = nullptr;
  ReportLabel* lb_Interest = nullptr;
  ReportLabel* lb_TotalPrincipal = nullptr;
  ReportLabel* lb_TotalInterest = nullptr;
  ReportLabel* lb_Balance = nullptr;
};

}  // namespace quarrant
