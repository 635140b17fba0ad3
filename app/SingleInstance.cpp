#include "app/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <signal.h>
#include <unistd.h>
#include <cerrno>

namespace tk::app {
namespace {

// QLockFile reports every lock it could not take as held, also one it could
// not read or could not remove as stale; only a lock naming a process that
// still runs is another copy's.
bool HeldByRunningCopy(const QLockFile& lock) {
  if (lock.error() != QLockFile::LockFailedError) return false;
  qint64 pid = 0;
  QString host, app;
  if (!lock.getLockInfo(&pid, &host, &app) || pid <= 0) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

SingleInstance::SingleInstance() : SingleInstance(defaultLockPath()) {}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
  lock_.setStaleLockTime(0);
  anotherCopyRuns_ = !lock_.tryLock(0) && HeldByRunningCopy(lock_);
}

QString SingleInstance::defaultLockPath(const QString& name) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists()) return QDir(runtime).filePath(name + ".lock");
  return QDir(QDir::tempPath()).filePath(QStringLiteral("%1-%2.lock").arg(name).arg(getuid()));
}

void SignalAlreadyRunning() {
  // The desktop has no tone of a chosen pitch; the system beep for about the
  // same second stands in for it.
  QApplication::beep();
  QThread::msleep(1000);
}

}  // namespace tk::app
