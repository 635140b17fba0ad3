#pragma once
// Files written a line at a time rather than whole: a log that must outlive a
// crash, where a half-written last line is better than none.
#include <string>
#include <vector>

namespace tk {

// Adds lines, each ended by CR LF, to the end of the file (made when
// missing), handed to the system before it returns (not synced to disk).
[[nodiscard]] bool AppendTextLines(const std::string& path, const std::vector<std::string>& lines);
// Renames from over to, replacing an older file of that name.
[[nodiscard]] bool RenameFile(const std::string& from, const std::string& to);

}  // namespace tk
