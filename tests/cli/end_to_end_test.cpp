// The whole way with the real programs: tomekit-cli and jconv5 copied into a
// program folder of their own, exports imported into PDBs and exported back.
#include "cli/BatchRun.h"

#include "fields/FieldCatalogue.h"
#include "fields/FieldTable.h"
#include "mock/FakeUi.h"
#include "mock/TempFolder.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/Path.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <filesystem>
#include <map>

namespace tk::cli {
namespace {

namespace fs = std::filesystem;
using Values = std::map<int, std::string>;  // field number -> value

class EndToEnd : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* program : {"tomekit-cli", "jconv5"}) {
      fs::copy_file(JoinPath(TOMEKIT_PROGRAM_FOLDER, program), folder(program));
    }
    IniFile ini(folder("tomekit.INI"));
    ini.writeString("UserInfo", "PalmOutPath", folder("Install"));
    ini.writeString("UserInfo", "ENPath", folder("EndNote"));
    ini.writeString("UserInfo", "RMPath", folder("Ref Man"));
    ini.writeString("UserInfo", "PCPath", folder("ProCite"));
    for (const char* sub : {"Install", "EndNote", "Ref Man", "ProCite"}) CreateFolders(folder(sub));
  }

  std::string folder(const std::string& name) const { return root_.file(name); }

  // Runs the copied tomekit-cli; its exit status.
  int cli(const std::string& args) {
    const std::string command = "cd '" + root_.path() + "' && TOMEKIT_INSTALL_STORE='" +
                                folder("install.ini") + "' ./tomekit-cli " + args +
                                " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string out() const { return test::ReadBytes(folder("out.txt")); }
  std::string err() const { return test::ReadBytes(folder("err.txt")); }

  // The field table the program folder's strategy file gives the mode.
  void loadStrategy(std::int32_t mode) {
    AppState state = MakeAppState(root_.path());
    test::FakeUi ui;
    ASSERT_TRUE(PrepareMode(state, ui, mode));
  }
  // What comes back of a value: nothing when the field is not selected,
  // else the value cut to the field's width.
  static std::string Back(const Values& values, int field) {
    auto it = values.find(field);
    if (it == values.end() || !FldTable[field].selected) return "";
    return it->second.substr(0, static_cast<std::size_t>(FldTable[field].maxWidth));
  }
  static std::string TabbedLine(const Values& values, int fields) {
    std::string line;
    for (int f = 1; f <= fields; ++f) line += Back(values, f) + (f < fields ? "\t" : "\r\n");
    return line;
  }
  static std::string TabbedExport(const Values& values, int fields, char recordEnd) {
    std::string text;
    for (int f = 1; f <= fields; ++f) {
      auto it = values.find(f);
      text += (it == values.end() ? "" : it->second) + (f < fields ? "\t" : "");
    }
    return text + recordEnd;
  }

  // Narrows one field in the mode's strategy file, as a user would.
  void setWidth(std::int32_t mode, const char* strategyFile, int field, int width) {
    loadStrategy(mode);
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(folder(strategyFile), lines));
    std::string& widths = lines[3];
    std::size_t start = 0;
    for (int f = 1; f < field; ++f) start = widths.find(',', start) + 1;
    widths.replace(start, widths.find(',', start) - start, std::to_string(width));
    ASSERT_TRUE(WriteTextLines(folder(strategyFile), lines));
  }

  test::TempFolder root_;
};

