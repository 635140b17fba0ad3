#pragma once
// Windows only: one running copy per session through a named mutex. The
// system drops the mutex with the last handle to it, also when the copy
// holding it was killed, so nothing stale is ever left behind.
#ifdef _WIN32
#include <string>

namespace tk {

class InstanceMutex {
public:
  explicit InstanceMutex(const std::string& name);
  ~InstanceMutex();
  InstanceMutex(const InstanceMutex&) = delete;
  InstanceMutex& operator=(const InstanceMutex&) = delete;

  // True only when another copy holds the mutex; a mutex that could not be
  // made at all lets the program run without one.
  bool heldByAnother() const { return heldByAnother_; }

private:
  void* handle_ = nullptr;
  bool heldByAnother_ = false;
};

}  // namespace tk
#endif
