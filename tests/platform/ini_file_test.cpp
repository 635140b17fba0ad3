#include "platform/IniFile.h"
#include "platform/OperationError.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {

TEST(ini_file_test, sections_and_keys_match_without_regard_to_case) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("t.INI"), "[tomekit]\r\nprogMode=2\r\n");
  IniFile ini(dir.file("t.INI"));
  EXPECT_EQ(ini.readInteger("Tomekit", "ProgMode", 0), 2);
  ini.writeInteger("TOMEKIT", "ProgMode", 3);
  // The key keeps its spelling; it is the same key.
  EXPECT_EQ(test::ReadBytes(dir.file("t.INI")), "[tomekit]\r\nprogMode=3\r\n");
}

TEST(ini_file_test, empty_value_is_not_absent) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("t.INI"), "[UserInfo]\nuserHSCode=\n");
  IniFile ini(dir.file("t.INI"));
  EXPECT_EQ(ini.readString("UserInfo", "userHSCode", "0"), "");
  EXPECT_EQ(ini.readString("UserInfo", "PalmInPath", "D"), "D");
  EXPECT_EQ(ini.readString("Other", "userHSCode", "D"), "D");
  EXPECT_EQ(IniFile(dir.file("missing.INI")).readString("UserInfo", "userHSCode", "0"), "0");
}

TEST(ini_file_test, values_read_as_they_stand_up_to_2047_characters) {
  test::TempFolder dir;
  const std::string longValue(3000, 'x');
  test::WriteBytes(dir.file("t.INI"),
                   "[s]\r\n  Path = C:\\a \"b\"\\ \r\nlong=" + longValue + "\r\n");
  IniFile ini(dir.file("t.INI"));
  EXPECT_EQ(ini.readString("s", "path", ""), "C:\\a \"b\"\\");
  EXPECT_EQ(ini.readString("s", "long", ""), longValue.substr(0, 2047));
}

TEST(ini_file_test, integers_follow_the_hex_rule_and_fall_back) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("t.INI"),
                   "[n]\r\nhex=0x1F\r\nHEX=0X10\r\nbare=0x\r\nneg=-12\r\nword=two\r\n"
                   "empty=\r\nbadhex=0x1G\r\nhuge=99999999999\r\n");
  IniFile ini(dir.file("t.INI"));
  EXPECT_EQ(ini.readInteger("n", "hex", 7), 31);
  EXPECT_EQ(ini.readInteger("n", "neg", 7), -12);
  EXPECT_EQ(ini.readInteger("n", "bare", 7), 7);
  EXPECT_EQ(ini.readInteger("n", "word", 7), 7);
  EXPECT_EQ(ini.readInteger("n", "empty", 7), 7);
  EXPECT_EQ(ini.readInteger("n", "badhex", 7), 7);
  EXPECT_EQ(ini.readInteger("n", "huge", 7), 7);
  EXPECT_EQ(ini.readInteger("n", "absent", 7), 7);
}

TEST(ini_file_test, writing_leaves_untouched_lines_byte_for_byte) {
  test::TempFolder dir;
  const std::string before =
      "; my notes\n[UserInfo]\nENPath=/old\nPalmInPath=/in\n\n[Other]\nx = 1 \n";
  test::WriteBytes(dir.file("t.INI"), before);
  IniFile ini(dir.file("t.INI"));
  ini.writeString("userinfo", "enpath", "/new\\");
  ini.writeString("UserInfo", "userHSCode", "1234");
  ini.writeString("Tomekit", "ProgMode", "0");
  EXPECT_EQ(test::ReadBytes(dir.file("t.INI")),
            "; my notes\n[UserInfo]\nENPath=/new\\\nPalmInPath=/in\nuserHSCode=1234\r\n\n"
            "[Other]\nx = 1 \n\r\n[Tomekit]\r\nProgMode=0\r\n");
  EXPECT_EQ(ini.readString("UserInfo", "ENPath", ""), "/new\\");
  EXPECT_EQ(ini.readString("Tomekit", "progmode", ""), "0");
}

TEST(ini_file_test, first_write_creates_the_file_in_crlf_lines) {
  test::TempFolder dir;
  IniFile ini(dir.file("new.INI"));
  ini.writeString("UserInfo", "PalmOutPath", "a");
  ini.writeString("UserInfo", "PalmInPath", "b");
  ini.writeInteger("Tomekit", "ProgMode", 0);
  EXPECT_EQ(test::ReadBytes(dir.file("new.INI")),
            "[UserInfo]\r\nPalmOutPath=a\r\nPalmInPath=b\r\n\r\n[Tomekit]\r\nProgMode=0\r\n");
}

TEST(ini_file_test, a_line_break_in_a_value_cannot_add_keys) {
  test::TempFolder dir;
  IniFile ini(dir.file("t.INI"));
  ini.writeString("s", "k", "a\r\nProgMode=3");
  EXPECT_EQ(ini.readString("s", "k", ""), "aProgMode=3");
  EXPECT_EQ(ini.readString("s", "ProgMode", "none"), "none");
}

TEST(ini_file_test, unwritable_file_raises_unable_to_write) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("plain"), "not a folder");
  const std::string underFile = dir.file("plain") + "/t.INI";
  try {
    IniFile(underFile).writeString("s", "k", "v");
    FAIL() << "no error";
  } catch (const OperationError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + underFile);
  }
  std::filesystem::create_directory(dir.file("folder.INI"));
  EXPECT_THROW(IniFile(dir.file("folder.INI")).writeInteger("s", "k", 1), OperationError);
  EXPECT_EQ(IniFile(dir.file("folder.INI")).readInteger("s", "k", 5), 5);
}

}  // namespace tk
