#include "export/ExportRun.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using test::ExportRun;
using test::kTwoTitles;
using test::Lines;

TEST(export_driver_test, three_files_export_in_dialog_order) {
  ExportRun run(kModeEndNote);
  const Lines chosen = {run.pdb("EN-c.PDB", "\"Title\"\r\n\"c\"\r\n"),
                        run.pdb("EN-a.PDB", kTwoTitles),
                        run.pdb("EN-b.PDB", "\"Title\"\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n")};
  Lines seen;
  ExportChosenFiles(run.state, run.ui, chosen, [&](const FileOutcome& done) {
    seen.push_back(done.file + " " + std::to_string(done.records) +
                   (done.converted ? " ok" : " failed"));
  });
  EXPECT_EQ(seen, (Lines{chosen[0] + " 1 ok", chosen[1] + " 2 ok", chosen[2] + " 3 ok"}));
  EXPECT_EQ(run.state.statusText, "3 Records Transferred to EndNote");
  EXPECT_TRUE(run.ui.messages.empty());
  EXPECT_NE(run.exported("EN-a.tsv").find("One\t"), std::string::npos);
  EXPECT_EQ(run.state.memoLog.size(), 18u);
  EXPECT_EQ(Lines(run.state.memoLog.begin(), run.state.memoLog.begin() + 6),
            (Lines{" ", "JFile to EndNote", "sCsv Name is " + run.program.work("EN-c.out"),
                   "sPdb Name is " + chosen[0], "IFO  Name is " + run.program.work("temp.ifo"),
                   "1 Records Transferred to EndNote"}));
}

TEST(export_driver_test, refman_pdb_becomes_ris_in_the_managers_folder) {
  ExportRun run(kModeRefMan);
  ExportChosenFiles(run.state, run.ui,
                    {run.pdb("RM-Refs.PDB", "\"Ref Type\",\"Title 1 \"\r\n\"JOUR\",\"T\"\r\n")});
  EXPECT_EQ(run.exported("RM-Refs.RIS"), "TY  - JOUR\r\nT1  - T\r\nER  - \r\n\r\n");
  EXPECT_TRUE(FileExists(run.program.work("RM-Refs.out")));
  EXPECT_EQ(run.state.statusText, "1 Records Transferred to Reference Manager");
}

TEST(export_driver_test, generic_mode_reports_procite_and_writes_tsv) {
  ExportRun run(kModeProCiteGeneric);
  ExportChosenFiles(run.state, run.ui, {run.pdb("PG-x.PDB", kTwoTitles)});
  EXPECT_TRUE(FileExists(run.state.importExportFolder + "/PG-x.tsv"));
  EXPECT_EQ(run.state.statusText, "2 Records Transferred to ProCite");
}

TEST(export_driver_test, failed_converter_stage_leaves_status_empty_and_writes_nothing) {
  ExportRun run(kModeEndNote, test::kSilentConverter);
  bool called = false;
  ExportChosenFiles(run.state, run.ui, {run.pdb("EN-a.PDB", kTwoTitles)},
                    [&](const FileOutcome& done) {
                      called = true;
                      EXPECT_FALSE(done.converted);
                      EXPECT_EQ(done.records, 0);
                    });
  EXPECT_TRUE(called);
  EXPECT_EQ(run.state.statusText, "");
  EXPECT_EQ(run.ui.texts(), Lines{"CSV Output file not created"});
  EXPECT_FALSE(FileExists(run.state.importExportFolder + "/EN-a.tsv"));
  EXPECT_EQ(run.state.memoLog.back(), "CSV2PDB returned  0");
  EXPECT_FALSE(run.ui.progressVisible);
}

TEST(export_driver_test, record_limit_shows_in_status) {
  ExportRun run(kModeProCite);
  std::string csv = "\"WorkSheet\"\r\n";
  for (int i = 0; i < 10005; ++i) csv += "\"w\"\r\n";
  ExportChosenFiles(run.state, run.ui, {run.pdb("PR-big.PDB", csv)});
  EXPECT_EQ(run.state.statusText, "10000 Records Transferred to ProCite");
  EXPECT_EQ(run.ui.texts(), Lines{"Transfer Stopped too many records to transfer"});
}

TEST(export_driver_test, cancelled_choice_touches_nothing) {
  ExportRun run(kModeEndNote);
  run.state.statusText = "earlier";
  ExportChosenFiles(run.state, run.ui, {});
  EXPECT_EQ(run.state.statusText, "");
  EXPECT_TRUE(run.state.memoLog.empty());
  EXPECT_EQ(run.ui.progressShows, 0);
}

TEST(export_driver_test, dialog_offers_the_modes_pdbs_from_the_backup_folder) {
  AppState state;
  state.palmBackupFolder = "/palm/backup";
  state.convMode = kModeProCite;
  const auto setup = ExportDialogSetup(state);
  EXPECT_EQ(setup.filter, "Tomekit PDB  File (PR-*.PDB)|PR-*.PDB|All PDB files|*.pdb");
  EXPECT_EQ(setup.initialFolder, "/palm/backup");
}

}  // namespace
}  // namespace tk
