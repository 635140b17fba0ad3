// The converter as Tomekit runs it: the command line, the files it reads and
// writes, the log on failure, and the program's exit status.
#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/CommandLine.h"
#include "jconv5/pdb/Convert.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace jconv5 {
namespace {

namespace fs = std::filesystem;
using namespace test;

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

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
      {{"2", "in", "out", "name", "ifo"}, "usage"},
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

// One conversion in a fresh folder, removed afterwards; the test writes the inputs.
struct Conversion {
  explicit Conversion(int direction) {
    char name[] = "/tmp/jconv5-test-XXXXXX";
    folder = std::string(mkdtemp(name)) + "/";
    command = {direction, folder + "in", folder + "out", "EN-x", folder + "ifo"};
  }
  ~Conversion() { fs::remove_all(folder); }
  int operator()() {
    std::ostringstream stream;
    const int exit = RunCommand(command, 7, stream);
    messages = stream.str();
    return exit;
  }
  std::string log() const { return Read(folder + "jconv5.err"); }
  bool logged(const std::string& problem) const {
    return log().find("\r\nProblem: " + problem + ".\r\nNothing") != std::string::npos;
  }
  std::string folder, messages;
  Command command;
};

TEST(command_line_test, writes_the_output_whole_or_keeps_the_earlier_one_and_logs_why) {
  Conversion build(1), extract(2);
  const Command& b = build.command;
  Write(b.input, kCsv);
  Write(b.ifo, Ifo(2));
  Write(build.folder + "jconv5.err", "an earlier failure");
  EXPECT_EQ(build(), kExitSuccess);
  EXPECT_EQ(build.messages, "");
  EXPECT_EQ(Read(b.output), BuildDatabase(kCsv, Ifo(2), "EN-x", 7));
  EXPECT_EQ(std::distance(fs::directory_iterator(build.folder), {}), 3) << "no log, no part file";
  extract.command.input = b.output;
  EXPECT_EQ(extract(), kExitSuccess);
  EXPECT_EQ(Read(extract.command.output), kCsv);

  Write(b.input, kCsv + "\"unclosed\r\n");
  EXPECT_EQ(build(), kExitFailed);
  EXPECT_EQ(build.log(), "jconv5 could not build the JFile database.\r\nCSV file: " + b.input +
                             "\r\nIFO file: " + b.ifo +
                             "\r\nProblem: CSV line 4, item 1: the closing double quote is "
                             "missing.\r\nNothing was written to " +
                             b.output + ".\r\n");
  EXPECT_EQ(build.messages, build.log());
  EXPECT_EQ(Read(b.output), BuildDatabase(kCsv, Ifo(2), "EN-x", 7)) << "the earlier output stays";
}

TEST(command_line_test, file_faults_are_named_in_the_log) {
  Conversion run(2);
  const std::string in = run.command.input, out = run.command.output;
  EXPECT_EQ(run(), kExitFailed);
  EXPECT_EQ(run.log(),
            "jconv5 could not turn the JFile database into a CSV file.\r\nPDB file: " + in +
                "\r\nProblem: PDB file: cannot open " + in +
                " (No such file or directory).\r\nNothing was written to " + out + ".\r\n");
  Write(in, BuildDatabase(kCsv, Ifo(2), "n", 0));
  Write(out, "earlier");
  fs::create_symlink("/dev/full", out + ".jconv5-part");  // a disk that fills up
  EXPECT_EQ(run(), kExitFailed);
  EXPECT_TRUE(run.logged("cannot write the output file " + out + " (No space left on device)"));
  EXPECT_EQ(Read(out), "earlier");
  EXPECT_FALSE(fs::exists(fs::symlink_status(out + ".jconv5-part")));
  run.command.output = run.folder + "gone/out";
  run();
  EXPECT_NE(run.messages.find("The log jconv5.err could not be written either: cannot create"),
            std::string::npos);
}

}  // namespace
}  // namespace jconv5
