#pragma once
// Tfrm_ZavuzirEza: the calculator's main window. Five pages of calculators (time value of
// money, interest rate conversions, depreciation, cash flow, dates) above a strip that every
// page shares: the expression preview, the decimal places selector and the Help button.
//
// The class is split over several source files, one per page:
//   Utfrm_ZavuzirEza.cpp               window, shared strip, the preview, shared operations
//   Utfrm_ZavuzirEza_tvm.cpp           time value of money page
//   Utfrm_ZavuzirEza_rates.cpp         interest rate conversion page
//   Utfrm_ZavuzirEza_depreciation.cpp  depreciation page
//   Utfrm_ZavuzirEza_cashflow.cpp      cash flow page
//   Utfrm_ZavuzirEza_dates.cpp         date calculator page
//   Utfrm_ZavuzirEza_amortization.cpp  opening the amortization window
//   Utfrm_ZavuzirEza_help.cpp          help object, F1 and the Help button
#include <QDialog>
#include <QFont>
#include <QList>
#include <QPointer>
#include <QString>
#include <cstdint>

#include "engine/cmpEvaluator.h"
#include "engine/extended.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QTableView;
class QWidget;

namespace quarrant {

class DateEdit;
class NumericEdit;
class PageControl;
class RadioGroup;
class SpinEdit;
class THookHelpSystem;
class Tfrm_report;
class ValueField;

class Tfrm_ZavuzirEza : public QDialog {
  Q_OBJECT

 public:
  // One solve button of the time value page (defined with that page).
  struct TvmSolver;

  explicit Tfrm_ZavuzirEza(QWidget* parent = nullptr);
  ~Tfrm_ZavuzirEza() override;

  // The window's own font ("MS Sans Serif" 8 pt, rendered with a metric-compatible face).
  static QFont WindowFont();
  // Arial 14 px (rendered with Liberation Sans): page tabs and value fields.
  static QFont ArialFont();

  // ---- Shared operations of the pages ----
  // Reads a value field: placeholder or blank text reads 0; a text that does not evaluate is
  // reported in a message box ("Expression Error:" + text) and reads 0. Never throws.
  Extended EvaluateText(const QString& text);
  // Writes a number as the decimal places selector cb_digits asks, with the user's separator.
  QString FormatValue(Extended value) const;
  // True unless "Payment time" (rb_pmtt) has "End of period" selected.
  bool PaymentAtBeginning() const;
  // ed_I (annual percent) / periods per year of rg_PMTF / 100.
  Extended PeriodicRate();
  // Periodic rate * periods per year of rg_PMTF * 100.
  Extended AnnualRatePercent(Extended periodicRate) const;
  // Periods per year of the rate conversion page's rg_PMTFi.
  int32_t RatePeriodsPerYear() const;
  // Expected life 4 and factor 2 on the depreciation page, written through FormatValue.
  void ResetDepreciationDefaults();
  // The report form the amortization windows print, preview and export through; the program
  // owns it and hands it in.
  void setReportForm(Tfrm_report* reportForm);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // ---- Window events ----
  void FormCreate();
  // Help request on the window (F1; help context 1000): shows the topic "default.htm".
  bool FormHelp(uint16_t Command, int32_t Data, bool& CallHelp);
  void sb_helpClick();

  // ---- Value fields (the twelve expression fields of the first three pages) ----
  // Live preview: evaluates the field's text and shows it in se_expv, or "Syntax Error!"; runs
  // as the text changes and as the focus enters the field (which clears the hint first).
  void OnEditChange(ValueField* field);
  // Links the preview and the field it shows for assistive technology.
  void describeByPreview(ValueField* field);

  // ---- Time value of money page ----
  void sb_NClick();
  void sb_iClick();
  void sb_PVClick();
  void sb_PMTClick();
  void sb_FVClick();
  void sb_clearClick();
  void sb_AmortizationClick();

  // ---- Interest rate conversion page ----
  void sb_NARClick();
  void sb_EARClick();
  void sb_PIRClick();
  void sb_clearcfClick();

  // ---- Depreciation page ----
  void sb_calcClick();
  void sb_cleardClick();

  // ---- Cash flow page ----
  void sb_InsertClick();
  void sb_ReplaceClick();
  void sb_DeleteClick();
  void lv_cashfllowClick();
  void sb_clearcashfClick();
  void sb_calculateClick();

  // ---- Date calculator page ----
  void sb_dateClick();
  void sb_bdateClick();
  void sb_edateClick();
  void sb_dbdateClick();

  // Reads the fields a solve button needs in its order and writes the solved quantity (as an
  // annual percentage when the solver gives the periodic rate) into target.
  void solveTvm(const TvmSolver& solver, QLineEdit* target, bool givesRate);

  // ---- Building the window ----
  // Creates one page's controls on page (each defined in that page's source file).
  void buildPages();
  void buildTvmPage(QWidget* page);
  void buildRatesPage(QWidget* page);
  void buildDepreciationPage(QWidget* page);
  void buildCashFlowPage(QWidget* page);
  void buildDatePage(QWidget* page);
  // The date page's two sub-pages, their date fields starting at now.
  void buildOneDatePage(QWidget* page, double now);
  void buildTwoDatesPage(QWidget* page, double now);
  void buildSharedStrip();
  // Gives every control without a font of its own the window's font.
  void applyFonts();
  // Chains the tab order: pages (each page's own order), Help, decimal places, preview.
  void chainTabOrder();
  // Creates the help object and the F1 request (Utfrm_ZavuzirEza_help.cpp).
  void createHelpObject();

