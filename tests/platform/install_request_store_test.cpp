// Outside Windows the HotSync install requests go to a file laid out like the
// registry key they stand for.
#include "platform/InstallRequestStore.h"

#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {

const std::string kKey = "Software\\U.S. Robotics\\Pilot Desktop\\HotSync Manager";

TEST(install_request_store_test, requests_land_under_key_path_and_name) {
  test::TempFolder dir;
  InstallRequestStore store(dir.file("deep/er/store.ini"));
  EXPECT_EQ(store.setValue(kKey, "Install0", 1), InstallStoreResult::Ok);
  EXPECT_EQ(store.setValue(kKey, "Install12", 4294967295u), InstallStoreResult::Ok);
  EXPECT_EQ(store.value(kKey, "install0"), 1u);
  EXPECT_FALSE(store.value(kKey, "Install").has_value());
  EXPECT_EQ(test::ReadBytes(dir.file("deep/er/store.ini")),
            "[" + kKey + "]\r\nInstall0=1\r\nInstall12=4294967295\r\n");
  EXPECT_EQ(InstallRequestStore(dir.file("deep")).setValue(kKey, "Install0", 1),
            InstallStoreResult::ValueNotSet);
}

// Without a home there is no location, and no location opens no key. (On
// Windows an empty location is the registry itself.)
#ifndef _WIN32
TEST(install_request_store_test, location_follows_the_environment_and_none_opens_no_key) {
  test::ScopedEnv home("HOME", "/home/u"), config("XDG_CONFIG_HOME", "/cfg"),
      notChosen("TOMEKIT_INSTALL_STORE", nullptr);
  EXPECT_EQ(InstallRequestStore::DefaultFileLocation(), "/cfg/tomekit/hotsync-install.ini");
  test::ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(InstallRequestStore::DefaultFileLocation(),
            "/home/u/.config/tomekit/hotsync-install.ini");
  test::ScopedEnv noHome("HOME", nullptr);
  EXPECT_EQ(InstallRequestStore::DefaultFileLocation(), "");
  EXPECT_EQ(InstallRequestStore("").setValue(kKey, "Install0", 1),
            InstallStoreResult::KeyNotOpened);
}
#endif

}  // namespace tk
