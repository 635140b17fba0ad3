#pragma once
// The folders dialog: where the current reference manager's files live, the
// Palm install and backup folders, and the HotSync user ID.
#include "fields/Settings.h"

#include <QDialog>

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
  // settings' mode; with OK the four texts go back into the settings as
  // typed, and the result is true. The caller saves the settings.
  bool edit(Settings& settings);

  // The folder browser's title for the reference manager's folder.
  static QString ImportExportBrowseTitle(Mode mode);

protected:
  void showEvent(QShowEvent* event) override;

private:
  QGroupBox* buildFolderGroup();
  QHBoxLayout* buildIdAndButtons();
  void showModeTexts();
  void browseInto(QLineEdit* edit, const QString& title);

  Mode mode_ = Mode::EndNote;
  QLabel* modeFolderLabel_ = nullptr;
  QLineEdit* modeFolderEdit_ = nullptr;
  QLineEdit* installFolderEdit_ = nullptr;
  QLineEdit* backupFolderEdit_ = nullptr;
  QLineEdit* hotSyncIdEdit_ = nullptr;
};

}  // namespace tk::app
