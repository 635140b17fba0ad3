#pragma once
// Only one copy of the program runs at a time: the first copy holds a lock
// file named after the program until it ends. A lock left by a copy that was
// killed is stale and taken over. A lock that can't be taken for any other
// reason (no folder to put it in, a damaged lock file) does not keep the
// program from starting: it then runs without one.
#include <QLockFile>
#include <QString>

namespace tk::app {

class SingleInstance {
public:
  SingleInstance();  // the program's own lock
  explicit SingleInstance(const QString& lockPath);

  // True only when another running copy holds the lock.
  bool anotherCopyRuns() const { return anotherCopyRuns_; }

  // In the user's runtime folder, else the temporary folder with the user id
  // in its name, so that each user has a copy of their own.
  static QString defaultLockPath(const QString& name = QStringLiteral("TomekitWin"));

private:
  QLockFile lock_;
  bool anotherCopyRuns_ = false;
};

// What a second copy does instead of starting: beep for a second.
void SignalAlreadyRunning();

}  // namespace tk::app
