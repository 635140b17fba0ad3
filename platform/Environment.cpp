#include "platform/Environment.h"

#include <cstdlib>

#ifdef _WIN32
#include "platform/WideText.h"
#endif

namespace tk {

std::string EnvironmentValue(const char* name) {
#ifdef _WIN32
  const wchar_t* value = ::_wgetenv(WideFromUtf8(name).c_str());
  return value ? Utf8FromWide(value) : std::string();
#else
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
#endif
}

}  // namespace tk
