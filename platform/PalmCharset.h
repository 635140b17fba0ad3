#pragma once
// The handheld's own character set: what the bytes of the CSV, the IFO and
// the database mean. Windows-1252 ("Palm Latin") is the default; the others
// are the sets localised handhelds were sold with. Every value inside the
// program is in the handheld's set, so widths count the bytes JFile stores.
// The tables come from the WHATWG Encoding Standard's index files (see
// platform/charsets/README.md), so every platform gives the same bytes.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

enum class PalmCharset : unsigned char {
  Windows1252,
  Windows1250,
  Windows1251,
  Windows1253,
  Windows1254,
  Windows1257,
  Koi8R,
  ShiftJis,
  Gbk,
  Big5,
  EucKr,
};
// In the order menus and usage texts list them, the default first.
inline constexpr PalmCharset kPalmCharsets[] = {
    PalmCharset::Windows1252, PalmCharset::Windows1250, PalmCharset::Windows1251,
    PalmCharset::Windows1253, PalmCharset::Windows1254, PalmCharset::Windows1257,
    PalmCharset::Koi8R,       PalmCharset::ShiftJis,    PalmCharset::Gbk,
    PalmCharset::Big5,        PalmCharset::EucKr};

// The WHATWG names: "windows-1252", "koi8-r", "shift_jis", "gbk", "big5",
// "euc-kr" …, in any letter case; nothing for anything else.
std::optional<PalmCharset> PalmCharsetFromName(std::string_view name);
std::string_view PalmCharsetName(PalmCharset charset);
// "windows-1252, windows-1250, …, euc-kr", for a refusal of an unknown name.
std::string PalmCharsetNames();
// Whether a character may take two bytes (Shift_JIS, GBK, Big5, EUC-KR).
bool IsDoubleByte(PalmCharset charset);

// Bytes that carry a meaning of their own inside the values the readers pass
// on and the CSV the converter reads and writes. The set's encoder never
// gives lineBreak or replaced as (part of) a character, so neither can be
// mistaken for one; recordEnd is "°" itself in a single-byte set.
struct PalmMarks {
  char lineBreak;  // a line break inside a value; the converter stores 0x0A
  char replaced;   // a character the set lacks, until a reader writes "?"
  char recordEnd;  // an EndNote record end ("°") once transcoded
};
PalmMarks MarksOf(PalmCharset charset);

// The bytes of `character` appended to out; false, and nothing appended,
// when the set lacks it or would give a mark's byte for it.
bool AppendPalmBytes(PalmCharset charset, char32_t character, std::string& out);
// How many bytes the character that starts text takes: 2 for a lead byte
// with its trail byte, else 1 (never more than text.size(), 0 when empty).
std::size_t PalmCharacterLength(PalmCharset charset, std::string_view text);
// The length of the longest start of text that is at most maxBytes long and
// does not end between a lead byte and its trail byte; a lead byte that ends
// text is left out, as its trail byte was cut off before.
std::size_t PalmCutLength(PalmCharset charset, std::string_view text, std::size_t maxBytes);

// The set's text as UTF-8: the line-break mark becomes U+0085, a byte the
// set leaves unassigned the C1 control of its number (single-byte sets), a
// malformed pair U+FFFD.
void AppendUtf8OfPalm(PalmCharset charset, std::string_view text, std::string& out);
std::string Utf8OfPalm(PalmCharset charset, std::string_view text);
// A UTF-8 text (a file name) in the set, "?" for what it lacks; a text that
// is no valid UTF-8 is taken to be Windows-1252.
std::string PalmOfUtf8(PalmCharset charset, std::string_view utf8);

// A word of a strategy file as characters to edit, and back: nothing when a
// character has no bytes in the set, and `lacking` (when given) is then it.
std::u32string CharactersOfPalm(PalmCharset charset, std::string_view bytes);
std::optional<std::string> PalmOfCharacters(PalmCharset charset, std::u32string_view characters,
                                            char32_t* lacking = nullptr);

// Which set a file the readers transcode is in.
enum class SourceCharset { Utf8, Windows1252 };

// A file in UTF-8 or Windows-1252 into the handheld's set, over a stream in
// pieces: a leading UTF-8 byte-order mark becomes nothing, U+0085 the
// line-break mark, "…" "..." where the set has no other bytes for it, and
// every other character the set lacks (or malformed byte) the replaced mark.
// With recordEnds, "°" becomes the record-end mark (EndNote's tab export).
class ToPalmTranscoder {
public:
  ToPalmTranscoder(SourceCharset source, PalmCharset target, bool recordEnds);
  ~ToPalmTranscoder();
  ToPalmTranscoder(const ToPalmTranscoder&) = delete;
  ToPalmTranscoder& operator=(const ToPalmTranscoder&) = delete;
  void feed(std::string_view bytes, std::string& out);
  void finish(std::string& out);

private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace tk
