// The settings file is shared with earlier versions and edited by hand: what
// is written must read back, and whatever is found must give usable settings.
#include "fields/Settings.h"

#include "mock/Expect.h"
#include "mock/TempFolder.h"
#include "platform/Files.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tk {
namespace {

// What a read leaves in the settings, by name, so a failure says which.
struct ReadBack {
  Mode mode;
  std::string folder, install, backup, userId, charset;
  bool operator==(const ReadBack&) const = default;
  friend void PrintTo(const ReadBack& r, std::ostream* out) {
    *out << "{mode " << InfoOf(r.mode).cliName << ", folder '" << r.folder << "', install '"
         << r.install << "', backup '" << r.backup << "', user id '" << r.userId << "', charset "
         << r.charset << "}";
  }
};

ReadBack Read(Settings& settings, const std::string& text, std::string* unused = nullptr) {
  test::WriteBytes(settings.settingsFile, text);
  const std::string said = ReadSettings(settings);
  if (unused) *unused = said;
  return {settings.mode,
          settings.importExportFolder,
          settings.palmInstallFolder,
          settings.palmBackupFolder,
          settings.hotSyncUserId,
          std::string(CharsetName(settings.charset)) + " " +
              std::string(PalmCharsetName(settings.palmCharset))};
}

Settings RefManSettings(const test::TempFolder& dir) {
  return Settings(dir.path(), MakeSettings(dir.path(), "other").settingsFile, Mode::RefMan,
                  "/refs/rm", "/palm/install", "/palm/backup", "1234", Charset::Auto, {});
}

TEST(settings_test, only_the_current_modes_folder_is_written_in_a_fixed_order) {
  test::TempFolder dir;
  ASSERT_TRUE(WriteSettings(RefManSettings(dir)));
  EXPECT_EQ(test::ReadBytes(dir.file("other.INI")),
            "[UserInfo]\r\nPalmOutPath=/palm/install\r\nPalmInPath=/palm/backup\r\n"
            "RMPath=/refs/rm\r\nuserHSCode=1234\r\n\r\n[Tomekit]\r\nProgMode=1\r\n");
}

// Keys in any case, hex modes, the mode's own folder and charset; absent keys
// and an unknown mode or charset are the defaults.
TEST(settings_test, values_are_read_as_they_stand_and_absent_ones_are_the_defaults) {
  test::TempFolder dir;
  Settings settings = RefManSettings(dir);
  EXPECT_EQ(Read(settings,
                 "[UserInfo]\r\nuserHSCode=007\r\nPCPath=/refs/pc/\r\nENPath=/refs/en\r\n"
                 "PalmInPath=/palm/backup\\\r\n[Tomekit]\r\nprogMode=0x2\r\n"
                 "ENCharset=utf-8\r\nPCCharset=UTF-8\r\nPCPalmCharset=GBK\r\n"
                 "ENPalmCharset=big5\r\n"),
            (ReadBack{Mode::ProCite, "/refs/pc/", DefaultFolder(settings), "/palm/backup\\", "007",
                      "utf-8 gbk"}));
  EXPECT_EQ(Read(settings, "[Tomekit]\r\nProgMode=3\r\n").mode, Mode::ProCiteGeneric);
  const std::string folder = DefaultFolder(settings);
  for (const std::string mode : {"two", "4", "-1"})
    EXPECT_EQ(Read(settings,
                   "[UserInfo]\nENPath=/en\n[Tomekit]\nENCharset=latin1\nENPalmCharset=utf-8\n"
                   "ProgMode=" +
                       mode),
              (ReadBack{Mode::EndNote, "/en", folder, folder, "0", "auto windows-1252"}))
        << mode;
}

// A folder that is empty or no full path would be looked for wherever the
// program starts, a HotSync ID that is no whole number names no Palm user:
// each is the default, and one message names them all. (A byte-order mark
// is the settings file's own test.)
TEST(settings_test, values_that_cant_be_used_are_the_defaults_said_once) {
  test::TempFolder dir;
  Settings settings = RefManSettings(dir);
  std::string unused;
  const std::string folder = DefaultFolder(settings);
  EXPECT_EQ(Read(settings,
                 "[UserInfo]\nPalmOutPath=\nPalmInPath=\"/palm/backup\"\nRMPath=~/refs\n"
                 "userHSCode=../12\n[Tomekit]\nProgMode=1\n",
                 &unused),
            (ReadBack{Mode::RefMan, folder, folder, folder, "0", "auto windows-1252"}));
  EXPECT_EQ(unused,
            "Some values of " + IniFile(settings.settingsFile).fullPath() +
                " were not used:\nPalmOutPath is empty, so " + folder +
                " is used.\nPalmInPath \"\"/palm/backup\"\" is not a full folder path, so " +
                folder +
                " is used.\nuserHSCode \"../12\" is not a whole number, so the "
                "HotSync ID 0 is used.\nRMPath \"~/refs\" is not a full folder path, so " +
                folder + " is used.");
  for (const std::string id : {"", "4294967296", "1 2", "-1"}) {
    EXPECT_EQ(Read(settings, "[UserInfo]\nuserHSCode=" + id + "\n").userId, "0") << id;
  }
  EXPECT_EQ(Read(settings, "[UserInfo]\nuserHSCode=4294967295\n").userId, "4294967295");
}

// palm-sync is off until both are chosen, a value that can't be used turns
// it off and says so, and a file that never chose it doesn't gain its keys.
TEST(settings_test, palm_sync_is_used_only_once_chosen_and_written_only_then) {
  test::TempFolder dir;
  Settings settings = RefManSettings(dir);
  test::WriteBytes(settings.settingsFile,
                   "[Tomekit]\r\nPalmSyncFolder=/home/jo/palm-sync\r\nPalmSyncUser=Jane Doe\r\n");
  EXPECT_EQ(ReadSettings(settings), "");
  EXPECT_EQ(settings.palmSyncFolder, "/home/jo/palm-sync");
  EXPECT_EQ(settings.palmSyncUser, "Jane Doe");

  test::WriteBytes(settings.settingsFile,
                   "[Tomekit]\r\nPalmSyncFolder=palm-sync\r\nPalmSyncUser=../Jane\r\n");
  EXPECT_EQ(ReadSettings(settings),
            "Some values of " + IniFile(settings.settingsFile).fullPath() +
                " were not used:\nPalmSyncFolder \"palm-sync\" is not a full folder path, so "
                "databases are not put in palm-sync's install folder.\nPalmSyncUser \"../Jane\" "
                "is not a user folder's name, so databases are not put in palm-sync's install "
                "folder.");
  EXPECT_EQ(settings.palmSyncFolder + settings.palmSyncUser, "");
  for (const char* name : {"Jane", "J. Doe", "."}) {
    EXPECT_EQ(IsPalmSyncUserName(name), name[0] != '.' || name[1] != 0) << name;
  }
  EXPECT_FALSE(IsPalmSyncUserName("a\\b"));

  test::WriteBytes(settings.settingsFile, "");
  ASSERT_TRUE(WriteSettings(settings));
  EXPECT_FALSE(test::Holds(test::ReadBytes(settings.settingsFile), "PalmSync"));
  settings.palmSyncUser = "Jane";
  ASSERT_TRUE(WriteSettings(settings));
  EXPECT_TRUE(test::Holds(test::ReadBytes(settings.settingsFile), "PalmSyncUser=Jane"));
  EXPECT_FALSE(test::Holds(test::ReadBytes(settings.settingsFile), "PalmSyncFolder"));
}

// Only EndNote's manager reads two formats; the choice is kept for its mode
// and an unknown value is the tab format.
TEST(settings_test, the_export_format_is_endnotes_alone) {
  test::TempFolder dir;
  Settings settings = RefManSettings(dir);
  settings.exportFormat = ExportFormat::Tagged;
  ASSERT_TRUE(WriteModeExportFormat(settings));
  EXPECT_FALSE(FileExists(settings.settingsFile));
  settings.mode = Mode::EndNote;
  ASSERT_TRUE(WriteModeExportFormat(settings));
  EXPECT_EQ(test::ReadBytes(settings.settingsFile), "[Tomekit]\r\nENExportFormat=tagged\r\n");
  EXPECT_EQ(ReadModeExportFormat(settings, Mode::RefMan), ExportFormat::Tab);
  test::WriteBytes(settings.settingsFile, "[Tomekit]\nenexportformat=TAGGED\n");
  EXPECT_EQ(ReadModeExportFormat(settings, Mode::EndNote), ExportFormat::Tagged);
  test::WriteBytes(settings.settingsFile, "[Tomekit]\nENExportFormat=ris\n");
  EXPECT_EQ(ReadModeExportFormat(settings, Mode::EndNote), ExportFormat::Tab);
}

}  // namespace
}  // namespace tk
