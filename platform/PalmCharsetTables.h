#pragma once
// What the handheld's sets look like to the code: tables generated once from
// the WHATWG index files (scripts/charset-tables.py writes platform/charsets/),
// with every rule of a set already applied, so looking up is all that's left.
#include "platform/PalmCharset.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tk::charsets {

// A row or column no byte has: the byte is no lead (trail) byte.
inline constexpr unsigned char kNoRow = 0xFF;

// A pointer that reads as a letter and a combining accent.
struct TwoCharacters {
  std::uint16_t pointer;
  char32_t first;
  char32_t second;
};

struct CharsetTables {
  // The character of each byte 0x80..0xFF on its own; 0 where it has none.
  std::span<const char32_t, 128> high;
  // Double-byte sets (empty otherwise): a lead byte's row and a trail byte's
  // column, kNoRow for the others, and the character at each pointer
  // row * columns + column (0 where there is none).
  std::span<const unsigned char> leadRows;
  std::span<const unsigned char> trailColumns;
  std::size_t columns;
  std::span<const char32_t> pointers;
  std::span<const TwoCharacters> twoCharacters;
  // Every character above ASCII the set writes, ascending, and its bytes:
  // one byte, or lead << 8 | trail.
  std::span<const char32_t> codes;
  std::span<const std::uint16_t> bytes;
};

// The tables of every set but Windows-1252, which platform/Charset.h keeps.
const CharsetTables& TablesOf(PalmCharset charset);

}  // namespace tk::charsets
