#pragma once
// Only one copy of the program runs at a time: the first copy holds a lock
// file named after the program until it ends (on Windows the named mutex of
// that name, which the system never leaves stale). A lock left by a copy that
// was killed is stale and taken over. A lock that can't be taken for any other
// reason (no folder to put it in, a damaged lock file) does not keep the
// program from starting: it then runs without one.
#include <QLockFile>
#include <QString>

#ifdef _WIN32
#include "platform/InstanceMutex.h"

#include <memory>
#endif

namespace tk::app {

class SingleInstance {
public:
  SingleInstance();  // the program's own lock
  explicit SingleInstance(const QString& lockPath);

  // True only when another running copy holds the lock.
  bool anotherCopyRuns() const { return anotherCopyRuns_; }

  // In the user's runtime folder, else the temporary folder with the user id
  // in its name, so that each user has a copy of their own.
  static QString DefaultLockPath(const QString& name = kInstanceName);

  static constexpr char kInstanceName[] = "TomekitWin";

private:
  QLockFile lock_;
#ifdef _WIN32
  std::unique_ptr<InstanceMutex> mutex_;
#endif
  bool anotherCopyRuns_ = false;
};

// What a second copy does instead of starting: beep for a second.
void SignalAlreadyRunning();

}  // namespace tk::app
