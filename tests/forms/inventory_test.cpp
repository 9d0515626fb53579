// The main window's control inventory, written once: each control's kind, parent, bounds,
// caption and place in the Tab order. The layout test checks every row on its own; the tab-order
// test walks the focus chain of each parent and compares it with the rows in their Tab order.
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTableView>
#include <algorithm>
#include <map>

#include "controls/date_edit.h"
#include "controls/numeric_edit.h"
#include "controls/spin_edit.h"
#include "support/print_case.h"
#include "support/window_fixture.h"

namespace quarrant::test {
namespace {

using ::quarrant::test::PrintTo;

enum class Kind {
  Button,
  ValueField,
  Edit,
  ReadOnlyEdit,
  NumericEdit,
  SpinEdit,
  DateEdit,
  Label,
  Radio,
  Combo,
  Group,
  Panel,
  List  // fills its panel
};

struct InventoryRow {
  const char* name;
  Kind kind;
  const char* parent;
  QRect bounds;         // a label's width and height are 0 when they follow its caption
  const char* caption;  // items of a radio group or combo box separated by "|"
  int index = -1;       // selected item of a radio group or combo box
  int tab = -1;         // place in its parent's Tab order; -1 when Tab passes it by
};

// The window's own controls follow the pages in the Tab order, which the real-input suite walks.
// clang-format off
const InventoryRow kInventory[] = {
    {"lb_expv", Kind::Label, "frm_ZavuzirEza", {8, 337, 84, 13}, "Expression Value:"},
    {"se_expv", Kind::ReadOnlyEdit, "frm_ZavuzirEza", {96, 336, 265, 20}, "2.00", -1, 3},
    {"lb_digits", Kind::Label, "frm_ZavuzirEza", {8, 361, 75, 13}, "Decimal places:"},
    {"cb_digits", Kind::Combo, "frm_ZavuzirEza", {83, 359, 44, 20}, "General|0|1|2|3|4|5|6|7|8|9|10", 3, 2},
    {"sb_help", Kind::Button, "frm_ZavuzirEza", {295, 358, 67, 25}, "&Help", -1, 1},

    {"sb_N", Kind::Button, "ts_tvm", {14, 8, 129, 25}, "Number of Periods(N):", -1, 7},
    {"Ed_N", Kind::ValueField, "ts_tvm", {145, 9, 186, 18}, "Can enter expression(Such as: 2*12)", -1, 2},
    {"sb_i", Kind::Button, "ts_tvm", {14, 36, 129, 25}, "Annual Interest(I%YR):", -1, 8},
    {"ed_I", Kind::ValueField, "ts_tvm", {145, 37, 186, 18}, "", -1, 1},
    {"lb_Ipercent", Kind::Label, "ts_tvm", {332, 40, 0, 0}, "%"},
    {"sb_PV", Kind::Button, "ts_tvm", {14, 64, 129, 25}, "Present Value(PV):", -1, 5},
    {"ed_PV", Kind::ValueField, "ts_tvm", {145, 65, 186, 18}, "", -1, 4},
    {"sb_PMT", Kind::Button, "ts_tvm", {14, 91, 129, 25}, "Payment(PMT):", -1, 6},
    {"ed_PMT", Kind::ValueField, "ts_tvm", {145, 92, 186, 18}, "", -1, 3},
    {"sb_FV", Kind::Button, "ts_tvm", {14, 120, 129, 25}, "Future Value(FV):", -1, 9},
    {"ed_FV", Kind::ValueField, "ts_tvm", {145, 121, 186, 18}, "", -1, 0},
    {"rg_PMTF", Kind::Radio, "ts_tvm", {14, 149, 161, 100}, "Payment frequency|Monthly|Quarterly|Semi-annually|Annually", 0, 10},
    {"rb_pmtt", Kind::Radio, "ts_tvm", {182, 149, 148, 65}, "Payment time|Beginning of period|End of period", 1, 11},
    {"sb_Amortization", Kind::Button, "ts_tvm", {183, 224, 147, 25}, "&Amortization", -1, 12},
    {"sb_clear", Kind::Button, "ts_tvm", {256, 254, 75, 25}, "C&lear", -1, 13},

    {"sb_NAR", Kind::Button, "ts_irc", {14, 10, 129, 25}, "Nominal Annual Rate", -1, 0},
    {"ed_NAR", Kind::ValueField, "ts_irc", {145, 11, 186, 18}, "", -1, 1},
    {"lb_NARpercent", Kind::Label, "ts_irc", {332, 14, 0, 0}, "%"},
    {"sb_EAR", Kind::Button, "ts_irc", {14, 38, 129, 25}, "Effective Annual Rate", -1, 2},
    {"ed_EAR", Kind::ValueField, "ts_irc", {145, 39, 186, 18}, "", -1, 3},
    {"lb_EARpercent", Kind::Label, "ts_irc", {332, 42, 0, 0}, "%"},
    {"sb_PIR", Kind::Button, "ts_irc", {14, 65, 129, 25}, "Periodic Interest Rate", -1, 4},
    {"ed_PIR", Kind::ValueField, "ts_irc", {145, 66, 186, 18}, "", -1, 5},
    {"lb_PIRpercent", Kind::Label, "ts_irc", {332, 69, 0, 0}, "%"},
    {"rg_PMTFi", Kind::Radio, "ts_irc", {14, 93, 185, 100}, "Payment frequency|Monthly|Quarterly|Semi-annually|Annually", 0, 6},
    {"sb_clearcf", Kind::Button, "ts_irc", {256, 254, 75, 25}, "C&lear", -1, 7},

    {"ed_cb", Kind::ValueField, "ts_Depreciation", {103, 7, 186, 18}, "", -1, 0},
    {"ed_sv", Kind::ValueField, "ts_Depreciation", {103, 31, 186, 18}, "", -1, 1},
    {"ed_el", Kind::ValueField, "ts_Depreciation", {103, 55, 186, 18}, "4.00", -1, 2},
    {"ed_fact", Kind::ValueField, "ts_Depreciation", {103, 79, 186, 18}, "2.00", -1, 3},
    {"cb_method", Kind::Combo, "ts_Depreciation", {103, 104, 130, 20}, "Straight-line|Sum-of-the-year's digits|Declining balance", 0, 4},
    {"sb_calc", Kind::Button, "ts_Depreciation", {240, 104, 88, 20}, "Calculate", -1, 5},
    {"sb_cleard", Kind::Button, "ts_Depreciation", {256, 254, 75, 25}, "C&lear", -1, 6},
    {"pn_pery", Kind::Panel, "ts_Depreciation", {6, 128, 337, 124}, "", -1, 7},
    {"lv_pery", Kind::List, "pn_pery", {}, "", -1, 0},

    {"se_diarate", Kind::NumericEdit, "ts_CashFlow", {112, 8, 161, 18}, "0", -1, 9},
    {"sb_Insert", Kind::Button, "ts_CashFlow", {24, 32, 75, 25}, "Insert", -1, 0},
    {"sb_Replace", Kind::Button, "ts_CashFlow", {104, 32, 75, 25}, "Replace", -1, 1},
    {"sb_Delete", Kind::Button, "ts_CashFlow", {184, 32, 75, 25}, "Delete", -1, 2},
    {"sb_clearcashf", Kind::Button, "ts_CashFlow", {263, 32, 75, 25}, "C&lear", -1, 11},
    {"se_amount", Kind::NumericEdit, "ts_CashFlow", {56, 61, 161, 18}, "0", -1, 3},
    {"se_Times", Kind::SpinEdit, "ts_CashFlow", {256, 61, 81, 20}, "1", -1, 4},
    {"pn_cashfllow", Kind::Panel, "ts_CashFlow", {6, 83, 337, 105}, "", -1, 10},
    {"lv_cashfllow", Kind::List, "pn_cashfllow", {}, "", -1, 0},
    {"sb_calculate", Kind::Button, "ts_CashFlow", {16, 191, 75, 25}, "Calculate", -1, 8},
    {"se_irr", Kind::Edit, "ts_CashFlow", {168, 213, 145, 18}, "", -1, 5},
    {"se_npv", Kind::Edit, "ts_CashFlow", {168, 237, 145, 18}, "", -1, 6},
    {"se_nfv", Kind::Edit, "ts_CashFlow", {168, 261, 145, 18}, "", -1, 7},

    {"sb_date", Kind::Button, "ts_OneDate", {13, 24, 105, 19}, "Date", -1, 0},
    {"de_date", Kind::DateEdit, "ts_OneDate", {120, 24, 128, 18}, "", -1, 1},
    {"ed_doy", Kind::ReadOnlyEdit, "ts_OneDate", {120, 56, 121, 18}, "", -1, 2},
    {"ed_wofy", Kind::ReadOnlyEdit, "ts_OneDate", {120, 80, 121, 18}, "", -1, 3},
    {"ed_dinm", Kind::ReadOnlyEdit, "ts_OneDate", {120, 104, 121, 18}, "", -1, 4},
    {"ed_leapy", Kind::ReadOnlyEdit, "ts_OneDate", {120, 128, 121, 18}, "", -1, 5},

    {"sb_bdate", Kind::Button, "ts_twodate", {13, 24, 115, 19}, "Beginning Date", -1, 0},
    {"de_begin", Kind::DateEdit, "ts_twodate", {132, 24, 128, 18}, "", -1, 1},
    {"sb_edate", Kind::Button, "ts_twodate", {13, 48, 115, 19}, "Ending Date", -1, 2},
    {"de_end", Kind::DateEdit, "ts_twodate", {132, 48, 128, 18}, "", -1, 3},
    {"sb_dbdate", Kind::Button, "ts_twodate", {13, 72, 115, 19}, "Days Between Dates", -1, 4},
    {"ne_bd", Kind::NumericEdit, "ts_twodate", {133, 71, 127, 18}, "0", -1, 6},
    {"gb_between", Kind::Group, "ts_twodate", {70, 104, 161, 113}, "Time between dates", -1, 5},
    {"ed_bty", Kind::ReadOnlyEdit, "gb_between", {36, 24, 49, 18}, "", -1, 0},
    {"ed_btm", Kind::ReadOnlyEdit, "gb_between", {36, 52, 49, 18}, "", -1, 1},
    {"ed_btd", Kind::ReadOnlyEdit, "gb_between", {36, 80, 49, 18}, "", -1, 2},
};
// clang-format on

QString VisibleText(QString caption) {
  return caption.remove(QLatin1Char('&'));
}

QStringList Items(const QComboBox& combo) {
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  return items;
}

// Shows every page, outer and inner, that holds the widget, as a user's clicks on the tabs do.
void RevealPagesOf(QWidget* widget) {
  for (QWidget* w = widget; w != nullptr && w->parentWidget() != nullptr; w = w->parentWidget()) {
    // A page sits in the stack inside its page control.
    for (QWidget* up = w->parentWidget(); up != nullptr; up = up->parentWidget()) {
      if (auto* pages = qobject_cast<PageControl*>(up)) {
        if (pages->indexOf(w) >= 0) pages->setCurrentWidget(w);
        break;
      }
    }
  }
  QApplication::processEvents();
}

class InventoryTest : public WindowTest, public ::testing::WithParamInterface<InventoryRow> {};

TEST_P(InventoryTest, ControlAsListed) {
  const InventoryRow& row = GetParam();
  QWidget* widget = find<QWidget>(row.name);
  ASSERT_NE(widget, nullptr);
  RevealPagesOf(widget);  // a hidden page lays out its lists only when shown
  EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(row.parent));
  QRect expected = row.bounds;
  if (row.kind == Kind::List) expected = widget->parentWidget()->contentsRect();
  if (expected.width() == 0) expected.setSize(widget->size());
  EXPECT_EQ(widget->geometry(), expected);
  const QString caption = QString::fromUtf8(row.caption);
  const int fit = widget->width();
  switch (row.kind) {
    case Kind::Button: {
      auto* button = qobject_cast<QPushButton*>(widget);
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->text(), caption);
      EXPECT_LE(button->fontMetrics().horizontalAdvance(VisibleText(caption)) + 6, fit)
          << "caption clipped";
      break;
    }
    case Kind::ValueField:
    case Kind::Edit:
    case Kind::ReadOnlyEdit:
    case Kind::NumericEdit:
    case Kind::DateEdit: {
      auto* edit = qobject_cast<QLineEdit*>(widget);
      ASSERT_NE(edit, nullptr);
      if (row.kind == Kind::NumericEdit) EXPECT_NE(qobject_cast<NumericEdit*>(edit), nullptr);
      if (row.kind == Kind::DateEdit)
        EXPECT_NE(qobject_cast<DateEdit*>(edit), nullptr);  // its text is today's date
      else
        EXPECT_EQ(edit->text(), caption);
      EXPECT_EQ(edit->isReadOnly(), row.kind == Kind::ReadOnlyEdit);
      if (row.kind == Kind::ValueField) {
        EXPECT_EQ(edit->font().pixelSize(), 14);
        EXPECT_EQ(QFontInfo(edit->font()).family(), QStringLiteral("Liberation Sans"));
        EXPECT_LE(edit->fontMetrics().height(), edit->height() - 2) << "text taller than field";
      }
      break;
    }
    case Kind::SpinEdit: {
      auto* spin = qobject_cast<SpinEdit*>(widget);
      ASSERT_NE(spin, nullptr);
      EXPECT_EQ(spin->text(), caption);
      break;
    }
    case Kind::Label: {
      auto* label = qobject_cast<QLabel*>(widget);
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->text(), caption);
      EXPECT_LE(label->fontMetrics().horizontalAdvance(caption), fit) << "caption clipped";
      break;
    }
    case Kind::Radio: {
      auto* group = qobject_cast<RadioGroup*>(widget);
      ASSERT_NE(group, nullptr);
      EXPECT_EQ(QStringList(group->title()) + group->items(), caption.split(QLatin1Char('|')));
      EXPECT_EQ(group->itemIndex(), row.index);
      for (int i = 0; i < group->count(); ++i) {
        QRadioButton* item = group->button(i);
        EXPECT_TRUE(group->contentsRect().contains(item->geometry())) << i;
        EXPECT_LE(item->sizeHint().width(), item->width()) << "item clipped: " << i;
        if (i > 0) EXPECT_FALSE(item->geometry().intersects(group->button(i - 1)->geometry()));
      }
      break;
    }
    case Kind::Combo: {
      auto* combo = qobject_cast<QComboBox*>(widget);
      ASSERT_NE(combo, nullptr);
      EXPECT_FALSE(combo->isEditable());
      EXPECT_EQ(Items(*combo), caption.split(QLatin1Char('|')));
      EXPECT_EQ(combo->currentIndex(), row.index);
      break;
    }
    case Kind::Group: {
      auto* group = qobject_cast<QGroupBox*>(widget);
      ASSERT_NE(group, nullptr);
      EXPECT_EQ(group->title(), caption);
      break;
    }
    case Kind::Panel:
      EXPECT_NE(qobject_cast<QFrame*>(widget), nullptr);
      break;
    case Kind::List:
      EXPECT_NE(qobject_cast<QTableView*>(widget), nullptr);
      break;
  }
  if (row.kind != Kind::ValueField) {
    const QFont font = widget->font();
    EXPECT_EQ(font.pixelSize(), Tfrm_ZavuzirEza::WindowFont().pixelSize()) << "window font";
  }
}

