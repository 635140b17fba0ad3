// A lock keeps out every other holder, in this process or another, for as
// long as its holder lives, and no longer: a killed holder frees it.
#include "platform/FileLock.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#endif

namespace tk {
namespace {

TEST(file_lock_test, one_holder_at_a_time_and_the_next_once_it_is_gone) {
  test::TempFolder dir;
  const std::string path = dir.file("work.lock");
  {
    const FileLock first(path);
    ASSERT_EQ(first.state(), FileLockState::Held);
    EXPECT_EQ(FileLock(path).state(), FileLockState::HeldByAnother);
  }
  EXPECT_EQ(FileLock(path).state(), FileLockState::Held);
  EXPECT_EQ(FileLock(dir.file("none/work.lock")).state(), FileLockState::Unavailable);
}

#ifndef _WIN32
// The child takes the lock, says so through a pipe and waits to be killed.
TEST(file_lock_test, a_holder_killed_with_sigkill_leaves_nothing_that_blocks) {
  test::TempFolder dir;
  const std::string path = dir.file("work.lock");
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const FileLock held(path);
    const char state = held.state() == FileLockState::Held ? 'h' : 'n';
    (void)!::write(ready[1], &state, 1);
    for (;;) ::pause();
  }
  ::close(ready[1]);
  char state = 0;
  ASSERT_EQ(::read(ready[0], &state, 1), 1);
  ::close(ready[0]);
  EXPECT_EQ(state, 'h');
  EXPECT_EQ(FileLock(path).state(), FileLockState::HeldByAnother);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_EQ(FileLock(path).state(), FileLockState::Held);
}
#endif

}  // namespace
}  // namespace tk
