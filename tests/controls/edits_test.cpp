// Keystroke filtering, focus formatting and value keeping of the numeric, spin and date edits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>

#include "controls/date_edit.h"
#include "controls/numeric_edit.h"
#include "controls/spin_edit.h"
#include "engine/calendar.h"
#include "support/print_case.h"

namespace quarrant {
namespace {

// A shown, active window with the control under test and a second field to move the focus to.
class Host {
 public:
  explicit Host(QWidget* control) : control_(control) {
    auto* layout = new QVBoxLayout(&window_);
    layout->addWidget(control);
    other_ = new QLineEdit(&window_);
    layout->addWidget(other_);
    window_.show();
    QApplication::setActiveWindow(&window_);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
  }
  void focusControl() {
    control_->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }
  void focusOther() {
    other_->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

 private:
  QWidget window_;
  QWidget* control_;
  QLineEdit* other_ = nullptr;
};

using ::quarrant::test::PrintTo;

struct DecimalCase {
  const char* name;
  const char* text;
  char separator;
  std::optional<double> expected;
};

class ParseDecimalTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(ParseDecimalTest, ReadsOnlyPlainDecimals) {
  const DecimalCase& c = GetParam();
  const std::optional<double> parsed = parseDecimal(QString::fromUtf8(c.text), c.separator);
  ASSERT_EQ(parsed.has_value(), c.expected.has_value());
  if (parsed) EXPECT_DOUBLE_EQ(*parsed, *c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDecimalTest,
    testing::Values(DecimalCase{"Plain", "12.5", '.', 12.5},
                    DecimalCase{"Negative", "-1000.0000", '.', -1000.0},
                    DecimalCase{"LeadingSeparator", ".5", '.', 0.5},
                    DecimalCase{"BlanksAround", "  7 ", '.', 7.0},
                    DecimalCase{"CommaUser", "12,5", ',', 12.5},
                    DecimalCase{"OtherMarkRejected", "12,5", '.', std::nullopt},
                    DecimalCase{"PointRejectedForCommaUser", "12.5", ',', std::nullopt},
                    DecimalCase{"Empty", "", '.', std::nullopt},
                    DecimalCase{"LoneMinus", "-", '.', std::nullopt},
                    DecimalCase{"LoneSeparator", ".", '.', std::nullopt},
                    DecimalCase{"TwoSeparators", "1.2.3", '.', std::nullopt},
                    DecimalCase{"Exponent", "1e5", '.', std::nullopt},
                    DecimalCase{"Infinity", "inf", '.', std::nullopt},
                    DecimalCase{"PlusSign", "+3", '.', std::nullopt},
                    DecimalCase{"InnerBlank", "1 000", '.', std::nullopt}),
    [](const testing::TestParamInfo<DecimalCase>& info) { return std::string(info.param.name); });

TEST(ParseWholeNumberTest, ReadsOnlyWholeNumbersThatFit) {
  const struct {
    const char* text;
    std::optional<int> expected;
  } cases[] = {{"12", 12},          {"-3", -3},
               {" 1000 ", 1000},    {"1.0", std::nullopt},
               {"", std::nullopt},  {"99999999999", std::nullopt},
               {"1x", std::nullopt}};
  for (const auto& c : cases)
    EXPECT_EQ(parseWholeNumber(QString::fromUtf8(c.text)), c.expected) << c.text;
}

struct TypingCase {
  const char* name;
  NumericEdit::Kind kind;
  const char* keys;        // typed into an emptied field
  const char* whileTyped;  // the text right after typing
  double value;            // the value held afterwards
  const char* afterFocus;  // the text once the field has lost the focus
};

class NumericEditTypingTest : public testing::TestWithParam<TypingCase> {};

TEST_P(NumericEditTypingTest, FiltersKeysAndFormatsOnLeaving) {
  const TypingCase& c = GetParam();
  auto* edit = new NumericEdit;
  edit->setKind(c.kind);
  edit->setDecimals(4);
  Host host(edit);
  host.focusControl();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, QString::fromUtf8(c.keys));
  EXPECT_EQ(edit->text(), QString::fromUtf8(c.whileTyped));
  EXPECT_DOUBLE_EQ(edit->value(), c.value);
  host.focusOther();
  EXPECT_EQ(edit->text(), QString::fromUtf8(c.afterFocus));
  EXPECT_DOUBLE_EQ(edit->value(), c.value);
}

using K = NumericEdit::Kind;
INSTANTIATE_TEST_SUITE_P(
    Keys, NumericEditTypingTest,
    testing::Values(
        TypingCase{"Decimal", K::Float, "12.5", "12.5", 12.5, "12.5000"},
        TypingCase{"LettersDropped", K::Float, "1a2b.3", "12.3", 12.3, "12.3000"},
        TypingCase{"SecondSeparatorDropped", K::Float, "1.2.3", "1.23", 1.23, "1.2300"},
        TypingCase{"MinusOnlyInFront", K::Float, "-5-", "-5", -5, "-5.0000"},
        TypingCase{"FifthDecimalDropped", K::Float, "1.23456", "1.2345", 1.2345, "1.2345"},
        TypingCase{"EmptyReadsZero", K::Float, "", "", 0, "0.0000"},
        TypingCase{"LoneMinusReadsZero", K::Float, "-", "-", 0, "0.0000"},
        TypingCase{"IntegerWhole", K::Integer, "-42", "-42", -42, "-42"},
        // Fifteen integer digits at most, in the value kept too: a double takes
        // 999999999999999.99 up to 10^15, so those keystrokes are refused.
        TypingCase{"SixteenthDigitRefused", K::Float, "9999999999999999", "999999999999999",
                   999999999999999, "999999999999999.0000"},
        TypingCase{"DecimalsThatRoundToSixteenDigitsRefused", K::Float, "999999999999999.9999",
                   "999999999999999.9", 999999999999999.9, "999999999999999.8750"},
        TypingCase{"NegativeLimit", K::Float, "-999999999999999.99", "-999999999999999.9",
                   -999999999999999.9, "-999999999999999.8750"},
        TypingCase{"IntegerLimit", K::Integer, "-12345678901234567", "-123456789012345",
                   -123456789012345, "-123456789012345"},
        TypingCase{"IntegerNoSeparator", K::Integer, "4.5", "45", 45, "45"},
        TypingCase{"DigitCountLimited", K::Integer, "12345678901234567", "123456789012345",
                   123456789012345.0, "123456789012345"}),
    [](const testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

TEST(NumericEditTest, IntegerKindShowsRoundedProgramValueButKeepsIt) {
  const struct {
    double set;
    const char* shown;
  } cases[] = {{60.6, "61"}, {60.4, "60"}, {-2.5, "-3"}, {1001, "1001"}, {-0.2, "0"}};
  NumericEdit edit;
  edit.setKind(NumericEdit::Kind::Integer);
  for (const auto& c : cases) {
    edit.setValue(c.set);
    EXPECT_EQ(edit.text(), QString::fromUtf8(c.shown)) << c.set;
    EXPECT_DOUBLE_EQ(edit.value(), c.set);
  }
}

TEST(NumericEditTest, UpAndDownKeysStep) {
  auto* edit = new NumericEdit;
  edit->setDecimals(4);
  Host host(edit);
  host.focusControl();
  edit->setValue(2.5);
  QTest::keyClick(edit, Qt::Key_Up);
  EXPECT_DOUBLE_EQ(edit->value(), 3.5);
  QTest::keyClick(edit, Qt::Key_Down);
  QTest::keyClick(edit, Qt::Key_Down);
  EXPECT_DOUBLE_EQ(edit->value(), 1.5);
  EXPECT_EQ(edit->text(), QStringLiteral("1.5000"));

  // Up past the digits that can be typed: the field still takes numbers only.
  edit->setValue(999999999999999);
  QTest::keyClick(edit, Qt::Key_Up);
  QTest::keyClicks(edit, QStringLiteral("x"));
  EXPECT_EQ(edit->text(), QStringLiteral("1000000000000000.0000"));
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), QStringLiteral("1000000000000000.000"));
  EXPECT_DOUBLE_EQ(edit->value(), 1e15);
}

TEST(SpinEditTest, TypedNumberOutsideRangeTakesNearerBoundAtOnce) {
  const struct {
    const char* keys;
    const char* text;
    int value;
  } cases[] = {{"250", "250", 250},
               {"0", "1", 1},
               {"1001", "1000", 1000},
               {"5000", "1000", 1000},
               {"-7", "1", 1},
               {"1000", "1000", 1000},
               {"99999999999999999999999", "1000", 1000},
               {"7x", "7", 7}};
  auto* spin = new SpinEdit;
  spin->setRange(1, 1000);
  Host host(spin);
  host.focusControl();
  for (const auto& c : cases) {
    spin->setValue(1);
    spin->selectAll();
    QTest::keyClick(spin, Qt::Key_Delete);
    QTest::keyClicks(spin, QString::fromUtf8(c.keys));
    EXPECT_EQ(spin->text(), QString::fromUtf8(c.text)) << c.keys;
    EXPECT_EQ(spin->value(), c.value) << c.keys;
  }
}

class DateEditTest : public testing::Test {
 protected:
  void SetUp() override {
    edit_ = new DateEdit;
    host_.emplace(edit_);
  }
  void typeDate(const char* keys) {
    host_->focusControl();
    edit_->selectAll();
    QTest::keyClicks(edit_, QString::fromUtf8(keys));
    host_->focusOther();  // the typed date counts once the field is left
  }
  DateEdit* edit_ = nullptr;
  std::optional<Host> host_;
};

TEST_F(DateEditTest, TypedTextChangesTheValueOnlyWhenItIsACompleteValidDate) {
  const double start = DateValueOf(2026, 12, 8) + 0.75;
  const struct {
    const char* keys;
    double expected;
  } cases[] = {
      {"20240229", DateValueOf(2024, 2, 29)},  // whole date, the time of day dropped
      {"2024", start},                         // incomplete
      {"202302", start},
      {"20230229", start},  // no such day
      {"20241301", start},  // no such month
      {"00000101", start},  // no year 0
      {"99991231", DateValueOf(9999, 12, 31)},
      {"00010101", DateValueOf(1, 1, 1)},
  };
  for (const auto& c : cases) {
    edit_->setDateValue(start);
    typeDate(c.keys);
    EXPECT_DOUBLE_EQ(edit_->dateValue(), c.expected) << c.keys;
  }
}

TEST_F(DateEditTest, TypingTheSameDateDropsTheTimeOfDay) {
  edit_->setDateValue(DateValueOf(2024, 3, 31) + 0.6);
  typeDate("20240331");
  EXPECT_DOUBLE_EQ(edit_->dateValue(), DateValueOf(2024, 3, 31));
}

TEST_F(DateEditTest, ShowsMaskWhileFocusedAndShortDateAfterwards) {
  const double value = DateValueOf(2024, 2, 20) + 0.25;
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy")))
    format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
  const QString shortText = QLocale().toString(QDate(2024, 2, 20), format);
  host_->focusOther();
  edit_->setDateValue(value);
  EXPECT_EQ(edit_->text(), shortText);
  host_->focusControl();
  EXPECT_EQ(edit_->displayText(), QStringLiteral("2024/02/20"));
  EXPECT_FALSE(edit_->inputMask().isEmpty());
  host_->focusOther();
  EXPECT_EQ(edit_->text(), shortText);
  EXPECT_TRUE(edit_->inputMask().isEmpty());
  EXPECT_DOUBLE_EQ(edit_->dateValue(), value);  // looking at the field changes nothing
}

TEST_F(DateEditTest, IncompleteTextLeavesPreviousDateShownOnLeaving) {
  edit_->setDateValue(DateValueOf(2021, 1, 1));
  host_->focusOther();
  const QString before = edit_->text();
  typeDate("19");
  host_->focusOther();
  EXPECT_EQ(edit_->text(), before);
  EXPECT_DOUBLE_EQ(edit_->dateValue(), DateValueOf(2021, 1, 1));
}

TEST_F(DateEditTest, CalendarPickSetsWholeDate) {
  edit_->setDateValue(DateValueOf(2024, 1, 10) + 0.5);
  edit_->showCalendar();
  QCalendarWidget* pad = edit_->calendar();
  ASSERT_TRUE(pad->isVisible());
  EXPECT_EQ(pad->selectedDate(), QDate(2024, 1, 10));
  emit pad->clicked(QDate(2024, 2, 29));
  EXPECT_FALSE(pad->isVisible());
  EXPECT_DOUBLE_EQ(edit_->dateValue(), DateValueOf(2024, 2, 29));
}

TEST_F(DateEditTest, ValuesBeyondTheCalendarAreTakenToItsEnds) {
  edit_->setDateValue(DateEdit::maxDateValue() + 5000);
  EXPECT_DOUBLE_EQ(edit_->dateValue(), DateValueOf(9999, 12, 31));
  edit_->setDateValue(DateEdit::minDateValue() - 5000);
  EXPECT_DOUBLE_EQ(edit_->dateValue(), DateValueOf(1, 1, 1));
  edit_->setDateValue(-1.25);  // before 1899-12-30 with a time of day: kept as it is
  EXPECT_DOUBLE_EQ(edit_->dateValue(), -1.25);
}

}  // namespace
}  // namespace quarrant
