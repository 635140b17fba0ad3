#include "session/LastFolders.h"

#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/Path.h"

namespace tk {
namespace {

const SettingsKey& KeyOf(Mode mode, Direction from) {
  const ModeInfo& info = InfoOf(mode);
  return from == Direction::Import ? info.lastFolderKey : info.lastPdbFolderKey;
}

// The folder without its trailing separator, as the folder keys hold them.
std::string FolderOf(const std::string& file) {
  std::string folder = ExtractFilePath(file);
  if (folder.size() > 1 && IsPathSeparator(folder.back())) folder.pop_back();
  return folder;
}

}  // namespace

std::string LastFolderOr(const Settings& settings, Mode mode, Direction from,
                         const std::string& fallback) {
  const SettingsKey& key = KeyOf(mode, from);
  const std::string saved = IniFile(settings.settingsFile).readString(key.section, key.name, "");
  // A folder since removed or renamed would open the dialog somewhere arbitrary.
  return !saved.empty() && FolderExists(saved) ? saved : fallback;
}

bool WriteLastFolder(const Settings& settings, Mode mode, Direction from,
                     const std::string& chosenFile) {
  const std::string folder = FolderOf(chosenFile);
  if (folder.empty()) return true;
  const SettingsKey& key = KeyOf(mode, from);
  return IniFile(settings.settingsFile).writeString(key.section, key.name, folder);
}

}  // namespace tk
