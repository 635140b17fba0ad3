#pragma once
// Start and end of a session, shared by the window and the command line.
#include "fields/FieldSetup.h"
#include "fields/Settings.h"
#include "platform/Ui.h"
#include "session/ModeSetup.h"

#include <string>
#include <vector>

namespace tk {

// Reads the settings and sets up the saved mode. Needs dataFolder and
// settingsFile (MakeSettings). Settings that can't be written abandon the
// set-up with their error, but the saved mode's strategy is still loaded.
ModeResult StartUp(Settings& settings, FieldSetup& setup, Ui& ui);

struct [[nodiscard]] ShutDownResult {
  // "Unable to write to <path>" for each of the strategy, the log and the
  // settings that couldn't be saved, in that order.
  std::vector<std::string> errors;
};

// Saves the mode's strategy (only one that was loaded whole), closes the
// diagnostic log and saves it as Log.txt, then saves the settings; each is
// tried whatever became of the one before. The window takes its panel into
// the table first.
ShutDownResult ShutDown(const Settings& settings, const FieldSetup& setup,
                        std::vector<std::string>& log);

// Data folder + "Log.txt".
std::string LogFilePath(const std::string& dataFolder);

// Closes the diagnostic log with a blank line and the program's own location
// and saves it as Log.txt in the data folder; false when it can't be written.
[[nodiscard]] bool SaveDiagnosticLog(std::vector<std::string>& log, const Settings& settings);

}  // namespace tk
