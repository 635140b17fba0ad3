#pragma once
// What the open-file dialogs of the two conversion buttons need, and what a
// conversion loop tells its caller after each chosen file.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tk {

struct FileDialogSetup {
  // Windows layout: "description|pattern|description|pattern".
  std::string filter;
  std::string initialFolder;
};

// The filter as (description, pattern) pairs, in order.
std::vector<std::pair<std::string, std::string>> SplitDialogFilter(const std::string& filter);

struct FileOutcome {
  std::string file;        // as chosen
  std::int32_t records;    // the driver's result
  bool converted;          // the destination file was written
};
using FileDone = std::function<void(const FileOutcome&)>;

}  // namespace tk
