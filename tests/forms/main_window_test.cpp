// The main window as a whole: caption, size, the control inventory of the shared strip and
// the first two pages, fonts, tab order, captions that fit, and its lifetime.
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QRadioButton>
#include <QResource>
#include <QScreen>

#include "controls/skin.h"
#include "support/print_case.h"
#include "support/window_fixture.h"
#include "version.h"

namespace quarrant::window_tests {
namespace {

enum class Kind { Button, ValueField, ReadOnlyEdit, Label, Radio, Combo };

using ::quarrant::test_support::PrintTo;

struct InventoryRow {
  const char* name;
  Kind kind;
  const char* parent;
  QRect bounds;         // a label's width and height are 0 when they follow its caption
  const char* caption;  // items of a radio group or combo box separated by "|"
  int index = -1;       // selected item of a radio group or combo box
};

const InventoryRow kInventory[] = {
    {"lb_expv", Kind::Label, "frm_ZavuzirEza", {8, 337, 84, 13}, "Expression Value:"},
    {"se_expv", Kind::ReadOnlyEdit, "frm_ZavuzirEza", {96, 336, 265, 20}, "2.00"},
    {"lb_digits", Kind::Label, "frm_ZavuzirEza", {8, 361, 75, 13}, "Decimal places:"},
    {"cb_digits",
     Kind::Combo,
     "frm_ZavuzirEza",
     {83, 359, 44, 20},
     "General|0|1|2|3|4|5|6|7|8|9|10",
     3},
    {"sb_help", Kind::Button, "frm_ZavuzirEza", {295, 358, 67, 25}, "&Help"},

    {"sb_N", Kind::Button, "ts_tvm", {14, 8, 129, 25}, "Number of Periods(N):"},
    {"Ed_N", Kind::ValueField, "ts_tvm", {145, 9, 186, 18}, "Can enter expression(Such as: 2*12)"},
    {"sb_i", Kind::Button, "ts_tvm", {14, 36, 129, 25}, "Annual Interest(I%YR):"},
    {"ed_I", Kind::ValueField, "ts_tvm", {145, 37, 186, 18}, ""},
    {"lb_Ipercent", Kind::Label, "ts_tvm", {332, 40, 0, 0}, "%"},
    {"sb_PV", Kind::Button, "ts_tvm", {14, 64, 129, 25}, "Present Value(PV):"},
    {"ed_PV", Kind::ValueField, "ts_tvm", {145, 65, 186, 18}, ""},
    {"sb_PMT", Kind::Button, "ts_tvm", {14, 91, 129, 25}, "Payment(PMT):"},
    {"ed_PMT", Kind::ValueField, "ts_tvm", {145, 92, 186, 18}, ""},
    {"sb_FV", Kind::Button, "ts_tvm", {14, 120, 129, 25}, "Future Value(FV):"},
    {"ed_FV", Kind::ValueField, "ts_tvm", {145, 121, 186, 18}, ""},
    {"rg_PMTF",
     Kind::Radio,
     "ts_tvm",
     {14, 149, 161, 100},
     "Payment frequency|Monthly|Quarterly|Semi-annually|Annually",
     0},
    {"rb_pmtt",
     Kind::Radio,
     "ts_tvm",
     {182, 149, 148, 65},
     "Payment time|Beginning of period|End of period",
     1},
    {"sb_Amortization", Kind::Button, "ts_tvm", {183, 224, 147, 25}, "&Amortization"},
    {"sb_clear", Kind::Button, "ts_tvm", {256, 254, 75, 25}, "C&lear"},

    {"sb_NAR", Kind::Button, "ts_irc", {14, 10, 129, 25}, "Nominal Annual Rate"},
    {"ed_NAR", Kind::ValueField, "ts_irc", {145, 11, 186, 18}, ""},
    {"lb_NARpercent", Kind::Label, "ts_irc", {332, 14, 0, 0}, "%"},
    {"sb_EAR", Kind::Button, "ts_irc", {14, 38, 129, 25}, "Effective Annual Rate"},
    {"ed_EAR", Kind::ValueField, "ts_irc", {145, 39, 186, 18}, ""},
    {"lb_EARpercent", Kind::Label, "ts_irc", {332, 42, 0, 0}, "%"},
    {"sb_PIR", Kind::Button, "ts_irc", {14, 65, 129, 25}, "Periodic Interest Rate"},
    {"ed_PIR", Kind::ValueField, "ts_irc", {145, 66, 186, 18}, ""},
    {"lb_PIRpercent", Kind::Label, "ts_irc", {332, 69, 0, 0}, "%"},
    {"rg_PMTFi",
     Kind::Radio,
     "ts_irc",
     {14, 93, 185, 100},
     "Payment frequency|Monthly|Quarterly|Semi-annually|Annually",
     0},
    {"sb_clearcf", Kind::Button, "ts_irc", {256, 254, 75, 25}, "C&lear"},
};

QString VisibleText(QString caption) {
  return caption.remove(QLatin1Char('&'));
}

class InventoryTest : public WindowTest, public ::testing::WithParamInterface<InventoryRow> {};

TEST_P(InventoryTest, ControlAsListed) {
  const InventoryRow& row = GetParam();
  QWidget* widget = find<QWidget>(row.name);
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(row.parent));
  QRect expected = row.bounds;
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
    case Kind::ReadOnlyEdit: {
      auto* edit = qobject_cast<QLineEdit*>(widget);
      ASSERT_NE(edit, nullptr);
      EXPECT_EQ(edit->text(), caption);
      EXPECT_EQ(edit->isReadOnly(), row.kind == Kind::ReadOnlyEdit);
      if (row.kind == Kind::ValueField) {
        EXPECT_EQ(edit->font().pixelSize(), 14);
        EXPECT_EQ(QFontInfo(edit->font()).family(), QStringLiteral("Liberation Sans"));
        EXPECT_LE(edit->fontMetrics().height(), edit->height() - 2) << "text taller than field";
      }
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
      QStringList items;
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
      EXPECT_EQ(items, caption.split(QLatin1Char('|')));
      EXPECT_EQ(combo->currentIndex(), row.index);
      break;
    }
  }
  if (row.kind != Kind::ValueField) {
    const QFont font = widget->font();
    EXPECT_EQ(font.pixelSize(), Tfrm_ZavuzirEza::WindowFont().pixelSize()) << "window font";
  }
}

