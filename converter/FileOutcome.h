#pragma once
// What a conversion loop tells its caller after each chosen file, in either
// direction, so the window and the command line can report as they go.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tk {

struct FileOutcome {
  std::string file;          // as chosen
  std::int32_t records = 0;  // the driver's result
  bool converted = false;    // the destination file was written
  bool stopped = false;      // the user stopped it; the rest of the choice is not started
  bool kept = false;         // the user chose to keep the earlier result; nothing was done
  bool replaced = false;     // converted over an earlier result at output
  std::string output;        // where the result goes
  std::string reason;        // why it did not convert, on one line; may be empty
  std::string statusText;    // what the status bar says after this file
  // How the result reaches the handheld at the next sync, a phrase each
  // ("added to J-Pilot's install list"), the command to copy it by hand last.
  std::vector<std::string> routes;
  std::string installCommand;  // that command alone, for the window to copy
};
using FileDone = std::function<void(const FileOutcome&)>;

}  // namespace tk
