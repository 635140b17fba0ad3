#pragma once
// How long one file name may be. The file systems the program runs on cap a
// name, not counting its folder: Linux at 255 bytes, Windows at 255 UTF-16
// units. Names are UTF-8 inside the program, so each system's count is
// worked out from that.
#include <cstddef>
#include <string_view>

namespace tk {

inline constexpr std::size_t kMaxFileNameLength = 255;

// name's length as this system counts it.
std::size_t FileNameLength(std::string_view name);

// The longest start of text whose length as a name is at most limit, never
// ending inside a character.
std::string_view FileNameStart(std::string_view text, std::size_t limit);

}  // namespace tk
