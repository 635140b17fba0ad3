// Text rules, paths, child processes and the message pump.
#include "platform/Text.h"
#include "platform/MessagePump.h"
#include "platform/Path.h"
#include "platform/Process.h"

#include "mock/FakeUi.h"

#include <gtest/gtest.h>

#include <csignal>

namespace tk {
namespace {

TEST(text_test, whole_numbers_fit_32_bits_with_an_optional_sign) {
  for (const char* text : {"0", "+42", "-7", "007", "2147483647", "-2147483648"}) {
    EXPECT_EQ(ParseWholeNumber(text), std::stoll(text)) << text;
  }
  for (const char* text : {"2147483648", "-2147483649", "99999999999999999999", "", "-", "+-1",
                           " 1", "1 ", "1a", "0x10", "/", ":"}) {
    EXPECT_EQ(ParseWholeNumber(text), std::nullopt) << text;
  }
  EXPECT_TRUE(EqualsIgnoreCase("AZ ProgMode", "az PROGmode"));
  EXPECT_FALSE(EqualsIgnoreCase("ProgMode", "ProgMod"));
  EXPECT_FALSE(EqualsIgnoreCase("@[", "`{"));  // 32 apart, but not letters
}

TEST(text_test, paths_split_at_the_last_separator_and_extensions_at_its_last_dot) {
  EXPECT_EQ(ExtractFileName("/a/b/My Refs.txt"), "My Refs.txt");
  EXPECT_EQ(ExtractFilePath("/a/b/My Refs.txt"), "/a/b/");
  EXPECT_EQ(ExtractFilePath("refs"), "");
  EXPECT_EQ(ChangeFileExt("/x.y/refs", ".PDB"), "/x.y/refs.PDB");
  EXPECT_EQ(ChangeFileExt("/x/lab.refs.2001.txt", ".csv"), "/x/lab.refs.2001.csv");
  EXPECT_EQ(ExtractFileExt("/x/a.txt"), ".txt");
}

TEST(text_test, child_runs_with_an_argument_vector_and_reports_its_end) {
  // The blank-laden item stays one argument: no shell splits it.
  auto child =
      systemProcessLauncher().start({"/bin/sh", "-c", "test \"$0\" = 'a b' && exit 3", "a b"});
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->wait(), 3);
  EXPECT_EQ(child->poll(), ChildProcess::State::Ended);
  EXPECT_EQ(systemProcessLauncher().start({"/nonexistent/jconv5", "1"}), nullptr);
  EXPECT_EQ(systemProcessLauncher().start({}), nullptr);
  // Once seen to have ended, a child stays ended.
  auto quick = systemProcessLauncher().start({"/bin/sh", "-c", "exit 0"});
  auto state = quick->poll();
  while (state == ChildProcess::State::Running) state = quick->poll();
  EXPECT_EQ(state, ChildProcess::State::Ended);
  EXPECT_EQ(quick->poll(), ChildProcess::State::Ended);
  // A child whose end is discarded can't be waited for; that must not hang.
  const auto old = std::signal(SIGCHLD, SIG_IGN);
  EXPECT_EQ(systemProcessLauncher().start({"/bin/sh", "-c", "exit 0"})->wait(), -1);
  std::signal(SIGCHLD, old);
}

struct ManualClock : Clock {
  std::int64_t steadyMilliseconds() const override { return ms; }
  std::int64_t wallSeconds() const override { return ms / 1000; }
  void sleepMilliseconds(int) const override {}
  std::int64_t ms = 0;
};

TEST(text_test, message_pump_reads_the_clock_every_4096_calls_and_pumps_when_due) {
  test::FakeUi ui;
  ManualClock clock;
  MessagePump pump(ui, clock, 40);
  for (int i = 0; i < 4096 * 20; ++i) pump.pump();
  clock.ms = 40;
  for (int i = 0; i < 4095; ++i) pump.pump();
  EXPECT_EQ(ui.pumps, 0);
  pump.pump();
  EXPECT_EQ(ui.pumps, 1);
  for (int i = 0; i < 100000; ++i) pump.pump();
  pump.pumpNow();
  EXPECT_EQ(ui.pumps, 2);
}

}  // namespace
}  // namespace tk
