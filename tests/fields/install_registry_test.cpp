// The install request as the HotSync Manager reads it: in the registry, not
// through our own store.
#include "fields/PalmFolders.h"
#include "fields/Settings.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/WideText.h"

#include "platform/WindowsApi.h"
#endif

namespace tk {
namespace {

#ifdef _WIN32
TEST(install_registry_test, request_is_a_dword_1_named_install_and_the_hotsync_id) {
  Settings settings = MakeSettings("C:\\Tomekit");
  settings.hotSyncUserId = "4711";
  InstallRequestStore registry;
  ASSERT_EQ(RequestHotSyncInstall(settings, registry), InstallStoreResult::Ok);
  DWORD type = 0;
  DWORD data = 0;
  DWORD size = sizeof data;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, WideFromUtf8(kHotSyncKeyPath).c_str(), L"Install4711",
                         RRF_RT_ANY, &type, &data, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(data, 1u);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, WideFromUtf8(kHotSyncKeyPath).c_str(), L"Install4711");
}
#else
TEST(install_registry_test, request_is_a_dword_1_named_install_and_the_hotsync_id) {
  GTEST_SKIP() << "only Windows has the registry";
}
#endif

}  // namespace
}  // namespace tk