TEST_F(EndToEnd, three_exports_become_pdbs_and_come_back_cut_to_their_widths) {
  const std::string longTitle(300, 'T');
  const Values endnote = {{1, "Journal Article"},
                          {2, "Smith, \"J.\""},
                          {3, "2001"},
                          {4, "On things, " + longTitle},
                          {8, "Penguin Books"},
                          {11, "12-19"},
                          {13, "bio; chem"}};
  const Values procite = {{1, "Journal"}, {2, "17"},      {3, "Smith, J."},
                          {6, longTitle}, {12, "Nature"}, {22, "2001"}};
  test::WriteBytes(folder("EndNote/My Refs.txt"), TabbedExport(endnote, 31, '\xB0'));
  test::WriteBytes(folder("ProCite/pc.txt"), TabbedExport(procite, 47, '\r') + "\n");
  test::WriteBytes(folder("Ref Man/rm.txt"),
                   "TY  - JOUR\r\nT1  - " + longTitle +
                       "\r\nA1  - Smith, J.\r\nA1  - Jones, K.\r\n"
                       "Y1  - 2001\r\nKW  - bio\r\nJF  - Nature\r\nER  - \r\n");

  setWidth(kModeEndNote, "stratEN.jfp", 4, 40);
  setWidth(kModeProCite, "stratPC.jfp", 6, 50);
  setWidth(kModeRefMan, "stratRM.jfp", 3, 60);

  ASSERT_EQ(cli("import --mode endnote 'EndNote/My Refs.txt'"), 0) << err();
  EXPECT_EQ(out(), "1 Records Transferred to  JFile. Number of truncated records: 1\n");
  ASSERT_EQ(cli("import --mode procite ProCite/pc.txt"), 0) << err();
  ASSERT_EQ(cli("import --mode refman 'Ref Man/rm.txt'"), 0) << err();
  for (const char* pdb : {"Install/EN-My Refs.PDB", "Install/PR-pc.PDB", "Install/RM-rm.PDB"}) {
    EXPECT_EQ(test::ReadBytes(folder(pdb)).substr(60, 8), "JfD5JFi5") << pdb;
  }

  ASSERT_EQ(cli("export --mode endnote 'Install/EN-My Refs.PDB'"), 0) << err();
  EXPECT_EQ(out(), "1 Records Transferred to EndNote\n");
  loadStrategy(kModeEndNote);
  const std::string tsv = test::ReadBytes(folder("EndNote/EN-My Refs.tsv"));
  ASSERT_EQ(tsv.substr(0, 10), "*GENERIC\r\n");
  EXPECT_EQ(FldTable[4].maxWidth, 40);
  EXPECT_EQ(tsv.substr(tsv.find("\r\n", 10) + 2), TabbedLine(endnote, 31));

  ASSERT_EQ(cli("export --mode procite Install/PR-pc.PDB"), 0) << err();
  loadStrategy(kModeProCite);
  EXPECT_EQ(test::ReadBytes(folder("ProCite/PR-pc.tsv")), TabbedLine(procite, 47));

  ASSERT_EQ(cli("export --mode refman Install/RM-rm.PDB"), 0) << err();
  loadStrategy(kModeRefMan);
  const Values refman = {{1, "JOUR"}, {3, longTitle}, {4, "Smith, J.;Jones, K."},
                         {5, "2001"}, {7, "bio"},     {11, "Nature"}};
  std::string ris;
  for (int f = 1; f <= 33; ++f) {
    const std::string value = Back(refman, f);
    if (value.empty()) continue;
    if (f == 4)
      ris += "A1  - Smith, J.\r\nA1  - Jones, K.\r\n";
    else
      ris += std::string(f == 1   ? "TY"
                         : f == 3 ? "T1"
                         : f == 5 ? "Y1"
                         : f == 7 ? "KW"
                                  : "JF") +
             "  - " + value + "\r\n";
  }
  EXPECT_EQ(test::ReadBytes(folder("Ref Man/RM-rm.RIS")), ris + "ER  - \r\n\r\n");
  EXPECT_EQ(test::ReadBytes(folder("install.ini")).find("Install0=1") != std::string::npos, true);
}

TEST_F(EndToEnd, usage_errors_and_failures_show_in_exit_status) {
  EXPECT_EQ(cli("import"), 2);
  EXPECT_NE(err().find("usage: tomekit-cli import"), std::string::npos);
  EXPECT_EQ(cli("--help"), 0);
  EXPECT_NE(out().find("Exit status"), std::string::npos);
  EXPECT_EQ(cli("export --mode endnote Install/none.PDB"), 1);
  EXPECT_EQ(err(), "The source file does not exist\n");
  EXPECT_EQ(out(), "");
}

}  // namespace
}  // namespace tk::cli
