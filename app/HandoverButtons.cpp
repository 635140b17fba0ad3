#include "app/HandoverButtons.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QToolButton>
#include <QUrl>

namespace tk::app {

HandoverButtons::HandoverButtons(QWidget* parent)
    : QWidget(parent),
      openFolder_(new QToolButton(this)),
      zipDatabases_(new QToolButton(this)),
      copyCommand_(new QToolButton(this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  openFolder_->setObjectName(QStringLiteral("OpenInstallFolder"));
  openFolder_->setText(QStringLiteral("Open folder"));
  zipDatabases_->setObjectName(QStringLiteral("ZipForEmulator"));
  zipDatabases_->setText(QStringLiteral("Zip for emulator"));
  zipDatabases_->setToolTip(
      QStringLiteral("One zip of this choice's databases, to install at once"));
  zipDatabases_->hide();
  copyCommand_->setObjectName(QStringLiteral("CopyInstallCommand"));
  copyCommand_->setText(QStringLiteral("Copy command"));
  copyCommand_->hide();
  layout->addWidget(openFolder_);
  layout->addWidget(zipDatabases_);
  layout->addWidget(copyCommand_);
  connect(zipDatabases_, &QToolButton::clicked, this, &HandoverButtons::zipRequested);
  connect(openFolder_, &QToolButton::clicked, this,
          [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(folder_)); });
  connect(copyCommand_, &QToolButton::clicked, this,
          [this] { QApplication::clipboard()->setText(command_); });
}

void HandoverButtons::setTargets(const QString& folder, const QString& command,
                                 bool databasesWritten) {
  zipDatabases_->setVisible(databasesWritten);
  folder_ = folder;
  command_ = command;
  openFolder_->setToolTip(folder);
  copyCommand_->setToolTip(QStringLiteral("Copies: ") + command);
  copyCommand_->setVisible(!command.isEmpty());
}

}  // namespace tk::app
