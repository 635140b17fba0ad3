#pragma once
// Big-endian integers as the Palm database format stores them. Reads are
// bounds-checked: a read past the end throws, so a damaged file can never make
// the converter look outside its buffer.
#include "jconv5/pdb/Failure.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace jconv5 {

inline void PutU8(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xFF));
}
inline void PutU16(std::string& out, unsigned value) {
  PutU8(out, value >> 8);
  PutU8(out, value);
}
inline void PutU32(std::string& out, std::uint32_t value) {
  PutU16(out, value >> 16);
  PutU16(out, value & 0xFFFF);
}
// text cut to width - 1 bytes, then NUL bytes up to width.
void PutPadded(std::string& out, std::string_view text, std::size_t width);

// Throws unless [at, at + size) lies inside bytes.
void RequireBytes(std::string_view bytes, std::size_t at, std::size_t size);

inline std::uint8_t GetU8(std::string_view bytes, std::size_t at) {
  RequireBytes(bytes, at, 1);
  return static_cast<std::uint8_t>(bytes[at]);
}
inline std::uint16_t GetU16(std::string_view bytes, std::size_t at) {
  RequireBytes(bytes, at, 2);
  return static_cast<std::uint16_t>((static_cast<std::uint8_t>(bytes[at]) << 8) |
                                    static_cast<std::uint8_t>(bytes[at + 1]));
}
inline std::uint32_t GetU32(std::string_view bytes, std::size_t at) {
  return (static_cast<std::uint32_t>(GetU16(bytes, at)) << 16) | GetU16(bytes, at + 2);
}
// The text up to the first NUL inside [at, at + width), or all of it.
std::string GetPadded(std::string_view bytes, std::size_t at, std::size_t width);

}  // namespace jconv5