  // Control factories used by every page: object name, bounds and the window's fonts.
  QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                          const QRect& bounds);
  // A value field in Arial 14 px; the constructor makes the preview follow every one.
  ValueField* makeValueField(QWidget* parent, const char* name, const QRect& bounds);
  QLabel* makeLabel(QWidget* parent, const QString& caption, int left, int top,
                    const char* name = nullptr);
  QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& bounds, bool readOnly);
  // Sets the tab order of a page's controls in the order given; a radio group stands for its
  // buttons.
  static void setTabSequence(const QList<QWidget*>& order);

  // ---- Controls (object names equal the member names; tests find them by name) ----
  // Window level
  PageControl* pc_main = nullptr;
  QLabel* lb_expv = nullptr;
  QLineEdit* se_expv = nullptr;
  QLabel* lb_digits = nullptr;
  QComboBox* cb_digits = nullptr;
  QPushButton* sb_help = nullptr;

  // Pages of pc_main
  QWidget* ts_tvm = nullptr;
  QWidget* ts_irc = nullptr;
  QWidget* ts_Depreciation = nullptr;
  QWidget* ts_CashFlow = nullptr;
  QWidget* ts_datecalc = nullptr;

  // Time value of money
  QPushButton* sb_N = nullptr;
  ValueField* Ed_N = nullptr;
  QPushButton* sb_i = nullptr;
  ValueField* ed_I = nullptr;
  QLabel* lb_Ipercent = nullptr;
  QPushButton* sb_PV = nullptr;
  ValueField* ed_PV = nullptr;
  QPushButton* sb_PMT = nullptr;
  ValueField* ed_PMT = nullptr;
  QPushButton* sb_FV = nullptr;
  ValueField* ed_FV = nullptr;
  RadioGroup* rg_PMTF = nullptr;
  RadioGroup* rb_pmtt = nullptr;
  QPushButton* sb_Amortization = nullptr;
  QPushButton* sb_clear = nullptr;

  // Interest rate conversions
  QPushButton* sb_NAR = nullptr;
  ValueField* ed_NAR = nullptr;
  QLabel* lb_NARpercent = nullptr;
  QPushButton* sb_EAR = nullptr;
  ValueField* ed_EAR = nullptr;
  QLabel* lb_EARpercent = nullptr;
  QPushButton* sb_PIR = nullptr;
  ValueField* ed_PIR = nullptr;
  QLabel* lb_PIRpercent = nullptr;
  RadioGroup* rg_PMTFi = nullptr;
  QPushButton* sb_clearcf = nullptr;

  // Depreciation
  ValueField* ed_cb = nullptr;
  ValueField* ed_sv = nullptr;
  ValueField* ed_el = nullptr;
  ValueField* ed_fact = nullptr;
  QComboBox* cb_method = nullptr;
  QPushButton* sb_calc = nullptr;
  QPushButton* sb_cleard = nullptr;
  QFrame* pn_pery = nullptr;
  QTableView* lv_pery = nullptr;

  // Cash flow
  NumericEdit* se_diarate = nullptr;
  QPushButton* sb_Insert = nullptr;
  QPushButton* sb_Replace = nullptr;
  QPushButton* sb_Delete = nullptr;
  QPushButton* sb_clearcashf = nullptr;
  NumericEdit* se_amount = nullptr;
  SpinEdit* se_Times = nullptr;
  QFrame* pn_cashfllow = nullptr;
  QTableView* lv_cashfllow = nullptr;
  QPushButton* sb_calculate = nullptr;
  QLineEdit* se_irr = nullptr;
  QLineEdit* se_npv = nullptr;
  QLineEdit* se_nfv = nullptr;

  // Date calculator
  PageControl* pc_dates = nullptr;
  QWidget* ts_OneDate = nullptr;
  QWidget* ts_twodate = nullptr;
  QPushButton* sb_date = nullptr;
  DateEdit* de_date = nullptr;
  QLineEdit* ed_doy = nullptr;
  QLineEdit* ed_wofy = nullptr;
  QLineEdit* ed_dinm = nullptr;
  QLineEdit* ed_leapy = nullptr;
  QPushButton* sb_bdate = nullptr;
  DateEdit* de_begin = nullptr;
  QPushButton* sb_edate = nullptr;
  DateEdit* de_end = nullptr;
  QPushButton* sb_dbdate = nullptr;
  NumericEdit* ne_bd = nullptr;
  QGroupBox* gb_between = nullptr;
  QLineEdit* ed_bty = nullptr;
  QLineEdit* ed_btm = nullptr;
  QLineEdit* ed_btd = nullptr;

  // The window's expression evaluator, created with the window before FormCreate runs.
  TExpressionEvaluator evaluator_;
  // The help object; it lives until the program ends (not owned by the window).
  THookHelpSystem* help_ = nullptr;
  ValueField* previewed_ = nullptr;  // the value field whose value se_expv shows
  QPointer<Tfrm_report> reportForm_;
};

}  // namespace quarrant
