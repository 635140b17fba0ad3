// jconv5 in either direction, with stand-in converters for what the real one
// never does (dying, writing nothing, failing despite output) and the real
// one for its log.
#include "converter/ConverterRunner.h"

#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {
namespace {

using Lines = std::vector<std::string>;
using test::ShownMessage;

Lines ReadLines(const std::string& path) {
  Lines lines;
  EXPECT_TRUE(ReadTextLines(path, lines));
  return lines;
}

struct ConverterRun {
  explicit ConverterRun(const std::string& script, const std::string& name = "program")
      : program(script, name) {
    test::WriteBytes(program.file("refs.csv"), "\"Title\"\r\n\"A\"\r\n");
    test::WriteBytes(program.file("refs.IFO"), "ifo\r\n");
  }
  ConverterJob job(const std::string& destination, const std::string& source = "refs.csv") {
    return {program.path(), "shown.txt", program.file(source), destination,
            program.file("refs.IFO")};
  }
  ConverterOutcome toPdb(const std::string& destination, const std::string& source = "refs.csv") {
    return ConvertCsvToPdb(job(destination, source), ui, "\"EN-My Refs\"").outcome;
  }

  test::ProgramFolder program;
  test::FakeUi ui;
  std::string pdb = program.file("EN-refs.PDB");
};

TEST(converter_runner_test, both_directions_pass_six_items_and_copy_the_output) {
  ConverterRun run(test::kRecordingConverter, "My Programs");  // blanks stay in one item
  EXPECT_TRUE(ConvertCsvToPdb(run.job(run.pdb), run.ui, "\"EN-My Refs\"").converted());
  EXPECT_EQ(ReadLines(run.program.file("args.txt")),
            (Lines{ConverterPath(run.program.path()), "1", run.program.work("input.tmp"),
                   run.program.work("out.tmp"), "\"EN-My Refs\"", run.program.work("ifo.tmp")}));
  EXPECT_EQ(test::ReadBytes(run.pdb), "\"Title\"\r\n\"A\"\r\n");
  EXPECT_EQ(test::ReadBytes(run.program.work("ifo.tmp")), "ifo\r\n");
  EXPECT_FALSE(FileExists(run.program.work("input.tmp")) ||
               FileExists(run.program.work("out.tmp")));
  EXPECT_TRUE(run.ui.messages.empty());
  EXPECT_FALSE(run.ui.progressVisible);
  const ProgressSetup& shown = run.ui.lastProgress;
  EXPECT_EQ(shown.prefix + "|" + shown.sourceFile, "Waiting for Jconv5 to finish|shown.txt");
  EXPECT_TRUE(shown.banner == Banner::ToJFile && !shown.showRecordCounter && shown.showBar);

  EXPECT_TRUE(
      ConvertPdbToCsv(run.job(run.program.work("refs.out"), "EN-refs.PDB"), run.ui).converted());
  const Lines args = ReadLines(run.program.file("args.txt"));
  EXPECT_EQ(args[1] + args[4], "2 ");
  EXPECT_EQ(test::ReadBytes(run.program.work("refs.out")), "\"Title\"\r\n\"A\"\r\n");
  EXPECT_EQ(run.ui.lastProgress.banner, Banner::FromJFile);
}

TEST(converter_runner_test, missing_source_or_converter_touches_nothing) {
  for (const char* script : {test::kRecordingConverter, ""}) {
    ConverterRun run(script);
    test::WriteBytes(run.pdb, "old");
    const bool noConverter = *script == 0;
    EXPECT_EQ(run.toPdb(run.pdb, noConverter ? "refs.csv" : "none.csv"),
              noConverter ? ConverterOutcome::ConverterMissing : ConverterOutcome::SourceMissing);
    EXPECT_EQ(run.ui.messages,
              (std::vector<ShownMessage>{
                  {MessageKind::Plain,
                   noConverter ? "Jconv5.exe not found!" : "The source file does not exist"}}));
    EXPECT_EQ(test::ReadBytes(run.pdb), "old");
    EXPECT_FALSE(FileExists(run.program.file("args.txt")) || run.ui.progressShows);
  }
}

TEST(converter_runner_test, missing_destination_folder_is_announced_and_created) {
  ConverterRun run(test::kRecordingConverter);
  const std::string pdb = run.program.file("Palm/User/Install/EN-refs.PDB");
  EXPECT_EQ(run.toPdb(pdb), ConverterOutcome::Converted);
  EXPECT_EQ(
      run.ui.messages,
      (std::vector<ShownMessage>{{MessageKind::Plain, "Destination directory Had to be created"}}));
  EXPECT_TRUE(FileExists(pdb));
}

// Only the log tells failure: the exit code has never been read.
TEST(converter_runner_test, converter_log_fails_the_run_and_an_old_log_does_not) {
  ConverterRun failing(test::kFailingConverter);
  EXPECT_EQ(failing.toPdb(failing.pdb), ConverterOutcome::NotCreated);
  EXPECT_EQ(failing.ui.errorReports,
            (std::vector<Lines>{{"line 3: bad quote", "no database written"}}));
  EXPECT_EQ(failing.ui.messages,
            (std::vector<ShownMessage>{{MessageKind::Error, "Output file not created"}}));
  EXPECT_FALSE(FileExists(failing.pdb));

  ConverterRun exiting("#!/bin/sh\ncp \"$2\" \"$3\"\nexit 3\n");
  test::WriteBytes(exiting.program.work("jconv5.err"), "old failure\r\n");
  EXPECT_EQ(exiting.toPdb(exiting.pdb), ConverterOutcome::Converted);
  EXPECT_TRUE(exiting.ui.errorReports.empty() && exiting.ui.messages.empty());
}

TEST(converter_runner_test, converter_writing_nothing_leaves_no_destination) {
  ConverterRun run(test::kSilentConverter);
  const std::string csv = run.program.work("refs.out");
  test::WriteBytes(csv, "old");
  test::WriteBytes(run.program.work("out.tmp"), "left by an interrupted run");
  EXPECT_EQ(ConvertPdbToCsv(run.job(csv), run.ui).outcome, ConverterOutcome::NotCreated);
  EXPECT_EQ(run.ui.messages,
            (std::vector<ShownMessage>{{MessageKind::Error, "CSV Output file not created"}}));
  EXPECT_FALSE(FileExists(csv));
}

// Killed or crashed half-way: what it left must not reach the destination.
TEST(converter_runner_test, converter_dying_mid_run_leaves_no_half_database) {
  for (const char* how : {"kill -KILL $$", "kill -SEGV $$"}) {
    ConverterRun run(std::string("#!/bin/sh\nprintf 'half a datab' > \"$3\"\n") + how + "\n");
    EXPECT_EQ(run.toPdb(run.pdb), ConverterOutcome::NotCreated);
    EXPECT_EQ(run.ui.texts(),
              (Lines{"jconv5 stopped before it had finished converting " +
                         run.program.file("refs.csv") + "; nothing was written to " + run.pdb,
                     "Output file not created"}));
    EXPECT_FALSE(FileExists(run.pdb) || FileExists(run.program.work("out.tmp")) ||
                 FileExists(run.program.work("input.tmp")));
    EXPECT_FALSE(run.ui.progressVisible);
  }
}

// A clock that moves one second per poll; the child runs for a given number
// of polls, or can't start at all.
struct SteppingClock : Clock {
  std::int64_t steadyMilliseconds() const override { return seconds * 1000; }
  std::int64_t wallSeconds() const override { return seconds; }
  void sleepMilliseconds(int) const override { ++seconds; }
  mutable std::int64_t seconds = 1000;
};

struct PollCountChild : ChildProcess {
  explicit PollCountChild(int polls) : polls(polls) {}
  State poll() override { return polls-- > 0 ? State::Running : State::Ended; }
  int wait() override { return 0; }
  int polls;
};

struct FakeLauncher : ProcessLauncher {
  explicit FakeLauncher(int polls) : polls(polls) {}
  std::unique_ptr<ChildProcess> start(const std::vector<std::string>&) const override {
    return polls < 0 ? nullptr : std::make_unique<PollCountChild>(polls);
  }
  int polls;
};

TEST(converter_runner_test, long_run_steps_the_bar_once_a_second_and_no_start_fails) {
  for (int polls : {3, -1}) {
    ConverterRun run(test::kSilentConverter);
    SteppingClock clock;
    const FakeLauncher launcher(polls);
    test::WriteBytes(run.pdb, "old");
    EXPECT_EQ(ConvertCsvToPdb(run.job(run.pdb), run.ui, "x", {launcher, clock}).outcome,
              ConverterOutcome::NotCreated);
    EXPECT_EQ(run.ui.steps, polls < 0 ? std::vector<int>{} : (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(run.ui.texts(), Lines{"Output file not created"});
    EXPECT_FALSE(FileExists(run.pdb) || FileExists(run.program.work("input.tmp")));
    EXPECT_TRUE(FileExists(run.program.work("ifo.tmp")));
    EXPECT_FALSE(run.ui.progressVisible);
  }
}

TEST(converter_runner_test, real_converter_failure_shows_its_log_and_leaves_no_pdb) {
  ConverterRun run("");
  std::filesystem::copy_file(JoinPath(TOMEKIT_PROGRAM_FOLDER, kConverterFileName),
                             run.program.file(kConverterFileName));
  test::WriteBytes(run.program.file("refs.IFO"), "not a description\r\n");
  EXPECT_EQ(run.toPdb(run.pdb), ConverterOutcome::NotCreated);
  ASSERT_EQ(run.ui.errorReports.size(), 1u);
  EXPECT_FALSE(run.ui.errorReports[0].empty());
  EXPECT_EQ(run.ui.texts(), Lines{"Output file not created"});
  EXPECT_FALSE(FileExists(run.pdb));
}

}  // namespace
}  // namespace tk
