#pragma once
// The import button: every chosen export file becomes a CSV and an IFO file
// in the work folder and, through jconv5, a PDB in the Palm install folder;
// then every route to the handheld is given each database (HandheldRoutes).
#include "converter/FileOutcome.h"
#include "fields/FieldSetup.h"
#include "fields/Settings.h"
#include "import/ImportRun.h"
#include "platform/FileDialog.h"
#include "platform/Ui.h"

#include <string>
#include <vector>

namespace tk {

// The open dialog's filter for the mode's exports.
std::string ImportDialogFilter(Mode mode);

// The button's loop over the files chosen, in dialog order, for the fields
// of setup (the window takes its panel into the table first). Each file's
// log lines are added to log. onDone, when given, hears of each file. The
// status text of the last file.
[[nodiscard]] std::string ImportChosenFiles(const Settings& settings, FieldSetup& setup,
                                            std::vector<std::string>& log, Ui& ui,
                                            const std::vector<std::string>& chosen,
                                            const FileDone& onDone = {});

// Imports run.inputPath, named by NameImportOutputs: IFO, CSV, converter;
// every message shown as it happens, and the log lines in run.log.
[[nodiscard]] FileOutcome RunImport(const Settings& settings, FieldSetup& setup, ImportRun& run,
                                    Ui& ui);

}  // namespace tk
