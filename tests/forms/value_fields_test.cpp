// Value fields: the live preview, the placeholder text, reading a field (EvaluateText) and
// writing a result (FormatValue) through the decimal places selector.
#include <QAbstractSpinBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <string_view>

#include "controls/value_field.h"
#include "support/print_case.h"
#include "support/window_fixture.h"

namespace quarrant::test {
namespace {

constexpr int kGeneral = 0;
constexpr int kDefault = 3;  // "2"

using ::quarrant::test::PrintTo;

struct PreviewCase {
  const char* name;
  const char* page;
  const char* field;
  const char* typed;
  int selector;
  const char* preview;
};

class PreviewTest : public WindowTest, public ::testing::WithParamInterface<PreviewCase> {};

TEST_P(PreviewTest, FollowsTheTypedText) {
  const PreviewCase& c = GetParam();
  showPage(c.page);
  setDigits(c.selector);
  type(c.field, QString::fromLatin1(c.typed));
  EXPECT_EQ(text("se_expv"), QString::fromLatin1(c.preview));
  EXPECT_EQ(text(c.field), QString::fromLatin1(c.typed));  // the field keeps what was typed
  EXPECT_TRUE(messages_.shown().empty()) << "typing never shows a message box";
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PreviewTest,
    ::testing::Values(
        PreviewCase{"Product", "ts_tvm", "Ed_N", "2*12", kDefault, "24.00"},
        PreviewCase{"SyntaxError", "ts_tvm", "ed_PV", "2*x", kDefault, "Syntax Error!"},
        PreviewCase{"DivisionByZero", "ts_tvm", "ed_PMT", "1/0", kDefault, "Syntax Error!"},
        PreviewCase{"UnclosedGroup", "ts_irc", "ed_NAR", "(1+2", kDefault, "Syntax Error!"},
        PreviewCase{"BlanksReadZero", "ts_tvm", "ed_FV", "   ", kDefault, "0.00"},
        PreviewCase{"GeneralThird", "ts_tvm", "ed_I", "1/3", kGeneral, "0.333333333333333"},
        PreviewCase{"GeneralHalf", "ts_irc", "ed_EAR", "5/2", kGeneral, "2.5"},
        PreviewCase{"NoDecimalsRoundsUp", "ts_irc", "ed_PIR", "2.6", 1, "3"},
        PreviewCase{"NoDecimalsWhole", "ts_tvm", "ed_FV", "24", 1, "24"},
        PreviewCase{"TenDecimals", "ts_tvm", "ed_PV", "1/3", 11, "0.3333333333"},
        PreviewCase{"NeverMinusZero", "ts_tvm", "ed_PV", "-0.001", kDefault, "0.00"},
        PreviewCase{"DepreciationField", "ts_Depreciation", "ed_cb", "1000-1", kDefault, "999.00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, FocusClearsThePlaceholderAndPreviewsZero) {
  EXPECT_EQ(text("Ed_N"), ValueField::hintText());
  EXPECT_EQ(ValueField::hintText(), QStringLiteral("Can enter expression(Such as: 2*12)"));
  set("ed_PV", "7");
  EXPECT_EQ(text("se_expv"), QStringLiteral("7.00"));
  find<QLineEdit>("Ed_N")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(text("Ed_N"), QString());
  EXPECT_EQ(text("se_expv"), QStringLiteral("0.00"));
  // Another field receiving the focus shows its own value in the preview.
  find<QLineEdit>("ed_PV")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(text("se_expv"), QStringLiteral("7.00"));
  EXPECT_TRUE(messages_.shown().empty());
}

// The focus reaches a field in many ways; only a closing pop-up (a context menu) merely hands
// it back. A click into an inactive window brings the window's activation as the field's
// only focus-in.
TEST_F(WindowTest, EveryWayOfEnteringAFieldClearsThePlaceholder) {
  const struct {
    Qt::FocusReason reason;
    bool clears;
  } cases[] = {{Qt::MouseFocusReason, true},    {Qt::TabFocusReason, true},
               {Qt::BacktabFocusReason, true},  {Qt::ActiveWindowFocusReason, true},
               {Qt::ShortcutFocusReason, true}, {Qt::OtherFocusReason, true},
               {Qt::PopupFocusReason, false}};
  auto* field = find<QLineEdit>("Ed_N");
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.reason));
    field->setText(ValueField::hintText());
    QFocusEvent focusIn(QEvent::FocusIn, c.reason);
    QApplication::sendEvent(field, &focusIn);
    EXPECT_EQ(field->text().isEmpty(), c.clears);
  }
}

// Control characters never enter a field, whether typed, inserted or pasted: value fields,
// numeric and spin edits alike.
TEST_F(WindowTest, FieldsDropControlCharacters) {
  using namespace std::literals;
  const struct {
    const char* page;
    const char* field;
    std::u16string_view pasted;  // may hold NUL
    const char* expected;
  } cases[] = {
      {"ts_tvm", "ed_PV", u"12\n3\r\t4"sv, "1234"},
      {"ts_tvm", "ed_I", u"1\u00002"sv, "12"},
      {"ts_irc", "ed_NAR", u"\u001b5\u2028"sv, "5"},
      {"ts_Depreciation", "ed_cb", u"7\u0085 8\u007f"sv, "7 8"},
      {"ts_CashFlow", "se_amount", u"12\n"sv, "12"},
      {"ts_CashFlow", "se_diarate", u"\u00003.5"sv, "3.5"},
      // The date mask alone would take a NUL for a digit.
      {"ts_datecalc", "de_date", u"\u00002"sv, "2//"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    showPage(c.page);
    auto* field = find<QLineEdit>(c.field);
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QApplication::clipboard()->setText(
        QString::fromUtf16(c.pasted.data(), static_cast<qsizetype>(c.pasted.size())));
    field->paste();
    EXPECT_EQ(field->text(), QString::fromLatin1(c.expected));
  }
  auto* times = find<QAbstractSpinBox>("se_Times");
  times->setFocus(Qt::TabFocusReason);
  times->selectAll();
  QApplication::clipboard()->setText(QStringLiteral("5\r\n"));
  times->findChild<QLineEdit*>()->paste();
  EXPECT_EQ(times->text(), QStringLiteral("5"));
}

TEST_F(WindowTest, ChangingTheSelectorReformatsNothing) {
  type("ed_PV", QStringLiteral("1/3"));
  EXPECT_EQ(text("se_expv"), QStringLiteral("0.33"));
  setDigits(11);
  EXPECT_EQ(text("se_expv"), QStringLiteral("0.33"));
  EXPECT_EQ(text("ed_PV"), QStringLiteral("1/3"));
  EXPECT_EQ(text("ed_el"), QStringLiteral("4.00"));
  type("ed_PMT", QStringLiteral("1/3"));
  EXPECT_EQ(text("se_expv"), QStringLiteral("0.3333333333"));
}

struct ReadCase {
  const char* name;
  QString text;
  long double value;
  const char* message;  // nullptr: no box
};

class ReadTest : public WindowTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadTest, EvaluateText) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(window().EvaluateText(c.text), c.value);
  std::vector<Message> expected;
  if (c.message != nullptr) expected.push_back(ErrorBox(c.message));
  EXPECT_EQ(messages_.shown(), expected);
  EXPECT_TRUE(messages_.okOnly());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadTest,
    ::testing::Values(
        ReadCase{"Number", QStringLiteral("12.5"), 12.5L, nullptr},
        ReadCase{"Expression", QStringLiteral("2*12"), 24.0L, nullptr},
        ReadCase{"Placeholder", ValueField::hintText(), 0.0L, nullptr},
        ReadCase{"Empty", QString(), 0.0L, nullptr},
        ReadCase{"BlanksAndControls", QStringLiteral(" \t \r\n "), 0.0L, nullptr},
        ReadCase{"PaddedNumber", QStringLiteral("  7 "), 7.0L, nullptr},
        // The message carries the text as read, untrimmed, without a space after the colon.
        ReadCase{"DivisionByZero", QStringLiteral("1/0"), 0.0L, "Expression Error:1/0"},
        ReadCase{"PaddedBadText", QStringLiteral(" 2*"), 0.0L, "Expression Error: 2*"},
        ReadCase{"PlaceholderWithExtraBlank", ValueField::hintText() + QLatin1Char(' '), 0.0L,
                 "Expression Error:Can enter expression(Such as: 2*12) "},
        ReadCase{"NotAscii", QStringLiteral("3\u00d74"), 0.0L, "Expression Error:3\u00d74"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
  const char* name;
  int selector;
  long double value;
  const char* text;
};

class FormatTest : public WindowTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(FormatTest, FollowsTheSelector) {
  const FormatCase& c = GetParam();
  setDigits(c.selector);
  EXPECT_EQ(window().FormatValue(c.value), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Selector, FormatTest,
    ::testing::Values(FormatCase{"DefaultTwo", kDefault, -599.5505251528L, "-599.55"},
                      FormatCase{"GeneralThird", kGeneral, 1.0L / 3.0L, "0.333333333333333"},
                      FormatCase{"GeneralSmall", kGeneral, 0.00005L, "5E-5"},
                      FormatCase{"GeneralLarge", kGeneral, 1e20L, "1E20"},
                      FormatCase{"ZeroDecimals", 1, 2.6L, "3"},
                      FormatCase{"TenDecimals", 11, 1.0L / 3.0L, "0.3333333333"},
                      FormatCase{"HalfAwayFromZero", kDefault, -0.125L, "-0.13"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FrequencyCase {
  int index;
  int periods;
};
inline void PrintTo(const FrequencyCase& c, std::ostream* out) {
  *out << "item " << c.index;
}

class FrequencyTest : public WindowTest, public ::testing::WithParamInterface<FrequencyCase> {};

TEST_P(FrequencyTest, RatesFollowTheirOwnGroup) {
  const FrequencyCase& c = GetParam();
  select("rg_PMTF", c.index);
  select("rg_PMTFi", 0);
  set("ed_I", "24");
  EXPECT_EQ(window().PeriodicRate(), 24.0L / c.periods / 100.0L);
  EXPECT_EQ(window().AnnualRatePercent(0.01L), 0.01L * c.periods * 100.0L);
  EXPECT_EQ(window().RatePeriodsPerYear(), 12);
  select("rg_PMTF", 0);
  select("rg_PMTFi", c.index);
  EXPECT_EQ(window().RatePeriodsPerYear(), c.periods);
}

INSTANTIATE_TEST_SUITE_P(Groups, FrequencyTest,
                         ::testing::Values(FrequencyCase{0, 12}, FrequencyCase{1, 4},
                                           FrequencyCase{2, 2}, FrequencyCase{3, 1},
                                           FrequencyCase{-1, 1}),
                         [](const auto& info) {
                           return "Index" + std::to_string(info.param.index + 1);
                         });

TEST_F(WindowTest, PaymentTimeIsBeginningUnlessEndIsSelected) {
  const std::pair<int, bool> cases[] = {{1, false}, {0, true}, {-1, true}};
  for (const auto& [index, beginning] : cases) {
    select("rb_pmtt", index);
    EXPECT_EQ(window().PaymentAtBeginning(), beginning) << index;
  }
}

TEST_F(WindowTest, DepreciationDefaultsFollowTheSelector) {
  EXPECT_EQ(text("ed_el"), QStringLiteral("4.00"));
  EXPECT_EQ(text("ed_fact"), QStringLiteral("2.00"));
  set("ed_el", "9");
  setDigits(1);
  window().ResetDepreciationDefaults();
  EXPECT_EQ(text("ed_el"), QStringLiteral("4"));
  EXPECT_EQ(text("ed_fact"), QStringLiteral("2"));
  EXPECT_EQ(text("se_expv"), QStringLiteral("2"));
}

}  // namespace
}  // namespace quarrant::test
