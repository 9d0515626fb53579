// The built-in help viewer, on the Rare.chm that the build compiles beside the program
// (QUARRANT_BIN_DIR), and the help file's own content: every contents entry, link and picture
// leads somewhere inside the file.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <set>

#include "platform/chm_archive.h"
#include "platform/chm_viewer.h"
#include "platform/help_links_and_contents.h"
#include "platform/help_viewer_window.h"
#include "support/print_case.h"
#include "support/qstring_print.h"

namespace quarrant::testing {
namespace {

QString BuiltHelpFile() {
  const QString bin = qEnvironmentVariable("QUARRANT_BIN_DIR");
  return bin.isEmpty() ? QString() : bin + QStringLiteral("/Rare.chm");
}

// Each help file: the English Rare.chm (parameter "") and Rare_<lang>.chm of each language
// whose translated topics have landed (the build makes only those).
class HelpFileTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    path = BuiltHelpFile();
    ASSERT_FALSE(path.isEmpty()) << "QUARRANT_BIN_DIR is not set";
    if (*GetParam() != '\0') {
      path.replace(QStringLiteral("Rare.chm"), QStringLiteral("Rare_%1.chm").arg(GetParam()));
      if (!QFileInfo(path).isFile()) GTEST_SKIP() << "no help in this language yet";
    }
    ASSERT_TRUE(QFileInfo(path).isFile()) << path.toStdString() << " was not built";
    ASSERT_TRUE(archive.open(path));
  }
  QString path;
  ChmArchive archive;
};

TEST_P(HelpFileTest, SystemDataAndContextMap) {
  EXPECT_EQ(archive.title(), "Quarrant Help");
  EXPECT_EQ(archive.defaultTopic(), "/default.htm");
  EXPECT_EQ(archive.contentsFile(), "/Rare.hhc");
  EXPECT_EQ(archive.contextTopic(1000), "/default.htm");
  EXPECT_EQ(archive.contextTopic(3000), "/amortization.htm");
  EXPECT_EQ(archive.contextTopic(1001), QString());
  const std::optional<QByteArray> picture = archive.read("/images/quarrant.png");
  ASSERT_TRUE(picture);
  EXPECT_TRUE(picture->startsWith("\x89PNG"));
  EXPECT_FALSE(archive.read("/missing.htm"));
}

TEST_P(HelpFileTest, ContentsCoverEveryTopic) {
  const std::optional<QByteArray> sitemap = archive.read(archive.contentsFile());
  ASSERT_TRUE(sitemap);
  const std::vector<ContentsEntry> entries = parseContents(QString::fromUtf8(*sitemap));
  std::set<QString> topics;
  std::function<void(const std::vector<ContentsEntry>&)> collect =
      [&](const std::vector<ContentsEntry>& list) {
        for (const ContentsEntry& entry : list) {
          EXPECT_TRUE(archive.contains("/" + entry.local)) << entry.local.toStdString();
          topics.insert(entry.local);
          collect(entry.children);
        }
      };
  collect(entries);
  const std::set<QString> expected = {
      "default.htm",  "tvm.htm",   "amortization.htm", "rates.htm",       "depreciation.htm",
      "cashflow.htm", "dates.htm", "signs.htm",        "expressions.htm", "diagnostics.htm"};
  EXPECT_EQ(topics, expected);
  ASSERT_EQ(entries.size(), 4u);
  if (*GetParam() == '\0') EXPECT_EQ(entries[0].name, "Quarrant overview");
  ASSERT_EQ(entries[0].children.size(), 5u);
  ASSERT_EQ(entries[0].children[0].children.size(), 1u);
  EXPECT_EQ(entries[0].children[0].children[0].local, "amortization.htm");
}

