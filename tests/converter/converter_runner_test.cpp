#include "converter/ConverterRunner.h"

#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using test::ProgramFolder;
using Lines = std::vector<std::string>;

Lines ReadLines(const std::string& path) {
  Lines lines;
  ReadTextLines(path, lines);
  return lines;
}

struct ConverterRun {
  explicit ConverterRun(const std::string& script, const std::string& name = "program")
      : program(script, name), state(program.state()) {
    test::WriteBytes(program.file("refs.csv"), "\"Title\"\r\n\"A\"\r\n");
    test::WriteBytes(program.file("refs.IFO"), "ifo\r\n");
    test::WriteBytes(program.file("refs.PDB"), "pdb bytes");
  }
  int toPdb(const std::string& destination) {
    return ConvertCsvToPdb(state, ui, program.file("refs.csv"), destination,
                           program.file("refs.IFO"), "\"EN-My Refs\"");
  }
  int toCsv(const std::string& destination) {
    return ConvertPdbToCsv(state, ui, program.file("refs.PDB"), destination,
                           program.work("temp.ifo"));
  }

  ProgramFolder program;
  AppState state;
  test::FakeUi ui;
};

// A program folder with blanks in its name still gives one item per path.
TEST(converter_runner_test, passes_six_items_and_copies_output_to_destination) {
  ConverterRun run(test::kRecordingConverter, "My Programs");
  const std::string pdb = run.program.file("EN-My Refs.PDB");
  EXPECT_EQ(run.toPdb(pdb), 1);
  EXPECT_EQ(ReadLines(run.program.file("args.txt")),
            (Lines{ConverterPath(run.state), "1", run.program.work("input.tmp"),
                   run.program.work("out.tmp"), "\"EN-My Refs\"", run.program.work("ifo.tmp")}));
  EXPECT_EQ(test::ReadBytes(pdb), "\"Title\"\r\n\"A\"\r\n");
  EXPECT_EQ(test::ReadBytes(run.program.work("ifo.tmp")), "ifo\r\n");
  EXPECT_FALSE(FileExists(run.program.work("input.tmp")));
  EXPECT_FALSE(FileExists(run.program.work("out.tmp")));
  EXPECT_TRUE(run.ui.messages.empty());
  EXPECT_FALSE(run.ui.progressVisible);
  EXPECT_EQ(run.ui.lastProgress.prefix, "Waiting for Jconv5 to finish");
  EXPECT_EQ(run.ui.lastProgress.banner, Banner::ToJFile);
  EXPECT_FALSE(run.ui.lastProgress.showRecordCounter);
}

TEST(converter_runner_test, direction_two_passes_a_blank_name_item) {
  ConverterRun run(test::kRecordingConverter);
  EXPECT_EQ(run.toCsv(run.program.work("refs.out")), 1);
  const Lines args = ReadLines(run.program.file("args.txt"));
  ASSERT_EQ(args.size(), 6u);
  EXPECT_EQ(args[1], "2");
  EXPECT_EQ(args[4], " ");
  EXPECT_EQ(test::ReadBytes(run.program.work("refs.out")), "pdb bytes");
  EXPECT_EQ(run.ui.lastProgress.banner, Banner::FromJFile);
}

TEST(converter_runner_test, missing_source_touches_nothing) {
  ConverterRun run(test::kRecordingConverter);
  const std::string pdb = run.program.file("old.PDB");
  test::WriteBytes(pdb, "old");
  EXPECT_EQ(ConvertCsvToPdb(run.state, run.ui, run.program.file("none.csv"), pdb,
                            run.program.file("refs.IFO"), "\"x\""),
            0);
  EXPECT_EQ(
      run.ui.messages,
      (std::vector<test::ShownMessage>{{MessageKind::Plain, "The source file does not exist"}}));
  EXPECT_EQ(test::ReadBytes(pdb), "old");
  EXPECT_FALSE(FileExists(run.program.file("args.txt")));
}

TEST(converter_runner_test, missing_converter_is_reported) {
  ConverterRun run("");
  const std::string pdb = run.program.file("old.PDB");
  test::WriteBytes(pdb, "old");
  EXPECT_EQ(run.toPdb(pdb), 0);
  EXPECT_EQ(run.ui.messages,
            (std::vector<test::ShownMessage>{{MessageKind::Plain, "Jconv5.exe not found!"}}));
  EXPECT_EQ(test::ReadBytes(pdb), "old");
}

TEST(converter_runner_test, missing_destination_folder_is_announced_and_created) {
  ConverterRun run(test::kRecordingConverter);
  const std::string pdb = run.program.file("Palm/User/Install/EN-refs.PDB");
  EXPECT_EQ(run.toPdb(pdb), 1);
  EXPECT_EQ(run.ui.messages, (std::vector<test::ShownMessage>{
                                 {MessageKind::Plain, "Destination directory Had to be created"}}));
  EXPECT_TRUE(FileExists(pdb));
}

