#pragma once
// The folders dialog: where the current reference manager's files live, the
// Palm install and backup folders, and the HotSync user ID.
#include "fields/AppState.h"

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

  void SetMode(std::int32_t mode) { mode_ = mode; }

  // Fills the boxes from the state's settings and runs the dialog; with OK the
  // four texts go back into the state as typed, and the result is true. The
  // caller saves the settings.
  bool edit(AppState& state);

  // The folder browser's title for the reference manager's folder.
  static QString ImportExportBrowseTitle(std::int32_t mode);

protected:
  void showEvent(QShowEvent* event) override;

private:
  QGroupBox* buildFolderGroup();
  QHBoxLayout* buildIdAndButtons();
  void FormShow();
  void browseInto(QLineEdit* edit, const QString& title);

  std::int32_t mode_ = 0;
  QLabel* LabelEn;
  QLineEdit* EditENPath;
  QLineEdit* EditPalmInstallPath;
  QLineEdit* EditPalmBackupPath;
  QLineEdit* EditHSId;
};

}  // namespace tk::app
