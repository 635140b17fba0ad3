#pragma once
// The export button: every chosen PDB goes through jconv5 back to CSV and on
// to the file the current reference manager imports, in its import/export
// folder. Each file's result is the status text.
#include "converter/FileOutcome.h"
#include "export/ExportRun.h"
#include "fields/FieldSetup.h"
#include "fields/Settings.h"
#include "platform/FileDialog.h"
#include "platform/Ui.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

// The open dialog's filter for the mode's databases.
std::string ExportDialogFilter(Mode mode);

// "%d Records Transferred to <manager>" for the mode.
std::string ExportStatusText(Mode mode, std::int32_t records);

// The button's loop over the files chosen, in dialog order; an empty list
// (cancelled dialog) does nothing. Each file's log lines are added to log.
// onDone, when given, hears of each file. The status text of the last file.
[[nodiscard]] std::string ExportChosenFiles(const Settings& settings, const FieldSetup& setup,
                                            std::vector<std::string>& log, Ui& ui,
                                            const std::vector<std::string>& chosen,
                                            const FileDone& onDone = {});

// Exports run.pdbPath, its files named as ExportChosenFiles names them;
// every message shown as it happens, the log lines in run.log.
[[nodiscard]] FileOutcome RunExport(const Settings& settings, const FieldSetup& setup,
                                    ExportRun& run, Ui& ui);

}  // namespace tk
