// The converter as Tomekit runs it: the command line, the files it reads and
// writes, the log on failure, and the program's exit status.
#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/CommandLine.h"
#include "jconv5/pdb/Convert.h"
#include "mock/Faults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace jconv5 {
namespace {

namespace fs = std::filesystem;
using namespace test;
using tk::test::ReadBytes;
using tk::test::WriteBytes;

const std::string kCsv = CsvLineOf({"Title", "Year"}) +
                         CsvLineOf({"A \"\"quoted\"\" one", "1999"}) +
                         CsvLineOf({"two\x85lines", " "});

TEST(command_line_test, parses_tomekits_two_command_lines) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"1", "in", "out", "\"EN-My Refs\"", "ifo"}, "1 in out [EN-My Refs] ifo"},
      {{"1", "in", "out", "\"EN-My", "Refs\"", "ifo"}, "1 in out [EN-My Refs] ifo"},
      {{"1", "in", "out", "\"\"", "ifo"}, "1 in out [] ifo"},
      {{"1", "in", "out", "\"", "ifo"}, "1 in out [\"] ifo"},
      {{"1", "in", "out", "\"x", "ifo"}, "1 in out [\"x] ifo"},
      {{"2", "in", "out", " ", "ifo"}, "2 in out [] ifo"},
      {{"2", "in", "out", "ifo"}, "2 in out [] ifo"},
      {{}, "usage"},
      {{"3", "in", "out", "n", "ifo"}, "usage"},
      {{"2", "in", "out", " ", " ", "ifo"}, "usage"},
      {{"2", "in", "", "ifo"}, "usage"},
  };
  for (const auto& [args, expected] : cases) {
    const std::optional<Command> c = ParseCommandLine(args);
    EXPECT_EQ(c ? std::to_string(c->direction) + " " + c->input + " " + c->output + " [" + c->name +
                      "] " + c->ifo
                : "usage",
              expected);
  }
  EXPECT_EQ(ErrorLogPath("/a/b/out.pdb"), "/a/b/jconv5.err");
  EXPECT_EQ(ErrorLogPath("out.pdb"), "jconv5.err");
  std::ostringstream messages;
  EXPECT_EQ(RunJconv5({"2", "in", "out", "name", "ifo"}, messages), kExitUsage);
  EXPECT_EQ(messages.str(), kUsage);
}

// One conversion in a fresh folder; the test writes the inputs.
struct Conversion {
  explicit Conversion(int direction)
      : command{direction, dir.file("in"), dir.file("out"), "EN-x", dir.file("ifo")} {}
  int operator()() {
    std::ostringstream stream;
    const int exit = RunCommand(command, 7, stream);
    messages = stream.str();
    return exit;
  }
  std::string log() const { return ReadBytes(dir.file("jconv5.err")); }
  tk::test::TempFolder dir;
  Command command;
  std::string messages;
};

TEST(command_line_test, writes_the_output_whole_or_keeps_the_earlier_one_and_logs_why) {
  Conversion build(1), extract(2);
  const Command& b = build.command;
  WriteBytes(b.input, kCsv);
  WriteBytes(b.ifo, Ifo(2));
  WriteBytes(build.dir.file("jconv5.err"), "an earlier failure");
  EXPECT_EQ(build(), kExitSuccess);
  EXPECT_EQ(build.messages, "");
  EXPECT_EQ(ReadBytes(b.output), BuildDatabase(kCsv, Ifo(2), "EN-x", 7));
  EXPECT_EQ(std::distance(fs::directory_iterator(build.dir.path()), {}), 3) << "no log, no part";
  extract.command.input = b.output;
  EXPECT_EQ(extract(), kExitSuccess);
  EXPECT_EQ(ReadBytes(extract.command.output), kCsv);

  WriteBytes(b.input, kCsv + "\"unclosed\r\n");
  EXPECT_EQ(build(), kExitFailed);
  EXPECT_EQ(build.log(), "jconv5 could not build the JFile database.\r\nCSV file: " + b.input +
                             "\r\nIFO file: " + b.ifo +
                             "\r\nProblem: CSV line 4, item 1: the closing double quote is "
                             "missing.\r\nNothing was written to " +
                             b.output + ".\r\n");
  EXPECT_EQ(build.messages, build.log());
  EXPECT_EQ(ReadBytes(b.output), BuildDatabase(kCsv, Ifo(2), "EN-x", 7)) << "the earlier output";
}

TEST(command_line_test, file_faults_are_named_in_the_log) {
  Conversion run(2);
  const std::string in = run.command.input, out = run.command.output;
  EXPECT_EQ(run(), kExitFailed);
  EXPECT_EQ(run.log(),
            "jconv5 could not turn the JFile database into a CSV file.\r\nPDB file: " + in +
                "\r\nProblem: PDB file: cannot open " + in +
                " (No such file or directory).\r\nNothing was written to " + out + ".\r\n");
  WriteBytes(in, BuildDatabase(kCsv, Ifo(2), "n", 0));
  WriteBytes(out, "earlier");
  tk::test::FullDiskFor(tk::test::Jconv5PartOf(out));
  EXPECT_EQ(run(), kExitFailed);
  EXPECT_NE(run.log().find("Problem: cannot write the output file " + out +
                           " (No space left on device).\r\nNothing"),
            std::string::npos);
  EXPECT_EQ(ReadBytes(out), "earlier");
  EXPECT_FALSE(tk::test::LeftBehind(tk::test::Jconv5PartOf(out)));
  run.command.output = run.dir.file("gone/out");
  run();
  EXPECT_NE(run.messages.find("The log jconv5.err could not be written either: cannot create"),
            std::string::npos);
}

}  // namespace
}  // namespace jconv5
