// HotSync installs a database only when asked under the user's own id.
#include "fields/PalmFolders.h"

#include "mock/TempFolder.h"
#include "platform/WideText.h"
#include "platform/WindowsApi.h"

#include <gtest/gtest.h>

namespace tk {

TEST(palm_folders_test, a_request_that_cant_be_set_names_its_value) {
  Settings settings = MakeSettings("/tomekit");
  settings.hotSyncUserId = "1234";
  // The request itself, and a key that won't open, are the import's tests.
  EXPECT_EQ(InstallRequestMessage(settings, InstallStoreResult::ValueNotSet),
            "Failed to set data for 'Install1234'");
}

// The value is a mask of what to install: our bit joins another program's.
TEST(palm_folders_test, the_request_keeps_the_bits_another_program_set) {
  test::TempFolder dir;
  InstallRequestStore store(dir.file("store.ini"));
  Settings settings = MakeSettings(dir.path());
  settings.hotSyncUserId = "1234";
  ASSERT_EQ(RequestHotSyncInstall(settings, store), InstallStoreResult::Ok);
  EXPECT_EQ(store.value(kHotSyncKeyPath, "Install1234"), 1u) << "absent: made as 1";
  ASSERT_EQ(store.setValue(kHotSyncKeyPath, "Install1234", 2), InstallStoreResult::Ok);
  ASSERT_EQ(RequestHotSyncInstall(settings, store), InstallStoreResult::Ok);
  ASSERT_EQ(RequestHotSyncInstall(settings, store), InstallStoreResult::Ok);
  EXPECT_EQ(store.value(kHotSyncKeyPath, "Install1234"), 3u);
}

// As the HotSync Manager reads it: in the registry, not through our own store.
TEST(palm_folders_test, on_windows_the_request_is_a_registry_dword_1) {
#ifndef _WIN32
  GTEST_SKIP() << "only Windows has the registry";
#else
  Settings settings = MakeSettings("C:\\Tomekit");
  settings.hotSyncUserId = "4711";
  InstallRequestStore registry;
  ASSERT_EQ(RequestHotSyncInstall(settings, registry), InstallStoreResult::Ok);
  const std::wstring key = WideFromUtf8(kHotSyncKeyPath);
  DWORD type = 0, data = 0, size = sizeof data;
  ASSERT_EQ(
      RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"Install4711", RRF_RT_ANY, &type, &data, &size),
      ERROR_SUCCESS);
  EXPECT_EQ(std::pair(type, data), (std::pair<DWORD, DWORD>(REG_DWORD, 1)));
  RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Install4711");
#endif
}

}  // namespace tk
