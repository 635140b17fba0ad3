// jconv5 in either direction, with stand-in converters for what the real one
// never does (dying, writing nothing, failing despite output) and the real
// one for its log.
#include "converter/ConverterRunner.h"

#include "mock/Expect.h"
#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace tk {
namespace {

using Lines = std::vector<std::string>;

// What is left in the work folder, by name.
Lines WorkFiles(const test::ProgramFolder& program) {
  Lines names = FileNamesIn(program.work(""));
  std::sort(names.begin(), names.end());
  return names;
}

// What the drivers do with a result: tell the user of it.
ConverterResult Told(ConverterResult result, Ui& ui) {
  ShowNotices(ui, ConverterNotices(result));
  return result;
}

struct ConverterRun {
  explicit ConverterRun(const std::string& script, const std::string& name = "program")
      : program(script, name) {
    test::WriteBytes(program.file("refs.csv"), "\"Title\"\r\n\"A\"\r\n");
    test::WriteBytes(program.file("refs.IFO"), "ifo\r\n");
    test::WriteBytes(pdb, "old");  // an earlier run's database
  }
  ConverterJob job(const std::string& destination, const std::string& source = "refs.csv") {
    const std::string& folder = program.path();  // data and converter alike
    return {folder,
            folder,
            "shown.txt",
            program.file(source),
            destination,
            program.file("refs.IFO"),
            PalmCharset::Windows1252};
  }
  ConverterOutcome toPdb(const std::string& destination) {
    return Told(ConvertCsvToPdb(job(destination), ui, "\"EN-My Refs\""), ui).outcome;
  }

