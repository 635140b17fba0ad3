#pragma once
// Looking characters up in a set's tables, shared by the functions of
// platform/PalmCharset.h and the transcoder, which runs it per character.
#include "platform/PalmCharset.h"
#include "platform/PalmCharsetTables.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tk::charsets {

inline constexpr char32_t kDegree = 0x00B0;
inline constexpr char32_t kEllipsis = 0x2026;
inline constexpr char32_t kNextLine = 0x0085;  // a line break inside a value

// The bytes the set writes for c: one byte (below 0x100) or lead << 8 |
// trail; nothing when it lacks c.
inline std::optional<std::uint16_t> BytesOf(const CharsetTables& tables, char32_t c) {
  if (c < 0x80) return static_cast<std::uint16_t>(c);
  const auto at = std::lower_bound(tables.codes.begin(), tables.codes.end(), c);
  if (at == tables.codes.end() || *at != c) return std::nullopt;
  return tables.bytes[static_cast<std::size_t>(at - tables.codes.begin())];
}

// Whether bytes may stand for c in a value: a mark's byte would be taken for
// the mark, but "°" is the record end where that is its own byte.
inline bool KeepsMarks(const PalmMarks& marks, char32_t c, std::uint16_t bytes) {
  const auto byte = static_cast<char>(bytes);
  return bytes > 0xFF || (byte != marks.lineBreak && byte != marks.replaced &&
                          (byte != marks.recordEnd || c == kDegree));
}

inline void AppendBytes(std::uint16_t bytes, std::string& out) {
  if (bytes > 0xFF) out += static_cast<char>(bytes >> 8);
  out += static_cast<char>(bytes & 0xFF);
}

// 2 when text starts with a lead byte and a trail byte, else 1 (0 if empty).
inline std::size_t UnitLength(const CharsetTables& tables, std::string_view text) {
  if (text.size() < 2 || tables.leadRows.empty()) return std::min<std::size_t>(text.size(), 1);
  const auto lead = static_cast<unsigned char>(text[0]);
  const auto trail = static_cast<unsigned char>(text[1]);
  return tables.leadRows[lead] != kNoRow && tables.trailColumns[trail] != kNoRow ? 2 : 1;
}

// What one unit (UnitLength bytes) reads as: nothing, one or two characters.
struct Reading {
  int count = 0;
  char32_t first = 0;
  char32_t second = 0;
};

inline Reading Read(const CharsetTables& tables, std::string_view unit) {
  const auto lead = static_cast<unsigned char>(unit[0]);
  if (unit.size() == 1) {
    const char32_t c = lead < 0x80 ? lead : tables.high[lead - 0x80];
    return c != 0 || lead == 0 ? Reading{1, c} : Reading{};
  }
  const std::size_t pointer = tables.leadRows[lead] * tables.columns +
                              tables.trailColumns[static_cast<unsigned char>(unit[1])];
  if (const char32_t c = tables.pointers[pointer]) return {1, c};
  for (const TwoCharacters& two : tables.twoCharacters) {
    if (two.pointer == pointer) return {2, two.first, two.second};
  }
  return {};
}

}  // namespace tk::charsets