INSTANTIATE_TEST_SUITE_P(Controls, InventoryTest, ::testing::ValuesIn(kInventory),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, CaptionSizeAndPages) {
  EXPECT_EQ(
      window().windowTitle(),
      QStringLiteral("Quarrant V%1.%2").arg(QUARRANT_VERSION_MAJOR).arg(QUARRANT_VERSION_MINOR));
  EXPECT_EQ(window().size(), QSize(373, 392));
  const QRect screen = window().screen()->availableGeometry();
  EXPECT_LE((window().frameGeometry().center() - screen.center()).manhattanLength(), 40)
      << "centred on the desktop";
  EXPECT_EQ(window().minimumSize(), window().maximumSize()) << "fixed size";
  PageControl* pages = find<PageControl>("pc_main");
  EXPECT_EQ(pages->objectName(), QStringLiteral("pc_main"));
  EXPECT_EQ(pages->geometry(), QRect(9, 4, 353, 326));
  EXPECT_EQ(pages->font().pixelSize(), 14);
  EXPECT_EQ(pages->currentIndex(), 0);
  const QStringList names{"ts_tvm", "ts_irc", "ts_Depreciation", "ts_CashFlow", "ts_datecalc"};
  const QStringList captions{"Time Value of Money", "Interest Rate Conversions", "Depreciation",
                             "Cash Flow", "Date Calculator"};
  ASSERT_EQ(pages->count(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(pages->widget(i)->objectName(), names.at(i));
    EXPECT_EQ(pages->tabText(i), captions.at(i));
  }
}

// Every control of every page lies inside its page, whichever page is active.
TEST_F(WindowTest, ControlsFitTheirPages) {
  PageControl* pages = find<PageControl>("pc_main");
  for (int p = 0; p < pages->count(); ++p) {
    pages->setCurrentIndex(p);
    QWidget* page = pages->widget(p);
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isWindow()) continue;
      EXPECT_TRUE(page->rect().contains(child->geometry()))
          << child->objectName().toStdString() << " on " << page->objectName().toStdString()
          << " page " << page->width() << "x" << page->height();
    }
  }
}

