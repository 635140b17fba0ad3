// Every file the program writes goes through OutputFile: a full disk or an
// unusable folder must never damage the target or leave a temporary file.
// InputFile's buffered runs are pinned by the import readers, which mix them
// with get() across refills.
#include "platform/Files.h"
#include "platform/FileAppend.h"

#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {

using Lines = std::vector<std::string>;

// Past one buffer a full disk fails the write part-way, else at the final flush.
TEST(files_test, a_full_disk_leaves_the_target_as_it_was) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  test::TempFolder dir;
  const auto target = dir.file("out.csv");
  test::WriteBytes(target, "old");
  EXPECT_TRUE(OutputFile().open(target));  // abandoned: discarded
  for (int lines : {1, 10000}) {
    SCOPED_TRACE(lines);
    test::FullDiskFor(test::TkPartOf(target));
    EXPECT_FALSE(WriteTextLines(target, Lines(lines, "\"a value\",\"more\"")));
    EXPECT_FALSE(test::LeftBehind(test::TkPartOf(target)));
  }
  EXPECT_EQ(test::ReadBytes(target), "old");
  // Appending fails at the flush, and closing after it succeeds.
  test::FullDiskFor(dir.file("Log.txt"));
  EXPECT_FALSE(AppendTextLines(dir.file("Log.txt"), {"a line"}));
}

// A link where the program writes its own file is replaced, never written
// through, unless the caller asks for that; a link left where the temporary
// file goes is never written through either. A log that is a link is not
// added to.
TEST(files_test, links_at_a_target_or_its_temporary_file_lead_nowhere) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need a privilege on Windows";
#endif
  test::TempFolder dir, elsewhere;
  const std::string letter = elsewhere.file("letter.txt");
  test::WriteBytes(letter, "Dear");
  namespace fs = std::filesystem;
  fs::create_symlink(letter, dir.file("refs.csv"));
  fs::create_symlink(letter, dir.file("notes.csv.tk-part"));
  fs::create_symlink(letter, dir.file("Log.txt"));
  EXPECT_TRUE(IsLink(dir.file("refs.csv")));
  EXPECT_FALSE(IsLink(letter));
  EXPECT_TRUE(WriteTextLines(dir.file("refs.csv"), {"\"a\""}));
  EXPECT_TRUE(WriteTextLines(dir.file("notes.csv"), {"\"b\""}));
  EXPECT_FALSE(AppendTextLines(dir.file("Log.txt"), {"a line"}));
  EXPECT_EQ(test::ReadBytes(letter), "Dear");
  EXPECT_FALSE(IsLink(dir.file("refs.csv")));
  EXPECT_EQ(test::ReadBytes(dir.file("refs.csv")), "\"a\"\r\n");
  EXPECT_EQ(test::ReadBytes(dir.file("notes.csv")), "\"b\"\r\n");
  EXPECT_TRUE(WriteTextLines(dir.file("Log.txt"), {"through"}, LinkAtTarget::WriteThrough));
  EXPECT_TRUE(IsLink(dir.file("Log.txt")));
  EXPECT_EQ(test::ReadBytes(letter), "through\r\n");
}

TEST(files_test, unusable_sources_and_folders_are_refused) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  test::TempFolder dir;
  test::UnreadableFile(dir.file("mem"));
  test::BlockFolder(dir.file("out"));
  Lines lines;
  for (const auto& bad : {dir.file("none"), dir.file("mem"), dir.path()}) {
    EXPECT_FALSE(CopyFileBytes(bad, dir.file("copy"))) << bad;
    EXPECT_FALSE(ReadTextLines(bad, lines)) << bad;
  }
  for (const auto& bad : {dir.file("out/refs.csv"), dir.path()})
    EXPECT_FALSE(OutputFile().open(bad)) << bad;
  EXPECT_FALSE(CreateFolders(dir.file("out/deeper")));
}

// Written lines end in CR LF, as the strategy file's and the log's bytes show.
TEST(files_test, lines_are_read_at_any_line_end) {
  test::TempFolder dir;
  const std::pair<std::string, Lines> reads[] = {
      {"a\r\nb\nc\rd\r\r\n", {"a", "b", "c", "d", ""}}, {"", {}}, {"x", {"x"}}};
  for (const auto& [bytes, expected] : reads) {
    test::WriteBytes(dir.file("t"), bytes);
    Lines lines;
    ASSERT_TRUE(ReadTextLines(dir.file("t"), lines));
    EXPECT_EQ(lines, expected) << bytes;
  }
}

#ifndef _WIN32  // FIFOs and /dev/zero are POSIX
// Found without opening, so a FIFO nobody writes to can't hold the caller up.
// Reading FIFOs and pipes is pinned by the command line's end-to-end test.
TEST(files_test, kinds_are_told_without_opening) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("plain"), "x");
  ASSERT_TRUE(test::MakeFifo(dir.file("fifo")));
  for (const auto& [path, kind] : {std::pair{dir.file("plain"), FileKind::Regular},
                                   {dir.path(), FileKind::Folder},
                                   {dir.file("fifo"), FileKind::Stream},
                                   {std::string("/dev/zero"), FileKind::Device},
                                   {dir.file("none"), FileKind::Missing}}) {
    EXPECT_EQ(KindOfFile(path), kind) << path;
  }
}
#endif

}  // namespace tk
