#include "cli/BatchRun.h"

#include "fields/FieldCatalogue.h"
#include "fields/PalmFolders.h"
#include "mock/FakeConverter.h"
#include "mock/ScopedEnv.h"
#include "platform/Files.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tk::cli {
namespace {

using Args = std::vector<std::string>;

// A program folder with a stand-in converter that copies its input, and a
// settings file saved in ProCite mode.
struct Batch {
  explicit Batch(const std::string& script = test::kRecordingConverter)
      : program(script), storeLocation("TOMEKIT_INSTALL_STORE", program.file("install.ini")) {
    IniFile ini(program.file("tomekit.INI"));
    ini.writeString("UserInfo", "PalmOutPath", program.file("Install"));
    ini.writeString("UserInfo", "PalmInPath", program.file("Backup"));
    ini.writeString("UserInfo", "ENPath", program.file("EndNote"));
    ini.writeString("UserInfo", "PCPath", program.file("ProCite"));
    ini.writeInteger("Tomekit", "ProgMode", kModeProCite);
    CreateFolders(program.file("EndNote"));
    CreateFolders(program.file("ProCite"));
    CreateFolders(program.file("Install"));
  }
  int run(const Args& args) {
    out.str("");
    err.str("");
    return RunBatch(args, program.path(), out, err);
  }
  std::int32_t savedMode() const {
    return IniFile(program.file("tomekit.INI")).readInteger("Tomekit", "ProgMode", -1);
  }

  test::ProgramFolder program;
  test::ScopedEnv storeLocation;
  std::ostringstream out;
  std::ostringstream err;
};

TEST(batch_run_test, usage_error_exits_2_and_help_exits_0) {
  Batch batch;
  EXPECT_EQ(batch.run({"import"}), 2);
  EXPECT_EQ(batch.err.str(), std::string("tomekit-cli: no file given\n") + UsageText());
  EXPECT_EQ(batch.run({"--help"}), 0);
  EXPECT_EQ(batch.out.str(), HelpText());
  EXPECT_FALSE(FileExists(batch.program.file("stratPC.jfp")));
}

TEST(batch_run_test, mode_option_leaves_saved_mode_and_writes_only_missing_strategy) {
  Batch batch;
  const std::string exportFile = batch.program.file("EndNote/My Refs.txt");
  test::WriteBytes(exportFile, "Book\tDoe, A.\t1999\tA book\xB0");
  EXPECT_EQ(batch.run({"import", "--mode", "endnote", exportFile}), 0);
  EXPECT_EQ(batch.out.str(), "1 Records Transferred to  JFile\n");
  EXPECT_EQ(batch.err.str(), "");
  EXPECT_TRUE(FileExists(batch.program.file("Install/EN-My Refs.PDB")));
  EXPECT_EQ(batch.savedMode(), kModeProCite);

  const std::string strategy = test::ReadBytes(batch.program.file("stratEN.jfp"));
  ASSERT_FALSE(strategy.empty());
  test::WriteBytes(batch.program.file("stratEN.jfp"), strategy + "\r\n");
  EXPECT_EQ(batch.run({"import", "--mode", "endnote", exportFile}), 0);
  EXPECT_EQ(test::ReadBytes(batch.program.file("stratEN.jfp")), strategy + "\r\n");
  EXPECT_FALSE(FileExists(batch.program.file("stratPC.jfp")));
}

TEST(batch_run_test, saved_mode_is_used_without_option) {
  Batch batch;
  const std::string pdb = batch.program.file("Backup/PR-refs.PDB");
  CreateFolders(batch.program.file("Backup"));
  test::WriteBytes(pdb, "\"WorkSheet\"\r\n\"Journal\"\r\n\"Book\"\r\n");
  EXPECT_EQ(batch.run({"export", pdb}), 0);
  EXPECT_EQ(batch.out.str(), "2 Records Transferred to ProCite\n");
  EXPECT_TRUE(FileExists(batch.program.file("ProCite/PR-refs.tsv")));
  EXPECT_TRUE(FileExists(batch.program.file("Log.txt")));
}

TEST(batch_run_test, any_failed_file_exits_1_with_messages_on_stderr) {
  Batch batch(test::kFailingConverter);
  const std::string good = batch.program.file("EndNote/a.txt");
  test::WriteBytes(good, "Book\xB0");
  EXPECT_EQ(
      batch.run({"import", "--mode", "endnote", batch.program.file("EndNote/none.txt"), good}), 1);
  EXPECT_EQ(batch.err.str(),
            "Couldnt Open input .tsv file\n"
            "Error Converting EndNote file\n"
            "The external Convertor reported an error. The logfile \"jconv5.err\" contained the "
            "following "
            "information\n"
            "line 3: bad quote\n"
            "no database written\n"
            "Output file not created\n");
  EXPECT_EQ(batch.out.str(), "1 Records Transferred to  JFile\n");
}

TEST(batch_run_test, relative_file_names_are_taken_from_the_current_folder) {
  Batch batch;
  test::WriteBytes(batch.program.file("EndNote/r.txt"), "Book\xB0");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(batch.program.file("EndNote"));
  const int status = batch.run({"import", "--mode", "endnote", "r.txt"});
  std::filesystem::current_path(previous);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(FileExists(batch.program.file("Install/EN-r.PDB")));
}

}  // namespace
}  // namespace tk::cli
