// A session from start to end: settings, mode set-ups, strategy files and
// the program folder, also when it can't be written or read; the field table
// and the shared tables that readers and writers must agree on.
#include "fields/Lifecycle.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldSetup.h"
#include "fields/PalmFolders.h"
#include "fields/RisTags.h"
#include "fields/Settings.h"
#include "platform/Files.h"
#include "platform/IniFile.h"

#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
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

TEST(lifecycle_test, first_start_writes_defaults_and_the_end_saves_all_for_the_next_start) {
  Session s;
  ASSERT_TRUE(s.start().loaded());
  EXPECT_EQ(CountSelectedFields(s.setup), 15);  // EndNote's default
  EXPECT_EQ(s.key("UserInfo", "ENPath"), DefaultFolder(s.settings));
  EXPECT_TRUE(FolderExists(s.file("TKWork")) && FolderExists(s.file("Import and Export")));
  const std::string endNote = test::ReadBytes(s.file("stratEN.jfp"));
  // A mode change reloads the strategy and keeps each mode's folder.
  s.setup.table[20].selected = 1;
  s.setup.popupLists[20] = {"lost"};
  s.settings.importExportFolder = "/refs/endnote";
  ASSERT_TRUE(s.mode(kModeProCite).loaded());
  EXPECT_EQ(s.settings.importExportFolder, DefaultFolder(s.settings));
  s.settings.importExportFolder = "/refs/procite";
  ASSERT_TRUE(s.mode(9).loaded());  // an unknown mode is EndNote
  EXPECT_EQ(s.settings.importExportFolder + "|" + s.key("UserInfo", "PCPath") + "|" +
                s.key("Tomekit", "ProgMode"),
            "/refs/endnote|/refs/procite|0");
  // Entries past EndNote's 31 fields keep what ProCite left there.
  EXPECT_TRUE(s.setup.table[20].selected == 0 && s.setup.popupLists[20].empty() &&
              s.setup.table[47].selected == 1);
  ASSERT_TRUE(s.mode(kModeRefMan).loaded());
  s.setup.table[2].selected = 0;
  s.setup.popupLists[2] = {"mine"};
  s.settings.hotSyncUserId = "1234";
  EXPECT_TRUE(ShutDown(s.settings, s.setup, s.log).errors.empty());
  EXPECT_EQ(test::ReadBytes(LogFilePath(s.settings.programFolder)),
            " \r\nProgram location:  " + s.settings.programFolder + "\r\n");
  EXPECT_EQ(test::ReadBytes(s.file("stratEN.jfp")), endNote);

  Session next;
  next.settings = s.settings;
  ASSERT_TRUE(next.start().loaded());
  EXPECT_TRUE(next.settings.mode == kModeRefMan && next.settings.hotSyncUserId == "1234" &&
              next.setup.table[2].selected == 0 &&
              next.setup.popupLists[2] == std::vector<std::string>{"mine"});
}

// A folder where the settings file should be, a file where the program folder
// should be, a disk that fills up: the set-up is abandoned with the mode in
// force as it was; a start still loads its saved mode where it can.
TEST(lifecycle_test, unwritable_settings_abandon_a_mode_change_and_keep_the_mode_of_a_start) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  for (int fault : {0, 1, 2}) {
    Session s;
    if (fault == 1) test::BlockFolder(s.settings.programFolder);
    const bool made =
        fault == 0 ? CreateFolders(s.settings.settingsFile) : fault != 2 || s.start().loaded();
    EXPECT_TRUE(made) << fault;
    if (fault == 2) test::FullDiskFor(test::TkPartOf(s.settings.settingsFile));
    s.setup.popupLists[2] = {"kept"};
    const FieldSetup before = s.setup;
    const ModeResult result = fault == 2 ? s.mode(kModeRefMan) : s.start();
    EXPECT_EQ(result.status, ModeLoad::Abandoned) << fault;
    if (fault == 2) EXPECT_EQ(s.setup.popupLists, before.popupLists);
    // A start still loads the saved mode where its folder can be used.
    EXPECT_EQ(result.error + "|" + std::to_string(s.settings.mode) + "|" + s.setup.strategyPath +
                  "|" + std::to_string(s.setup.loaded) +
                  std::to_string(FolderExists(s.file("TKWork"))) +
                  std::to_string(s.ui.messages.size()),
              "Unable to write to " + s.file("tomekit.INI") + "|" + std::to_string(kModeEndNote) +
                  "|" + s.file("stratEN.jfp") + (fault == 1 ? "|000" : "|110"))
        << fault;
  }
}

