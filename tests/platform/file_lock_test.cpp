// A lock keeps out every other holder for as long as its holder lives, and
// no longer. A holder killed outright is the command line's end-to-end test.
#include "platform/FileLock.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tk
