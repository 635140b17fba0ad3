#include "platform/DataFolder.h"

#include "platform/Files.h"
#include "platform/Path.h"

#include <cstdlib>

#ifdef _WIN32
#include "platform/WideText.h"
#endif

namespace tk {
namespace {

#ifdef _WIN32
// The wide environment: the narrow one is in the ANSI code page, which can't
// hold every letter of a user's name.
std::string Environment(const wchar_t* name) {
  const wchar_t* value = ::_wgetenv(name);
  return value ? Utf8FromWide(value) : std::string();
}
#else
std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}
#endif

}  // namespace

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
  const std::string appData = Environment(L"APPDATA");
  return appData.empty() ? std::string() : JoinPath(appData, "Tomekit");
#else
  std::string data = Environment("XDG_DATA_HOME");
  // A relative value would depend on the folder the program was started in.
  if (data.empty() || data.front() != '/') {
    const std::string home = Environment("HOME");
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
