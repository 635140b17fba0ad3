// The handheld's sets decide every byte JFile stores: words must come back
// as they went, widths must never split a character, and no character may
// be taken for a mark. Expected bytes are Python's codecs' where WHATWG's
// sets agree with them, the WHATWG index files' where they don't.
#include "platform/Charset.h"
#include "platform/PalmCharset.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tk {
namespace {

using enum PalmCharset;

// UTF-8 through the transcoder, in pieces of `piece` bytes.
std::string Transcode(std::string_view in, PalmCharset target, bool recordEnds = false,
                      SourceCharset source = SourceCharset::Utf8, std::size_t piece = 3) {
  ToPalmTranscoder transcoder(source, target, recordEnds);
  std::string out;
  for (std::size_t at = 0; at < in.size(); at += piece) transcoder.feed(in.substr(at, piece), out);
  transcoder.finish(out);
  return out;
}

TEST(palm_charset_test, names_are_the_whatwg_labels_in_any_case) {
  EXPECT_EQ(PalmCharsetFromName("Shift_JIS"), ShiftJis);
  EXPECT_EQ(PalmCharsetFromName("KOI8-R"), Koi8R);
  EXPECT_EQ(PalmCharsetFromName("gb2312"), std::nullopt);
  for (PalmCharset charset : kPalmCharsets)
    EXPECT_EQ(PalmCharsetFromName(PalmCharsetName(charset)), charset);
}

TEST(palm_charset_test, real_words_take_their_known_bytes_and_come_back) {
  const std::tuple<PalmCharset, std::string, std::string> cases[] = {
      {Windows1251, "Москва", "\xCC\xEE\xF1\xEA\xE2\xE0"},
      {Koi8R, "Москва", "\xED\xCF\xD3\xCB\xD7\xC1"},
      {Windows1253, "Αθήνα", "\xC1\xE8\xDE\xED\xE1"},
      {Windows1250, "Łódź",
       "\xA3\xF3"
       "d\x9F"},
      {Windows1254, "İstanbul", "\xDDstanbul"},
      {Windows1257, "Rīga", "R\xEEga"},
      {ShiftJis, "東京 ｱ", "\x93\x8C\x8B\x9E \xB1"},
      {Gbk, "北京 €", "\xB1\xB1\xBE\xA9 \x80"},
      {Big5, "臺北十", "\xBB\x4F\xA5\x5F\xA4\x51"},  // 十: the last of its two pointers
      {EucKr, "서울", "\xBC\xAD\xBF\xEF"},
      {ShiftJis, "\xEE\x80\x80", "\xF0\x40"},  // the user-defined area is private use
  };
  for (const auto& [charset, utf8, bytes] : cases) {
    EXPECT_EQ(PalmOfUtf8(charset, utf8), bytes) << PalmCharsetName(charset);
    EXPECT_EQ(Transcode(utf8, charset), bytes) << PalmCharsetName(charset);
    EXPECT_EQ(Utf8OfPalm(charset, bytes), utf8) << PalmCharsetName(charset);
    EXPECT_EQ(PalmOfCharacters(charset, CharactersOfPalm(charset, bytes)), bytes);
  }
}

TEST(palm_charset_test, the_encoders_folds_and_the_decoders_oddities) {
  EXPECT_EQ(PalmOfUtf8(ShiftJis, "¥‾−"), "\x5C\x7E\x81\x7C");
  // An NEC duplicate reads as its character, which is written as IBM's.
  EXPECT_EQ(PalmOfUtf8(ShiftJis, Utf8OfPalm(ShiftJis, "\xED\x40")), "\xFA\x5C");
  EXPECT_EQ(Utf8OfPalm(Big5, "\x88\x62"), "Ê\xCC\x84");  // a letter with two accents
  EXPECT_EQ(PalmOfUtf8(Big5, "Ê"), "?");                 // only the Hong Kong rows have it
  // A four-byte GB18030 sequence is no GBK: its bytes read one by one.
  EXPECT_EQ(Utf8OfPalm(Gbk, "\x81\x30\x81\x30"),
            "\xEF\xBF\xBD"
            "0\xEF\xBF\xBD"
            "0");
  // Unassigned bytes: C1 controls that come back, or U+FFFD that doesn't.
  EXPECT_EQ(CharactersOfPalm(Windows1250, "\x81\xAA"), U"\x81Ş");
  EXPECT_EQ(PalmOfCharacters(Windows1250, U"\x81"), "\x81");
  char32_t lacking = 0;
  EXPECT_EQ(PalmOfCharacters(Windows1253, CharactersOfPalm(Windows1253, "a\xAA"), &lacking),
            std::nullopt);
  EXPECT_EQ(lacking, U'\uFFFD');
}

TEST(palm_charset_test, marks_are_single_bytes_no_character_becomes) {
  const std::tuple<PalmCharset, PalmMarks> marks[] = {{Windows1252, {'\x85', '\x81', '\xB0'}},
                                                      {Windows1251, {'\x85', '\x1F', '\xB0'}},
                                                      {Koi8R, {'\x85', '\x1F', '\x9C'}},
                                                      {Big5, {'\xFF', '\x1F', '\x1E'}}};
  for (const auto& [charset, expected] : marks) {
    const PalmMarks got = MarksOf(charset);
    EXPECT_EQ(std::tuple(got.lineBreak, got.replaced, got.recordEnd),
              std::tuple(expected.lineBreak, expected.replaced, expected.recordEnd));
  }
  for (PalmCharset charset : kPalmCharsets) {
    const PalmMarks m = MarksOf(charset);
    EXPECT_EQ(Utf8OfPalm(charset, std::string(1, m.lineBreak)), "\xC2\x85");
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
      std::string bytes;
      if (!AppendPalmBytes(charset, c, bytes)) continue;
      const bool mark = bytes.size() == 1 && (bytes[0] == m.lineBreak || bytes[0] == m.replaced ||
                                              (bytes[0] == m.recordEnd && c != U'°'));
      const bool dbcsSafe = bytes.size() == 1 || bytes.find_first_of("\xFF\x1E\x1F") == bytes.npos;
      ASSERT_TRUE(!mark && dbcsSafe)
          << PalmCharsetName(charset) << " gives a mark for U+" << std::hex << +c;
      // Every character reads back as itself but for the encoders' folds.
      const std::u32string back = CharactersOfPalm(charset, bytes);
      ASSERT_TRUE(back == std::u32string(1, c) ||
                  (charset == ShiftJis && (c == U'¥' || c == U'‾' || c == U'−')))
          << PalmCharsetName(charset) << " reads U+" << std::hex << +c << " back as U+" << +back[0];
    }
  }
  std::string out;
  EXPECT_FALSE(AppendPalmBytes(Windows1251, U'…', out) || AppendPalmBytes(Koi8R, U'┘', out) ||
               AppendPalmBytes(Windows1250, U'\x1F', out) || AppendPalmBytes(Gbk, U'\x1E', out));
  EXPECT_EQ(out, "");
}

