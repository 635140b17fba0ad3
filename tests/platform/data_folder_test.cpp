// An installed copy can't write beside itself; a portable one must keep its
// files where they have always been.
#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/Path.h"

#include "mock/Expect.h"
#include "mock/Faults.h"
#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tk {

#ifdef _WIN32
constexpr char kUserVariable[] = "APPDATA";
constexpr char kUserFolder[] = "Tomekit";
#else
constexpr char kUserVariable[] = "XDG_DATA_HOME";
constexpr char kUserFolder[] = "tomekit";
#endif

// A writable program folder is kept, and the probe is gone after, so it shows
// nothing new (the user's folder, inside it here, isn't made). A file where
// the folder should be stops root as well as anyone else: then the user's
// folder is made at once.
TEST(data_folder_test, a_writable_program_folder_is_kept_else_the_users_folder_is_made) {
  test::TempFolder dir;
  const std::string program = dir.file("bin");
  ASSERT_TRUE(CreateFolders(program));
  test::ScopedEnv user(kUserVariable, JoinPath(program, "data"));
  EXPECT_EQ(ChooseDataFolder(program), program);
  EXPECT_TRUE(std::filesystem::is_empty(std::filesystem::u8path(program)));
  test::BlockFolder(program);
  test::ScopedEnv elsewhere(kUserVariable, dir.file("data"));
  const std::string chosen = ChooseDataFolder(program);
  EXPECT_EQ(chosen, JoinPath(dir.file("data"), kUserFolder));
  EXPECT_TRUE(test::Exists(chosen));
  EXPECT_TRUE(FolderWritable(chosen));
  // Without any folder of the user's, the program's own is all there is.
  test::ScopedEnv none(kUserVariable, nullptr);
#ifndef _WIN32
  test::ScopedEnv noHome("HOME", nullptr);
#endif
  EXPECT_EQ(UserDataFolder(), "");
  EXPECT_EQ(ChooseDataFolder(program), program);
}

#ifndef _WIN32
// As the XDG base directories say: unset or relative means the default.
TEST(data_folder_test, xdg_data_home_falls_back_to_home_local_share) {
  test::ScopedEnv home("HOME", "/home/ann");
  test::ScopedEnv relative("XDG_DATA_HOME", "share");
  EXPECT_EQ(UserDataFolder(), "/home/ann/.local/share/tomekit");
  test::ScopedEnv unset("XDG_DATA_HOME", nullptr);
  EXPECT_EQ(UserDataFolder(), "/home/ann/.local/share/tomekit");
}
#endif

}  // namespace tk
