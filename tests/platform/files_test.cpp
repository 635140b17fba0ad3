// Every file the program writes goes through OutputFile: a full disk or an
// unusable folder must never damage the target or leave a temporary file.
#include "platform/Files.h"

#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using Lines = std::vector<std::string>;

TEST(files_test, output_file_replaces_target_only_on_commit) {
  test::TempFolder dir;
  const auto target = dir.file("out.csv");
  test::WriteBytes(target, "old");
  {
    OutputFile out;
    ASSERT_TRUE(out.open(target));
    out.writeLine("new");
  }  // abandoned: discarded
  EXPECT_EQ(test::ReadBytes(target), "old");
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(target)));
  ASSERT_TRUE(WriteTextLines(target, {"new", ""}));
  ASSERT_TRUE(CopyFile(target, dir.file("copy")));
  EXPECT_EQ(test::ReadBytes(dir.file("copy")), "new\r\n\r\n");
  EXPECT_FALSE(CopyFile(dir.file("none"), dir.file("copy")));
  test::UnreadableFile(dir.file("mem"));
  EXPECT_FALSE(CopyFile(dir.file("mem"), dir.file("copy")));
}

// Past one buffer the failure comes while writing, else at the final flush.
TEST(files_test, full_disk_fails_the_commit_and_keeps_the_old_file) {
  for (int lines : {1, 10000}) {
    test::TempFolder dir;
    const std::string target = dir.file("refs.csv");
    test::WriteBytes(target, "old contents\r\n");
    test::FullDiskFor(test::TkPartOf(target));
    EXPECT_FALSE(WriteTextLines(target, Lines(lines, "\"a value\",\"more\"")));
    EXPECT_EQ(test::ReadBytes(target), "old contents\r\n");
    EXPECT_FALSE(test::LeftBehind(test::TkPartOf(target)));
  }
}

TEST(files_test, folder_that_is_a_file_cannot_be_written_into) {
  test::TempFolder dir;
  test::BlockFolder(dir.file("out"));
  OutputFile out;
  EXPECT_FALSE(out.open(dir.file("out/refs.csv")));
  EXPECT_FALSE(out.open(dir.path()));
  EXPECT_FALSE(CreateFolders(dir.file("out/deeper")));
  EXPECT_TRUE(CreateFolders(dir.file("a/b")) && FolderExists(dir.file("a/b")));
  EXPECT_FALSE(FileExists(dir.file("a")));
  EXPECT_EQ(test::ReadBytes(dir.file("out")), "a file where a folder should be");
}

TEST(files_test, text_lines_accept_every_line_end_and_fail_when_unreadable) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("t"), "a\r\nb\nc\rd\r\r\n");
  Lines lines;
  ASSERT_TRUE(ReadTextLines(dir.file("t"), lines));
  EXPECT_EQ(lines, (Lines{"a", "b", "c", "d", ""}));
  for (const auto& [bytes, expected] : {std::pair{"", Lines{}}, {"x", Lines{"x"}}}) {
    test::WriteBytes(dir.file("t"), bytes);
    ASSERT_TRUE(ReadTextLines(dir.file("t"), lines));
    EXPECT_EQ(lines, expected) << bytes;
  }
  test::UnreadableFile(dir.file("mem"));
  EXPECT_FALSE(ReadTextLines(dir.file("mem"), lines));
  EXPECT_FALSE(ReadTextLines(dir.path(), lines));
}

TEST(files_test, buffered_runs_and_get_share_one_position) {
  test::TempFolder dir;
  std::string bytes(200000, 'a');
  bytes[70000] = 'b';
  test::WriteBytes(dir.file("in.bin"), bytes);
  InputFile in;
  ASSERT_TRUE(in.open(dir.file("in.bin")));
  std::string seen;
  for (int c = in.get(); c >= 0; c = in.get()) {
    seen += static_cast<char>(c);
    const auto run = in.buffered().substr(0, 1000);
    seen += run;
    in.consume(run.size());
  }
  EXPECT_EQ(seen, bytes);
  EXPECT_FALSE(in.failed());
}

}  // namespace
}  // namespace tk
