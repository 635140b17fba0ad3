#include "platform/Files.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {

TEST(files_test, output_file_replaces_target_only_on_commit) {
  test::TempFolder dir;
  const auto target = dir.file("out.csv");
  test::WriteBytes(target, "old");
  {
    OutputFile out;
    ASSERT_TRUE(out.open(target));
    out.writeLine("new");
    EXPECT_EQ(test::ReadBytes(target), "old");
  }  // abandoned: discarded
  EXPECT_EQ(test::ReadBytes(target), "old");
  OutputFile out;
  ASSERT_TRUE(out.open(target));
  out.writeLine("new");
  ASSERT_TRUE(out.commit());
  EXPECT_EQ(test::ReadBytes(target), "new\r\n");
}

TEST(files_test, text_lines_accept_every_line_end) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("t"), "a\r\nb\nc\rd");
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadTextLines(dir.file("t"), lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d"}));
}

}  // namespace tk
