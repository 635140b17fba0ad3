#include "platform/PalmCharset.h"

#include "platform/Charset.h"
#include "platform/PalmCodec.h"
#include "platform/Text.h"

namespace tk {
namespace {

using charsets::BytesOf;
using charsets::CharsetTables;
using charsets::kNextLine;
using charsets::Reading;
using charsets::TablesOf;

constexpr char32_t kReplacement = 0xFFFD;

bool IsC1(char32_t c) { return c >= 0x80 && c < 0xA0; }

// The set's bytes for c, marks or not; Windows-1252 as platform/Charset.h has it.
std::optional<std::uint16_t> RawBytesOf(PalmCharset charset, char32_t c) {
  if (charset == PalmCharset::Windows1252) return Windows1252Of(c);
  return BytesOf(TablesOf(charset), c);
}

// The characters of each unit of text, and onNothing(unit) for a unit that
// reads as none.
template <class OnCharacter, class OnNothing>
void ReadUnits(const CharsetTables& tables, std::string_view text, OnCharacter&& onCharacter,
               OnNothing&& onNothing) {
  while (!text.empty()) {
    const std::string_view unit = text.substr(0, charsets::UnitLength(tables, text));
    text.remove_prefix(unit.size());
    const Reading reading = charsets::Read(tables, unit);
    if (reading.count == 0) onNothing(unit);
    if (reading.count >= 1) onCharacter(reading.first);
    if (reading.count == 2) onCharacter(reading.second);
  }
}

// A byte a single-byte set leaves unassigned reads as the C1 control of its
// number, so it comes back; anything else unread is U+FFFD.
char32_t UnreadCharacter(const CharsetTables& tables, std::string_view unit) {
  const auto byte = static_cast<unsigned char>(unit[0]);
  return tables.leadRows.empty() && IsC1(byte) ? byte : kReplacement;
}

}  // namespace

std::optional<PalmCharset> PalmCharsetFromName(std::string_view name) {
  for (PalmCharset charset : kPalmCharsets) {
    if (EqualsIgnoreCase(name, PalmCharsetName(charset))) return charset;
  }
  return std::nullopt;
}

std::string_view PalmCharsetName(PalmCharset charset) {
  switch (charset) {
    case PalmCharset::Windows1250:
      return "windows-1250";
    case PalmCharset::Windows1251:
      return "windows-1251";
    case PalmCharset::Windows1253:
      return "windows-1253";
    case PalmCharset::Windows1254:
      return "windows-1254";
    case PalmCharset::Windows1257:
      return "windows-1257";
    case PalmCharset::Koi8R:
      return "koi8-r";
    case PalmCharset::ShiftJis:
      return "shift_jis";
    case PalmCharset::Gbk:
      return "gbk";
    case PalmCharset::Big5:
      return "big5";
    case PalmCharset::EucKr:
      return "euc-kr";
    case PalmCharset::Windows1252:
      break;
  }
  return "windows-1252";
}

std::string PalmCharsetNames() {
  std::string names;
  for (PalmCharset charset : kPalmCharsets) {
    if (!names.empty()) names += ", ";
    names += PalmCharsetName(charset);
  }
  return names;
}

bool IsDoubleByte(PalmCharset charset) {
  return charset != PalmCharset::Windows1252 && !TablesOf(charset).leadRows.empty();
}

PalmMarks MarksOf(PalmCharset charset) {
  if (charset == PalmCharset::Windows1252) return {kLineBreakMark, kReplacedMark, '\xB0'};
  // No lead or trail byte is 0xFF or a control, so these stand alone.
  if (IsDoubleByte(charset)) return {'\xFF', '\x1F', '\x1E'};
  const auto degree = BytesOf(TablesOf(charset), charsets::kDegree);
  return {kLineBreakMark, '\x1F', static_cast<char>(degree.value_or(0xB0))};
}

bool AppendPalmBytes(PalmCharset charset, char32_t character, std::string& out) {
  const auto bytes = RawBytesOf(charset, character);
  if (!bytes || !charsets::KeepsMarks(MarksOf(charset), character, *bytes)) return false;
  charsets::AppendBytes(*bytes, out);
  return true;
}

std::size_t PalmCharacterLength(PalmCharset charset, std::string_view text) {
  if (charset == PalmCharset::Windows1252) return std::min<std::size_t>(text.size(), 1);
  return charsets::UnitLength(TablesOf(charset), text);
}

std::size_t PalmCutLength(PalmCharset charset, std::string_view text, std::size_t maxBytes) {
  if (!IsDoubleByte(charset)) return std::min(text.size(), maxBytes);
  const CharsetTables& tables = TablesOf(charset);
  const std::size_t room = std::min(text.size(), maxBytes);
  std::size_t length = 0;
  while (length < room) {
    std::size_t unit = charsets::UnitLength(tables, text.substr(length));
    // A lead byte that ends the text lost its trail byte to an earlier cut.
    if (unit == 1 && length + 1 == text.size() &&
        tables.leadRows[static_cast<unsigned char>(text.back())] != charsets::kNoRow) {
      unit = 2;
    }
    if (length + unit > room) break;
    length += unit;
  }
  return length;
}

void AppendUtf8OfPalm(PalmCharset charset, std::string_view text, std::string& out) {
  if (charset == PalmCharset::Windows1252) return AppendUtf8OfWindows1252(text, out);
  const CharsetTables& tables = TablesOf(charset);
  // The mark is never part of a double-byte character, and in a single-byte
  // set it stands for the line break rather than the set's own character.
  const char lineBreak = MarksOf(charset).lineBreak;
  for (;;) {
    const std::size_t end = text.find(lineBreak);
    ReadUnits(
        tables, text.substr(0, end), [&](char32_t c) { AppendUtf8(c, out); },
        [&](std::string_view unit) { AppendUtf8(UnreadCharacter(tables, unit), out); });
    if (end == std::string_view::npos) return;
    AppendUtf8(kNextLine, out);
    text.remove_prefix(end + 1);
  }
}

std::string Utf8OfPalm(PalmCharset charset, std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendUtf8OfPalm(charset, text, out);
  return out;
}

std::string PalmOfUtf8(PalmCharset charset, std::string_view utf8) {
  if (charset == PalmCharset::Windows1252) return Windows1252OfUtf8(utf8);
  const CharsetTables& tables = TablesOf(charset);
  const auto put = [&](char32_t c, std::string& out) {
    const auto bytes = BytesOf(tables, c);
    if (bytes) charsets::AppendBytes(*bytes, out);
    if (!bytes) out += '?';
  };
  std::string out;
  bool valid = true;
  const auto invalid = [&] { valid = false; };
  Utf8Splitter splitter;
  splitter.feed(
      utf8, [&](std::string_view run) { out.append(run); }, [&](char32_t c) { put(c, out); },
      invalid);
  splitter.finish(invalid);
  if (valid) return out;
  // Not UTF-8: a name from a system that spoke Windows-1252.
  out.clear();
  for (char32_t c : CharactersOfWindows1252(utf8)) put(IsC1(c) ? U'?' : c, out);
  return out;
}

std::u32string CharactersOfPalm(PalmCharset charset, std::string_view bytes) {
  if (charset == PalmCharset::Windows1252) return CharactersOfWindows1252(bytes);
  const CharsetTables& tables = TablesOf(charset);
  std::u32string characters;
  ReadUnits(
      tables, bytes, [&](char32_t c) { characters += c; },
      [&](std::string_view unit) { characters += UnreadCharacter(tables, unit); });
  return characters;
}

std::optional<std::string> PalmOfCharacters(PalmCharset charset, std::u32string_view characters,
                                            char32_t* lacking) {
  if (charset == PalmCharset::Windows1252) return Windows1252OfCharacters(characters, lacking);
  const CharsetTables& tables = TablesOf(charset);
  std::string bytes;
  for (char32_t c : characters) {
    auto found = BytesOf(tables, c);
    // An unassigned byte, as CharactersOfPalm showed it.
    if (!found && tables.leadRows.empty() && IsC1(c) && tables.high[c - 0x80] == 0) found = c;
    if (!found) {
      if (lacking) *lacking = c;
      return std::nullopt;
    }
    charsets::AppendBytes(*found, bytes);
  }
  return bytes;
}

}  // namespace tk
