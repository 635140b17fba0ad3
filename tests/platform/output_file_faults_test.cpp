// Writing when the disk is full or the folder can't be used: the target is
// never damaged and no temporary file stays behind.
#include "mock/Faults.h"
#include "mock/TempFolder.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/OperationError.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(output_file_faults_test, full_disk_fails_the_commit_and_keeps_the_old_file) {
  test::TempFolder dir;
  const std::string target = dir.file("refs.csv");
  test::WriteBytes(target, "old contents\r\n");
  test::FullDiskFor(test::TkPartOf(target));

  OutputFile out;
  ASSERT_TRUE(out.open(target));
  // More than one buffer, so the failure comes while writing, not only at
  // the final flush.
  for (int i = 0; i < 10000; ++i) out.writeLine("\"a value of some length\",\"another\"");
  EXPECT_FALSE(out.commit());
  EXPECT_EQ(test::ReadBytes(target), "old contents\r\n");
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(target)));
}

TEST(output_file_faults_test, small_file_fails_at_the_final_flush) {
  test::TempFolder dir;
  const std::string target = dir.file("new.txt");
  test::FullDiskFor(test::TkPartOf(target));
  EXPECT_FALSE(WriteTextLines(target, {"one line"}));
  EXPECT_FALSE(FileExists(target));
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(target)));
}

TEST(output_file_faults_test, folder_that_is_a_file_cannot_be_written_into) {
  test::TempFolder dir;
  const std::string folder = dir.file("out");
  test::BlockFolder(folder);
  OutputFile out;
  EXPECT_FALSE(out.open(folder + "/refs.csv"));
  EXPECT_FALSE(CreateFolders(folder + "/deeper"));
  EXPECT_EQ(test::ReadBytes(folder), "a file where a folder should be");
}

TEST(output_file_faults_test, settings_on_a_full_disk_say_so_and_stay_as_they_were) {
  test::TempFolder dir;
  const std::string path = dir.file("tomekit.INI");
  const std::string before = "[UserInfo]\r\nprogMode=2\r\n";
  test::WriteBytes(path, before);
  test::FullDiskFor(test::TkPartOf(path));
  IniFile ini(path);
  try {
    ini.writeString("UserInfo", "progMode", "3");
    FAIL() << "no error for a full disk";
  } catch (const OperationError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
  }
  EXPECT_EQ(test::ReadBytes(path), before);
  EXPECT_EQ(ini.readInteger("UserInfo", "progMode", 0), 2);
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(path)));
}

}  // namespace
}  // namespace tk
