#include "platform/FolderLock.h"

#include "platform/Files.h"

#ifdef _WIN32
#include "platform/WideText.h"
#include "platform/WindowsApi.h"
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace tk {

#ifdef _WIN32

// The folder's own handle would keep files from being made in it, so the
// lock is a file beside it, not shared with anyone, not even for reading: a
// second open fails with a sharing violation until the holder's handle
// closes.
FolderLock::FolderLock(const std::string& folder) {
  if (IsLink(folder) || (FileExists(folder) && !FolderExists(folder))) {
    state_ = FolderLockState::NotAFolder;
    return;
  }
  if (!FolderExists(folder)) return;
  HANDLE handle =
      CreateFileW(WideFromUtf8(folder + ".lock").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    state_ = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
                 ? FolderLockState::HeldByAnother
                 : FolderLockState::Unavailable;
    return;
  }
  handle_ = handle;
  state_ = FolderLockState::Held;
}

FolderLock::~FolderLock() {
  if (handle_) CloseHandle(handle_);
}

#else

// flock, not fcntl: an fcntl lock belongs to the process and would not stop
// a second holder in the same one, and closing any descriptor of the folder
// drops it. Close-on-exec keeps it from a converter that outlives us.
FolderLock::FolderLock(const std::string& folder) {
  descriptor_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor_ < 0) {
    // ELOOP for a link, ENOTDIR for a file in its place.
    if (errno == ELOOP || errno == ENOTDIR) state_ = FolderLockState::NotAFolder;
    return;
  }
  int locked;
  do {
    locked = ::flock(descriptor_, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  if (locked == 0) {
    state_ = FolderLockState::Held;
    return;
  }
  state_ = errno == EWOULDBLOCK ? FolderLockState::HeldByAnother : FolderLockState::Unavailable;
  ::close(descriptor_);
  descriptor_ = -1;
}

FolderLock::~FolderLock() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

#endif

}  // namespace tk
