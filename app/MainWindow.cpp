#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/AppTexts.h"
#include "app/Artwork.h"
#include "app/ErrorReportDialog.h"
#include "app/FieldAttributesDialog.h"
#include "app/FoldersDialog.h"
#include "app/HandoverButtons.h"
#include "app/Modal.h"
#include "app/ProgressWindow.h"
#include "app/StatusText.h"
#include "app/Text.h"
#include "app/WholeNumberBox.h"
#include "export/ExportDriver.h"
#include "fields/FieldCatalogue.h"
#include "fields/ProgramModes.h"
#include "fields/StrategyFile.h"
#include "import/ImportDriver.h"
#include "platform/Path.h"
#include "session/SessionTexts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <exception>
#include <optional>

namespace tk::app {
namespace {

constexpr int kRowHeight = 20;
constexpr int kFirstRowTop = 22;
constexpr int kTopStripHeight = 49;
constexpr int kFieldPanelHeight = 367;
constexpr const char* kFieldNumber = "tag";
// What a window manager's frame and title bar take, at most, beside the window.
constexpr QSize kFrameRoom(16, 40);

// The field panel's three columns: x of the width box and of the check box.
struct Column {
  int widthBoxX;
  int checkBoxX;
};
constexpr Column kColumns[] = {{5, 42}, {183, 222}, {385, 423}};

QString WidthBoxName(int n) {
  if (n <= 31) return QStringLiteral("EDfn%1").arg(n);
  return QStringLiteral("MaskEdit%1").arg(n <= 44 ? n - 30 : n - 29);
}

QString CheckBoxName(int n) {
  if (n <= 31) return QStringLiteral("CBfn%1").arg(n);
  return QStringLiteral("CheckBox%1").arg(n - 31);
}

int CheckBoxWidth(int n) {
  if (n == 15) return 135;
  if (n == 16) return 133;
  if (n <= 16) return 140;
  if (n == 47) return 97;
  return 144;
}

int FieldNumberOf(const QObject* control) {
  return control ? control->property(kFieldNumber).toInt() : 0;
}

void SetBold(QWidget* widget, bool bold) {
  QFont font = widget->font();
  font.setBold(bold);
  widget->setFont(font);
}

// A checkable item a choice, with the caption of the same place; the menu's
// items are kept so the chosen one can be ticked.
template <class Choice, std::size_t N, class Chosen>
void AddChoiceItems(QMenu& menu, const Choice (&choices)[N], const char* const (&captions)[N],
                    std::array<QAction*, N>& items, Chosen chosen) {
  for (std::size_t i = 0; i < N; ++i) {
    QAction* item = menu.addAction(QString::fromLatin1(captions[i]));
    item->setCheckable(true);
    const Choice choice = choices[i];
    QObject::connect(item, &QAction::triggered, &menu, [chosen, choice] { chosen(choice); });
    items[i] = item;
  }
}

}  // namespace

MainWindow::MainWindow(const std::string& dataFolder, const std::string& programFolder,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      session_(FrontEnd::Window, dataFolder, programFolder,
               SessionStartText(QDateTime::currentDateTime())) {
  setObjectName(QStringLiteral("FormTomekit"));
  setWindowTitle(ProgramTitle());
  setWindowIcon(ProgramIcon());

  buildMenus();
  auto* client = new QWidget(this);
  buildTopStrip(client);
  buildFieldPanel(client);
  setCentralWidget(client);
  buildStatusBar();
  resize(600, kWindowHeight);
  setAcceptDrops(true);
  // Ctrl+Q ends the program the way the close box does, with the same saving.
  auto* quit = new QAction(this);
  quit->setObjectName(QStringLiteral("Quit"));
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  addAction(quit);
  connect(quit, &QAction::triggered, this, &QWidget::close);

  attributesDialog_ = new FieldAttributesDialog(this);
  foldersDialog_ = new FoldersDialog(this);
  errorReportDialog_ = new ErrorReportDialog(this);
  progressWindow_ = new ProgressWindow(this);
  connect(progressWindow_, &ProgressWindow::stopClicked, this, [this] { session_.requestStop(); });
  aboutBox_ = new AboutBox(this);

  startUp();
}

// ---------------------------------------------------------------- layout

void MainWindow::buildMenus() {
  QAction* about = menuBar()->addAction(QStringLiteral("&About"));
  about->setObjectName(QStringLiteral("Help"));
  connect(about, &QAction::triggered, this, &MainWindow::onAboutClicked);
  buildSettingsMenu();
  buildModeMenu();

  fieldMenu_ = new QMenu(this);
  fieldMenu_->setObjectName(QStringLiteral("PopupField"));
  QAction* properties = fieldMenu_->addAction(QStringLiteral("&Properties"));
  connect(properties, &QAction::triggered, this, &MainWindow::onPropertiesClicked);
}

// The folders, and the character set of the current mode's files.
void MainWindow::buildSettingsMenu() {
  QMenu* settings = menuBar()->addMenu(QStringLiteral("&Settings"));
  settings->setObjectName(QStringLiteral("SettingsMenu"));
  QAction* folders = settings->addAction(QStringLiteral("&Folders..."));
  folders->setObjectName(QStringLiteral("Settings1"));
  connect(folders, &QAction::triggered, this, &MainWindow::onFoldersClicked);
  QMenu* charsets = settings->addMenu(QStringLiteral("&Character Set"));
  charsets->setObjectName(QStringLiteral("CharsetMenu"));
  const char* const captions[] = {"&Auto (detect when importing)", "&Windows-1252", "&UTF-8"};
  AddChoiceItems(*charsets, kCharsets, captions, charsetItems_,
                 [this](Charset charset) { onCharsetChosen(charset); });
  buildPalmCharsetMenu(*settings);
  // Beside the character set: what export writes for a manager that reads
  // two formats; there is nothing to choose in the other modes.
  exportFormatMenu_ = settings->addMenu(QStringLiteral("EndNote &Export Format"));
  exportFormatMenu_->setObjectName(QStringLiteral("ExportFormatMenu"));
  const char* const formatCaptions[] = {"&Tab-delimited (Tomekit output style)",
                                        "&EndNote Export (%0 %A %T...)"};
  AddChoiceItems(*exportFormatMenu_, kExportFormats, formatCaptions, exportFormatItems_,
                 [this](ExportFormat format) { onExportFormatChosen(format); });
}

void MainWindow::buildModeMenu() {
  QMenu* modes = menuBar()->addMenu(QStringLiteral("&Mode"));
  modes->setObjectName(QStringLiteral("Mode1"));
  // Both ProCite items start alike; the generic one takes its G.
  const int mnemonicAt[] = {0, 0, 0, 9};
  for (const Mode mode : kAllModes) {
    QString caption = QString::fromLatin1(InfoOf(mode).menuCaption);
    QAction* item = modes->addAction(caption.insert(mnemonicAt[ModeIndex(mode)], u'&'));
    item->setObjectName(QString::fromLatin1(InfoOf(mode).menuName));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, mode] { onModeChosen(mode); });
    modeItems_[ModeIndex(mode)] = item;
  }
}

