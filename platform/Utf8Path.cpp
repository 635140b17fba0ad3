#include "platform/Utf8Path.h"

#ifdef _WIN32
#include "platform/WideText.h"
#endif

namespace tk {

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::FILE* OpenFile(const std::string& utf8Path, const char* mode) {
#ifdef _WIN32
  return _wfopen(WideFromUtf8(utf8Path).c_str(), WideFromUtf8(mode).c_str());
#else
  return std::fopen(utf8Path.c_str(), mode);
#endif
}

}  // namespace tk
