// Tab order of the three pages' controls, as the Tab key walks them.
#include <QSet>

#include "page_fixture.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

using testing_support::PageTest;

using ::quarrant::test_support::PrintTo;

struct TabOrderCase {
  const char* name;
  std::vector<const char*> order;
};

class TabOrderTest : public PageTest, public ::testing::WithParamInterface<TabOrderCase> {};

TEST_P(TabOrderTest, TabWalksThePageInItsOrder) {
  const std::vector<const char*>& expected = GetParam().order;
  QSet<QString> names;
  for (const char* name : expected) names.insert(QString::fromLatin1(name));
  // Walk the whole focus chain once from the first control, noting the page's controls.
  QWidget* start = find<QWidget>(expected.front());
  QStringList seen;
  QWidget* w = start;
  do {
    if (names.contains(w->objectName()) && !seen.contains(w->objectName())) seen << w->objectName();
    w = w->nextInFocusChain();
  } while (w != start);
  QStringList want;
  for (const char* name : expected) want << QString::fromLatin1(name);
  EXPECT_EQ(seen, want);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, TabOrderTest,
    ::testing::Values(
        TabOrderCase{
            "Depreciation",
            {"ed_cb", "ed_sv", "ed_el", "ed_fact", "cb_method", "sb_calc", "sb_cleard", "lv_pery"}},
        TabOrderCase{
            "CashFlow",
            {"sb_Insert", "sb_Replace", "sb_Delete", "se_amount", "se_Times", "se_irr", "se_npv",
             "se_nfv", "sb_calculate", "se_diarate", "lv_cashfllow", "sb_clearcashf"}},
        TabOrderCase{"OneDate", {"sb_date", "de_date", "ed_doy", "ed_wofy", "ed_dinm", "ed_leapy"}},
        TabOrderCase{"TwoDates",
                     {"sb_bdate", "de_begin", "sb_edate", "de_end", "sb_dbdate", "ed_bty", "ed_btm",
                      "ed_btd", "ne_bd"}}),
    [](const ::testing::TestParamInfo<TabOrderCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace quarrant
