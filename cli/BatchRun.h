#pragma once
// One run of tomekit-cli over the data folder's settings, strategy files and
// work folder.
#include "cli/CommandLine.h"
#include "fields/FieldSetup.h"
#include "fields/Settings.h"
#include "platform/Ui.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tk::cli {

// kStopped is what a shell reports for a program ended by Ctrl-C.
enum ExitStatus { kAllConverted = 0, kSomeFailed = 1, kUsageError = 2, kStopped = 130 };

// What one run works on; the window keeps the same things for itself.
struct BatchSession {
  Settings settings;
  FieldSetup setup;
  std::vector<std::string> log;  // saved as Log.txt when the run ends
  std::string statusText;        // of the last file converted
};

// Reads the settings and sets up the mode (the saved one unless mode is
// given) without writing the settings: the saved mode stays. The strategy
// file is only written when it is missing. False when the mode can't be
// used; a value that is not a whole number is told through the Ui.
bool PrepareMode(BatchSession& session, Ui& ui, std::optional<Mode> mode);

// Runs import or export on the files; the status texts of converted files
// to out, messages and the status texts of the others to the Ui's stream.
// The exit status.
int RunConversions(BatchSession& session, Ui& ui, const Invocation& invocation, std::ostream& out);

// The whole program: args without the program name. jconv5 is looked for
// in programFolder, the program's own.
int RunBatch(const std::vector<std::string>& args, const std::string& dataFolder,
             const std::string& programFolder, std::ostream& out, std::ostream& err);

}  // namespace tk::cli
