// A session from start to end: settings, mode set-ups, strategy files and
// the program folder, also when it can't be written or read.
#include "fields/Lifecycle.h"
#include "fields/PalmFolders.h"
#include "platform/Files.h"
#include "platform/IniFile.h"

#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {
namespace {

// A session started in a program folder of its own.
struct Session {
  Session() { EXPECT_TRUE(CreateFolders(settings.programFolder)); }
  ModeResult start() { return StartUp(settings, setup, ui); }
  ModeResult mode(std::int32_t m) { return SetupMode(settings, setup, ui, m); }
  std::string file(const std::string& name) const { return dir.file("program/" + name); }
  std::string key(const char* section, const char* name) const {
    return IniFile(settings.settingsFile).readString(section, name, "<absent>");
  }

  test::TempFolder dir;
  Settings settings = MakeSettings(dir.file("program"));
  FieldSetup setup;
  test::FakeUi ui;
  std::vector<std::string> log;
};

TEST(lifecycle_test, first_start_writes_settings_default_strategy_and_folders) {
  Session s;
  ASSERT_TRUE(s.start().loaded());
  EXPECT_EQ(CountSelectedFields(s.setup), 15);  // EndNote's default
  EXPECT_TRUE(FileExists(s.file("stratEN.jfp")));
  EXPECT_EQ(s.key("UserInfo", "ENPath"), s.file("Import and Export"));
  EXPECT_EQ(s.key("UserInfo", "RMPath"), "<absent>");
  EXPECT_EQ(s.key("Tomekit", "ProgMode"), "0");
  EXPECT_TRUE(FolderExists(s.file("TKWork")) && FolderExists(s.file("Import and Export")));
  EXPECT_TRUE(s.ui.messages.empty());
}

TEST(lifecycle_test, end_saves_log_strategy_and_settings_for_the_next_start) {
  Session s;
  ASSERT_TRUE(s.start().loaded());
  const std::string endNote = test::ReadBytes(s.file("stratEN.jfp"));
  ASSERT_TRUE(s.mode(kModeRefMan).loaded());
  s.setup.table[2].selected = 0;
  s.setup.popupLists[2] = {"mine"};
  s.settings.hotSyncUserId = "1234";
  const ShutDownResult end = ShutDown(s.settings, s.setup, s.log);
  EXPECT_TRUE(end.strategySaved && end.error.empty());
  EXPECT_EQ(test::ReadBytes(LogFilePath(s.settings.programFolder)),
            " \r\nProgram location:  " + s.settings.programFolder + "\r\n");
  EXPECT_EQ(test::ReadBytes(s.file("stratEN.jfp")), endNote);

  Session next;
  next.settings = s.settings;
  ASSERT_TRUE(next.start().loaded());
  EXPECT_EQ(next.settings.mode, kModeRefMan);
  EXPECT_EQ(next.settings.hotSyncUserId, "1234");
  EXPECT_EQ(next.setup.table[2].selected, 0);
  EXPECT_EQ(next.setup.popupLists[2], std::vector<std::string>{"mine"});
}

TEST(lifecycle_test, mode_change_reloads_the_strategy_and_keeps_each_modes_folder) {
  Session s;
  ASSERT_TRUE(s.start().loaded());
  s.setup.table[20].selected = 1;
  s.setup.popupLists[20] = {"lost"};
  s.settings.importExportFolder = "/refs/endnote";
  ASSERT_TRUE(s.mode(kModeProCite).loaded());
  EXPECT_EQ(s.setup.fieldCount, 47);
  EXPECT_EQ(s.settings.importExportFolder, DefaultFolder(s.settings));
  s.settings.importExportFolder = "/refs/procite";
  ASSERT_TRUE(s.mode(9).loaded());  // an unknown mode is EndNote
  EXPECT_EQ(s.settings.mode, kModeEndNote);
  EXPECT_EQ(s.settings.importExportFolder, "/refs/endnote");
  EXPECT_EQ(s.key("UserInfo", "PCPath"), "/refs/procite");
  EXPECT_EQ(s.key("Tomekit", "ProgMode"), "0");
  EXPECT_EQ(s.setup.table[20].selected, 0);
  EXPECT_TRUE(s.setup.popupLists[20].empty());
  // Entries past EndNote's 31 fields keep what ProCite left there.
  EXPECT_EQ(s.setup.table[47].selected, 1);
}

TEST(lifecycle_test, bad_strategy_value_abandons_the_setup_before_the_folders) {
  Session s;
  test::WriteBytes(s.file("stratEN.jfp"), "110\r\nabc\r\n");
  const ModeResult result = s.start();
  EXPECT_EQ(result.status, ModeLoad::Abandoned);
  EXPECT_EQ(result.error, "'abc' is not a valid integer value");
  EXPECT_EQ(test::ReadBytes(s.file("stratEN.jfp")), "110\r\nabc\r\n");
  EXPECT_FALSE(FolderExists(s.file("TKWork")));
  EXPECT_TRUE(s.ui.messages.empty());
}

TEST(lifecycle_test, unwritable_settings_abandon_the_start_naming_the_file) {
  for (bool folderIsFile : {true, false}) {
    Session s;
    if (folderIsFile) {
      test::BlockFolder(s.settings.programFolder);
    } else {
      ASSERT_TRUE(CreateFolders(s.settings.settingsFile));
    }
    const ModeResult result = s.start();
    EXPECT_EQ(result.status, ModeLoad::Abandoned);
    EXPECT_EQ(result.error, "Unable to write to " + s.file("tomekit.INI"));
    EXPECT_FALSE(FileExists(s.file("stratEN.jfp")));
  }
}

TEST(lifecycle_test, full_disk_abandons_a_mode_change_before_the_mode_changes) {
  Session s;
  ASSERT_TRUE(s.start().loaded());
  test::FullDiskFor(test::TkPartOf(s.settings.settingsFile));
  const ModeResult result = s.mode(kModeRefMan);
  EXPECT_EQ(result.status, ModeLoad::Abandoned);
  EXPECT_EQ(result.error, "Unable to write to " + s.file("tomekit.INI"));
  EXPECT_EQ(s.settings.mode, kModeEndNote);
}

TEST(lifecycle_test, full_disk_at_the_end_keeps_strategy_settings_and_log_whole) {
  Session s;
  ASSERT_TRUE(s.start().loaded());
  ASSERT_TRUE(ShutDown(s.settings, s.setup, s.log).error.empty());
  const std::string files[] = {s.file("stratEN.jfp"), s.file("tomekit.INI"), s.file("Log.txt")};
  std::string before[3];
  for (int i = 0; i < 3; ++i) {
    before[i] = test::ReadBytes(files[i]);
    test::FullDiskFor(test::TkPartOf(files[i]));
  }
  s.setup.table[1].maxWidth = 77;  // a change that can't be saved
  s.settings.hotSyncUserId = "5";
  const ShutDownResult end = ShutDown(s.settings, s.setup, s.log);
  EXPECT_FALSE(end.strategySaved);
  EXPECT_EQ(end.error, "Unable to write to " + s.file("Log.txt"));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(test::ReadBytes(files[i]), before[i]) << files[i];
  // The settings come after the log, so only the first two were tried.
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(files[0])));
  EXPECT_TRUE(test::LeftBehind(test::TkPartOf(files[1])));
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(files[2])));
  std::filesystem::remove(test::TkPartOf(files[2]));
  EXPECT_EQ(ShutDown(s.settings, s.setup, s.log).error, "Unable to write to " + files[1]);
}

// The window replaces a strategy it can't read; the command line never does.
TEST(lifecycle_test, unreadable_strategy_is_reported_and_replaced_only_by_the_window) {
  for (auto write : {DefaultStrategyWrite::WhenUnreadable, DefaultStrategyWrite::OnlyWhenMissing}) {
    test::TempFolder dir;
    test::UnreadableFile(dir.file("stratRM.jfp"));
    test::FakeUi ui;
    FieldSetup setup;
    const ModeResult result = LoadModeStrategy(setup, dir.path(), kModeRefMan, ui, write);
    const bool replaced = write == DefaultStrategyWrite::WhenUnreadable;
    EXPECT_EQ(result.status, replaced ? ModeLoad::Loaded : ModeLoad::NoStrategy);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Couldnt Read Strategy File"});
    EXPECT_EQ(std::filesystem::is_symlink(dir.file("stratRM.jfp")), !replaced);
    EXPECT_EQ(setup.dbSetting1, 110);
    EXPECT_EQ(setup.dbSetting3, replaced ? 0 : 8);
    EXPECT_EQ(LoadModeStrategy(setup, dir.file("none"), kModeRefMan, ui, write).status,
              ModeLoad::NoStrategy);
  }
}

}  // namespace
}  // namespace tk
