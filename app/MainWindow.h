#pragma once
// "Tomekit for Windows": the program's one working window. It owns the
// conversion and configuration state, shows the field panel, runs the two
// conversions from its buttons and the mode set-up from its menu, and is the
// Ui through which the core reports.
#include "fields/AppState.h"
#include "fields/FieldPanelView.h"
#include "platform/FileDialog.h"
#include "platform/Ui.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tk::app {

class AboutBox;
class ErrorReportDialog;
class FieldAttributesDialog;
class FoldersDialog;
class ProgressWindow;

class MainWindow : public QMainWindow, public Ui, public FieldPanelView {
  Q_OBJECT
public:
  static constexpr int kFieldControls = 48;
  static constexpr int kWindowHeight = 488;

  // Loads the settings and sets up the saved mode (programFolder holds the
  // settings, strategy files and work folder).
  explicit MainWindow(const std::string& programFolder, QWidget* parent = nullptr);
  ~MainWindow() override;

  AppState& state() { return state_; }

  // Menu and button handlers.
  void HelpClick();
  void Settings1Click();
  void EndNote1Click() { selectMode(0); }
  void RefManager1Click() { selectMode(1); }
  void ProCite1Click() { selectMode(2); }
  void ProCiteGeneric1Click() { selectMode(3); }
  void Btn2JFClick();
  void Btn2ENClick();
  // "Properties" for the check box the pop-up menu was opened on.
  void PuClickProp();
  // The width box's leave check; true when it holds 5 to 3990.
  bool EDfn1Exit(QLineEdit* box);

  // The field controls by field number (1..48).
  QCheckBox* fieldCheckBox(int n) const { return checkBoxes_.at(n); }
  QLineEdit* widthBox(int n) const { return widthBoxes_.at(n); }
  void setPopupTarget(QCheckBox* box) { popupTarget_ = box; }

  // Ui.
  void showMessage(MessageKind kind, const std::string& text) override;
  void showProgress(const ProgressSetup& setup) override;
  void hideProgress() override;
  void setBanner(Banner banner) override;
  void progressStep(int n) override;
  void setRecordCounter(long record) override;
  void processMessages() override;
  void showErrorReport(const std::vector<std::string>& lines) override;

  // FieldPanelView.
  void readFieldPanel(AppState& state) override;
  void showFieldPanel(const AppState& state) override;
  void beginModeSetup() override;
  void finishModeSetup(const AppState& state) override;

  ProgressWindow& progressWindow() { return *progDlg; }

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void buildMenus();
  void buildTopStrip(QWidget* parent);
  void buildFieldPanel(QWidget* parent);
  void buildStatusBar();
  void buildField(int n, int column, int row, int checkWidth);

  void FormCreate();
  void FormDestroy();
  void selectMode(std::int32_t mode);
  void checkModeItem(std::int32_t mode);
  void HideFieldControls();
  bool checkWidthBoxes();
  void refreshStatus();
  std::vector<std::string> chooseFiles(const FileDialogSetup& setup);

  // Runs one user command: refused while a conversion runs, and an error
  // escaping it is shown in an error box and ends the command.
  void runCommand(const std::function<void()>& command);

  AppState state_;
  bool busy_ = false;
  bool shutDown_ = false;

  QAction* Help = nullptr;
  QAction* Settings1 = nullptr;
  QMenu* Mode1 = nullptr;
  std::array<QAction*, 4> modeItems_{};  // EndNote1, RefManager1, ProCite1, ProCiteGeneric1
  QMenu* PopupField = nullptr;
  QCheckBox* popupTarget_ = nullptr;

  QWidget* Panel3 = nullptr;
  QPushButton* Btn2EN = nullptr;
  QPushButton* Btn2JF = nullptr;
  QWidget* Panel1 = nullptr;
  std::array<QCheckBox*, kFieldControls + 1> checkBoxes_{};
  std::array<QLineEdit*, kFieldControls + 1> widthBoxes_{};
  std::array<QLabel*, 2> statusPanels_{};

  FieldAttributesDialog* FldSetDlg = nullptr;
  FoldersDialog* FormJFConv = nullptr;
  ErrorReportDialog* ConvErrorDialog = nullptr;
  ProgressWindow* progDlg = nullptr;
  AboutBox* AboutBox_ = nullptr;
};

}  // namespace tk::app
