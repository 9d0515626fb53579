// The help system: addresses, the help control's location and loading, showing topics and
// contexts in every view mode with their traces and messages, and the help request hook.
#include <gtest/gtest.h>
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QWidget>

#include "forms/Utfrm_ZavuzirEza.h"
#include "help_fixture.h"
#include "support/print_case.h"

namespace quarrant::test {
namespace {

const QString kTime = QStringLiteral("14:07:09   ");
const QString kChm = QStringLiteral("/opt/Rare/Rare.chm");

using ::quarrant::test::PrintTo;

struct AddressCase {
  const char* name;
  QString chmFile;
  QString topic;
  QString winDef;
  bool storagePrefix;
  QString expected;
};

class MakeHelpAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(MakeHelpAddressTest, BuildsTheAddress) {
  const AddressCase& c = GetParam();
  EXPECT_EQ(MakeHelpAddress(c.chmFile, c.topic, c.winDef, c.storagePrefix).toStdString(),
            c.expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MakeHelpAddressTest,
    ::testing::Values(
        AddressCase{"BackslashesBecomeSlashes", kChm, "sub\\page.htm", "", false,
                    kChm + "::/sub/page.htm"},
        AddressCase{"LeadingSlashNotDoubled", kChm, "/page.htm", "", false, kChm + "::/page.htm"},
        AddressCase{"EncodedSpacesAndOuterSpaces", kChm, "  my%20own%20page.htm  ", "", false,
                    kChm + "::/my own page.htm"},
        AddressCase{"OnlyCode32IsTrimmed", kChm, "\tpage.htm", "", false, kChm + "::/\tpage.htm"},
        AddressCase{"WindowDefinition", kChm, "page.htm", " main ", false,
                    kChm + "::/page.htm>main"},
        AddressCase{"StoragePrefix", kChm, "page.htm", "", true,
                    "mk:@MSITStore:" + kChm + "::/page.htm"},
        AddressCase{"EmptyTopicGivesFileAlone", kChm, "", "", false, kChm},
        AddressCase{"EmptyTopicWithWindowAndPrefix", " /opt/My%20Help.chm ", "", "win", true,
                    "mk:@MSITStore:/opt/My Help.chm>win"},
        AddressCase{"NoFileGivesTopicAlone", "", "page.htm", "", false, "/page.htm"},
        AddressCase{"TopicOfSpacesIsEmpty", kChm, "%20 %20", "", false, kChm}),
    [](const ::testing::TestParamInfo<AddressCase>& info) { return std::string(info.param.name); });

TEST(HelpCommandNameTest, NamesKnownCommandsAndMarksOthers) {
  const std::pair<uint16_t, const char*> cases[] = {
      {1, "1 (HELP_CONTEXT)"},
      {6, "6 (?\?)"},
      {3, "3 (HELP_INDEX or HELP_CONTENTS)"},
      {5, "5 (HELP_SETINDEX or HELP_SETCONTENTS)"},
      {8, "8 (HELP_CONTEXTPOPUP)"},
      {13, "13 (HELP_SETPOPUP_POS)"},
      {261, "261 (HELP_PARTIALKEY)"},
      {515, "515 (HELP_SETWINPOS)"},
      {0, "0 (?\?)"},
      {65535, "65535 (?\?)"},
  };
  for (const auto& [command, name] : cases) EXPECT_EQ(HelpCommandName(command).toStdString(), name);
}

// ---- Locating and loading the help control ----

using HelpControlTest = HelpUnitTest;

TEST_F(HelpControlTest, PathFromTheRegistryOrTheSystemFolder) {
  const QString key = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
  fake.windowsFolder = "/fake/windows//";
  fake.virtualFiles.insert("/fake/windows/System32/hhctrl.ocx");
  fake.virtualFiles.insert("/opt/help/hhctrl.ocx");
  const struct {
    std::optional<QString> value;
    QString expected;
  } cases[] = {
      {std::nullopt, "/fake/system/hhctrl.ocx"},
      {QString(), "/fake/system/hhctrl.ocx"},
      {"%SYSTEMROOT%/System32/hhctrl.ocx", "/fake/windows/System32/hhctrl.ocx"},
      {"%SystemRoot%/System32/hhctrl.ocx", "/fake/windows/System32/hhctrl.ocx"},
      {"%SystemRoot%/missing/hhctrl.ocx", "/fake/system/hhctrl.ocx"},
      {"/opt/help/hhctrl.ocx", "/opt/help/hhctrl.ocx"},
      {"/opt/gone/hhctrl.ocx", "/fake/system/hhctrl.ocx"},
  };
  for (const auto& c : cases) {
    fake.registry.clear();
    if (c.value) fake.registry[key] = *c.value;
    EXPECT_EQ(HelpControlPath().toStdString(), c.expected.toStdString())
        << c.value.value_or("<no key>").toStdString();
  }
}

TEST_F(HelpControlTest, LoadsOnceAndOnlyAnExistingLibrary) {
  LoadHelpControl();
  EXPECT_FALSE(HelpControlLoaded());  // no file

  const QString path = fake.systemFolder + "/hhctrl.ocx";
  fake.virtualFiles.insert(path);
  LoadHelpControl();
  EXPECT_FALSE(HelpControlLoaded());  // a file, but not a library

  fake.libraries.insert(path);
  LoadHelpControl();
  LoadHelpControl();
  EXPECT_TRUE(HelpControlLoaded());
  EXPECT_EQ(fake.loadedLibraries, 1);
  UnloadHelpControl();
  EXPECT_FALSE(HelpControlLoaded());
  EXPECT_EQ(fake.loadedLibraries, 0);
}

// ---- The window title ----

TEST_F(HelpUnitTest, WindowTitleCarriesTheProgramFilesVersion) {
  fake.virtualFiles.insert(fake.moduleFile);
  fake.versions[fake.moduleFile] = FileVersion{3, 2, 7, 9};
  EXPECT_EQ(Tfrm_ZavuzirEza().windowTitle(), QStringLiteral("Quarrant V3.2"));
  fake.versions.clear();  // a program file without version information
  EXPECT_EQ(Tfrm_ZavuzirEza().windowTitle(), QStringLiteral("Quarrant V0.0"));
}

// ---- Showing help ----

using ShowHelpTest = HelpUnitTest;

TEST_F(ShowHelpTest, HelpButtonTraceWithTheViewerInstalled) {
  InstallHelpControl();
  StartWithLogging();
  THookHelpSystem help(kChm, "", 0);
  const NativeWindow viewer = 0x2a04;
  fake.helpWindow = viewer;

  EXPECT_EQ(help.HelpTopic("default.htm"), 0);

  ASSERT_EQ(fake.helpCalls.size(), 1u);
  EXPECT_TRUE(fake.helpCalls[0].ownerIsDesktop);
  EXPECT_EQ(fake.helpCalls[0].address, kChm + "::/default.htm");
  EXPECT_EQ(fake.helpCalls[0].command, 0u);
  EXPECT_EQ(fake.helpCalls[0].data, 0);
  EXPECT_EQ(fake.foregrounded, std::vector<NativeWindow>{viewer});
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(TraceLines(), (QStringList{
                              kTime + "THookHelpSystem.Create(\"" + kChm + "\",\"\", 0)",
                              kTime + "HHHelpContext(\"" + kChm + "\", default.htm, \"\", 0)",
                              kTime + "ShowTopic(\"" + kChm + "::/default.htm\", 0)",
                              kTime + "  returned - 0",
                          }));
}

TEST_F(ShowHelpTest, HelpButtonTraceWithoutTheViewer) {
  StartWithLogging();
  THookHelpSystem help(kChm, "", 0);
  QStringList logAtMessage;
  fake.onMessage = [&](const FakePlatform::Message&) { logAtMessage = TraceLines(); };

  EXPECT_EQ(help.HelpTopic("default.htm"), 1);

  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, "MS Html Help is not installed on this PC.");
  EXPECT_EQ(fake.messages[0].icon, MessageIcon::Warning);
  EXPECT_TRUE(fake.helpCalls.empty());
  const QStringList before = {
      kTime + "THookHelpSystem.Create(\"" + kChm + "\",\"\", 0)",
      kTime + "HHHelpContext(\"" + kChm + "\", default.htm, \"\", 0)",
      kTime + "ShowTopic(\"" + kChm + "::/default.htm\", 0)",
      kTime + "  returned - 1",
  };
  EXPECT_EQ(logAtMessage, before) << "the error line follows the closed message box";
  EXPECT_EQ(TraceLines(),
            before + QStringList{kTime +
                                 "HHShowError(1), \"MS Html Help is not installed on this PC.\""});
}

TEST_F(ShowHelpTest, InstalledButNotLoadedCountsAsNotInstalled) {
  const QString path = fake.systemFolder + "/hhctrl.ocx";
  fake.virtualFiles.insert(path);
  fake.versions[path] = {5, 2, 3790, 0};  // has a version, but does not load
  StartWithLogging();
  EXPECT_TRUE(UnitValues().hhInstalled);
  EXPECT_EQ(ShowTopic(kChm + "::/default.htm", 0), 1);
}

TEST_F(ShowHelpTest, ContextGoesToTheControlWithItsNumber) {
  InstallHelpControl();
  StartWithLogging();
  THookHelpSystem help(kChm, "main", 0);
  EXPECT_EQ(help.HelpContext(1000), 0);
  ASSERT_EQ(fake.helpCalls.size(), 1u);
  EXPECT_EQ(fake.helpCalls[0].address, kChm + ">main");
  EXPECT_EQ(fake.helpCalls[0].command, 15u);
  EXPECT_EQ(fake.helpCalls[0].data, 1000);
  EXPECT_EQ(TraceLines().mid(1), (QStringList{
                                     kTime + "HHHelpContext(\"" + kChm + "\", 1000, \"main\", 0)",
                                     kTime + "ShowContext(\"" + kChm + ">main\", 0)",
                                     kTime + "  returned - 0",
                                 }));
}

struct ModeCase {
  const char* name;
  uint8_t mode;
  bool byContext;
  bool programExists;
  int code;
  QString shellDocument;  // empty: no shell call
  QString shellParameters;
  QString message;  // empty: no message
};

class ViewModeTest : public HelpUnitTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ViewModeTest, ShowsByTheModesMeans) {
  const ModeCase& c = GetParam();
  InstallHelpControl();
  if (c.programExists) {
    fake.virtualFiles.insert(fake.windowsFolder + "/KeyHH.EXE");
    fake.virtualFiles.insert(fake.windowsFolder + "/HH.EXE");
  }
  StartWithLogging();
  THookHelpSystem help(kChm, "", c.mode);
  const int code = c.byContext ? help.HelpContext(42) : help.HelpTopic("page.htm");
  EXPECT_EQ(code, c.code);
  if (c.shellDocument.isEmpty()) {
    EXPECT_TRUE(fake.shellCalls.empty());
  } else {
    ASSERT_EQ(fake.shellCalls.size(), 1u);
    EXPECT_EQ(fake.shellCalls[0].document, c.shellDocument);
    EXPECT_EQ(fake.shellCalls[0].parameters.toStdString(), c.shellParameters.toStdString());
  }
  if (c.message.isEmpty()) {
    EXPECT_TRUE(fake.messages.empty());
  } else {
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, c.message);
    EXPECT_EQ(TraceLines().last(),
              kTime + QString("HHShowError(%1), \"%2\"").arg(c.code).arg(c.message));
  }
  EXPECT_TRUE(fake.helpCalls.empty());
}

