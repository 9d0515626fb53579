#pragma once
// Tfrm_Amortization: the modal window that lists a loan's schedule period by period, lets the
// user change the inputs and recalculate, and prints, previews or exports the schedule through
// the report form (Tfrm_report).
#include <QDialog>
#include <QIcon>
#include <QList>
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/amortization.h"
#include "engine/cmpEvaluator.h"
#include "engine/extended.h"
#include "engine/loan_schedule.h"
#include "forms/page_models.h"

class QComboBox;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolBar;
class QToolButton;

namespace quarrant {

class BandedReport;
class ElidedLabel;
class ReportLabel;
class Tfrm_report;

class Tfrm_Amortization : public QDialog {
  Q_OBJECT

 public:
  // The longest schedule the window lists; a larger number of periods is reported instead.
  static constexpr int32_t kMaxListedPeriods = 1'000'000;

  explicit Tfrm_Amortization(QWidget* parent = nullptr);
  ~Tfrm_Amortization() override;

  // ---- Opening (called by the main window in this order) ----
  void SetPeriods(int32_t periods);
  void SetAnnualRate(Extended percentPerYear);
  void SetPresentValue(Extended presentValue);
  void SetFutureValue(Extended futureValue);
  void SetPaymentTime(int32_t itemIndex);
  void SetPaymentFrequency(int32_t itemIndex);
  // Reads the inputs and lists a new schedule.
  void CalculateSchedule();
  // The report form that prints, previews and exports this window's schedule; the program
  // owns it. Bound to the window while the window is shown.
  void setReportForm(Tfrm_report* reportForm);
  // Places the window centred over another window.
  void CenterOver(const QWidget* other);

  // The schedule listed.
  ScheduleListModel* model() const { return model_; }
  // The loan options in effect; they last as long as the window.
  const LoanOptions& loanOptions() const { return options_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // ---- Event handlers ----
  void FormCreate();
  // Runs as the window is shown: binds the report form's callbacks to this window.
  void FormShow();
  void sb_CalcClick();
  void sb_closeClick();
  void sb_saveasClick();
  void sb_printClick();
  void sb_previewClick();
  // Opens the loan options; "OK" there recalculates the schedule with them.
  void sb_optionsClick();
  // The status line under the list: the selected periods (or all) and their totals.
  void lv_asSelectionChanged();

  // ---- Report callbacks (handed to the report form by FormShow) ----
  // FillReportHeader runs on the user-interface thread and takes a snapshot of the rows;
  // NextReportRow reads only that snapshot (on the preview's worker thread, during a preview).
  void FillReportHeader(BandedReport& report, bool& cancel);
  void NextReportRow(QObject* sender, bool& moreRows);

  // ---- Internal operations ----
  // Reads an input field: the value fields' reading rule (ValueField::expressionOf), evaluated.
  Extended ReadField(const QString& text);
  // The line that names the options in effect; empty at the defaults.
  void ShowOptionsInEffect();
  void LayOutOptionsLine();
  void FitPeriodColumn(int32_t periods);
  QFileDialog* SaveDialog();

  void BuildControls();
  void BuildToolbar();
  void BuildInputs();
  void BuildList();
  void ConnectHandlers();
  Tfrm_report* RequireReport();

  // ---- Controls (object names equal the member names; tests find them by name) ----
  QWidget* pn_inputs = nullptr;
  QToolBar* tb_report = nullptr;
  QToolButton* sb_saveas = nullptr;
  QToolButton* sb_print = nullptr;
  QToolButton* sb_preview = nullptr;
  QToolButton* sb_close = nullptr;
  QToolButton* sb_options = nullptr;
  ElidedLabel* lb_options = nullptr;
  QLabel* lb_NPer = nullptr;
  QLineEdit* se_NPer = nullptr;
  QLabel* lb_i = nullptr;
  QLineEdit* se_i = nullptr;
  QLabel* lb_pv = nullptr;
  QLineEdit* se_pv = nullptr;
  QLabel* lb_fv = nullptr;
  QLineEdit* se_fv = nullptr;
  QLabel* lb_pt = nullptr;
  QComboBox* cb_pt = nullptr;
  QPushButton* sb_Calc = nullptr;
  QLabel* lb_pmtf = nullptr;
  QComboBox* cb_pmtf = nullptr;
  QFrame* pn_list = nullptr;
  QTableView* lv_as = nullptr;
  ElidedLabel* lb_selection = nullptr;
  // Toolbar pictures: 0 save as, 1 print, 2 preview, 3 loan options.
  QList<QIcon> il_toolbar;

  std::unique_ptr<TExpressionEvaluator> evaluator_;
  int32_t reportRow_ = 0;  // the report row cursor: next list row the report takes
  ScheduleListModel* model_ = nullptr;
  LoanOptions options_;

  // What the report generation under way reads: the rows as they stood at its start and the
  // detail labels the rows go to.
  ScheduleListModel::Snapshot reportRows_;
  std::array<ReportLabel*, ScheduleListModel::kColumns> reportLabels_{};

  QPointer<Tfrm_report> reportForm_;
  QPointer<Tfrm_report> boundReport_;
  QFileDialog* saveDialog_ = nullptr;
  QString lastSavedFile_;
  QString nameBeforeFilter_;
  int lastFilter_ = 0;
};

}  // namespace quarrant
