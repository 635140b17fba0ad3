#pragma once
// The four program modes and everything that differs between them, one row
// per mode: field count, name prefix, strategy file, settings keys, captions,
// names on the command line and in the window, texts, window widths.
#include "fields/SettingsKeys.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tk {

// Saved in the settings file as its number; the numbers are those of files
// already written, so they never change.
enum class Mode : std::int32_t {
  EndNote = 0,
  RefMan = 1,
  ProCite = 2,
  ProCiteGeneric = 3,
};

inline constexpr std::array<Mode, 4> kAllModes = {Mode::EndNote, Mode::RefMan, Mode::ProCite,
                                                  Mode::ProCiteGeneric};

constexpr std::int32_t ModeNumber(Mode mode) { return static_cast<std::int32_t>(mode); }
constexpr std::size_t ModeIndex(Mode mode) { return static_cast<std::size_t>(mode); }
// The mode a saved number stands for; none for a number outside 0..3 (a
// hand-edited file).
std::optional<Mode> ModeFromNumber(std::int32_t number);

// Field panel and button strip, and the window around them, in pixels.
struct ModeWidths {
  int panel;
  int window;
  int windowMin;
  int windowMax;
};

struct ModeInfo {
  Mode mode;
  const char* menuCaption;  // item of the "Mode" menu
  const char* menuName;     // that item's object name
  const char* cliName;      // tomekit-cli's --mode, matched ignoring case
  int fieldCount;
  const char* prefix;          // of PDB file and database names
  const char* strategyFile;    // in the data folder
  SettingsKey folderKey;       // of importExportFolder
  SettingsKey charsetKey;      // of the character set of the mode's files
  SettingsKey palmCharsetKey;  // of the handheld's character set
  // Of the format the export direction writes, for a mode whose manager
  // takes two; {} for a mode with one.
  SettingsKey exportFormatKey;
  // Where each open dialog last took a file from (LastFolders.h).
  SettingsKey lastFolderKey;     // the manager's exports
  SettingsKey lastPdbFolderKey;  // the PDB files
  const char* exportCaption;     // JFile -> reference manager button
  const char* importCaption;     // reference manager -> JFile button
  const char* exportExtension;   // of the file written for the reference manager
  const char* managerName;       // in status texts after an export
  const char* importFilter;      // of the dialog choosing the manager's exports
  // What the reader says of an export it can't open; Reference Manager's
  // names ".csv" although it reads RIS, as users have always seen it.
  const char* inputNotOpened;
  // The folder dialog's row for the mode's import/export folder.
  const char* folderLabel;
  const char* folderHint;
  const char* folderBrowseTitle;
  ModeWidths widths;
};

const ModeInfo& InfoOf(Mode mode);

}  // namespace tk
