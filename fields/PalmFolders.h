#pragma once
// The program's own folders and the HotSync install request.
#include "fields/Settings.h"
#include "platform/InstallRequestStore.h"

#include <string>
#include <string_view>

namespace tk {

// The HotSync Manager's key, under the current user.
inline constexpr const char* kHotSyncKeyPath =
    "Software\\U.S. Robotics\\Pilot Desktop\\HotSync Manager";

// Data folder + "TKWork": files exchanged with jconv5 and its error log.
std::string WorkFolder(std::string_view dataFolder);
// Data folder + "Import and Export": for the user's export and import files.
std::string ImportExportFolder(std::string_view dataFolder);

// Creates both folders when missing; false when one could not be made. That
// is not reported here: the step that needs the folder reports the file it
// could not write.
bool MakeWorkFolders(std::string_view dataFolder);

// Sets bit 1 of "Install" + hotSyncUserId so the next HotSync installs what
// waits in the Palm install folder. The value is a mask of what to install,
// so the bits another program's request set are kept.
[[nodiscard]] InstallStoreResult RequestHotSyncInstall(const Settings& settings,
                                                       InstallRequestStore& store);
// The text a failed request is reported with; empty for success.
std::string InstallRequestMessage(const Settings& settings, InstallStoreResult result);

}  // namespace tk
