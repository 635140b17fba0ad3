#include "import/ImportRun.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using test::ImportRun;
using test::Lines;
const std::string& kEnd = test::kEndNoteRecordEnd;

TEST(import_driver_test, three_files_convert_in_dialog_order_then_request_install) {
  ImportRun run(kModeEndNote);
  const Lines chosen = {run.input("c.txt", "Book\tDoe\t2001\tT" + kEnd),
                        run.input("a.txt", "A" + kEnd + "B" + kEnd),
                        run.input("b.txt", "1" + kEnd + "2" + kEnd + "3" + kEnd)};
  Lines seen;
  ImportChosenFiles(run.state, run.ui, chosen, [&](const FileOutcome& done) {
    seen.push_back(done.file + " " + std::to_string(done.records) +
                   (done.converted ? " ok" : " failed"));
  });
  EXPECT_EQ(seen, (Lines{chosen[0] + " 1 ok", chosen[1] + " 2 ok", chosen[2] + " 3 ok"}));
  EXPECT_EQ(run.state.statusText, "3 Records Transferred to  JFile");
  EXPECT_TRUE(run.ui.messages.empty());
  EXPECT_EQ(
      test::ReadBytes(run.program.file("Install/EN-c.PDB")),
      "\"Reference Type\",\"Author\",\"Year\",\"Title\"\r\n\"Book\",\"Doe\",\"2001\",\"T\"\r\n");
  EXPECT_TRUE(FileExists(run.program.file("Install/EN-a.PDB")));
  EXPECT_TRUE(FileExists(run.program.work("b.IFO")));
  EXPECT_EQ(Lines(run.state.memoLog.begin(), run.state.memoLog.begin() + 9),
            (Lines{" ", "EndNote to JFile", "sCsv Name is " + run.program.work("c.csv"),
                   "sPdb Name is " + run.program.file("Install/EN-c.PDB"),
                   "IFO  Name is " + run.program.work("c.IFO"), "Palm Name is \"EN-c\"",
                   "Endnote file record count was 1", "1 Records Transferred to  JFile", " "}));
  EXPECT_TRUE(run.installRequested());
  EXPECT_FALSE(run.ui.progressVisible);
}

TEST(import_driver_test, cancelled_choice_converts_nothing_but_requests_install) {
  ImportRun run(kModeEndNote);
  run.state.statusText = "earlier";
  ImportChosenFiles(run.state, run.ui, {});
  EXPECT_EQ(run.state.statusText, "");
  EXPECT_TRUE(run.state.memoLog.empty());
  EXPECT_TRUE(run.installRequested());
}

TEST(import_driver_test, cut_values_show_in_status_but_not_in_log) {
  ImportRun run(kModeEndNote);
  const std::string longValue(30, 'x');
  ImportChosenFiles(run.state, run.ui,
                    {run.input("a.txt", longValue + kEnd + "short" + kEnd + longValue + kEnd)});
  EXPECT_EQ(run.state.statusText,
            "3 Records Transferred to  JFile. Number of truncated records: 2");
  EXPECT_EQ(run.state.memoLog.back(), "3 Records Transferred to  JFile");
}

TEST(import_driver_test, no_field_selected_skips_every_file) {
  ImportRun run(kModeEndNote);
  FldTable = {};
  ImportChosenFiles(run.state, run.ui,
                    {run.input("a.txt", "A" + kEnd), run.input("b.txt", "B" + kEnd)});
  const std::string none = "No fields selected \nPlease select a field and try again ";
  EXPECT_EQ(run.ui.texts(),
            (Lines{none, "Unable to build .IFO file", none, "Unable to build .IFO file"}));
  EXPECT_FALSE(FileExists(run.program.work("a.csv")));
  EXPECT_EQ(run.ui.progressShows, 0);
  EXPECT_TRUE(run.installRequested());
}

TEST(import_driver_test, failed_read_says_endnote_in_every_mode) {
  ImportRun run(kModeRefMan);
  bool converted = true;
  ImportChosenFiles(run.state, run.ui, {run.state.importExportFolder + "/missing.txt"},
                    [&](const FileOutcome& done) { converted = done.converted; });
  EXPECT_FALSE(converted);
  ASSERT_FALSE(run.ui.messages.empty());
  EXPECT_EQ(run.ui.messages.back(),
            (test::ShownMessage{MessageKind::Error, "Error Converting EndNote file"}));
  EXPECT_EQ(run.state.memoLog.back(), "Endnote file record count was 0");
  EXPECT_EQ(run.state.statusText, "");
  EXPECT_FALSE(run.ui.progressVisible);
}

TEST(import_driver_test, generic_mode_reads_the_reduced_file_even_when_prepass_failed) {
  ImportRun run(kModeProCiteGeneric);
  ImportChosenFiles(run.state, run.ui, {run.state.importExportFolder + "/missing.txt"});
  const Lines texts = run.ui.texts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(Lines(texts.end() - 2, texts.end()),
            (Lines{"Couldnt Open input .tsv file", "Error Converting EndNote file"}));
  EXPECT_EQ(run.state.inputPath, run.program.work("missing.tkg"));
}

TEST(import_driver_test, generic_mode_converts_through_the_reduced_file) {
  ImportRun run(kModeProCiteGeneric);
  ImportChosenFiles(run.state, run.ui, {run.input("pc.txt", "Journal\t7\tSmith, J.\r\n")});
  EXPECT_EQ(run.state.statusText, "1 Records Transferred to  JFile");
  EXPECT_TRUE(FileExists(run.program.file("Install/PG-pc.PDB")));
  EXPECT_TRUE(FileExists(run.program.work("pc.tkg")));
}

TEST(import_driver_test, missing_converter_still_reports_the_records_read) {
  ImportRun run(kModeEndNote, "");
  bool converted = true;
  ImportChosenFiles(run.state, run.ui, {run.input("a.txt", "A" + kEnd)},
                    [&](const FileOutcome& done) { converted = done.converted; });
  EXPECT_EQ(run.ui.texts(), Lines{"Jconv5.exe not found!"});
  EXPECT_EQ(run.state.statusText, "1 Records Transferred to  JFile");
  EXPECT_FALSE(converted);
}

TEST(import_driver_test, dialog_offers_the_modes_exports_from_its_folder) {
  AppState state;
  state.importExportFolder = "/refs";
  const Lines expected = {"EndNote Exports (*.txt)|*.TXT",
                          "Reference Manager Exports (*.txt)|*.TXT",
                          "ProCite Exports (*.txt)|*.TXT", "ProCite Exports (*.txt)|*.TXT"};
  for (std::int32_t mode = 0; mode < 4; ++mode) {
    state.convMode = mode;
    EXPECT_EQ(ImportDialogSetup(state).filter, expected[static_cast<std::size_t>(mode)]);
  }
  EXPECT_EQ(ImportDialogSetup(state).initialFolder, "/refs");
}

}  // namespace
}  // namespace tk
