#include "fields/Settings.h"
#include "fields/FieldCatalogue.h"
#include "platform/IniFile.h"
#include "platform/OperationError.h"
#include "platform/Path.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {

TEST(settings_test, absent_keys_read_as_defaults) {
  test::TempFolder dir;
  AppState state = MakeAppState(dir.path());
  state.convMode = 3;
  ASSERT_TRUE(ReadSettings(state));
  const std::string folder = DefaultFolder(state);
  EXPECT_EQ(state.palmInstallFolder, folder);
  EXPECT_EQ(state.palmBackupFolder, folder);
  EXPECT_EQ(state.importExportFolder, folder);
  EXPECT_EQ(state.hotSyncUserId, "0");
  EXPECT_EQ(state.convMode, kModeEndNote);
}

TEST(settings_test, values_are_taken_as_they_stand) {
  test::TempFolder dir;
  AppState state = MakeAppState(dir.path());
  test::WriteBytes(state.settingsFile,
                   "[UserInfo]\r\nuserHSCode=\r\nPCPath=/refs/pc/\r\nENPath=/refs/en\r\n"
                   "PalmInPath=/palm/backup\\\r\n[Tomekit]\r\nprogMode=2\r\n");
  ReadSettings(state);
  EXPECT_EQ(state.convMode, kModeProCite);
  EXPECT_EQ(state.importExportFolder, "/refs/pc/");
  EXPECT_EQ(state.palmBackupFolder, "/palm/backup\\");
  EXPECT_EQ(state.hotSyncUserId, "");
}

TEST(settings_test, unknown_or_unreadable_mode_is_endnote) {
  test::TempFolder dir;
  AppState state = MakeAppState(dir.path());
  for (const char* mode : {"two", "7", "-1", "0x2"}) {
    test::WriteBytes(state.settingsFile, std::string("[Tomekit]\r\nProgMode=") + mode +
                                             "\r\n[UserInfo]\r\nENPath=/en\r\nPCPath=/pc\r\n");
    ReadSettings(state);
    const bool hex = std::string(mode) == "0x2";
    EXPECT_EQ(state.convMode, hex ? kModeProCite : kModeEndNote) << mode;
    EXPECT_EQ(state.importExportFolder, hex ? "/pc" : "/en") << mode;
  }
}

TEST(settings_test, write_saves_only_the_current_modes_folder_in_order) {
  test::TempFolder dir;
  AppState state = MakeAppState(dir.path());
  state.convMode = kModeRefMan;
  state.palmInstallFolder = "/palm/install";
  state.palmBackupFolder = "/palm/backup";
  state.importExportFolder = "/refs/rm";
  state.hotSyncUserId = "1234";
  ASSERT_TRUE(WriteSettings(state));
  EXPECT_EQ(test::ReadBytes(state.settingsFile),
            "[UserInfo]\r\nPalmOutPath=/palm/install\r\nPalmInPath=/palm/backup\r\n"
            "RMPath=/refs/rm\r\nuserHSCode=1234\r\n\r\n[Tomekit]\r\nProgMode=1\r\n");
}

TEST(settings_test, unwritable_settings_file_names_its_full_path) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("plain"), "x");
  AppState state = MakeAppState(dir.file("plain"));
  try {
    WriteSettings(state);
    FAIL() << "no error";
  } catch (const OperationError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Unable to write to " + JoinPath(dir.file("plain"), "tomekit.INI"));
  }
}

}  // namespace tk
