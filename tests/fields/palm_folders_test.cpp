// HotSync installs a database only when asked under the user's own id.
#include "fields/PalmFolders.h"

#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(palm_folders_test, the_install_request_is_named_after_the_users_id) {
  test::TempFolder dir;
  Settings settings = MakeSettings(dir.path());
  settings.hotSyncUserId = "1234";
  InstallRequestStore store(dir.file("store.ini"));
  EXPECT_EQ(RequestHotSyncInstall(settings, store), InstallStoreResult::Ok);
  EXPECT_EQ(store.value(kHotSyncKeyPath, "Install1234"), 1u);
  EXPECT_EQ(InstallRequestMessage(settings, InstallStoreResult::Ok), "");
  EXPECT_EQ(InstallRequestMessage(settings, InstallStoreResult::KeyNotOpened),
            "Couldn't open key ");
  EXPECT_EQ(InstallRequestMessage(settings, InstallStoreResult::ValueNotSet),
            "Failed to set data for 'Install1234'");
}

TEST(palm_folders_test, work_folders_that_cannot_be_made_are_reported_missing) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  test::TempFolder dir;
  test::BlockFolder(dir.file("TKWork"));
  EXPECT_FALSE(MakeWorkFolders(dir.path()));
}

}  // namespace
}  // namespace tk
