// A session from start to end: settings, mode set-ups, strategy files and
// the program folder, also when it can't be written or read.
#include "session/Lifecycle.h"
#include "platform/Files.h"
#include "platform/IniFile.h"

#include "mock/Expect.h"
#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <filesystem>
#include <tuple>

namespace tk {
namespace {

using Words = std::vector<std::string>;

// A session started in a program folder of its own.
struct Session {
  Session() { EXPECT_TRUE(CreateFolders(settings.dataFolder)); }
  ModeResult start() { return StartUp(settings, setup, ui); }
  ModeResult mode(Mode m) { return SetupMode(settings, setup, ui, m); }
  // Reference Manager's strategy, read as the window or the command line reads it.
  ModeResult load(Ui& with, DefaultStrategyWrite write) {
    return LoadModeStrategy(setup, settings.dataFolder, Mode::RefMan, with, write);
  }
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

// A mode change saves nothing of the strategy. A full disk at the end is
// reported for each file, and each is kept whole.
TEST(lifecycle_test, first_start_writes_defaults_the_end_saves_all_or_keeps_each_on_a_full_disk) {
  Session s;
  ASSERT_TRUE(s.start().loaded());
  EXPECT_EQ(s.key("UserInfo", "ENPath"), DefaultFolder(s.settings));
  EXPECT_TRUE(test::Exists(s.file("TKWork")));
  EXPECT_TRUE(test::Exists(s.file("Import and Export")));
  // A mode change reloads the strategy and keeps each mode's folder.
  s.setup.table[20].selected = 1;
  s.setup.popupLists[20] = {"lost"};
  s.settings.importExportFolder = "/refs/endnote";
  ASSERT_TRUE(s.mode(Mode::ProCite).loaded());
  s.settings.importExportFolder = "/refs/procite";
  ASSERT_TRUE(s.mode(Mode::EndNote).loaded());
  EXPECT_EQ(s.settings.importExportFolder, "/refs/endnote");
  EXPECT_EQ(s.key("UserInfo", "PCPath"), "/refs/procite");
  EXPECT_EQ(s.key("Tomekit", "ProgMode"), "0");
  // Entries past EndNote's 31 fields keep what ProCite left there.
  EXPECT_EQ(s.setup.table[20].selected, 0);
  EXPECT_EQ(s.setup.popupLists[20], Words{});
  EXPECT_EQ(s.setup.table[47].selected, 1);
  ASSERT_TRUE(s.mode(Mode::RefMan).loaded());
  s.setup.table[2].selected = 0;
  s.setup.popupLists[2] = {"mine"};
  // An installed program keeps its log with the data but names where it runs.
  s.settings.programFolder = "/usr/bin";
  EXPECT_TRUE(ShutDown(s.settings, s.setup, s.log).errors.empty());
  EXPECT_EQ(test::ReadBytes(LogFilePath(s.settings.dataFolder)),
            " \r\nProgram location:  /usr/bin\r\n");
  // The next start has nothing but the files.
  s.settings = MakeSettings(s.settings.dataFolder);
  s.setup = {};
  ASSERT_TRUE(s.start().loaded());
  EXPECT_EQ(s.settings.mode, Mode::RefMan);
  EXPECT_EQ(s.setup.table[2].selected, 0);
  EXPECT_EQ(s.setup.popupLists[2], Words{"mine"});
  // A full disk at that session's end.
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  Words files{s.file("stratRM.jfp"), s.file("Log.txt"), s.file("tomekit.INI")}, before, errors;
  for (const std::string& file : files) {
    before.push_back(test::ReadBytes(file));
    test::FullDiskFor(test::TkPartOf(file));
    errors.push_back("Unable to write to " + file);
  }
  s.setup.table[1].maxWidth = 77;  // a change that can't be saved
  s.settings.hotSyncUserId = "5";
  EXPECT_EQ(ShutDown(s.settings, s.setup, s.log).errors, errors);
  for (std::string& file : files)
    file = test::ReadBytes(file) + (test::LeftBehind(test::TkPartOf(file)) ? " and its part" : "");
  EXPECT_EQ(files, before);
}

// A FIFO where the settings file should be, a file where the program folder
// should be, a disk that fills up: the set-up is abandoned with the mode in
// force as it was; a start still loads its saved mode. A
// settings file that isn't one is named, and a FIFO is read as absent
// without waiting for a writer.
TEST(lifecycle_test, unwritable_settings_abandon_a_mode_change_and_keep_the_mode_of_a_start) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  enum class Fault { SettingsFifo, ProgramFolderBlocked, DiskFull };
  using enum Fault;
  for (const Fault fault : {SettingsFifo, ProgramFolderBlocked, DiskFull}) {
    SCOPED_TRACE(static_cast<int>(fault));
    Session s;
    const std::string settingsFile = s.file("tomekit.INI");
    std::string error = "Unable to write to " + settingsFile;
    if (fault == SettingsFifo) {
      ASSERT_TRUE(test::MakeFifo(settingsFile));
      error += "\n" + settingsFile +
               " is not a regular file but a FIFO or pipe; the default settings are used.";
    }
    if (fault == ProgramFolderBlocked) test::BlockFolder(s.settings.dataFolder);
    if (fault == DiskFull) {
      ASSERT_TRUE(s.start().loaded());
      test::FullDiskFor(test::TkPartOf(settingsFile));
    }
    s.setup.popupLists[2] = {"kept"};
    const ModeResult result = fault == DiskFull ? s.mode(Mode::RefMan) : s.start();
    EXPECT_EQ(result.status, ModeLoad::Abandoned);
    EXPECT_EQ(result.error, error);
    if (fault == DiskFull) {
      EXPECT_EQ(s.setup.popupLists[2], Words{"kept"});
    }
    if (fault == SettingsFifo) {
      EXPECT_EQ(KindOfFile(settingsFile), FileKind::Stream);
    }
    EXPECT_EQ(s.settings.mode, Mode::EndNote);
    EXPECT_EQ(s.setup.strategyPath, s.file("stratEN.jfp"));
    // A start still loads the saved mode; where its folder can't be used,
    // from memory, saying that its strategy can't be written.
    EXPECT_TRUE(s.setup.loaded);
    EXPECT_EQ(FolderExists(s.file("TKWork")), fault != ProgramFolderBlocked);
    EXPECT_EQ(s.ui.texts(), fault == ProgramFolderBlocked
                                ? Words{"Unable to write to " + s.file("stratEN.jfp")}
                                : Words{});
  }
}

// The window comes up whole; the user's file (a link's target) is kept aside.
TEST(lifecycle_test, damaged_strategy_is_kept_as_bad_and_the_default_loaded) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  Session s;
  test::WriteBytes(s.file("EN.jfp"), "110\r\nabc\r\n");
  test::WriteBytes(s.file("EN.jfp.bad"), "older");
  std::filesystem::create_symlink("EN.jfp", s.file("stratEN.jfp"));
  ASSERT_TRUE(s.start().loaded());
  EXPECT_EQ(s.ui.texts(), Words{"'abc' is not a valid integer value"});
  EXPECT_EQ(test::ReadBytes(s.file("EN.jfp.bad")), "110\r\nabc\r\n");
  EXPECT_EQ(test::ReadBytes(s.file("EN.jfp")),
            test::ReadBytes(test::DataFile("strategy/default-stratEN.jfp")));
  EXPECT_TRUE(std::filesystem::is_symlink(s.file("stratEN.jfp")));
  // Where it can't be set aside, it is neither used nor saved over at the
  // end, and the mode's fields are left cleared.
  test::WriteBytes(s.file("stratRM.jfp"), "x\r\n");
  ASSERT_TRUE(CreateFolders(s.file("stratRM.jfp.bad/in use")));
  for (FldDef& field : s.setup.table) field = {kTypePopup, 0, 9, 1, 0};
  EXPECT_EQ(s.mode(Mode::RefMan).status, ModeLoad::NoStrategy);
  EXPECT_EQ(CountSelectedFields(s.setup), 0);
  EXPECT_EQ(s.setup.table[s.setup.lastField()].maxWidth, 0);
  EXPECT_TRUE(ShutDown(s.settings, s.setup, s.log).errors.empty());
  EXPECT_EQ(test::ReadBytes(s.file("stratRM.jfp")), "x\r\n");
}

// A width or field type the window never writes makes a file as damaged as
// a word among the numbers: kept aside by the window, refused by the command
// line. A default that can't be written is said, and used from memory.
TEST(lifecycle_test, widths_and_types_out_of_range_are_damage_and_an_unwritable_default_is_said) {
  using enum DefaultStrategyWrite;
  Session s;
  const std::string file = s.file("stratRM.jfp");
  ASSERT_TRUE(s.load(s.ui, WhenUnreadable).loaded());
  const std::string golden = test::ReadBytes(file);
  const std::string widths = "110\r\n0\r\n0\r\n3990,-5,\r\n";
  test::WriteBytes(file, widths);
  test::FakeUi cli;
  EXPECT_EQ(s.load(cli, OnlyWhenMissing).error,
            "'-5' is not a valid field width: widths are from 5 to 3990");
  EXPECT_EQ(test::ReadBytes(file), widths);
  test::WriteBytes(file, "110\r\n0\r\n0\r\n3990,\r\n1,\r\n1,7,\r\n");
  test::FakeUi window;
  EXPECT_TRUE(s.load(window, WhenUnreadable).loaded());
  EXPECT_EQ(window.texts(), Words{"'7' is not a valid field type: the types are 1 (string), 64 "
                                  "(popup) and 81 (multiple popup)"});
  EXPECT_EQ(test::ReadBytes(file), golden);
  EXPECT_TRUE(FileExists(file + ".bad"));

  std::filesystem::remove(file);
  ASSERT_TRUE(CreateFolders(PartFileOf(file)));
  test::FakeUi unwritable;
  const ModeResult fromMemory = s.load(unwritable, OnlyWhenMissing);
  EXPECT_TRUE(fromMemory.loaded());
  EXPECT_GT(CountSelectedFields(s.setup), 0);
  EXPECT_EQ(unwritable.texts(), Words{"Unable to write to " + s.setup.strategyPath});
}

// From the second pump on, the open file at path reads /proc/self/mem, whose
// first page is never mapped: a read error part-way through the file.
struct FailingReadUi : test::FakeUi {
  explicit FailingReadUi(std::string file) : path(std::move(file)) {}
  void processMessages() override {
    if (++pumps != 2) return;  // once the first 64 KiB are read
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
      std::error_code ec;
      if (std::filesystem::read_symlink(fd.path(), ec) != path) continue;
      const int mem = ::open("/proc/self/mem", O_RDONLY);
      ::dup2(mem, std::stoi(fd.path().filename().string()));
      ::close(mem);
    }
  }
  std::string path;
};

