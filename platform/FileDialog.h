#pragma once
// What the open-file dialogs of the two conversion buttons need, and what a
// conversion loop tells its caller after each chosen file.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tk {

// The last entry of every open dialog's filter.
inline constexpr const char* kAllFilesFilter = "All files (*)|*";

struct FileDialogSetup {
  // Windows layout: "description|pattern|description|pattern".
  std::string filter;
  std::string initialFolder;
};

struct FileOutcome {
  std::string file;          // as chosen
  std::int32_t records = 0;  // the driver's result
  bool converted = false;    // the destination file was written
  bool stopped = false;      // the user stopped it; the rest of the choice is not started
  std::string statusText;    // what the status bar says after this file
};
using FileDone = std::function<void(const FileOutcome&)>;

}  // namespace tk
