// The settings file and the install request store kept in one.
#include "platform/IniFile.h"
#include "platform/InstallRequestStore.h"

#include "mock/Faults.h"
#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {
namespace {

TEST(ini_file_test, reads_values_as_they_stand_with_names_in_any_case) {
  test::TempFolder dir;
  const std::string longValue(3000, 'x');
  test::WriteBytes(dir.file("t.INI"),
                   "; [s]\r\n[tomekit]\r\nprogMode=2\r\n[s]\r\n  Path = C:\\a\\ \r\n"
                   "empty=\nno equals\r\n;k=1\r\nlong=" +
                       longValue + "\r\n[s2]\r\nk=2\r\n");
  IniFile ini(dir.file("t.INI"));
  EXPECT_EQ(ini.readInteger("Tomekit", "ProgMode", 0), 2);
  EXPECT_EQ(ini.readString("S", "path", ""), "C:\\a\\");
  EXPECT_EQ(ini.readString("s", "empty", "absent"), "");
  EXPECT_EQ(ini.readString("s", "long", ""), longValue.substr(0, 2047));
  for (const char* key : {"k", "no equals"}) EXPECT_EQ(ini.readString("s", key, "-"), "-") << key;
  EXPECT_EQ(IniFile(dir.file("none.INI")).readString("s", "k", "absent"), "absent");
}

TEST(ini_file_test, integers_follow_the_hex_rule_and_fall_back) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("t.INI"),
                   "[n]\na=0x1F\nb=0XfF\nc=0xFFFFFFFF\nd=-12\ne=0x\nf=0x1G\n"
                   "g=0x100000000\nh=two\ni=\nj=0xa\n");
  const std::int32_t values[] = {31, 255, -1, -12, 7, 7, 7, 7, 7, 10};
  for (char key = 'a'; key <= 'j'; ++key) {
    EXPECT_EQ(IniFile(dir.file("t.INI")).readInteger("n", {key}, 7), values[key - 'a']) << key;
  }
}

TEST(ini_file_test, writing_leaves_untouched_lines_byte_for_byte) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("t.INI"),
                   "; notes\n[UserInfo]\nENPath=/old\nPalmInPath=/in\n\n[Other]\nx = 1 ");
  IniFile ini(dir.file("t.INI"));
  ASSERT_TRUE(ini.writeString("userinfo", "enpath", "/new\\"));
  ASSERT_TRUE(ini.writeString("UserInfo", "userHSCode", "1234"));
  ASSERT_TRUE(ini.writeString("Other", "y", "a\r\nProgMode=3"));
  ASSERT_TRUE(ini.writeInteger("Tomekit", "ProgMode", -3));
  EXPECT_EQ(test::ReadBytes(dir.file("t.INI")),
            "; notes\n[UserInfo]\nENPath=/new\\\nPalmInPath=/in\nuserHSCode=1234\r\n\n"
            "[Other]\nx = 1 \r\ny=aProgMode=3\r\n\r\n[Tomekit]\r\nProgMode=-3\r\n");
  std::filesystem::remove(dir.file("t.INI"));
  ASSERT_TRUE(ini.writeString("a", "k", "1"));
  ASSERT_TRUE(ini.writeString("b", "k", "2"));
  EXPECT_EQ(test::ReadBytes(dir.file("t.INI")), "[a]\r\nk=1\r\n\r\n[b]\r\nk=2\r\n");
}

// Unwritable and unreadable files, a full disk: the file stays as it was.
TEST(ini_file_test, a_write_that_cannot_be_done_says_so_and_changes_nothing) {
  test::TempFolder dir;
  test::BlockFolder(dir.file("plain"));
  EXPECT_FALSE(IniFile(dir.file("plain/t.INI")).writeString("s", "k", "v"));
  std::filesystem::create_directory(dir.file("folder.INI"));
  EXPECT_FALSE(IniFile(dir.file("folder.INI")).writeInteger("s", "k", 1));
  test::UnreadableFile(dir.file("mem.INI"));
  EXPECT_FALSE(IniFile(dir.file("mem.INI")).writeString("s", "k", "v"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("mem.INI")));
  const std::string path = dir.file("tomekit.INI");
  test::WriteBytes(path, "[UserInfo]\r\nprogMode=2\r\n");
  test::FullDiskFor(test::TkPartOf(path));
  EXPECT_FALSE(IniFile(path).writeString("UserInfo", "progMode", "3"));
  EXPECT_EQ(test::ReadBytes(path), "[UserInfo]\r\nprogMode=2\r\n");
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(path)));
}

TEST(ini_file_test, install_requests_land_under_key_path_and_name) {
  const std::string key = "Software\\U.S. Robotics\\Pilot Desktop\\HotSync Manager";
  test::TempFolder dir;
  InstallRequestStore store(dir.file("deep/er/store.ini"));
  EXPECT_EQ(store.setValue(key, "Install0", 1), InstallStoreResult::Ok);
  EXPECT_EQ(store.setValue(key, "Install12", 4294967295u), InstallStoreResult::Ok);
  EXPECT_EQ(store.value(key, "install0"), 1u);
  EXPECT_FALSE(store.value(key, "Install").has_value());
  EXPECT_EQ(test::ReadBytes(dir.file("deep/er/store.ini")),
            "[" + key + "]\r\nInstall0=1\r\nInstall12=4294967295\r\n");
  test::BlockFolder(dir.file("plain"));
  EXPECT_EQ(InstallRequestStore(dir.file("plain/sub/s.ini")).setValue(key, "Install0", 1),
            InstallStoreResult::KeyNotOpened);
  EXPECT_EQ(InstallRequestStore(dir.file("deep")).setValue(key, "Install0", 1),
            InstallStoreResult::ValueNotSet);
  InstallRequestStore nowhere{std::string()};
  EXPECT_EQ(nowhere.setValue(key, "Install0", 1), InstallStoreResult::KeyNotOpened);
  EXPECT_FALSE(nowhere.value(key, "Install0").has_value());
}

TEST(ini_file_test, install_store_location_follows_the_environment) {
  test::ScopedEnv home("HOME", "/home/u"), config("XDG_CONFIG_HOME", "/cfg");
  {
    test::ScopedEnv chosen("TOMEKIT_INSTALL_STORE", "/somewhere/else.ini");
    EXPECT_EQ(InstallRequestStore().location(), "/somewhere/else.ini");
  }
  test::ScopedEnv chosen("TOMEKIT_INSTALL_STORE", nullptr);
  EXPECT_EQ(InstallRequestStore::DefaultFileLocation(), "/cfg/tomekit/hotsync-install.ini");
  test::ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(InstallRequestStore::DefaultFileLocation(),
            "/home/u/.config/tomekit/hotsync-install.ini");
  test::ScopedEnv noHome("HOME", nullptr);
  EXPECT_EQ(InstallRequestStore::DefaultFileLocation(), "");
}

}  // namespace
}  // namespace tk
