#include "fields/LastFolders.h"

#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/Path.h"

namespace tk {
namespace {

constexpr const char* kTomekit = "Tomekit";

std::string KeyOf(std::int32_t mode, ChosenFrom from) {
  static const char* const prefixes[] = {"EN", "RM", "PC", "PG"};
  const std::string prefix = prefixes[IsKnownMode(mode) ? mode : kModeEndNote];
  return prefix + (from == ChosenFrom::ManagerFiles ? "LastFolder" : "LastPDBFolder");
}

// The folder without its trailing separator, as the folder keys hold them.
std::string FolderOf(const std::string& file) {
  std::string folder = ExtractFilePath(file);
  if (folder.size() > 1 && IsPathSeparator(folder.back())) folder.pop_back();
  return folder;
}

}  // namespace

std::string LastFolderOr(const Settings& settings, std::int32_t mode, ChosenFrom from,
                         const std::string& fallback) {
  const std::string saved = IniFile(settings.settingsFile).readString(kTomekit, KeyOf(mode, from), "");
  // A folder since removed or renamed would open the dialog somewhere arbitrary.
  return !saved.empty() && FolderExists(saved) ? saved : fallback;
}

bool WriteLastFolder(const Settings& settings, std::int32_t mode, ChosenFrom from,
                     const std::string& chosenFile) {
  const std::string folder = FolderOf(chosenFile);
  if (folder.empty()) return true;
  return IniFile(settings.settingsFile).writeString(kTomekit, KeyOf(mode, from), folder);
}

}  // namespace tk
