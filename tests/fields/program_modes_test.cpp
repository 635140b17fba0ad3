#include "fields/ProgramModes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tk {

// A row copied from its neighbour and not fully edited would make two modes
// share a file, a settings key or a name: the second would read and
// overwrite the first's.
TEST(program_modes_test, no_two_modes_share_a_file_key_or_name) {
  std::set<std::string> prefixes, strategies, folderKeys, charsetKeys, cliNames, menuNames;
  for (const Mode mode : kAllModes) {
    const ModeInfo& info = InfoOf(mode);
    SCOPED_TRACE(info.cliName);
    EXPECT_EQ(info.mode, mode);
    EXPECT_TRUE(prefixes.insert(info.prefix).second);
    EXPECT_TRUE(strategies.insert(info.strategyFile).second);
    EXPECT_TRUE(folderKeys.insert(info.folderKey.name).second);
    EXPECT_TRUE(charsetKeys.insert(info.charsetKey.name).second);
    EXPECT_TRUE(cliNames.insert(info.cliName).second);
    EXPECT_TRUE(menuNames.insert(info.menuName).second);
  }
}

}  // namespace tk
