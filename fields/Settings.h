#pragma once
// What the settings file holds (program name + ".INI" in the data folder):
// the mode, the reference manager's folder of the mode, the Palm folders and
// the HotSync user ID (keys in SettingsKeys.h and the mode rows). Each key
// goes to the file at once.
#include "fields/PalmDesktop.h"
#include "fields/ProgramModes.h"
#include "platform/Charset.h"
#include "platform/PalmCharset.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

// What the export direction writes for EndNote: the tab format its output
// style reads, or its own %-tagged "EndNote Export".
enum class ExportFormat { Tab, Tagged };
inline constexpr ExportFormat kExportFormats[] = {ExportFormat::Tab, ExportFormat::Tagged};

// "tab" and "tagged", as the settings file and tomekit-cli's --format say.
std::string_view ExportFormatName(ExportFormat format);
std::optional<ExportFormat> ExportFormatFromName(std::string_view name);

struct Settings {
  // The data folder: holds the settings, strategy files, TKWork and Log.txt.
  // Beside the program unless that can't be written (see ChooseDataFolder).
  std::string dataFolder;
  std::string settingsFile;  // full path of the INI file
  Mode mode = Mode::EndNote;
  std::string importExportFolder;  // of the mode
  std::string palmInstallFolder;
  std::string palmBackupFolder;
  std::string hotSyncUserId;
  Charset charset = Charset::Auto;  // of the mode's files
  // Where the program itself and jconv5 are, whichever folder holds the data.
  std::string programFolder;
  ExportFormat exportFormat = ExportFormat::Tab;       // of the mode's exports
  PalmCharset palmCharset = PalmCharset::Windows1252;  // of the mode's databases
  // palm-sync's folder and the HotSync user whose install folder in it gets
  // each database; both empty unless the user chose them.
  std::string palmSyncFolder = {};
  std::string palmSyncUser = {};
  // Palm Desktop as found at start. When the install folder and HotSync ID
  // are those of one of its users, they are not saved: the next start finds
  // them again, as Palm Desktop then has them.
  PalmDesktop palmDesktop = {};
  bool installFromPalmDesktop = false;
};

// Settings kept in dataFolder, the file named after the program
// (programName + ".INI"), nothing read yet. The converter is looked for in the
// same folder; a program whose data is kept elsewhere sets programFolder.
Settings MakeSettings(const std::string& dataFolder, const std::string& programName = "tomekit");

// What a folder key holds until the user chooses. On Windows the fixed
// install location; elsewhere the "Import and Export" folder that
// MakeWorkFolders creates beside the program.
std::string DefaultFolder(const Settings& settings);

// Palm folders, HotSync ID, mode, then the mode's folder. A mode number that
// isn't 0..3 (a hand-edited file) is taken as EndNote. Missing keys give defaults.
// The mode's folder and character set follow. A folder that is empty or no
// full path (relative, quoted, "~") would depend on where the program
// starts, and a HotSync ID that is no whole number would name no Palm user:
// each is taken as not set. The message that names them (see
// SettingsNotUsedText), empty when every value was used.
// When the file names no install folder (or the default one), Palm Desktop's
// user (the one of the file's HotSync ID, else its last) gives the install
// folder and ID; a list of users that can't be read is said after the rest.
[[nodiscard]] std::string ReadSettings(Settings& settings);
// The saved folder of a mode, or the default (for one not set, as above).
std::string ReadModeFolder(const Settings& settings, Mode mode);
// A name palm-sync can hold as one folder: not empty, no separator, not
// "." or "..".
bool IsPalmSyncUserName(std::string_view name);
// Digits alone, as the Folders dialog takes it.
bool IsWholeHotSyncId(std::string_view id);

// The saved character set of a mode; Auto when missing or unknown.
Charset ReadModeCharset(const Settings& settings, Mode mode);
// The character set of settings.mode alone, as the menu records it at once.
[[nodiscard]] bool WriteModeCharset(const Settings& settings);

// The saved handheld character set of a mode; Windows-1252 when missing or
// unknown.
PalmCharset ReadModePalmCharset(const Settings& settings, Mode mode);
// The handheld character set of settings.mode alone, as the menu records it.
[[nodiscard]] bool WriteModePalmCharset(const Settings& settings);

// The saved export format of a mode; Tab when missing, unknown, or the mode
// has no choice.
ExportFormat ReadModeExportFormat(const Settings& settings, Mode mode);
// The export format of settings.mode alone; true, writing nothing, for a
// mode without a choice.
[[nodiscard]] bool WriteModeExportFormat(const Settings& settings);

// Palm folders, the mode's folder, HotSync ID, mode, palm-sync's folder and
// user (those two only once chosen; the install folder and ID only when
// they are not Palm Desktop's); stops at the first key
// that can't be written (the keys before it are written). False then.
[[nodiscard]] bool WriteSettings(const Settings& settings);
// The mode alone, as a mode change records it at once.
[[nodiscard]] bool WriteProgMode(const Settings& settings, Mode mode);

// "Unable to write to <full path of the settings file>", and on a second
// line the SettingsFileProblem when there is one.
std::string SettingsWriteError(const Settings& settings);

// Empty, unless the settings file is a folder, FIFO or device: then a line
// that names it and says it is read as absent (the defaults) and never
// written. Such a file is never opened for reading in a way that waits.
std::string SettingsFileProblem(const Settings& settings);

}  // namespace tk
