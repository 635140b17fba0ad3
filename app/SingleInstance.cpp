#include "app/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <unistd.h>

namespace tk::app {

SingleInstance::SingleInstance() : SingleInstance(defaultLockPath()) {}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
  lock_.setStaleLockTime(0);
  acquired_ = lock_.tryLock(0);
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
