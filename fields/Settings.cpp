#include "fields/Settings.h"

#include "fields/FieldCatalogue.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "platform/IniFile.h"

namespace tk {
namespace {

constexpr const char* kUserInfo = "UserInfo";
constexpr const char* kTomekit = "Tomekit";

}  // namespace

std::string DefaultFolder(const AppState& state) {
#ifdef _WIN32
  (void)state;
  return "C:\\Program Files\\Tomekit\\Import and Export";
#else
  return ImportExportFolder(state);
#endif
}

bool ReadSettings(AppState& state) {
  IniFile ini(state.settingsFile);
  const std::string folder = DefaultFolder(state);
  state.palmInstallFolder = ini.readString(kUserInfo, "PalmOutPath", folder);
  state.palmBackupFolder = ini.readString(kUserInfo, "PalmInPath", folder);
  state.hotSyncUserId = ini.readString(kUserInfo, "userHSCode", "0");
  state.convMode = ini.readInteger(kTomekit, "progMode", kModeEndNote);
  if (!IsKnownMode(state.convMode)) state.convMode = kModeEndNote;
  state.importExportFolder =
      ini.readString(kUserInfo, ModeInfoOf(state.convMode)->folderKey, folder);
  return true;
}

bool WriteSettings(const AppState& state) {
  IniFile ini(state.settingsFile);
  ini.writeString(kUserInfo, "PalmOutPath", state.palmInstallFolder);
  ini.writeString(kUserInfo, "PalmInPath", state.palmBackupFolder);
  if (const ModeInfo* info = ModeInfoOf(state.convMode)) {
    ini.writeString(kUserInfo, info->folderKey, state.importExportFolder);
  }
  ini.writeString(kUserInfo, "userHSCode", state.hotSyncUserId);
  ini.writeInteger(kTomekit, "ProgMode", state.convMode);
  return true;
}

void WriteProgMode(const AppState& state, std::int32_t mode) {
  IniFile(state.settingsFile).writeInteger(kTomekit, "ProgMode", mode);
}

}  // namespace tk
