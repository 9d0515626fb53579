// The program-wide error report: its caption, the full-stop rule, and Guarded().
#include <stdexcept>

#include "support/print_case.h"
#include "support/window_fixture.h"

namespace quarrant::test {
namespace {

using ::quarrant::test::PrintTo;

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

}  // namespace
}  // namespace quarrant::test
