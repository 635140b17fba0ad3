// The whole way with the real programs: tomekit-cli and jconv5 copied into a
// program folder of their own, exports imported into PDBs and exported back.
#include "EndToEndFixture.h"
#include "cli/CommandLine.h"
#include "mock/Expect.h"
#include "mock/FakeConverter.h"
#include "mock/Faults.h"
#include "mock/TempFolder.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <tuple>

namespace tk::cli {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::EndToEnd;

// Values longer than the default strategies' width of 3990 come back cut.
// What Windows-1252 can hold comes back as it went, the rest as "?" and "…"
// as "..."; neither --mode nor --charset is ever saved. A pipe into
// /dev/stdin, as `<(cat refs.ris)` gives, is read once, its UTF-8 seen. Every
// name the system takes, every record a database holds: a 255-byte export of
// 12,000 records goes and comes back whole, three bytes of its name giving way
// to the prefix "EN-". (That the work folder keeps the last conversion's files
// only is the work folder claim's test.)
TEST_F(EndToEnd, exports_become_pdbs_and_come_back_cut_to_their_widths_in_the_chosen_charset) {
  const std::string title = "On things, " + std::string(4000, 'T');
  const std::string base = "Refs " + std::string(246, 'n'), pdb = "EN-" + base.substr(0, 248);
  auto tabbed = [](const std::string& value) {  // 31 fields
    return "Journal Article\tSmith, \"J.\"\t2001\t" + value + "\t\t\t\tPenguin Books" +
           std::string(5, '\t') + "bio; chem" + std::string(18, '\t');
  };
  auto ris = [](const std::string& t1, const std::string& author1, const std::string& author2) {
    return "TY  - JOUR\r\nT1  - " + t1 + "\r\nA1  - " + author1 + "\r\nA1  - " + author2 +
           "\r\nKW  - bio\r\nER  - \r\n";
  };
  std::string records = tabbed(title) + '\xB0', back = tabbed(title.substr(0, 3990)) + "\r\n";
  for (int i = 2; i <= 12000; ++i) {
    records += "Book\tAuthor " + std::to_string(i) + '\xB0';
    back += "Book\tAuthor " + std::to_string(i) + std::string(29, '\t') + "\r\n";
  }
  test::WriteBytes(folder("EndNote/" + base + ".txt"), records);
  // The second record in UTF-8: what Windows-1252 holds, what it can't and "…".
  const std::string utf8 = "\xC3\x85ngstr\xC3\xB6m \xE2\x82\xAC ",
                    thorn = "\xC3\x90\xC3\xB3r, \xC3\x9E.";
  test::WriteBytes(folder("Ref Man/rm.txt"), ris(title, "Smith, J.", "Jones, K.") +
                                                 ris(utf8 + "\xC4\x85\xE2\x80\xA6 20\xC2\xB0",
                                                     thorn, "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0"));
  EXPECT_EQ(cli("import --mode endnote 'EndNote/" + base + ".txt'"),
            (CliRun{0,
                    "12000 Records Transferred to  JFile. Number of truncated records: 1" +
                        copyIt(pdb + ".PDB") + "\n",
                    ""}));
  EXPECT_EQ(cli("import /dev/stdin", "", "cat 'Ref Man/rm.txt' | "),
            (CliRun{0,
                    "2 Records Transferred to  JFile. Number of truncated records: 1. Number of "
                    "records with replaced characters: 1" +
                        copyIt("RM-stdin.PDB") + "\n",
                    ""}));
  EXPECT_FALSE(FileExists(folder("TKWork/stream.tmp"))) << "the pipe's copy";

  EXPECT_EQ(cli("export --mode endnote 'Install/" + pdb + ".PDB'"),
            (CliRun{0, "12000 Records Transferred to EndNote\n", ""}));
  const std::string tsv = test::ReadBytes(folder("EndNote/" + pdb + ".tsv"));
  EXPECT_EQ(tsv.substr(0, 10) + tsv.substr(tsv.find("\r\n", 10) + 2), "*GENERIC\r\n" + back);
  const std::string cut = ris(title.substr(0, 3990), "Smith, J.", "Jones, K.") + "\r\n";
  const CliRun exported = (CliRun{0, "2 Records Transferred to Reference Manager\n", ""});
  EXPECT_EQ(cli("export --charset utf-8 Install/RM-stdin.PDB"), exported);
  EXPECT_EQ(test::ReadBytes(folder("Ref Man/RM-stdin.RIS")),
            "\xEF\xBB\xBF" + cut + ris(utf8 + "?... 20\xC2\xB0", thorn, "????") + "\r\n");
  // Done again, it says so: the earlier file is replaced, as scripts expect.
  const std::string replaced = "; replaced " + folder("Ref Man/RM-stdin.RIS");
  EXPECT_EQ(cli("export Install/RM-stdin.PDB"),
            (CliRun{0, "2 Records Transferred to Reference Manager" + replaced + "\n", ""}));
  EXPECT_EQ(test::ReadBytes(folder("Ref Man/RM-stdin.RIS")),
            cut + ris("\xC5ngstr\xF6m \x80 ?... 20\xB0", "\xD0\xF3r, \xDE.", "????") + "\r\n");
  const std::string ini = test::ReadBytes(folder("tomekit.INI"));
  EXPECT_TRUE(test::Holds(ini, "ProgMode=1"));
  EXPECT_FALSE(test::Holds(ini, "Charset"));
}

// An "EndNote Export" goes to the handheld and comes back as one: bibutils
// reads the same references from both, field for field.
TEST_F(EndToEnd, endnote_tagged_export_comes_back_as_bibutils_reads_it) {
  if (std::system("command -v end2xml >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "end2xml (bibutils) is not installed";
  }
  fs::copy_file(test::DataFile("endnote/round-trip.enw"), folder("EndNote/refs.txt"));
  // The first run writes the default field choice, which leaves fields 16-26
  // and 28-31 out; every field is chosen for the round trip.
  EXPECT_EQ(cli("import --mode endnote EndNote/refs.txt").status, 0);
  std::string strategy = test::ReadBytes(folder("stratEN.jfp"));
  const std::string defaults = "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,";
  const std::size_t at = strategy.find(defaults);
  ASSERT_NE(at, std::string::npos);
  std::replace(strategy.begin() + at, strategy.begin() + at + defaults.size(), '0', '1');
  test::WriteBytes(folder("stratEN.jfp"), strategy);
  EXPECT_EQ(cli("import --mode endnote EndNote/refs.txt"),
            (CliRun{0,
                    "3 Records Transferred to  JFile; replaced " + folder("Install/EN-refs.PDB") +
                        copyIt("EN-refs.PDB") + "\n",
                    ""}));
  EXPECT_EQ(cli("export --mode endnote --format tagged Install/EN-refs.PDB"),
            (CliRun{0, "3 Records Transferred to EndNote\n", ""}));
  const auto mods = [this](const std::string& file) {
    const std::string command =
        "end2xml '" + folder(file) + "' >'" + folder(file + ".xml") + "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return test::ReadBytes(folder(file + ".xml"));
  };
  const std::string original = mods("EndNote/refs.txt");
  EXPECT_NE(original.find("Rivers of Asia"), std::string::npos);
  EXPECT_EQ(mods("EndNote/EN-refs.tsv"), original);
  // Choosing it for one run keeps the saved format.
  EXPECT_EQ(test::ReadBytes(folder("tomekit.INI")).find("ExportFormat"), std::string::npos);
}

TEST_F(EndToEnd, exit_status_and_stderr_tell_usage_errors_and_failures_in_order) {
  EXPECT_EQ(cli("import"),
            (CliRun{2, "", "tomekit-cli: no file given\n" + std::string(UsageText())}));
  EXPECT_EQ(cli("--help"), (CliRun{0, HelpText(), ""}));
  test::WriteBytes(folder("stratRM.jfp"), "110\r\n1\r\n8\r\n12,x,\r\n");
  EXPECT_EQ(cli("export Install/none.PDB"),
            (CliRun{1, "",
                    "'x' is not a valid integer value\n" + folder("Install/none.PDB") +
                        " was not converted\n"}));

  // A converter that writes its output, prints and still fails; a log that
  // can't be saved.
  test::InstallStandIn(root.path(), test::kFailingConverter);
  test::WriteBytes(folder("EndNote/a.txt"), "Book\xB0");
  ASSERT_TRUE(CreateFolders(folder("Log.txt")));
  EXPECT_EQ(
      cli("import --mode endnote EndNote/none.txt EndNote/a.txt"),
      (CliRun{
          1, "",
          "Couldnt Open input .tsv file\n"
          "Error Converting EndNote file\n" +
              folder("EndNote/none.txt") +
              " was not converted\n"
              "The external Convertor reported an error. The logfile \"jconv5.err\" contained the "
              "following information\n"
              "line 3: bad quote\nno database written\nprinted on output\nprinted on error in " +
              folder("EndNote/a.txt") +
              "\n"
              "Output file not created\n" +
              folder("EndNote/a.txt") +
              ": the converter wrote nothing (the error report says why)\n" +
              folder("EndNote/a.txt") + " was not converted\nUnable to write to " +
              folder("Log.txt") + "\n"}));
}

// With the real programs: a settings file Notepad saved with a byte-order
// mark keeps its first section; a database exported in a mode whose fields
// it lacks is refused and the earlier file stays; a work folder that is a
// link is refused and what it leads to is left alone. (Chosen files and
// database names already installed are the drivers' tests.)
TEST_F(EndToEnd, wrong_choices_are_refused_and_nothing_outside_is_touched) {
  const std::string ini = test::ReadBytes(folder("tomekit.INI"));
  test::WriteBytes(folder("tomekit.INI"), "\xEF\xBB\xBF" + ini);
  const std::string ris = "TY  - JOUR\r\nT1  - A title\r\nER  - \r\n";
  test::WriteBytes(folder("Ref Man/refs.txt"), ris);
  EXPECT_EQ(cli("import 'Ref Man/refs.txt'"),
            (CliRun{0, "1 Records Transferred to  JFile" + copyIt("RM-refs.PDB") + "\n", ""}));
  EXPECT_TRUE(FileExists(folder("Install/RM-refs.PDB")));

  const std::string tsv = folder("Import and Export/RM-refs.tsv");
  test::WriteBytes(tsv, "earlier");
  const std::string pdb = folder("Install/RM-refs.PDB");
  EXPECT_EQ(cli("export --mode procite '" + pdb + "'"),
            (CliRun{1, "",
                    pdb +
                        " has no column that is a field of ProCite (All Fields) mode "
                        "(tomekit-cli --mode procite), so nothing was written. Its columns are "
                        "the fields of Ref. Manager mode (tomekit-cli --mode refman): export it "
                        "there.\n" +
                        pdb + " was not converted\n"}));
  EXPECT_EQ(test::ReadBytes(tsv), "earlier");

  test::TempFolder elsewhere;
  test::WriteBytes(elsewhere.file("thesis.csv"), "mine");
  fs::remove_all(folder("TKWork"));
  fs::create_directory_symlink(elsewhere.path(), folder("TKWork"));
  const std::string work = folder("TKWork");
  EXPECT_EQ(cli("import 'Ref Man/refs.txt'"),
            (CliRun{1, "",
                    work +
                        " is a link or a file, not a folder of Tomekit's own: its work files "
                        "would be written and deleted elsewhere, so nothing is converted. "
                        "Remove it and Tomekit makes the folder again.\n" +
                        folder("Ref Man/refs.txt") + " was not converted\n"}));
  EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere.path()), {}), 1);
  EXPECT_EQ(test::ReadBytes(elsewhere.file("thesis.csv")), "mine");
}

