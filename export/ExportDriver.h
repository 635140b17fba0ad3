#pragma once
// The export button: every chosen PDB goes through jconv5 back to CSV and on
// to the file the current reference manager imports, in its import/export
// folder. Each file's result is the status text.
#include "fields/AppState.h"
#include "platform/FileDialog.h"
#include "platform/Ui.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

// Filter by mode and the Palm backup folder to start in.
FileDialogSetup ExportDialogSetup(const AppState& state);

// ".tsv", or ".RIS" for Reference Manager.
const char* ExportExtension(std::int32_t convMode);
// "%d Records Transferred to <manager>" for the mode.
std::string ExportStatusText(std::int32_t convMode, std::int32_t records);

// The button's loop over the files chosen, in dialog order; an empty list
// (cancelled dialog) does nothing. onDone, when given, hears of each file.
void ExportChosenFiles(AppState& state, Ui& ui, const std::vector<std::string>& chosen,
                       const FileDone& onDone = {});

// Exports state.pdbPath; the number of records written, 0 when the converter
// stage failed. converted (when given) tells whether the output was written.
std::int32_t RunExport(AppState& state, Ui& ui, bool* converted = nullptr);

}  // namespace tk
