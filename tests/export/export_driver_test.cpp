// The export button end to end, with a stand-in converter that copies its
// input: a "PDB" here holds the CSV jconv5 would make of it. The file the
// manager imports is either written whole or left as it was.
#include "export/ExportDriver.h"
#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using Lines = std::vector<std::string>;

struct Fixture {
  explicit Fixture(ConvMode mode) : program(test::kRecordingConverter) {
    setup.mode = mode;
    setup.fieldCount = FieldCountOf(mode);
    settings.importExportFolder = program.file("Import and Export");
    settings.palmBackupFolder = program.file("backup");
    EXPECT_TRUE(CreateFolders(settings.importExportFolder));
  }
  std::string pdb(const std::string& name, int records = 2) const {
    std::string csv = "\"Title\"\r\n";
    for (int i = 1; i <= records; ++i) csv += "\"t" + std::to_string(i) + "\"\r\n";
    test::WriteBytes(program.file(name), csv);
    return program.file(name);
  }
  std::string out(const std::string& name) const {
    return settings.importExportFolder + "/" + name;
  }
  std::string exportAll(const Lines& chosen, const FileDone& onDone = {}) {
    return ExportChosenFiles(settings, setup, log, ui, chosen, onDone);
  }

  test::ProgramFolder program;
  Settings settings = program.settings();
  FieldSetup setup;
  test::FakeUi ui;
  Lines log;
};

TEST(export_driver_test, files_export_in_dialog_order_and_a_failed_one_stops_none) {
  Fixture fx(kModeEndNote);
  EXPECT_EQ(fx.exportAll({}), "");
  EXPECT_EQ(fx.ui.progressShows + fx.ui.pumps, 0);
  const Lines chosen = {fx.program.file("EN-gone.PDB"), fx.pdb("EN-c.PDB", 1),
                        fx.pdb("EN-b.PDB", 3)};
  Lines seen;
  EXPECT_EQ(fx.exportAll(chosen,
                         [&](const FileOutcome& done) {
                           seen.push_back(done.file + (done.converted ? " ok " : " failed ") +
                                          std::to_string(done.records) + done.statusText);
                         }),
            "3 Records Transferred to EndNote");
  EXPECT_EQ(seen,
            (Lines{chosen[0] + " failed 0", chosen[1] + " ok 11 Records Transferred to EndNote",
                   chosen[2] + " ok 33 Records Transferred to EndNote"}));
  EXPECT_EQ(fx.ui.texts(), Lines{"The source file does not exist"});
  EXPECT_NE(test::ReadBytes(fx.out("EN-c.tsv")).find("\r\n\t\t\tt1\t"), std::string::npos);
  ASSERT_EQ(fx.log.size(), 18u);
  EXPECT_EQ(
      Lines(fx.log.begin() + 5, fx.log.begin() + 12),
      (Lines{"CSV2PDB returned  0", " ", "JFile to EndNote",
             "sCsv Name is " + fx.program.work("EN-c.out"), "sPdb Name is " + chosen[1],
             "IFO  Name is " + fx.program.work("temp.ifo"), "1 Records Transferred to EndNote"}));
  EXPECT_EQ(fx.ui.lastProgress.sourceFile, chosen[2]);
  EXPECT_FALSE(fx.ui.progressVisible);
}

TEST(export_driver_test, each_mode_offers_its_pdbs_and_writes_its_managers_file) {
  const struct {
    ConvMode mode;
    std::string prefix, extension, manager;
  } cases[] = {{kModeEndNote, "EN-", ".tsv", "EndNote"},
               {kModeRefMan, "RM-", ".RIS", "Reference Manager"},
               {kModeProCite, "PR-", ".tsv", "ProCite"},
               {kModeProCiteGeneric, "PG-", ".tsv", "ProCite"}};
  for (const auto& c : cases) {
    Fixture fx(c.mode);
    const FileDialogSetup dialog = ExportDialogSetup(fx.settings, c.mode);
    EXPECT_EQ(dialog.filter, "Tomekit PDB  File (" + c.prefix + "*.PDB)|" + c.prefix +
                                 "*.PDB|All PDB files|*.pdb");
    EXPECT_EQ(dialog.initialFolder, fx.settings.palmBackupFolder);
    EXPECT_EQ(fx.exportAll({fx.pdb(c.prefix + "x.PDB")}), "2 Records Transferred to " + c.manager);
    EXPECT_TRUE(FileExists(fx.out(c.prefix + "x" + c.extension))) << c.manager;
  }
}

// The reading's notice comes before the write's.
TEST(export_driver_test, unwritable_managers_file_is_reported_and_the_earlier_one_kept) {
  const struct {
    void (*fault)(const std::string& folder, const std::string& out);
    int records;
    Lines shown;
  } cases[] = {
      {[](const std::string& folder, const std::string&) { test::BlockFolder(folder); },
       2,
       {"Couldnt open output output File"}},
      {[](const std::string&, const std::string& out) { test::FullDiskFor(test::TkPartOf(out)); },
       10001,
       {"Transfer Stopped too many records to transfer", "Unable to write to {out}"}},
  };
  for (const auto& c : cases) {
    Fixture fx(kModeEndNote);
    const std::string pdb = fx.pdb("EN-a.PDB", c.records), out = fx.out("EN-a.tsv");
    test::WriteBytes(out, "earlier");
    c.fault(fx.settings.importExportFolder, out);
    const std::string before = test::ReadBytes(out);
    Lines shown = c.shown;
    if (auto at = shown.back().find("{out}"); at != std::string::npos)
      shown.back().replace(at, 5, out);
    EXPECT_EQ(fx.exportAll({pdb}), "0 Records Transferred to EndNote");
    EXPECT_EQ(fx.ui.texts(), shown);
    EXPECT_EQ(test::ReadBytes(out), before);
    EXPECT_FALSE(test::LeftBehind(test::TkPartOf(out)));
  }
}

}  // namespace
}  // namespace tk
