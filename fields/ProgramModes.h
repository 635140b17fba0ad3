#pragma once
// The four program modes and everything that differs between them: field
// count, name prefix, strategy file, settings keys, captions, window widths.
#include <cstdint>
#include <string_view>

namespace tk {

enum ConvMode : std::int32_t {
  kModeEndNote = 0,
  kModeRefMan = 1,
  kModeProCite = 2,
  kModeProCiteGeneric = 3,
};

bool IsKnownMode(std::int32_t mode);

struct ModeInfo {
  const char* menuCaption;  // item of the "Mode" menu
  int fieldCount;
  const char* prefix;           // of PDB file and database names
  const char* strategyFile;     // in the program folder
  const char* folderKey;        // "UserInfo" key of importExportFolder
  const char* charsetKey;       // "Tomekit" key of the character set
  const char* exportCaption;    // JFile -> reference manager button
  const char* importCaption;    // reference manager -> JFile button
  const char* exportExtension;  // of the file written for the reference manager
  const char* managerName;      // in file-dialog filters and status texts
  int panelWidth;               // field panel and button strip, pixels
  int windowWidth;
  int windowMinWidth;
  int windowMaxWidth;
};

// The row of a mode; null for a mode outside 0..3.
const ModeInfo* ModeInfoOf(std::int32_t mode);
// The row of a mode; EndNote's for a mode outside 0..3.
const ModeInfo& ModeOrEndNote(std::int32_t mode);

// 31, 33, 47, 24; 0 for an unknown mode.
int FieldCountOf(std::int32_t mode);
// "EN-", "RM-", "PR-", "PG-"; empty for an unknown mode.
std::string_view ModePrefix(std::int32_t mode);

}  // namespace tk
