// Detection decides how a whole file is read, and the transcoding decides
// every byte that reaches the Palm and comes back from it.
#include "platform/Charset.h"
#include "platform/Files.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// Read through the input file, so characters split between reads are met.
std::string ReadDecoded(const std::string& bytes) {
  test::TempFolder folder;
  const std::string path = folder.file("in.txt");
  test::WriteBytes(path, bytes);
  InputFile in;
  EXPECT_TRUE(in.open(path, Charset::Utf8));
  std::string out;
  for (int c = in.get(); c >= 0; c = in.get()) out += static_cast<char>(c);
  return out;
}

Charset Detect(const std::string& bytes) {
  test::TempFolder folder;
  test::WriteBytes(folder.file("in.txt"), bytes);
  return DetectFileCharset(folder.file("in.txt"));
}

const std::string kLong(70000, 'a');  // beyond one read of a file

}  // namespace

TEST(charset_test, detection_needs_a_mark_or_valid_utf8_beyond_ascii) {
  const struct {
    const char* behaviour;
    std::string bytes;
    Charset expected;
  } cases[] = {
      {"a byte-order mark, whatever follows",
       "\xEF\xBB\xBF"
       "caf\xE9",
       Charset::Utf8},
      {"valid UTF-8 with one non-ASCII character", "caf\xC3\xA9", Charset::Utf8},
      {"a character split between two reads", std::string(65535, 'a') + "\xC3\xA9", Charset::Utf8},
      {"an invalid byte late in the file", "\xC3\xA9" + kLong + "\xE9", Charset::Windows1252},
      {"a character cut off by the end",
       "\xC3\xA9"
       "a\xE2\x80",
       Charset::Windows1252},
      {"an overlong form", "\xC3\xA9\xC0\xAF", Charset::Windows1252},
      {"a surrogate", "\xC3\xA9\xED\xA0\x80", Charset::Windows1252},
      {"pure ASCII", kLong, Charset::Windows1252},
      {"an empty file", "", Charset::Windows1252},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.behaviour);
    EXPECT_EQ(Detect(c.bytes), c.expected);
  }
  EXPECT_EQ(DetectFileCharset("/no/such/file"), Charset::Windows1252);
}

TEST(charset_test, utf8_becomes_windows_1252_with_marks_for_what_it_lacks) {
  const std::string mark(1, kReplacedMark);
  const struct {
    std::string utf8, windows1252;
  } cases[] = {
      {"\xEF\xBB\xBF"
       "a\xC3\x85\xC3\xB0\xC2\xB0",
       "a\xC5\xF0\xB0"},                                     // BOM, Å ð °
      {"\xE2\x80\xA6", "..."},                               // …
      {"\xC2\x85", "\x85"},                                  // NEL: the line-break mark
      {"\xC2\x81\xC2\x90", mark + mark},                     // other C1 controls
      {"\xE2\x82\xAC\xC5\xBE\xE2\x84\xA2", "\x80\x9E\x99"},  // € ž ™
      {"\xC4\x85\xC4\xB0\xC6\xB0\xD0\xB0\xF0\x9F\x98\x80", mark + mark + mark + mark + mark},
      {"a\xEF\xBB\xBF", "a" + mark},  // a BOM later is a character
      {"\xFF\xC3(\xE2\x82", mark + mark + "(" + mark},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadDecoded(c.utf8), c.windows1252) << c.utf8;
    // Split between two reads; a byte-order mark there is a character.
    const std::string start = kLong.substr(0, 65535);
    if (c.utf8.rfind("\xEF\xBB\xBF", 0) == 0) continue;
    EXPECT_TRUE(ReadDecoded(start + c.utf8) == start + c.windows1252) << c.utf8;
  }
}

TEST(charset_test, every_windows_1252_character_survives_the_round_trip) {
  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (UnicodeOfWindows1252(static_cast<unsigned char>(b))) all += static_cast<char>(b);
  }
  EXPECT_EQ(all.size(), 250u);  // 0x81, 0x8D, 0x8F, 0x90 and 0x9D are unassigned
  const std::string utf8 = Utf8OfWindows1252(all);
  EXPECT_EQ(ReadDecoded(utf8), all);
  EXPECT_NE(utf8.find("\xE2\x82\xAC"), std::string::npos);  // 0x80 is the euro sign
  EXPECT_EQ(Utf8OfWindows1252("\x85\x81\xE9"), "\xC2\x85\xC2\x81\xC3\xA9");
  EXPECT_EQ(Windows1252OfUtf8("Mol\xC3\xA9"
                              "cule \xD0\xB0\xE2\x80\xA6"),
            "Mol\xE9"
            "cule ?\x85");
}

TEST(charset_test, names_read_in_any_letter_case_and_unknown_ones_are_none) {
  EXPECT_EQ(CharsetFromName("UTF-8"), Charset::Utf8);
  EXPECT_EQ(CharsetFromName("Windows-1252"), Charset::Windows1252);
  EXPECT_EQ(CharsetFromName("auto"), Charset::Auto);
  EXPECT_EQ(CharsetFromName("latin1"), std::nullopt);
}

}  // namespace tk