void MainWindow::buildTopStrip(QWidget* parent) {
  buttonStrip_ = new QWidget(parent);
  buttonStrip_->setObjectName(QStringLiteral("Panel3"));
  buttonStrip_->setGeometry(4, 2, 583, kTopStripHeight);

  auto* logo = new QLabel(buttonStrip_);
  logo->setObjectName(QStringLiteral("Panel4"));
  logo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  logo->setGeometry(2, 4, 134, 41);
  logo->setPixmap(Logo(130, 37));

  exportButton_ = new QPushButton(QStringLiteral("JFile to EndNote"), buttonStrip_);
  exportButton_->setObjectName(QStringLiteral("Btn2EN"));
  exportButton_->setGeometry(142, 4, 125, 40);
  connect(exportButton_, &QPushButton::clicked, this, &MainWindow::onExportClicked);
  importButton_ = new QPushButton(QStringLiteral("EndNote to  JFile"), buttonStrip_);
  importButton_->setObjectName(QStringLiteral("Btn2JF"));
  importButton_->setGeometry(273, 4, 125, 40);
  connect(importButton_, &QPushButton::clicked, this, &MainWindow::onImportClicked);
  // A button outside a dialog takes only Space; Enter should press it too.
  exportButton_->installEventFilter(this);
  importButton_->installEventFilter(this);
}

