// The export when the machine lets it down: a database that vanished after
// it was chosen, a manager's folder or file that can't be written, a full
// disk, a converter that dies. The file the manager imports is either
// written whole or left exactly as it was.
#include "export/ExportRun.h"
#include "mock/Faults.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {
namespace {

using test::ExportRun;
using test::Lines;
const char kEarlier[] = "an earlier export, still wanted\r\n";

TEST(export_faults_test, database_vanished_after_choice_is_reported_and_the_next_goes_on) {
  ExportRun run(kModeEndNote);
  const std::string gone = run.pdb("EN-gone.PDB");
  const std::string kept = run.pdb("EN-kept.PDB");
  std::filesystem::remove(gone);
  std::vector<std::int32_t> records;
  ExportChosenFiles(run.state, run.ui, {gone, kept},
                    [&](const FileOutcome& done) { records.push_back(done.records); });
  EXPECT_EQ(records, (std::vector<std::int32_t>{0, 2}));
  EXPECT_EQ(run.ui.texts(), Lines{"The source file does not exist"});
  EXPECT_FALSE(FileExists(run.tsv("EN-gone.tsv")));
  EXPECT_TRUE(FileExists(run.tsv("EN-kept.tsv")));
}

TEST(export_faults_test, managers_folder_that_cannot_be_written_is_reported) {
  ExportRun run(kModeEndNote);
  test::BlockFolder(run.state.importExportFolder);
  EXPECT_EQ(run.exportOne(run.pdb("EN-a.PDB")), 0);
  EXPECT_EQ(run.ui.texts(), Lines{"Couldnt open output output File"});
  EXPECT_EQ(test::ReadBytes(run.state.importExportFolder), "a file where a folder should be");
  EXPECT_EQ(run.state.statusText, "0 Records Transferred to EndNote");
}

TEST(export_faults_test, folder_in_place_of_the_output_file_is_left_alone) {
  ExportRun run(kModeEndNote);
  CreateFolders(run.tsv("EN-a.tsv"));
  test::WriteBytes(run.tsv("EN-a.tsv") + "/inside.txt", kEarlier);
  EXPECT_EQ(run.exportOne(run.pdb("EN-a.PDB")), 0);
  EXPECT_EQ(run.ui.texts(), Lines{"Couldnt open output output File"});
  EXPECT_EQ(test::ReadBytes(run.tsv("EN-a.tsv") + "/inside.txt"), kEarlier);
}

TEST(export_faults_test, full_disk_keeps_the_earlier_export_whole) {
  ExportRun run(kModeEndNote);
  test::WriteBytes(run.tsv("EN-a.tsv"), kEarlier);
  test::FullDiskFor(test::TkPartOf(run.tsv("EN-a.tsv")));
  EXPECT_EQ(run.exportOne(run.pdb("EN-a.PDB")), 0);
  EXPECT_FALSE(run.converted);
  EXPECT_EQ(run.ui.texts(), Lines{"Unable to write to " + run.tsv("EN-a.tsv")});
  EXPECT_EQ(test::ReadBytes(run.tsv("EN-a.tsv")), kEarlier);
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(run.tsv("EN-a.tsv"))));
}

TEST(export_faults_test, converter_killed_mid_run_keeps_the_earlier_export) {
  ExportRun run(kModeEndNote, "#!/bin/sh\nprintf '\"Title\"\\r\\n\"On' > \"$3\"\nkill -KILL $$\n");
  test::WriteBytes(run.tsv("EN-a.tsv"), kEarlier);
  const std::string pdb = run.pdb("EN-a.PDB");
  EXPECT_EQ(run.exportOne(pdb), 0);
  EXPECT_EQ(run.ui.texts(), (Lines{"jconv5 stopped before it had finished converting " + pdb +
                                       "; nothing was written to " + run.state.csvPath,
                                   "CSV Output file not created"}));
  EXPECT_EQ(test::ReadBytes(run.tsv("EN-a.tsv")), kEarlier);
  EXPECT_FALSE(FileExists(run.state.csvPath));
}

}  // namespace
}  // namespace tk
