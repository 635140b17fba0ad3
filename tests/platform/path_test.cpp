// A dot in a folder's name or in the middle of a file's name is no extension.
#include "platform/Path.h"

#include <gtest/gtest.h>

namespace tk {

TEST(path_test, paths_split_at_the_last_separator_and_extensions_at_its_last_dot) {
  const std::string path = "/a/b.c/My Refs.2001.txt";
  EXPECT_EQ(ExtractFileName(path), "My Refs.2001.txt");
  EXPECT_EQ(ExtractFilePath(path), "/a/b.c/");
  EXPECT_EQ(ExtractFilePath("refs"), "");
  EXPECT_EQ(ExtractFileExt(path), ".txt");
  EXPECT_EQ(ChangeFileExt(path, ".csv"), "/a/b.c/My Refs.2001.csv");
  EXPECT_EQ(ChangeFileExt("/x.y/refs", ".PDB"), "/x.y/refs.PDB");
}

}  // namespace tk
