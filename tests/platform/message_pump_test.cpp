// Reading the clock on every call would slow the readers' inner loops; never
// pumping would freeze the window.
#include "platform/MessagePump.h"

#include "mock/FakeUi.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

struct ManualClock : Clock {
  std::int64_t steadyMilliseconds() const override { return ms; }
  std::int64_t wallSeconds() const override { return ms / 1000; }
  void sleepMilliseconds(int) const override {}
  std::int64_t ms = 0;
};

TEST(message_pump_test, reads_the_clock_every_4096_calls_and_pumps_when_due) {
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
