#include "platform/ShortPath.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tk {

std::string ShortPathName(const std::string& path) {
#ifdef _WIN32
  DWORD size = GetShortPathNameA(path.c_str(), nullptr, 0);
  if (size == 0) return path;
  std::string shortPath(size, '\0');
  DWORD written = GetShortPathNameA(path.c_str(), shortPath.data(), size);
  if (written == 0 || written >= size) return path;
  shortPath.resize(written);
  return shortPath;
#else
  return path;
#endif
}

}  // namespace tk
