// jconv5 on a database cut short at every byte, and on a full disk: always a
// clear log, never an output file, never a crash.
#include "mock/Faults.h"
#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/CommandLine.h"
#include "jconv5/pdb/Convert.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace jconv5 {
namespace {

using tk::test::ReadBytes;
using tk::test::TempFolder;
using tk::test::WriteBytes;

// Three columns (text, popup, multiple-choice popup), popup words, values
// with quotes and line breaks: every part of the file has bytes to lose.
std::string ValidPdb() {
  const std::string csv = test::CsvLineOf({"Title", "Kind", "Tags"}) +
                          test::CsvLineOf({"A \"\"quoted\"\" one", "alpha", "x"}) +
                          test::CsvLineOf({" ", "beta", "y"}) +
                          test::CsvLineOf({"two\x85lines", "alpha", "x"});
  const std::string ifo = test::IfoText({1, 64, 81}, {80, 60, 40},
                                        {{"popupb", {"alpha", "beta"}}, {"popupc", {"x", "y"}}});
  return BuildDatabase(csv, ifo, "Cut short", 0);
}

struct Direction2 {
  Direction2() {
    command.direction = 2;
    command.input = folder.file("input.tmp");
    command.output = folder.file("out.tmp");
    command.ifo = folder.file("ifo.tmp");
  }
  int run() {
    std::ostringstream messages;
    return RunCommand(command, 0, messages);
  }
  std::string log() const { return ReadBytes(folder.file("jconv5.err")); }

  TempFolder folder;
  Command command;
};

TEST(jconv5_faults_test, database_cut_at_every_offset_fails_with_a_clear_log) {
  const std::string pdb = ValidPdb();
  Direction2 d;
  WriteBytes(d.command.input, pdb);
  ASSERT_EQ(d.run(), kExitSuccess);
  const std::string earlier = ReadBytes(d.command.output);
  ASSERT_FALSE(earlier.empty());

  for (std::size_t size = 0; size < pdb.size(); ++size) {
    SCOPED_TRACE("cut at " + std::to_string(size) + " of " + std::to_string(pdb.size()));
    WriteBytes(d.command.input, pdb.substr(0, size));
    ASSERT_EQ(d.run(), kExitFailed);
    // The output of the earlier run is neither replaced nor touched.
    ASSERT_EQ(ReadBytes(d.command.output), earlier);
    ASSERT_FALSE(std::filesystem::exists(tk::test::Jconv5PartOf(d.command.output)));
    const std::string log = d.log();
    ASSERT_EQ(log.rfind("jconv5 could not turn the JFile database into a CSV file.\r\nPDB file: " +
                            d.command.input + "\r\nProblem: ",
                        0),
              0u)
        << log;
    ASSERT_EQ(log.find("unexpected error"), std::string::npos) << log;
    ASSERT_NE(log.find("Nothing was written to " + d.command.output + ".\r\n"), std::string::npos)
        << log;
  }
}

TEST(jconv5_faults_test, the_program_on_cut_databases_ends_with_failure_not_a_crash) {
  const std::string pdb = ValidPdb();
  const std::string program = std::string(TOMEKIT_PROGRAM_FOLDER) + "/jconv5";
  TempFolder folder;
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{77}, std::size_t{78},
                           std::size_t{85}, pdb.size() / 2, pdb.size() - 1}) {
    SCOPED_TRACE("cut at " + std::to_string(size));
    WriteBytes(folder.file("input.tmp"), pdb.substr(0, size));
    const std::string command = "'" + program + "' 2 '" + folder.file("input.tmp") + "' '" +
                                folder.file("out.tmp") + "' ' ' '" + folder.file("ifo.tmp") +
                                "' 2>/dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kExitFailed);
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.tmp")));
    EXPECT_NE(ReadBytes(folder.file("jconv5.err")).find("Problem: "), std::string::npos);
  }
}

TEST(jconv5_faults_test, full_disk_leaves_the_earlier_output_and_says_why) {
  Direction2 d;
  WriteBytes(d.command.input, ValidPdb());
  WriteBytes(d.command.output, "an earlier CSV");
  tk::test::FullDiskFor(tk::test::Jconv5PartOf(d.command.output));
  EXPECT_EQ(d.run(), kExitFailed);
  EXPECT_EQ(ReadBytes(d.command.output), "an earlier CSV");
  EXPECT_FALSE(tk::test::LeftBehind(tk::test::Jconv5PartOf(d.command.output)));
  EXPECT_NE(d.log().find("Nothing was written to " + d.command.output), std::string::npos)
      << d.log();
}

}  // namespace
}  // namespace jconv5
