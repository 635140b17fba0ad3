#pragma once
// The texts a user reads from the field model and the configuration: the
// strategy files, the settings file, the HotSync request and the work folder.
// Every layer above reports a file it could not write with UnableToWriteText,
// so that one failure reads the same wherever it happens.
//
// Kept byte for byte, as the program has always shown them and its users'
// notes quote them: "Couldnt Read Strategy File" (no apostrophe), "Couldn't
// open key " (with its trailing blank), "Failed to set data for '<value>'",
// "'<token>' is not a valid integer value" and "Unable to write to <path>".
// Anything said beyond them goes on a line of its own after them.
#include <string>
#include <string_view>

namespace tk {

inline constexpr char kStrategyNotRead[] = "Couldnt Read Strategy File";
inline constexpr char kInstallKeyNotOpened[] = "Couldn't open key ";

inline std::string UnableToWriteText(std::string_view path) {
  return "Unable to write to " + std::string(path);
}

inline std::string NotAnIntegerText(std::string_view token) {
  return "'" + std::string(token) + "' is not a valid integer value";
}
inline std::string WidthOutOfRangeText(std::string_view token, int least, int most) {
  return "'" + std::string(token) + "' is not a valid field width: widths are from " +
         std::to_string(least) + " to " + std::to_string(most);
}
inline std::string UnknownFieldTypeText(std::string_view token) {
  return "'" + std::string(token) +
         "' is not a valid field type: the types are 1 (string), 64 (popup) and 81 (multiple "
         "popup)";
}

inline std::string InstallValueNotSetText(std::string_view valueName) {
  return "Failed to set data for '" + std::string(valueName) + "'";
}

// `kind` as FileKindText gives it: "a folder", "a FIFO or pipe", ...
inline std::string NotRegularFileText(std::string_view kind) {
  return "is not a regular file but " + std::string(kind);
}
inline constexpr char kStrategyFileEmpty[] = "is empty";

// `problem` is NotRegularFileText or kStrategyFileEmpty.
inline std::string StrategyNotUsableText(std::string_view path, std::string_view problem) {
  return std::string(kStrategyNotRead) + "\n" + std::string(path) + " " + std::string(problem) +
         "; the mode's default fields are used.";
}

inline std::string SettingsNotRegularText(std::string_view fullPath, std::string_view kind) {
  return std::string(fullPath) + " " + NotRegularFileText(kind) +
         "; the default settings are used.";
}

// `problem` is empty, or SettingsNotRegularText for the same file.
inline std::string SettingsNotWrittenText(std::string_view fullPath, std::string_view problem) {
  return UnableToWriteText(fullPath) + (problem.empty() ? "" : "\n" + std::string(problem));
}

// One line of the settings file's problems: a value that is not used.
inline std::string FolderNotUsedText(std::string_view key, std::string_view value,
                                     std::string_view used) {
  const std::string what = value.empty()
                               ? std::string(" is empty")
                               : " \"" + std::string(value) + "\" is not a full folder path";
  return std::string(key) + what + ", so " + std::string(used) + " is used.";
}
inline std::string PalmSyncNotUsedText(std::string_view key, std::string_view value,
                                       std::string_view why) {
  return std::string(key) + " \"" + std::string(value) + "\" " + std::string(why) +
         ", so databases are not put in palm-sync's install folder.";
}
inline std::string HotSyncIdNotUsedText(std::string_view value) {
  return "userHSCode \"" + std::string(value) +
         "\" is not a whole number, so the HotSync ID 0 is used.";
}
inline std::string PalmDesktopUsersUnreadText(std::string_view usersFile) {
  return "Palm Desktop's list of users " + std::string(usersFile) +
         " could not be read, so the Palm install folder and HotSync ID of the settings are "
         "used.";
}
inline std::string SettingsNotUsedText(std::string_view fullPath, std::string_view lines) {
  return "Some values of " + std::string(fullPath) + " were not used:\n" + std::string(lines);
}

inline std::string WorkFolderBusyText(std::string_view folder) {
  return "Another conversion is running in " + std::string(folder) +
         ", and only one at a time can use its work folder. Try again when it has finished.";
}

inline std::string WorkFolderNotOwnText(std::string_view workFolder) {
  return std::string(workFolder) +
         " is a link or a file, not a folder of Tomekit's own: its work files would be written "
         "and deleted elsewhere, so nothing is converted. Remove it and Tomekit makes the folder "
         "again.";
}

// The last line of Log.txt, naming the folder the program runs from.
inline std::string ProgramLocationLine(std::string_view folder) {
  return "Program location:  " + std::string(folder);
}

}  // namespace tk
