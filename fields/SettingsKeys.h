#pragma once
// Every key of the settings file, each spelt once. Keys match without regard
// to case (IniFile), so files that spell one otherwise are read the same.
// The keys that differ by mode are in the mode's row (ProgramModes.h):
// its folder key under UserInfo, its character set key under Tomekit.
namespace tk {

struct SettingsKey {
  const char* section;
  const char* name;
};

namespace settings_key {

inline constexpr char kUserInfo[] = "UserInfo";
inline constexpr char kTomekit[] = "Tomekit";

inline constexpr SettingsKey kPalmOutPath{kUserInfo, "PalmOutPath"};
inline constexpr SettingsKey kPalmInPath{kUserInfo, "PalmInPath"};
inline constexpr SettingsKey kHotSyncUserId{kUserInfo, "userHSCode"};
inline constexpr SettingsKey kProgMode{kTomekit, "ProgMode"};
// palm-sync's folder (it holds a folder per HotSync user) and the user.
inline constexpr SettingsKey kPalmSyncFolder{kTomekit, "PalmSyncFolder"};
inline constexpr SettingsKey kPalmSyncUser{kTomekit, "PalmSyncUser"};

}  // namespace settings_key
}  // namespace tk
