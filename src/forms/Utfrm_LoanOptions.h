#pragma once
// Tfrm_LoanOptions: the modal window in which the amortization window's loan options are set:
// how interest compounds, extra payments towards principal (each period from a period on, and
// one-off payments), and whether amounts are rounded to the cent as a lender books them.
// "OK" checks what was entered and keeps it; a value no lender would book is refused with a
// message and nothing changes; "Cancel" keeps nothing.
#include <QDialog>
#include <cstdint>

#include "engine/cmpEvaluator.h"
#include "engine/loan_schedule.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quarrant {

class Tfrm_LoanOptions : public QDialog {
  Q_OBJECT

 public:
  explicit Tfrm_LoanOptions(QWidget* parent = nullptr);

  // Shows the options in effect, for a schedule of this many periods (extras fall within
  // 1..periods; a count below 1 sets no bound of its own).
  void SetOptions(const LoanOptions& options, int32_t periods);
  // The options as accepted with "OK".
  const LoanOptions& options() const { return options_; }

  // A short description of the options that differ from their defaults, one part per option,
  // with amounts written with the user's decimal separator; empty at the defaults.
  static QStringList Summary(const LoanOptions& options);

 private:
  void BuildControls();
  void sb_okClick();
  void sb_cancelClick();
  void sb_addlumpClick();
  void sb_deletelumpClick();

  // Reads an expression field as the value fields do; a bad expression raises the evaluator's
  // error.
  Extended ReadField(const QLineEdit* field);
  int32_t ReadPeriod(const QLineEdit* field);
  // Refuses a value with a message box and puts the focus on its field; always false.
  bool Refuse(QWidget* field, const QString& message);
  bool ReadExtras(LoanOptions& options);
  bool CheckLumpSums(const LoanOptions& options);
  void ShowLumpSums();

  QComboBox* cb_compounding = nullptr;
  QLineEdit* ed_extra = nullptr;
  QLineEdit* ed_extrafrom = nullptr;
  QTableWidget* lv_lumpsums = nullptr;
  QLineEdit* ed_lumpperiod = nullptr;
  QLineEdit* ed_lumpamount = nullptr;
  QPushButton* sb_addlump = nullptr;
  QPushButton* sb_deletelump = nullptr;
  QComboBox* cb_rounding = nullptr;
  QPushButton* sb_ok = nullptr;
  QPushButton* sb_cancel = nullptr;

  TExpressionEvaluator evaluator_;
  LoanOptions options_;
  std::vector<LumpSum> lumpSums_;  // as listed, in period order
  int32_t periods_ = 0;
};

}  // namespace quarrant