  test::ProgramFolder program;
  test::FakeUi ui;
  std::string pdb = program.file("EN-refs.PDB");
};

// The PDB's folder is missing: it is announced and made. The work files are
// the data folder's, apart from the program's as when it is installed.
TEST(converter_runner_test, both_directions_pass_six_items_and_copy_the_output) {
  ConverterRun run(test::kRecordingConverter, "My Programs");  // blanks stay in one item
  const test::ProgramFolder data("", "My Data");
  const std::string pdb = run.program.file("Palm/User/EN-refs.PDB"), csv = data.work("refs.out");
  // What the converter is handed are short names on Windows; each run's output
  // has a name of its own.
  const ConverterFiles given = ConverterWorkFiles(data.path(), "");
  const std::string outputStart = given.outputFile.substr(0, given.outputFile.size() - 4);
  std::string earlierOutput;
  for (const bool toPdb : {true, false}) {
    ConverterJob job = toPdb ? run.job(pdb) : run.job(csv, "Palm/User/EN-refs.PDB");
    job.dataFolder = data.path();
    const ConverterResult result =
        Told(toPdb ? ConvertCsvToPdb(job, run.ui, "\"EN-My Refs\"") : ConvertPdbToCsv(job, run.ui),
             run.ui);
    EXPECT_TRUE(result.converted());
    Lines args;
    ASSERT_TRUE(ReadTextLines(run.program.file("args.txt"), args));
    ASSERT_EQ(args.size(), 6u);
    const std::string output = args[3];
    EXPECT_EQ(output.size(), outputStart.size() + 12) << output;
    EXPECT_TRUE(output.starts_with(outputStart)) << output;
    EXPECT_NE(output, earlierOutput);
    earlierOutput = output;
    args[3] = given.outputFile;
    EXPECT_EQ(args,
              (Lines{ConverterPath(run.program.path()), toPdb ? "1" : "2", given.inputCopy,
                     given.outputFile, toPdb ? "\"EN-My Refs\"" : " ", given.descriptionCopy}));
    EXPECT_EQ(test::ReadBytes(toPdb ? pdb : csv), "\"Title\"\r\n\"A\"\r\n");
    EXPECT_TRUE(test::Missing(data.work("input.tmp")));
    EXPECT_FALSE(run.ui.progressVisible);
    EXPECT_EQ(run.ui.lastProgress.banner, toPdb ? Banner::ToJFile : Banner::FromJFile);
  }
  EXPECT_EQ(run.ui.texts(), Lines{"Destination directory Had to be created"});
  const ProgressSetup& shown = run.ui.lastProgress;
  EXPECT_EQ(shown.prefix + "|" + shown.sourceFile, "Waiting for Jconv5 to finish|shown.txt");
  EXPECT_FALSE(shown.showRecordCounter);
  EXPECT_TRUE(shown.showBar);
}

// A missing source is the export driver's test. Whichever copy fails, the
// earlier database stays and the message names the file.
TEST(converter_runner_test, missing_converter_or_a_failed_copy_keeps_the_earlier_database) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  ConverterRun missing("");
  EXPECT_EQ(missing.toPdb(missing.pdb), ConverterOutcome::ConverterMissing);
  EXPECT_EQ(missing.ui.texts(), Lines{"Jconv5.exe not found!"});
  EXPECT_TRUE(test::FileHolds(missing.pdb, "old"));
  EXPECT_FALSE(missing.ui.progressShows);
  // A copy that fails: an earlier run's copy must not pass for this run's.
  for (const bool sourceFails : {true, false}) {
    ConverterRun run(test::kRecordingConverter);
    test::WriteBytes(run.program.work("ifo.tmp"), "an earlier run's");
    ConverterJob job = run.job(run.pdb);
    if (sourceFails) test::UnreadableFile(job.source = run.program.file("mem.csv"));
    if (!sourceFails) job.description = run.program.file("none.IFO");
    const std::string copy = run.program.work(sourceFails ? "input.tmp" : "ifo.tmp");
    EXPECT_EQ(Told(ConvertCsvToPdb(job, run.ui, "x"), run.ui).outcome,
              ConverterOutcome::CopyFailed);
    EXPECT_EQ(run.ui.texts(), Lines{"Unable to copy " +
                                    (sourceFails ? job.source : job.description) + " to " + copy});
    EXPECT_TRUE(test::Missing(run.program.file("args.txt")));
    EXPECT_TRUE(test::Missing(run.program.work("ifo.tmp")));
    EXPECT_TRUE(test::FileHolds(run.pdb, "old"));
  }
  // A full Palm folder: the converter's output can't be copied there.
  ConverterRun full(test::kRecordingConverter);
  test::FullDiskFor(test::TkPartOf(full.pdb));
  EXPECT_EQ(full.toPdb(full.pdb), ConverterOutcome::NotCreated);
  EXPECT_EQ(full.ui.texts(), Lines{"Output file not created\ncannot write " + full.pdb +
                                   " (No space left on device)"});
  EXPECT_TRUE(test::KeptAsItWas(full.pdb, "old"));
}

// Only the log tells failure: the exit code has never been read. (What the
// report and the message say, and that the report is shown once,
// tomekit-cli's end-to-end test shows whole.)
TEST(converter_runner_test, converter_log_fails_the_run_and_an_old_log_does_not) {
  ConverterRun failing(test::kFailingConverter);
  EXPECT_EQ(failing.toPdb(failing.pdb), ConverterOutcome::NotCreated);
  EXPECT_EQ(test::ReadBytes(failing.pdb), "old");
  EXPECT_EQ(WorkFiles(failing.program), (Lines{"ifo.tmp", "jconv5.err"}));
  // Without a chosen name the report keeps the converter's own.
  ConverterJob unnamed = failing.job(failing.pdb);
  unnamed.progressFile.clear();
  static_cast<void>(Told(ConvertCsvToPdb(unnamed, failing.ui, "\"EN-My Refs\""), failing.ui));
  EXPECT_NE(failing.ui.errorReports.back().back().find("input.tmp"), std::string::npos);

  ConverterRun exiting(test::kExitingConverter);
  test::WriteBytes(exiting.program.work("jconv5.err"), "old failure\r\n");
  EXPECT_EQ(exiting.toPdb(exiting.pdb), ConverterOutcome::Converted);
  EXPECT_EQ(exiting.ui.errorReports, std::vector<Lines>{});
  EXPECT_EQ(exiting.ui.texts(), Lines{});

  ConverterRun real("");  // wherever the real converter puts its log, it is found
  std::filesystem::copy_file(JoinPath(TOMEKIT_PROGRAM_FOLDER, kConverterFileName),
                             real.program.file(kConverterFileName));
  test::WriteBytes(real.program.file("refs.IFO"), "not a description\r\n");
  EXPECT_EQ(real.toPdb(real.pdb), ConverterOutcome::NotCreated);
  ASSERT_EQ(real.ui.errorReports.size(), 1u);
  EXPECT_NE(real.ui.errorReports[0], Lines{});
}