const QString kKeyHH = QStringLiteral("/fake/windows/KeyHH.EXE");
const QString kHH = QStringLiteral("/fake/windows/HH.EXE");

INSTANTIATE_TEST_SUITE_P(
    Modes, ViewModeTest,
    ::testing::Values(
        ModeCase{"KeyHHTopic", 1, false, true, 0, kKeyHH, "-win " + kChm + "::/page.htm", ""},
        ModeCase{"KeyHHContext", 1, true, true, 0, kKeyHH, "-win -#mapid 42 " + kChm, ""},
        ModeCase{"KeyHHMissing", 1, false, false, 2, "", "",
                 "System file KeyHH.EXE was not found in the Windows folder."},
        ModeCase{"HHTopic", 2, false, true, 0, kHH, "mk:@MSITStore:" + kChm + "::/page.htm", ""},
        ModeCase{"HHContext", 2, true, true, 0, kHH, "-mapid 42 mk:@MSITStore:" + kChm, ""},
        ModeCase{"HHMissing", 2, true, false, 3, "", "",
                 "System file HH.EXE was not found in the Windows folder."},
        ModeCase{"OtherModeShowsNothing", 7, false, true, 0, "", "", ""}),
    [](const ::testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.name); });

TEST_F(ShowHelpTest, UnknownCodeHasItsOwnMessage) {
  HHShowError(9);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, "Unknown error returned by HHHelpContext");
  HHShowError(0);
  EXPECT_EQ(fake.messages.size(), 1u);
}

