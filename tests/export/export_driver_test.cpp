// The export button end to end, with a stand-in converter that copies its
// input: a "PDB" here holds the CSV jconv5 would make of it. The file the
// manager imports is either written whole or left as it was.
#include "export/ExportDriver.h"
#include "mock/Expect.h"
#include "mock/FakeConverter.h"
#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using Lines = std::vector<std::string>;

struct Fixture {
  explicit Fixture(Mode mode, const char* script = test::kRecordingConverter)
      : program(script),
        setup{.mode = mode, .fieldCount = InfoOf(mode).fieldCount, .strategyPath = {}} {
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
  std::string out(std::string name) const { return JoinPath(settings.importExportFolder, name); }
  std::string exportAll(const Lines& chosen, const FileDone& onDone = {}) {
    return ExportChosenFiles(settings, setup, log, ui, chosen, onDone);
  }

  test::ProgramFolder program;
  Settings settings = program.settings();
  FieldSetup setup;
  test::FakeUi ui;
  Lines log;
};

// The file an export writes is never one of the files chosen: not the
// file chosen itself, nor another file of the choice. Those are refused,
// nothing of theirs changes, and the rest export.
TEST(export_driver_test, a_file_chosen_is_never_what_an_export_writes_over) {
  Fixture fx(Mode::EndNote);
  const std::string self = fx.out("EN-self.tsv"), tsv = fx.out("EN-a.tsv");
  test::WriteBytes(self, "\"Title\"\r\n\"t\"\r\n");
  test::WriteBytes(tsv, "mine");
  const Lines chosen = {self, fx.pdb("EN-a.PDB"), tsv, fx.pdb("EN-b.PDB")};
  Lines seen;
  EXPECT_EQ(fx.exportAll(chosen,
                         [&](const FileOutcome& done) {
                           seen.push_back(done.converted ? "ok" : done.reason);
                         }),
            "2 Records Transferred to EndNote");
  const auto refused = [](const std::string& from, const std::string& over) {
    return "Converting " + from + " would write over " + over +
           ", a file you chose; nothing was written. Choose a file outside Tomekit's work folder, "
           "or move the earlier result first.";
  };
  EXPECT_EQ(seen, (Lines{refused(self, self), refused(chosen[1], tsv), refused(tsv, tsv), "ok"}));
  EXPECT_EQ(test::ReadBytes(self), "\"Title\"\r\n\"t\"\r\n");
  EXPECT_EQ(test::ReadBytes(tsv), "mine");
}

// A missing database or a file that can't be written fails alone; the earlier
// file stays. (More records than a database holds: the tagged writer's test.)
TEST(export_driver_test, files_export_in_dialog_order_and_a_failed_one_stops_none) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  Fixture fx(Mode::EndNote);
  EXPECT_EQ(fx.exportAll({}), "");
  EXPECT_EQ(fx.ui.progressShows + fx.ui.pumps, 0);
  const std::string full = fx.out("EN-full.tsv");
  test::WriteBytes(full, "earlier");
  test::FullDiskFor(test::TkPartOf(full));
  const Lines chosen = {fx.program.file("EN-gone.PDB"), fx.pdb("EN-c.PDB", 1),
                        fx.pdb("EN-full.PDB", 12000), fx.pdb("EN-b.PDB", 3)};
  Lines seen;
  EXPECT_EQ(fx.exportAll(chosen,
                         [&](const FileOutcome& done) {
                           seen.push_back(done.file + (done.converted ? " ok " : " failed ") +
                                          std::to_string(done.records) + done.statusText);
                         }),
            "3 Records Transferred to EndNote");
  EXPECT_EQ(seen, (Lines{chosen[0] + " failed 0" + chosen[0] + " was not converted",
                         chosen[1] + " ok 11 Records Transferred to EndNote",
                         chosen[2] + " failed 0" + chosen[2] + " was not converted",
                         chosen[3] + " ok 33 Records Transferred to EndNote"}));
  EXPECT_EQ(fx.ui.texts(), (Lines{"The source file does not exist", "Unable to write to " + full}));
  EXPECT_TRUE(test::KeptAsItWas(full, "earlier"));
  ASSERT_EQ(fx.log.size(), 25u);
  EXPECT_EQ(Lines(fx.log.begin() + 5, fx.log.begin() + 13),
            (Lines{"CSV2PDB returned  0",
                   chosen[0] + " was not converted: The source file does not exist", " ",
                   "JFile to EndNote", "sCsv Name is " + fx.program.work("EN-c.out"),
                   "sPdb Name is " + chosen[1], "IFO  Name is " + fx.program.work("temp.ifo"),
                   "1 Records Transferred to EndNote"}));
  const ProgressSetup& last = fx.ui.lastProgress;
  EXPECT_EQ(last.prefix + last.sourceFile, "Working on Record number" + chosen[3]);
  EXPECT_EQ(last.banner, Banner::MovingFrom);
  EXPECT_TRUE(last.showRecordCounter);
  EXPECT_FALSE(last.showBar);
  EXPECT_FALSE(fx.ui.progressVisible);
}

