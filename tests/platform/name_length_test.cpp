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

// The file's lines joined by "|"; paths with accents reach the system
// through the program's own readers.
std::string TextOf(const std::string& path) {
  std::vector<std::string> lines;
  if (!ReadTextLines(path, lines)) return "<unreadable>";
  std::string text;
  for (const auto& line : lines) text += (text.empty() ? "" : "|") + line;
  return text;
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

// Two such names that differ only at their end are written at the same time
// and each lands whole under its own name.
TEST(name_length_test, the_longest_names_are_written_replaced_and_kept_apart) {
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
  ASSERT_TRUE(WriteTextLines(a, {"earlier"}));
  OutputFile first, second;
  ASSERT_TRUE(first.open(a) && second.open(b));
  first.writeLine("first");
  second.writeLine("second");
  ASSERT_TRUE(first.commit() && second.commit());
  EXPECT_EQ(TextOf(a) + "|" + TextOf(b), "first|second");
  ASSERT_TRUE(CopyFileBytes(a, dir.file(LongestName(".PDB"))));
  EXPECT_EQ(TextOf(dir.file(LongestName(".PDB"))), "first");
}

}  // namespace
}  // namespace tk
