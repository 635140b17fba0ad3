#pragma once
// Character sets of the reference managers' files. The Palm shows Windows-1252
// (JFile's "Palm Latin"), so that is what every value is inside the program;
// a file in UTF-8 is turned into it on the way in and back on the way out.
#include "platform/Simd.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

enum class Charset { Auto, Windows1252, Utf8 };

// "auto", "windows-1252", "utf-8" (any letter case); nothing for anything else.
std::optional<Charset> CharsetFromName(std::string_view name);
std::string_view CharsetName(Charset charset);
// The names above, for menus and usage texts.
inline constexpr Charset kCharsets[] = {Charset::Auto, Charset::Windows1252, Charset::Utf8};

// A line break inside a value travels between the programs as this byte. In
// UTF-8 it is U+0085 (NEL), so that "…" and a line break stay apart.
inline constexpr char kLineBreakMark = '\x85';
// Starts a UTF-8 file we write, and tells one we read.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// Stands in a transcoded value for a character Windows-1252 lacks, so the
// readers can tell which record lost one; they write "?" for it. No Unicode
// character becomes this byte, as Windows-1252 leaves it unassigned.
inline constexpr char kReplacedMark = '\x81';

// The Unicode character of a Windows-1252 byte; nothing for the five bytes
// Windows-1252 leaves unassigned.
std::optional<char32_t> UnicodeOfWindows1252(unsigned char byte);
// The Windows-1252 byte of a character; nothing when it has none.
std::optional<unsigned char> Windows1252Of(char32_t character);

// A word of a strategy file as characters to edit: a byte Windows-1252
// leaves unassigned becomes the C1 control of its number, so it comes back.
std::u32string CharactersOfWindows1252(std::string_view bytes);
// The bytes of such characters; nothing when one has no Windows-1252 byte,
// and `lacking` (when given) is then that character.
std::optional<std::string> Windows1252OfCharacters(std::u32string_view characters,
                                                   char32_t* lacking = nullptr);

// The UTF-8 bytes of a character.
void AppendUtf8(char32_t character, std::string& out);

// Splits a UTF-8 stream that arrives in pieces into characters. A malformed
// sequence (or one cut off by the end) is reported once and reading goes on
// with the byte after it.
class Utf8Splitter {
public:
  // onAscii(run) for runs of ASCII, onChar(c) for other characters, onBad()
  // for each malformed sequence.
  template <class OnAscii, class OnChar, class OnBad>
  void feed(std::string_view bytes, OnAscii&& onAscii, OnChar&& onChar, OnBad&& onBad);
  template <class OnBad>
  void finish(OnBad&& onBad) {
    if (need_ > 0) onBad();
    need_ = 0;
  }

private:
  int need_ = 0;  // continuation bytes still to come
  char32_t char_ = 0;
  char32_t least_ = 0;  // the smallest character of the sequence's length
};

// What a streaming look at a file found: UTF-8 when it starts with a UTF-8
// byte-order mark, or when it is all valid UTF-8 and not all ASCII.
class CharsetDetector {
public:
  void feed(std::string_view bytes);
  Charset result();

private:
  Utf8Splitter splitter_;
  std::string start_;  // the first bytes, for the byte-order mark
  bool bom_ = false;
  bool nonAscii_ = false;
  bool invalid_ = false;
};

// Detects the character set of a file in one streaming pass; Windows-1252
// when it can't be read (the reader then says why).
Charset DetectFileCharset(const std::string& path);
// The same, asking stop() between pieces and while it waits for more, for
// an input that may never end (a device) or wait for a writer (a FIFO);
// nothing once stop() said yes.
std::optional<Charset> DetectFileCharset(const std::string& path,
                                         const std::function<bool()>& stop);

// UTF-8 to Windows-1252 over a stream in pieces: "…" becomes "...", U+0085
// the line-break mark, a leading byte-order mark nothing, and any other
// character Windows-1252 lacks (or malformed byte) kReplacedMark.
class Utf8ToWindows1252 {
public:
  void feed(std::string_view bytes, std::string& out);
  void finish(std::string& out);

private:
  void put(char32_t character, std::string& out);
  Utf8Splitter splitter_;
  bool started_ = false;
};

// Windows-1252 to UTF-8; the line-break mark becomes U+0085 and an
// unassigned byte the C1 control of the same number.
void AppendUtf8OfWindows1252(std::string_view text, std::string& out);
std::string Utf8OfWindows1252(std::string_view text);

// A UTF-8 text (a file name) as Windows-1252 with "?" for what it lacks; a
// text that is no valid UTF-8 is taken to be Windows-1252 already.
std::string Windows1252OfUtf8(std::string_view text);

// The first byte of [p, end) that is no ASCII, or end. Exports are mostly
// ASCII, so whole blocks are looked at once.
inline const unsigned char* SkipAscii(const unsigned char* p, const unsigned char* end) {
#ifdef TOMEKIT_SSE2
  for (; end - p >= 16; p += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    if (const auto high = static_cast<unsigned>(_mm_movemask_epi8(block))) {
      return p + std::countr_zero(high);
    }
  }
#else
  for (std::uint64_t word; end - p >= 8; p += 8) {
    std::memcpy(&word, p, 8);
    if (word & 0x8080808080808080u) break;
  }
#endif
  while (p != end && *p < 0x80) ++p;
  return p;
}

template <class OnAscii, class OnChar, class OnBad>
void Utf8Splitter::feed(std::string_view bytes, OnAscii&& onAscii, OnChar&& onChar, OnBad&& onBad) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p != end) {
    if (need_ == 0) {
      const auto* run = p;
      p = SkipAscii(p, end);
      if (p != run) onAscii(std::string_view(reinterpret_cast<const char*>(run), p - run));
      if (p == end) return;
      const unsigned char lead = *p++;
      if (lead >= 0xC2 && lead <= 0xDF && p != end && (*p & 0xC0) == 0x80) {
        // Accented Latin letters, the most common by far: whole at once.
        onChar(static_cast<char32_t>(((lead & 0x1F) << 6) | (*p++ & 0x3F)));
      } else if (lead >= 0xC2 && lead <= 0xDF) {
        need_ = 1, char_ = lead & 0x1F, least_ = 0x80;
      } else if (lead >= 0xE0 && lead <= 0xEF) {
        need_ = 2, char_ = lead & 0x0F, least_ = 0x800;
      } else if (lead >= 0xF0 && lead <= 0xF4) {
        need_ = 3, char_ = lead & 0x07, least_ = 0x10000;
      } else {
        onBad();
      }
      continue;
    }
    if ((*p & 0xC0) != 0x80) {
      // The sequence ends early; the byte starts whatever comes next.
      need_ = 0;
      onBad();
      continue;
    }
    char_ = (char_ << 6) | (*p++ & 0x3F);
    if (--need_ > 0) continue;
    if (char_ < least_ || char_ > 0x10FFFF || (char_ >= 0xD800 && char_ <= 0xDFFF)) {
      onBad();
    } else {
      onChar(char_);
    }
  }
}

}  // namespace tk
