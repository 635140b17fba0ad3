// The whole way with the real programs: tomekit-cli and jconv5 copied into a
// program folder of their own, exports imported into PDBs and exported back.
#include "cli/CommandLine.h"
#include "mock/FakeConverter.h"
#include "mock/TempFolder.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace tk::cli {
namespace {

namespace fs = std::filesystem;
using Values = std::map<int, std::string>;  // field number -> value

class EndToEnd : public ::testing::Test {
protected:
  // Saved in Reference Manager mode, each manager with a folder of its own.
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "drives the programs through /bin/sh";
#endif
    for (const char* program : {"tomekit-cli", "jconv5"}) {
      fs::copy_file(fs::path(TOMEKIT_PROGRAM_FOLDER) / program, folder(program));
    }
    test::WriteBytes(folder("tomekit.INI"), "[UserInfo]\r\nPalmOutPath=" + folder("Install") +
                                                "\r\nENPath=" + folder("EndNote") +
                                                "\r\nRMPath=" + folder("Ref Man") +
                                                "\r\n[Tomekit]\r\nProgMode=1\r\n");
    for (const char* sub : {"Install", "EndNote", "Ref Man"})
      ASSERT_TRUE(CreateFolders(folder(sub)));
  }

  std::string folder(const std::string& name) const { return root_.file(name); }

  // Runs the copied tomekit-cli in the program folder, then then; the exit
  // status of the shell's last command.
  int cli(const std::string& args, const std::string& then = "") {
    const std::string command = "cd '" + root_.path() + "'; TOMEKIT_INSTALL_STORE='" +
                                folder("install.ini") + "' ./tomekit-cli " + args +
                                " >out.txt 2>err.txt" + then;
    const int status = std::system(command.c_str());
#ifdef _WIN32
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  }
  std::string out() const { return test::ReadBytes(folder("out.txt")); }
  std::string err() const { return test::ReadBytes(folder("err.txt")); }

  static std::string Tabbed(const Values& values, int fields) {
    std::string line;
    for (int f = 1; f <= fields; ++f) {
      const auto it = values.find(f);
      line += (it == values.end() ? "" : it->second) + (f < fields ? "\t" : "");
    }
    return line;
  }

  test::TempFolder root_;
};

// Values longer than the default strategies' width of 3990 come back cut.
TEST_F(EndToEnd, exports_become_pdbs_and_come_back_cut_to_their_widths) {
  const std::string title(4000, 'T');
  Values endnote = {{1, "Journal Article"},     {2, "Smith, \"J.\""}, {3, "2001"},
                    {4, "On things, " + title}, {8, "Penguin Books"}, {13, "bio; chem"}};
  test::WriteBytes(folder("EndNote/My Refs.txt"), Tabbed(endnote, 31) + '\xB0');
  test::WriteBytes(folder("Ref Man/rm.txt"), "TY  - JOUR\r\nT1  - " + title +
                                                 "\r\nA1  - Smith, J.\r\nA1  - Jones, K.\r\n"
                                                 "KW  - bio\r\nER  - \r\n");
  ASSERT_EQ(cli("import --mode endnote 'EndNote/My Refs.txt'"), 0) << err();
  EXPECT_EQ(out(), "1 Records Transferred to  JFile. Number of truncated records: 1\n");
  ASSERT_EQ(cli("import 'Ref Man/rm.txt'"), 0) << err();
  EXPECT_NE(test::ReadBytes(folder("install.ini")).find("Install0=1"), std::string::npos);

  ASSERT_EQ(cli("export --mode endnote 'Install/EN-My Refs.PDB'"), 0) << err();
  EXPECT_EQ(out(), "1 Records Transferred to EndNote\n");
  const std::string tsv = test::ReadBytes(folder("EndNote/EN-My Refs.tsv"));
  ASSERT_EQ(tsv.substr(0, 10), "*GENERIC\r\n");
  endnote[4].resize(3990);
  EXPECT_EQ(tsv.substr(tsv.find("\r\n", 10) + 2), Tabbed(endnote, 31) + "\r\n");
  ASSERT_EQ(cli("export Install/RM-rm.PDB"), 0) << err();
  EXPECT_EQ(test::ReadBytes(folder("Ref Man/RM-rm.RIS")),
            "TY  - JOUR\r\nT1  - " + title.substr(0, 3990) +
                "\r\nA1  - Smith, J.\r\nA1  - Jones, K.\r\nKW  - bio\r\nER  - \r\n\r\n");
  // --mode never changes the saved mode.
  EXPECT_NE(test::ReadBytes(folder("tomekit.INI")).find("ProgMode=1"), std::string::npos);
}

