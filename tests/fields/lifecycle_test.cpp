#include "fields/Lifecycle.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldPanelView.h"
#include "fields/FieldTable.h"
#include "fields/ModeSetup.h"
#include "fields/PalmFolders.h"
#include "fields/Settings.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/OperationError.h"

#include "mock/FakeUi.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {
namespace {

// Records what a mode set-up and the end ask of the window.
class RecordingPanel : public FieldPanelView {
public:
  void readFieldPanel(AppState&) override { calls.push_back("read"); }
  void showFieldPanel(const AppState&) override { calls.push_back("show"); }
  void beginModeSetup() override { calls.push_back("begin"); }
  void finishModeSetup(const AppState& state) override {
    calls.push_back("finish " + std::to_string(state.fieldCount));
  }
  std::vector<std::string> calls;
};

bool HasKey(const AppState& state, const char* section, const char* key) {
  return IniFile(state.settingsFile).readString(section, key, "<absent>") != "<absent>";
}

AppState Started(const std::string& folder, test::FakeUi& ui) {
  FldTable = {};
  AppState state = MakeAppState(folder);
  StartUp(state, ui);
  return state;
}

// A session started in an empty program folder.
struct Session {
  test::TempFolder dir;
  test::FakeUi ui;
  AppState state = Started(dir.path(), ui);
};

}  // namespace

TEST(lifecycle_test, first_start_in_an_empty_folder) {
  Session session;
  auto& [dir, ui, state] = session;
  EXPECT_EQ(state.convMode, kModeEndNote);
  EXPECT_EQ(state.fieldCount, 31);
  EXPECT_EQ(test::ReadBytes(dir.file("stratEN.jfp")),
            test::ReadBytes(test::DataFile("strategy/default-stratEN.jfp")));
  for (const char* key : {"PalmOutPath", "PalmInPath", "ENPath", "userHSCode"}) {
    EXPECT_TRUE(HasKey(state, "UserInfo", key)) << key;
  }
  for (const char* key : {"RMPath", "PCPath", "PGPath"}) {
    EXPECT_FALSE(HasKey(state, "UserInfo", key)) << key;
  }
  EXPECT_EQ(IniFile(state.settingsFile).readString("Tomekit", "ProgMode", ""), "0");
  EXPECT_TRUE(FolderExists(dir.file("TKWork")));
  EXPECT_TRUE(FolderExists(dir.file("Import and Export")));
  EXPECT_EQ(FldTable[15].selected, 1);
  EXPECT_EQ(FldTable[16].selected, 0);
  EXPECT_EQ(state.dbSetting3, 0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(lifecycle_test, end_writes_log_strategy_and_settings_for_the_next_start) {
  Session session;
  auto& [dir, ui, state] = session;
  const std::string endNote = test::ReadBytes(dir.file("stratEN.jfp"));
  SetupMode(state, ui, kModeRefMan);
  FldTable[2].selected = 0;
  state.popupLists[2] = {"mine"};
  ShutDown(state, ui);
  EXPECT_EQ(test::ReadBytes(LogFilePath(state)), " \r\nProgram location:  " + dir.path() + "\r\n");
  EXPECT_EQ(test::ReadBytes(dir.file("stratEN.jfp")), endNote);

  AppState next = Started(dir.path(), ui);
  EXPECT_EQ(next.convMode, kModeRefMan);
  EXPECT_EQ(FldTable[2].selected, 0);
  EXPECT_EQ(next.popupLists[2], std::vector<std::string>{"mine"});
}

TEST(lifecycle_test, mode_change_reloads_the_strategy_from_disk) {
  Session session;
  auto& [dir, ui, state] = session;
  FldTable[20].selected = 1;
  state.popupLists[20] = {"lost"};
  SetupMode(state, ui, kModeProCite);
  EXPECT_EQ(state.fieldCount, 47);
  EXPECT_TRUE(FileExists(dir.file("stratPC.jfp")));
  SetupMode(state, ui, kModeEndNote);
  EXPECT_EQ(FldTable[20].selected, 0);
  EXPECT_TRUE(state.popupLists[20].empty());
  // Entries past EndNote's 31 fields keep what ProCite left there.
  EXPECT_EQ(FldTable[47].selected, 1);
}

TEST(lifecycle_test, each_mode_keeps_its_own_folder) {
  Session session;
  auto& [dir, ui, state] = session;
  state.importExportFolder = "/refs/endnote";
  SetupMode(state, ui, kModeRefMan);
  EXPECT_EQ(state.importExportFolder, DefaultFolder(state));
  state.importExportFolder = "/refs/refman";
  SetupMode(state, ui, kModeEndNote);
  EXPECT_EQ(state.importExportFolder, "/refs/endnote");
  IniFile ini(state.settingsFile);
  EXPECT_EQ(ini.readString("UserInfo", "RMPath", ""), "/refs/refman");
  EXPECT_EQ(ini.readString("Tomekit", "ProgMode", ""), "0");
}

TEST(lifecycle_test, window_is_hidden_then_rebuilt_around_a_mode_setup) {
  test::TempFolder dir;
  test::FakeUi ui;
  RecordingPanel panel;
  FldTable = {};
  AppState state = MakeAppState(dir.path());
  state.panel = &panel;
  StartUp(state, ui);
  SetupMode(state, ui, kModeProCiteGeneric);
  ShutDown(state, ui);
  EXPECT_EQ(panel.calls, (std::vector<std::string>{"begin", "show", "finish 31", "begin", "show",
                                                   "finish 24", "read"}));
}

TEST(lifecycle_test, unknown_mode_from_a_caller_is_endnote) {
  Session session;
  auto& [dir, ui, state] = session;
  SetupMode(state, ui, 9);
  EXPECT_EQ(state.convMode, kModeEndNote);
  EXPECT_EQ(IniFile(state.settingsFile).readString("Tomekit", "ProgMode", ""), "0");
}

TEST(lifecycle_test, bad_strategy_value_stops_the_setup) {
  test::TempFolder dir;
  test::FakeUi ui;
  RecordingPanel panel;
  test::WriteBytes(dir.file("stratEN.jfp"), "110\r\nabc\r\n");
  AppState state = MakeAppState(dir.path());
  state.panel = &panel;
  EXPECT_THROW(StartUp(state, ui), OperationError);
  EXPECT_EQ(test::ReadBytes(dir.file("stratEN.jfp")), "110\r\nabc\r\n");
  EXPECT_FALSE(FolderExists(WorkFolder(state)));
  EXPECT_EQ(panel.calls.back(), "show");
}

TEST(lifecycle_test, unwritable_settings_stop_the_start) {
  test::TempFolder dir;
  test::FakeUi ui;
  AppState state = MakeAppState(dir.path());
  std::filesystem::create_directories(state.settingsFile);
  EXPECT_THROW(StartUp(state, ui), OperationError);
  EXPECT_FALSE(FileExists(dir.file("stratEN.jfp")));
}

}  // namespace tk
