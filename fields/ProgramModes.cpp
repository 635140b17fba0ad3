#include "fields/ProgramModes.h"

#include <array>

namespace tk {
namespace {

constexpr std::array<ModeInfo, 4> kModes{{
    {"EndNote", 31, "EN-", "stratEN.jfp", "ENPath", "ENCharset", "JFile to EndNote",
     "EndNote to JFile", ".tsv", "EndNote", 405, 420, 420, 600},
    {"Ref. Manager", 33, "RM-", "stratRM.jfp", "RMPath", "RMCharset", "JFile to Ref Manager",
     "Ref Manager to JFile", ".RIS", "Reference Manager", 490, 497, 497, 497},
    {"ProCite (All Fields)", 47, "PR-", "stratPC.jfp", "PCPath", "PCCharset", "JFile to ProCite",
     "ProCite to JFile", ".tsv", "ProCite", 583, 600, 600, 600},
    {"ProCite (Generic)", 24, "PG-", "stratPG.jfp", "PGPath", "PGCharset", "JFile to ProCite",
     "ProCite to JFile", ".tsv", "ProCite", 405, 420, 420, 600},
}};

}  // namespace

bool IsKnownMode(std::int32_t mode) { return mode >= 0 && mode < std::int32_t{kModes.size()}; }

const ModeInfo* ModeInfoOf(std::int32_t mode) {
  return IsKnownMode(mode) ? &kModes[static_cast<std::size_t>(mode)] : nullptr;
}

const ModeInfo& ModeOrEndNote(std::int32_t mode) {
  const ModeInfo* info = ModeInfoOf(mode);
  return info ? *info : kModes[kModeEndNote];
}

int FieldCountOf(std::int32_t mode) {
  const ModeInfo* info = ModeInfoOf(mode);
  return info ? info->fieldCount : 0;
}

std::string_view ModePrefix(std::int32_t mode) {
  const ModeInfo* info = ModeInfoOf(mode);
  return info ? info->prefix : "";
}

}  // namespace tk
