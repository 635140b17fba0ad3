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
      const ModeInfo &x = InfoOf(a), &y = InfoOf(b);
      const auto differ = [](std::string_view p, std::string_view q) { return p != q; };
      EXPECT_TRUE(a == b || (differ(x.prefix, y.prefix) && differ(x.strategyFile, y.strategyFile) &&
                             differ(x.folderKey.name, y.folderKey.name) &&
                             differ(x.charsetKey.name, y.charsetKey.name) &&
                             differ(x.cliName, y.cliName) && differ(x.menuName, y.menuName)))
          << x.cliName << " and " << y.cliName;
    }
  }
}

}  // namespace tk
