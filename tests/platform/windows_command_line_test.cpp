#include "platform/WindowsCommandLine.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/WideText.h"

#include "platform/WindowsApi.h"
// Needs the types of <windows.h>.
#include <shellapi.h>
#endif

namespace tk {
namespace {

TEST(windows_command_line_test, quotes_only_items_the_split_would_change) {
  EXPECT_EQ(
      WindowsCommandLine({"jconv5.exe", "C:\\PROGRA~1\\TKWork\\in.tmp", "", "a b", "tab\there",
                          "C:\\Program Files\\x\\", "say \"hi\"", "a\\\\\"b", "a\\\\b c"}),
      "jconv5.exe C:\\PROGRA~1\\TKWork\\in.tmp \"\" \"a b\" \"tab\there\" "
      "\"C:\\Program Files\\x\\\\\" \"say \\\"hi\\\"\" \"a\\\\\\\\\\\"b\" \"a\\\\b c\"");
}

TEST(windows_command_line_test, the_system_splits_the_line_back_into_the_same_items) {
#ifndef _WIN32
  GTEST_SKIP() << "only Windows splits a command line (CommandLineToArgvW)";
#else
  // The program's own name is split by other rules; keep it plain.
  const std::vector<std::string> args = {
      "prog.exe",     "",         "C:\\Palm\\Install", "C:\\Program Files\\Tomekit\\",
      "say \"hi\"",   "a\\\\\"b", "tab\there",         "Müller Café\\Références.ris",
      "ends with\\\\"};
  int count = 0;
  wchar_t** split = CommandLineToArgvW(WideFromUtf8(WindowsCommandLine(args)).c_str(), &count);
  ASSERT_NE(split, nullptr);
  std::vector<std::string> back;
  for (int i = 0; i < count; ++i) back.push_back(Utf8FromWide(split[i]));
  LocalFree(split);
  EXPECT_EQ(back, args);
#endif
}

}  // namespace
}  // namespace tk
