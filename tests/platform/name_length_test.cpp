// A name as long as the system takes must be writable like any other: the
// temporary file beside it may not push it past the limit.
#include "platform/Files.h"
#include "platform/NameLength.h"
#include "platform/Path.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// 255 as the system counts: "é" is two bytes on Linux, one unit on Windows.
// The leading "x" puts every "é" at an odd offset, where a cut by bytes at
// an even one would split it.
std::string LongestName(const std::string& end) {
  std::string name = "x";
  while (FileNameLength(name) + FileNameLength("é") + FileNameLength(end) <= kMaxFileNameLength)
    name += "é";
  while (FileNameLength(name) + FileNameLength(end) < kMaxFileNameLength) name += "x";
  return name + end;
}

// part starts with a piece of name that ends between two characters.
void ExpectStartInWholeCharacters(const std::string& part, const std::string& name) {
  const std::string start = part.substr(0, part.find('~'));
  ASSERT_LT(start.size(), name.size());
  EXPECT_EQ(name.substr(0, start.size()), start);
  EXPECT_NE(static_cast<unsigned char>(name[start.size()]) & 0xC0, 0x80) << "a character cut";
}

TEST(name_length_test, a_cut_never_splits_a_character) {
  const std::string accents = "éé";
#ifdef _WIN32
  EXPECT_EQ(FileNameLength(accents + "\xF0\x9F\x98\x80"), 4u);  // a pair of UTF-16 units
  EXPECT_EQ(FileNameStart(accents, 1), "é");
#else
  EXPECT_EQ(FileNameLength(accents), 4u);
  EXPECT_EQ(FileNameStart(accents, 3), "é");
#endif
}

// Two such names that differ only at their end are written through temporary
// files of their own. Writing the longest names is the command line's
// end-to-end test.
TEST(name_length_test, the_longest_names_get_temporary_names_of_their_own_within_the_limit) {
#ifdef _WIN32
  GTEST_SKIP() << "a name of 255 units in any folder passes the 260 of a Windows path";
#endif
  test::TempFolder dir;
  const std::string a = dir.file(LongestName("a.csv")), b = dir.file(LongestName("b.csv"));
  ASSERT_EQ(FileNameLength(ExtractFileName(a)), kMaxFileNameLength);
  for (const std::string& target : {a, b}) {
    const std::string part = ExtractFileName(PartFileOf(target));
    EXPECT_LE(FileNameLength(part), kMaxFileNameLength);
    ExpectStartInWholeCharacters(part, ExtractFileName(target));
  }
  EXPECT_NE(PartFileOf(a), PartFileOf(b));
}

}  // namespace
}  // namespace tk
