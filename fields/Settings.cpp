#include "fields/Settings.h"

#include "fields/FieldsTexts.h"
#include "fields/PalmFolders.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/Path.h"
#include "platform/Text.h"

#include <algorithm>

namespace tk {
namespace {

std::string Read(const IniFile& ini, SettingsKey key, const std::string& fallback) {
  return ini.readString(key.section, key.name, fallback);
}

[[nodiscard]] bool Write(IniFile& ini, SettingsKey key, const std::string& value) {
  return ini.writeString(key.section, key.name, value);
}

// A folder as saved, or the default when it is not set or can't be used;
// problem says which, for the message at start.
std::string ReadFolder(const IniFile& ini, SettingsKey key, const std::string& fallback,
                       std::string* problem = nullptr) {
  const std::string value = Read(ini, key, fallback);
  if (IsFullPath(value)) return value;
  if (problem) *problem += FolderNotUsedText(key.name, value, fallback) + "\n";
  return fallback;
}

// palm-sync is used only once chosen, so an absent folder is no problem; a
// value that can't be used turns it off and says so.
void ReadPalmSync(const IniFile& ini, Settings& settings, std::string& problems) {
  settings.palmSyncFolder = Read(ini, settings_key::kPalmSyncFolder, "");
  settings.palmSyncUser = Read(ini, settings_key::kPalmSyncUser, "");
  if (!settings.palmSyncFolder.empty() && !IsFullPath(settings.palmSyncFolder)) {
    problems += PalmSyncNotUsedText(settings_key::kPalmSyncFolder.name, settings.palmSyncFolder,
                                    "is not a full folder path") +
                "\n";
    settings.palmSyncFolder.clear();
  }
  if (!settings.palmSyncUser.empty() && !IsPalmSyncUserName(settings.palmSyncUser)) {
    problems += PalmSyncNotUsedText(settings_key::kPalmSyncUser.name, settings.palmSyncUser,
                                    "is not a user folder's name") +
                "\n";
    settings.palmSyncUser.clear();
  }
}

const PalmDesktopUser* PalmDesktopUserOf(const Settings& settings) {
  constexpr std::string_view kNoId = "0";
  return settings.hotSyncUserId == kNoId
             ? DefaultPalmDesktopUser(settings.palmDesktop)
             : PalmDesktopUserWithId(settings.palmDesktop, settings.hotSyncUserId);
}

// An install folder saved by an earlier start that knew no Palm Desktop is
// the default, not the user's own.
void TakePalmDesktopUser(const IniFile& ini, Settings& settings) {
  settings.installFromPalmDesktop = false;
  settings.palmDesktop = FindPalmDesktop(InstallRequestStore());
  const std::string saved = Read(ini, settings_key::kPalmOutPath, "");
  if (!saved.empty() && saved != DefaultFolder(settings)) return;
  const PalmDesktopUser* user = PalmDesktopUserOf(settings);
  if (!user) return;
  settings.palmInstallFolder = InstallFolderOf(settings.palmDesktop, *user);
  settings.hotSyncUserId = user->id;
  settings.installFromPalmDesktop = true;
}

// The install folder and HotSync ID, unless they are Palm Desktop's.
[[nodiscard]] bool WriteUnlessFound(IniFile& ini, const Settings& settings, SettingsKey key,
                                    const std::string& value) {
  return settings.installFromPalmDesktop || Write(ini, key, value);
}

// A key only once it holds something, so files that never chose it stay as
// they were.
[[nodiscard]] bool WriteChosen(IniFile& ini, SettingsKey key, const std::string& value) {
  if (value.empty() && Read(ini, key, "").empty()) return true;
  return Write(ini, key, value);
}

}  // namespace

bool IsPalmSyncUserName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string_view::npos;
}