// What Windows-1252 can hold comes back as it went; the rest as "?" and
// "…" as "...". The choice on the command line is never saved.
TEST_F(EndToEnd, utf8_ris_comes_back_as_utf8) {
  test::WriteBytes(
      folder("Ref Man/utf.txt"),
      "TY  - JOUR\r\nT1  - \xC3\x85ngstr\xC3\xB6m \xE2\x82\xAC \xC4\x85\xE2\x80\xA6 20\xC2\xB0"
      "C\r\n"
      "A1  - \xC3\x90\xC3\xB3r, \xC3\x9E.\r\nA1  - \xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0\r\nER  - \r\n");
  ASSERT_EQ(cli("import 'Ref Man/utf.txt'"), 0) << err();
  EXPECT_EQ(out(),
            "1 Records Transferred to  JFile. Number of records with replaced characters: 1\n");
  ASSERT_EQ(cli("export --charset utf-8 Install/RM-utf.PDB"), 0) << err();
  EXPECT_EQ(test::ReadBytes(folder("Ref Man/RM-utf.RIS")),
            "\xEF\xBB\xBFTY  - JOUR\r\nT1  - \xC3\x85ngstr\xC3\xB6m \xE2\x82\xAC ?... 20\xC2\xB0"
            "C\r\n"
            "A1  - \xC3\x90\xC3\xB3r, \xC3\x9E.\r\nA1  - ????\r\nER  - \r\n\r\n");
  ASSERT_EQ(cli("export Install/RM-utf.PDB"), 0) << err();
  EXPECT_EQ(test::ReadBytes(folder("Ref Man/RM-utf.RIS")).substr(0, 26),
            "TY  - JOUR\r\nT1  - \xC5ngstr\xF6m");
  EXPECT_EQ(test::ReadBytes(folder("tomekit.INI")).find("Charset"), std::string::npos);
}

TEST_F(EndToEnd, exit_status_and_stderr_tell_usage_errors_and_failures_in_order) {
  EXPECT_EQ(cli("import"), 2);
  EXPECT_EQ(err(), std::string("tomekit-cli: no file given\n") + UsageText());
  EXPECT_EQ(cli("--help"), 0);
  EXPECT_EQ(out(), HelpText());
  test::WriteBytes(folder("stratRM.jfp"), "110\r\n1\r\n8\r\n12,x,\r\n");
  EXPECT_EQ(cli("export Install/none.PDB"), 1);
  EXPECT_EQ(err(), "'x' is not a valid integer value\n");

  // A converter that writes its output, prints and still fails; a log that
  // can't be saved.
  test::WriteBytes(folder("jconv5"), test::kFailingConverter);
  test::WriteBytes(folder("EndNote/a.txt"), "Book\xB0");
  ASSERT_TRUE(CreateFolders(folder("Log.txt")));
  EXPECT_EQ(cli("import --mode endnote EndNote/none.txt EndNote/a.txt"), 1);
  EXPECT_EQ(err(),
            "Couldnt Open input .tsv file\n"
            "Error Converting EndNote file\n"
            "The external Convertor reported an error. The logfile \"jconv5.err\" contained the "
            "following information\n"
            "line 3: bad quote\nno database written\nprinted on output\nprinted on error\n"
            "Output file not created\n" +
                folder("EndNote/a.txt") + " was not converted\nUnable to write to " +
                folder("Log.txt") + "\n");
  EXPECT_EQ(out(), "");
}

// As Ctrl-C does: the converter is killed and the earlier database stays.
TEST_F(EndToEnd, sigterm_stops_the_run_cleans_up_and_exits_130) {
  test::WriteBytes(folder("jconv5"), test::kHangingConverter);
  test::WriteBytes(folder("EndNote/a.txt"), "slow\xB0");
  test::WriteBytes(folder("Install/EN-a.PDB"), "earlier");
  EXPECT_EQ(cli("import --mode endnote EndNote/a.txt",
                " & i=0; while [ ! -e started ] && [ $i -lt 400 ]; do sleep 0.05; i=$((i+1)); "
                "done; kill -TERM $!; wait $!"),
            130);
  EXPECT_EQ(err(), "Conversion stopped\n");
  EXPECT_EQ(out(), "");
  EXPECT_EQ(test::ReadBytes(folder("Install/EN-a.PDB")), "earlier");
  for (const char* left : {"a.csv", "a.IFO", "out.tmp", "input.tmp"})
    EXPECT_FALSE(FileExists(folder("TKWork/") + left)) << left;
}

}  // namespace
}  // namespace tk::cli