// The window comes up whole; the user's file (a link's target) is kept aside.
TEST(lifecycle_test, damaged_strategy_is_kept_as_bad_and_the_default_loaded) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  Session s;
  ASSERT_TRUE(CreateFolders(s.file("mine")));
  test::WriteBytes(s.file("mine/EN.jfp"), "110\r\nabc\r\n");
  test::WriteBytes(s.file("mine/EN.jfp.bad"), "older");
  std::filesystem::create_symlink("mine/EN.jfp", s.file("stratEN.jfp"));
  ASSERT_TRUE(s.start().loaded());
  EXPECT_EQ(s.ui.texts(), std::vector<std::string>{"'abc' is not a valid integer value"});
  EXPECT_EQ(test::ReadBytes(s.file("mine/EN.jfp.bad")), "110\r\nabc\r\n");
  EXPECT_EQ(test::ReadBytes(s.file("mine/EN.jfp")),
            test::ReadBytes(test::DataFile("strategy/default-stratEN.jfp")));
  EXPECT_TRUE(std::filesystem::is_symlink(s.file("stratEN.jfp")));
  // Where it can't be set aside, it is neither used nor saved over at the end.
  test::WriteBytes(s.file("stratRM.jfp"), "x\r\n");
  ASSERT_TRUE(CreateFolders(s.file("stratRM.jfp.bad/in use")));
  EXPECT_EQ(s.mode(kModeRefMan).status, ModeLoad::NoStrategy);
  EXPECT_TRUE(ShutDown(s.settings, s.setup, s.log).errors.empty());
  EXPECT_EQ(test::ReadBytes(s.file("stratRM.jfp")), "x\r\n");
}

TEST(lifecycle_test, full_disk_at_the_end_reports_each_file_and_keeps_it_whole) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  Session s;
  ASSERT_TRUE(s.start().loaded());
  ASSERT_TRUE(ShutDown(s.settings, s.setup, s.log).errors.empty());
  std::vector<std::string> files{s.file("stratEN.jfp"), s.file("Log.txt"), s.file("tomekit.INI")},
      before, errors;
  for (const std::string& file : files) {
    before.push_back(test::ReadBytes(file));
    test::FullDiskFor(test::TkPartOf(file));
    errors.push_back("Unable to write to " + file);
  }
  s.setup.table[1].maxWidth = 77;  // a change that can't be saved
  s.settings.hotSyncUserId = "5";
  EXPECT_EQ(ShutDown(s.settings, s.setup, s.log).errors, errors);
  for (std::size_t i = 0; i < files.size(); ++i)
    EXPECT_TRUE(test::ReadBytes(files[i]) == before[i] &&
                !test::LeftBehind(test::TkPartOf(files[i])))
        << files[i];
}

// From pump failAt on, the open file at path reads /proc/self/mem, whose
// first page is never mapped: a read error part-way through the file.
struct FailingReadUi : test::FakeUi {
  explicit FailingReadUi(std::string file) : path(std::move(file)) {}
  void processMessages() override {
    if (++pumps != failAt) return;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
      std::error_code ec;
      if (std::filesystem::read_symlink(fd.path(), ec) != path) continue;
      const int mem = ::open("/proc/self/mem", O_RDONLY);
      ::dup2(mem, std::stoi(fd.path().filename().string()));
      ::close(mem);
    }
  }
  std::string path;
  long failAt = 2;  // once the first 64 KiB are read
};

// The window replaces a strategy it can't read; the command line never does.
// Past 64 KiB the read fails, after the default's words were read once.
TEST(lifecycle_test, strategy_failing_part_way_is_reported_and_replaced_only_by_the_window) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  test::TempFolder clean;
  test::FakeUi quiet;
  FieldSetup fresh;
  ASSERT_TRUE(LoadModeStrategy(fresh, clean.path(), kModeRefMan, quiet,
                               DefaultStrategyWrite::WhenUnreadable)
                  .loaded());
  const std::string damaged = test::ReadBytes(fresh.strategyPath) + std::string(70000, 'w');
  for (auto write : {DefaultStrategyWrite::WhenUnreadable, DefaultStrategyWrite::OnlyWhenMissing}) {
    test::TempFolder dir;
    test::WriteBytes(dir.file("stratRM.jfp"), damaged);
    FailingReadUi ui(dir.file("stratRM.jfp"));
    FieldSetup setup;
    const ModeResult result = LoadModeStrategy(setup, dir.path(), kModeRefMan, ui, write);
    const bool replaced = write == DefaultStrategyWrite::WhenUnreadable;
    EXPECT_EQ(result.status, replaced ? ModeLoad::Loaded : ModeLoad::NoStrategy);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Couldnt Read Strategy File"});
    EXPECT_EQ(test::ReadBytes(dir.file("stratRM.jfp")),
              replaced ? test::ReadBytes(fresh.strategyPath) : damaged);
    EXPECT_EQ(setup.popupLists, replaced ? fresh.popupLists : PopupLists(kPopupListCount));
  }
}

