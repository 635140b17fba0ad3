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

// A new EndNote default ticks the URL field, where its imports' DOIs go; a
// file written by the earlier default keeps the choice it holds.
TEST(mode_setup_test, endnote_default_ticks_the_url_field_and_a_saved_file_keeps_its_own) {
  test::TempFolder dir;
  test::FakeUi ui;
  const auto load = [&](FieldSetup& setup) {
    return LoadModeStrategy(setup, dir.path(), Mode::EndNote, ui,
                            DefaultStrategyWrite::WhenUnreadable)
        .loaded();
  };
  FieldSetup fresh;
  ASSERT_TRUE(load(fresh));
  EXPECT_EQ(fresh.table[27].selected, 1);
  EXPECT_EQ(fresh.table[16].selected, 0);
  std::string earlier = test::ReadBytes(fresh.strategyPath);
  const std::string ticks = "0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,";
  earlier.replace(earlier.find(ticks), ticks.size(), "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,");
  test::WriteBytes(fresh.strategyPath, earlier);
  FieldSetup saved;
  ASSERT_TRUE(load(saved));
  EXPECT_EQ(saved.table[27].selected, 0);
}

}  // namespace
}  // namespace tk
