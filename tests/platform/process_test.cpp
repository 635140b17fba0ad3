#include "platform/Process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace tk {

TEST(process_test, runs_program_with_argument_vector_and_reports_end) {
  // The blank-laden item stays one argument: no shell splits it.
  auto child =
      systemProcessLauncher().start({"/bin/sh", "-c", "test \"$0\" = 'a b' && exit 3", "a b"});
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->wait(), 3);
  EXPECT_EQ(child->poll(), ChildProcess::State::Ended);
}

TEST(process_test, poll_sees_running_then_ended) {
  auto child = systemProcessLauncher().start({"/bin/sh", "-c", "sleep 0.2"});
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->poll(), ChildProcess::State::Running);
  auto state = ChildProcess::State::Running;
  for (int i = 0; i < 500 && state == ChildProcess::State::Running; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    state = child->poll();
  }
  EXPECT_EQ(state, ChildProcess::State::Ended);
}

TEST(process_test, missing_program_does_not_start) {
  EXPECT_EQ(systemProcessLauncher().start({"/nonexistent/jconv5", "1"}), nullptr);
  EXPECT_EQ(systemProcessLauncher().start({}), nullptr);
}

}  // namespace tk