TEST_P(HelpFileTest, EveryLinkAndPictureIsInTheFile) {
  static const QRegularExpression reference(
      QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"#]*)(#[^\"]*)?\""));
  for (const char* topic : {"/default.htm", "/tvm.htm", "/signs.htm", "/amortization.htm",
                            "/rates.htm", "/depreciation.htm", "/cashflow.htm", "/dates.htm",
                            "/expressions.htm", "/diagnostics.htm"}) {
    const std::optional<QByteArray> html = archive.read(topic);
    ASSERT_TRUE(html) << topic;
    auto matches = reference.globalMatch(QString::fromUtf8(*html));
    int links = 0;
    while (matches.hasNext()) {
      const QString target = matches.next().captured(1);
      if (target.isEmpty() || target.contains(':')) continue;
      ++links;
      EXPECT_TRUE(archive.contains("/" + target)) << topic << " -> " << target.toStdString();
    }
    EXPECT_GT(links, 0) << topic;
  }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, HelpFileTest,
                         ::testing::Values("", "de", "fr", "es", "it", "pt_BR", "ru"),
                         [](const auto& info) {
                           return *info.param == '\0' ? std::string("en") : std::string(info.param);
                         });

using ::quarrant::test_support::PrintTo;

struct AddressCase {
  const char* name;
  QString address;
  QString file;
  QString topic;
  QString window;
};

class ParseHelpAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(ParseHelpAddressTest, SplitsTheAddress) {
  const HelpAddress parsed = parseHelpAddress(GetParam().address);
  EXPECT_EQ(parsed.file, GetParam().file);
  EXPECT_EQ(parsed.topic, GetParam().topic);
  EXPECT_EQ(parsed.window, GetParam().window);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseHelpAddressTest,
    ::testing::Values(
        AddressCase{"FileAndTopic", "/a/Rare.chm::/default.htm", "/a/Rare.chm", "/default.htm", ""},
        AddressCase{"FileOnly", "/a/Rare.chm", "/a/Rare.chm", "", ""},
        AddressCase{"FileAndWindow", "/a/Rare.chm>main", "/a/Rare.chm", "", "main"},
        AddressCase{"StoragePrefixAll", "mk:@MSITStore:/a/b c.chm::/sub/x.htm#part>win",
                    "/a/b c.chm", "/sub/x.htm#part", "win"},
        AddressCase{"ItsPrefix", "ms-its:/a/Rare.chm::/tvm.htm", "/a/Rare.chm", "/tvm.htm", ""}),
    [](const ::testing::TestParamInfo<AddressCase>& info) { return std::string(info.param.name); });

TEST(ParseContentsTest, ToleratesLooseSitemaps) {
  const QString sitemap = QStringLiteral(
      "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"A &amp; B "
      "&#252;&#x44F;&#1;\">"
      "<param name=\"Local\" value=\"a.htm\"></OBJECT>"
      "<ul><li><object type='text/sitemap'><param name=name value=Child>"
      "<param name=local value=sub\\c.htm></object></ul>"
      "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Heading\"></OBJECT>"
      "<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"ignored\"></OBJECT>"
      "</UL>");
  const std::vector<ContentsEntry> entries = parseContents(sitemap);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, QString::fromUtf8("A & B \u00FC\u044F&#1;"));
  EXPECT_EQ(entries[0].local, "a.htm");
  ASSERT_EQ(entries[0].children.size(), 1u);
  EXPECT_EQ(entries[0].children[0].name, "Child");
  EXPECT_EQ(entries[0].children[0].local, "sub\\c.htm");
  EXPECT_EQ(entries[1].name, "Heading");
  EXPECT_TRUE(entries[1].local.isEmpty());
}