// What the shell runs after starting tomekit-cli in the background: once
// `file` has been written, `first`, then the signal. Each wait gives up when
// the run has ended, or after a minute: a run that doesn't end then is killed,
// and fails the test rather than hanging it.
std::string SignalOnce(const std::string& file, const std::string& signal,
                       const std::string& first = "") {
  const std::string whileRuns =
      " kill -0 $! 2>/dev/null && [ $i -lt 1200 ]; do sleep 0.05; i=$((i+1)); done; ";
  return " & i=0; while [ ! -s " + file + " ] &&" + whileRuns + first + "kill -" + signal +
         " $!; i=0; while" + whileRuns + "kill -KILL $! 2>/dev/null; wait $!";
}

// As Ctrl-C does, and a closed terminal: the converter is killed with the
// helper it started, a wait for a FIFO's writer (nobody writes) or the look
// at an endless input ends, the stopped file's work files go and the earlier
// database stays. The signal comes once the converter has started or the
// run's description is written.
TEST_F(EndToEnd, signals_stop_the_run_clean_up_and_exit_130) {
  test::InstallStandIn(root.path(), test::kHangingConverter);
  test::WriteBytes(folder("EndNote/a.txt"), "slow\xB0");
  test::WriteBytes(folder("Install/EN-a.PDB"), "earlier");
  ASSERT_TRUE(test::MakeFifo(folder("EndNote/fifo.txt")));
  for (const auto& [input, written, signal] :
       {std::tuple{std::string("EndNote/a.txt"), "started", "TERM"},
        {"EndNote/a.txt", "started", "HUP"},
        {"EndNote/fifo.txt", "TKWork/fifo.IFO", "INT"},
        {"/dev/zero", "TKWork/zero.IFO", "TERM"}}) {
    SCOPED_TRACE(input + " " + signal);
    RemoveFile(folder("started"));
    EXPECT_EQ(cli("import --mode endnote " + input, SignalOnce(written, signal)),
              (CliRun{130, "", "Conversion stopped\n"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder("TKWork")), {}), 0);
  }
  EXPECT_EQ(test::ReadBytes(folder("Install/EN-a.PDB")), "earlier");
  std::this_thread::sleep_for(std::chrono::seconds(3));
  EXPECT_FALSE(FileExists(folder("late"))) << "the converter's helper outlived the stop";
}

