#include "session/ModeSetup.h"

#include "mock/FakeUi.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// Each mode's file is named as its golden copy is.
TEST(mode_setup_test, default_of_every_mode_is_byte_exact_and_loads) {
  test::TempFolder dir;
  test::FakeUi ui;
  for (const Mode mode : kAllModes) {
    FieldSetup setup;
    const auto write = ModeNumber(mode) % 2 ? DefaultStrategyWrite::OnlyWhenMissing
                                            : DefaultStrategyWrite::WhenUnreadable;
    EXPECT_TRUE(LoadModeStrategy(setup, dir.path(), mode, ui, write).loaded());
    const std::string name = setup.strategyPath.substr(dir.path().size() + 1);
    EXPECT_EQ(test::ReadBytes(setup.strategyPath),
              test::ReadBytes(test::DataFile("strategy/default-" + name)));
  }
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace tk