void MainWindow::buildFieldPanel(QWidget* parent) {
  // On a screen too small for the whole panel (a large scale factor) the
  // panel scrolls rather than running off the screen.
  auto* scroller = new QScrollArea(parent);
  scroller->setObjectName(QStringLiteral("FieldScroller"));
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setFocusPolicy(Qt::NoFocus);  // Tab goes from the buttons straight to field 1
  fieldScroller_ = scroller;
  auto* frame = new QFrame;
  fieldPanel_ = frame;
  frame->setObjectName(QStringLiteral("Panel1"));
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setMinimumSize(582, kFieldPanelHeight);
  scroller->setWidget(frame);
  // The panel is laid out in pixels for a small face; keep it small here too.
  QFont font = frame->font();
  font.setPixelSize(11);
  frame->setFont(font);

  auto* heading =
      new QLabel(QStringLiteral("Choose the fields you wish to export to JFile"), frame);
  heading->setObjectName(QStringLiteral("StaticText1"));
  heading->setGeometry(8, 3, 400, 16);

  for (int n = 1; n <= kFieldControls; ++n) buildField(n, (n - 1) / 16, (n - 1) % 16 + 1);
  // Tab order: by field number, the width box before the check box.
  QWidget* previous = nullptr;
  for (int n = 1; n <= kFieldControls; ++n) {
    if (previous) setTabOrder(previous, widthBoxes_[n]);
    setTabOrder(widthBoxes_[n], checkBoxes_[n]);
    previous = checkBoxes_[n];
  }
}

void MainWindow::buildField(int n, int column, int row) {
  const Column& at = kColumns[column];
  const int top = kFirstRowTop + (row - 1) * kRowHeight;

  auto* width = new QLineEdit(fieldPanel_);
  width->setObjectName(WidthBoxName(n));
  width->setProperty(kFieldNumber, n);
  width->setGeometry(n >= 17 && n <= 20 ? at.widthBoxX + 1 : at.widthBoxX, top, 34, 18);
  width->setToolTip(QStringLiteral("This sets the maximum width of fields in JFile"));
  width->setText(QStringLiteral("0"));
  // A file dropped here converts, as on the rest of the window.
  width->setAcceptDrops(false);
  new WholeNumberBox(
      width, {kMinFieldWidth, kMaxFieldWidth, FieldSizeRangeText(kMinFieldWidth, kMaxFieldWidth),
              FieldSizeRangeText(kMinFieldWidth, kMaxFieldWidth), QString::number(kMaxFieldWidth)});
  widthBoxes_[n] = width;

  auto* check = new QCheckBox(fieldPanel_);
  check->setObjectName(CheckBoxName(n));
  check->setProperty(kFieldNumber, n);
  check->setGeometry(at.checkBoxX, top, CheckBoxWidth(n), 18);
  check->setToolTip(QStringLiteral("Left click to select field, Right click for properties"));
  check->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(check, &QCheckBox::customContextMenuRequested, this, [this, check](const QPoint& pos) {
    popupTarget_ = check;
    fieldMenu_->popup(check->mapToGlobal(pos));
  });
  checkBoxes_[n] = check;
}

void MainWindow::buildStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  modePanel_ = new QLabel(bar);
  statusText_ = new StatusText(bar);
  const std::array<QLabel*, 2> panels = {modePanel_, statusText_};
  for (std::size_t i = 0; i < panels.size(); ++i) {
    panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  modePanel_->setFixedWidth(50);
  bar->addWidget(modePanel_);
  bar->addWidget(statusText_, 1);
  handover_ = new HandoverButtons(bar);
  bar->addPermanentWidget(handover_);
  connect(handover_, &HandoverButtons::zipRequested, this, &MainWindow::onZipForEmulatorClicked);
  setStatusBar(bar);
}

