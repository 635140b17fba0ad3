#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/InstanceMutex.h"
#endif

namespace tk {
namespace {

#ifdef _WIN32
TEST(instance_mutex_test, a_second_copy_finds_the_first_until_it_ends) {
  {
    const InstanceMutex first("TomekitWinTest");
    EXPECT_FALSE(first.heldByAnother());
    EXPECT_TRUE(InstanceMutex("TomekitWinTest").heldByAnother());
    EXPECT_FALSE(InstanceMutex("TomekitWinOther").heldByAnother());
  }
  EXPECT_FALSE(InstanceMutex("TomekitWinTest").heldByAnother());
}
#else
TEST(instance_mutex_test, a_second_copy_finds_the_first_until_it_ends) {
  GTEST_SKIP() << "a named mutex is Windows' way; elsewhere a lock file is used";
}
#endif

}  // namespace
}  // namespace tk
