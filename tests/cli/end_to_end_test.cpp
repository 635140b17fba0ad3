// The whole way with the real programs: tomekit-cli and jconv5 copied into a
// program folder of their own, exports imported into PDBs and exported back.
#include "cli/CommandLine.h"
#include "mock/FakeConverter.h"
#include "mock/TempFolder.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk::cli {
namespace {

namespace fs = std::filesystem;

class EndToEnd : public ::testing::Test {
protected:
  // Saved in Reference Manager mode, each manager with a folder of its own.
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "drives the programs through a POSIX shell";
#endif
    for (const char* program : {"tomekit-cli", "jconv5"})
      fs::copy_file(fs::path(TOMEKIT_PROGRAM_FOLDER) / program, folder(program));
    test::WriteBytes(folder("tomekit.INI"), "[UserInfo]\r\nPalmOutPath=" + folder("Install") +
                                                "\r\nENPath=" + folder("EndNote") +
                                                "\r\nRMPath=" + folder("Ref Man") +
                                                "\r\n[Tomekit]\r\nProgMode=1\r\n");
    for (const char* sub : {"Install", "EndNote", "Ref Man"})
      ASSERT_TRUE(CreateFolders(folder(sub)));
  }

  std::string folder(const std::string& name) const { return root.file(name); }

  // Runs the copied tomekit-cli in the program folder, then `then`; gives the
  // exit status of the shell's last command, the standard output, "|" and the
  // standard error. The shell reports the status so that a death by signal
  // shows as 128 + its number.
  std::string cli(const std::string& args, const std::string& then = "") {
    const std::string command = "cd '" + root.path() + "'; TOMEKIT_INSTALL_STORE='" +
                                folder("install.ini") + "' ./tomekit-cli " + args +
                                " >out.txt 2>err.txt" + then + "; echo $? >status.txt";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return test::ReadBytes(folder("status.txt")) + test::ReadBytes(folder("out.txt")) + "|" +
           test::ReadBytes(folder("err.txt"));
  }

  test::TempFolder root;
};

// Values longer than the default strategies' width of 3990 come back cut.
// What Windows-1252 can hold comes back as it went, the rest as "?" and "…"
// as "..."; neither --mode nor --charset is ever saved.
TEST_F(EndToEnd, exports_become_pdbs_and_come_back_cut_to_their_widths_in_the_chosen_charset) {
  const std::string title = "On things, " + std::string(4000, 'T');
  auto tabbed = [](const std::string& value) {  // 31 fields
    return "Journal Article\tSmith, \"J.\"\t2001\t" + value + "\t\t\t\tPenguin Books" +
           std::string(5, '\t') + "bio; chem" + std::string(18, '\t');
  };
  auto ris = [](const std::string& t1, const std::string& author1, const std::string& author2) {
    return "TY  - JOUR\r\nT1  - " + t1 + "\r\nA1  - " + author1 + "\r\nA1  - " + author2 +
           "\r\nKW  - bio\r\nER  - \r\n";
  };
  test::WriteBytes(folder("EndNote/My Refs.txt"), tabbed(title) + '\xB0');
  // The second record in UTF-8: what Windows-1252 holds, what it can't and "…".
  const std::string utf8 = "\xC3\x85ngstr\xC3\xB6m \xE2\x82\xAC ",
                    thorn = "\xC3\x90\xC3\xB3r, \xC3\x9E.";
  test::WriteBytes(folder("Ref Man/rm.txt"), ris(title, "Smith, J.", "Jones, K.") +
                                                 ris(utf8 + "\xC4\x85\xE2\x80\xA6 20\xC2\xB0",
                                                     thorn, "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0"));
  EXPECT_EQ(cli("import --mode endnote 'EndNote/My Refs.txt'"),
            "0\n1 Records Transferred to  JFile. Number of truncated records: 1\n|");
  EXPECT_EQ(cli("import 'Ref Man/rm.txt'"),
            "0\n2 Records Transferred to  JFile. Number of truncated records: 1. Number of records "
            "with replaced characters: 1\n|");
  EXPECT_NE(test::ReadBytes(folder("install.ini")).find("Install0=1"), std::string::npos);

  EXPECT_EQ(cli("export --mode endnote 'Install/EN-My Refs.PDB'"),
            "0\n1 Records Transferred to EndNote\n|");
  const std::string tsv = test::ReadBytes(folder("EndNote/EN-My Refs.tsv"));
  EXPECT_EQ(tsv.substr(0, 10) + tsv.substr(tsv.find("\r\n", 10) + 2),
            "*GENERIC\r\n" + tabbed(title.substr(0, 3990)) + "\r\n");
  const std::string cut = ris(title.substr(0, 3990), "Smith, J.", "Jones, K.") + "\r\n";
  const std::string exported = "0\n2 Records Transferred to Reference Manager\n|";
  EXPECT_EQ(cli("export --charset utf-8 Install/RM-rm.PDB"), exported);
  EXPECT_EQ(test::ReadBytes(folder("Ref Man/RM-rm.RIS")),
            "\xEF\xBB\xBF" + cut + ris(utf8 + "?... 20\xC2\xB0", thorn, "????") + "\r\n");
  EXPECT_EQ(cli("export Install/RM-rm.PDB"), exported);
  EXPECT_EQ(test::ReadBytes(folder("Ref Man/RM-rm.RIS")),
            cut + ris("\xC5ngstr\xF6m \x80 ?... 20\xB0", "\xD0\xF3r, \xDE.", "????") + "\r\n");
  const std::string ini = test::ReadBytes(folder("tomekit.INI"));
  EXPECT_TRUE(ini.find("ProgMode=1") != std::string::npos && ini.find("Charset") == ini.npos)
      << ini;
}

