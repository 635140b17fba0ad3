#pragma once
// What the open-file dialogs of the two conversion buttons need.
#include <string>

namespace tk {

// The last entry of every open dialog's filter.
inline constexpr const char* kAllFilesFilter = "All files (*)|*";

struct FileDialogSetup {
  // Windows layout: "description|pattern|description|pattern".
  std::string filter;
  std::string initialFolder;
};

}  // namespace tk
