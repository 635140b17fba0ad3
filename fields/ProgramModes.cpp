#include "fields/ProgramModes.h"

#include "fields/FieldCatalogue.h"
#include "platform/Path.h"

#include <array>

namespace tk {
namespace {

constexpr std::array<ModeInfo, 4> kModes{{
    {"EndNote", 31, "stratEN.jfp", "ENPath", "JFile to EndNote", "EndNote to JFile", 405, 420, 420,
     600, "EndNote"},
    {"Ref. Manager", 33, "stratRM.jfp", "RMPath", "JFile to Ref Manager", "Ref Manager to JFile",
     490, 497, 497, 497, "Reference Manager"},
    {"ProCite (All Fields)", 47, "stratPC.jfp", "PCPath", "JFile to ProCite", "ProCite to JFile",
     583, 600, 600, 600, "ProCite"},
    {"ProCite (Generic)", 24, "stratPG.jfp", "PGPath", "JFile to ProCite", "ProCite to JFile", 405,
     420, 420, 600, "ProCite"},
}};

}  // namespace

const ModeInfo* ModeInfoOf(std::int32_t mode) {
  return IsKnownMode(mode) ? &kModes[static_cast<std::size_t>(mode)] : nullptr;
}

const char* ManagerNameOf(std::int32_t mode) {
  const ModeInfo* info = ModeInfoOf(mode);
  return info ? info->managerName : kModes[0].managerName;
}

void SetStrategyPath(AppState& state) {
  if (const ModeInfo* info = ModeInfoOf(state.convMode)) {
    state.strategyPath = JoinPath(state.programFolder, info->strategyFile);
  }
}

}  // namespace tk