// ---- The object and its hook ----

using HookTest = HelpUnitTest;

TEST_F(HookTest, PopupPositionIsTwoSignedHalves) {
  InstallHelpControl();
  StartWithLogging();
  THookHelpSystem help(kChm, "", 0);
  bool callHelp = true;
  EXPECT_TRUE(help.HelpHook(13, static_cast<int32_t>(0xFFFF0010u), callHelp));
  EXPECT_FALSE(callHelp);
  EXPECT_EQ(help.PopupX, 16);
  EXPECT_EQ(help.PopupY, -1);
  EXPECT_TRUE(fake.helpCalls.empty());

  // A context popup without a popup handler shows the context in the viewer.
  EXPECT_TRUE(help.HelpHook(8, 77, callHelp));
  ASSERT_EQ(fake.helpCalls.size(), 1u);
  EXPECT_EQ(fake.helpCalls[0].command, 15u);
  EXPECT_EQ(fake.helpCalls[0].data, 77);

  // With one, the handler gets the stored position instead.
  std::vector<std::array<int32_t, 3>> popups;
  help.OnPopup = [&](int32_t context, int32_t x, int32_t y) { popups.push_back({context, x, y}); };
  help.HelpHook(8, 78, callHelp);
  EXPECT_EQ(popups, (std::vector<std::array<int32_t, 3>>{{78, 16, -1}}));
  EXPECT_EQ(fake.helpCalls.size(), 1u);

  const QStringList trace = TraceLines();
  EXPECT_TRUE(trace.contains(kTime + "THookHelpSystem.HelpHook(13 (HELP_SETPOPUP_POS), -65520)"));
  EXPECT_TRUE(trace.contains(kTime + "THookHelpSystem.HelpHook(8 (HELP_CONTEXTPOPUP), 77)"));
}

