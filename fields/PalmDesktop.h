#pragma once
// Palm Desktop on Windows, found as its HotSync Manager finds it: the
// registry names the folder of its users' folders and the user last chosen,
// and users.dat in that folder lists each user's HotSync ID, name and
// folder. A user's databases wait in <folder>\<user's folder>\Install.
#include "platform/InstallRequestStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

inline constexpr const char* kPalmDesktopCoreKeyPath =
    "Software\\U.S. Robotics\\Pilot Desktop\\Core";
inline constexpr const char* kPalmDesktopPreferencesKeyPath =
    "Software\\U.S. Robotics\\Pilot Desktop\\Preferences";

struct PalmDesktopUser {
  std::string name;    // as the handheld has it, in UTF-8
  std::string id;      // the HotSync ID, in decimal
  std::string folder;  // the user's folder in Palm Desktop's folder
};

struct PalmDesktop {
  std::string folder;  // empty: no Palm Desktop
  std::vector<PalmDesktopUser> users;
  std::string lastUserName = {};
  // Empty, unless users.dat is there but could not be read as a list of users.
  std::string problem = {};
};

// users.dat is an MFC archive of the users: a 16-bit count, the class of the
// first user (FF FF, 16-bit schema, 16-bit name length, name), then per user
// its 32-bit ID, name and folder (each a length byte and text in the ANSI
// code page Palm Desktop ran in: Windows-1252 outside Windows),
// then bytes of Palm Desktop's own up to the next user's class tag, 01 80.
// Nothing when the bytes are no such list, or a user's folder could lead out
// of Palm Desktop's folder.
std::optional<std::vector<PalmDesktopUser>> ParsePalmDesktopUsers(std::string_view bytes);

// What the store (the registry on Windows) and users.dat say.
PalmDesktop FindPalmDesktop(const InstallRequestStore& store);

// The user named last in Palm Desktop, else its first; null without users.
const PalmDesktopUser* DefaultPalmDesktopUser(const PalmDesktop& desktop);
const PalmDesktopUser* PalmDesktopUserWithId(const PalmDesktop& desktop, std::string_view id);
std::string InstallFolderOf(const PalmDesktop& desktop, const PalmDesktopUser& user);

}  // namespace tk