// ------------------------------------------------------ start and end

void MainWindow::startUp() {
  runCommand([this] { runModeSetup([this] { return session_.start(*this); }); });
  // A set-up given up half way must not leave the window without its panel.
  fieldPanel_->setVisible(true);
  checkModeItem(session_.settings().mode);
  checkCharsetItem();
  checkExportFormatItem();
}

void MainWindow::shutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  runCommand([this] {
    if (!readFieldPanel()) return;
    for (const std::string& error : session_.close().errors) showError(error);
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (session_.busy()) {
    // The conversion runs inside this window's own handlers, so it has to
    // end before the window can; the close follows it when asked to.
    event->ignore();
    if (stopForClose()) {
      session_.requestStop();
      closeWhenDone_ = true;
    }
    return;
  }
  checkWidthBoxes();
  shutDown();
  progressWindow_->hide();
  event->accept();
}

// ------------------------------------------------------------- commands

void MainWindow::runCommand(const std::function<void()>& command) {
  if (commandRuns_) {
    QApplication::beep();
    return;
  }
  commandRuns_ = true;
  try {
    command();
  } catch (const std::exception& error) {
    // Expected failures come back as results; this is a bug, but the user
    // still hears of it and the window carries on.
    showError(error.what());
  }
  commandRuns_ = false;
  refreshStatus();
  session_.flushLog();
  if (closeWhenDone_) {
    closeWhenDone_ = false;
    close();
  }
}

bool MainWindow::stopForClose() {
  return AskChoice(boxParent(), CloseWhileConvertingText(), CloseWhileConvertingButtons()) == 0;
}

QWidget* MainWindow::boxParent() {
  return progressWindow_->isVisible() ? static_cast<QWidget*>(progressWindow_) : this;
}

void MainWindow::onAboutClicked() {
  runCommand([this] { RunModal(*aboutBox_); });
}

void MainWindow::onFoldersClicked() {
  runCommand([this] {
    Settings& settings = session_.settings();
    if (foldersDialog_->edit(settings) && !WriteSettings(settings)) {
      showError(SettingsWriteError(settings));
    }
  });
}

void MainWindow::onZipForEmulatorClicked() {
  runCommand([this] {
    const QString zip = ChooseSaveFile(
        this, PathFromCore(JoinPath(session_.settings().palmInstallFolder, "tomekit.zip")),
        QStringLiteral("Zip files (*.zip)|*.zip"));
    if (zip.isEmpty()) return;
    if (const std::string failure = session_.zipDatabases(PathToCore(zip)); !failure.empty()) {
      showError(failure);
    }
  });
}

void MainWindow::onModeChosen(Mode mode) {
  runCommand([this, mode] {
    saveModeStrategy();
    runModeSetup([this, mode] { return session_.switchMode(mode, *this); });
  });
  fieldPanel_->setVisible(true);
  // Qt has already ticked the item clicked; a refused or failed switch
  // leaves the program in the mode it was in.
  checkModeItem(session_.settings().mode);
  checkCharsetItem();
  checkExportFormatItem();
}

// What the handheld shows; by the region each set was made for, as people
// know them.
void MainWindow::buildPalmCharsetMenu(QMenu& settings) {
  QMenu* charsets = settings.addMenu(QStringLiteral("&Handheld Character Set"));
  charsets->setObjectName(QStringLiteral("PalmCharsetMenu"));
  const char* const captions[] = {"&Western (Windows-1252)",
                                  "&Central European (Windows-1250)",
                                  "C&yrillic (Windows-1251)",
                                  "&Greek (Windows-1253)",
                                  "&Turkish (Windows-1254)",
                                  "&Baltic (Windows-1257)",
                                  "&Russian (KOI8-R)",
                                  "&Japanese (Shift_JIS)",
                                  "Chinese, &Simplified (GBK)",
                                  "Chinese, T&raditional (Big5)",
                                  "&Korean (EUC-KR)"};
  AddChoiceItems(*charsets, kPalmCharsets, captions, palmCharsetItems_,
                 [this](PalmCharset charset) { onPalmCharsetChosen(charset); });
}

// Kept at once, as a mode change is; the set stays chosen for this session
// even when the settings file can't record it.
void MainWindow::onCharsetChosen(Charset charset) {
  Settings& settings = session_.settings();
  settings.charset = charset;
  if (!WriteModeCharset(settings)) showError(SettingsWriteError(settings));
  checkCharsetItem();
}

// Kept at once, as the reference manager's character set is.
void MainWindow::onPalmCharsetChosen(PalmCharset charset) {
  Settings& settings = session_.settings();
  settings.palmCharset = charset;
  if (!WriteModePalmCharset(settings)) showError(SettingsWriteError(settings));
  checkCharsetItem();
}

// Kept at once, as the character set is.
void MainWindow::onExportFormatChosen(ExportFormat format) {
  Settings& settings = session_.settings();
  settings.exportFormat = format;
  if (!WriteModeExportFormat(settings)) showError(SettingsWriteError(settings));
  checkExportFormatItem();
}

void MainWindow::checkExportFormatItem() {
  exportFormatMenu_->setEnabled(InfoOf(session_.settings().mode).exportFormatKey.name != nullptr);
  for (std::size_t i = 0; i < std::size(kExportFormats); ++i) {
    exportFormatItems_[i]->setChecked(kExportFormats[i] == session_.settings().exportFormat);
  }
}

void MainWindow::checkCharsetItem() {
  for (std::size_t i = 0; i < std::size(kCharsets); ++i) {
    charsetItems_[i]->setChecked(kCharsets[i] == session_.settings().charset);
  }
  for (std::size_t i = 0; i < std::size(kPalmCharsets); ++i) {
    palmCharsetItems_[i]->setChecked(kPalmCharsets[i] == session_.settings().palmCharset);
  }
}

void MainWindow::runModeSetup(const std::function<ModeResult()>& setUp) {
  fieldPanel_->setVisible(false);
  const ModeResult result = setUp();
  // An abandoned set-up leaves a mode in force whole (the one being left, or
  // at start the saved one), or none at all.
  if (result.status != ModeLoad::Abandoned || fieldSetup().loaded) fitToMode();
  if (result.status == ModeLoad::Abandoned) showError(result.error);
}

void MainWindow::saveModeStrategy() {
  checkWidthBoxes();
  if (fieldSetup().loaded && readFieldPanel()) session_.saveStrategy(*this);
}

void MainWindow::checkModeItem(Mode mode) {
  for (const Mode each : kAllModes) modeItems_[ModeIndex(each)]->setChecked(each == mode);
}

void MainWindow::onImportClicked() {
  runCommand([this] {
    // A width box left with a bad value is mended before the panel is read.
    if (!checkWidthBoxes()) return;
    beginChoice();
    convertFiles(Direction::Import, chooseFiles(Direction::Import));
    showChoiceSummary();
  });
  hideProgress();
}

void MainWindow::onExportClicked() {
  runCommand([this] {
    beginChoice();
    convertFiles(Direction::Export, chooseFiles(Direction::Export));
    showChoiceSummary();
  });
  hideProgress();
}

void MainWindow::convertFiles(Direction direction, const std::vector<std::string>& chosen) {
  if (chosen.empty()) return;
  // The import takes the ticks and widths on the panel.
  if (direction == Direction::Import && !readFieldPanel()) return;
  // The status bar follows the files as they finish, not only the last one.
  (void)session_.convert(direction, chosen, *this, [this](const FileOutcome&) { refreshStatus(); });
}

void MainWindow::showChoiceSummary() {
  if (session_.choiceOutcomes().size() < 2) return;
  ShowMessageBox(this, MessageKind::Information, FromCore(SummaryText(session_.choiceOutcomes())));
}

void MainWindow::convertDropped(const QStringList& files) {
  std::vector<std::string> pdbs;
  std::vector<std::string> others;
  for (const QString& file : files) {
    const bool pdb = file.endsWith(QStringLiteral(".pdb"), Qt::CaseInsensitive);
    (pdb ? pdbs : others).push_back(PathToCore(QDir::toNativeSeparators(file)));
  }
  runCommand([&] {
    if (!checkWidthBoxes()) return;
    // A drop is a new choice, as the open dialog's is.
    beginChoice();
    convertFiles(Direction::Export, pdbs);
    if (!session_.stopRequested()) convertFiles(Direction::Import, others);
    showChoiceSummary();
  });
  hideProgress();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  QStringList files;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) files << url.toLocalFile();
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  // Converted after the drop returns, so the dragging program isn't held.
  QTimer::singleShot(0, this, [this, files] { convertDropped(files); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      button->click();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::beginChoice() {
  session_.beginChoice();
  // On screen now: the dialog may sit open for a while over a status that
  // belongs to the files chosen last time.
  refreshStatus();
}

std::vector<std::string> MainWindow::chooseFiles(Direction direction) {
  const FileDialogSetup setup = session_.fileDialog(direction);
  std::vector<std::string> chosen;
  for (const QString& file :
       ChooseOpenFiles(this, PathFromCore(setup.initialFolder), FromCore(setup.filter)))
    chosen.push_back(PathToCore(QDir::toNativeSeparators(file)));
  if (!chosen.empty()) session_.rememberFolderOf(direction, chosen.front());
  return chosen;
}

void MainWindow::onPropertiesClicked() {
  QCheckBox* box = popupTarget_;
  const int n = FieldNumberOf(box);
  if (n < 1 || n > fieldSetup().fieldCount) return;
  runCommand([this, box, n] {
    attributesDialog_->editField(n, box->text(), fieldSetup(), session_.settings().palmCharset);
    SetBold(box, IsPopupType(fieldSetup().table[n].fldType));
  });
}

bool MainWindow::checkWidthBox(QLineEdit* box) {
  WholeNumberBox* check = WholeNumberBox::Of(box);
  return !check || check->check();
}

bool MainWindow::checkWidthBoxes() {
  bool good = true;
  for (int n = 1; n <= kFieldControls; ++n)
    if (!widthBoxes_[n]->isHidden() && !checkWidthBox(widthBoxes_[n])) good = false;
  return good;
}

void MainWindow::showError(const std::string& text) {
  ShowMessageBox(boxParent(), MessageKind::Error, FromCore(text));
}

void MainWindow::refreshStatus() {
  statusText_->setStatus(FromCore(session_.status()));
  handover_->setTargets(FromCore(session_.settings().palmInstallFolder),
                        FromCore(session_.installCommand()), !session_.choiceDatabases().empty());
}

// ------------------------------------------------------------------- Ui

void MainWindow::showMessage(MessageKind kind, const std::string& text) {
  ShowMessageBox(boxParent(), kind, FromCore(text));
}

ReplaceAnswer MainWindow::askToReplace(const std::string& path, const std::string& warning) {
  const int answer = AskChoice(
      boxParent(), ReplaceQuestionText(PathFromCore(path), FromCore(warning)), ReplaceButtons());
  // Closed without an answer: the cautious choice.
  if (answer < 0 || answer > static_cast<int>(ReplaceAnswer::Keep)) return ReplaceAnswer::Keep;
  return static_cast<ReplaceAnswer>(answer);
}

void MainWindow::showProgress(const ProgressSetup& setup) { progressWindow_->start(setup); }

void MainWindow::hideProgress() { progressWindow_->finish(); }

void MainWindow::setBanner(Banner banner) { progressWindow_->setBanner(banner); }

void MainWindow::progressStep(int n) {
  progressWindow_->step(n);
  processMessages();
}

void MainWindow::setRecordCounter(long record) { progressWindow_->setRecordCounter(record); }

void MainWindow::processMessages() {
  progressWindow_->refresh();
  refreshStatus();
  QCoreApplication::processEvents();
}

void MainWindow::showErrorReport(const std::vector<std::string>& lines) {
  errorReportDialog_->fill(lines);
  // Above the progress window while it shows, as every box is.
  errorReportDialog_->setParent(boxParent(), errorReportDialog_->windowFlags());
  RunModal(*errorReportDialog_);
}

// Qt keeps a stack of override cursors; the count keeps an unmatched "off"
// from taking away a cursor that is not ours.
void MainWindow::setBusy(bool busy) {
  enableCommands(!busy);
  if (busy) {
    ++busyCursors_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyCursors_ > 0) {
    --busyCursors_;
    QApplication::restoreOverrideCursor();
  }
}

// Only Stop and closing stay live while a conversion runs: nothing else may
// start a second one or change what this one works with.
void MainWindow::enableCommands(bool enabled) {
  menuBar()->setEnabled(enabled);
  buttonStrip_->setEnabled(enabled);
  fieldScroller_->setEnabled(enabled);
  setAcceptDrops(enabled);
}

// ------------------------------------------------------- field panel

// Ticks and widths into the table; a width that is no whole number stops
// the reading there, with the fields before it taken.
bool MainWindow::readFieldPanel() {
  for (int n = 1; n <= fieldSetup().lastField(); ++n) {
    FldDef& field = fieldSetup().table[n];
    field.selected = checkBoxes_[n]->isChecked() ? 1 : 0;
    const QString text = widthBoxes_[n]->text();
    const std::optional<int> width = ParseTypedWholeNumber(text);
    if (!width) {
      ShowMessageBox(this, MessageKind::Error, NotAWholeNumberText(text));
      return false;
    }
    field.maxWidth = *width;
  }
  return true;
}

void MainWindow::showFields(const FieldSetup& setup) {
  for (int n = 1; n <= setup.lastField(); ++n) {
    const FldDef& field = setup.table[n];
    QCheckBox* check = checkBoxes_[n];
    check->setVisible(true);
    check->setChecked(field.selected != 0);
    check->setText(FromCore(std::string(FieldLabel(setup.mode, n))));
    SetBold(check, IsPopupType(field.fldType));
    widthBoxes_[n]->setVisible(true);
    widthBoxes_[n]->setText(QString::number(field.maxWidth));
  }
}

void MainWindow::hideFieldControls() {
  for (int n = 1; n <= kFieldControls; ++n) {
    checkBoxes_[n]->setVisible(false);
    widthBoxes_[n]->setVisible(false);
  }
}

// Fields, captions and sizes of the mode just set up.
void MainWindow::fitToMode() {
  hideFieldControls();
  showFields(fieldSetup());
  modePanel_->setFixedWidth(20);
  const ModeInfo& mode = InfoOf(fieldSetup().mode);
  exportButton_->setText(u'&' + QString::fromLatin1(mode.exportCaption));
  importButton_->setText(u'&' + QString::fromLatin1(mode.importCaption));
  fieldPanel_->setMinimumWidth(mode.widths.panel);
  buttonStrip_->resize(mode.widths.panel, buttonStrip_->height());
  // The mode's size is the least, unless the screen is smaller (a large
  // scale factor): then the screen's, with room for the frame, and the panel scrolls.
  QSize room(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  if (const QScreen* shown = screen()) room = shown->availableGeometry().size() - kFrameRoom;
  setMinimumSize(QSize(mode.widths.windowMin, kWindowHeight).boundedTo(room));
  resize(QSize(mode.widths.window, kWindowHeight).boundedTo(room));
  fieldPanel_->setVisible(true);
  layoutClient();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layoutClient();
}

// The panel takes what the window gives beyond the button strip.
void MainWindow::layoutClient() {
  if (!fieldScroller_ || !centralWidget()) return;
  const int top = 2 + kTopStripHeight + 4;
  const QSize client = centralWidget()->size();
  // A narrow margin on the right: Reference Manager's panel fills its window but for 7 pixels.
  fieldScroller_->setGeometry(4, top, std::max(0, client.width() - 7),
                              std::max(0, client.height() - top));
}

}  // namespace tk::app
