#include "app/FoldersDialog.h"

#include "app/Modal.h"
#include "app/Text.h"

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

struct ModeTexts {
  const char* label;
  const char* hint;
  const char* browseTitle;
};

const ModeTexts& TextsOf(std::int32_t mode) {
  static const ModeTexts texts[] = {
      {"EndNote Import/Export", "Where you keep files to import/export with EndNote",
       "Endnote import/export Folder"},
      {"Ref Mngr Import/Export", "Where you keep files to import/export with Reference Manager",
       "Reference Manager import/export Folder"},
      {"ProCite Import/Export", "Where you keep files to import/export with ProCite",
       "ProCite import/export Folder"},
      {"ProCite Import/Export", "Where you keep files to import/export with ProCite",
       "ProCite import/export Folder"},
  };
  // A mode from a hand-edited settings file is shown as EndNote's.
  return texts[mode >= 1 && mode <= 3 ? mode : 0];
}

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
  auto* button = new QPushButton(QStringLiteral("Browse"), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

FoldersDialog::FoldersDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FormJFConv"));
  setWindowTitle(QStringLiteral("Tomekit for Windows"));
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
  LabelEn = HintedLabel("EndNote Import/Export", "LabelEn",
                        "Where you keep files to import/export with Endnote", group);
  EditENPath = FolderEdit("EditENPath", group);
  addRow(0, LabelEn, EditENPath, "ButtonBrEN", QString());
  auto* labelPalm =
      HintedLabel("Palm Install", "LabelPalm", "Where your Palm Install Directory is", group);
  EditPalmInstallPath = FolderEdit("EditPalmInstallPath", group);
  addRow(1, labelPalm, EditPalmInstallPath, "ButtonBrPalmInstall",
         QStringLiteral("Palm Install Folder\n(Usually c:\\palm\\yourname\\Install)"));
  auto* labelIncoming = HintedLabel("Incoming Palm Files", "LabelIncoming",
                                    "Where the backup files from your Palm are", group);
  EditPalmBackupPath = FolderEdit("EditPalmBackupPath", group);
  addRow(2, labelIncoming, EditPalmBackupPath, "ButtonBrowseIncPalm",
         QStringLiteral("Incoming Palm PDB File Folder\n(Usually c:\\palm\\yourname\\backup)"));
  return group;
}

QHBoxLayout* FoldersDialog::buildIdAndButtons() {
  auto* hsLabel = HintedLabel("Palm Hotsync ID", "StaticText1", nullptr, this);
  EditHSId = new QLineEdit(this);
  EditHSId->setObjectName(QStringLiteral("EditHSId"));
  EditHSId->setToolTip(QStringLiteral("To find this, \"shortcut . 4\" on your Palm"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Button2"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addWidget(hsLabel);
  row->addWidget(EditHSId);
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

QString FoldersDialog::ImportExportBrowseTitle(std::int32_t mode) {
  return QString::fromLatin1(TextsOf(mode).browseTitle);
}

bool FoldersDialog::edit(AppState& state) {
  SetMode(state.convMode);
  EditENPath->setText(PathFromCore(state.importExportFolder));
  EditPalmInstallPath->setText(PathFromCore(state.palmInstallFolder));
  EditPalmBackupPath->setText(PathFromCore(state.palmBackupFolder));
  EditHSId->setText(FromCore(state.hotSyncUserId));
  FormShow();  // also on show, but a preset answer never shows the dialog
  if (RunModal(*this) != QDialog::Accepted) return false;
  state.importExportFolder = PathToCore(EditENPath->text());
  state.palmInstallFolder = PathToCore(EditPalmInstallPath->text());
  state.palmBackupFolder = PathToCore(EditPalmBackupPath->text());
  state.hotSyncUserId = EditHSId->text().toStdString();
  return true;
}

void FoldersDialog::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void FoldersDialog::FormShow() {
  const ModeTexts& texts = TextsOf(mode_);
  LabelEn->setText(QString::fromLatin1(texts.label));
  LabelEn->setToolTip(QString::fromLatin1(texts.hint));
}

void FoldersDialog::browseInto(QLineEdit* edit, const QString& title) {
  const QString folder = ChooseFolder(this, title);
  if (!folder.isEmpty()) edit->setText(QDir::toNativeSeparators(folder));
}

}  // namespace tk::app