TEST(ParseContentsTest, DamagedSitemapsAreReadInOnePass) {
  // Damaged contents files: lists nested without end built a tree as deep, whose teardown
  // overflowed the stack at about a million levels, and a long tail of "<" without a ">"
  // took hours to read.
  const int depth = 20000;
  QString sitemap;
  for (int i = 0; i < depth; ++i)
    sitemap +=
        QStringLiteral("<ul><object type=text/sitemap><param name=Name value=%1></object>").arg(i);
  sitemap += QStringLiteral("<a").repeated(1000000);
  std::vector<ContentsEntry> entries = parseContents(sitemap);
  size_t levels = 0;
  size_t count = 0;
  for (const std::vector<ContentsEntry>* level = &entries; !level->empty();
       level = &level->back().children) {
    ++levels;
    count += level->size();
  }
  EXPECT_EQ(levels, kMaxContentsDepth);
  EXPECT_EQ(count, static_cast<size_t>(depth));  // nothing lost
  EXPECT_EQ(entries[0].name, "0");
}

// ---- The viewer window ----

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = BuiltHelpFile();
    ASSERT_TRUE(QFileInfo(path).isFile()) << "Rare.chm was not built (QUARRANT_BIN_DIR)";
  }
  void TearDown() override { closeHelpViewers(); }

  static QString Text(HelpViewerWindow* window) {
    return window->findChild<QTextBrowser*>("hb_topic")->toPlainText();
  }
  QString path;
};

TEST_F(ViewerTest, DisplayTopicOpensOneWindowPerFile) {
  QWidget* shown = HtmlHelpViewer(nullptr, path + "::/default.htm", 0, 0);
  auto* window = dynamic_cast<HelpViewerWindow*>(shown);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->currentTopic(), "/default.htm");
  EXPECT_TRUE(Text(window).contains("Quarrant financial calculator"));
  EXPECT_EQ(window->windowTitle(), "Quarrant Help");
  EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));

  // The page's picture and style sheet come out of the help file.
  QTextBrowser* browser = window->findChild<QTextBrowser*>("hb_topic");
  EXPECT_TRUE(browser->loadResource(QTextDocument::ImageResource, QUrl("images/quarrant.png"))
                  .toByteArray()
                  .startsWith("\x89PNG"));
  EXPECT_TRUE(browser->loadResource(QTextDocument::StyleSheetResource, QUrl("style.css"))
                  .toString()
                  .contains("font-family"));

  // The same file again: the same window, on the new topic.
  EXPECT_EQ(HtmlHelpViewer(nullptr, "mk:@MSITStore:" + path + "::/rates.htm", 0, 0), shown);
  EXPECT_EQ(window->currentTopic(), "/rates.htm");
  // A file address alone shows the default topic.
  HtmlHelpViewer(nullptr, path, 0, 0);
  EXPECT_EQ(window->currentTopic(), "/default.htm");
}

TEST_F(ViewerTest, HelpContextAndCloseAll) {
  QPointer<QWidget> window = HtmlHelpViewer(nullptr, path, 15, 3000);
  ASSERT_TRUE(window);
  EXPECT_EQ(static_cast<HelpViewerWindow*>(window.data())->currentTopic(), "/amortization.htm");
  HtmlHelpViewer(nullptr, path, 15, 4242);
  EXPECT_TRUE(Text(static_cast<HelpViewerWindow*>(window.data()))
                  .contains("no topic for help context 4242"));
  EXPECT_EQ(HtmlHelpViewer(nullptr, path, 99, 0), nullptr);
  EXPECT_EQ(HtmlHelpViewer(nullptr, QString(), 18, 0), nullptr);
  EXPECT_TRUE(window.isNull());
}

