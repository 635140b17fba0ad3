#include "app/ShowRequests.h"

#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace tk::app {
namespace {

// Long enough for a copy busy converting to answer between two files' steps.
constexpr int kAnswerMs = 3000;

}  // namespace

ShowRequests::ShowRequests(QWidget& window, const QString& name)
    : QObject(&window), window_(window), server_(new QLocalServer(this)) {
  QLocalServer::removeServer(name);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  server_->listen(name);
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      bringForward();
    }
  });
}

QString ShowRequests::DefaultName() {
  // Beside the lock, so each user's copy answers only that user.
  QString path = SingleInstance::DefaultLockPath();
  path.chop(static_cast<qsizetype>(sizeof(".lock") - 1));
#ifdef _WIN32
  return path.section(u'\\', -1).section(u'/', -1);  // a pipe name, not a path
#else
  return path + QStringLiteral(".socket");
#endif
}

void ShowRequests::bringForward() {
  window_.setWindowState((window_.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window_.show();
  window_.raise();
  window_.activateWindow();
}

bool AskRunningCopyToShow(const QString& name) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(kAnswerMs)) return false;
  socket.disconnectFromServer();
  return true;
}

}  // namespace tk::app
