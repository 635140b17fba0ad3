#include "fields/Settings.h"

#include "fields/PalmFolders.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/Path.h"

namespace tk {
namespace {

constexpr const char* kUserInfo = "UserInfo";
constexpr const char* kTomekit = "Tomekit";

}  // namespace

Settings MakeSettings(const std::string& dataFolder, const std::string& programName) {
  Settings settings;
  settings.dataFolder = dataFolder;
  settings.programFolder = dataFolder;
  settings.settingsFile = JoinPath(dataFolder, programName + ".INI");
  return settings;
}

std::string DefaultFolder(const Settings& settings) {
#ifdef _WIN32
  (void)settings;
  return "C:\\Program Files\\Tomekit\\Import and Export";
#else
  return ImportExportFolder(settings.dataFolder);
#endif
}

void ReadSettings(Settings& settings) {
  IniFile ini(settings.settingsFile);
  const std::string folder = DefaultFolder(settings);
  settings.palmInstallFolder = ini.readString(kUserInfo, "PalmOutPath", folder);
  settings.palmBackupFolder = ini.readString(kUserInfo, "PalmInPath", folder);
  settings.hotSyncUserId = ini.readString(kUserInfo, "userHSCode", "0");
  settings.mode = ini.readInteger(kTomekit, "progMode", kModeEndNote);
  if (!IsKnownMode(settings.mode)) settings.mode = kModeEndNote;
  settings.importExportFolder = ReadModeFolder(settings, settings.mode);
  settings.charset = ReadModeCharset(settings, settings.mode);
}

Charset ReadModeCharset(const Settings& settings, std::int32_t mode) {
  const std::string name =
      IniFile(settings.settingsFile).readString(kTomekit, ModeOrEndNote(mode).charsetKey, "");
  return CharsetFromName(name).value_or(Charset::Auto);
}

bool WriteModeCharset(const Settings& settings) {
  return IniFile(settings.settingsFile)
      .writeString(kTomekit, ModeOrEndNote(settings.mode).charsetKey,
                   std::string(CharsetName(settings.charset)));
}

std::string ReadModeFolder(const Settings& settings, std::int32_t mode) {
  return IniFile(settings.settingsFile)
      .readString(kUserInfo, ModeOrEndNote(mode).folderKey, DefaultFolder(settings));
}

bool WriteSettings(const Settings& settings) {
  IniFile ini(settings.settingsFile);
  return ini.writeString(kUserInfo, "PalmOutPath", settings.palmInstallFolder) &&
         ini.writeString(kUserInfo, "PalmInPath", settings.palmBackupFolder) &&
         ini.writeString(kUserInfo, ModeOrEndNote(settings.mode).folderKey,
                         settings.importExportFolder) &&
         ini.writeString(kUserInfo, "userHSCode", settings.hotSyncUserId) &&
         ini.writeInteger(kTomekit, "ProgMode", settings.mode);
}

bool WriteProgMode(const Settings& settings, std::int32_t mode) {
  return IniFile(settings.settingsFile).writeInteger(kTomekit, "ProgMode", mode);
}

std::string SettingsWriteError(const Settings& settings) {
  const std::string problem = SettingsFileProblem(settings);
  return "Unable to write to " + IniFile(settings.settingsFile).fullPath() +
         (problem.empty() ? "" : "\n" + problem);
}

std::string SettingsFileProblem(const Settings& settings) {
  const FileKind kind = KindOfFile(settings.settingsFile);
  if (kind == FileKind::Missing || kind == FileKind::Regular) return {};
  return IniFile(settings.settingsFile).fullPath() + " is not a regular file but " +
         std::string(FileKindText(kind)) + "; the default settings are used.";
}

}  // namespace tk
