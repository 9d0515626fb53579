// The interest rate conversion page: each button reads its own field and writes the other
// two; arithmetic errors reach the program-wide error report.
#include "support/print_case.h"
#include "support/window_fixture.h"

namespace quarrant::test {
namespace {

constexpr int kMonthly = 0, kQuarterly = 1, kSemiAnnually = 2, kAnnually = 3;

using ::quarrant::test::PrintTo;

struct ConversionCase {
  const char* name;
  int frequency;
  const char* button;
  const char* nominal;  // texts of ed_NAR, ed_EAR, ed_PIR before the click
  const char* effective;
  const char* periodic;
  const char* expectNominal;  // and after it
  const char* expectEffective;
  const char* expectPeriodic;
  std::vector<const char*> errorBoxes;  // boxes of the page's handlers, in order
  const char* programReport = nullptr;  // text of the program-wide error report
};

class ConversionTest : public WindowTest, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(ConversionTest, WritesTheOtherTwoRates) {
  const ConversionCase& c = GetParam();
  showPage("ts_irc");
  select("rg_PMTFi", c.frequency);
  set("ed_NAR", c.nominal);
  set("ed_EAR", c.effective);
  set("ed_PIR", c.periodic);
  click(c.button);
  std::vector<Message> expected;
  for (const char* box : c.errorBoxes) expected.push_back(ErrorBox(box));
  if (c.programReport != nullptr) expected.push_back(ProgramReport(c.programReport));
  EXPECT_EQ(messages_.shown(), expected);
  EXPECT_EQ(text("ed_NAR"), QString::fromLatin1(c.expectNominal));
  EXPECT_EQ(text("ed_EAR"), QString::fromLatin1(c.expectEffective));
  EXPECT_EQ(text("ed_PIR"), QString::fromLatin1(c.expectPeriodic));
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, ConversionTest,
    ::testing::Values(
        ConversionCase{"NominalMonthly", kMonthly, "sb_NAR", "6", "", "", "6", "6.17", "0.50", {}},
        ConversionCase{"EffectiveMonthly",
                       kMonthly,
                       "sb_EAR",
                       "",
                       "6.1677811864",
                       "",
                       "6.00",
                       "6.1677811864",
                       "0.50",
                       {}},
        ConversionCase{
            "PeriodicQuarterly", kQuarterly, "sb_PIR", "", "", "2", "8.00", "8.24", "2", {}},
        ConversionCase{"EffectiveSemiAnnually",
                       kSemiAnnually,
                       "sb_EAR",
                       "",
                       "10",
                       "",
                       "9.76",
                       "10",
                       "4.88",
                       {}},
        ConversionCase{
            "NominalAnnually", kAnnually, "sb_NAR", "7.5", "", "", "7.5", "7.50", "7.50", {}},
        ConversionCase{
            "EffectiveAnnually", kAnnually, "sb_EAR", "", "7.5", "", "7.50", "7.5", "7.50", {}},
        ConversionCase{
            "PeriodicAnnually", kAnnually, "sb_PIR", "", "", "7.5", "7.50", "7.50", "7.5", {}},
        ConversionCase{
            "EmptyNominalReadsZero", kMonthly, "sb_NAR", "", "1", "1", "", "0.00", "0.00", {}},
        ConversionCase{"EffectiveMinus100Monthly",
                       kMonthly,
                       "sb_EAR",
                       "",
                       "-100",
                       "",
                       "-1200.00",
                       "-100",
                       "-100.00",
                       {}},
        ConversionCase{"EffectiveMinus150Monthly",
                       kMonthly,
                       "sb_EAR",
                       "1",
                       "-150",
                       "2",
                       "1",
                       "-150",
                       "2",
                       {},
                       "Invalid floating point operation."},
        ConversionCase{"EffectiveMinus150Annually",
                       kAnnually,
                       "sb_EAR",
                       "",
                       "-150",
                       "",
                       "-150.00",
                       "-150",
                       "-150.00",
                       {}},
        // The nominal rate times m leaves the extended range: nothing is written.
        ConversionCase{"PeriodicOverflow",
                       kMonthly,
                       "sb_PIR",
                       "1",
                       "2",
                       "11*10^4930",
                       "1",
                       "2",
                       "11*10^4930",
                       {},
                       "Floating point overflow."},
        // The effective rate overflows; the periodic rate would come after it.
        ConversionCase{"NominalOverflow",
                       kMonthly,
                       "sb_NAR",
                       "10^4000",
                       "1",
                       "2",
                       "10^4000",
                       "1",
                       "2",
                       {},
                       "Floating point overflow."},
        // The nominal field is read twice, so its bad text is reported twice.
        ConversionCase{"BadNominalReportedTwice",
                       kMonthly,
                       "sb_NAR",
                       "2*",
                       "",
                       "",
                       "2*",
                       "0.00",
                       "0.00",
                       {"Expression Error:2*", "Expression Error:2*"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarrant::test
