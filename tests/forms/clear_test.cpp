// Each page's Clear button resets that page only.
#include <QComboBox>

#include "support/print_case.h"
#include "support/window_fixture.h"

namespace quarrant::test {
namespace {

using ::quarrant::test::PrintTo;

struct ClearCase {
  const char* name;
  const char* page;
  const char* button;
  std::vector<const char*> cleared;                     // fields that end empty
  std::vector<std::pair<const char*, int>> selections;  // radio groups and the item they end on
};

class ClearTest : public WindowTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearTest, ResetsOnlyItsOwnPage) {
  const ClearCase& c = GetParam();
  const char* const fields[] = {"ed_I",   "Ed_N",   "ed_PV", "ed_PMT", "ed_FV", "ed_NAR",
                                "ed_EAR", "ed_PIR", "ed_cb", "ed_sv",  "ed_el", "ed_fact"};
  int n = 1;
  for (const char* field : fields) set(field, QByteArray::number(n++).constData());
  select("rg_PMTF", 2);
  select("rb_pmtt", 0);
  select("rg_PMTFi", 3);
  setDigits(7);
  showPage(c.page);

  click(c.button);

  n = 1;
  for (const char* field : fields) {
    const bool cleared = std::find_if(c.cleared.begin(), c.cleared.end(), [&](const char* f) {
                           return std::string(f) == field;
                         }) != c.cleared.end();
    EXPECT_EQ(text(field), cleared ? QString() : QString::number(n)) << field;
    ++n;
  }
  const std::pair<const char*, int> untouched[] = {{"rg_PMTF", 2}, {"rb_pmtt", 0}, {"rg_PMTFi", 3}};
  for (const auto& [group, index] : untouched) {
    int expected = index;
    for (const auto& [g, i] : c.selections)
      if (std::string(g) == group) expected = i;
    EXPECT_EQ(find<RadioGroup>(group)->itemIndex(), expected) << group;
  }
  EXPECT_EQ(find<QComboBox>("cb_digits")->currentIndex(), 7);
  EXPECT_TRUE(messages_.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, ClearTest,
                         ::testing::Values(ClearCase{"TimeValueOfMoney",
                                                     "ts_tvm",
                                                     "sb_clear",
                                                     {"ed_FV", "ed_I", "Ed_N", "ed_PV", "ed_PMT"},
                                                     {{"rb_pmtt", 1}, {"rg_PMTF", 0}}},
                                           ClearCase{"InterestRateConversions",
                                                     "ts_irc",
                                                     "sb_clearcf",
                                                     {"ed_EAR", "ed_NAR", "ed_PIR"},
                                                     {{"rg_PMTFi", 0}}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarrant::test
