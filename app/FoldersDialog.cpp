#include "app/FoldersDialog.h"

#include "app/AppTexts.h"
#include "app/Modal.h"
#include "app/Text.h"
#include "fields/ProgramModes.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tk::app {
namespace {

QLabel* HintedLabel(const char* text, const char* name, const char* hint, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  if (hint) label->setToolTip(QString::fromLatin1(hint));
  return label;
}

QLineEdit* FolderEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setToolTip(QStringLiteral("Double Click to Edit"));
  edit->setMinimumWidth(300);
  return edit;
}

QPushButton* BrowseButton(const char* name, QWidget* parent) {
  auto* button = new QPushButton(QStringLiteral("&Browse"), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

FoldersDialog::FoldersDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormJFConv"));
  setWindowTitle(ProgramTitle());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildFolderGroup());
  layout->addLayout(buildIdAndButtons());
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* FoldersDialog::buildFolderGroup() {
  auto* group = new QGroupBox(QStringLiteral("Folders"), this);
  group->setObjectName(QStringLiteral("GroupBox1"));
  auto* grid = new QGridLayout(group);
  auto addRow = [&](int row, QLabel* label, QLineEdit* edit, const char* buttonName,
                    QString browseTitle) {
    auto* browse = BrowseButton(buttonName, group);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(browse, row, 2);
    connect(browse, &QPushButton::clicked, this, [this, edit, browseTitle] {
      // The reference manager's folder is titled after the mode shown.
      browseInto(edit, browseTitle.isEmpty() ? ImportExportBrowseTitle(mode_) : browseTitle);
    });
  };
  modeFolderLabel_ = HintedLabel("EndNote Import/Export", "LabelEn",
                                 "Where you keep files to import/export with Endnote", group);
  modeFolderEdit_ = FolderEdit("EditENPath", group);
  addRow(0, modeFolderLabel_, modeFolderEdit_, "ButtonBrEN", QString());
  auto* labelPalm =
      HintedLabel("Palm Install", "LabelPalm", "Where your Palm Install Directory is", group);
  installFolderEdit_ = FolderEdit("EditPalmInstallPath", group);
  addRow(1, labelPalm, installFolderEdit_, "ButtonBrPalmInstall",
         QStringLiteral("Palm Install Folder\n(Usually c:\\palm\\yourname\\Install)"));
  auto* labelIncoming = HintedLabel("Incoming Palm Files", "LabelIncoming",
                                    "Where the backup files from your Palm are", group);
  backupFolderEdit_ = FolderEdit("EditPalmBackupPath", group);
  addRow(2, labelIncoming, backupFolderEdit_, "ButtonBrowseIncPalm",
         QStringLiteral("Incoming Palm PDB File Folder\n(Usually c:\\palm\\yourname\\backup)"));
  auto* labelPalmSync =
      HintedLabel("palm-sync", "LabelPalmSync",
                  "The folder palm-sync syncs with; empty: palm-sync is not used", group);
  palmSyncFolderEdit_ = FolderEdit("EditPalmSyncPath", group);
  addRow(3, labelPalmSync, palmSyncFolderEdit_, "ButtonBrPalmSync",
         QStringLiteral("palm-sync's folder\n(it holds a folder for each HotSync user)"));
  auto* labelUser = HintedLabel("palm-sync user", "LabelPalmSyncUser",
                                "The HotSync user whose install folder gets each database", group);
  palmSyncUserEdit_ = new QLineEdit(group);
  palmSyncUserEdit_->setObjectName(QStringLiteral("EditPalmSyncUser"));
  grid->addWidget(labelUser, 4, 0);
  grid->addWidget(palmSyncUserEdit_, 4, 1);
  return group;
}

QHBoxLayout* FoldersDialog::buildIdAndButtons() {
  auto* hsLabel = HintedLabel("Palm Hotsync ID", "StaticText1", nullptr, this);
  hotSyncIdEdit_ = new QLineEdit(this);
  hotSyncIdEdit_->setObjectName(QStringLiteral("EditHSId"));
  hotSyncIdEdit_->setToolTip(QStringLiteral("To find this, \"shortcut . 4\" on your Palm"));
  hsLabel->setBuddy(hotSyncIdEdit_);
  hsLabel->setText(QStringLiteral("Palm &Hotsync ID"));
  palmDesktopUsers_ = new QComboBox(this);
  palmDesktopUsers_->setObjectName(QStringLiteral("ComboPalmDesktopUser"));
  palmDesktopUsers_->setToolTip(QStringLiteral("Palm Desktop's HotSync users"));
  palmDesktopUserLabel_ = HintedLabel("HotSync &user", "LabelPalmDesktopUser", nullptr, this);
  palmDesktopUserLabel_->setBuddy(palmDesktopUsers_);
  connect(palmDesktopUsers_, &QComboBox::activated, this, &FoldersDialog::takePalmDesktopUser);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Button2"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addWidget(palmDesktopUserLabel_);
  row->addWidget(palmDesktopUsers_);
  row->addWidget(hsLabel);
  row->addWidget(hotSyncIdEdit_);
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

QString FoldersDialog::ImportExportBrowseTitle(Mode mode) {
  return QString::fromLatin1(InfoOf(mode).folderBrowseTitle);
}

bool FoldersDialog::edit(Settings& settings) {
  mode_ = settings.mode;
  modeFolderEdit_->setText(PathFromCore(settings.importExportFolder));
  installFolderEdit_->setText(PathFromCore(settings.palmInstallFolder));
  backupFolderEdit_->setText(PathFromCore(settings.palmBackupFolder));
  earlierHotSyncId_ = FromCore(settings.hotSyncUserId);
  hotSyncIdEdit_->setText(earlierHotSyncId_);
  palmSyncFolderEdit_->setText(PathFromCore(settings.palmSyncFolder));
  earlierPalmSyncUser_ = FromCore(settings.palmSyncUser);
  palmSyncUserEdit_->setText(earlierPalmSyncUser_);
  offerPalmDesktopUsers(settings);
  showModeTexts();  // also on show, but a preset answer never shows the dialog
  if (RunModal(*this) != QDialog::Accepted) return false;
  settings.importExportFolder = PathToCore(modeFolderEdit_->text());
  const std::string shownFolder = settings.palmInstallFolder;
  const std::string shownId = settings.hotSyncUserId;
  settings.palmInstallFolder = PathToCore(installFolderEdit_->text());
  settings.palmBackupFolder = PathToCore(backupFolderEdit_->text());
  if (checkHotSyncId()) settings.hotSyncUserId = hotSyncIdEdit_->text().toStdString();
  if (settings.palmInstallFolder != shownFolder || settings.hotSyncUserId != shownId) {
    settings.installFromPalmDesktop = false;
  }
  settings.palmSyncFolder = PathToCore(palmSyncFolderEdit_->text());
  if (checkPalmSyncUser()) settings.palmSyncUser = palmSyncUserEdit_->text().toStdString();
  return true;
}

void FoldersDialog::offerPalmDesktopUsers(const Settings& settings) {
  const PalmDesktop& desktop = settings.palmDesktop;
  palmDesktopUsers_->clear();
  for (const PalmDesktopUser& user : desktop.users) {
    palmDesktopUsers_->addItem(
        FromCore(user.name) + QStringLiteral(" (") + FromCore(user.id) + QStringLiteral(")"),
        QStringList{PathFromCore(InstallFolderOf(desktop, user)), FromCore(user.id)});
  }
  const PalmDesktopUser* chosen = PalmDesktopUserWithId(desktop, settings.hotSyncUserId);
  palmDesktopUsers_->setCurrentIndex(chosen ? static_cast<int>(chosen - desktop.users.data()) : -1);
  palmDesktopUsers_->setVisible(!desktop.users.empty());
  palmDesktopUserLabel_->setVisible(!desktop.users.empty());
}

void FoldersDialog::takePalmDesktopUser(int index) {
  const QStringList folderAndId = palmDesktopUsers_->itemData(index).toStringList();
  if (folderAndId.size() != 2) return;
  installFolderEdit_->setText(folderAndId[0]);
  hotSyncIdEdit_->setText(folderAndId[1]);
}

void FoldersDialog::accept() {
  if (checkHotSyncId() && checkPalmSyncUser()) QDialog::accept();
}

bool FoldersDialog::checkPalmSyncUser() {
  const QString typed = palmSyncUserEdit_->text();
  if (typed.isEmpty() || IsPalmSyncUserName(typed.toStdString())) return true;
  ShowMessageBox(this, MessageKind::Error, PalmSyncUserRefusedText(typed, earlierPalmSyncUser_));
  palmSyncUserEdit_->setText(earlierPalmSyncUser_);
  return false;
}

bool FoldersDialog::checkHotSyncId() {
  const QString typed = hotSyncIdEdit_->text();
  if (IsWholeHotSyncId(typed)) return true;
  ShowMessageBox(this, MessageKind::Error, HotSyncIdRefusedText(typed, earlierHotSyncId_));
  hotSyncIdEdit_->setText(earlierHotSyncId_);
  return false;
}

void FoldersDialog::showEvent(QShowEvent* event) {
  showModeTexts();
  QDialog::showEvent(event);
}

void FoldersDialog::showModeTexts() {
  const ModeInfo& mode = InfoOf(mode_);
  modeFolderLabel_->setText(QString::fromLatin1(mode.folderLabel));
  modeFolderLabel_->setToolTip(QString::fromLatin1(mode.folderHint));
}

void FoldersDialog::browseInto(QLineEdit* edit, const QString& title) {
  const QString folder = ChooseFolder(this, title);
  if (!folder.isEmpty()) edit->setText(QDir::toNativeSeparators(folder));
}

}  // namespace tk::app
