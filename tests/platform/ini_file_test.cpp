// The settings file is read and written by hand as well as by the program:
// whatever the user wrote must read as it stands and survive a write.
#include "platform/IniFile.h"

#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tk {
namespace {

TEST(ini_file_test, values_read_as_they_stand_under_any_case) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("t.INI"),
                   "\n; [s]\r\n[tomekit]\r\nprogMode=2\r\n[s]\r\n  Path = C:\\a]\\ \r\n"
                   "empty=\nno equals\r\n;k=1\r\nlong=" +
                       std::string(3000, 'x') + "\r\n[s2]\r\nk=2\r\n");
  IniFile ini(dir.file("t.INI"));
  const std::pair<const char*, std::string> strings[] = {
      {"path", "C:\\a]\\"},
      {"empty", ""},
      {"k", "-"},  // commented out here, set in another section
      {"no equals", "-"},
      {"long", std::string(2047, 'x')}};
  for (const auto& [key, value] : strings) EXPECT_EQ(ini.readString("S", key, "-"), value) << key;
}

TEST(ini_file_test, integers_are_decimal_or_hex_and_else_the_default) {
  const std::pair<const char*, int> integers[] = {
      {"0x19A", 410}, {"0XfF", 255}, {"0xFFFFFFFF", -1}, {"-12", -12}, {"0xa", 10},
      {"0x", 7},      {"0x1G", 7},   {"0x100000000", 7}, {"two", 7},   {"", 7}};
  test::TempFolder dir;
  for (const auto& [text, value] : integers) {
    test::WriteBytes(dir.file("n.INI"), std::string("[n]\nk=") + text + "\n");
    EXPECT_EQ(IniFile(dir.file("n.INI")).readInteger("n", "k", 7), value) << text;
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
  std::filesystem::remove(dir.file("t.INI"));  // nothing of the vanished file comes back
  ASSERT_TRUE(ini.writeString("a", "k", "1"));
  EXPECT_EQ(test::ReadBytes(dir.file("t.INI")), "[a]\r\nk=1\r\n");
  test::WriteBytes(dir.file("t.INI"), "[a]\nk=1");  // a new section starts on a line of its own
  ASSERT_TRUE(ini.writeString("b", "k", "2"));
  EXPECT_EQ(test::ReadBytes(dir.file("t.INI")), "[a]\nk=1\r\n\r\n[b]\r\nk=2\r\n");
}

// Notepad starts the file with a byte-order mark: the first section is
// found, and the mark stays in front when a key is written.
TEST(ini_file_test, a_byte_order_mark_is_no_part_of_the_first_line) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("b.INI"), "\xEF\xBB\xBF[UserInfo]\r\nPalmOutPath=/palm\r\n");
  IniFile ini(dir.file("b.INI"));
  EXPECT_EQ(ini.readString("UserInfo", "PalmOutPath", "absent"), "/palm");
  ASSERT_TRUE(ini.writeString("UserInfo", "PalmOutPath", "/hand"));
  EXPECT_EQ(test::ReadBytes(dir.file("b.INI")), "\xEF\xBB\xBF[UserInfo]\r\nPalmOutPath=/hand\r\n");
}

#ifndef _WIN32
TEST(ini_file_test, a_link_stays_a_link_to_a_file_that_keeps_its_permissions) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("real.INI"), "[a]\nk=0\n");
  std::filesystem::permissions(dir.file("real.INI"), std::filesystem::perms(0640));
  std::filesystem::create_symlink("real.INI", dir.file("t.INI"));
  ASSERT_TRUE(IniFile(dir.file("t.INI")).writeString("a", "k", "1"));
  EXPECT_EQ(test::ReadBytes(dir.file("real.INI")), "[a]\nk=1\n");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("t.INI")));
  EXPECT_EQ(std::filesystem::status(dir.file("t.INI")).permissions(), std::filesystem::perms(0640));
}

// No permission bit stops root, so as root the write is made by "nobody" in a
// child process. 0 written, 1 refused, 2 no other user to write as.
int WriteAsOtherUser(const auto& write) {
  if (::geteuid() != 0) return write() ? 0 : 1;
  const pid_t child = ::fork();
  if (child == 0) ::_exit(::setgid(65534) != 0 || ::setuid(65534) != 0 ? 2 : write() ? 0 : 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}

// A full disk and a blocked folder come with the settings' tests.
TEST(ini_file_test, a_write_that_cannot_be_done_says_so_and_changes_nothing) {
  test::TempFolder dir;
  test::UnreadableFile(dir.file("mem.INI"));
  EXPECT_FALSE(IniFile(dir.file("mem.INI")).writeString("s", "k", "v"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("mem.INI")));
  const std::string path = dir.file("tomekit.INI");
  test::WriteBytes(path, "[UserInfo]\r\nprogMode=2\r\n");
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  std::filesystem::permissions(path, std::filesystem::perms(0444));
  const int written =
      WriteAsOtherUser([&] { return IniFile(path).writeString("UserInfo", "progMode", "3"); });
  EXPECT_EQ(test::ReadBytes(path), "[UserInfo]\r\nprogMode=2\r\n");
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(path)));
  if (written == 2) GTEST_SKIP() << "running as root, and no other user to write as";
  EXPECT_EQ(written, 1);
}
#endif

}  // namespace
}  // namespace tk
