#pragma once
// A second launch brings the running copy's window forward: the running copy
// listens on a local socket (a named pipe on Windows) named like its lock,
// and a second copy that finds the lock held asks it there to show itself.
#include <QObject>
#include <QString>

class QLocalServer;
class QWidget;

namespace tk::app {

class ShowRequests : public QObject {
  Q_OBJECT
public:
  // Listens for the window; a socket left by a killed copy is replaced.
  ShowRequests(QWidget& window, const QString& name = DefaultName());

  static QString DefaultName();

private:
  void bringForward();

  QWidget& window_;
  QLocalServer* server_;
};

// The second copy's side: true when a running copy took the request.
bool AskRunningCopyToShow(const QString& name = ShowRequests::DefaultName());

}  // namespace tk::app
