#pragma once
// "Tomekit for Windows": the program's one working window. It shows the
// session it holds (the settings, the mode's field setup, the status), takes
// the user's commands to it from its menus, buttons, field panel and drops,
// and is the Ui through which the core reports. While a conversion runs it
// takes no command but Stop and closing.
#include "converter/Direction.h"
#include "platform/Ui.h"
#include "session/Session.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <string>
#include <vector>

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
class HandoverButtons;
class ProgressWindow;
class StatusText;

class MainWindow : public QMainWindow, public Ui {
  Q_OBJECT
public:
  static constexpr int kFieldControls = 48;
  static constexpr int kWindowHeight = 488;

  // Loads the settings and sets up the saved mode (dataFolder holds the
  // settings, strategy files and work folder; programFolder holds jconv5).
  MainWindow(const std::string& dataFolder, const std::string& programFolder,
             QWidget* parent = nullptr);

  Settings& settings() { return session_.settings(); }
  FieldSetup& fieldSetup() { return session_.fieldSetup(); }

  // Menu and button handlers.
  void onAboutClicked();
  void onFoldersClicked();
  // One zip of the choice's databases, for an emulator's "Install file".
  void onZipForEmulatorClicked();
  void onCharsetChosen(Charset charset);
  void onPalmCharsetChosen(PalmCharset charset);
  void onExportFormatChosen(ExportFormat format);
  void onModeChosen(Mode mode);
  void onImportClicked();
  void onExportClicked();
  // Files dropped on the window: the PDB files are exported and the others
  // imported in the mode in force, each group as one choice.
  void convertDropped(const QStringList& files);
  // "Properties" for the check box the pop-up menu was opened on.
  void onPropertiesClicked();
  // The width box's leave check; true when it holds 5 to 3990.
  bool checkWidthBox(QLineEdit* box);

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
  ReplaceAnswer askToReplace(const std::string& path, const std::string& warning) override;
  void setBusy(bool busy) override;
  bool stopRequested() const override { return session_.stopRequested(); }

  ProgressWindow& progressWindow() { return *progressWindow_; }

protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void buildMenus();
  void buildModeMenu();
  void buildSettingsMenu();
  void buildPalmCharsetMenu(QMenu& settings);
  void buildTopStrip(QWidget* parent);
  void buildFieldPanel(QWidget* parent);
  void buildField(int n, int column, int row);
  void buildStatusBar();

  void startUp();
  void shutDown();
  // Hides the panel while setUp runs and rebuilds it for the mode it leaves.
  void runModeSetup(const std::function<ModeResult()>& setUp);
  void checkModeItem(Mode mode);
  void checkCharsetItem();
  void checkExportFormatItem();

  // Runs one user command: refused while another runs; an exception (a
  // bug) is shown in an error box and ends the command.
  void runCommand(const std::function<void()>& command);
  // A new choice of files from the direction's dialog.
  std::vector<std::string> chooseFiles(Direction direction);
  void beginChoice();
  // The width boxes checked and the panel read, then the files converted;
  // the summary follows a choice of several files.
  void convertFiles(Direction direction, const std::vector<std::string>& chosen);
  void showChoiceSummary();
  // The controls that start or change a conversion, disabled while one runs.
  void enableCommands(bool enabled);
  // Keeps the leaving mode's ticks, widths and words, as closing does.
  void saveModeStrategy();
  // A close asked for during a conversion: true when the user chose to stop.
  bool stopForClose();
  // Where a box goes: above the progress window while it shows.
  QWidget* boxParent();
  void layoutClient();
  void showError(const std::string& text);
  void refreshStatus();

  // The field panel and the field setup's table.
  bool checkWidthBoxes();
  bool readFieldPanel();
  void showFields(const FieldSetup& setup);
  void hideFieldControls();
  void fitToMode();

  Session session_;
  bool commandRuns_ = false;
  int busyCursors_ = 0;
  bool shutDown_ = false;
  bool closeWhenDone_ = false;

  std::array<QAction*, kAllModes.size()> modeItems_{};
  std::array<QAction*, std::size(kCharsets)> charsetItems_{};
  std::array<QAction*, std::size(kPalmCharsets)> palmCharsetItems_{};
  QMenu* exportFormatMenu_ = nullptr;
  std::array<QAction*, std::size(kExportFormats)> exportFormatItems_{};
  QMenu* fieldMenu_ = nullptr;
  QCheckBox* popupTarget_ = nullptr;

  QWidget* buttonStrip_ = nullptr;
  QPushButton* exportButton_ = nullptr;
  QPushButton* importButton_ = nullptr;
  QWidget* fieldPanel_ = nullptr;
  QWidget* fieldScroller_ = nullptr;
  std::array<QCheckBox*, kFieldControls + 1> checkBoxes_{};
  std::array<QLineEdit*, kFieldControls + 1> widthBoxes_{};
  QLabel* modePanel_ = nullptr;
  StatusText* statusText_ = nullptr;
  HandoverButtons* handover_ = nullptr;

  FieldAttributesDialog* attributesDialog_ = nullptr;
  FoldersDialog* foldersDialog_ = nullptr;
  ErrorReportDialog* errorReportDialog_ = nullptr;
  ProgressWindow* progressWindow_ = nullptr;
  AboutBox* aboutBox_ = nullptr;
};

}  // namespace tk::app
