// Paths are UTF-8 inside; on Windows they must reach the system intact, not
// through the ANSI code page.
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/Path.h"
#include "platform/ShortPath.h"

#include "mock/Expect.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {

TEST(unicode_paths_test, files_and_folders_with_blanks_and_accents_are_written_read_and_removed) {
  test::TempFolder dir;
  const std::string folder = JoinPath(dir.path(), "Prögramme Tomé");
  const std::string file = JoinPath(folder, "Café Müller.csv");
  const std::string copy = JoinPath(folder, "Références.csv");
  ASSERT_TRUE(CreateFolders(folder));
  ASSERT_TRUE(WriteTextLines(file, {"\"Übersicht\""}));
  ASSERT_TRUE(CopyFileBytes(file, copy));
  // A short name still names the same file.
  std::vector<std::string> lines, viaShortName;
  ASSERT_TRUE(ReadTextLines(file, lines));
  ASSERT_TRUE(ReadTextLines(ShortPathName(copy), viaShortName));
  EXPECT_EQ(lines, std::vector<std::string>{"\"Übersicht\""});
  EXPECT_EQ(viaShortName, lines);
  const std::string ini = JoinPath(folder, "tomekit.INI");
  ASSERT_TRUE(IniFile(ini).writeString("UserInfo", "ENPath", folder));
  EXPECT_EQ(IniFile(ini).readString("UserInfo", "ENPath", ""), folder);
  EXPECT_TRUE(RemoveFile(copy));
  EXPECT_TRUE(test::Missing(copy));
}

}  // namespace tk