// EndNote's files are those above; the others differ only by the mode's entry
// (what a Reference Manager export writes, tomekit-cli's end-to-end test
// shows). A managers folder that can't be written fails the file.
TEST(export_driver_test, a_mode_offers_its_pdbs_and_writes_its_managers_file_or_says_why_not) {
  Fixture fx(Mode::RefMan);
  EXPECT_EQ(ExportDialogFilter(Mode::RefMan),
            "Tomekit PDB  File (RM-*.PDB)|RM-*.PDB|All PDB files|*.pdb|All files (*)|*");
  fx.exportAll({fx.program.file("RM-gone.PDB")});  // the converter's progress is the last shown
  EXPECT_EQ(fx.ui.lastProgress.banner, Banner::MovingTo);
  EXPECT_TRUE(fx.ui.lastProgress.showBar);
  test::BlockFolder(fx.settings.importExportFolder);
  EXPECT_EQ(fx.exportAll({fx.pdb("RM-y.PDB")}), fx.program.file("RM-y.PDB") + " was not converted");
  ASSERT_EQ(fx.ui.texts().size(), 2u);
  // The text as it always was, then the file and why it can't be written.
  const std::string why =
      "Couldnt open output output File\ncannot write " + fx.out("RM-y.RIS") + " (";
  EXPECT_EQ(fx.ui.texts()[1].substr(0, why.size()), why);
}

// A stop ends the choice and keeps the earlier file; a later database of the
// same name is announced before it replaces the earlier one's file.
TEST(export_driver_test, shared_tagged_file_is_announced_and_a_stop_ends_the_choice) {
  Fixture fx(Mode::EndNote, test::kHangingConverter);
  ASSERT_TRUE(CreateFolders(fx.program.file("sub")));
  const Lines chosen = {fx.pdb("EN-a.PDB"), fx.pdb("sub/EN-a.PDB"), fx.pdb("EN-b.PDB")};
  test::WriteBytes(chosen[2], "slow");
  test::WriteBytes(fx.out("EN-b.tsv"), "earlier");
  EXPECT_EQ(fx.exportAll({chosen[0], chosen[1], chosen[2], chosen[0]},
                         [&](const FileOutcome& done) { fx.ui.stop = done.file == chosen[1]; }),
            "Conversion stopped");
  EXPECT_EQ(fx.ui.messages,
            (std::vector<test::ShownMessage>{
                {MessageKind::Plain, chosen[1] + " replaces the result of " + chosen[0] +
                                         ": both are written to " + fx.out("EN-a.tsv")}}));
  EXPECT_EQ(fx.log.back(), "Conversion stopped");
  EXPECT_EQ(test::ReadBytes(fx.out("EN-b.tsv")), "earlier");
}

}  // namespace
}  // namespace tk