TEST_F(ViewerTest, LinksHistoryHomeAndContents) {
  auto* window = static_cast<HelpViewerWindow*>(HtmlHelpViewer(nullptr, path + "::/tvm.htm", 0, 0));
  QTextBrowser* browser = window->findChild<QTextBrowser*>("hb_topic");
  auto* back = window->findChild<QToolButton*>("tb_back");
  auto* forward = window->findChild<QToolButton*>("tb_forward");

  emit browser->anchorClicked(QUrl("signs.htm"));
  EXPECT_EQ(window->currentTopic(), "/signs.htm");
  EXPECT_TRUE(Text(window).contains("The sign convention"));
  EXPECT_TRUE(back->isEnabled());
  EXPECT_FALSE(forward->isEnabled());

  back->click();
  EXPECT_EQ(window->currentTopic(), "/tvm.htm");
  EXPECT_TRUE(forward->isEnabled());
  forward->click();
  EXPECT_EQ(window->currentTopic(), "/signs.htm");

  window->findChild<QToolButton*>("tb_home")->click();
  EXPECT_EQ(window->currentTopic(), "/default.htm");
  back->click();
  EXPECT_EQ(window->currentTopic(), "/signs.htm");

  auto* contents = window->findChild<QTreeWidget*>("tv_contents");
  const QList<QTreeWidgetItem*> found = contents->findItems("Cash Flow", Qt::MatchRecursive);
  ASSERT_EQ(found.size(), 1);
  emit contents->itemClicked(found[0], 0);
  EXPECT_EQ(window->currentTopic(), "/cashflow.htm");
  // Navigating selects the topic's entry in the contents.
  window->showTopic("depreciation.htm");
  ASSERT_NE(contents->currentItem(), nullptr);
  EXPECT_EQ(contents->currentItem()->text(0), "Depreciation");
}

// Records the web addresses handed to the desktop instead of opening them.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened.append(url); }
};

