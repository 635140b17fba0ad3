#include "jconv5/pdb/ByteIo.h"

namespace jconv5 {

void PutPadded(std::string& out, std::string_view text, std::size_t width) {
  if (width == 0) return;
  std::string_view kept = text.substr(0, width - 1);
  out.append(kept);
  out.append(width - kept.size(), '\0');
}

void RequireBytes(std::string_view bytes, std::size_t at, std::size_t size) {
  if (at > bytes.size() || size > bytes.size() - at)
    throw Failure("the data ends too early: " + std::to_string(size) + " bytes needed at byte " +
                  std::to_string(at) + " of " + std::to_string(bytes.size()));
}

std::string GetPadded(std::string_view bytes, std::size_t at, std::size_t width) {
  RequireBytes(bytes, at, width);
  std::string_view field = bytes.substr(at, width);
  return std::string(field.substr(0, field.find('\0')));
}

}  // namespace jconv5
