// J-Pilot's install list is found where J-Pilot keeps its files and changed
// only under J-Pilot's own fcntl lock, one line per file.
#include "platform/JPilotInstallList.h"

#include "mock/Expect.h"
#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace tk {
namespace {

using namespace std::chrono_literals;

// Another process holding J-Pilot's lock on the list (fcntl locks are the
// process's, so this process couldn't stand in for J-Pilot) until it is
// released or holdFor runs out.
class LockHolder {
public:
  LockHolder(const std::string& list, std::chrono::milliseconds holdFor) {
    int ready[2];
    if (::pipe(ready) != 0) throw std::runtime_error("no pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
      const int fd = ::open(list.c_str(), O_RDWR | O_CREAT, 0600);
      struct flock lock {};
      lock.l_type = F_WRLCK;
      lock.l_whence = SEEK_SET;
      const char held = ::fcntl(fd, F_SETLKW, &lock) == 0 ? 'y' : 'n';
      (void)!::write(ready[1], &held, 1);
      std::this_thread::sleep_for(holdFor);
      ::_exit(0);
    }
    char held = 'n';
    (void)!::read(ready[0], &held, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    if (held != 'y') throw std::runtime_error("the lock was not taken");
  }
  ~LockHolder() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

private:
  pid_t pid_ = -1;
};

struct JPilotHome {
  test::TempFolder home;
  test::ScopedEnv chosen{"JPILOT_HOME", home.path()};
  std::string folder() const { return home.file(".jpilot"); }
  std::string list() const { return JoinPath(folder(), "jpilot.install"); }
};

TEST(jpilot_install_list_test, the_list_is_found_where_jpilot_keeps_its_files) {
  JPilotHome jpilot;
  EXPECT_EQ(JPilotInstallListPath(), "") << "no .jpilot folder: no J-Pilot";
  ASSERT_TRUE(CreateFolders(jpilot.folder()));
  EXPECT_EQ(JPilotInstallListPath(), jpilot.list());
  const std::string old = JoinPath(jpilot.folder(), "jpilot_to_install");
  test::WriteBytes(old, "");
  EXPECT_EQ(JPilotInstallListPath(), old) << "only the old list is there";
  test::WriteBytes(jpilot.list(), "");
  EXPECT_EQ(JPilotInstallListPath(), jpilot.list()) << "both: the current one";

  test::TempFolder home;
  test::ScopedEnv noChoice("JPILOT_HOME", nullptr), homeOnly("HOME", home.path());
  ASSERT_TRUE(CreateFolders(home.file(".jpilot")));
  EXPECT_EQ(JPilotInstallListPath(), JoinPath(home.file(".jpilot"), "jpilot.install"));
}

// A path already listed, for the handheld or its card, is not listed again;
// a last line without its end doesn't run into the new one.
TEST(jpilot_install_list_test, each_path_is_listed_once_on_a_line_of_its_own) {
  JPilotHome jpilot;
  ASSERT_TRUE(CreateFolders(jpilot.folder()));
  EXPECT_EQ(AddToInstallList(jpilot.list(), "/i/EN-a.PDB"), InstallListResult::Added);
  EXPECT_EQ(AddToInstallList(jpilot.list(), "/i/EN-a.PDB"), InstallListResult::AlreadyListed);
  EXPECT_TRUE(test::FileHolds(jpilot.list(), "/i/EN-a.PDB\n"));

  test::WriteBytes(jpilot.list(), "\x01/i/EN-card.PDB\n/other.prc");
  EXPECT_EQ(AddToInstallList(jpilot.list(), "/i/EN-card.PDB"), InstallListResult::AlreadyListed);
  EXPECT_EQ(AddToInstallList(jpilot.list(), "/i/EN-b.PDB"), InstallListResult::Added);
  EXPECT_TRUE(test::FileHolds(jpilot.list(), "\x01/i/EN-card.PDB\n/other.prc\n/i/EN-b.PDB\n"));
  EXPECT_EQ(AddToInstallList(jpilot.list(), "/i/EN-b"), InstallListResult::Added)
      << "a line that merely starts with the path is another file";

  EXPECT_EQ(AddToInstallList(jpilot.list(), "/i/two\nlines.PDB"),
            InstallListResult::NameHasLineEnd);
  EXPECT_EQ(AddToInstallList(jpilot.home.file("no/such/list"), "/i/a.PDB"),
            InstallListResult::NotWritten);
}

TEST(jpilot_install_list_test, a_held_lock_is_waited_for_and_then_reported) {
  JPilotHome jpilot;
  ASSERT_TRUE(CreateFolders(jpilot.folder()));
  {
    const LockHolder syncing(jpilot.list(), 200ms);
    EXPECT_EQ(AddToInstallList(jpilot.list(), "/i/EN-a.PDB", 10s), InstallListResult::Added);
  }
  const LockHolder stuck(jpilot.list(), 60s);
  EXPECT_EQ(AddToInstallList(jpilot.list(), "/i/EN-b.PDB", 100ms), InstallListResult::Locked);
  EXPECT_TRUE(test::FileHolds(jpilot.list(), "/i/EN-a.PDB\n"));
}

}  // namespace
}  // namespace tk
#endif