bool IsWholeHotSyncId(std::string_view id) {
  constexpr std::size_t kMostDigits = 10;  // of an unsigned 32-bit number
  if (id.empty() || id.size() > kMostDigits ||
      !std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  return std::stoull(std::string(id)) <= 0xFFFFFFFFull;
}

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

std::string ReadSettings(Settings& settings) {
  IniFile ini(settings.settingsFile);
  const std::string folder = DefaultFolder(settings);
  std::string problems;
  settings.palmInstallFolder = ReadFolder(ini, settings_key::kPalmOutPath, folder, &problems);
  settings.palmBackupFolder = ReadFolder(ini, settings_key::kPalmInPath, folder, &problems);
  settings.hotSyncUserId = Read(ini, settings_key::kHotSyncUserId, "0");
  if (!IsWholeHotSyncId(settings.hotSyncUserId)) {
    problems += HotSyncIdNotUsedText(settings.hotSyncUserId) + "\n";
    settings.hotSyncUserId = "0";
  }
  const SettingsKey mode = settings_key::kProgMode;
  settings.mode =
      ModeFromNumber(ini.readInteger(mode.section, mode.name, ModeNumber(Mode::EndNote)))
          .value_or(Mode::EndNote);
  TakePalmDesktopUser(ini, settings);
  settings.importExportFolder = ReadFolder(ini, InfoOf(settings.mode).folderKey, folder, &problems);
  settings.charset = ReadModeCharset(settings, settings.mode);
  settings.palmCharset = ReadModePalmCharset(settings, settings.mode);
  settings.exportFormat = ReadModeExportFormat(settings, settings.mode);
  ReadPalmSync(ini, settings, problems);
  if (problems.empty()) return settings.palmDesktop.problem;
  problems.pop_back();
  const std::string unused = SettingsNotUsedText(ini.fullPath(), problems);
  if (settings.palmDesktop.problem.empty()) return unused;
  return unused + "\n\n" + settings.palmDesktop.problem;
}

std::string_view ExportFormatName(ExportFormat format) {
  return format == ExportFormat::Tagged ? "tagged" : "tab";
}

std::optional<ExportFormat> ExportFormatFromName(std::string_view name) {
  for (const ExportFormat format : kExportFormats) {
    if (EqualsIgnoreCase(name, ExportFormatName(format))) return format;
  }
  return std::nullopt;
}

ExportFormat ReadModeExportFormat(const Settings& settings, Mode mode) {
  const SettingsKey key = InfoOf(mode).exportFormatKey;
  if (!key.name) return ExportFormat::Tab;
  return ExportFormatFromName(Read(IniFile(settings.settingsFile), key, ""))
      .value_or(ExportFormat::Tab);
}

bool WriteModeExportFormat(const Settings& settings) {
  const SettingsKey key = InfoOf(settings.mode).exportFormatKey;
  if (!key.name) return true;
  IniFile ini(settings.settingsFile);
  return Write(ini, key, std::string(ExportFormatName(settings.exportFormat)));
}

Charset ReadModeCharset(const Settings& settings, Mode mode) {
  const std::string name = Read(IniFile(settings.settingsFile), InfoOf(mode).charsetKey, "");
  return CharsetFromName(name).value_or(Charset::Auto);
}

bool WriteModeCharset(const Settings& settings) {
  IniFile ini(settings.settingsFile);
  return Write(ini, InfoOf(settings.mode).charsetKey, std::string(CharsetName(settings.charset)));
}

PalmCharset ReadModePalmCharset(const Settings& settings, Mode mode) {
  const std::string name = Read(IniFile(settings.settingsFile), InfoOf(mode).palmCharsetKey, "");
  return PalmCharsetFromName(name).value_or(PalmCharset::Windows1252);
}

bool WriteModePalmCharset(const Settings& settings) {
  IniFile ini(settings.settingsFile);
  return Write(ini, InfoOf(settings.mode).palmCharsetKey,
               std::string(PalmCharsetName(settings.palmCharset)));
}

std::string ReadModeFolder(const Settings& settings, Mode mode) {
  return ReadFolder(IniFile(settings.settingsFile), InfoOf(mode).folderKey,
                    DefaultFolder(settings));
}

bool WriteSettings(const Settings& settings) {
  IniFile ini(settings.settingsFile);
  return WriteUnlessFound(ini, settings, settings_key::kPalmOutPath, settings.palmInstallFolder) &&
         Write(ini, settings_key::kPalmInPath, settings.palmBackupFolder) &&
         Write(ini, InfoOf(settings.mode).folderKey, settings.importExportFolder) &&
         WriteUnlessFound(ini, settings, settings_key::kHotSyncUserId, settings.hotSyncUserId) &&
         WriteProgMode(settings, settings.mode) &&
         WriteChosen(ini, settings_key::kPalmSyncFolder, settings.palmSyncFolder) &&
         WriteChosen(ini, settings_key::kPalmSyncUser, settings.palmSyncUser);
}

bool WriteProgMode(const Settings& settings, Mode mode) {
  const SettingsKey key = settings_key::kProgMode;
  return IniFile(settings.settingsFile).writeInteger(key.section, key.name, ModeNumber(mode));
}

std::string SettingsWriteError(const Settings& settings) {
  const std::string problem = SettingsFileProblem(settings);
  return SettingsNotWrittenText(IniFile(settings.settingsFile).fullPath(), problem);
}

std::string SettingsFileProblem(const Settings& settings) {
  const FileKind kind = KindOfFile(settings.settingsFile);
  if (kind == FileKind::Missing || kind == FileKind::Regular) return {};
  return SettingsNotRegularText(IniFile(settings.settingsFile).fullPath(), FileKindText(kind));
}

}  // namespace tk
