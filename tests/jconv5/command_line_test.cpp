// The converter as Tomekit runs it: the command line, the files it reads and
// writes, the log on failure, and the program's exit status.
#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/CommandLine.h"
#include "jconv5/pdb/Convert.h"
#include "mock/Expect.h"
#include "mock/Faults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace jconv5 {
namespace {

namespace fs = std::filesystem;
using namespace test;
using namespace tk::test;

const std::string kCsv = CsvLineOf({"Title", "Year"}) +
                         CsvLineOf({"A \"\"quoted\"\" one", "1999"}) +
                         CsvLineOf({"two\x85lines", " "});

TEST(command_line_test, parses_tomekits_two_command_lines) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"1", "in", "out", "\"EN-My Refs\"", "ifo"}, "1 in out [EN-My Refs] ifo"},
      {{"1", "in", "out", "\"EN-My", "Refs\"", "ifo"}, "1 in out [EN-My Refs] ifo"},
      {{"1", "in", "out", "\"\"", "ifo"}, "1 in out [] ifo"},
      {{"1", "in", "out", "\"x", "ifo"}, "1 in out [\"x] ifo"},
      {{"2", "in", "out", " ", "ifo"}, "2 in out [] ifo"},
      {{"2", "in", "out", "ifo"}, "2 in out [] ifo"},
      {{}, "usage"},
      {{"3", "in", "out", "n", "ifo"}, "usage"},
      {{"2", "in", "out", " ", " ", "ifo"}, "usage"},
      {{"2", "in", "", "ifo"}, "usage"},
      {{"--line-break=fF", "1", "in", "out", "n", "ifo"}, "1 in out [n] ifo, line break ff"},
      {{"--line-break=ff", "2", "in", "out", "ifo"}, "2 in out [] ifo, line break ff"},
      {{"--line-break=f", "2", "in", "out", "ifo"}, "usage"},
      {{"--line-break=fg", "2", "in", "out", "ifo"}, "usage"},
      {{"--line-brake=ff", "2", "in", "out", "ifo"}, "usage"},
  };
  for (const auto& [args, expected] : cases) {
    const std::optional<Command> c = ParseCommandLine(args);
    const auto mark = c ? static_cast<unsigned char>(c->lineBreak) : 0x85;
    EXPECT_EQ(c ? std::to_string(c->direction) + " " + c->input + " " + c->output + " [" + c->name +
                      "] " + c->ifo +
                      (mark == 0xFF   ? ", line break ff"
                       : mark == 0x85 ? ""
                                      : "?")
                : "usage",
              expected);
  }
  std::ostringstream messages;
  EXPECT_EQ(RunJconv5({"2", "in", "out", "name", "ifo"}, messages), kExitUsage);
  EXPECT_EQ(messages.str(), kUsage);
}

// A run that fails says why on its stream and in a log beside the output,
// and keeps the earlier output; one that succeeds removes an earlier log.
TEST(command_line_test, writes_the_output_whole_or_keeps_the_earlier_one_and_logs_why) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  TempFolder dir;
  const std::string log = dir.file("jconv5.err");
  const Command build{1, dir.file("in"), dir.file("out"), "EN-x", dir.file("ifo")};
  Command extract{2, build.output, dir.file("back"), "EN-x", build.ifo};
  WriteBytes(build.input, kCsv);
  WriteBytes(build.ifo, Ifo(2));
  WriteBytes(log, "an earlier failure");
  std::ostringstream messages;
  // A failed run's log, which repeats what the run printed.
  const auto failed = [&](const Command& command) {
    messages.str("");
    EXPECT_EQ(RunCommand(command, 7, messages), kExitFailed);
    return ReadBytes(log) == messages.str() ? messages.str() : "printed: " + messages.str();
  };
  EXPECT_EQ(RunCommand(build, 7, messages), kExitSuccess);
  const std::string pdb = BuildDatabase(kCsv, Ifo(2), "EN-x", 7);
  EXPECT_EQ(ReadBytes(build.output), pdb);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 3) << "no log, no part";
  EXPECT_EQ(RunCommand(extract, 0, messages), kExitSuccess);
  EXPECT_EQ(messages.str() + ReadBytes(extract.output), kCsv) << "printing nothing";

  WriteBytes(build.input, kCsv + "\"unclosed\r\n");
  EXPECT_EQ(failed(build), "jconv5 could not build the JFile database.\r\nCSV file: " +
                               build.input + "\r\nIFO file: " + build.ifo +
                               "\r\nProblem: CSV line 4, item 1: the closing double quote is "
                               "missing.\r\nNothing was written to " +
                               build.output + ".\r\n");
  EXPECT_EQ(ReadBytes(build.output), pdb) << "the earlier output";

  const Command missing{2, dir.file("none"), extract.output, "EN-x", build.ifo};
  EXPECT_EQ(
      failed(missing),
      "jconv5 could not turn the JFile database into a CSV file.\r\nPDB file: " + missing.input +
          "\r\nProblem: PDB file: cannot open " + missing.input +
          " (No such file or directory).\r\nNothing was written to " + missing.output + ".\r\n");
  FullDiskFor(Jconv5PartOf(extract.output));
  EXPECT_NE(failed(extract).find("Problem: cannot write the output file " + extract.output +
                                 " (No space left on device).\r\nNothing"),
            std::string::npos);
  EXPECT_TRUE(FileHolds(extract.output, kCsv));
  EXPECT_FALSE(LeftBehind(Jconv5PartOf(extract.output)));
  extract.output = dir.file("gone/out");
  EXPECT_NE(failed(extract).find("The log jconv5.err could not be written either: cannot create"),
            std::string::npos);
}

}  // namespace
}  // namespace jconv5
