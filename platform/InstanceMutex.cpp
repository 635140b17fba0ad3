#ifdef _WIN32
#include "platform/InstanceMutex.h"

#include "platform/WideText.h"

#include "platform/WindowsApi.h"

namespace tk {

InstanceMutex::InstanceMutex(const std::string& name)
    : handle_(CreateMutexW(nullptr, FALSE, WideFromUtf8(name).c_str())),
      heldByAnother_(handle_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {}

InstanceMutex::~InstanceMutex() {
  if (handle_) CloseHandle(handle_);
}

}  // namespace tk
#endif