// Killed outright mid-run: its converter and what that started end with it,
// and a file imported right after gets its own records. While the killed run
// held the folder, a second one was refused at once, naming the folder.
TEST_F(EndToEnd, a_killed_runs_converter_ends_with_it_and_hands_nothing_on) {
  test::InstallStandIn(root.path(), test::kHangingConverter);
  test::WriteBytes(folder("EndNote/big.txt"), "slow\xB0");
  test::WriteBytes(folder("EndNote/small.txt"), "Book\xB0");
  EXPECT_EQ(cli("import --mode endnote EndNote/big.txt",
                SignalOnce("started", "KILL",
                           "./tomekit-cli import --mode endnote EndNote/small.txt >out2.txt "
                           "2>err2.txt; echo $? >status2.txt; ")),
            (CliRun{137, "", ""}));
  EXPECT_EQ(ran("2"), (CliRun{1, "",
                              "Another conversion is running in " + root.path() +
                                  ", and only one at a time can use its work folder. Try again "
                                  "when it has finished.\n" +
                                  folder("EndNote/small.txt") + " was not converted\n"}));
  EXPECT_FALSE(FileExists(folder("Install/EN-small.PDB")));
  const std::string converter = test::ReadBytes(folder("started"));
  ASSERT_FALSE(converter.empty());
  EXPECT_EQ(cli("import --mode endnote EndNote/small.txt"),
            (CliRun{0, "1 Records Transferred to  JFile" + copyIt("EN-small.PDB") + "\n", ""}));
  EXPECT_EQ(test::ReadBytes(folder("Install/EN-small.PDB")),
            test::ReadBytes(folder("TKWork/small.csv")));
  std::this_thread::sleep_for(std::chrono::seconds(3));
  // Dead, or dead and waiting for whoever took it over to reap it.
  const std::string stat = test::ReadBytes("/proc/" + converter + "/stat");
  EXPECT_TRUE(stat.empty() || stat.find(") Z ") != stat.npos) << "the converter outlived it";
  EXPECT_FALSE(FileExists(folder("late"))) << "the converter's helper outlived the run";
}

}  // namespace
}  // namespace tk::cli
