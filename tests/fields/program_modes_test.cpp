#include "fields/ProgramModes.h"

#include <gtest/gtest.h>

#include <string_view>

namespace tk {

// A row copied from its neighbour and not fully edited would make two modes
// share a file, a settings key or a name: the second would read and
// overwrite the first's.
TEST(program_modes_test, no_two_modes_share_a_file_key_or_name) {
  for (const Mode a : kAllModes) {
    for (const Mode b : kAllModes) {
      if (a == b) continue;
      const ModeInfo &x = InfoOf(a), &y = InfoOf(b);
      SCOPED_TRACE(std::string(x.cliName) + " and " + std::string(y.cliName));
      EXPECT_STRNE(x.prefix, y.prefix);
      EXPECT_STRNE(x.strategyFile, y.strategyFile);
      EXPECT_STRNE(x.folderKey.name, y.folderKey.name);
      EXPECT_STRNE(x.charsetKey.name, y.charsetKey.name);
      EXPECT_STRNE(x.cliName, y.cliName);
      EXPECT_STRNE(x.menuName, y.menuName);
    }
  }
}

}  // namespace tk
