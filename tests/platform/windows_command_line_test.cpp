// How Windows splits the line back is pinned by the process test, whose child
// gets its arguments through this line.
#include "platform/WindowsCommandLine.h"

#include <gtest/gtest.h>

namespace tk {

TEST(windows_command_line_test, quotes_only_items_the_split_would_change) {
  EXPECT_EQ(
      WindowsCommandLine({"jconv5.exe", "C:\\PROGRA~1\\TKWork\\in.tmp", "", "a b", "tab\there",
                          "C:\\Program Files\\x\\", "say \"hi\"", "a\\\\\"b", "a\\\\b c"}),
      "jconv5.exe C:\\PROGRA~1\\TKWork\\in.tmp \"\" \"a b\" \"tab\there\" "
      "\"C:\\Program Files\\x\\\\\" \"say \\\"hi\\\"\" \"a\\\\\\\\\\\"b\" \"a\\\\b c\"");
}

}  // namespace tk
