// Numbers are read and written with the user's decimal separator. The locale of a process is
// fixed when it starts, so the checks run in a child process of this test program started with
// a German locale (decimal comma).
#include <QProcess>
#include <QProcessEnvironment>

#include "support/regional.h"
#include "support/window_fixture.h"

namespace quarrant::window_tests {
namespace {

// Runs in the child only (started by the test below).
TEST_F(WindowTest, DISABLED_CommaLocaleReadsAndWritesCommas) {
  ASSERT_EQ(UserDecimalSeparator(), ',');
  struct Case {
    const char* typed;
    const char* preview;
  };
  const Case cases[] = {{"2,5*2", "5,00"}, {"2.5", "Syntax Error!"}, {"1/8", "0,13"}};
  for (const Case& c : cases) {
    type("ed_PV", QString::fromLatin1(c.typed));
    EXPECT_EQ(text("se_expv"), QString::fromLatin1(c.preview)) << c.typed;
  }
  set("ed_I", "6");
  set("Ed_N", "30*12");
  set("ed_PV", "100000");
  click("sb_PMT");
  EXPECT_EQ(text("ed_PMT"), QStringLiteral("-599,55"));
  click("sb_N");  // reads the comma it wrote
  EXPECT_EQ(text("Ed_N"), QStringLiteral("360,00"));
  EXPECT_TRUE(messages_.shown().empty());
}

TEST(RegionalSettings, DecimalCommaOfTheUsersLocale) {
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
  environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_also_run_disabled_tests"),
               QStringLiteral("--gtest_filter=*DISABLED_CommaLocale*")});
  ASSERT_TRUE(child.waitForFinished(120000));
  const QString output = QString::fromLocal8Bit(child.readAll());
  EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}

}  // namespace
}  // namespace quarrant::window_tests