TEST(converter_runner_test, converter_log_is_shown_and_fails_the_run_despite_output) {
  ConverterRun run(test::kFailingConverter);
  const std::string pdb = run.program.file("EN-refs.PDB");
  EXPECT_EQ(run.toPdb(pdb), 0);
  ASSERT_EQ(run.ui.errorReports.size(), 1u);
  EXPECT_EQ(run.ui.errorReports[0], (Lines{"line 3: bad quote", "no database written"}));
  EXPECT_EQ(run.ui.messages,
            (std::vector<test::ShownMessage>{{MessageKind::Error, "Output file not created"}}));
  EXPECT_FALSE(FileExists(pdb));
  EXPECT_TRUE(FileExists(run.program.work("jconv5.err")));
}

TEST(converter_runner_test, earlier_log_does_not_fail_the_next_run) {
  ConverterRun run(test::kRecordingConverter);
  test::WriteBytes(run.program.work("jconv5.err"), "old failure\r\n");
  EXPECT_EQ(run.toPdb(run.program.file("EN-refs.PDB")), 1);
  EXPECT_TRUE(run.ui.errorReports.empty());
  EXPECT_FALSE(FileExists(run.program.work("jconv5.err")));
}

TEST(converter_runner_test, converter_writing_nothing_leaves_no_destination) {
  ConverterRun run(test::kSilentConverter);
  const std::string csv = run.program.work("refs.out");
  test::WriteBytes(csv, "old");
  test::WriteBytes(run.program.work("out.tmp"), "left by an interrupted run");
  EXPECT_EQ(run.toCsv(csv), 0);
  EXPECT_EQ(run.ui.messages,
            (std::vector<test::ShownMessage>{{MessageKind::Error, "CSV Output file not created"}}));
  EXPECT_FALSE(FileExists(csv));
}

// A converter that runs for a given number of polls on a clock that moves
// one second per poll.
class SteppingClock : public Clock {
public:
  std::int64_t steadyMilliseconds() const override { return seconds_ * 1000; }
  std::int64_t wallSeconds() const override { return seconds_; }
  void sleepMilliseconds(int) const override { ++seconds_; }

private:
  mutable std::int64_t seconds_ = 1000;
};

class PollCountChild : public ChildProcess {
public:
  explicit PollCountChild(int polls) : polls_(polls) {}
  State poll() override { return polls_-- > 0 ? State::Running : State::Ended; }
  int wait() override { return 0; }

private:
  int polls_;
};

class FakeLauncher : public ProcessLauncher {
public:
  explicit FakeLauncher(int polls) : polls_(polls) {}
  std::unique_ptr<ChildProcess> start(const std::vector<std::string>& args) const override {
    started = args;
    if (polls_ < 0) return nullptr;
    return std::make_unique<PollCountChild>(polls_);
  }
  mutable std::vector<std::string> started;

private:
  int polls_;
};

TEST(converter_runner_test, long_run_steps_bar_once_a_second_up_to_its_maximum) {
  ConverterRun run(test::kSilentConverter);
  SteppingClock clock;
  FakeLauncher launcher(120);
  EXPECT_EQ(
      ConvertCsvToPdb(run.state, run.ui, run.program.file("refs.csv"), run.program.file("x.PDB"),
                      run.program.file("refs.IFO"), "\"x\"", {launcher, clock}),
      0);
  EXPECT_EQ(run.ui.steps, 120);
  EXPECT_EQ(run.ui.barPosition, 100);
  EXPECT_EQ(launcher.started.size(), 6u);
}

TEST(converter_runner_test, converter_that_cannot_start_cleans_up_and_fails) {
  ConverterRun run(test::kSilentConverter);
  SteppingClock clock;
  FakeLauncher launcher(-1);
  const std::string pdb = run.program.file("x.PDB");
  test::WriteBytes(pdb, "old");
  EXPECT_EQ(ConvertCsvToPdb(run.state, run.ui, run.program.file("refs.csv"), pdb,
                            run.program.file("refs.IFO"), "\"x\"", {launcher, clock}),
            0);
  EXPECT_EQ(run.ui.texts(), Lines{"Output file not created"});
  EXPECT_FALSE(FileExists(pdb));
  EXPECT_FALSE(FileExists(run.program.work("input.tmp")));
  EXPECT_TRUE(FileExists(run.program.work("ifo.tmp")));
  EXPECT_FALSE(run.ui.progressVisible);
}

}  // namespace
}  // namespace tk
