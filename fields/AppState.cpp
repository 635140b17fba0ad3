#include "fields/AppState.h"

#include "fields/FieldTable.h"
#include "platform/Path.h"

namespace tk {

std::array<FldDef, kFieldTableSize> FldTable{};

AppState::AppState() { resetPopupLists(); }

void AppState::resetPopupLists() { popupLists.assign(kPopupListCount, {}); }

AppState MakeAppState(const std::string& programFolder, const std::string& programName) {
  AppState state;
  state.programFolder = programFolder;
  state.settingsFile = JoinPath(programFolder, programName + ".INI");
  return state;
}

}  // namespace tk
