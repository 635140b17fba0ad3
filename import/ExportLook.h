#pragma once
// What an export file looks like from its first bytes, so the EndNote mode
// picks its reader by content (never by name) and a file that is no export
// of the mode is refused with a reason instead of becoming junk records.
#include <string>
#include <string_view>

namespace tk {

enum class ExportLook {
  Empty,          // no bytes, or blanks alone
  NotText,        // NUL bytes or a picture's signature: no export has them
  Ris,            // "TY  - " opens a record
  EndNoteTagged,  // "%0 Journal Article" and its kin
  TabHeader,      // a first line of tab-separated field names
  EndNoteTab,     // text holding EndNote's record end, the degree sign
  Text,           // anything else: a ProCite export, or prose
};

// How far the look reaches: far enough for a header row or a blank line
// before the first tag, little enough to cost nothing.
inline constexpr std::size_t kLookLength = 4096;

ExportLook LookAtExportBytes(std::string_view head);
// The look of the file's first kLookLength bytes; Text when it can't be read
// (the reader then says so with its own message).
ExportLook LookAtExport(const std::string& path);

}  // namespace tk
