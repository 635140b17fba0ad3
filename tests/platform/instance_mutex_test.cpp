#include "platform/InstanceMutex.h"

#include <gtest/gtest.h>

namespace tk {

TEST(instance_mutex_test, a_second_copy_finds_the_first_until_it_ends) {
#ifndef _WIN32
  GTEST_SKIP() << "a named mutex is Windows' way; elsewhere a lock file is used";
#else
  {
    const InstanceMutex first("TomekitWinTest");
    EXPECT_FALSE(first.heldByAnother());
    EXPECT_TRUE(InstanceMutex("TomekitWinTest").heldByAnother());
    EXPECT_FALSE(InstanceMutex("TomekitWinOther").heldByAnother());
  }
  EXPECT_FALSE(InstanceMutex("TomekitWinTest").heldByAnother());
#endif
}

}  // namespace tk
