#pragma once
// The program's environment, as UTF-8 text like every other text inside.
#include <string>

namespace tk {

// The value of the variable name (ASCII), empty when it is not set. On
// Windows it is read wide: the narrow environment is in the ANSI code page,
// which can't hold every letter of a user's name.
std::string EnvironmentValue(const char* name);

}  // namespace tk
