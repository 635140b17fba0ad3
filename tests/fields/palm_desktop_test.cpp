// Palm Desktop's list of users is a binary file of another program's: it is
// read as the public layout has it, and anything else is refused whole.
#include "fields/PalmDesktop.h"
#include "fields/Settings.h"

#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/Path.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tk {

void PrintTo(const PalmDesktopUser& user, std::ostream* out) {
  *out << "{'" << user.name << "', id " << user.id << ", folder '" << user.folder << "'}";
}
bool operator==(const PalmDesktopUser& a, const PalmDesktopUser& b) {
  return std::tie(a.name, a.id, a.folder) == std::tie(b.name, b.id, b.folder);
}

namespace {

const std::string kTwoUsers = test::ReadBytes(test::DataFile("palm-desktop/users.dat"));
const PalmDesktopUser kJane{"Jane Doe", "4242", "DoeJ"};
const PalmDesktopUser kRenee{
    "Ren\xC3\xA9"
    "e B",
    "1000", "ReneeB"};

// kTwoUsers with one run of bytes put in place of another of the same size.
std::string WithBytes(std::string_view from, std::string_view to) {
  std::string bytes = kTwoUsers;
  return bytes.replace(bytes.find(from), from.size(), to);
}

TEST(palm_desktop_test, the_public_layout_gives_each_users_id_name_and_folder) {
  EXPECT_EQ(ParsePalmDesktopUsers(kTwoUsers), (std::vector{kJane, kRenee}));
  EXPECT_EQ(ParsePalmDesktopUsers(std::string("\0\0", 2)), std::vector<PalmDesktopUser>{})
      << "no users yet";
}

TEST(palm_desktop_test, a_list_cut_short_or_leading_out_of_the_folder_is_refused) {
  const std::size_t secondFolderEnds = kTwoUsers.find("ReneeB") + 6;
  for (std::size_t size = 0; size < secondFolderEnds; ++size) {
    EXPECT_EQ(ParsePalmDesktopUsers(kTwoUsers.substr(0, size)), std::nullopt) << size << " bytes";
  }
  EXPECT_EQ(ParsePalmDesktopUsers(WithBytes("ReneeB", "..\\Win")), std::nullopt);
  EXPECT_EQ(ParsePalmDesktopUsers(WithBytes("\x06ReneeB", "\x02..eeB")), std::nullopt);
  EXPECT_EQ(ParsePalmDesktopUsers(WithBytes("Jane", "Ja\tn")), std::nullopt) << "a control byte";
  EXPECT_EQ(ParsePalmDesktopUsers(WithBytes("\x01\x80", "\x01\x81")), std::nullopt)
      << "no tag before the second user";
  EXPECT_EQ(ParsePalmDesktopUsers(WithBytes("\xFF\xFF", "\x01\x80")), std::nullopt)
      << "the first user without its class";
}

// Palm Desktop as the registry would name it, in a store file of our own.
class PalmDesktopFixture : public ::testing::Test {
protected:
  InstallRequestStore store() { return InstallRequestStore(dir.file("store.ini")); }
  void install(const std::string& usersFile, const std::string& lastUser) {
    ASSERT_TRUE(CreateFolders(dir.file("Palm")));
    test::WriteBytes(JoinPath(dir.file("Palm"), "users.dat"), usersFile);
    IniFile ini(dir.file("store.ini"));
    ASSERT_TRUE(ini.writeString(kPalmDesktopCoreKeyPath, "Path", dir.file("Palm")));
    ASSERT_TRUE(ini.writeString(kPalmDesktopPreferencesKeyPath, "LastUserName", lastUser));
  }
  std::string installFolderOf(const std::string& userFolder) {
    return JoinPath(JoinPath(dir.file("Palm"), userFolder), "Install");
  }
  // The settings a start reads from the given file.
  Settings start(const std::string& ini, std::string* said = nullptr) {
    Settings settings = MakeSettings(dir.file("data"));
    EXPECT_TRUE(CreateFolders(settings.dataFolder));
    test::WriteBytes(settings.settingsFile, ini);
    const std::string message = ReadSettings(settings);
    if (said) *said = message;
    return settings;
  }

  test::TempFolder dir;
  test::ScopedEnv storeFile{"TOMEKIT_INSTALL_STORE", dir.file("store.ini")};
};

TEST_F(PalmDesktopFixture, the_registry_names_the_folder_and_the_last_user) {
  EXPECT_TRUE(FindPalmDesktop(store()).folder.empty()) << "none installed";
  install(kTwoUsers, kRenee.name);
  const PalmDesktop desktop = FindPalmDesktop(store());
  EXPECT_EQ(desktop.folder, dir.file("Palm"));
  EXPECT_EQ(desktop.users.size(), 2u);
  EXPECT_EQ(DefaultPalmDesktopUser(desktop), &desktop.users[1]);
  EXPECT_EQ(InstallFolderOf(desktop, desktop.users[1]), installFolderOf("ReneeB"));
}

TEST_F(PalmDesktopFixture, a_file_naming_no_install_folder_takes_the_last_users_and_saves_neither) {
  install(kTwoUsers, kJane.name);
  std::string said;
  Settings settings = start("", &said);
  EXPECT_EQ(said, "");
  EXPECT_EQ(settings.palmInstallFolder, installFolderOf("DoeJ"));
  EXPECT_EQ(settings.hotSyncUserId, "4242");
  ASSERT_TRUE(WriteSettings(settings));
  const std::string saved = test::ReadBytes(settings.settingsFile);
  EXPECT_EQ(saved.find("PalmOutPath"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("userHSCode"), std::string::npos) << saved;
  EXPECT_EQ(start("[UserInfo]\r\nPalmOutPath=" + DefaultFolder(settings) + "\r\n").hotSyncUserId,
            "4242")
      << "the default an earlier start saved";
}

TEST_F(PalmDesktopFixture, the_files_own_id_picks_its_user_and_its_own_folder_wins) {
  install(kTwoUsers, kJane.name);
  Settings renee = start("[UserInfo]\r\nuserHSCode=1000\r\n");
  EXPECT_EQ(renee.palmInstallFolder, installFolderOf("ReneeB"));
  const std::string own = dir.file("own");
  Settings typed = start("[UserInfo]\r\nPalmOutPath=" + own + "\r\nuserHSCode=77\r\n");
  EXPECT_EQ(std::pair(typed.palmInstallFolder, typed.hotSyncUserId),
            std::pair(own, std::string("77")));
  EXPECT_FALSE(typed.installFromPalmDesktop);
}

TEST_F(PalmDesktopFixture, a_list_that_cant_be_read_is_said_and_the_settings_are_used) {
  install("not a list of users", kJane.name);
  std::string said;
  Settings settings = start("[UserInfo]\r\nuserHSCode=77\r\n", &said);
  EXPECT_EQ(said, "Palm Desktop's list of users " + JoinPath(dir.file("Palm"), "users.dat") +
                      " could not be read, so the Palm install folder and HotSync ID of the "
                      "settings are used.");
  EXPECT_EQ(settings.hotSyncUserId, "77");
  EXPECT_EQ(settings.palmInstallFolder, DefaultFolder(settings));
}

}  // namespace
}  // namespace tk
