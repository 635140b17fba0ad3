#include "fields/PalmFolders.h"
#include "platform/Files.h"

#include "mock/FakeUi.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {

TEST(palm_folders_test, work_folders_are_created_and_kept) {
  test::TempFolder dir;
  AppState state = MakeAppState(dir.file("prog/ram"));
  ASSERT_TRUE(MakeWorkFolders(state));
  EXPECT_TRUE(FolderExists(dir.file("prog/ram/TKWork")));
  EXPECT_TRUE(FolderExists(dir.file("prog/ram/Import and Export")));
  test::WriteBytes(dir.file("prog/ram/TKWork/keep.csv"), "x");
  MakeWorkFolders(state);
  EXPECT_EQ(test::ReadBytes(dir.file("prog/ram/TKWork/keep.csv")), "x");
}

TEST(palm_folders_test, folders_that_cannot_be_made_are_not_reported) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("plain"), "x");
  AppState state = MakeAppState(dir.file("plain"));
  EXPECT_TRUE(MakeWorkFolders(state));
  EXPECT_FALSE(FolderExists(WorkFolder(state)));
}

TEST(palm_folders_test, install_request_is_named_after_the_hotsync_id) {
  test::TempFolder dir;
  InstallRequestStore store(dir.file("store.ini"));
  test::FakeUi ui;
  AppState state;
  state.hotSyncUserId = "0";
  EXPECT_EQ(RequestHotSyncInstall(state, ui, store), 0);
  state.hotSyncUserId = "";
  RequestHotSyncInstall(state, ui, store);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(store.value(kHotSyncKeyPath, "Install0"), 1u);
  EXPECT_EQ(store.value(kHotSyncKeyPath, "Install"), 1u);
}

TEST(palm_folders_test, install_request_failures_show_plain_messages) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("plain"), "x");
  std::filesystem::create_directories(dir.file("folder.ini"));
  AppState state;
  state.hotSyncUserId = "1234";
  test::FakeUi ui;
  InstallRequestStore noKey(dir.file("plain/store.ini"));
  RequestHotSyncInstall(state, ui, noKey);
  InstallRequestStore noValue(dir.file("folder.ini"));
  RequestHotSyncInstall(state, ui, noValue);
  EXPECT_EQ(ui.messages, (std::vector<test::ShownMessage>{
                             {MessageKind::Plain, "Couldn't open key "},
                             {MessageKind::Plain, "Failed to set data for 'Install1234'"}}));
}

}  // namespace tk
