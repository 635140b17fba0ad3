#include "platform/InstallRequestStore.h"

#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {

using test::ScopedEnv;

namespace {
const std::string kKey = "Software\\U.S. Robotics\\Pilot Desktop\\HotSync Manager";
}

TEST(install_request_store_test, value_lands_under_key_path_and_name) {
  test::TempFolder dir;
  InstallRequestStore store(dir.file("deep/er/store.ini"));
  EXPECT_EQ(store.setValue(kKey, "Install0", 1), InstallStoreResult::Ok);
  EXPECT_EQ(store.setValue(kKey, "Install1234", 1), InstallStoreResult::Ok);
  EXPECT_EQ(store.value(kKey, "install0"), 1u);
  EXPECT_FALSE(store.value(kKey, "Install").has_value());
  EXPECT_EQ(test::ReadBytes(dir.file("deep/er/store.ini")),
            "[" + kKey + "]\r\nInstall0=1\r\nInstall1234=1\r\n");
}

TEST(install_request_store_test, failures_tell_key_from_value) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("plain"), "x");
  EXPECT_EQ(InstallRequestStore(dir.file("plain/sub/store.ini")).setValue(kKey, "Install0", 1),
            InstallStoreResult::KeyNotOpened);
  std::filesystem::create_directories(dir.file("store.ini"));
  EXPECT_EQ(InstallRequestStore(dir.file("store.ini")).setValue(kKey, "Install0", 1),
            InstallStoreResult::ValueNotSet);
}

TEST(install_request_store_test, default_location_follows_the_environment) {
  ScopedEnv home("HOME", "/home/u");
  {
    ScopedEnv chosen("TOMEKIT_INSTALL_STORE", "/somewhere/else.ini");
    EXPECT_EQ(InstallRequestStore().location(), "/somewhere/else.ini");
  }
  ScopedEnv chosen("TOMEKIT_INSTALL_STORE", nullptr);
  {
    ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(InstallRequestStore::DefaultFileLocation(), "/cfg/tomekit/hotsync-install.ini");
  }
  ScopedEnv config("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(InstallRequestStore::DefaultFileLocation(),
            "/home/u/.config/tomekit/hotsync-install.ini");
}

}  // namespace tk
