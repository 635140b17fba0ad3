// The import when the machine lets it down: an export that vanished after it
// was chosen, a work or Palm folder that can't be written, a full disk. Each
// is reported, nothing existing is damaged, nothing half-written is left.
#include "import/ImportRun.h"
#include "mock/Faults.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {
namespace {

using test::ImportRun;
using test::Lines;
const std::string& kEnd = test::kEndNoteRecordEnd;

TEST(import_faults_test, export_vanished_after_choice_is_reported_and_the_next_goes_on) {
  ImportRun run(kModeEndNote);
  const std::string gone = run.input("gone.txt", "Book\tDoe\t2001" + kEnd);
  const std::string kept = run.input("kept.txt", "Book\tRoe\t1999" + kEnd);
  std::filesystem::remove(gone);
  std::vector<std::string> outcomes;
  ImportChosenFiles(run.state, run.ui, {gone, kept}, [&](const FileOutcome& done) {
    outcomes.push_back(std::to_string(done.records) + (done.converted ? " ok" : " failed"));
  });
  EXPECT_EQ(outcomes, (Lines{"0 failed", "1 ok"}));
  EXPECT_EQ(run.ui.texts(),
            (Lines{"Couldnt Open input .tsv file", "Error Converting EndNote file"}));
  EXPECT_FALSE(FileExists(run.program.file("Install/EN-gone.PDB")));
  EXPECT_TRUE(FileExists(run.program.file("Install/EN-kept.PDB")));
}

TEST(import_faults_test, ris_export_vanished_after_choice_is_reported) {
  ImportRun run(kModeRefMan);
  const std::string gone = run.input("gone.txt", "TY  - BOOK\r\nER  - \r\n");
  std::filesystem::remove(gone);
  EXPECT_EQ(run.import(gone), 0);
  EXPECT_EQ(run.ui.texts(),
            (Lines{"Couldnt Open input .csv file", "Error Converting EndNote file"}));
  EXPECT_FALSE(FileExists(run.program.file("Install/RM-gone.PDB")));
}

TEST(import_faults_test, work_folder_that_cannot_be_written_stops_before_reading) {
  ImportRun run(kModeEndNote);
  const std::string path = run.input("refs.txt", "Book\tDoe\t2001" + kEnd);
  test::BlockFolder(run.program.file("TKWork"));
  EXPECT_EQ(run.import(path), 0);
  EXPECT_EQ(run.ui.texts(), (Lines{"Failure creating .IFO file ", "Unable to build .IFO file"}));
  EXPECT_EQ(test::ReadBytes(run.program.file("TKWork")), "a file where a folder should be");
  EXPECT_FALSE(FileExists(run.program.file("Install/EN-refs.PDB")));
}

TEST(import_faults_test, palm_install_folder_that_cannot_be_made_gets_no_database) {
  ImportRun run(kModeEndNote);
  const std::string path = run.input("refs.txt", "Book\tDoe\t2001" + kEnd);
  test::BlockFolder(run.state.palmInstallFolder);
  EXPECT_EQ(run.import(path), 1);
  EXPECT_FALSE(run.converted);
  EXPECT_EQ(run.ui.texts(),
            (Lines{"Destination directory Had to be created", "Output file not created"}));
  EXPECT_EQ(test::ReadBytes(run.state.palmInstallFolder), "a file where a folder should be");
}

TEST(import_faults_test, full_disk_while_writing_the_csv_keeps_the_earlier_one) {
  ImportRun run(kModeEndNote);
  const std::string path = run.input("refs.txt", "Book\tDoe\t2001" + kEnd);
  const std::string csv = run.program.work("refs.csv");
  test::WriteBytes(csv, "\"from an earlier import\"\r\n");
  test::FullDiskFor(test::TkPartOf(csv));
  EXPECT_EQ(run.import(path), 0);
  EXPECT_EQ(run.ui.texts(), (Lines{"Unable to write to " + csv, "Error Converting EndNote file"}));
  EXPECT_EQ(test::ReadBytes(csv), "\"from an earlier import\"\r\n");
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(csv)));
  EXPECT_FALSE(FileExists(run.program.file("Install/EN-refs.PDB")));
}

TEST(import_faults_test, full_disk_while_writing_the_description_stops_the_file) {
  ImportRun run(kModeEndNote);
  const std::string path = run.input("refs.txt", "Book\tDoe\t2001" + kEnd);
  const std::string ifo = run.program.work("refs.IFO");
  test::FullDiskFor(test::TkPartOf(ifo));
  EXPECT_EQ(run.import(path), 0);
  EXPECT_EQ(run.ui.texts(), (Lines{"Unable to write to " + ifo, "Unable to build .IFO file"}));
  EXPECT_FALSE(FileExists(ifo));
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(ifo)));
}

}  // namespace
}  // namespace tk
