#include "forms/Utfrm_Amortization.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "controls/accessible_names.h"
#include "controls/elided_label.h"
#include "controls/keypad_separator.h"
#include "controls/plain_text.h"
#include "controls/push_button.h"
#include "controls/skin.h"
#include "controls/table_copy.h"
#include "engine/amortization.h"
#include "engine/loan_schedule.h"
#include "engine/number_format.h"
#include "engine/time_value.h"
#include "forms/Utfrm_LoanOptions.h"
#include "forms/Utfrm_ZavuzirEza.h"
#include "forms/Utfrm_report.h"
#include "forms/connect_clicks.h"
#include "forms/page_models.h"
#include "forms/window_parts.h"
#include "report/export_filters.h"
#include "report/export_formats.h"
#include "report/report_preview.h"
#include "report/report_print.h"
#include "support/error_report.h"
#include "support/payment_frequency.h"
#include "support/regional.h"

namespace quarrant {

namespace {

// Characters an input field of the window takes.
constexpr int kMaxInputLength = 255;

// The rows a selection covers, as ascending runs of whole rows that neither overlap nor touch.
std::vector<std::pair<int, int>> SelectedRuns(const QItemSelection& selection) {
  std::vector<std::pair<int, int>> runs;
  for (const QItemSelectionRange& range : selection) runs.emplace_back(range.top(), range.bottom());
  std::sort(runs.begin(), runs.end());
  std::vector<std::pair<int, int>> merged;
  for (const auto& run : runs) {
    if (!merged.empty() && run.first <= merged.back().second + 1)
      merged.back().second = std::max(merged.back().second, run.second);
    else
      merged.push_back(run);
  }
  return merged;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Tfrm_Amortization

namespace {

// Arial 14 px: the input fields and the list.
QFont EditFont() {
  return Tfrm_ZavuzirEza::ArialFont();
}

}  // namespace

Tfrm_Amortization::Tfrm_Amortization(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_Amortization"));
  setWindowTitle(tr("Amortization Schedule"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setFont(Tfrm_ZavuzirEza::WindowFont());
  setSizeGripEnabled(true);
  BuildControls();
  resize(577, 405);
  FormCreate();
}

Tfrm_Amortization::~Tfrm_Amortization() {
  // The report form outlives this window: leave it unbound.
  if (boundReport_) {
    boundReport_->rep_schedule->onBeforeGenerate = nullptr;
    boundReport_->rep_schedule->onNeedData = nullptr;
  }
}

void Tfrm_Amortization::BuildControls() {
  pn_inputs = new QWidget(this);
  pn_inputs->setObjectName(QStringLiteral("pn_inputs"));
  pn_inputs->setFixedHeight(113);
  BuildToolbar();
  BuildInputs();
  BuildList();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(pn_inputs);
  layout->addWidget(pn_list, 1);
  ConnectHandlers();
}

// The toolbar tb_report: save as, print and preview pictures, then "&Close".
void Tfrm_Amortization::BuildToolbar() {
  il_toolbar = {skinIcon("saveas"), skinIcon("print"), skinIcon("preview"), skinIcon("options")};

  tb_report = new QToolBar(pn_inputs);
  tb_report->setObjectName(QStringLiteral("tb_report"));
  tb_report->setMovable(false);
  tb_report->setFloatable(false);
  tb_report->setIconSize(QSize(16, 16));
  tb_report->setContentsMargins(0, 0, 0, 0);
  if (tb_report->layout()) {
    tb_report->layout()->setSpacing(0);
    tb_report->layout()->setContentsMargins(0, 0, 0, 0);
  }
  tb_report->setGeometry(0, 0, 577, 25);
  auto iconButton = [this](const char* name, int icon, const QString& tip) {
    auto* button = new QToolButton(tb_report);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(il_toolbar.value(icon));
    button->setToolTip(tip);
    button->setAccessibleName(tip);  // a picture alone says nothing
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoRaise(true);
    button->setFixedSize(25, 25);
    tb_report->addWidget(button);
    return button;
  };
  sb_saveas = iconButton("sb_saveas", 0, tr("Save as"));
  sb_print = iconButton("sb_print", 1, tr("Print"));
  sb_preview = iconButton("sb_preview", 2, tr("Preview"));
  sb_saveas->setShortcut(QKeySequence::Save);
  sb_print->setShortcut(QKeySequence::Print);
  sb_close = new QToolButton(tb_report);
  sb_close->setObjectName(QStringLiteral("sb_close"));
  sb_close->setText(tr("&Close"));
  sb_close->setToolButtonStyle(Qt::ToolButtonTextOnly);
  sb_close->setAutoRaise(true);
  sb_close->setFocusPolicy(Qt::TabFocus);
  sb_close->setFixedSize(62, 25);
  tb_report->addWidget(sb_close);
  sb_options = iconButton("sb_options", 3, tr("Loan options"));
  sb_options->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  // Which options are in effect, beside the button that sets them; nothing at the defaults.
  // It lies over the toolbar's free room rather than in the toolbar, which would fold a long
  // text away behind its extension button.
  lb_options = new ElidedLabel(pn_inputs);
  lb_options->setObjectName(QStringLiteral("lb_options"));
  lb_options->setIndent(8);
  lb_options->raise();
}

// The line shows as much of the summary as fits; its tooltip and its description hold all of it.
void Tfrm_Amortization::LayOutOptionsLine() {
  // Right of the toolbar's buttons, which have fixed widths (the toolbar may not have placed
  // them yet).
  int left = 0;
  for (const QWidget* button : {sb_saveas, sb_print, sb_preview, sb_close, sb_options})
    left += button->width();
  lb_options->setGeometry(left, 0, qMax(width() - left, 0), 25);
}

// The input fields with their labels, the two choice lists and "&Calculate", in tab order.
void Tfrm_Amortization::BuildInputs() {
  auto label = [this](const char* name, const QString& text, int x, int y) {
    auto* l = new QLabel(text, pn_inputs);
    l->setObjectName(QString::fromLatin1(name));
    l->move(x, y);
    l->adjustSize();
    return l;
  };
  auto edit = [this](const char* name, int x, int y, int w, int h) {
    auto* e = new QLineEdit(QStringLiteral("0"), pn_inputs);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(x, y, w, h);
    e->setFont(EditFont());
    QPalette palette = e->palette();
    palette.setColor(QPalette::Text, Qt::black);
    e->setPalette(palette);
    e->setTextMargins(0, 0, 0, 0);
    e->setValidator(new PlainTextValidator(e));  // no control characters, typed or pasted
    // A number needs far fewer characters; laying out a pasted text of tens of thousands
    // of characters would hold the window for seconds.
    e->setMaxLength(kMaxInputLength);
    typeKeypadDecimalAsSeparator(e);
    return e;
  };
  auto combo = [this](const char* name, int x, int y, int w, int h, const QStringList& items,
                      int index) {
    auto* c = new QComboBox(pn_inputs);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(false);
    c->addItems(items);
    c->setCurrentIndex(index);
    c->setGeometry(x, y, w, h);
    return c;
  };

  lb_NPer = label("lb_NPer", tr("Number of Periods:"), 21, 38);
  se_NPer = edit("se_NPer", 114, 36, 100, 18);
  lb_i = label("lb_i", tr("Annual Interest (I%YR):"), 2, 62);
  se_i = edit("se_i", 114, 60, 100, 18);
  lb_pv = label("lb_pv", tr("Present Value:"), 222, 39);
  se_pv = edit("se_pv", 296, 36, 121, 18);
  lb_fv = label("lb_fv", tr("Future Value:"), 228, 61);
  se_fv = edit("se_fv", 296, 60, 121, 18);
  lb_pt = label("lb_pt", tr("Payment time:"), 226, 87);
  cb_pt = combo("cb_pt", 296, 84, 120, 20, {tr("Beginning of period"), tr("End of period")}, 1);
  // Pressed by Return as well as Space when it has the focus, like the main window's buttons.
  sb_Calc = new PushButton(tr("&Calculate"), pn_inputs);
  sb_Calc->setObjectName(QStringLiteral("sb_Calc"));
  sb_Calc->setGeometry(434, 36, 121, 61);
  lb_pmtf = label("lb_pmtf", tr("Payment frequency:"), 16, 87);
  cb_pmtf = combo("cb_pmtf", 114, 84, 100, 20, ScheduleFrequencyItems(), 0);
  for (auto [caption, field] : {std::pair<QLabel*, QWidget*>{lb_NPer, se_NPer},
                                {lb_i, se_i},
                                {lb_pv, se_pv},
                                {lb_fv, se_fv},
                                {lb_pt, cb_pt},
                                {lb_pmtf, cb_pmtf}})
    labelField(caption, field);
  QWidget* order[] = {sb_saveas, sb_print, sb_preview, sb_close, sb_options, se_NPer,
                      se_i,      se_pv,    se_fv,      cb_pt,    sb_Calc,    cb_pmtf};
  for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

// The framed panel pn_list with the schedule list lv_as in report style.
void Tfrm_Amortization::BuildList() {
  model_ = new ScheduleListModel(this);
  const ListPanel panel =
      makeListPanel(this, "pn_list", "lv_as", model_, {50, 100, 100, 100, 100, 100}, windowTitle(),
                    1, EditFont());
  pn_list = panel.frame;
  lv_as = panel.list;
  // Any run of rows can be selected (Shift and Ctrl with the mouse or the arrows, Ctrl+A):
  // the status line totals them and Ctrl+C copies them.
  lv_as->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lb_selection = new ElidedLabel(pn_list);
  lb_selection->setObjectName(QStringLiteral("lb_selection"));
  lb_selection->setContentsMargins(4, 1, 4, 1);
  lb_selection->setAccessibleName(tr("Selected periods"));
  auto* listLayout = static_cast<QVBoxLayout*>(pn_list->layout());
  listLayout->setSpacing(0);
  listLayout->addWidget(lb_selection);
  setTabOrder(cb_pmtf, lv_as);
  auto totals = [this] { Guarded([this] { lv_asSelectionChanged(); }); };
  connect(lv_as->selectionModel(), &QItemSelectionModel::selectionChanged, this, totals);
  connect(model_, &QAbstractItemModel::modelReset, this, totals);
  connect(model_, &QAbstractItemModel::rowsInserted, this, totals);
}

void Tfrm_Amortization::ConnectHandlers() {
  ConnectClicks(this, {
                          {sb_Calc, &Tfrm_Amortization::sb_CalcClick},
                          {sb_close, &Tfrm_Amortization::sb_closeClick},
                          {sb_saveas, &Tfrm_Amortization::sb_saveasClick},
                          {sb_print, &Tfrm_Amortization::sb_printClick},
                          {sb_preview, &Tfrm_Amortization::sb_previewClick},
                          {sb_options, &Tfrm_Amortization::sb_optionsClick},
                      });
}

void Tfrm_Amortization::FormCreate() {
  evaluator_ = std::make_unique<TExpressionEvaluator>(UserDecimalSeparator());
}

void Tfrm_Amortization::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void Tfrm_Amortization::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  tb_report->setGeometry(0, 0, width(), 25);
  LayOutOptionsLine();
}

void Tfrm_Amortization::setReportForm(Tfrm_report* reportForm) {
  reportForm_ = reportForm;
}

void Tfrm_Amortization::FormShow() {
  if (boundReport_ && boundReport_ != reportForm_) {
    boundReport_->rep_schedule->onBeforeGenerate = nullptr;
    boundReport_->rep_schedule->onNeedData = nullptr;
  }
  boundReport_ = reportForm_;
  if (!boundReport_) return;
  BandedReport* report = boundReport_->rep_schedule;
  report->onBeforeGenerate = [this](BandedReport& r, bool& cancel) { FillReportHeader(r, cancel); };
  report->onNeedData = [this](QObject* sender, bool& more) { NextReportRow(sender, more); };
}

void Tfrm_Amortization::CenterOver(const QWidget* other) {
  if (!other) return;
  const QRect area = other->frameGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

// ---- Opening ----

void Tfrm_Amortization::SetPeriods(int32_t periods) {
  se_NPer->setText(QString::number(periods));
}

// The general format would write 1E15 or 5E-5, which the evaluator does not read back; the
// plain positional form of the same 15 digits does.
void Tfrm_Amortization::SetAnnualRate(Extended percentPerYear) {
  se_i->setText(QString::fromStdString(FormatGeneralPlain(percentPerYear, UserDecimalSeparator())));
}

void Tfrm_Amortization::SetPresentValue(Extended presentValue) {
  se_pv->setText(QString::fromStdString(FormatGeneralPlain(presentValue, UserDecimalSeparator())));
}

void Tfrm_Amortization::SetFutureValue(Extended futureValue) {
  se_fv->setText(QString::fromStdString(FormatGeneralPlain(futureValue, UserDecimalSeparator())));
}

void Tfrm_Amortization::SetPaymentTime(int32_t itemIndex) {
  cb_pt->setCurrentIndex(itemIndex != 0 ? 1 : 0);
}

void Tfrm_Amortization::SetPaymentFrequency(int32_t itemIndex) {
  cb_pmtf->setCurrentIndex(itemIndex >= 0 && itemIndex < cb_pmtf->count() ? itemIndex : -1);
}

// ---- Reading the inputs ----

Extended Tfrm_Amortization::ReadField(const QString& text) {
  return evaluateField(*evaluator_, text);
}

void Tfrm_Amortization::CalculateSchedule() {
  LoanTerms loan;
  loan.AnnualRatePercent = ReadField(se_i->text());
  loan.FrequencyIndex = cb_pmtf->currentIndex();
  loan.PresentValue = ReadField(se_pv->text());
  const int32_t periods = WholePeriods(ReadField(se_NPer->text()));
  loan.NPeriods = periods;
  loan.FutureValue = ReadField(se_fv->text());
  if (periods > kMaxListedPeriods)
    throw std::length_error("Too many periods: the schedule lists at most " +
                            std::to_string(kMaxListedPeriods) + " periods");
  loan.Timing =
      cb_pt->currentIndex() == 0 ? PaymentTiming::StartOfPeriod : PaymentTiming::EndOfPeriod;

  model_->start(UserDecimalSeparator());
  model_->reserve(periods);
  FitPeriodColumn(periods);
  const PublishWhenDone publish(model_);
  LoanSchedule(loan, options_, [this](const ScheduleRow& row) { model_->append(row); });
}

// The Period column fits the schedule's last period with the margins the style keeps either
// side of a cell's text; a schedule of up to five digits keeps the column's 50 pixels.
void Tfrm_Amortization::FitPeriodColumn(int32_t periods) {
  const int cellMargins =
      2 * (lv_as->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lv_as) + 2);
  const int widest = lv_as->fontMetrics().horizontalAdvance(QString::number(std::max(periods, 1)));
  lv_as->setColumnWidth(0, std::max(50, widest + cellMargins));
}

void Tfrm_Amortization::ShowOptionsInEffect() {
  const QString summary = Tfrm_LoanOptions::Summary(options_).join(QStringLiteral("; "));
  lb_options->setFullText(summary);
  lb_options->setAccessibleName(summary.isEmpty() ? QString()
                                                  : tr("Loan options: %1").arg(summary));
}

void Tfrm_Amortization::lv_asSelectionChanged() {
  const int rows = model_->rowCount();
  if (rows == 0) {
    lb_selection->setFullText(QString());
    return;
  }
  std::vector<std::pair<int, int>> runs = SelectedRuns(lv_as->selectionModel()->selection());
  if (runs.empty()) runs.emplace_back(0, rows - 1);  // nothing selected: the whole schedule
  RangeTotals totals;
  int count = 0;
  for (const auto& [first, last] : runs) {
    const ScheduleRow before = first > 0 ? model_->row(first - 1) : ScheduleRow();
    totals += ScheduleRangeTotals(first > 0 ? &before : nullptr, model_->row(last));
    count += last - first + 1;
  }
  const ScheduleRow first = model_->row(runs.front().first);
  const ScheduleRow last = model_->row(runs.back().second);
  QString range;
  if (runs.size() > 1)
    range = tr("%1 periods").arg(count);  // two runs or more: always several
  else if (count == 1)
    range = tr("Period %1").arg(first.Period);
  else
    range = tr("Periods %1-%2").arg(first.Period).arg(last.Period);
  const char separator = model_->decimalSeparator();
  auto amount = [separator](Extended value) {
    return QString::fromStdString(FormatScheduleAmount(value, separator));
  };
  lb_selection->setFullText(
      tr("%1: principal %2, interest %3, payments %4")
          .arg(range, amount(totals.Principal), amount(totals.Interest), amount(totals.Payments)));
}

// ---- Buttons ----

void Tfrm_Amortization::sb_CalcClick() {
  CalculateSchedule();
}

void Tfrm_Amortization::sb_closeClick() {
  close();
}

void Tfrm_Amortization::sb_optionsClick() {
  // Extras fall within the periods the window holds now; without a readable count, within
  // the longest schedule it lists.
  int32_t periods = kMaxListedPeriods;
  try {
    const int32_t typed = WholePeriods(ReadField(se_NPer->text()));
    if (typed >= 1) periods = std::min(typed, kMaxListedPeriods);
  } catch (const std::exception&) {
    // "&Calculate" reports the field's error; the options can still be set meanwhile.
  }
  Tfrm_LoanOptions dialog(this);
  dialog.SetOptions(options_, periods);
  if (dialog.exec() != QDialog::Accepted) return;
  options_ = dialog.options();
  ShowOptionsInEffect();
  CalculateSchedule();
}

Tfrm_report* Tfrm_Amortization::RequireReport() {
  if (!reportForm_) throw EReportError("The report form is not available");
  if (boundReport_ != reportForm_ || !boundReport_->rep_schedule->onNeedData) FormShow();
  return boundReport_;
}

void Tfrm_Amortization::sb_printClick() {
  printOnDefaultPrinter(*RequireReport()->rep_schedule, this);
}

void Tfrm_Amortization::sb_previewClick() {
  previewReport(*RequireReport()->rep_schedule, this);
}

QFileDialog* Tfrm_Amortization::SaveDialog() {
  if (!saveDialog_) {
    saveDialog_ = new QFileDialog(this, tr("Save file"));
    saveDialog_->setObjectName(QStringLiteral("SaveDialog"));
    saveDialog_->setOption(QFileDialog::DontUseNativeDialog, true);
    saveDialog_->setOption(QFileDialog::DontConfirmOverwrite, true);
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    saveDialog_->setFileMode(QFileDialog::AnyFile);
    saveDialog_->setNameFilters(exportFormatFilters());
    saveDialog_->setDefaultSuffix(QString());
    // Qt's dialog replaces the extension of the typed name when the user picks another
    // filter; a name typed with an extension keeps it here, whatever filter is selected.
    // QFileDialog tells of a filter only once it has rewritten the name (filterSelected) and
    // has no public access to the name being typed, so the name is taken from its own field
    // just before the filter changes and put back just after.
    auto* name = saveDialog_->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* types = saveDialog_->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (name && types) {
      connect(types, &QComboBox::currentIndexChanged, saveDialog_,
              [this, name] { nameBeforeFilter_ = name->text(); });
      connect(saveDialog_, &QFileDialog::filterSelected, saveDialog_, [this, name] {
        if (name->text() != nameBeforeFilter_) name->setText(nameBeforeFilter_);
      });
    } else {
      qWarning(
          "Save dialog: this Qt's file dialog has no name field or filter list; a typed "
          "extension follows the filter chosen");
    }
  }
  return saveDialog_;
}

void Tfrm_Amortization::sb_saveasClick() {
  QFileDialog* dialog = SaveDialog();
  // The filter first: choosing a filter rewrites the extension of the name shown.
  const QStringList filters = exportFormatFilters();
  dialog->selectNameFilter(filters.value(lastFilter_));
  if (lastSavedFile_.isEmpty()) {
    dialog->setDirectory(QCoreApplication::applicationDirPath());
    dialog->selectFile(QString());
  } else {
    const QFileInfo last(lastSavedFile_);
    dialog->setDirectory(last.absolutePath());
    dialog->selectFile(last.fileName());
  }
  const bool accepted = dialog->exec() == QDialog::Accepted;
  const qsizetype shown = filters.indexOf(dialog->selectedNameFilter());
  if (shown < 0) return;  // no format of ours: nothing is written
  lastFilter_ = static_cast<int>(shown);
  if (!accepted) return;
  const QStringList files = dialog->selectedFiles();
  if (files.isEmpty() || files.first().isEmpty()) return;

  const ExportFormat& format = exportFormats()[static_cast<size_t>(shown)];
  const QString fileName = withExtension(files.first(), format);
  const std::unique_ptr<ExportFilter> writer = format.makeWriter(fileName);
  lastSavedFile_ = fileName;
  writer->exportReport(*RequireReport()->rep_schedule, this);
}

// ---- Report callbacks ----

void Tfrm_Amortization::FillReportHeader(BandedReport& report, bool& /*cancel*/) {
  reportRow_ = 0;
  // The rows as they stand now; a preview's worker reads them while the window is blocked.
  reportRows_ = model_->snapshot();
  report.setExpectedRows(reportRows_.rowCount());
  reportLabels_ = boundReport_->detailLabels();
  boundReport_->fillHeader({se_NPer->text(), se_pv->text(), se_i->text(), se_fv->text(),
                            cb_pmtf->currentText(), cb_pt->currentText(),
                            Tfrm_LoanOptions::Summary(options_)});
}

void Tfrm_Amortization::NextReportRow(QObject* /*sender*/, bool& moreRows) {
  moreRows = reportRow_ < reportRows_.rowCount();
  if (moreRows) {
    for (int c = 0; c < ScheduleListModel::kColumns; ++c)
      if (ReportLabel* label = reportLabels_[static_cast<size_t>(c)])
        label->setUtf8(reportRows_.text(reportRow_, c));
  } else {
    reportRows_ = ScheduleListModel::Snapshot();  // the report has every row: let them go
  }
  ++reportRow_;
}

}  // namespace quarrant