TEST_F(HookTest, CommandsAndTheCallHelpFlag) {
  InstallHelpControl();
  LoadHelpControl();
  InitializeDiagnosticLog();
  THookHelpSystem help(kChm, "", 0);
  std::vector<int32_t> contexts;

  const struct {
    uint16_t command;
    bool withContextHandler;
    bool callHelpAfter;
    size_t helpCalls;
  } cases[] = {
      {1, false, false, 1},  // context: shown in the viewer
      {1, true, false, 0},   // context handler replaces it
      {3, false, true, 0},   // any other command: the toolkit's own handling goes on
      {2, false, true, 0},  {257, false, true, 0},
  };
  for (const auto& c : cases) {
    fake.helpCalls.clear();
    help.OnContext = nullptr;
    if (c.withContextHandler)
      help.OnContext = [&](int32_t context) { contexts.push_back(context); };
    bool callHelp = !c.callHelpAfter;
    EXPECT_TRUE(help.HelpHook(c.command, 5, callHelp)) << c.command;
    EXPECT_EQ(callHelp, c.callHelpAfter) << c.command;
    EXPECT_EQ(fake.helpCalls.size(), c.helpCalls) << c.command;
  }
  EXPECT_EQ(contexts, std::vector<int32_t>{5});
}

TEST_F(HookTest, ChainAsksThePreviousHandlerFirst) {
  std::vector<uint16_t> previousCalls;
  SetApplicationHelpHandler([&](uint16_t command, int32_t, bool&) {
    previousCalls.push_back(command);
    return false;
  });
  THookHelpSystem help(kChm, "", 0);
  bool callHelp = true;
  EXPECT_TRUE(help.HelpHook(13, 0, callHelp));  // chain is clear at creation
  EXPECT_TRUE(previousCalls.empty());
  help.Chain = true;
  EXPECT_FALSE(help.HelpHook(13, 0, callHelp));
  EXPECT_EQ(previousCalls, std::vector<uint16_t>{13});
}

TEST_F(HookTest, TakesOverAndGivesBackTheApplicationHandler) {
  InstallHelpControl();
  StartWithLogging();
  int previousCalls = 0;
  SetApplicationHelpHandler([&](uint16_t, int32_t, bool&) {
    ++previousCalls;
    return true;
  });
  {
    THookHelpSystem help(kChm, "", 0);
    bool callHelp = true;
    ApplicationHelpHandler()(13, 0x00020001, callHelp);
    EXPECT_EQ(help.PopupX, 1);
    EXPECT_EQ(help.PopupY, 2);
    EXPECT_EQ(previousCalls, 0);
  }
  // Destroyed: the help windows are closed and the previous handler is back.
  ASSERT_FALSE(fake.helpCalls.empty());
  EXPECT_EQ(fake.helpCalls.back().command, 18u);
  EXPECT_TRUE(fake.helpCalls.back().address.isEmpty());
  EXPECT_TRUE(fake.helpCalls.back().ownerIsDesktop);
  EXPECT_EQ(TraceLines().last(), kTime + "THookHelpSystem.Destroy");
  bool callHelp = true;
  ApplicationHelpHandler()(1, 0, callHelp);
  EXPECT_EQ(previousCalls, 1);
}

