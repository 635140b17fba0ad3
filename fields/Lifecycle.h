#pragma once
// Start and end of a session, shared by the window and the command line.
#include "fields/AppState.h"
#include "platform/Ui.h"

namespace tk {

// Reads the settings and sets up the saved mode. Needs programFolder and
// settingsFile (MakeAppState). OperationError escapes to the caller's error
// display.
void StartUp(AppState& state, Ui& ui);

// Takes the panel into the field table, saves the mode's strategy (silently
// skipped when it can't be written), closes the diagnostic log with a blank
// line and the program location and saves it as Log.txt, then saves the
// settings. OperationError "Unable to write to <path>" when the log or the
// settings can't be written.
void ShutDown(AppState& state, Ui& ui);

// Program folder + "Log.txt".
std::string LogFilePath(const AppState& state);

// Closes the diagnostic log with a blank line and the program location and
// saves it as Log.txt; false when it can't be written.
bool SaveDiagnosticLog(AppState& state);

}  // namespace tk
