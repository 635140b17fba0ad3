#include "mock/TempFolder.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace tk {

TEST(input_file_buffered_test, buffered_runs_and_get_share_one_position) {
  test::TempFolder folder;
  std::string bytes(200000, 'a');
  bytes[70000] = 'b';
  test::WriteBytes(folder.file("in.bin"), bytes);
  InputFile in;
  ASSERT_TRUE(in.open(folder.file("in.bin")));
  EXPECT_EQ(in.get(), 'a');
  std::string seen = "a";
  for (auto run = in.buffered(); !run.empty(); run = in.buffered()) {
    std::size_t take = std::min<std::size_t>(run.size(), 1000);
    seen.append(run.substr(0, take));
    in.consume(take);
    if (int c = in.get(); c >= 0) seen += static_cast<char>(c);
  }
  EXPECT_EQ(seen, bytes);
  EXPECT_FALSE(in.failed());
}

}  // namespace tk
