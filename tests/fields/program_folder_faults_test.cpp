// The program folder when it can't be written: the start stops with a
// message naming the file, the end keeps every earlier file whole.
#include "fields/FieldTable.h"
#include "fields/Lifecycle.h"
#include "platform/Files.h"
#include "platform/OperationError.h"

#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

std::string ErrorOf(void (*step)(AppState&, Ui&), AppState& state, Ui& ui) {
  try {
    step(state, ui);
  } catch (const OperationError& e) {
    return e.what();
  }
  return "";
}

TEST(program_folder_faults_test,
     program_folder_that_is_a_file_stops_the_start_naming_the_settings) {
  test::TempFolder dir;
  test::BlockFolder(dir.file("program"));
  test::FakeUi ui;
  FldTable = {};
  AppState state = MakeAppState(dir.file("program"));
  EXPECT_EQ(ErrorOf(StartUp, state, ui), "Unable to write to " + dir.file("program/tomekit.INI"));
  EXPECT_EQ(test::ReadBytes(dir.file("program")), "a file where a folder should be");
}

TEST(program_folder_faults_test, full_disk_at_the_end_keeps_strategy_settings_and_log_whole) {
  test::TempFolder dir;
  test::FakeUi ui;
  FldTable = {};
  AppState state = MakeAppState(dir.path());
  StartUp(state, ui);
  ShutDown(state, ui);
  const std::string files[] = {dir.file("stratEN.jfp"), dir.file("tomekit.INI"),
                               dir.file("Log.txt")};
  std::string before[3];
  for (int i = 0; i < 3; ++i) {
    before[i] = test::ReadBytes(files[i]);
    ASSERT_FALSE(before[i].empty());
    test::FullDiskFor(test::TkPartOf(files[i]));
  }

  FldTable[1].maxWidth = 77;  // a change that can't be saved
  state.log("a line that can't be saved");
  EXPECT_EQ(ErrorOf(ShutDown, state, ui), "Unable to write to " + dir.file("Log.txt"));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(test::ReadBytes(files[i]), before[i]) << files[i];
  // The settings come after the log, so only the first two were tried.
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(files[0])));
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(files[2])));
}

}  // namespace
}  // namespace tk
