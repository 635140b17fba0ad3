#include "platform/DataFolder.h"

#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Path.h"

namespace tk {

bool FolderWritable(const std::string& folder) {
  // OutputFile makes its temporary file beside the target, and discard()
  // removes it: the probe never leaves a file behind.
  OutputFile probe;
  if (!probe.open(JoinPath(folder, "tomekit-write-probe"))) return false;
  probe.discard();
  return true;
}

std::string UserDataFolder() {
#ifdef _WIN32
  const std::string appData = EnvironmentValue("APPDATA");
  return appData.empty() ? std::string() : JoinPath(appData, "Tomekit");
#else
  std::string data = EnvironmentValue("XDG_DATA_HOME");
  // A relative value would depend on the folder the program was started in.
  if (data.empty() || data.front() != '/') {
    const std::string home = EnvironmentValue("HOME");
    if (home.empty()) return std::string();
    data = JoinPath(JoinPath(home, ".local"), "share");
  }
  return JoinPath(data, "tomekit");
#endif
}

std::string ChooseDataFolder(const std::string& programFolder) {
  if (FolderWritable(programFolder)) return programFolder;
  const std::string user = UserDataFolder();
  if (user.empty()) return programFolder;
  (void)CreateFolders(user);
  return user;
}

}  // namespace tk
