#include "platform/MessagePump.h"

#include "mock/FakeUi.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

class ManualClock : public Clock {
public:
  std::int64_t steadyMilliseconds() const override { return ms; }
  std::int64_t wallSeconds() const override { return ms / 1000; }
  void sleepMilliseconds(int d) const override { ms += d; }
  mutable std::int64_t ms = 0;
};

}  // namespace

TEST(message_pump_test, handles_messages_only_when_the_interval_has_passed) {
  test::FakeUi ui;
  ManualClock clock;
  MessagePump pump(ui, clock, 40);
  for (int i = 0; i < 100000; ++i) pump.pump();
  EXPECT_EQ(ui.pumps, 0);  // the clock never moved
  clock.ms = 41;
  for (int i = 0; i < 4096; ++i) pump.pump();
  EXPECT_EQ(ui.pumps, 1);
  for (int i = 0; i < 100000; ++i) pump.pump();
  EXPECT_EQ(ui.pumps, 1);
}

}  // namespace tk
