// Detection decides how a whole file is read, and the transcoding decides
// every byte that reaches the Palm and comes back from it.
#include "platform/Charset.h"
#include "platform/Files.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// Through a real file, so characters split between reads are met: what the
// file is taken to be, and what reading it as UTF-8 gives.
std::pair<Charset, std::string> ReadFile(const std::string& bytes) {
  test::TempFolder folder;
  const std::string path = folder.file("in.txt");
  test::WriteBytes(path, bytes);
  InputFile in;
  EXPECT_TRUE(in.open(path, Transcoding{SourceCharset::Utf8, PalmCharset::Windows1252}));
  std::string out;
  for (int c = in.get(); c >= 0; c = in.get()) out += static_cast<char>(c);
  return {DetectFileCharset(path), out};
}

const std::string kLong(70000, 'a');        // beyond one read of a file
const std::string kReadButOne(65535, 'a');  // what follows straddles two reads

}  // namespace

TEST(charset_test, files_are_detected_and_utf8_becomes_windows_1252_with_marks) {
  const std::string mark(1, kReplacedMark);
  const auto utf8 = Charset::Utf8, w1252 = Charset::Windows1252;
  const std::tuple<std::string, Charset, std::string> cases[] = {
      // A byte-order mark makes it UTF-8 whatever follows; it is dropped.
      {"\xEF\xBB\xBFz\xC3\x85\xC3\xB0\xC2\xB0\xE9", utf8, "z\xC5\xF0\xB0" + mark},
      {"\xE2\x80\xA6", utf8, "..."},
      {"\xC2\x81\xC2\x90", utf8, mark + mark},  // other C1 controls
      {"\xC4\x85\xC4\xB0\xC6\xB0\xD0\xB0\xF0\x9F\x98\x80", utf8, mark + mark + mark + mark + mark},
      {"a\xEF\xBB\xBF", utf8, "a" + mark},                // a BOM later is a character
      {"\xE2\x82\xAC\xEF\xBB\xBF", utf8, "\x80" + mark},  // after any character
      {"\xFF\xEF\xBB\xBF", w1252, mark + mark},           // after a malformed byte too
      {"\xFF\xC3(\xE2\x82", w1252, mark + mark + "(" + mark},
      {"\xC3\xA9-\xE2\x80", w1252, "\xE9-" + mark},       // cut off by the end
      {"\xC3\xA9\xC0\xAF", w1252, "\xE9" + mark + mark},  // overlong
      {"\xC3\xA9\xED\xA0\x80", w1252, "\xE9" + mark},     // surrogate
      {"\xC3\xA9" + kLong + "\xE9", w1252, "\xE9" + kLong + mark},
      {kLong, w1252, kLong},
      {"", w1252, ""},
  };
  for (const auto& [bytes, detected, decoded] : cases) {
    EXPECT_EQ(ReadFile(bytes), std::pair(detected, decoded)) << bytes;
    // Split between two reads; a byte-order mark there is a character.
    if (bytes.starts_with(kUtf8ByteOrderMark)) continue;
    EXPECT_TRUE(ReadFile(kReadButOne + bytes) == std::pair(detected, kReadButOne + decoded))
        << bytes;
  }
  EXPECT_EQ(DetectFileCharset("/no/such/file"), Charset::Windows1252);
}

TEST(charset_test, every_windows_1252_character_survives_the_round_trip) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    if (UnicodeOfWindows1252(static_cast<unsigned char>(b))) all += static_cast<char>(b);
  EXPECT_EQ(all.size(), 250u);  // 0x81, 0x8D, 0x8F, 0x90 and 0x9D are unassigned
  EXPECT_EQ(ReadFile(Utf8OfWindows1252(all)).second, all);
  EXPECT_EQ(Utf8OfWindows1252("\x80\x85\x81\xE9"), "\xE2\x82\xAC\xC2\x85\xC2\x81\xC3\xA9");
  EXPECT_EQ(Windows1252OfUtf8("Caf\xC3\xA9\xC2\xA0\xD0\xB0\xE2\x80\xA6"), "Caf\xE9\xA0?\x85");
}

}  // namespace tk
