#pragma once
// The folder each open dialog last took a file from, per mode and per
// dialog (the manager's exports to import, the PDB files to export), kept under the keys of the
// mode's row (ENLastFolder for EndNote's exports, ENLastPDBFolder for its PDB files, and so on).
// The reference manager's folder and the Palm folders stay what the user set; these only say where
// the dialog opens.
#include "converter/Direction.h"
#include "fields/Settings.h"

#include <cstdint>
#include <string>

namespace tk {

// The folder saved for the dialog, when it still exists; else fallback.
std::string LastFolderOr(const Settings& settings, Mode mode, Direction from,
                         const std::string& fallback);

// Records the folder of the first file chosen; false when the settings file
// can't be written (the dialog then opens where it did before).
[[nodiscard]] bool WriteLastFolder(const Settings& settings, Mode mode, Direction from,
                                   const std::string& chosenFile);

}  // namespace tk
