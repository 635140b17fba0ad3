#pragma once
// What a conversion loop tells its caller after each chosen file, in either
// direction, so the window and the command line can report as they go.
#include <cstdint>
#include <functional>
#include <string>

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
};
using FileDone = std::function<void(const FileOutcome&)>;

}  // namespace tk
