#include "forms/Utfrm_ZavuzirEza.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <exception>

#include "controls/accessible_names.h"
#include "controls/page_control.h"
#include "controls/push_button.h"
#include "controls/radio_group.h"
#include "controls/value_field.h"
#include "engine/amortization.h"
#include "engine/checked_math.h"
#include "engine/number_format.h"
#include "forms/connect_clicks.h"
#include "help/helpsystem.h"
#include "support/error_report.h"
#include "support/regional.h"

namespace quarrant {

QFont Tfrm_ZavuzirEza::WindowFont() {
  // The classic 8 pt dialog font is 11 pixels high on a 96 dpi screen and a little narrower
  // than Liberation Sans; 94 % width gives the same caption widths, so every caption fits the
  // fixed bounds of its control. A pixel size keeps that whatever the screen's resolution.
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  font.setPixelSize(11);
  font.setStretch(94);
  return font;
}

QFont Tfrm_ZavuzirEza::ArialFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  font.setPixelSize(14);
  return font;
}

Tfrm_ZavuzirEza::Tfrm_ZavuzirEza(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      evaluator(UserDecimalSeparator()) {
  setObjectName(QStringLiteral("frm_ZavuzirEza"));
  setWindowTitle(QStringLiteral("Quarrant"));
  setFont(WindowFont());
  setFixedSize(373, 392);

  BuildPages();
  BuildSharedStrip();
  // The preview follows the value fields from here on: the texts the pages start with are
  // not previewed, the defaults FormCreate writes are.
  for (ValueField* field : findChildren<ValueField*>()) {
    auto preview = [this, field] { Guarded([this, field] { OnEditChange(field); }); };
    connect(field, &QLineEdit::textChanged, this, preview);
    connect(field, &ValueField::entered, this, preview);
  }
  ApplyFonts();
  ChainTabOrder();
  pc_main->setCurrentIndex(0);

  // The evaluator exists already (a member); the creation handler runs last.
  FormCreate();
}

Tfrm_ZavuzirEza::~Tfrm_ZavuzirEza() = default;

void Tfrm_ZavuzirEza::BuildPages() {
  pc_main = new PageControl(this);
  pc_main->setObjectName(QStringLiteral("pc_main"));
  pc_main->setGeometry(9, 4, 353, 326);
  pc_main->setFont(ArialFont());
  pc_main->switchPagesFromWholeWindow();

  struct PageSpec {
    QWidget** member;
    const char* name;
    const char* caption;  // translated where the tab is made
    void (Tfrm_ZavuzirEza::*build)(QWidget* page);
  };
  const PageSpec pages[] = {
      {&ts_tvm, "ts_tvm", QT_TR_NOOP("Time Value of Money"), &Tfrm_ZavuzirEza::BuildTvmPage},
      {&ts_irc, "ts_irc", QT_TR_NOOP("Interest Rate Conversions"),
       &Tfrm_ZavuzirEza::BuildRatesPage},
      {&ts_Depreciation, "ts_Depreciation", QT_TR_NOOP("Depreciation"),
       &Tfrm_ZavuzirEza::BuildDepreciationPage},
      {&ts_CashFlow, "ts_CashFlow", QT_TR_NOOP("Cash Flow"), &Tfrm_ZavuzirEza::BuildCashFlowPage},
      {&ts_datecalc, "ts_datecalc", QT_TR_NOOP("Date Calculator"), &Tfrm_ZavuzirEza::BuildDatePage},
  };
  for (const PageSpec& page : pages) {
    *page.member = pc_main->addPage(QString::fromLatin1(page.name), tr(page.caption));
    // The tabs use Arial; the controls on the pages use the window's font unless they set
    // their own.
    (*page.member)->setFont(WindowFont());
    (this->*page.build)(*page.member);
  }
}

void Tfrm_ZavuzirEza::ApplyFonts() {
  // Controls take the window's font unless they were given one of their own. Set explicitly,
  // because the platform may hand some control classes (buttons, for one) a font of its own
  // that would otherwise win over the inherited one.
  pc_main->setTabFont(ArialFont());
  for (QWidget* child : findChildren<QWidget*>())
    if (!child->testAttribute(Qt::WA_SetFont)) child->setFont(WindowFont());
}

void Tfrm_ZavuzirEza::BuildSharedStrip() {
  lb_expv = MakeLabel(this, tr("Expression Value:"), 8, 337, "lb_expv");
  lb_expv->setGeometry(8, 337, 84, 13);
  se_expv = MakeEdit(this, "se_expv", QRect(96, 336, 265, 20), true);
  se_expv->setText(QStringLiteral("0"));
  lb_digits = MakeLabel(this, tr("Decimal places:"), 8, 361, "lb_digits");
  lb_digits->setGeometry(8, 361, 75, 13);
  labelField(lb_expv, se_expv);

  cb_digits = new QComboBox(this);
  cb_digits->setObjectName(QStringLiteral("cb_digits"));
  cb_digits->setEditable(false);
  const QString general = tr("General");
  cb_digits->addItem(general);
  for (int i = 0; i <= 10; ++i) cb_digits->addItem(QString::number(i));
  cb_digits->setCurrentIndex(3);
  cb_digits->setGeometry(83, 359, 44, 20);
  // At 44 pixels beside the skin's slim arrow, "General" reads in full one pixel smaller.
  QFont digitsFont = WindowFont();
  digitsFont.setPixelSize(10);
  cb_digits->setFont(digitsFont);
  // The closed box is narrow; let the open list show "General" in full.
  cb_digits->view()->setMinimumWidth(cb_digits->fontMetrics().horizontalAdvance(general) + 24);

  labelField(lb_digits, cb_digits);

  sb_help = MakeButton(this, "sb_help", tr("&Help"), QRect(295, 358, 67, 25));
  ConnectClicks(this, {{sb_help, &Tfrm_ZavuzirEza::sb_helpClick}});
}

void Tfrm_ZavuzirEza::FormCreate() {
  ResetDepreciationDefaults();
  CreateHelpObject();
  // The version is the program file's own (on Windows its version resource), not a number
  // compiled in: a file stamped 3.2.0.0 reads V3.2.
  FileVersion version;
  FileVersionText(CurrentPlatform().ModuleFileName(), &version);
  setWindowTitle(windowTitle() + QStringLiteral(" V") + QString::number(version.major) +
                 QLatin1Char('.') + QString::number(version.minor));
}

// ---- Control factories ----

QPushButton* Tfrm_ZavuzirEza::MakeButton(QWidget* parent, const char* name, const QString& caption,
                                         const QRect& bounds) {
  // Return and Space press the focused button; none is the window's default button.
  auto* button = new PushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(bounds);
  return button;
}

ValueField* Tfrm_ZavuzirEza::MakeValueField(QWidget* parent, const char* name,
                                            const QRect& bounds) {
  auto* field = new ValueField(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setGeometry(bounds);
  field->setFont(ArialFont());
  return field;
}

QLabel* Tfrm_ZavuzirEza::MakeLabel(QWidget* parent, const QString& caption, int left, int top,
                                   const char* name) {
  auto* label = new QLabel(caption, parent);
  if (name != nullptr) label->setObjectName(QString::fromLatin1(name));
  label->setFont(WindowFont());  // sized for the font it is drawn with
  label->adjustSize();
  label->move(left, top);
  return label;
}

QLineEdit* Tfrm_ZavuzirEza::MakeEdit(QWidget* parent, const char* name, const QRect& bounds,
                                     bool readOnly) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(bounds);
  edit->setReadOnly(readOnly);
  return edit;
}

void Tfrm_ZavuzirEza::SetTabOrder(const QList<QWidget*>& order) {
  QList<QWidget*> leaves;
  for (QWidget* widget : order) {
    if (widget == nullptr) continue;
    if (auto* group = qobject_cast<RadioGroup*>(widget)) {
      for (int i = 0; i < group->count(); ++i) leaves.append(group->button(i));
    } else {
      leaves.append(widget);
    }
  }
  for (qsizetype i = 1; i < leaves.size(); ++i)
    QWidget::setTabOrder(leaves.at(i - 1), leaves.at(i));
}

void Tfrm_ZavuzirEza::ChainTabOrder() {
  // Each page's controls keep the order their page gave them; the window level follows:
  // the pages, Help, decimal places, preview.
  QList<QWidget*> chain{pc_main->tabBar()};
  for (int p = 0; p < pc_main->count(); ++p) {
    QWidget* page = pc_main->widget(p);
    QList<QWidget*> onPage;
    QWidget* w = this;
    do {
      w = w->nextInFocusChain();
      // A widget with a focus proxy (a spin box's inner edit) is reached through its proxy.
      if ((w->focusPolicy() & Qt::TabFocus) && w->focusProxy() == nullptr &&
          page->isAncestorOf(w) && !onPage.contains(w))
        onPage.append(w);
    } while (w != this);
    chain += onPage;
  }
  // The order is a ring: from the preview, Tab comes round to the page tabs (not to a page
  // control inside a page), and Shift+Tab from the page tabs goes to the preview.
  chain << sb_help << cb_digits << se_expv << pc_main->tabBar();
  for (qsizetype i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

void Tfrm_ZavuzirEza::keyPressEvent(QKeyEvent* event) {
  // The calculator has no Cancel button: Escape must not close the program's only window.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// ---- The preview ----

Extended Tfrm_ZavuzirEza::EvaluateForPreview(const QString& text) {
  evaluator.Expression = ValueField::expressionOf(text).toStdString();
  return evaluator.Evaluate();
}

void Tfrm_ZavuzirEza::OnEditChange(ValueField* field) {
  QString preview;
  try {
    preview = FormatValue(EvaluateForPreview(field->text()));
  } catch (const std::exception&) {
    preview = tr("Syntax Error!");
  }
  se_expv->setText(preview);
  DescribeByPreview(field);
}

void Tfrm_ZavuzirEza::DescribeByPreview(ValueField* field) {
  // A screen reader reads a field's description with the field: the one the preview follows
  // carries the preview's value, and the preview names that field. An unchanged text sends no
  // event, so a keystroke that leaves the value as it was is not announced again.
  auto describe = [](QWidget* widget, const QString& text) {
    if (widget->accessibleDescription() != text) widget->setAccessibleDescription(text);
  };
  if (previewed_ != nullptr && previewed_ != field) describe(previewed_, QString());
  previewed_ = field;
  describe(field, lb_expv->text() + QLatin1Char(' ') + se_expv->text());
  describe(se_expv, field->accessibleName());
}

Extended Tfrm_ZavuzirEza::EvaluateText(const QString& text) {
  const QString source = ValueField::expressionOf(text);
  evaluator.Expression = source.toStdString();
  try {
    return evaluator.Evaluate();
  } catch (const std::exception&) {
    QMessageBox box(QMessageBox::Critical, tr("Error"), tr("Expression Error:%1").arg(source),
                    QMessageBox::Ok, this);
    box.exec();
    return 0.0L;
  }
}

QString Tfrm_ZavuzirEza::FormatValue(Extended value) const {
  const int selector = cb_digits != nullptr ? qMax(cb_digits->currentIndex(), 0) : 3;
  return QString::fromStdString(FormatForSelector(value, selector, UserDecimalSeparator()));
}

// ---- Shared page operations ----

bool Tfrm_ZavuzirEza::PaymentAtBeginning() const {
  return rb_pmtt->itemIndex() != 1;
}

Extended Tfrm_ZavuzirEza::PeriodicRate() {
  return SchedulePeriodicRate(EvaluateText(ed_I->text()), rg_PMTF->itemIndex());
}

Extended Tfrm_ZavuzirEza::AnnualRatePercent(Extended periodicRate) const {
  return checked::Mul(checked::Mul(periodicRate, PaymentsPerYear(rg_PMTF->itemIndex())), 100.0L);
}

int32_t Tfrm_ZavuzirEza::RatePeriodsPerYear() const {
  return PaymentsPerYear(rg_PMTFi->itemIndex());
}

void Tfrm_ZavuzirEza::ResetDepreciationDefaults() {
  if (ed_el != nullptr) ed_el->setText(FormatValue(4.0L));
  if (ed_fact != nullptr) ed_fact->setText(FormatValue(2.0L));
}

}  // namespace quarrant
