#include "fields/ProgramModes.h"

namespace tk {
namespace {

constexpr std::array<ModeInfo, kAllModes.size()> kModes{{
    {
        .mode = Mode::EndNote,
        .menuCaption = "EndNote",
        .menuName = "EndNote1",
        .cliName = "endnote",
        .fieldCount = 31,
        .prefix = "EN-",
        .strategyFile = "stratEN.jfp",
        .folderKey = {settings_key::kUserInfo, "ENPath"},
        .charsetKey = {settings_key::kTomekit, "ENCharset"},
        .palmCharsetKey = {settings_key::kTomekit, "ENPalmCharset"},
        .exportFormatKey = {settings_key::kTomekit, "ENExportFormat"},
        .lastFolderKey = {settings_key::kTomekit, "ENLastFolder"},
        .lastPdbFolderKey = {settings_key::kTomekit, "ENLastPDBFolder"},
        .exportCaption = "JFile to EndNote",
        .importCaption = "EndNote to JFile",
        .exportExtension = ".tsv",
        .managerName = "EndNote",
        .importFilter = "EndNote Exports (*.txt)|*.TXT",
        .inputNotOpened = "Couldnt Open input .tsv file",
        .folderLabel = "EndNote Import/Export",
        .folderHint = "Where you keep files to import/export with EndNote",
        .folderBrowseTitle = "Endnote import/export Folder",
        .widths = {.panel = 405, .window = 420, .windowMin = 420, .windowMax = 600},
    },
    {
        .mode = Mode::RefMan,
        .menuCaption = "Ref. Manager",
        .menuName = "RefManager1",
        .cliName = "refman",
        .fieldCount = 33,
        .prefix = "RM-",
        .strategyFile = "stratRM.jfp",
        .folderKey = {settings_key::kUserInfo, "RMPath"},
        .charsetKey = {settings_key::kTomekit, "RMCharset"},
        .palmCharsetKey = {settings_key::kTomekit, "RMPalmCharset"},
        .exportFormatKey = {},
        .lastFolderKey = {settings_key::kTomekit, "RMLastFolder"},
        .lastPdbFolderKey = {settings_key::kTomekit, "RMLastPDBFolder"},
        .exportCaption = "JFile to Ref Manager",
        .importCaption = "Ref Manager to JFile",
        .exportExtension = ".RIS",
        .managerName = "Reference Manager",
        .importFilter = "Reference Manager Exports (*.txt)|*.TXT",
        .inputNotOpened = "Couldnt Open input .csv file",
        .folderLabel = "Ref Mngr Import/Export",
        .folderHint = "Where you keep files to import/export with Reference Manager",
        .folderBrowseTitle = "Reference Manager import/export Folder",
        .widths = {.panel = 490, .window = 497, .windowMin = 497, .windowMax = 497},
    },
    {
        .mode = Mode::ProCite,
        .menuCaption = "ProCite (All Fields)",
        .menuName = "ProCite1",
        .cliName = "procite",
        .fieldCount = 47,
        .prefix = "PR-",
        .strategyFile = "stratPC.jfp",
        .folderKey = {settings_key::kUserInfo, "PCPath"},
        .charsetKey = {settings_key::kTomekit, "PCCharset"},
        .palmCharsetKey = {settings_key::kTomekit, "PCPalmCharset"},
        .exportFormatKey = {},
        .lastFolderKey = {settings_key::kTomekit, "PCLastFolder"},
        .lastPdbFolderKey = {settings_key::kTomekit, "PCLastPDBFolder"},
        .exportCaption = "JFile to ProCite",
        .importCaption = "ProCite to JFile",
        .exportExtension = ".tsv",
        .managerName = "ProCite",
        .importFilter = "ProCite Exports (*.txt)|*.TXT",
        .inputNotOpened = "Couldnt Open input .tsv file",
        .folderLabel = "ProCite Import/Export",
        .folderHint = "Where you keep files to import/export with ProCite",
        .folderBrowseTitle = "ProCite import/export Folder",
        .widths = {.panel = 583, .window = 600, .windowMin = 600, .windowMax = 600},
    },
    {
        .mode = Mode::ProCiteGeneric,
        .menuCaption = "ProCite (Generic)",
        .menuName = "ProCiteGeneric1",
        .cliName = "procite-generic",
        .fieldCount = 24,
        .prefix = "PG-",
        .strategyFile = "stratPG.jfp",
        .folderKey = {settings_key::kUserInfo, "PGPath"},
        .charsetKey = {settings_key::kTomekit, "PGCharset"},
        .palmCharsetKey = {settings_key::kTomekit, "PGPalmCharset"},
        .exportFormatKey = {},
        .lastFolderKey = {settings_key::kTomekit, "PGLastFolder"},
        .lastPdbFolderKey = {settings_key::kTomekit, "PGLastPDBFolder"},
        .exportCaption = "JFile to ProCite",
        .importCaption = "ProCite to JFile",
        .exportExtension = ".tsv",
        .managerName = "ProCite",
        .importFilter = "ProCite Exports (*.txt)|*.TXT",
        .inputNotOpened = "Couldnt Open input .tsv file",
        .folderLabel = "ProCite Import/Export",
        .folderHint = "Where you keep files to import/export with ProCite",
        .folderBrowseTitle = "ProCite import/export Folder",
        .widths = {.panel = 405, .window = 420, .windowMin = 420, .windowMax = 600},
    },
}};

constexpr bool RowsInModeOrder() {
  for (std::size_t i = 0; i < kModes.size(); ++i) {
    if (kModes[i].mode != kAllModes[i] || ModeIndex(kAllModes[i]) != i) return false;
  }
  return true;
}
static_assert(RowsInModeOrder(), "one row per mode, in the order of the mode numbers");

}  // namespace

std::optional<Mode> ModeFromNumber(std::int32_t number) {
  for (Mode mode : kAllModes) {
    if (ModeNumber(mode) == number) return mode;
  }
  return std::nullopt;
}

const ModeInfo& InfoOf(Mode mode) { return kModes[ModeIndex(mode)]; }

}  // namespace tk
