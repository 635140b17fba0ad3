#pragma once
// The folders dialog: where the current reference manager's files live, the
// Palm install and backup folders, palm-sync's folder and user, and the
// HotSync user ID, which Palm Desktop's users (when there are any) fill in.
#include "fields/Settings.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;

namespace tk::app {

class FoldersDialog : public QDialog {
  Q_OBJECT
public:
  explicit FoldersDialog(QWidget* parent = nullptr);

  // Fills the boxes from the settings and runs the dialog, worded for the
  // settings' mode; with OK the three folders go back into the settings as
  // typed, and the HotSync ID when it is a whole number (else the earlier ID
  // stays, with a message), palm-sync's folder as typed and its user when
  // that names one folder (likewise); the result is then true. The caller
  // saves them. An install folder or ID changed from Palm Desktop's user's is
  // the user's own from then on.
  bool edit(Settings& settings);

  // The folder browser's title for the reference manager's folder.
  static QString ImportExportBrowseTitle(Mode mode);

  // OK keeps the dialog open over a HotSync ID that is no whole number, or a
  // palm-sync user that names no one folder.
  void accept() override;

protected:
  void showEvent(QShowEvent* event) override;

private:
  QGroupBox* buildFolderGroup();
  QHBoxLayout* buildIdAndButtons();
  void showModeTexts();
  // Hidden without Palm Desktop users; the settings' ID chooses its user.
  void offerPalmDesktopUsers(const Settings& settings);
  void takePalmDesktopUser(int index);
  void browseInto(QLineEdit* edit, const QString& title);
  // False, with the message shown and the earlier ID back in the box, when
  // the box holds anything but a whole number.
  bool checkHotSyncId();
  bool checkPalmSyncUser();

  Mode mode_ = Mode::EndNote;
  QLabel* modeFolderLabel_ = nullptr;
  QLineEdit* modeFolderEdit_ = nullptr;
  QLineEdit* installFolderEdit_ = nullptr;
  QLineEdit* backupFolderEdit_ = nullptr;
  QLineEdit* palmSyncFolderEdit_ = nullptr;
  QLineEdit* palmSyncUserEdit_ = nullptr;
  QLineEdit* hotSyncIdEdit_ = nullptr;
  QLabel* palmDesktopUserLabel_ = nullptr;
  QComboBox* palmDesktopUsers_ = nullptr;
  QString earlierHotSyncId_;
  QString earlierPalmSyncUser_;
};

}  // namespace tk::app
