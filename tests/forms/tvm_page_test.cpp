// The time value of money page: the five solve buttons (read order, truncation of N, error
// handling that leaves the target alone) and Clear.
#include "support/print_case.h"
#include "support/window_fixture.h"

namespace quarrant::test {
namespace {

constexpr const char* kFields[] = {"ed_I", "Ed_N", "ed_PV", "ed_PMT", "ed_FV"};
constexpr int kMonthly = 0, kQuarterly = 1, kAnnually = 3;
constexpr int kBeginning = 0, kEnd = 1;
const char* const kArgumentsError = "Arguments Error!";

using ::quarrant::test::PrintTo;

struct SolveCase {
  const char* name;
  // Texts of ed_I, Ed_N, ed_PV, ed_PMT, ed_FV; nullptr keeps the start text.
  const char* inputs[5];
  int frequency;
  int timing;
  const char* button;
  const char* target;
  // What the target shows afterwards; kArgumentsError: the box, and the target unchanged.
  const char* result;
  std::vector<const char*> expressionErrors;  // texts after "Expression Error:", in order
};

class SolveTest : public WindowTest, public ::testing::WithParamInterface<SolveCase> {};

TEST_P(SolveTest, WritesOnlyItsTarget) {
  const SolveCase& c = GetParam();
  for (int i = 0; i < 5; ++i)
    if (c.inputs[i] != nullptr) set(kFields[i], c.inputs[i]);
  select("rg_PMTF", c.frequency);
  select("rb_pmtt", c.timing);
  QStringList before;
  for (const char* field : kFields) before << text(field);

  click(c.button);

  std::vector<Message> expected;
  for (const char* source : c.expressionErrors)
    expected.push_back(ErrorBox((std::string("Expression Error:") + source).c_str()));
  const bool failed = std::string(c.result) == kArgumentsError;
  if (failed) expected.push_back(ErrorBox(kArgumentsError));
  EXPECT_EQ(messages_.shown(), expected);
  EXPECT_TRUE(messages_.okOnly());
  for (int i = 0; i < 5; ++i) {
    if (kFields[i] == std::string(c.target) && !failed)
      EXPECT_EQ(text(c.target), QString::fromLatin1(c.result));
    else
      EXPECT_EQ(text(kFields[i]), before.at(i)) << kFields[i] << " must keep its text";
  }
}

// Input order: ed_I, Ed_N, ed_PV, ed_PMT, ed_FV.
INSTANTIATE_TEST_SUITE_P(
    Solvers, SolveTest,
    ::testing::Values(SolveCase{"LoanPayment",
                                {"6", "30*12", "100000", "", ""},
                                kMonthly,
                                kEnd,
                                "sb_PMT",
                                "ed_PMT",
                                "-599.55",
                                {}},
                      SolveCase{"LoanPeriods",
                                {"6", "", "100000", "-599.55", ""},
                                kMonthly,
                                kEnd,
                                "sb_N",
                                "Ed_N",
                                "360.00",
                                {}},
                      SolveCase{"LoanRate",
                                {"", "360", "100000", "-599.55", ""},
                                kMonthly,
                                kEnd,
                                "sb_i",
                                "ed_I",
                                "6.00",
                                {}},
                      // The rate button never reads ed_I, so its bad text raises no message.
                      SolveCase{"RateIgnoresItsOwnField",
                                {"2*", "360", "100000", "-599.55", ""},
                                kMonthly,
                                kEnd,
                                "sb_i",
                                "ed_I",
                                "6.00",
                                {}},
                      SolveCase{"SavingsFutureValue",
                                {"8", "40", "", "-1000", ""},
                                kQuarterly,
                                kBeginning,
                                "sb_FV",
                                "ed_FV",
                                "61610.02",
                                {}},
                      SolveCase{"PeriodsTruncated",
                                {"12", "12.9", "-1000", "", ""},
                                kMonthly,
                                kEnd,
                                "sb_FV",
                                "ed_FV",
                                "1126.83",
                                {}},
                      SolveCase{"NegativePeriodsTruncatedTowardZero",
                                {"12", "-0.9", "-1000", "", ""},
                                kMonthly,
                                kEnd,
                                "sb_FV",
                                "ed_FV",
                                "1000.00",
                                {}},
                      SolveCase{"PlaceholderPeriodsReadZero",
                                {"5", nullptr, "500", "", ""},
                                kMonthly,
                                kEnd,
                                "sb_FV",
                                "ed_FV",
                                "-500.00",
                                {}},
                      SolveCase{"PerpetuityAtEnd",
                                {"120", "4000", "", "-100", ""},
                                kMonthly,
                                kEnd,
                                "sb_PV",
                                "ed_PV",
                                "1000.00",
                                {}},
                      SolveCase{"PerpetuityAtBeginning",
                                {"120", "4000", "", "-100", ""},
                                kMonthly,
                                kBeginning,
                                "sb_PV",
                                "ed_PV",
                                "1100.00",
                                {}},
                      SolveCase{"CompoundFactorTooLarge",
                                {"120", "4000", "", "-100", "55"},
                                kMonthly,
                                kEnd,
                                "sb_FV",
                                "ed_FV",
                                kArgumentsError,
                                {}},
                      SolveCase{"PaymentWithPeriodsTruncatingToZero",
                                {"6", "0.5", "100", "77", ""},
                                kMonthly,
                                kEnd,
                                "sb_PMT",
                                "ed_PMT",
                                kArgumentsError,
                                {}},
                      SolveCase{"RateWithZeroPeriods",
                                {"3", "0", "1000", "-100", ""},
                                kMonthly,
                                kEnd,
                                "sb_i",
                                "ed_I",
                                kArgumentsError,
                                {}},
                      SolveCase{"RateWithNegativePeriods",
                                {"3", "-3", "1000", "-100", ""},
                                kMonthly,
                                kEnd,
                                "sb_i",
                                "ed_I",
                                kArgumentsError,
                                {}},
                      SolveCase{"RateWithAllAmountsPositive",
                                {"3", "10", "100", "10", "50"},
                                kMonthly,
                                kEnd,
                                "sb_i",
                                "ed_I",
                                kArgumentsError,
                                {}},
                      SolveCase{"FutureValueAtMinus1200Monthly",
                                {"-1200", "10", "100", "", "9"},
                                kMonthly,
                                kEnd,
                                "sb_FV",
                                "ed_FV",
                                kArgumentsError,
                                {}},
                      SolveCase{"PeriodsAtMinus1200Monthly",
                                {"-1200", "10", "100", "-5", ""},
                                kMonthly,
                                kEnd,
                                "sb_N",
                                "Ed_N",
                                kArgumentsError,
                                {}},
                      SolveCase{"PresentValueAtMinus100Annually",
                                {"-100", "10", "4", "-5", ""},
                                kAnnually,
                                kEnd,
                                "sb_PV",
                                "ed_PV",
                                kArgumentsError,
                                {}},
                      SolveCase{"PeriodsBeyond32Bits",
                                {"6", "3000000000", "100", "8", ""},
                                kMonthly,
                                kEnd,
                                "sb_PMT",
                                "ed_PMT",
                                kArgumentsError,
                                {}},
                      SolveCase{"PeriodsBelow32Bits",
                                {"6", "-2147483649", "100", "", "8"},
                                kMonthly,
                                kEnd,
                                "sb_FV",
                                "ed_FV",
                                kArgumentsError,
                                {}},
                      SolveCase{"BadExpressionReadsZero",
                                {"6", "360", "2*", "", ""},
                                kMonthly,
                                kEnd,
                                "sb_PMT",
                                "ed_PMT",
                                "0.00",
                                {"2*"}},
                      SolveCase{"DivisionByZeroReadsZero",
                                {"6", "12", "-100", "1/0", ""},
                                kMonthly,
                                kEnd,
                                "sb_FV",
                                "ed_FV",
                                "106.17",
                                {"1/0"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Each button reads its fields in a fixed order; with every field unreadable the
// "Expression Error:" boxes come in that order.
struct ReadOrderCase {
  const char* button;
  std::vector<const char*> reads;
};
inline void PrintTo(const ReadOrderCase& c, std::ostream* out) {
  *out << c.button;
}

class ReadOrderTest : public WindowTest, public ::testing::WithParamInterface<ReadOrderCase> {};

TEST_P(ReadOrderTest, ReadsFieldsInItsOrder) {
  const ReadOrderCase& c = GetParam();
  for (const char* field : kFields) set(field, (std::string("bad_") + field).c_str());
  click(c.button);
  std::vector<Message> reads;
  for (const Message& m : messages_.shown())
    if (m.text.startsWith(QStringLiteral("Expression Error:"))) reads.push_back(m);
  std::vector<Message> expected;
  for (const char* field : c.reads)
    expected.push_back(ErrorBox((std::string("Expression Error:bad_") + field).c_str()));
  EXPECT_EQ(reads, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ReadOrderTest,
    ::testing::Values(ReadOrderCase{"sb_N", {"ed_I", "ed_PMT", "ed_PV", "ed_FV"}},
                      ReadOrderCase{"sb_i", {"ed_PMT", "ed_PV", "ed_FV", "Ed_N"}},
                      ReadOrderCase{"sb_PV", {"ed_I", "ed_PMT", "ed_FV", "Ed_N"}},
                      ReadOrderCase{"sb_PMT", {"ed_I", "ed_PV", "ed_FV", "Ed_N"}},
                      ReadOrderCase{"sb_FV", {"ed_I", "ed_PMT", "ed_PV", "Ed_N"}}),
    [](const auto& info) { return std::string(info.param.button); });

TEST_F(WindowTest, LoanRoundTripThroughThePage) {
  // The loan of a typical session, typed as a user would.
  type("ed_I", QStringLiteral("6"));
  type("Ed_N", QStringLiteral("30*12"));
  EXPECT_EQ(text("se_expv"), QStringLiteral("360.00"));
  type("ed_PV", QStringLiteral("100000"));
  click("sb_PMT");
  EXPECT_EQ(text("ed_PMT"), QStringLiteral("-599.55"));
  EXPECT_EQ(text("se_expv"), QStringLiteral("-599.55"));  // the written field's preview
  click("sb_N");
  EXPECT_EQ(text("Ed_N"), QStringLiteral("360.00"));
  click("sb_i");
  EXPECT_EQ(text("ed_I"), QStringLiteral("6.00"));
  EXPECT_TRUE(messages_.shown().empty());
}

}  // namespace
}  // namespace quarrant::test
