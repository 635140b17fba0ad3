#pragma once
// An exclusive lock on a file, for as long as the object lives. The system
// itself drops it when the holder ends, however it ends (a kill, a crash, a
// closed terminal), so a lock is never left behind to block anyone: on POSIX
// flock() on a descriptor no child inherits, on Windows a handle opened
// without sharing.
#include <string>

namespace tk {

enum class FileLockState {
  Held,           // this object holds it
  HeldByAnother,  // another holder has it, in this process or another
  Unavailable,    // the lock file can't be made or opened
};

class FileLock {
public:
  // Tries once and never waits.
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  FileLockState state() const { return state_; }

private:
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int descriptor_ = -1;
#endif
  FileLockState state_ = FileLockState::Unavailable;
};

}  // namespace tk
