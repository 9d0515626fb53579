// The radio group and the page control of the control set.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "controls/page_control.h"
#include "controls/radio_group.h"
#include "controls/skin.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

using ::quarrant::test::PrintTo;

struct RadioCase {
  const char* name;
  int start;
  int select;
  int expected;       // itemIndex() afterwards
  int notifications;  // itemIndexChanged signals
};

class RadioGroupTest : public ::testing::TestWithParam<RadioCase> {};

TEST_P(RadioGroupTest, ItemIndex) {
  const RadioCase& c = GetParam();
  RadioGroup group(QStringLiteral("Payment time"),
                   {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
  group.setItemIndex(c.start);
  QSignalSpy spy(&group, &RadioGroup::itemIndexChanged);
  group.setItemIndex(c.select);
  EXPECT_EQ(group.itemIndex(), c.expected);
  ASSERT_EQ(spy.count(), c.notifications);
  if (c.notifications > 0) EXPECT_EQ(spy.last().at(0).toInt(), c.expected);
  int checked = 0;
  for (int i = 0; i < group.count(); ++i) checked += group.button(i)->isChecked() ? 1 : 0;
  EXPECT_EQ(checked, c.expected >= 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Selections, RadioGroupTest,
                         ::testing::Values(RadioCase{"NoneToFirst", -1, 0, 0, 1},
                                           RadioCase{"FirstToLast", 0, 2, 2, 1},
                                           RadioCase{"SameAgain", 1, 1, 1, 0},
                                           RadioCase{"ClearSelection", 1, -1, -1, 1},
                                           RadioCase{"OutOfRangeClears", 2, 7, -1, 1},
                                           RadioCase{"ClearWhenNone", -1, -1, -1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RadioGroupClick, UserClickChangesTheIndex) {
  RadioGroup group(QStringLiteral("g"), {QStringLiteral("a"), QStringLiteral("b")});
  group.resize(150, 70);
  group.setItemIndex(0);
  group.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&group));
  QSignalSpy spy(&group, &RadioGroup::itemIndexChanged);
  QRadioButton* second = group.button(1);
  QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(6, second->height() / 2));  // indicator
  EXPECT_EQ(group.itemIndex(), 1);
  EXPECT_EQ(spy.count(), 1);
}

TEST(PageControlKeys, KeyboardSwitchesPages) {
  PageControl pages;
  pages.resize(200, 150);
  for (const char* caption : {"One", "Two", "Three"})
    pages.addPage(QString::fromLatin1(caption).toLower(), QString::fromLatin1(caption));
  QSignalSpy spy(&pages, &PageControl::currentChanged);
  struct Step {
    QWidget* target;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int expected;
  };
  const Step steps[] = {
      {pages.tabBar(), Qt::Key_Right, Qt::NoModifier, 1},
      {pages.tabBar(), Qt::Key_End, Qt::NoModifier, 2},
      {pages.tabBar(), Qt::Key_Right, Qt::NoModifier, 2},      // stays on the last page
      {pages.widget(2), Qt::Key_Tab, Qt::ControlModifier, 0},  // wraps around
      {pages.widget(0), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2},
      {pages.tabBar(), Qt::Key_Home, Qt::NoModifier, 0},
  };
  for (const Step& step : steps) {
    QTest::keyClick(step.target, step.key, step.modifiers);
    EXPECT_EQ(pages.currentIndex(), step.expected);
  }
  EXPECT_EQ(spy.count(), 5);
}

TEST(PageControlRows, OneRowWhenWideEnoughTwoWhenNarrow) {
  PageControl pages;
  for (const char* caption : {"Alpha", "Beta", "Gamma"}) pages.addPage(QString(), caption);
  pages.resize(1000, 200);
  pages.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pages));
  EXPECT_EQ(pages.tabBar()->rowCount(), 1);
  const int wideTop = pages.pageRect().top();
  pages.resize(pages.tabBar()->fontMetrics().horizontalAdvance(QStringLiteral("AlphaBeta")) + 40,
               200);
  EXPECT_GE(pages.tabBar()->rowCount(), 2);
  EXPECT_GT(pages.pageRect().top(), wideTop) << "the page moves down below the extra row";
  EXPECT_TRUE(pages.rect().contains(pages.pageRect()));
}

// The skin reaches tabs and frame through the style: inactive, hovered and active tabs differ,
// and the active tab joins the page where the frame line runs under the others. A page deleted
// from outside takes its tab and caption with it.
TEST(PageControlLook, SkinColoursTabsAndFrameAndPagesKeepTheirCaptions) {
  PageControl pages;
  pages.setStyleSheet(skinStyleSheet());
  for (const char* caption : {"Alpha", "Beta", "Gamma", "Delta"}) pages.addPage(QString(), caption);
  pages.resize(300, 120);
  pages.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&pages));
  delete pages.widget(1);
  ASSERT_EQ(pages.count(), 3);
  EXPECT_EQ(pages.tabText(1), QStringLiteral("Gamma"));
  PageTabBar* bar = pages.tabBar();
  EXPECT_TRUE(bar->tabRect(3).isNull()) << "no tab left for the deleted page";
  QTest::mouseMove(bar, bar->tabRect(2).center());
  const QImage image = pages.grab().toImage();
  auto in = [bar](int tab) { return bar->tabRect(tab).topLeft() + QPoint(3, 8); };
  auto below = [bar](int tab) { return QPoint(bar->tabRect(tab).center().x(), bar->height() - 1); };
  const std::pair<QPoint, const char*> probes[] = {
      {in(0), "#f5f7fa"},    {in(1), "#d5dce5"},    {in(2), "#e3e8ee"},
      {below(0), "#f5f7fa"}, {below(1), "#8d9aab"}, {pages.pageRect().center(), "#f5f7fa"}};
  for (const auto& [at, colour] : probes)
    EXPECT_EQ(image.pixelColor(at).name().toStdString(), colour) << at.x() << "," << at.y();
}

}  // namespace
}  // namespace quarrant
