// Runs the built jconv5 the way Tomekit's converter runner does.
#include "jconv5/Jconv5Fixtures.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace jconv5 {
namespace {

using test::CsvLineOf;
using test::IfoText;
using test::PlainIfo;
using tk::test::ReadBytes;
using tk::test::TempFolder;
using tk::test::WriteBytes;

struct ProgramRun {
  int exitCode = -1;
  std::string messages;  // what it printed on stderr
};

ProgramRun RunJconv5(const TempFolder& folder, const std::vector<std::string>& items) {
  std::string program = std::string(TOMEKIT_PROGRAM_FOLDER) + "/jconv5";
  std::vector<char*> argv{program.data()};
  std::vector<std::string> copies = items;
  for (std::string& item : copies) argv.push_back(item.data());
  argv.push_back(nullptr);
  std::string errPath = folder.file("stderr.txt");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  pid_t pid = 0;
  ProgramRun run;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  run.messages = ReadBytes(errPath);
  std::filesystem::remove(errPath);
  return run;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// Nothing but the inputs and, on failure, the log.
std::vector<std::string> FolderNames(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

const std::string kCsv = CsvLineOf({"Reference Type", "Author", "Year"}) +
                         CsvLineOf({"Book", "Smith, J.", "1999"}) +
                         CsvLineOf({"Journal",
                                    "O\"\"Neil\x85"
                                    "P.",
                                    " "});

TEST(jconv5_program_test, builds_a_database_and_turns_it_back_into_csv) {
  TempFolder folder;
  WriteBytes(folder.file("input.tmp"), kCsv);
  WriteBytes(folder.file("ifo.tmp"),
             IfoText({64, 1, 64}, {15, 80, 30}, {{"popupa", {"Book", "Journal"}}}));
  ProgramRun build = RunJconv5(folder, {"1", folder.file("input.tmp"), folder.file("out.tmp"),
                                        "\"EN-My Refs\"", folder.file("ifo.tmp")});
  EXPECT_EQ(build.exitCode, 0) << build.messages;
  EXPECT_EQ(build.messages, "");
  std::string pdb = ReadBytes(folder.file("out.tmp"));
  ASSERT_GT(pdb.size(), 78u);
  EXPECT_EQ(test::CText(pdb, 0), "EN-My Refs") << "enclosing quotes stripped";
  EXPECT_EQ(FolderNames(folder), (std::vector<std::string>{"ifo.tmp", "input.tmp", "out.tmp"}));

  ProgramRun withBlank = RunJconv5(
      folder, {"2", folder.file("out.tmp"), folder.file("a.csv"), " ", folder.file("temp.ifo")});
  ProgramRun without = RunJconv5(
      folder, {"2", folder.file("out.tmp"), folder.file("b.csv"), folder.file("temp.ifo")});
  EXPECT_EQ(withBlank.exitCode, 0) << withBlank.messages;
  EXPECT_EQ(without.exitCode, 0) << without.messages;
  EXPECT_EQ(ReadBytes(folder.file("a.csv")), kCsv);
  EXPECT_EQ(ReadBytes(folder.file("b.csv")), kCsv);
}

TEST(jconv5_program_test, a_name_split_by_an_unquoting_caller_is_joined) {
  TempFolder folder;
  WriteBytes(folder.file("in.csv"), kCsv);
  WriteBytes(folder.file("in.ifo"), PlainIfo(3));
  ProgramRun run = RunJconv5(folder, {"1", folder.file("in.csv"), folder.file("out.pdb"), "\"EN-My",
                                      "Refs\"", folder.file("in.ifo")});
  EXPECT_EQ(run.exitCode, 0) << run.messages;
  EXPECT_EQ(test::CText(ReadBytes(folder.file("out.pdb")), 0), "EN-My Refs");
}

TEST(jconv5_program_test, success_clears_a_log_left_by_an_earlier_failure) {
  TempFolder folder;
  WriteBytes(folder.file("jconv5.err"), "old failure");
  WriteBytes(folder.file("in.csv"), kCsv);
  WriteBytes(folder.file("in.ifo"), PlainIfo(3));
  EXPECT_EQ(RunJconv5(folder, {"1", folder.file("in.csv"), folder.file("out.pdb"), "n",
                               folder.file("in.ifo")})
                .exitCode,
            0);
  EXPECT_FALSE(Exists(folder.file("jconv5.err")));
}

TEST(jconv5_program_test, the_log_says_what_failed_and_where) {
  TempFolder folder;
  WriteBytes(folder.file("in.csv"), kCsv + "\"Book\",\"unclosed\r\n");
  WriteBytes(folder.file("in.ifo"), PlainIfo(3));
  ProgramRun run = RunJconv5(
      folder, {"1", folder.file("in.csv"), folder.file("out.pdb"), "n", folder.file("in.ifo")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_FALSE(Exists(folder.file("out.pdb")));
  std::string log = ReadBytes(folder.file("jconv5.err"));
  EXPECT_EQ(log,
            "jconv5 could not build the JFile database.\r\n"
            "CSV file: " +
                folder.file("in.csv") +
                "\r\n"
                "IFO file: " +
                folder.file("in.ifo") +
                "\r\n"
                "Problem: CSV line 4, item 2: the closing double quote is missing.\r\n"
                "Nothing was written to " +
                folder.file("out.pdb") + ".\r\n");
  EXPECT_EQ(run.messages, log);
}

struct FailureCase {
  const char* what;
  std::string direction;
  std::optional<std::string> input;  // none: the file is missing
  std::optional<std::string> ifo;
  std::string problem;  // words the log must hold
};

// Each failure: exit 1, no output, nothing half-written, a log naming it.
TEST(jconv5_program_test, failures_leave_no_output_and_a_log_naming_the_problem) {
  std::string header51;
  for (int i = 1; i <= 51; ++i) header51 += (i > 1 ? ",\"F" : "\"F") + std::to_string(i) + "\"";
  std::string goodPdb;
  {
    TempFolder folder;
    WriteBytes(folder.file("in.csv"), kCsv);
    WriteBytes(folder.file("in.ifo"), PlainIfo(3));
    RunJconv5(folder,
              {"1", folder.file("in.csv"), folder.file("out.pdb"), "n", folder.file("in.ifo")});
    goodPdb = ReadBytes(folder.file("out.pdb"));
  }
  ASSERT_FALSE(goodPdb.empty());
  std::string encrypted = goodPdb;
  encrypted[35] = 0x03;

  const std::vector<FailureCase> cases = {
      {"missing CSV", "1", std::nullopt, PlainIfo(3), "CSV file: cannot open"},
      {"missing IFO", "1", kCsv, std::nullopt, "IFO file: cannot open"},
      {"malformed CSV", "1", kCsv + "\"a\"b\r\n", PlainIfo(3),
       "CSV line 4, item 1: text follows the closing double quote"},
      {"malformed IFO", "1", kCsv, "JFile5\r\n1 1 1", "IFO file: it has 2 lines"},
      {"too many columns", "1", header51 + "\r\n", PlainIfo(51),
       "51 columns; a JFile database has at most 50"},
      {"columns disagree", "1", kCsv, PlainIfo(2),
       "the header names 3 columns but the IFO file describes 2"},
      {"missing PDB", "2", std::nullopt, std::nullopt, "PDB file: cannot open"},
      {"truncated PDB", "2", goodPdb.substr(0, 100), std::nullopt, "damaged"},
      {"encrypted PDB", "2", encrypted, std::nullopt, "is encrypted"},
      {"not a PDB", "2", kCsv, std::nullopt, "this is not a JFile database"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    if (c.input) WriteBytes(folder.file("input.tmp"), *c.input);
    if (c.ifo) WriteBytes(folder.file("ifo.tmp"), *c.ifo);
    ProgramRun run =
        RunJconv5(folder, {c.direction, folder.file("input.tmp"), folder.file("out.tmp"),
                           c.direction == "1" ? "n" : " ", folder.file("ifo.tmp")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(Exists(folder.file("out.tmp")));
    EXPECT_FALSE(Exists(folder.file("out.tmp.jconv5-part")));
    std::string log = ReadBytes(folder.file("jconv5.err"));
    EXPECT_NE(log.find(c.problem), std::string::npos) << log;
  }
}

TEST(jconv5_program_test, a_bad_command_line_prints_usage_and_writes_nothing) {
  TempFolder folder;
  const std::vector<std::vector<std::string>> lines = {
      {},
      {"1", folder.file("in.csv"), folder.file("out.pdb"), folder.file("in.ifo")},
      {"3", folder.file("in"), folder.file("out"), "n", folder.file("ifo")},
      {"2", folder.file("in"), folder.file("out"), "name", folder.file("ifo")},
  };
  for (const auto& items : lines) {
    ProgramRun run = RunJconv5(folder, items);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.messages.rfind("usage: jconv5 1 ", 0), 0u) << run.messages;
  }
  EXPECT_TRUE(FolderNames(folder).empty());
}

}  // namespace
}  // namespace jconv5
