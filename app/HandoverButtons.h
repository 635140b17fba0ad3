#pragma once
// The status bar's way on to the handheld: the folder the databases went to
// (an emulator's "Install file" is pointed there), a zip of the choice's
// databases for an emulator, and the command that copies the last one by
// hand, put on the clipboard.
#include <QString>
#include <QWidget>

class QToolButton;

namespace tk::app {

class HandoverButtons : public QWidget {
  Q_OBJECT
public:
  explicit HandoverButtons(QWidget* parent = nullptr);

  // An empty command hides its button; the zip is offered once the choice
  // wrote a database.
  void setTargets(const QString& folder, const QString& command, bool databasesWritten);

signals:
  void zipRequested();

private:
  QToolButton* openFolder_;
  QToolButton* zipDatabases_;
  QToolButton* copyCommand_;
  QString folder_;
  QString command_;
};

}  // namespace tk::app
