// The import button over the files chosen, and over the machine letting it
// down: each fault is reported in order, nothing existing is damaged,
// nothing half-written is left, and an install is asked for only when a
// database was written.
#include "ImportFixture.h"
#include "import/ImportFormats.h"
#include "import/TaggedReader.h"

#include <filesystem>
#include <functional>
#include <tuple>

namespace tk {
namespace {

using test::DriverRun;
using test::Lines;
const std::string& kEnd = test::kEndNoteEnd;

// A vanished export is reported and the next goes on; the status is the
// last file's.
TEST(import_driver_test, files_convert_in_dialog_order_then_install_is_requested) {
  DriverRun run(Mode::EndNote);
  const std::string cut(30, 'x');
  const Lines chosen = {run.input("Molecular Biology.2001.txt", "Book\tDoe\t2001\tT" + kEnd),
                        run.program.file("gone.txt"),
                        run.input("b.txt", cut + kEnd + "s" + kEnd + cut + kEnd)};
  EXPECT_EQ(run.importFiles(chosen),
            "3 Records Transferred to  JFile. Number of truncated records: 2");
  for (int i = 0; i < 3; ++i) {
    const FileOutcome& o = run.outcomes.at(i);
    SCOPED_TRACE(chosen[i]);
    EXPECT_EQ(o.file, chosen[i]);
    EXPECT_EQ(o.records, i == 1 ? 0 : i + 1);
    EXPECT_EQ(o.converted, i != 1);
  }
  EXPECT_EQ(run.ui.texts(),
            (Lines{"Couldnt Open input .tsv file", "Error Converting EndNote file"}));
  EXPECT_EQ(run.ui.lastProgress.sourceFile, chosen[2]);
  EXPECT_EQ(run.log.size(), 29u);
  EXPECT_NE(test::ReadBytes(run.program.file("args.txt")).find("\n\"EN-b\"\n"), std::string::npos);
  EXPECT_EQ(Lines(run.log.begin(), run.log.begin() + 9),
            (Lines{" ", "EndNote to JFile", "Input Name is " + chosen[0],
                   "sCsv Name is " + run.program.work("Molecular Biology.2001.csv"),
                   "sPdb Name is " + run.pdb("Molecular Biology.2001"),
                   "IFO  Name is " + run.program.work("Molecular Biology.2001.IFO"),
                   "Palm Name is \"EN-Molecular Biolog\"", "Endnote file record count was 1",
                   "1 Records Transferred to  JFile"}));
  // The file that failed, and why.
  EXPECT_EQ(run.log.at(17), chosen[1] + " was not converted: Error Converting EndNote file");
  EXPECT_EQ(Lines(run.log.end() - 4, run.log.end()),
            (Lines{"Truncated field(s) in Record 1", "Truncated field(s) in Record 3",
                   "Endnote file record count was 3", "3 Records Transferred to  JFile"}));
}

// Each case: a fault, the messages it gives ("|" between them, work files by
// name) and the records read before it. The converter's own faults are its
// tests'.
TEST(import_driver_test, faults_are_reported_in_order_and_damage_nothing) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  using Fault = std::function<void(DriverRun&)>;
  const Fault vanish = [](DriverRun& r) { std::filesystem::remove(r.input("refs.txt", "")); };
  const auto fullDisk = [](const char* name) {
    return [name](DriverRun& r) { test::FullDiskFor(test::TkPartOf(r.program.work(name))); };
  };
  const std::string unread = "|Error Converting EndNote file";
  const struct {
    const char* behaviour;
    Mode mode;
    Fault fault;
    std::string texts;
    int records = 0;
  } cases[] = {
      {"RIS export vanished", Mode::RefMan, vanish, "Couldnt Open input .csv file" + unread},
      {"generic export vanished: the ProCite reader is not run", Mode::ProCiteGeneric, vanish,
       "Couldnt Open input .tsv file" + unread},
      {"full disk for the reduced file: an earlier one is not read", Mode::ProCiteGeneric,
       [&](DriverRun& r) {
         test::WriteBytes(r.program.work("refs.tkg"), "Journal\t7\tSmith\r\n");
         fullDisk("refs.tkg")(r);
       },
       "Unable to write to refs.tkg" + unread},
      {"no field selected", Mode::EndNote, [](DriverRun& r) { r.setup.table = {}; },
       "No fields selected \nPlease select a field and try again |Unable to build .IFO file"},
      {"work folder unusable", Mode::EndNote,
       [](DriverRun& r) { test::BlockFolder(r.program.file("TKWork")); },
       "Failure creating .IFO file |Unable to build .IFO file"},
      {"full disk for the description", Mode::EndNote, fullDisk("refs.IFO"),
       "Unable to write to refs.IFO|Unable to build .IFO file"},
      {"export vanished and a full disk for the CSV", Mode::EndNote,
       [&](DriverRun& r) { vanish(r), fullDisk("refs.csv")(r); },
       "Couldnt Open input .tsv file|Unable to write to refs.csv" + unread},
      {"Palm install folder unusable", Mode::EndNote,
       [](DriverRun& r) { test::BlockFolder(r.settings.palmInstallFolder); },
       "Destination directory Had to be created|Output file not created\ncannot write PDB (Not "
       "a directory)",
       1},
  };
  for (const auto& c : cases) {
    DriverRun run(c.mode);
    const std::string path = run.input("refs.txt", "Book\tDoe\t2001" + kEnd);
    const std::string work = run.program.work(""), pdb = run.pdb("refs");
    c.fault(run);
    test::WriteBytes(pdb, "earlier");
    const std::string before = test::ReadBytes(pdb), status = run.importFiles({path});
    std::string shown;
    for (std::string text : run.ui.texts()) {
      if (auto at = text.find(work); at != std::string::npos) text.erase(at, work.size());
      if (auto at = text.find(pdb); at != std::string::npos) text.replace(at, pdb.size(), "PDB");
      shown += (shown.empty() ? "" : "|") + text;
    }
    SCOPED_TRACE(c.behaviour);
    EXPECT_EQ(shown, c.texts);
    EXPECT_EQ(run.outcomes.at(0).records, c.records);
    EXPECT_EQ(status, path + " was not converted");
    EXPECT_EQ(test::ReadBytes(pdb), before);
    EXPECT_FALSE(run.outcomes[0].converted);
    EXPECT_FALSE(run.installRequested());
    for (const char* made : {"refs.csv", "refs.IFO"}) {
      EXPECT_FALSE(test::LeftBehind(test::TkPartOf(work + made))) << made;
    }
    EXPECT_EQ(run.log.back().substr(0, status.size() + 2), status + ": ");
  }
}

// A later file with an earlier one's database name is announced. A stop
// ends the file and the choice: files done before stay done, the stopped
// one's work files go and its earlier database stays.
TEST(import_driver_test, shared_database_is_announced_and_a_stop_ends_the_choice) {
  DriverRun run(Mode::EndNote);
  test::InstallStandIn(run.program.path(), test::kHangingConverter);
  test::WriteBytes(run.pdb("Molecular Biology 2"), "earlier");
  const Lines chosen = {run.input("Molecular Biology 1.txt", "A" + kEnd),
                        run.input("Molecular Biology 2.txt", "slow" + kEnd),
                        run.input("c.txt", "C" + kEnd)};
  EXPECT_EQ(ImportChosenFiles(run.settings, run.setup, run.log, run.ui, chosen,
                              [&run](const FileOutcome& done) {
                                run.outcomes.push_back(done);
                                run.ui.stop = true;
                              }),
            "Conversion stopped");
  ASSERT_EQ(run.outcomes.size(), 2u);
  EXPECT_EQ(run.ui.messages,
            (std::vector<test::ShownMessage>{
                {MessageKind::Plain, chosen[1] + " replaces the result of " + chosen[0] +
                                         ": both make the database \"EN-Molecular Biolog\""}}));
  EXPECT_TRUE(run.outcomes[0].converted);
  EXPECT_TRUE(test::Exists(run.pdb("Molecular Biology 1")));
  EXPECT_TRUE(run.outcomes[1].stopped);
  EXPECT_EQ(run.log.back(), "Conversion stopped");
  EXPECT_EQ(test::ReadBytes(run.pdb("Molecular Biology 2")), "earlier");
  EXPECT_TRUE(run.installRequested());
}

// A chosen file is never written over on the way, whether it is named as a
// work file or the converter's copy, or reached through another spelling:
// that file alone is refused, with its name, and the others convert.
TEST(import_driver_test, a_file_chosen_is_never_what_a_conversion_writes_over) {
  DriverRun run(Mode::EndNote);
  const std::string csv = run.program.work("refs.csv"), copy = run.program.work("input.tmp");
  test::WriteBytes(csv, "A" + kEnd);
  const std::string other = run.program.work("../TKWork/refs.txt");
  test::WriteBytes(other, "C" + kEnd);
  const Lines chosen = {csv, other, run.input("other.IFO", "D" + kEnd)};
  EXPECT_EQ(run.importFiles(chosen), "1 Records Transferred to  JFile");
  ASSERT_EQ(run.outcomes.size(), 3u);
  EXPECT_FALSE(run.outcomes[0].converted);
  EXPECT_FALSE(run.outcomes[1].converted);
  EXPECT_TRUE(run.outcomes[2].converted);
  EXPECT_EQ(run.ui.texts()[0],
            "Converting " + csv + " would write over " + csv +
                ", a file you chose; nothing was written. Choose a file outside Tomekit's work "
                "folder, or move the earlier result first.");
  EXPECT_EQ(run.outcomes[1].reason.find("Converting " + other + " would write over " + csv), 0u);
  EXPECT_EQ(run.outcomes[1].statusText, other + " was not converted");
  // The converter's own copy is written over by any conversion.
  test::WriteBytes(copy, "B" + kEnd);
  EXPECT_EQ(run.importFiles({copy}), copy + " was not converted");
  EXPECT_EQ(test::ReadBytes(csv), "A" + kEnd);
  EXPECT_EQ(test::ReadBytes(copy), "B" + kEnd);
}

// A database name that another PDB in the install folder already carries,
// from an earlier command, is announced before the import; the PDB the
// import replaces doesn't count, nor a name that only starts alike.
TEST(import_driver_test, a_database_name_already_in_the_install_folder_is_announced) {
  DriverRun run(Mode::EndNote);
  const auto pdbNamed = [&](const std::string& file, const std::string& name) {
    test::WriteBytes(JoinPath(run.settings.palmInstallFolder, file),
                     name + std::string(32 - name.size(), '\0') + "rest");
  };
  pdbNamed("EN-Molecular Biology 1.PDB", "EN-Molecular Biolog");
  pdbNamed("EN-Molecular.pdb", "EN-Molecular");
  const std::string later = run.input("Molecular Biology 2.txt", "A" + kEnd);
  EXPECT_EQ(run.importFiles({later}), "1 Records Transferred to  JFile");
  EXPECT_EQ(run.ui.texts(),
            (Lines{later + " makes the database \"EN-Molecular Biolog\", as " +
                   JoinPath(run.settings.palmInstallFolder, "EN-Molecular Biology 1.PDB") +
                   " in the Palm install folder does: the handheld keeps only one of them."}));
  run.ui.messages.clear();
  pdbNamed("EN-Molecular Biology 2.PDB", "EN-Molecular Biolog");
  std::filesystem::remove(JoinPath(run.settings.palmInstallFolder, "EN-Molecular Biology 1.PDB"));
  EXPECT_EQ(run.importFiles({later}), "1 Records Transferred to  JFile");
  EXPECT_EQ(run.ui.texts(), Lines{});
  EXPECT_TRUE(run.outcomes.back().replaced);
}

// A database holds 65,535 records: every reader takes that many, and refuses
// a file of one more whole, with no record of it logged or converted and an
// earlier CSV kept, rather than running out of memory on the way.
TEST(import_driver_test, a_file_of_more_records_than_a_database_holds_is_refused_whole) {
  const struct {
    Mode mode;
    std::string record;
    test::Reader reader = nullptr;
  } cases[] = {
      {Mode::EndNote, "Book\tDoe" + std::string(40, '\t') + kEnd},  // every one cut
      {Mode::RefMan, "TY  - JOUR\r\nT1  - T\r\nER  - \r\n"},
      {Mode::EndNote, "%0 Book\r\n%A Doe\r\n\r\n", ReadEndNoteTaggedExport},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    std::string all;
    for (int i = 0; i < 65535; ++i) all += c.record;
    test::ReaderRun whole(c.mode, all, c.reader);
    EXPECT_EQ(whole.read({1, 2}).records, 65535);
    DriverRun run(c.mode);
    test::WriteBytes(run.program.work("big.csv"), "earlier");
    const std::string big = run.input("big.txt", all + c.record);
    EXPECT_EQ(run.importFiles({big}), big + " was not converted");
    EXPECT_EQ(run.ui.texts(),
              (Lines{big + " holds more than 65535 records, the most a JFile database holds, so "
                           "nothing was converted. Export it in smaller parts.",
                     "Error Converting EndNote file"}));
    EXPECT_LT(run.log.size(), 20u);
    EXPECT_FALSE(FileExists(run.pdb("big")));
    EXPECT_EQ(test::ReadBytes(run.program.work("big.csv")), "earlier");
  }
}

// No file chosen asks for no install; a failed request is said plainly,
// after the files.
TEST(import_driver_test, install_is_requested_after_a_database_is_written) {
  DriverRun none(Mode::EndNote);
  EXPECT_EQ(none.importFiles({}), "");
  EXPECT_TRUE(none.log.empty());
  EXPECT_EQ(none.ui.pumps, 0);
  EXPECT_FALSE(none.installRequested());
  DriverRun run(Mode::EndNote);
  test::BlockFolder(run.program.file("store"));
  test::ScopedEnv store("TOMEKIT_INSTALL_STORE", run.program.file("store/install.ini"));
  EXPECT_EQ(run.importFiles({run.input("a.txt", "A" + kEnd)}), "1 Records Transferred to  JFile");
  EXPECT_EQ(run.ui.messages,
            (std::vector<test::ShownMessage>{{MessageKind::Plain, "Couldn't open key "}}));
}

// A file that is no export of the mode is refused by content, whatever its
// name, with the file and the reason on the line after the usual message;
// no database is made of it.
TEST(import_driver_test, files_that_are_no_export_of_the_mode_are_refused) {
  const std::string png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
  const struct {
    const char* behaviour;
    Mode mode;
    std::string bytes, reason;
  } cases[] = {
      {"a tab file with a header row", Mode::EndNote,
       "Reference Type\tAuthor\tYear\tTitle\r\nBook\tDoe\t2001\tOne\r\nBook\tRoe\t2002\tTwo\r\n",
       "the first line is a header of field names: EndNote's tab export needs the Tomekit output "
       "style, or use EndNote Export"},
      {"a README", Mode::EndNote, "# Tomekit\n\nCarries references.\n",
       "no record ends (\xC2\xB0): EndNote's tab export needs the Tomekit output style, or use "
       "EndNote Export"},
      {"a README in Reference Manager mode", Mode::RefMan, "# Tomekit\n",
       "no RIS record (a line \"TY  - \") in it"},
      {"a PNG", Mode::EndNote, png, "not a text file"},
      {"a RIS file in ProCite mode", Mode::ProCite, "TY  - JOUR\nER  - \n",
       "looks like a RIS export: use Reference Manager mode"},
      {"an EndNote Export in Reference Manager mode", Mode::RefMan, "%0 Book\n%T x\n",
       "looks like an EndNote Export (%0, %A, %T\xE2\x80\xA6): use EndNote mode"},
      {"an EndNote tab export in Reference Manager mode", Mode::RefMan, "Book\tDoe\xB0",
       "looks like an EndNote tab export: use EndNote mode"},
      {"a ProCite file without a record: no reason to add", Mode::ProCite, "\t\"\n", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.behaviour);
    DriverRun run(c.mode);
    const std::string file = run.input("refs.txt", c.bytes);
    run.importFiles({file});
    const std::string why = c.reason.empty() ? "" : "\n" + file + ": " + c.reason;
    EXPECT_EQ(run.ui.texts(), (Lines{"Error Converting EndNote file" + why}));
    EXPECT_FALSE(FileExists(run.pdb("refs")));
  }
}

// EndNote mode takes EndNote's stock exports by their content; the generic
// mode converts through the reduced file, under its own labels. RIS is RIS
// in any script: bytes 0xB0 inside Chinese or Cyrillic characters are no
// EndNote record ends, and neither a preamble nor one blank before the hyphen
// hides the records.
TEST(import_driver_test, exports_convert_through_the_reader_their_content_calls_for) {
  const std::string one = "1 Records Transferred to  JFile",
                    cut = ". Number of truncated records: 1";
  const std::string replaced = ". Number of records with replaced characters: 1";
  const auto script = [](const char* name) {
    return test::ReadBytes(test::DataFile(std::string("ris/scripts/") + name + ".ris"));
  };
  const std::string endNote =
      "\"Reference Type\",\"Author\",\"Year\",\"Title\"\r\n\"Book\",\"Doe\",\"2001\",\"One\"\r\n";
  // The fields are 20 bytes wide, so the Cyrillic title is cut.
  const std::tuple<Mode, std::string, std::string, std::string> cases[] = {
      {Mode::EndNote, "%0 Book\n%A Doe\n%D 2001\n%T One\n", one, endNote},
      {Mode::EndNote, "TY  - BOOK\nAU  - Doe\nPY  - 2001\nTI  - One\nER  - \n", one, endNote},
      {Mode::ProCiteGeneric, "Journal\t7\tSmith, J.\r\n", one,
       "\"WorkSheet\",\"Record ID\",\"Author, Analytic\",\"Title, Analytic\"\r\n"
       "\"Journal\",\"7\",\"Smith, J.\",\" \"\r\n"},
      {Mode::RefMan, script("chinese-one-blank-tags"), one + replaced,
       "\"JOUR\",\"\",\"????????????\",\"?, ?;?, ?\""},
      {Mode::RefMan, script("cyrillic-preamble"), one + cut + replaced,
       "\"JOUR\",\"\",\"????????? ????? ? ??\",\"???????, ????\""},
      {Mode::EndNote, script("cyrillic-preamble"), one + cut + replaced,
       "\"Journal Article\",\"???????, ????\",\"2019\",\"?????????"},
      {Mode::EndNote, script("korean"), one + replaced,
       "\"Journal Article\",\"?, ??\",\"2020\",\"?? ?? ??\""},
  };
  for (const auto& [mode, bytes, status, row] : cases) {
    SCOPED_TRACE(bytes.substr(0, 40));
    DriverRun run(mode);
    EXPECT_EQ(run.importFiles({run.input("refs.txt", bytes)}), status);
    EXPECT_TRUE(test::Holds(test::ReadBytes(run.pdb("refs")), row));
  }
}

// Each mode's dialog offers the formats it reads as its own after its own
// filter, and every format a mode doesn't read is refused with a reason.
TEST(import_driver_test, the_format_table_gives_filters_and_refusals) {
  EXPECT_EQ(ImportDialogFilter(Mode::RefMan),
            "Reference Manager Exports (*.txt)|*.TXT|RIS files (*.ris)|*.ris|All files (*)|*");
  for (const ImportFormat& format : ImportFormats()) {
    for (Mode mode : kAllModes) {
      SCOPED_TRACE(std::to_string(static_cast<int>(format.look)) + " in mode " +
                   std::to_string(ModeNumber(mode)));
      if (!format.in(mode).reader) {
        EXPECT_NE(format.refusal, Refusal::None);
      }
      if (format.in(mode).offered) {
        EXPECT_FALSE(format.dialogFilter.empty());
      }
    }
  }
}

}  // namespace
}  // namespace tk
