// The settings file, the program's folders, the field table and the shared
// tables that readers and writers must agree on.
#include "fields/Settings.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldSetup.h"
#include "fields/PalmFolders.h"
#include "fields/RisTags.h"
#include "platform/Files.h"

#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(settings_test, values_are_taken_as_they_stand_and_absent_keys_are_defaults) {
  test::TempFolder dir;
  Settings settings = MakeSettings(dir.path());
  ReadSettings(settings);
  EXPECT_EQ(settings.palmInstallFolder, dir.file("Import and Export"));
  EXPECT_EQ(settings.hotSyncUserId, "0");
  test::WriteBytes(settings.settingsFile,
                   "[UserInfo]\r\nuserHSCode=\r\nPCPath=/refs/pc/\r\nENPath=/refs/en\r\n"
                   "PalmInPath=/palm/backup\\\r\n[Tomekit]\r\nprogMode=0x2\r\n");
  ReadSettings(settings);
  EXPECT_EQ(settings.mode, kModeProCite);
  EXPECT_EQ(settings.importExportFolder, "/refs/pc/");
  EXPECT_EQ(settings.palmBackupFolder, "/palm/backup\\");
  EXPECT_EQ(settings.palmInstallFolder, dir.file("Import and Export"));
  EXPECT_EQ(settings.hotSyncUserId, "");
  for (const char* mode : {"two", "4", "-1"}) {  // a hand-edited file
    test::WriteBytes(settings.settingsFile,
                     std::string("[UserInfo]\nENPath=/en\n[Tomekit]\nProgMode=") + mode);
    ReadSettings(settings);
    EXPECT_EQ(settings.mode, kModeEndNote) << mode;
    EXPECT_EQ(settings.importExportFolder, "/en") << mode;
  }
}

TEST(settings_test, write_saves_only_the_current_modes_folder_in_order) {
  test::TempFolder dir;
  Settings settings = MakeSettings(dir.path(), "other");
  settings = {settings.programFolder, settings.settingsFile, kModeRefMan, "/refs/rm",
              "/palm/install",        "/palm/backup",        "1234"};
  ASSERT_TRUE(WriteSettings(settings));
  EXPECT_EQ(test::ReadBytes(dir.file("other.INI")),
            "[UserInfo]\r\nPalmOutPath=/palm/install\r\nPalmInPath=/palm/backup\r\n"
            "RMPath=/refs/rm\r\nuserHSCode=1234\r\n\r\n[Tomekit]\r\nProgMode=1\r\n");
  test::BlockFolder(dir.file("plain"));
  settings.settingsFile = dir.file("plain/tomekit.INI");
  EXPECT_FALSE(WriteSettings(settings));
  EXPECT_FALSE(WriteProgMode(settings, 2));
  EXPECT_EQ(SettingsWriteError(settings), "Unable to write to " + dir.file("plain/tomekit.INI"));
}

TEST(settings_test, work_folders_are_made_and_kept_or_reported_missing) {
  test::TempFolder dir;
  ASSERT_TRUE(MakeWorkFolders(dir.file("prog/ram")));
  test::WriteBytes(dir.file("prog/ram/TKWork/keep.csv"), "x");
  EXPECT_TRUE(MakeWorkFolders(dir.file("prog/ram")));
  EXPECT_EQ(test::ReadBytes(dir.file("prog/ram/TKWork/keep.csv")), "x");
  EXPECT_TRUE(FolderExists(dir.file("prog/ram/Import and Export")));
  test::BlockFolder(dir.file("prog/ram/TKWork"));
  EXPECT_FALSE(MakeWorkFolders(dir.file("prog/ram")));
  test::BlockFolder(dir.file("plain"));
  EXPECT_FALSE(MakeWorkFolders(dir.file("plain")));
}

TEST(settings_test, install_request_is_named_after_the_hotsync_id) {
  test::TempFolder dir;
  Settings settings;
  for (const char* id : {"0", ""}) {
    settings.hotSyncUserId = id;
    InstallRequestStore store(dir.file("store.ini"));
    EXPECT_EQ(RequestHotSyncInstall(settings, store), InstallStoreResult::Ok);
    EXPECT_EQ(store.value(kHotSyncKeyPath, std::string("Install") + id), 1u);
  }
  settings.hotSyncUserId = "1234";
  EXPECT_EQ(InstallRequestMessage(settings, InstallStoreResult::Ok), "");
  EXPECT_EQ(InstallRequestMessage(settings, InstallStoreResult::KeyNotOpened),
            "Couldn't open key ");
  EXPECT_EQ(InstallRequestMessage(settings, InstallStoreResult::ValueNotSet),
            "Failed to set data for 'Install1234'");
}

TEST(settings_test, popup_letters_follow_column_position_and_clear_keeps_other_modes_entries) {
  FieldSetup setup;
  setup.fieldCount = 47;
  for (auto& field : setup.table) field = {kTypePopup, 0, 9, 1, 0};
  setup.table[2].fldType = kTypeString;
  setup.table[3].selected = 0;
  setup.table[4].fldType = kTypeMultiPopup;
  EXPECT_EQ(CountSelectedFields(setup), 46);
  std::string letters;
  for (const FldDef& field : setup.table) letters += field.popupLetter ? field.popupLetter : '.';
  EXPECT_EQ(letters, ".a..cdefghijklmnopqrstuvwxyzBCDEFGHIJKLMNOPQRSTU");
  setup.fieldCount = 31;
  setup.dbSetting2 = 1;
  ClearFieldTable(setup);
  EXPECT_EQ(CountSelectedFields(setup), 0);
  EXPECT_EQ(setup.dbSetting2, 0);
  EXPECT_EQ(setup.table[31].maxWidth, 0);
  EXPECT_EQ(setup.table[32].selected, 1);
  EXPECT_EQ(setup.table[32].maxWidth, 9);
}

TEST(settings_test, generic_map_names_exactly_the_24_generic_fields_in_order) {
  int generic = 0;
  for (int n = 1; n <= 47; ++n) {
    if (GenericFieldMap(n) == "---") continue;
    EXPECT_EQ(GenericFieldMap(n), FieldLabel(kModeProCiteGeneric, ++generic)) << n;
  }
  EXPECT_EQ(generic, 24);
  EXPECT_EQ(FieldLabel(kModeEndNote, 0), "DUMMY");
}

// Reading accepts every synonym; writing uses the first tag of a field.
TEST(settings_test, ris_tags_map_synonyms_to_one_field_and_write_the_first) {
  const std::pair<const char*, int> read[] = {
      {"TY  - ", 1}, {"T1  - x", 3}, {"CT  - ", 3},  {"A1  - ", 4},
      {"AU  - ", 4}, {"J2  - ", 11}, {"UR  - ", 33}, {"ER  - ", kRisRecordEnd},
      {"ty  - ", 0}, {"TY - x", 0},  {"TY  -", 0},   {"ZZ  - ", 0},
      {"TY  -x", 0}};
  for (const auto& [tag, field] : read) EXPECT_EQ(RisFieldOfTag(tag), field) << tag;
  EXPECT_EQ(RisTagOfField(3), "T1  - ");
  EXPECT_EQ(RisTagOfField(11), "JF  - ");
  EXPECT_EQ(RisTagOfField(33), "UR  - ");
  EXPECT_EQ(RisTagOfField(kRisRecordEnd), "");
  EXPECT_EQ(RisTagOfField(0), "");
  for (int field = 1; field < kRisRecordEnd; ++field) {
    EXPECT_EQ(RisFieldOfTag(RisTagOfField(field)), field) << field;
  }
}

}  // namespace
}  // namespace tk
