#pragma once
// One run of tomekit-cli over the data folder's settings, strategy files and
// work folder.
#include <ostream>
#include <string>
#include <vector>

namespace tk::cli {

// kStopped is what a shell reports for a program ended by Ctrl-C.
enum ExitStatus { kAllConverted = 0, kSomeFailed = 1, kUsageError = 2, kStopped = 130 };

// The whole program: args without the program name. The status texts of
// converted files go to out, messages and the status texts of the others to
// err. jconv5 is looked for in programFolder, the program's own.
int RunBatch(const std::vector<std::string>& args, const std::string& dataFolder,
             const std::string& programFolder, std::ostream& out, std::ostream& err);

}  // namespace tk::cli
