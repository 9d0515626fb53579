#pragma once
// Tfrm_report: the form that holds the amortization schedule's report rep_schedule. The program
// creates it once, hidden, at start-up, and hands it to the main window, which hands it on to
// each amortization window; it is never shown itself. The amortization window binds the
// report's two callbacks to itself while it is shown and drives printing, preview and export.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>

#include "report/report_engine.h"

namespace quarrant {

// The texts of the report's header values, as the amortization window's fields hold them.
struct ScheduleHeaderTexts {
  QString periods;
  QString presentValue;
  QString annualInterest;
  QString futureValue;
  QString paymentFrequency;
  QString paymentTime;
  // The loan options in effect, one part each; none at the defaults.
  QStringList loanOptions;
};

class Tfrm_report : public QWidget {
  Q_OBJECT

 public:
  explicit Tfrm_report(QWidget* parent = nullptr);
  ~Tfrm_report() override;

  // Writes the header values of the next generation. The loan options are listed under the
  // header values, a line for every two parts; with none the title band is exactly the plain
  // schedule's.
  void fillHeader(const ScheduleHeaderTexts& header);
  // The detail band's labels in column order: period, principal, interest, total principal,
  // total interest, balance.
  std::array<ReportLabel*, 6> detailLabels() const;

  BandedReport* rep_schedule = nullptr;

 private:
  void showLoanOptions(const QStringList& parts);

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
