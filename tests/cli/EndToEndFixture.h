#pragma once
// The real programs in a program folder of their own: tomekit-cli and jconv5
// copied there, run through a POSIX shell.
#include "mock/Expect.h"
#include "mock/TempFolder.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

namespace tk::cli::test {

using namespace tk::test;

// A finished run of tomekit-cli, by name, so a failure says which part.
struct CliRun {
  int status;
  std::string out, err;
  bool operator==(const CliRun&) const = default;
  friend void PrintTo(const CliRun& r, std::ostream* o) {
    *o << "exit " << r.status << "\nstdout: " << ::testing::PrintToString(r.out)
       << "\nstderr: " << ::testing::PrintToString(r.err);
  }
};

class EndToEnd : public ::testing::Test {
protected:
  // Saved in Reference Manager mode, each manager with a folder of its own.
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "drives the programs through a POSIX shell";
#endif
    for (const char* program : {"tomekit-cli", "jconv5"})
      std::filesystem::copy_file(std::filesystem::path(TOMEKIT_PROGRAM_FOLDER) / program,
                                 folder(program));
    WriteBytes(folder("tomekit.INI"), "[UserInfo]\r\nPalmOutPath=" + folder("Install") +
                                          "\r\nENPath=" + folder("EndNote") + "\r\nRMPath=" +
                                          folder("Ref Man") + "\r\n[Tomekit]\r\nProgMode=1\r\n");
    for (const char* sub : {"Install", "EndNote", "Ref Man"})
      ASSERT_TRUE(CreateFolders(folder(sub)));
  }

  std::string folder(const std::string& name) const { return root.file(name); }

  // Runs the copied tomekit-cli in the program folder, then `then`. The
  // shell reports the status, so a death by signal shows as 128 + its number.
  // `feed` goes before the program: a pipe into it, or a time limit.
  CliRun cli(const std::string& args, const std::string& then = "", const std::string& feed = "") {
    const std::string command = "cd '" + root.path() + "'; " + feed +
                                "env TOMEKIT_INSTALL_STORE='" + folder("install.ini") +
                                "' ./tomekit-cli " + args + " >out.txt 2>err.txt" + then +
                                "; echo $? >status.txt";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return ran("");
  }
  // What the run whose files end in `suffix` left.
  CliRun ran(const std::string& suffix) const {
    return {std::atoi(ReadBytes(folder("status" + suffix + ".txt")).c_str()),
            ReadBytes(folder("out" + suffix + ".txt")), ReadBytes(folder("err" + suffix + ".txt"))};
  }

  TempFolder root;
};

}  // namespace tk::cli::test
