#pragma once
// The short (8.3) form of a path, free of blanks, for command lines that
// can't carry quotes. Where the platform has no short names the path itself.
#include <string>

namespace tk {

std::string ShortPathName(const std::string& path);

}  // namespace tk
