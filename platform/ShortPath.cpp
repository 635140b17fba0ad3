#include "platform/ShortPath.h"

#ifdef _WIN32
#include "platform/WideText.h"

#include "platform/WindowsApi.h"
#endif

namespace tk {

std::string ShortPathName(const std::string& path) {
#ifdef _WIN32
  const std::wstring longPath = WideFromUtf8(path);
  DWORD size = GetShortPathNameW(longPath.c_str(), nullptr, 0);
  if (size == 0) return path;
  std::wstring shortPath(size, L'\0');
  DWORD written = GetShortPathNameW(longPath.c_str(), shortPath.data(), size);
  if (written == 0 || written >= size) return path;
  return Utf8FromWide(std::wstring_view(shortPath.data(), written));
#else
  return path;
#endif
}

}  // namespace tk
