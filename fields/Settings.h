#pragma once
// The settings file (program name + ".INI" beside the program): the mode,
// the reference manager's folder of each mode, the Palm folders and the
// HotSync user ID. Each key goes to the file at once.
//
//   [UserInfo] PalmOutPath, PalmInPath, userHSCode,
//              ENPath / RMPath / PCPath / PGPath (one per mode)
//   [Tomekit]  ProgMode
#include "fields/AppState.h"

#include <cstdint>
#include <string>

namespace tk {

// What a folder key holds until the user chooses. On Windows the fixed
// install location; elsewhere the "Import and Export" folder that
// MakeWorkFolders creates beside the program.
std::string DefaultFolder(const AppState& state);

// Palm folders, HotSync ID, mode, then the mode's folder. A mode that isn't
// 0..3 (a hand-edited file) is taken as EndNote.
bool ReadSettings(AppState& state);

// Palm folders, the current mode's folder, HotSync ID, mode. Throws
// OperationError "Unable to write to <settings file>" when a key can't be
// written; the keys before it are written.
bool WriteSettings(const AppState& state);

// "ProgMode" alone, as a mode change records it at once.
void WriteProgMode(const AppState& state, std::int32_t mode);

}  // namespace tk
