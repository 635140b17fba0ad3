#pragma once
// The four program modes and what each one decides: its strategy file, its
// settings key for the reference manager's folder, the captions of the two
// conversion buttons and the window's widths.
#include "fields/AppState.h"

#include <cstdint>

namespace tk {

struct ModeInfo {
  const char* menuCaption;  // item of the "Mode" menu
  int fieldCount;
  const char* strategyFile;   // in the program folder
  const char* folderKey;      // "UserInfo" key of importExportFolder
  const char* exportCaption;  // Btn2EN: JFile -> reference manager
  const char* importCaption;  // Btn2JF: reference manager -> JFile
  int panelWidth;             // Panel1 and Panel3, pixels
  int windowWidth;
  int windowMinWidth;
  int windowMaxWidth;
  const char* managerName;  // in file-dialog filters and status texts
};

// The row of a mode; null for a mode outside 0..3.
const ModeInfo* ModeInfoOf(std::int32_t mode);

// The reference manager of a mode; EndNote for a mode outside 0..3.
const char* ManagerNameOf(std::int32_t mode);

// Program folder + separator + the mode's strategy file name; an unknown
// mode leaves strategyPath as it was.
void SetStrategyPath(AppState& state);

}  // namespace tk
