#pragma once
// The program's own folders and the HotSync install request.
#include "fields/AppState.h"
#include "platform/InstallRequestStore.h"
#include "platform/Ui.h"

#include <string>

namespace tk {

// The HotSync Manager's key, under the current user.
inline constexpr const char* kHotSyncKeyPath =
    "Software\\U.S. Robotics\\Pilot Desktop\\HotSync Manager";

// Program folder + "TKWork": files exchanged with jconv5 and its error log.
std::string WorkFolder(const AppState& state);
// Program folder + "Import and Export": for the user's export and import files.
std::string ImportExportFolder(const AppState& state);

// Creates both folders when missing; failures are left for later use to
// report.
bool MakeWorkFolders(const AppState& state);

// Sets "Install" + hotSyncUserId to 1 so the next HotSync installs what
// waits in the Palm install folder. Failures show "Couldn't open key " or
// "Failed to set data for '<name>'" in a plain message box. Result 0.
int RequestHotSyncInstall(const AppState& state, Ui& ui);
int RequestHotSyncInstall(const AppState& state, Ui& ui, InstallRequestStore& store);

}  // namespace tk