// Written: only the current mode's folder, in this order. Read: values as
// they stand; absent keys and a hand-edited unknown mode are the defaults.
TEST(settings_test, saved_in_order_read_as_they_stand_and_naming_the_install_request) {
  test::TempFolder dir;
  Settings settings = MakeSettings(dir.path(), "other");
  settings = {settings.programFolder, settings.settingsFile, kModeRefMan, "/refs/rm",
              "/palm/install",        "/palm/backup",        "1234"};
  ASSERT_TRUE(WriteSettings(settings));
  EXPECT_EQ(test::ReadBytes(dir.file("other.INI")),
            "[UserInfo]\r\nPalmOutPath=/palm/install\r\nPalmInPath=/palm/backup\r\n"
            "RMPath=/refs/rm\r\nuserHSCode=1234\r\n\r\n[Tomekit]\r\nProgMode=1\r\n");
  // The HotSync install request is named after the user's id.
  InstallRequestStore store(dir.file("store.ini"));
  EXPECT_EQ(RequestHotSyncInstall(settings, store), InstallStoreResult::Ok);
  EXPECT_EQ(store.value(kHotSyncKeyPath, "Install1234"), 1u);
  EXPECT_EQ(InstallRequestMessage(settings, InstallStoreResult::Ok) + "|" +
                InstallRequestMessage(settings, InstallStoreResult::KeyNotOpened) + "|" +
                InstallRequestMessage(settings, InstallStoreResult::ValueNotSet),
            "|Couldn't open key |Failed to set data for 'Install1234'");
  const auto read = [&settings](const std::string& text) {
    test::WriteBytes(settings.settingsFile, text);
    ReadSettings(settings);
    return std::to_string(settings.mode) + "|" + settings.importExportFolder + "|" +
           settings.palmInstallFolder + "|" + settings.palmBackupFolder + "|" +
           settings.hotSyncUserId + "|" + std::string(CharsetName(settings.charset));
  };
  const std::string folder = DefaultFolder(settings);
  EXPECT_EQ(read("[UserInfo]\r\nuserHSCode=\r\nPCPath=/refs/pc/\r\nENPath=/refs/en\r\n"
                 "PalmInPath=/palm/backup\\\r\n[Tomekit]\r\nprogMode=0x2\r\nENCharset=utf-8\r\n"
                 "PCCharset=UTF-8\r\n"),
            "2|/refs/pc/|" + folder + "|/palm/backup\\||utf-8");
  for (const char* mode : {"two", "4", "-1"}) {
    EXPECT_EQ(
        read(std::string("[UserInfo]\nENPath=/en\n[Tomekit]\nENCharset=latin1\nProgMode=") + mode),
        "0|/en|" + folder + "|" + folder + "|0|auto")
        << mode;
  }
  // Work folders are made, or reported missing when they can't be.
  ASSERT_TRUE(MakeWorkFolders(dir.path()));
  test::BlockFolder(dir.file("TKWork"));
  EXPECT_FALSE(MakeWorkFolders(dir.path()));
}

TEST(settings_test, popup_letters_follow_column_position_and_clear_empties_the_modes_fields) {
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
  ClearFieldTable(setup);
  EXPECT_TRUE(CountSelectedFields(setup) == 0 && setup.table[31].maxWidth == 0);
}

// Reading accepts every synonym; writing uses the first tag of a field.
TEST(settings_test, ris_tags_map_synonyms_to_one_field_and_write_the_first) {
  const std::pair<const char*, int> read[] = {
      {"TY  - ", 1}, {"T1  - x", 3}, {"CT  - ", 3},  {"A1  - ", 4},
      {"AU  - ", 4}, {"J2  - ", 11}, {"UR  - ", 33}, {"ER  - ", kRisRecordEnd},
      {"ty  - ", 0}, {"TY - x", 0},  {"TY  -", 0},   {"ZZ  - ", 0},
      {"TY  -x", 0}};
  for (const auto& [tag, field] : read) EXPECT_EQ(RisFieldOfTag(tag), field) << tag;
  EXPECT_EQ(RisTagOfField(kRisRecordEnd), "");
  for (int field = 1; field < kRisRecordEnd; ++field) {
    EXPECT_EQ(RisFieldOfTag(RisTagOfField(field)), field) << field;
  }
  // The catalogue's entry 0 is a placeholder; past the end mark is nothing.
  EXPECT_EQ(std::string(FieldLabel(kModeEndNote, 0)) + "|" +
                std::string(FieldLabel(kModeEndNote, 33)) + "|" + std::string(GenericFieldMap(49)),
            "DUMMY||");
}

}  // namespace
}  // namespace tk