// The window replaces a strategy it can't read; the command line never does,
// and keeps none of the words it read before the failure. Past 64 KiB the
// read fails, after the default's words were read once.
TEST(lifecycle_test, strategy_failing_part_way_is_reported_and_replaced_only_by_the_window) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  using enum DefaultStrategyWrite;
  Session s;
  const std::string file = s.file("stratRM.jfp");
  ASSERT_TRUE(s.load(s.ui, WhenUnreadable).loaded());
  const PopupLists fresh = s.setup.popupLists;
  const std::string golden = test::ReadBytes(file), damaged = golden + std::string(70000, 'w');
  for (auto write : {WhenUnreadable, OnlyWhenMissing}) {
    test::WriteBytes(file, damaged);
    FailingReadUi ui(file);
    const bool replaced = write == WhenUnreadable;
    EXPECT_EQ(s.load(ui, write).status, replaced ? ModeLoad::Loaded : ModeLoad::NoStrategy);
    EXPECT_EQ(ui.texts(), Words{"Couldnt Read Strategy File"});
    EXPECT_EQ(test::ReadBytes(file), replaced ? golden : damaged);
    EXPECT_EQ(s.setup.popupLists, replaced ? fresh : PopupLists(kPopupListCount));
  }
}

// A folder, a FIFO or an empty file holds nothing of the user's: it is named
// with what is wrong and the mode's default is used, never a cleared table.
// Only the window writes the default, and only over the empty file.
TEST(lifecycle_test, strategy_that_is_a_folder_fifo_or_empty_is_named_and_the_default_used) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  using enum DefaultStrategyWrite;
  const std::string golden = test::ReadBytes(test::DataFile("strategy/default-stratRM.jfp"));
  for (const auto write : {WhenUnreadable, OnlyWhenMissing}) {
    for (const auto& [kind, problem] :
         {std::pair<std::string, std::string>{"folder", "is not a regular file but a folder"},
          {"fifo", "is not a regular file but a FIFO or pipe"},
          {"empty", "is empty"}}) {
      SCOPED_TRACE(kind);
      Session s;
      const std::string file = s.file("stratRM.jfp");
      if (kind == "empty") test::WriteBytes(file, "\r\n\r\n");
      if (kind != "empty") {
        ASSERT_TRUE(kind == "folder" ? CreateFolders(file) : test::MakeFifo(file));
      }
      EXPECT_TRUE(s.load(s.ui, write).loaded());
      EXPECT_EQ(s.ui.texts(), Words{"Couldnt Read Strategy File\n" + file + " " + problem +
                                    "; the mode's default fields are used."});
      EXPECT_GT(CountSelectedFields(s.setup), 0);
      if (kind == "empty") {
        EXPECT_EQ(test::ReadBytes(file), write == WhenUnreadable ? golden : "\r\n\r\n");
      }
    }
  }
}

}  // namespace
}  // namespace tk
