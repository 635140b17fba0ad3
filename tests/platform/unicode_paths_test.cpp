// Paths are UTF-8 inside; on Windows they must reach the system intact, not
// through the ANSI code page.
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/Path.h"
#include "platform/ShortPath.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(unicode_paths_test, files_and_folders_with_blanks_and_accents_are_written_read_and_removed) {
  test::TempFolder dir;
  const std::string folder = JoinPath(dir.path(), "Prögramme Tomé");
  ASSERT_TRUE(CreateFolders(folder));
  const std::string file = JoinPath(folder, "Café Müller.csv");
  ASSERT_TRUE(WriteTextLines(file, {"\"Übersicht\""}));
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadTextLines(file, lines));
  EXPECT_EQ(lines, std::vector<std::string>{"\"Übersicht\""});
  const std::string copy = JoinPath(folder, "Références.csv");
  ASSERT_TRUE(CopyFileBytes(file, copy));
  EXPECT_TRUE(FileExists(copy));
  // A short name still names the same file.
  ASSERT_TRUE(ReadTextLines(ShortPathName(copy), lines));
  EXPECT_EQ(lines, std::vector<std::string>{"\"Übersicht\""});
  const std::string ini = JoinPath(folder, "tomekit.INI");
  ASSERT_TRUE(IniFile(ini).writeString("UserInfo", "ENPath", folder));
  EXPECT_EQ(IniFile(ini).readString("UserInfo", "ENPath", ""), folder);
  EXPECT_TRUE(RemoveFile(copy));
  EXPECT_FALSE(FileExists(copy));
}

}  // namespace
}  // namespace tk
