// What a user of any locale does most, in whichever locale the suite runs: the test program is
// registered once in the environment's locale and again under German and French, whose decimal
// comma the C library then also uses, and whose translation the windows then speak (as the
// program chooses it). Expected texts are written with '.', the C locale's mark, and compared
// with it replaced by the user's separator.
#include <QKeyEvent>
#include <QTableView>
#include <QToolButton>

#include "controls/numeric_edit.h"
#include "report_test_support.h"
#include "support/language.h"
#include "support/regional.h"
#include "support/window_fixture.h"

namespace quarrant::window_tests {
namespace {

QString Local(const char* text) {
  return QString::fromLatin1(text).replace(QLatin1Char('.'), QLatin1Char(UserDecimalSeparator()));
}

class LocaleJourney : public WindowTest {
 public:
  static void SetUpTestSuite() { InstallLanguage(LanguageFor(QLocale::system().uiLanguages())); }
  static void TearDownTestSuite() { InstallLanguage(QString()); }
};

// A handful of the window's texts in each language the journeys run in (English: the source
// texts, unchanged). French puts a no-break space before ":" and "!"; it is read as a space.
struct Texts {
  const char* language;
  const char* tvmTab;
  const char* frequency;
  const char* monthly;
  const char* straightLine;
  const char* yearColumn;
  const char* errorCaption;
  const char* expressionError;  // before the expression
  const char* syntaxError;
};
const Texts kTexts[] = {
    {"", "Time Value of Money", "Payment frequency", "Monthly", "Straight-line", "Year", "Error",
     "Expression Error:", "Syntax Error!"},
    {"de", "Zeitwert des Geldes", "Zahlungsweise", "Monatlich", "Linear", "Jahr", "Fehler",
     "Fehler im Ausdruck:", "Syntaxfehler!"},
    {"fr", "Valeur temps", "Périodicité", "Mensuel", "Linéaire", "Année", "Erreur",
     "Erreur d'expression :", "Erreur de syntaxe !"},
};

const Texts& ExpectedTexts() {
  for (const Texts& texts : kTexts)
    if (CurrentLanguage() == QLatin1String(texts.language)) return texts;
  ADD_FAILURE() << "no texts for the language " << CurrentLanguage().toStdString();
  return kTexts[0];
}

QString Read(QString text) {
  return text.replace(QChar(0x00A0), QLatin1Char(' '));
}

TEST_F(LocaleJourney, LoanAtGeneralSolvesAndOpensItsSchedule) {
  setDigits(0);  // "General"
  type("ed_I", QStringLiteral("6"));
  type("Ed_N", QStringLiteral("30*12"));
  type("ed_PV", QStringLiteral("100000"));
  click("sb_PMT");
  EXPECT_EQ(text("ed_PMT"), Local("-599.550525152752"));
  click("sb_N");  // reads back the text it wrote
  // The payment's 15 digits give N = 360.00000000000066...
  EXPECT_EQ(text("Ed_N"), Local("360.000000000001"));
  EXPECT_TRUE(messages_.shown().empty()) << ::testing::PrintToString(messages_.shown());

  type("ed_I", Local("6.5/2"));
  std::vector<QStringList> rows;
  QString rate;
  testing::OnModal<Tfrm_Amortization>([&](Tfrm_Amortization* schedule) {
    rate = Child<QLineEdit>(*schedule, "se_i")->text();
    rows = testing::ListRows(*schedule);
    Child<QToolButton>(*schedule, "sb_close")->click();
  });
  click("sb_Amortization");
  EXPECT_TRUE(messages_.shown().empty()) << ::testing::PrintToString(messages_.shown());
  EXPECT_EQ(rate, Local("3.25"));
  ASSERT_EQ(rows.size(), 360u);
  EXPECT_EQ(rows.front().join(QLatin1Char(' ')),
            Local("1 -164.37 -270.83 -164.37 -270.83 99835.63"));
  EXPECT_EQ(rows.back().join(QLatin1Char(' ')),
            Local("360 -434.03 -1.18 -100000.00 -56674.27 0.00"));
}

TEST_F(LocaleJourney, PreviewWritesEveryFormatWithTheUsersSeparator) {
  struct Case {
    int digits;  // index of "Decimal places"
    const char* typed;
    const char* preview;
  };
  const Case cases[] = {
      {0, "1/3", "0.333333333333333"},
      {0, "10^20", "1E20"},
      {0, "0.00005", "5E-5"},
      {0, "100000", "100000"},
      {0, "1/3/10^20", "3.33333333333333E-21"},
      {3, "10^15/3", "333333333333333.33"},
      {11, "10^9/7", "142857142.8571428570"},
      {3, "1/8", "0.13"},
      {1, "2.5", "3"},
  };
  for (const Case& c : cases) {
    setDigits(c.digits);
    type("ed_PV", Local(c.typed));
    EXPECT_EQ(text("se_expv"), Local(c.preview)) << c.typed << " at " << c.digits;
  }
  // The other mark is no decimal separator.
  const char other = UserDecimalSeparator() == ',' ? '.' : ',';
  type("ed_PV", QStringLiteral("2") + QLatin1Char(other) + QStringLiteral("5"));
  EXPECT_EQ(Read(text("se_expv")), QString::fromUtf8(ExpectedTexts().syntaxError));
}

// The window speaks the user's language: its captions, a list's items and header, and an error
// box's caption and text with the expression it could not read.
TEST_F(LocaleJourney, WindowAndMessagesInTheUsersLanguage) {
  const Texts& expected = ExpectedTexts();
  auto* pages = find<PageControl>("pc_main");
  EXPECT_EQ(pages->tabText(pages->indexOf(find<QWidget>("ts_tvm"))),
            QString::fromUtf8(expected.tvmTab));
  EXPECT_EQ(find<RadioGroup>("rg_PMTF")->title(), QString::fromUtf8(expected.frequency));
  EXPECT_EQ(find<RadioGroup>("rg_PMTF")->items().value(0), QString::fromUtf8(expected.monthly));

  showPage("ts_Depreciation");
  EXPECT_EQ(find<QComboBox>("cb_method")->itemText(0), QString::fromUtf8(expected.straightLine));
  type("ed_cb", QStringLiteral("2*"));
  type("ed_el", QStringLiteral("2"));
  click("sb_calc");
  ASSERT_FALSE(messages_.shown().empty());
  const Message& box = messages_.shown().front();
  EXPECT_EQ(Read(box.caption), QString::fromUtf8(expected.errorCaption));
  EXPECT_EQ(Read(box.text).remove(QLatin1Char(' ')),
            QString::fromUtf8(expected.expressionError).remove(QLatin1Char(' ')) + "2*")
      << box.text.toStdString();
  EXPECT_EQ(find<QTableView>("lv_pery")->model()->headerData(0, Qt::Horizontal).toString(),
            QString::fromUtf8(expected.yearColumn));
}

// The keypad's decimal key types the user's separator, whichever mark the layout gives it; an
// amount inserted leaves the amount field focused and selected, so the next one replaces it.
TEST_F(LocaleJourney, KeypadSeparatorAndCashFlowEntry) {
  showPage("ts_CashFlow");
  auto* amount = find<NumericEdit>("se_amount");
  for (const QString mark : {QStringLiteral("."), QStringLiteral(",")}) {
    type("se_amount", QStringLiteral("600"));
    QKeyEvent press(QEvent::KeyPress, mark == QLatin1String(".") ? Qt::Key_Period : Qt::Key_Comma,
                    Qt::KeypadModifier, mark);
    QApplication::sendEvent(amount, &press);
    QTest::keyClicks(amount, QStringLiteral("5"));
    EXPECT_EQ(amount->value(), 600.5) << mark.toStdString();
  }
  click("sb_Insert");
  EXPECT_TRUE(amount->hasFocus());
  QTest::keyClicks(amount, QStringLiteral("25"));
  EXPECT_EQ(amount->value(), 25.0);

  struct Field {
    const char* page;
    const char* name;
  };
  for (const Field field : {Field{"ts_tvm", "ed_PV"}, Field{"ts_Depreciation", "ed_cb"}}) {
    showPage(field.page);
    type(field.name, QStringLiteral("1"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Period, Qt::KeypadModifier, QStringLiteral("."));
    QApplication::sendEvent(find<QLineEdit>(field.name), &press);
    QTest::keyClicks(find<QWidget>(field.name), QStringLiteral("5"));
    EXPECT_EQ(text(field.name), Local("1.5")) << field.name;
  }
}

}  // namespace
}  // namespace quarrant::window_tests