TEST(palm_charset_test, cuts_never_split_a_double_byte_character) {
  // Each character's trail byte is ASCII, which a careless cut takes alone.
  const std::tuple<PalmCharset, std::string> sets[] = {
      {ShiftJis, "\x83\x5C"}, {Gbk, "\x81\x40"}, {Big5, "\xA4\x51"}, {EucKr, "\x81\x41"}};
  for (const auto& [charset, character] : sets) {
    const std::string text = "x" + character + character;
    const std::size_t expected[] = {0, 1, 1, 3, 3, 5, 5};
    for (std::size_t max = 0; max <= 6; ++max)
      EXPECT_EQ(PalmCutLength(charset, text, max), expected[max]) << PalmCharsetName(charset);
    EXPECT_EQ(PalmCharacterLength(charset, character), 2u);
    EXPECT_EQ(PalmCharacterLength(charset, character.substr(0, 1) + "\xFF"), 1u);  // line break
    // A lead byte that ends the text lost its trail to an earlier cut.
    EXPECT_EQ(PalmCutLength(charset, "x" + character.substr(0, 1), 2), 1u);
  }
  EXPECT_EQ(PalmCutLength(Windows1251, "\xCC\xEE\xF1", 2), 2u);
}

TEST(palm_charset_test, the_transcoder_keeps_the_marks_apart) {
  EXPECT_EQ(Transcode("\xEF\xBB\xBF"
                      "a\xEF\xBB\xBF",
                      Windows1251),
            "a\x1F");  // BOM first only
  EXPECT_EQ(Transcode("a\xC2\x85…°", Koi8R, true), "a\x85...\x9C");
  EXPECT_EQ(Transcode("…°\xC2\x85", ShiftJis), "\x81\x63\x81\x8B\xFF");
  EXPECT_EQ(Transcode("°", Gbk, true), "\x1E");
  EXPECT_EQ(Transcode("a\xFF\xC3(\xE2\x82", EucKr), "a\x1F\x1F(\x1F");  // malformed
  EXPECT_EQ(Transcode("東\x1F\x1E", Big5), "\xAA\x46\x1F\x1F");
  const auto from1252 = [](std::string_view in, PalmCharset target) {
    return Transcode(in, target, true, SourceCharset::Windows1252);
  };
  EXPECT_EQ(from1252("caf\xE9 \x85\x81\xB0", Windows1250), "caf\xE9 ...\x1F\xB0");
  EXPECT_EQ(from1252("caf\xE9 \x85\x81\xB0", ShiftJis), "caf\x1F \x81\x63\x1F\x1E");
  EXPECT_EQ(from1252("caf\xE9 \x85\x81\xB0\xEF\xBB\xBF", Windows1252),
            "caf\xE9 \x85\x81\xB0\xEF\xBB\xBF");
}

}  // namespace
}  // namespace tk
