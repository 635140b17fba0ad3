#include "platform/Path.h"

#include <gtest/gtest.h>

namespace tk {

TEST(path_test, file_name_and_folder_split_at_last_separator) {
  EXPECT_EQ(ExtractFileName("/a/b/My Refs.txt"), "My Refs.txt");
  EXPECT_EQ(ExtractFilePath("/a/b/My Refs.txt"), "/a/b/");
  EXPECT_EQ(ExtractFileName("refs"), "refs");
  EXPECT_EQ(ExtractFilePath("refs"), "");
}

TEST(path_test, extension_is_last_dot_of_the_file_name_only) {
  EXPECT_EQ(ExtractFileExt("/x/lab.refs.2001.txt"), ".txt");
  EXPECT_EQ(ExtractFileExt("/x.y/refs"), "");
  EXPECT_EQ(ChangeFileExt("/x.y/refs", ".PDB"), "/x.y/refs.PDB");
  EXPECT_EQ(ChangeFileExt("/x/lab.refs.2001.txt", ".csv"), "/x/lab.refs.2001.csv");
  EXPECT_EQ(ChangeFileExt("/x/a.txt", ""), "/x/a");
}

}  // namespace tk
