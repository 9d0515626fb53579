// The main window as a whole: caption, size, pages, tabs whose captions fit, and its lifetime.
// Each control's place, caption and Tab order is in inventory_test.cpp.
#include <QResource>
#include <QScreen>

#include "controls/skin.h"
#include "controls/value_field.h"
#include "support/window_fixture.h"
#include "version.h"

namespace quarrant::test {
namespace {

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

TEST_F(WindowTest, EscapeDoesNotCloseTheWindow) {
  find<QLineEdit>("ed_PV")->setFocus();
  QTest::keyClick(find<QLineEdit>("ed_PV"), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(window().isVisible());
}

TEST(MainWindowLifetime, ConstructAndDestroyManyTimes) {
  for (int i = 0; i < 1000; ++i) {
    Tfrm_ZavuzirEza window;
    ASSERT_EQ(window.findChild<QLineEdit*>(QStringLiteral("Ed_N"))->text(), ValueField::hintText());
  }
}

TEST(Skin, StyleSheetIsACompressedResource) {
  const QString sheet = skinStyleSheet();
  EXPECT_TRUE(sheet.contains(QStringLiteral("QPushButton")));
  EXPECT_TRUE(sheet.contains(QStringLiteral("quarrant--PageTabBar")));
  QResource resource(QStringLiteral(":/skin/quarrant.qss"));
  ASSERT_TRUE(resource.isValid());
  EXPECT_NE(resource.compressionAlgorithm(), QResource::NoCompression);
}

}  // namespace
}  // namespace quarrant::test
