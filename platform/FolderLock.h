#pragma once
// An exclusive lock on a folder, for as long as the object lives. Every
// holder must open the folder itself to work in it, so no file beside it can
// be deleted to defeat the lock. The system itself drops it when the holder
// ends, however it ends (a kill, a crash, a closed terminal), so a lock is
// never left behind to block anyone: on POSIX flock() on the folder, on a
// descriptor no child inherits; on Windows a lock file named after the
// folder, opened without sharing, so that it can't be deleted while it is
// held. A folder that is a link (a reparse point on Windows) is not locked:
// what is done in it would land elsewhere.
#include <string>

namespace tk {

enum class FolderLockState {
  Held,           // this object holds it
  HeldByAnother,  // another holder has it, in this process or another
  Unavailable,    // the folder (or its lock file) can't be opened
  NotAFolder,     // a link or a file stands where the folder should be
};

class FolderLock {
public:
  // Tries once and never waits.
  explicit FolderLock(const std::string& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  FolderLockState state() const { return state_; }

private:
#ifdef _WIN32
  void* handle_ = nullptr;
#else
  int descriptor_ = -1;
#endif
  FolderLockState state_ = FolderLockState::Unavailable;
};

}  // namespace tk
