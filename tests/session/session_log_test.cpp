// Log.txt as a session goes: each line on disk soon after it is added, the
// last session's log beside it.
#include "session/SessionLog.h"

#include "mock/TempFolder.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

std::vector<std::string> OnDisk(const std::string& path) {
  std::vector<std::string> lines;
  EXPECT_TRUE(ReadTextLines(path, lines));
  return lines;
}

TEST(session_log_test, lines_reach_the_file_as_they_come_and_the_last_session_is_kept) {
  const test::TempFolder dir;
  const std::string path = dir.file("Log.txt");
  test::WriteBytes(path, "last session\r\n");
  std::vector<std::string> lines{"before"};
  SessionLog log(path, lines, "Session started now");
  EXPECT_EQ(OnDisk(PreviousLogPath(path)), std::vector<std::string>{"last session"});
  lines.push_back("one");
  ASSERT_TRUE(log.flush());
  ASSERT_TRUE(log.flush());  // nothing new: nothing added
  EXPECT_EQ(OnDisk(path), (std::vector<std::string>{"Session started now", "before", "one"}));
  log.markSaved();
  lines.push_back("three");
  ASSERT_TRUE(log.flush());
  EXPECT_EQ(OnDisk(path).back(), "three");
}

// A file name holding CR LF (or any control character) can't forge a line:
// the log names it on one line, as it flushes and as it is saved whole.
TEST(session_log_test, control_characters_in_a_line_never_make_a_line_of_their_own) {
  const test::TempFolder dir;
  const std::string path = dir.file("Log.txt");
  std::vector<std::string> lines;
  SessionLog log(path, lines, "start");
  lines.push_back("Input Name is /refs/a.txt\r\n4 Records Transferred to  JFile\x07.txt");
  ASSERT_TRUE(log.flush());
  const std::string one =
      "Input Name is /refs/a.txt<CR><LF>4 Records Transferred to  JFile<0x07>.txt";
  EXPECT_EQ(OnDisk(path), (std::vector<std::string>{"start", one}));
  EXPECT_EQ(LogFileLines({"a\tb", "\n"}), (std::vector<std::string>{"a\tb", "<LF>"}));
}

}  // namespace
}  // namespace tk