TEST_F(HookTest, ObjectsDestroyedOutOfOrderLeaveNoHandlerOfADestroyedObject) {
  auto first = std::make_unique<THookHelpSystem>(kChm, "", 3);
  auto second = std::make_unique<THookHelpSystem>(kChm, "", 3);
  first.reset();  // while the second holds the requests
  bool callHelp = true;
  ASSERT_TRUE(ApplicationHelpHandler());
  ApplicationHelpHandler()(13, 0x00050006, callHelp);
  EXPECT_EQ(second->PopupX, 6);
  second->Chain = true;  // the previous handler is the one before the first object: none
  EXPECT_TRUE(second->HelpHook(13, 0, callHelp));
  second.reset();
  EXPECT_FALSE(ApplicationHelpHandler());
}

// ---- Help requests from the widgets ----

class HelpRequestTest : public HelpUnitTest {
 protected:
  void SetUp() override {
    HelpUnitTest::SetUp();
    InstallHelpControl();
    StartWithLogging();
    help = std::make_unique<THookHelpSystem>(kChm, "", 0);
    auto* layout = new QVBoxLayout(&window);
    edit = new QLineEdit(&window);
    layout->addWidget(edit);
    window.show();
  }
  void TearDown() override {
    help.reset();
    HelpUnitTest::TearDown();
  }
  std::unique_ptr<THookHelpSystem> help;
  QWidget window;
  QLineEdit* edit = nullptr;
};

TEST_F(HelpRequestTest, F1AsksForTheWidgetsHelpContext) {
  window.setProperty(kHelpContextProperty, 3000);
  QTest::keyClick(edit, Qt::Key_F1);
  ASSERT_EQ(fake.helpCalls.size(), 1u);
  EXPECT_EQ(fake.helpCalls[0].command, 15u);
  EXPECT_EQ(fake.helpCalls[0].data, 3000);
  EXPECT_TRUE(TraceLines().contains(kTime + "THookHelpSystem.HelpHook(1 (HELP_CONTEXT), 3000)"));

  edit->setProperty(kHelpContextProperty, 3001);  // the nearest context wins
  QTest::keyClick(edit, Qt::Key_F1);
  ASSERT_EQ(fake.helpCalls.size(), 2u);
  EXPECT_EQ(fake.helpCalls[1].data, 3001);

  QTest::keyClick(edit, Qt::Key_F1, Qt::ControlModifier);  // not a help request
  EXPECT_EQ(fake.helpCalls.size(), 2u);
}

TEST_F(HelpRequestTest, WidgetWithoutHelpContextHasNoHelp) {
  QTest::keyClick(edit, Qt::Key_F1);
  EXPECT_TRUE(fake.helpCalls.empty());
}

TEST_F(HelpRequestTest, WindowWithItsOwnHandlerGetsItsRequests) {
  std::vector<std::pair<uint16_t, int32_t>> own;
  window.setProperty(kHelpContextProperty, 1000);
  SetWindowHelpHandler(&window, [&](uint16_t command, int32_t data, bool& callHelp) {
    own.emplace_back(command, data);
    callHelp = false;
    return true;
  });
  QTest::keyClick(edit, Qt::Key_F1);
  EXPECT_EQ(own, (std::vector<std::pair<uint16_t, int32_t>>{{1, 1000}}));
  EXPECT_TRUE(fake.helpCalls.empty());
}

TEST_F(HelpRequestTest, WhatsThisSetsThePopupPositionThenAsksForThePopup) {
  edit->setProperty(kHelpContextProperty, 55);
  QHelpEvent event(QEvent::WhatsThis, QPoint(2, 2), QPoint(16, -1));
  QApplication::sendEvent(edit, &event);
  EXPECT_EQ(help->PopupX, 16);
  EXPECT_EQ(help->PopupY, -1);
  ASSERT_EQ(fake.helpCalls.size(), 1u);
  EXPECT_EQ(fake.helpCalls[0].data, 55);
  const QStringList trace = TraceLines();
  const qsizetype position =
      trace.indexOf(kTime + "THookHelpSystem.HelpHook(13 (HELP_SETPOPUP_POS), -65520)");
  ASSERT_GE(position, 0);
  EXPECT_EQ(trace[position + 1], kTime + "THookHelpSystem.HelpHook(8 (HELP_CONTEXTPOPUP), 55)");

  // A widget with a what's-this text of its own keeps Qt's handling.
  edit->setWhatsThis("own text");
  QHelpEvent second(QEvent::WhatsThis, QPoint(2, 2), QPoint(30, 40));
  QApplication::sendEvent(edit, &second);
  QWhatsThis::hideText();
  EXPECT_EQ(help->PopupX, 16);
  EXPECT_EQ(fake.helpCalls.size(), 1u);
}

}  // namespace
}  // namespace quarrant::test
