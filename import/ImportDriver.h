#pragma once
// The import button: every chosen export file becomes a CSV and an IFO file
// in the work folder and, through jconv5, a PDB in the Palm install folder;
// then the HotSync install request is set for the next HotSync.
#include "fields/AppState.h"
#include "platform/FileDialog.h"
#include "platform/Ui.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

// Filter by mode and the mode's import/export folder to start in.
FileDialogSetup ImportDialogSetup(const AppState& state);

// The button's loop over the files chosen, in dialog order. The install
// request is set at the end even when the list is empty (a cancelled
// dialog). onDone, when given, hears of each file.
void ImportChosenFiles(AppState& state, Ui& ui, const std::vector<std::string>& chosen,
                       const FileDone& onDone = {});

// Imports state.inputPath; the number of records read, 0 on failure.
// converted (when given) tells whether the PDB was written.
std::int32_t RunImport(AppState& state, Ui& ui, bool* converted = nullptr);

}  // namespace tk