// The history, step by step: a new visit forgets the places ahead (also when it is the next of
// them), the place shown again and a message page make no entry, an anchor in the same topic
// does, web addresses and other help files stay out of it; the buttons and their keys follow.
TEST_F(ViewerTest, HistoryOfVisits) {
  auto* window = static_cast<HelpViewerWindow*>(HtmlHelpViewer(nullptr, path + "::/tvm.htm", 0, 0));
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTextBrowser* browser = window->findChild<QTextBrowser*>("hb_topic");
  auto* back = window->findChild<QToolButton*>("tb_back");
  auto* forward = window->findChild<QToolButton*>("tb_forward");
  auto* contents = window->findChild<QTreeWidget*>("tv_contents");
  UrlRecorder desktop;
  QDesktopServices::setUrlHandler("http", &desktop, "open");

  using Action = std::function<void()>;
  auto link = [&](const QString& to) -> Action {
    return [=] { emit browser->anchorClicked(QUrl(to)); };
  };
  auto click = [](QToolButton* button) -> Action { return [=] { button->click(); }; };
  auto context = [&](int number) -> Action {
    return [file = path, number] { HtmlHelpViewer(nullptr, file, 15, number); };
  };
  // The button of an enabled key clicks itself a moment after the key.
  auto alt = [&](Qt::Key key) -> Action {
    return [=] {
      QTest::keyClick(browser, key, Qt::AltModifier);
      EXPECT_TRUE(QTest::qWaitFor([&] { return !back->isDown() && !forward->isDown(); }));
    };
  };
  const Action signs = [&] {
    emit contents->itemClicked(contents->findItems("The sign convention", Qt::MatchRecursive)[0],
                               0);
  };
  struct Step {
    Action action;
    QString topic;
    bool backEnabled;
    bool forwardEnabled;
    QString text;  // a part of the page shown, or empty
  };
  const QString overview = "Quarrant financial calculator";
  const QString noContext = "no topic for help context 4242";
  const Step steps[] = {
      {link("signs.htm"), "/signs.htm", true, false, "The sign convention"},
      {link("rates.htm"), "/rates.htm", true, false, ""},
      {alt(Qt::Key_Left), "/signs.htm", true, true, "The sign convention"},
      {click(back), "/tvm.htm", false, true, ""},
      {alt(Qt::Key_Left), "/tvm.htm", false, true, ""},     // nothing behind
      {link("signs.htm"), "/signs.htm", true, false, ""},   // rates.htm is forgotten
      {alt(Qt::Key_Right), "/signs.htm", true, false, ""},  // nothing ahead
      {link("#part"), "/signs.htm", true, false, ""},
      {click(back), "/signs.htm", true, true, ""},
      {signs, "/signs.htm", true, true, ""},  // the place shown: no entry
      {context(4242), "/signs.htm", true, true, noContext},
      {click(back), "/tvm.htm", false, true, ""},
      {click(forward), "/signs.htm", true, true, "The sign convention"},
      {link("http://example.com/rates"), "/signs.htm", true, true, ""},
      {click(window->findChild<QToolButton*>("tb_home")), "/default.htm", true, false, ""},
      {context(4242), "/default.htm", true, false, noContext},
      // The overview link of the message, though the overview is the place shown.
      {link("chm:/default.htm"), "/default.htm", true, false, overview},
      {link("nope.htm"), "/nope.htm", true, false, "Topic not found"},
      {context(3000), "/amortization.htm", true, false, ""},
      {alt(Qt::Key_Left), "/nope.htm", true, true, "The topic /nope.htm is not in this help file."},
      {alt(Qt::Key_Left), "/default.htm", true, true, overview},
      {link("ms-its:Other.chm::/other.htm"), "/default.htm", true, true, ""},
  };
  int number = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE(::testing::Message() << "step " << ++number);
    QTreeWidgetItem* const selected = contents->currentItem();
    step.action();
    EXPECT_EQ(window->currentTopic(), step.topic);
    EXPECT_EQ(back->isEnabled(), step.backEnabled);
    EXPECT_EQ(forward->isEnabled(), step.forwardEnabled);
    if (!step.text.isEmpty())
      EXPECT_TRUE(Text(window).contains(step.text)) << Text(window).toStdString();
    // A topic that the file does not hold leaves the contents' entry as it was.
    if (step.topic == "/nope.htm") EXPECT_EQ(contents->currentItem(), selected);
  }
  QDesktopServices::unsetUrlHandler("http");
  EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl("http://example.com/rates")});
  // The other help file's link opened a window of its own.
  int others = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* viewer = dynamic_cast<HelpViewerWindow*>(widget);
    if (viewer && viewer->isVisible() && viewer->chmPath().endsWith("/Other.chm")) ++others;
  }
  EXPECT_EQ(others, 1);

  // A page comes from its top, on Back as on a visit; the page shown stays where it was.
  QScrollBar* scroll = browser->verticalScrollBar();
  window->showTopic("depreciation.htm");
  ASSERT_GT(scroll->maximum(), 0);
  scroll->setValue(scroll->maximum());
  window->showTopic("depreciation.htm");
  EXPECT_EQ(scroll->value(), scroll->maximum());
  scroll->setValue(scroll->maximum());
  window->showTopic("tvm.htm");
  back->click();
  EXPECT_EQ(window->currentTopic(), "/depreciation.htm");
  EXPECT_EQ(scroll->value(), 0);
}

TEST_F(ViewerTest, MissingTopicAndMissingFileAreShownInTheWindow) {
  auto* window =
      static_cast<HelpViewerWindow*>(HtmlHelpViewer(nullptr, path + "::/nope.htm", 0, 0));
  EXPECT_TRUE(Text(window).contains("Topic not found"));
  EXPECT_TRUE(Text(window).contains("/nope.htm"));

  auto* missing = static_cast<HelpViewerWindow*>(
      HtmlHelpViewer(nullptr, "/nonexistent/Missing.chm::/default.htm", 0, 0));
  ASSERT_NE(missing, nullptr);
  EXPECT_NE(missing, window);
  EXPECT_FALSE(missing->isOpen());
  EXPECT_TRUE(Text(missing).contains("could not be opened"));
}

TEST(ChmArchiveTest, RefusesFilesThatAreNotHelpFiles) {
  ChmArchive archive;
  EXPECT_FALSE(archive.open("/nonexistent/file.chm"));
  EXPECT_FALSE(archive.open(QDir::tempPath()));
  EXPECT_FALSE(archive.read("/default.htm"));
}

}  // namespace
}  // namespace quarrant::testing

#include "viewer_test.moc"
