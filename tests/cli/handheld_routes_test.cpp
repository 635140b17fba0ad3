// With the real programs: every database tomekit-cli writes is given to the
// routes that reach the handheld, and a third-party reader reads each copy
// and zip entry as the database it is.
#include "EndToEndFixture.h"

#include "platform/Path.h"

#include <sstream>

namespace tk::cli::test {
namespace {

// What palm-pdb reads of each file, a line each (read-pdb.js); empty with
// reason set when node or palm-pdb isn't there.
std::string ReadBack(const std::string& files, std::string& reason) {
  const std::string modules = TOMEKIT_PALM_PDB;
  if (std::system("command -v node >/dev/null") != 0) {
    reason = "node is missing";
    return {};
  }
  if (!FolderExists(JoinPath(modules, "palm-pdb"))) {
    reason = "palm-pdb is missing: scripts/palm-pdb-setup.sh " + ExtractFilePath(modules);
    return {};
  }
  const TempFolder out;
  const std::string command = "NODE_PATH='" + modules + "' node '" TOMEKIT_READ_PDB "' " + files +
                              " >'" + out.file("read") + "' 2>&1";
  const int status = std::system(command.c_str());
  return (status == 0 ? "" : "read-pdb failed:\n") + ReadBytes(out.file("read"));
}

class HandheldRoutes : public EndToEnd {
protected:
  void SetUp() override {
    EndToEnd::SetUp();
    if (IsSkipped()) return;
    WriteBytes(folder("Ref Man/refs.txt"),
               "TY  - JOUR\r\nT1  - One\r\nER  - \r\nTY  - BOOK\r\nT1  - Two\r\nER  - \r\n");
    WriteBytes(folder("Ref Man/more.txt"), "TY  - JOUR\r\nT1  - Three\r\nER  - \r\n");
  }
};

// Nothing installed: the line names the database and the command; nothing
// is written in the user's home. Then J-Pilot's list holds the database's
// absolute path on one LF-ended line, however often it is imported.
TEST_F(HandheldRoutes, jpilot_lists_the_database_once_and_the_command_always_follows) {
  const TempFolder home;
  const std::string homeOnly = "export HOME='" + home.path() + "'; ";
  const std::string pdb = folder("Install/RM-refs.PDB");
  EXPECT_EQ(cli("import 'Ref Man/refs.txt'", "", homeOnly),
            (CliRun{0, "2 Records Transferred to  JFile" + copyIt("RM-refs.PDB") + "\n", ""}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path()), {}), 0);

  ASSERT_TRUE(CreateFolders(folder(".jpilot")));
  for (const char* listed :
       {"; added to J-Pilot's install list", "; already on J-Pilot's install list"}) {
    EXPECT_EQ(cli("import 'Ref Man/refs.txt'"),
              (CliRun{0,
                      "2 Records Transferred to  JFile; replaced " + pdb + listed +
                          copyIt("RM-refs.PDB") + "\n",
                      ""}));
  }
  EXPECT_TRUE(FileHolds(folder(".jpilot/jpilot.install"), pdb + "\n"));
}

// palm-sync's copy and the zip's entries read as the databases themselves.
TEST_F(HandheldRoutes, palm_sync_copies_and_zip_entries_read_back_as_the_databases) {
  WriteBytes(folder("tomekit.INI"), ReadBytes(folder("tomekit.INI")) + "PalmSyncFolder=" +
                                        folder("palm-sync") + "\r\nPalmSyncUser=Jane\r\n");
  ASSERT_TRUE(CreateFolders(folder("palm-sync")));
  const CliRun run = cli("import --zip for-emulator.zip 'Ref Man/refs.txt' 'Ref Man/more.txt'");
  EXPECT_EQ(run, (CliRun{0,
                         "2 Records Transferred to  JFile; in palm-sync's install folder for Jane" +
                             copyIt("RM-refs.PDB") +
                             "\n1 Records Transferred to  JFile; in palm-sync's install folder "
                             "for Jane" +
                             copyIt("RM-more.PDB") + "\n" + folder("for-emulator.zip") +
                             " holds the databases written, for an emulator's Install file\n",
                         ""}));
  const std::string copy = folder("palm-sync/Jane/install/RM-refs.tomekit.pdb");
  EXPECT_TRUE(FileHolds(copy, ReadBytes(folder("Install/RM-refs.PDB"))));

  std::string skipped;
  const std::string read = ReadBack(
      "'" + folder("Install/RM-refs.PDB") + "' '" + copy + "' '" + folder("for-emulator.zip") + "'",
      skipped);
  if (!skipped.empty()) GTEST_SKIP() << skipped;
  // The app-info block is jconv5's to lay out; every copy holds the same.
  const std::string appInfo = read.substr(read.rfind('\t', read.find('\n')) + 1,
                                          read.find('\n') - read.rfind('\t', read.find('\n')) - 1);
  EXPECT_NE(appInfo, "0");
  auto line = [&](const std::string& label, const std::string& name, int records) {
    return label + "\t" + name + "\tJfD5\tJFi5\t" + std::to_string(records) + "\t" + appInfo + "\n";
  };
  EXPECT_EQ(read, line(folder("Install/RM-refs.PDB"), "RM-refs", 2) + line(copy, "RM-refs", 2) +
                      line("RM-refs.pdb", "RM-refs", 2) + line("RM-more.pdb", "RM-more", 1));
}

}  // namespace
}  // namespace tk::cli::test