INSTANTIATE_TEST_SUITE_P(Controls, InventoryTest, ::testing::ValuesIn(kInventory),
                         [](const auto& info) { return std::string(info.param.name); });

// The names Tab should visit among a parent's controls, in order; a control that holds listed
// controls of its own (a list's panel, the group of the time between two dates) stands for them.
QStringList TabOrderOf(const QString& parent) {
  std::vector<const InventoryRow*> rows;
  for (const InventoryRow& row : kInventory)
    if (row.tab >= 0 && parent == QLatin1String(row.parent)) rows.push_back(&row);
  std::sort(rows.begin(), rows.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
  QStringList order;
  for (const InventoryRow* row : rows) {
    const QStringList inner = TabOrderOf(QString::fromLatin1(row->name));
    order << (inner.isEmpty() ? QStringList{QString::fromLatin1(row->name)} : inner);
  }
  return order;
}

// The listed control that a widget Tab stops at belongs to: a radio group for its selected
// item, a spin edit for its text field; unlisted widgets by their own name.
QString ListedOwner(QWidget* widget, const QStringList& listed) {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget())
    if (listed.contains(w->objectName())) return w->objectName();
  return QStringLiteral("<%1 %2>").arg(widget->metaObject()->className(), widget->objectName());
}

class TabOrderTest : public WindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(TabOrderTest, TabVisitsTheControlsInTheirListedOrder) {
  const QStringList expected = TabOrderOf(QString::fromLatin1(GetParam()));
  ASSERT_FALSE(expected.isEmpty());
  QWidget* first = find<QWidget>(expected.first().toLatin1().constData());
  RevealPagesOf(first);
  QStringList visited;
  for (QWidget* w = first; visited.size() < expected.size(); w = w->nextInFocusChain()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&window()) || !w->isEnabled())
      continue;
    const QString owner = ListedOwner(w, expected);
    if (visited.isEmpty() || visited.last() != owner) visited << owner;
  }
  EXPECT_EQ(visited, expected);
}

INSTANTIATE_TEST_SUITE_P(Parents, TabOrderTest,
                         ::testing::Values("frm_ZavuzirEza", "ts_tvm", "ts_irc", "ts_Depreciation",
                                           "ts_CashFlow", "ts_OneDate", "ts_twodate"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace quarrant::test
