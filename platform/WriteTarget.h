#pragma once
// Where a write that replaces a file lands, and whether it may. A link the
// caller means to write through is followed to its final target, so that the
// link stays a link; any other link is itself what gets replaced. An existing
// file the user may not write is not replaced, since a rename beside it would
// get round its permission bits.
#include <filesystem>
#include <optional>
#include <string>

namespace tk {

struct WriteTarget {
  std::string path;                             // the final target
  std::optional<std::filesystem::perms> perms;  // of the file it replaces
};

// nullopt when an existing target may not be written by this user, is no
// regular file, or the links never end. Unless followLinks, a link at path
// is the target itself, to be replaced.
std::optional<WriteTarget> ResolveWriteTarget(const std::string& path, bool followLinks = true);

// The end of a chain of links; path itself when it is no link.
std::string FinalTarget(const std::string& path);

}  // namespace tk