TEST_F(EndToEnd, exit_status_and_stderr_tell_usage_errors_and_failures_in_order) {
  EXPECT_EQ(cli("import"), std::string("2\n|tomekit-cli: no file given\n") + UsageText());
  EXPECT_EQ(cli("--help"), "0\n" + std::string(HelpText()) + "|");
  test::WriteBytes(folder("stratRM.jfp"), "110\r\n1\r\n8\r\n12,x,\r\n");
  EXPECT_EQ(cli("export Install/none.PDB"), "1\n|'x' is not a valid integer value\n");

  // A converter that writes its output, prints and still fails; a log that
  // can't be saved.
  test::InstallStandIn(root.path(), test::kFailingConverter);
  test::WriteBytes(folder("EndNote/a.txt"), "Book\xB0");
  ASSERT_TRUE(CreateFolders(folder("Log.txt")));
  EXPECT_EQ(cli("import --mode endnote EndNote/none.txt EndNote/a.txt"),
            "1\n|Couldnt Open input .tsv file\n"
            "Error Converting EndNote file\n"
            "The external Convertor reported an error. The logfile \"jconv5.err\" contained the "
            "following information\n"
            "line 3: bad quote\nno database written\nprinted on output\nprinted on error\n"
            "Output file not created\n" +
                folder("EndNote/a.txt") + " was not converted\nUnable to write to " +
                folder("Log.txt") + "\n");
}

// As Ctrl-C does: the converter is killed and the stopped file's work files go.
TEST_F(EndToEnd, sigterm_stops_the_run_cleans_up_and_exits_130) {
  test::InstallStandIn(root.path(), test::kHangingConverter);
  test::WriteBytes(folder("EndNote/a.txt"), "slow\xB0");
  EXPECT_EQ(cli("import --mode endnote EndNote/a.txt",
                " & i=0; while [ ! -e started ] && [ $i -lt 400 ]; do sleep 0.05; i=$((i+1)); "
                "done; kill -TERM $!; wait $!"),
            "130\n|Conversion stopped\n");
  for (const char* left : {"a.csv", "a.IFO", "out.tmp", "input.tmp"})
    EXPECT_FALSE(FileExists(folder("TKWork/") + left)) << left;
}

}  // namespace
}  // namespace tk::cli
