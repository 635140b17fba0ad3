#include "platform/NameLength.h"

namespace tk {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t CharacterEnd(std::string_view text, std::size_t start) {
  std::size_t end = start + 1;
  while (end < text.size() && IsContinuationByte(text[end])) ++end;
  return end;
}

// What the character in text[start, end) adds to a name's length: its bytes
// here; on Windows one UTF-16 unit, or two for one beyond U+FFFF.
std::size_t CharacterLength(std::string_view text, std::size_t start, std::size_t end) {
#ifdef _WIN32
  (void)end;
  return static_cast<unsigned char>(text[start]) >= 0xF0 ? 2 : 1;
#else
  (void)text;
  return end - start;
#endif
}

}  // namespace

std::size_t FileNameLength(std::string_view name) {
  std::size_t length = 0;
  for (std::size_t at = 0; at < name.size();) {
    const std::size_t end = CharacterEnd(name, at);
    length += CharacterLength(name, at, end);
    at = end;
  }
  return length;
}

std::string_view FileNameStart(std::string_view text, std::size_t limit) {
  std::size_t length = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = CharacterEnd(text, at);
    length += CharacterLength(text, at, end);
    if (length > limit) break;
    at = end;
  }
  return text.substr(0, at);
}

}  // namespace tk
