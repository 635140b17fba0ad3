// Where each open dialog opens: the folder last chosen from, kept per mode
// and per dialog, and never one that has gone since.
#include "session/LastFolders.h"

#include "mock/TempFolder.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {

TEST(last_folders_test, each_mode_and_dialog_keeps_its_own_folder_until_it_is_removed) {
  const test::TempFolder dir;
  const Settings settings = MakeSettings(dir.path());
  const std::string refs = dir.file("refs"), pdbs = dir.file("pdbs");
  ASSERT_TRUE(CreateFolders(refs));
  ASSERT_TRUE(CreateFolders(pdbs));
  ASSERT_TRUE(WriteLastFolder(settings, Mode::RefMan, Direction::Import, refs + "/a.ris"));
  ASSERT_TRUE(WriteLastFolder(settings, Mode::RefMan, Direction::Export, pdbs + "/RM-a.PDB"));
  EXPECT_EQ(LastFolderOr(settings, Mode::RefMan, Direction::Import, "/mode"), refs);
  EXPECT_EQ(LastFolderOr(settings, Mode::RefMan, Direction::Export, "/backup"), pdbs);
  EXPECT_EQ(LastFolderOr(settings, Mode::EndNote, Direction::Import, "/mode"), "/mode");
  std::filesystem::remove(refs);
  EXPECT_EQ(LastFolderOr(settings, Mode::RefMan, Direction::Import, "/mode"), "/mode");
  // The folder keys the user set are not touched.
  EXPECT_EQ(ReadModeFolder(settings, Mode::RefMan), DefaultFolder(settings));
}

}  // namespace tk
