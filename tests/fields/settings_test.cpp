// The settings file is shared with earlier versions and edited by hand: what
// is written must read back, and whatever is found must give usable settings.
#include "fields/Settings.h"

#include "mock/TempFolder.h"
#include "platform/Files.h"

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

ReadBack Read(Settings& settings, const std::string& text) {
  test::WriteBytes(settings.settingsFile, text);
  ReadSettings(settings);
  return {settings.mode,
          settings.importExportFolder,
          settings.palmInstallFolder,
          settings.palmBackupFolder,
          settings.hotSyncUserId,
          std::string(CharsetName(settings.charset))};
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
                 "[UserInfo]\r\nuserHSCode=\r\nPCPath=/refs/pc/\r\nENPath=/refs/en\r\n"
                 "PalmInPath=/palm/backup\\\r\n[Tomekit]\r\nprogMode=0x2\r\n"
                 "ENCharset=utf-8\r\nPCCharset=UTF-8\r\n"),
            (ReadBack{Mode::ProCite, "/refs/pc/", DefaultFolder(settings), "/palm/backup\\", "",
                      "utf-8"}));
  EXPECT_EQ(Read(settings, "[Tomekit]\r\nProgMode=3\r\n").mode, Mode::ProCiteGeneric);
  const std::string folder = DefaultFolder(settings);
  for (const std::string mode : {"two", "4", "-1"})
    EXPECT_EQ(
        Read(settings, "[UserInfo]\nENPath=/en\n[Tomekit]\nENCharset=latin1\nProgMode=" + mode),
        (ReadBack{Mode::EndNote, "/en", folder, folder, "0", "auto"}))
        << mode;
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
