#include "app/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#ifndef _WIN32
#include <signal.h>
#include <unistd.h>
#include <cerrno>
#endif

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
#ifdef _WIN32
  return true;  // QLockFile has already taken over the lock of a dead process
#else
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

}  // namespace

#ifdef _WIN32
SingleInstance::SingleInstance()
    : lock_(QString()),  // never taken: the mutex stands in for it
      mutex_(std::make_unique<InstanceMutex>(kInstanceName)),
      anotherCopyRuns_(mutex_->heldByAnother()) {}
#else
SingleInstance::SingleInstance() : SingleInstance(DefaultLockPath()) {}
#endif

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
  lock_.setStaleLockTime(0);
  anotherCopyRuns_ = !lock_.tryLock(0) && HeldByRunningCopy(lock_);
}

QString SingleInstance::DefaultLockPath(const QString& name) {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists()) return QDir(runtime).filePath(name + ".lock");
#ifdef _WIN32
  // The temporary folder is the user's own there.
  return QDir(QDir::tempPath()).filePath(name + ".lock");
#else
  return QDir(QDir::tempPath()).filePath(QStringLiteral("%1-%2.lock").arg(name).arg(getuid()));
#endif
}

void SignalAlreadyRunning() {
  // The desktop has no tone of a chosen pitch; the system beep for about the
  // same second stands in for it.
  QApplication::beep();
  QThread::msleep(1000);
}

}  // namespace tk::app
