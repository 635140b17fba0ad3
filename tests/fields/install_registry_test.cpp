// The install request as the HotSync Manager reads it: in the registry, not
// through our own store.
#include "fields/PalmFolders.h"
#include "fields/Settings.h"
#include "platform/WideText.h"
#include "platform/WindowsApi.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(install_registry_test, request_is_a_dword_1_named_install_and_the_hotsync_id) {
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

}  // namespace
}  // namespace tk
