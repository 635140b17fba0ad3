#pragma once
// The built-in default strategy of each mode, as the lines of its file.
#include "fields/ProgramModes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tk {

// The 16 lines of the mode's default strategy file, without line ends. Some
// lists run past the mode's field count or stop short of it; they are kept
// so, as files written before expect.
std::vector<std::string> DefaultStrategyLines(Mode mode);

}  // namespace tk
