// A converter that dies before it has finished: whatever it left must not
// reach the destination, and the user is told which file was not converted.
#include "converter/ConverterRunner.h"

#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using Lines = std::vector<std::string>;

// Writes half a database, then dies the way the script says.
std::string DyingConverter(const std::string& how) {
  return "#!/bin/sh\nprintf 'half a datab' > \"$3\"\n" + how + "\nprintf 'ase' >> \"$3\"\n";
}

struct DyingRun {
  explicit DyingRun(const std::string& how) : program(DyingConverter(how)), state(program.state()) {
    test::WriteBytes(program.file("refs.csv"), "\"Title\"\r\n\"A\"\r\n");
    test::WriteBytes(program.file("refs.IFO"), "ifo\r\n");
  }
  int toPdb() {
    return ConvertCsvToPdb(state, ui, program.file("refs.csv"), pdb, program.file("refs.IFO"),
                           "\"EN-refs\"");
  }
  void expectNothingUsed() {
    EXPECT_EQ(ui.texts(), (Lines{"jconv5 stopped before it had finished converting " +
                                     program.file("refs.csv") + "; nothing was written to " + pdb,
                                 "Output file not created"}));
    EXPECT_FALSE(FileExists(pdb));
    EXPECT_FALSE(FileExists(program.work("out.tmp")));
    EXPECT_FALSE(FileExists(program.work("input.tmp")));
    EXPECT_FALSE(ui.progressVisible);
  }

  test::ProgramFolder program;
  AppState state;
  test::FakeUi ui;
  std::string pdb = program.file("EN-refs.PDB");
};

TEST(converter_faults_test, converter_killed_mid_run_leaves_no_half_database) {
  DyingRun run("kill -KILL $$");
  EXPECT_EQ(run.toPdb(), 0);
  run.expectNothingUsed();
}

TEST(converter_faults_test, converter_crashing_mid_run_leaves_no_half_database) {
  DyingRun run("kill -SEGV $$");
  EXPECT_EQ(run.toPdb(), 0);
  run.expectNothingUsed();
}

TEST(converter_faults_test, converter_ending_by_itself_is_trusted_whatever_its_exit_code) {
  // Tomekit has never read jconv5's exit code; only its log tells failure.
  DyingRun run("printf 'ase' >> \"$3\"; exit 3");
  EXPECT_EQ(run.toPdb(), 1);
  EXPECT_EQ(test::ReadBytes(run.pdb), "half a database");
  EXPECT_TRUE(run.ui.messages.empty());
}

}  // namespace
}  // namespace tk