// Crashed half-way (a kill from outside ends it the same way): what it left
// must not reach the destination, and its last words are shown.
TEST(converter_runner_test, converter_dying_mid_run_leaves_the_earlier_database) {
  ConverterRun run(test::kCrashingConverter);
  EXPECT_EQ(run.toPdb(run.pdb), ConverterOutcome::Died);
  EXPECT_EQ(run.ui.errorReports, std::vector<Lines>{{"dying"}});
  EXPECT_EQ(run.ui.texts(),
            (Lines{"jconv5 stopped before it had finished converting " +
                       run.program.file("refs.csv") + "; nothing was written to " + run.pdb,
                   "Output file not created"}));
  EXPECT_TRUE(test::FileHolds(run.pdb, "old"));
  EXPECT_EQ(WorkFiles(run.program), Lines{"ifo.tmp"});
}

struct PollCountChild : ChildProcess {
  explicit PollCountChild(int n) : polls(n) {}
  State poll() override { return polls-- > 0 ? State::Running : State::Ended; }
  int wait() override { return 0; }
  void kill() override {}
  int polls;
};

// A clock that moves one second per poll, and a converter that runs for a
// number of polls and writes nothing, or can't start at all.
struct SteppingServices : Clock, ProcessLauncher {
  std::int64_t steadyMilliseconds() const override { return seconds * 1000; }
  std::int64_t wallSeconds() const override { return seconds; }
  void sleepMilliseconds(int) const override { ++seconds; }
  StartedChild start(const std::vector<std::string>&, const std::string&) const override {
    if (polls < 0) return {nullptr, "Permission denied"};
    return {std::make_unique<PollCountChild>(polls), {}};
  }
  int polls = 0;
  mutable std::int64_t seconds = 1000;
};

TEST(converter_runner_test, long_run_steps_the_bar_once_a_second_and_no_output_fails) {
  for (int polls : {3, -1}) {                     // -1: the converter can't start
    ConverterRun run(test::kRecordingConverter);  // never started
    SteppingServices fake;
    fake.polls = polls;
    const ConverterServices services{fake, fake};
    const ConverterResult result =
        Told(polls < 0 ? ConvertPdbToCsv(run.job(run.pdb), run.ui, services)
                       : ConvertCsvToPdb(run.job(run.pdb), run.ui, "x", services),
             run.ui);
    EXPECT_EQ(result.outcome, ConverterOutcome::NotCreated);
    EXPECT_EQ(run.ui.steps, polls < 0 ? std::vector<int>{} : (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(
        run.ui.texts(),
        Lines{polls < 0 ? "CSV Output file not created\n" + ConverterPath(run.program.path()) +
                              " could not be started (Permission denied)"
                        : "Output file not created\nshown.txt: the converter wrote nothing"});
    EXPECT_TRUE(test::FileHolds(run.pdb, "old"));
    EXPECT_TRUE(test::Missing(run.program.work("input.tmp")));
    EXPECT_TRUE(test::Exists(run.program.work("ifo.tmp")));
    EXPECT_FALSE(run.ui.progressVisible);
  }
}

}  // namespace
}  // namespace tk
