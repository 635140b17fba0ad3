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

  auto* group = new QGroupBox(QStringLiteral("Folders"), this);
  group->setObjectName(QStringLiteral("GroupBox1"));
  LabelEn = HintedLabel("EndNote Import/Export", "LabelEn",
                        "Where you keep files to import/export with Endnote", group);
  EditENPath = FolderEdit("EditENPath", group);
  auto* browseEN = BrowseButton("ButtonBrEN", group);
  auto* labelPalm = HintedLabel("Palm Install", "LabelPalm", "Where your Palm Install Directory is", group);
  EditPalmInstallPath = FolderEdit("EditPalmInstallPath", group);
  auto* browseInstall = BrowseButton("ButtonBrPalmInstall", group);
  auto* labelIncoming = HintedLabel("Incoming Palm Files", "LabelIncoming",
                                    "Where the backup files from your Palm are", group);
  EditPalmBackupPath = FolderEdit("EditPalmBackupPath", group);
  auto* browseIncoming = BrowseButton("ButtonBrowseIncPalm", group);

  auto* grid = new QGridLayout(group);
  grid->addWidget(LabelEn, 0, 0);
  grid->addWidget(EditENPath, 0, 1);
  grid->addWidget(browseEN, 0, 2);
  grid->addWidget(labelPalm, 1, 0);
  grid->addWidget(EditPalmInstallPath, 1, 1);
  grid->addWidget(browseInstall, 1, 2);
  grid->addWidget(labelIncoming, 2, 0);
  grid->addWidget(EditPalmBackupPath, 2, 1);
  grid->addWidget(browseIncoming, 2, 2);

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

  connect(browseEN, &QPushButton::clicked, this,
          [this] { browseInto(EditENPath, ImportExportBrowseTitle(mode_)); });
  connect(browseInstall, &QPushButton::clicked, this, [this] {
    browseInto(EditPalmInstallPath,
               QStringLiteral("Palm Install Folder\n(Usually c:\\palm\\yourname\\Install)"));
  });
  connect(browseIncoming, &QPushButton::clicked, this, [this] {
    browseInto(EditPalmBackupPath,
               QStringLiteral("Incoming Palm PDB File Folder\n(Usually c:\\palm\\yourname\\backup)"));
  });

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(hsLabel);
  bottom->addWidget(EditHSId);
  bottom->addStretch();
  bottom->addWidget(ok);
  bottom->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
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
