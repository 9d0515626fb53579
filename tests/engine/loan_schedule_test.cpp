// Loans with options: balloon, compounding apart from the payments, extra payments, a lender's
// rounding to the cent, and the totals of a range of rows.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/amortization.h"
#include "engine/engine_errors.h"
#include "engine/loan_schedule.h"
#include "engine/number_format.h"
#include "expect_error.h"
#include "schedule_text.h"

namespace quarrant {
namespace {

using test::FailsWith;
using test::RowText;
using test::Written;

constexpr int32_t kMonthly = 0, kSemiAnnually = 2, kBiWeekly = 5;

std::vector<ScheduleRow> Rows(const LoanTerms& loan, const LoanOptions& options = {}) {
  std::vector<ScheduleRow> rows;
  LoanSchedule(loan, options, [&](const ScheduleRow& row) { rows.push_back(row); });
  return rows;
}

LoanOptions Extra(Extended each, int32_t from = 1, std::vector<LumpSum> lumps = {}) {
  LoanOptions options;
  options.extraEachPeriod = each;
  options.extraFromPeriod = from;
  options.lumpSums = std::move(lumps);
  return options;
}

LoanOptions Compounded(Compounding compounding) {
  LoanOptions options;
  options.compounding = compounding;
  return options;
}

LoanOptions InCents() {
  LoanOptions options;
  options.rounding = AmountRounding::Cents;
  return options;
}

// Published loans, their level payment (principal + interest of a regular row) and the rows
// that the schedule writes.
struct LoanCase {
  const char* name;
  LoanTerms loan;
  LoanOptions options;
  size_t rowCount;
  std::string payment;
  std::vector<RowText> rows;
};

class LoanRowsTest : public ::testing::TestWithParam<LoanCase> {};

TEST_P(LoanRowsTest, RowsAsWritten) {
  const LoanCase& c = GetParam();
  const std::vector<ScheduleRow> rows = Rows(c.loan, c.options);
  ASSERT_EQ(rows.size(), c.rowCount);
  EXPECT_EQ(FormatScheduleAmount(rows[1].Principal + rows[1].Interest), c.payment);
  for (const RowText& expected : c.rows)
    EXPECT_EQ(Written(rows[std::stoul(expected[0]) - 1]), expected) << "period " << expected[0];
}

INSTANTIATE_TEST_SUITE_P(
    Loans, LoanRowsTest,
    ::testing::Values(
        LoanCase{"balloon",
                 {360, 6, kMonthly, 100000, -20000, PaymentTiming::EndOfPeriod},
                 {},
                 360,
                 "-579.64",
                 {{"1", "-79.64", "-500.00", "-79.64", "-500.00", "99920.36"},
                  {"360", "-477.25", "-102.39", "-80000.00", "-128670.55", "20000.00"}}},
        LoanCase{"canadian_semi_annual_compounding",
                 {360, 12, kMonthly, 130000, 0, PaymentTiming::EndOfPeriod},
                 Compounded(Compounding::SemiAnnually),
                 360,
                 "-1308.30",
                 {{"1", "-39.66", "-1268.64", "-39.66", "-1268.64", "129960.34"},
                  {"360", "-1295.66", "-12.64", "-130000.00", "-340989.30", "0.00"}}},
        LoanCase{"bi_weekly_semi_annual_compounding",
                 {780, 10, kBiWeekly, 100000, 0, PaymentTiming::EndOfPeriod},
                 Compounded(Compounding::SemiAnnually),
                 780,
                 "-397.28",
                 {}},
        LoanCase{"extra_100_each_month",
                 {360, 6, kMonthly, 200000, 0, PaymentTiming::EndOfPeriod},
                 Extra(100),
                 295,
                 "-1299.10",
                 {{"295", "-599.26", "-3.00", "-200000.00", "-182537.97", "0.00"}}},
        LoanCase{"rounded_to_cents",
                 {360, 7, kMonthly, 150000, 0, PaymentTiming::EndOfPeriod},
                 InCents(),
                 360,
                 "-997.95",
                 {{"60", "-173.29", "-824.66", "-8802.36", "-51074.64", "141197.64"},
                  {"360", "-996.48", "-5.81", "-150000.00", "-209266.34", "0.00"}}},
        LoanCase{"exact_for_comparison",
                 {360, 7, kMonthly, 150000, 0, PaymentTiming::EndOfPeriod},
                 {},
                 360,
                 "-997.95",
                 {{"60", "-173.29", "-824.66", "-8802.62", "-51074.61", "141197.38"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoanPeriodicRateTest, CompoundingApartFromPayments) {
  struct Case {
    Extended percent;
    int32_t frequency;
    Compounding compounding;
    Extended rate;  // from a 40-digit computation
  };
  const Case cases[] = {
      {12, kMonthly, Compounding::SemiAnnually, 0.009758794179192246406777967L},
      {10, kBiWeekly, Compounding::SemiAnnually, 0.003760141211162493548466837L},
      {5, kMonthly, Compounding::Daily, 0.004175072737602566222277137L},
      {12, kMonthly, Compounding::Continuously, 0.01005016708416805754216546L},
      // Tiny rates keep their digits: 1 + x and x - 1 would leave only a few.
      {1e-10L, kMonthly, Compounding::SemiAnnually, 8.333333333331597222222223e-14L},
      {-3e-13L, 6, Compounding::Continuously, -5.769230769230769064349112e-17L},
      {-50, 3, Compounding::Quarterly, -0.413818359375L},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.percent));
    EXPECT_NEAR(LoanPeriodicRate(c.percent, c.frequency, c.compounding), c.rate,
                8 * 0x1p-64L * std::fabs(c.rate));
  }
  // The same compounding as the payments is today's plain division.
  EXPECT_EQ(LoanPeriodicRate(12, 5, Compounding::SameAsPayments), SchedulePeriodicRate(12, 5));
  EXPECT_EQ(LoanPeriodicRate(12, 2, Compounding::SemiAnnually), SchedulePeriodicRate(12, 2));
}

TEST(LoanScheduleTest, RefusesWhatNoLenderBooks) {
  const LoanTerms loan{12, 12, kMonthly, 1000, 0, PaymentTiming::EndOfPeriod};
  EXPECT_TRUE(FailsWith<EInvalidArgument>([&] { Rows(loan, Extra(-1)); }, "LoanSchedule"));
  EXPECT_TRUE(FailsWith<EInvalidArgument>(
      [&] {
        Rows(loan, Extra(0, 1, {{0, 5}}));
      },
      "LoanSchedule"));
  LoanTerms ruinous = loan;
  ruinous.AnnualRatePercent = -400;  // -100 % a quarter
  EXPECT_TRUE(FailsWith<EInvalidArgument>(
      [&] { Rows(ruinous, Compounded(Compounding::Quarterly)); }, "InterestPayment"));
  ruinous.AnnualRatePercent = -1200;  // -100 % a month
  EXPECT_TRUE(FailsWith<EInvalidArgument>([&] { Rows(ruinous, InCents()); }, "InterestPayment"));
  ruinous.NPeriods = 0;
  EXPECT_TRUE(Rows(ruinous, Compounded(Compounding::Quarterly)).empty());
}

TEST(ScheduleRangeTotalsTest, RowsThirteenToTwentyFour) {
  const std::vector<ScheduleRow> rows =
      Rows({360, 7, kMonthly, 150000, 0, PaymentTiming::EndOfPeriod});
  const RangeTotals year2 = ScheduleRangeTotals(&rows[11], rows[23]);
  EXPECT_EQ(FormatScheduleAmount(year2.Principal), "-1633.86");
  EXPECT_EQ(FormatScheduleAmount(year2.Interest), "-10341.58");
  EXPECT_EQ(FormatScheduleAmount(year2.Payments), "-11975.44");
  const RangeTotals first = ScheduleRangeTotals(nullptr, rows[0]);
  EXPECT_EQ(first.Principal, rows[0].Principal);
  EXPECT_EQ(first.Interest, rows[0].Interest);
}

bool WholeCents(Extended amount) {
  const Extended cents = amount * 100;
  return std::fabs(cents - std::round(cents)) < 1e-6L;
}

// Random loans and options: what every schedule must keep, whatever the options.
TEST(LoanSchedulePropertyTest, RandomLoansAndOptions) {
  std::mt19937_64 random(20261210);
  std::uniform_int_distribution<int32_t> periods(1, 480), frequency(0, 7), compounding(0, 6);
  std::uniform_real_distribution<double> percent(0, 25), amount(100, 1e6), share(0, 1);
  for (int trial = 0; trial < 300; ++trial) {
    SCOPED_TRACE(trial);
    const bool due = trial % 3 == 0;
    const Extended pv = std::round(amount(random) * 100) / 100;
    const LoanTerms loan{periods(random),
                         std::round(percent(random) * 100) / 100,
                         frequency(random),
                         pv,
                         trial % 4 == 0 ? -std::round(pv * share(random)) : 0,
                         due ? PaymentTiming::StartOfPeriod : PaymentTiming::EndOfPeriod};
    LoanOptions options = Compounded(static_cast<Compounding>(compounding(random)));
    const std::vector<ScheduleRow> plain = Rows(loan, options);
    ASSERT_EQ(plain.size(), static_cast<size_t>(loan.NPeriods));
    const Extended scale = loan.PresentValue + std::fabs(loan.FutureValue);
    if (!due) {
      EXPECT_NEAR(plain.back().TotalPrincipal, -(loan.PresentValue + loan.FutureValue),
                  1e-9L * scale);
      EXPECT_NEAR(plain.back().Balance, -loan.FutureValue, 1e-9L * scale);
    }

    // Rounded as a lender does: whole cents everywhere, the last row ends the loan exactly as
    // the exact schedule does to the cent.
    LoanOptions cents = options;
    cents.rounding = AmountRounding::Cents;
    const std::vector<ScheduleRow> rounded = Rows(loan, cents);
    for (const ScheduleRow& row : rounded)
      ASSERT_TRUE(WholeCents(row.Principal) && WholeCents(row.Interest) &&
                  WholeCents(row.TotalPrincipal) && WholeCents(row.Balance))
          << "period " << row.Period;
    EXPECT_EQ(FormatScheduleAmount(rounded.back().Balance),
              FormatScheduleAmount(plain.back().Balance));

    // Extras shorten the loan and never cost more interest; a loan they pay off ends at 0.
    LoanOptions extra = options;
    extra.extraEachPeriod = std::round(pv * share(random) / 50);
    extra.extraFromPeriod = 1 + loan.NPeriods / 4;
    extra.lumpSums = {{1 + loan.NPeriods / 2, std::round(pv * share(random) / 10)}};
    const std::vector<ScheduleRow> shorter = Rows(loan, extra);
    EXPECT_LE(shorter.size(), plain.size());
    EXPECT_GE(shorter.back().TotalInterest, plain.back().TotalInterest - 1e-12L * scale);
    if (shorter.size() < plain.size()) {
      EXPECT_EQ(shorter.back().Balance, 0);
    }
    for (size_t k = 0; k + 1 < shorter.size(); ++k) ASSERT_GT(shorter[k].Balance, 0);
  }
}

// With every option at its default the rows are AmortizationSchedule's, bit for bit.
TEST(LoanScheduleTest, DefaultsAreTheLevelPaymentSchedule) {
  const LoanTerms loan{240, 7.5L, kMonthly, 250000, -5000, PaymentTiming::StartOfPeriod};
  std::vector<ScheduleRow> plain;
  AmortizationSchedule(loan.NPeriods, SchedulePeriodicRate(7.5L, kMonthly), loan.PresentValue,
                       loan.FutureValue, loan.Timing,
                       [&](const ScheduleRow& row) { plain.push_back(row); });
  const std::vector<ScheduleRow> rows = Rows(loan);
  ASSERT_EQ(rows.size(), plain.size());
  for (size_t k = 0; k < rows.size(); ++k) ASSERT_EQ(Written(rows[k]), Written(plain[k])) << k;
  EXPECT_EQ(rows.back().Balance, plain.back().Balance);
}

}  // namespace
}  // namespace quarrant