TEST_F(WindowTest, AllTabCaptionsReadableAtOnce) {
  PageControl* pages = find<PageControl>("pc_main");
  PageTabBar* bar = pages->tabBar();
  for (int active = 0; active < pages->count(); ++active) {
    pages->setCurrentIndex(active);
    for (int i = 0; i < pages->count(); ++i) {
      const QRect r = bar->tabRect(i);
      EXPECT_TRUE(bar->rect().contains(r)) << i;
      EXPECT_GE(r.width(), bar->fontMetrics().horizontalAdvance(pages->tabText(i)) + 4) << i;
      EXPECT_GE(r.height(), bar->fontMetrics().height()) << i;
      for (int j = 0; j < i; ++j) EXPECT_FALSE(r.intersects(bar->tabRect(j))) << i << "," << j;
    }
    // The active tab's row lies next to the page.
    EXPECT_EQ(bar->tabRect(active).bottom(), bar->height() - 1) << active;
  }
}

TEST_F(WindowTest, ClickingATabShowsItsPage) {
  PageControl* pages = find<PageControl>("pc_main");
  for (int i : {3, 1, 4, 0, 2}) {
    const QRect r = pages->tabBar()->tabRect(i);
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(pages->currentIndex(), i);
    EXPECT_TRUE(pages->widget(i)->isVisible());
  }
}

TEST_F(WindowTest, PagesKeepTheirContents) {
  set("ed_PV", "123");
  showPage("ts_irc");
  set("ed_NAR", "4");
  showPage("ts_CashFlow");
  showPage("ts_tvm");
  EXPECT_EQ(text("ed_PV"), QStringLiteral("123"));
  EXPECT_EQ(text("ed_NAR"), QStringLiteral("4"));
}

QList<QWidget*> FocusChainFrom(QWidget* first, int length) {
  QList<QWidget*> chain{first};
  QWidget* w = first;
  while (chain.size() < length) {
    w = w->nextInFocusChain();
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(w->window())) chain << w;
  }
  return chain;
}

struct TabOrderCase {
  const char* name;
  const char* page;
  std::vector<const char*> order;  // a radio group stands for its selected item
};

class TabOrderTest : public WindowTest, public ::testing::WithParamInterface<TabOrderCase> {};

TEST_P(TabOrderTest, FollowsTheInventory) {
  const TabOrderCase& c = GetParam();
  showPage(c.page);
  QList<QWidget*> expected;
  for (const char* name : c.order) {
    QWidget* w = find<QWidget>(name);
    if (auto* group = qobject_cast<RadioGroup*>(w))
      expected << group->button(group->itemIndex());  // Tab stops at the selected item only
    else
      expected << w;
  }
  const QList<QWidget*> actual = FocusChainFrom(expected.first(), expected.size());
  QStringList want, got;
  for (QWidget* w : expected) want << w->objectName();
  for (QWidget* w : actual) got << w->objectName();
  EXPECT_EQ(got, want);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, TabOrderTest,
    ::testing::Values(TabOrderCase{"TimeValueOfMoney",
                                   "ts_tvm",
                                   {"ed_FV", "ed_I", "Ed_N", "ed_PMT", "ed_PV", "sb_PV", "sb_PMT",
                                    "sb_N", "sb_i", "sb_FV", "rg_PMTF", "rb_pmtt",
                                    "sb_Amortization", "sb_clear"}},
                      TabOrderCase{"InterestRateConversions",
                                   "ts_irc",
                                   {"sb_NAR", "ed_NAR", "sb_EAR", "ed_EAR", "sb_PIR", "ed_PIR",
                                    "rg_PMTFi", "sb_clearcf"}},
                      TabOrderCase{"WindowLevel", "ts_tvm", {"sb_help", "cb_digits", "se_expv"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, EscapeDoesNotCloseTheWindow) {
  find<QLineEdit>("ed_PV")->setFocus();
  QTest::keyClick(find<QLineEdit>("ed_PV"), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(window().isVisible());
}

TEST(MainWindowLifetime, ConstructAndDestroyManyTimes) {
  for (int i = 0; i < 1000; ++i) {
    Tfrm_ZavuzirEza window;
    ASSERT_EQ(window.findChild<QLineEdit*>(QStringLiteral("Ed_N"))->text(),
              Tfrm_ZavuzirEza::PlaceholderText());
  }
}

TEST(Skin, StyleSheetIsACompressedResource) {
  const QString sheet = SkinStyleSheet();
  EXPECT_TRUE(sheet.contains(QStringLiteral("QPushButton")));
  EXPECT_TRUE(sheet.contains(QStringLiteral("quarrant--PageTabBar")));
  QResource resource(QStringLiteral(":/skin/quarrant.qss"));
  ASSERT_TRUE(resource.isValid());
  EXPECT_NE(resource.compressionAlgorithm(), QResource::NoCompression);
}

}  // namespace
}  // namespace quarrant::window_tests
