// The child is the stand-in converter, so on Windows the argument vector
// really goes through one quoted command line and back.
#include "platform/Process.h"

#include "converter/ConverterRunner.h"
#include "mock/FakeConverter.h"

#include <gtest/gtest.h>

#include <csignal>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

namespace tk {

TEST(process_test, child_gets_its_arguments_whole_and_reports_its_end) {
  test::ProgramFolder program(test::kRecordingConverter);
  const std::vector<std::string> args = {
      ConverterPath(program.path()), "a b", "say \"hi\"", "ends in \\", "", "Grüße \\\"x\\\""};
  auto child = SystemProcessLauncher().start(args).child;
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->wait(), 1);  // nothing to copy from a file named "say "hi""
  std::string recorded;
  for (const auto& arg : args) recorded += arg + "\n";
  EXPECT_EQ(test::ReadBytes(program.file("args.txt")), recorded);

  // A program that can't be started says why.
  const StartedChild missing = SystemProcessLauncher().start({program.file("none")});
  EXPECT_EQ(missing.child, nullptr);
  EXPECT_NE(missing.failure, "");
#ifndef _WIN32
  EXPECT_EQ(missing.failure, "No such file or directory");
  const StartedChild noOutput = SystemProcessLauncher().start({args[0]}, program.file("no/out"));
  EXPECT_EQ(noOutput.failure, "No such file or directory: " + program.file("no/out"));
#endif
  EXPECT_EQ(SystemProcessLauncher().start({}).child, nullptr);
  // Once seen to have ended, a child stays ended.
  test::InstallStandIn(program.path(), test::kExitingConverter);
  auto exiting = SystemProcessLauncher().start({args[0]}).child;
  auto state = exiting->poll();
  while (state == ChildProcess::State::Running) state = exiting->poll();
  EXPECT_EQ(state, ChildProcess::State::Ended);
  EXPECT_EQ(exiting->poll(), ChildProcess::State::Ended);
  EXPECT_EQ(exiting->wait(), 3);
#ifndef _WIN32
  // A child whose end is discarded can't be waited for; that must not hang.
  const auto old = std::signal(SIGCHLD, SIG_IGN);
  EXPECT_EQ(SystemProcessLauncher().start({args[0]}).child->wait(), -1);
  std::signal(SIGCHLD, old);
#endif
}

#ifndef _WIN32
// What this program holds open, a lock on the work folder among them, is not
// held by what it starts: once this program lets go of a file, it is free,
// even while the child runs on (a killed run must not block the next).
TEST(process_test, a_running_child_holds_none_of_this_programs_files) {
  int ends[2];
  ASSERT_EQ(::pipe2(ends, O_CLOEXEC), 0);
  auto child = SystemProcessLauncher().start({"/bin/sleep", "30"}).child;
  ASSERT_NE(child, nullptr);
  ::close(ends[1]);
  pollfd waited{ends[0], POLLIN, 0};
  EXPECT_EQ(::poll(&waited, 1, 10000), 1) << "the write end is still open somewhere";
  char byte = 0;
  EXPECT_EQ(::read(ends[0], &byte, 1), 0);
  ::close(ends[0]);
  child->kill();
  child->wait();
}
#endif

}  // namespace tk
