// The program-wide error report: its caption, the full-stop rule, Guarded(), and the engine's
// messages in the user's language.
#include <QTranslator>
#include <stdexcept>

#include "engine/cmpEvaluator.h"
#include "engine/engine_errors.h"

#include "support/print_case.h"
#include "support/window_fixture.h"

namespace quarrant::window_tests {
namespace {

using ::quarrant::test_support::PrintTo;

struct TitleCase {
  const char* file;
  const char* title;
};
inline void PrintTo(const TitleCase& c, std::ostream* out) {
  *out << c.file;
}

class TitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleTest, FromTheProgramFileName) {
  EXPECT_EQ(ApplicationTitleFor(QString::fromLatin1(GetParam().file)),
            QString::fromLatin1(GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(Names, TitleTest,
                         ::testing::Values(TitleCase{"quarrant", "Quarrant"},
                                           TitleCase{"QUARRANT.EXE", "Quarrant"},
                                           TitleCase{"calc.tar.gz", "Calc"},
                                           TitleCase{".hidden", ""}, TitleCase{"", ""}),
                         [](const auto& info) { return "Row" + std::to_string(info.index); });

struct StopCase {
  const char* message;
  const char* shown;
};
inline void PrintTo(const StopCase& c, std::ostream* out) {
  *out << c.message;
}

class FullStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(FullStopTest, AppendedAfterCharactersAboveTheStop) {
  EXPECT_EQ(WithFullStop(QString::fromLatin1(GetParam().message)),
            QString::fromLatin1(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FullStopTest,
    ::testing::Values(StopCase{"Floating point overflow", "Floating point overflow."},
                      StopCase{"FutureValue", "FutureValue."}, StopCase{"Code 42", "Code 42."},
                      StopCase{"Done.", "Done."}, StopCase{"Stop!", "Stop!"},
                      StopCase{"(see above)", "(see above)"}, StopCase{"a/", "a/."},
                      StopCase{"", ""}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST(GuardedTest, ReportsTheErrorAndGoesOn) {
  MessageCatcher messages;
  int after = 0;
  EXPECT_FALSE(Guarded([] { throw std::runtime_error("Invalid floating point operation"); }));
  EXPECT_TRUE(Guarded([&] { ++after; }));
  EXPECT_EQ(after, 1);
  EXPECT_EQ(messages.shown(),
            (std::vector<Message>{ProgramReport("Invalid floating point operation.")}));
  EXPECT_EQ(ApplicationTitle(), QStringLiteral("Forms_tests"));
}

// Translates every text, marking where a translation's argument goes: "#%1#".
class MarkingTranslator : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (qstrcmp(context, "EngineMessages") != 0) return {};
    return QString::fromUtf8(source).replace(QStringLiteral("%1"), QStringLiteral("#%1#"));
  }
  bool isEmpty() const override { return false; }
};

// The evaluator's messages carry a position or the number typed; they are looked up by their
// pattern, so the engine's text and the translation table must agree to the last blank.
TEST(EngineMessagesTest, AValueInAMessageBecomesTheTranslationsArgument) {
  MarkingTranslator translator;
  QCoreApplication::installTranslator(&translator);
  for (const char* expression : {"2*", "(1", "1)", "2*(3", "1.2.3", "2,5"}) {
    TExpressionEvaluator evaluator('.');
    evaluator.Expression = expression;
    try {
      evaluator.Evaluate();
      ADD_FAILURE() << expression << " was read";
    } catch (const EEngineError& error) {
      const QString shown = DisplayedErrorText(error.what());
      EXPECT_TRUE(shown.contains(QRegularExpression(QStringLiteral("#[^#]+#$|'#[^#]+#'"))))
          << expression << ": " << shown.toStdString();
      EXPECT_EQ(QString(shown).remove(QLatin1Char('#')), QString::fromUtf8(error.what()));
    }
  }
  QCoreApplication::removeTranslator(&translator);
}

}  // namespace
}  // namespace quarrant::window_tests
