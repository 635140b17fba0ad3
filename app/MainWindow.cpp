#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/Artwork.h"
#include "app/ErrorReportDialog.h"
#include "app/FieldAttributesDialog.h"
#include "app/FoldersDialog.h"
#include "app/Modal.h"
#include "app/ProgressWindow.h"
#include "app/Text.h"
#include "app/WholeNumberBox.h"
#include "export/ExportDriver.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldOps.h"
#include "fields/FieldTable.h"
#include "fields/Lifecycle.h"
#include "fields/ModeSetup.h"
#include "fields/ProgramModes.h"
#include "fields/Settings.h"
#include "import/ImportDriver.h"
#include "platform/OperationError.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>
#include <optional>

namespace tk::app {
namespace {

constexpr int kRowHeight = 20;
constexpr int kFirstRowTop = 22;
constexpr int kTopStripHeight = 49;
constexpr int kFieldPanelHeight = 367;
constexpr const char* kTag = "tag";

// The field panel's three columns: x of the width box and of the check box.
struct Column {
  int widthBoxX;
  int checkBoxX;
};
constexpr Column kLeft{5, 42};
constexpr Column kMiddle{183, 222};
constexpr Column kRight{385, 423};

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

int TagOf(const QObject* control) { return control ? control->property(kTag).toInt() : 0; }

}  // namespace

MainWindow::MainWindow(const std::string& programFolder, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      state_(MakeAppState(programFolder)) {
  setObjectName(QStringLiteral("FormTomekit"));
  setWindowTitle(QStringLiteral("Tomekit for Windows"));
  setWindowIcon(ProgramIcon());
  state_.panel = this;

  buildMenus();
  auto* client = new QWidget(this);
  buildTopStrip(client);
  buildFieldPanel(client);
  setCentralWidget(client);
  buildStatusBar();
  setFixedSize(600, kWindowHeight);

  FldSetDlg = new FieldAttributesDialog(this);
  FormJFConv = new FoldersDialog(this);
  ConvErrorDialog = new ErrorReportDialog(this);
  progDlg = new ProgressWindow(this);
  AboutBox_ = new AboutBox(this);

  FormCreate();
}

MainWindow::~MainWindow() { state_.panel = nullptr; }

// ---------------------------------------------------------------- layout

void MainWindow::buildMenus() {
  Help = menuBar()->addAction(QStringLiteral("About"));
  Help->setObjectName(QStringLiteral("Help"));
  connect(Help, &QAction::triggered, this, &MainWindow::HelpClick);
  Settings1 = menuBar()->addAction(QStringLiteral("Settings"));
  Settings1->setObjectName(QStringLiteral("Settings1"));
  connect(Settings1, &QAction::triggered, this, &MainWindow::Settings1Click);

  Mode1 = menuBar()->addMenu(QStringLiteral("Mode"));
  Mode1->setObjectName(QStringLiteral("Mode1"));
  const char* const names[] = {"EndNote1", "RefManager1", "ProCite1", "ProCiteGeneric1"};
  for (std::int32_t mode = 0; mode < 4; ++mode) {
    QAction* item = Mode1->addAction(QString::fromLatin1(ModeInfoOf(mode)->menuCaption));
    item->setObjectName(QString::fromLatin1(names[mode]));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, mode] { selectMode(mode); });
    modeItems_[mode] = item;
  }

  PopupField = new QMenu(this);
  PopupField->setObjectName(QStringLiteral("PopupField"));
  QAction* properties = PopupField->addAction(QStringLiteral("Properties"));
  connect(properties, &QAction::triggered, this, &MainWindow::PuClickProp);
}

void MainWindow::buildTopStrip(QWidget* parent) {
  Panel3 = new QWidget(parent);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  Panel3->setGeometry(4, 2, 583, kTopStripHeight);

  auto* panel4 = new QLabel(Panel3);
  panel4->setObjectName(QStringLiteral("Panel4"));
  panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel4->setGeometry(2, 4, 134, 41);
  panel4->setPixmap(Logo(130, 37));

  Btn2EN = new QPushButton(QStringLiteral("JFile to EndNote"), Panel3);
  Btn2EN->setObjectName(QStringLiteral("Btn2EN"));
  Btn2EN->setGeometry(142, 4, 125, 40);
  connect(Btn2EN, &QPushButton::clicked, this, &MainWindow::Btn2ENClick);
  Btn2JF = new QPushButton(QStringLiteral("EndNote to  JFile"), Panel3);
  Btn2JF->setObjectName(QStringLiteral("Btn2JF"));
  Btn2JF->setGeometry(273, 4, 125, 40);
  connect(Btn2JF, &QPushButton::clicked, this, &MainWindow::Btn2JFClick);
}

void MainWindow::buildFieldPanel(QWidget* parent) {
  Panel1 = new QFrame(parent);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  static_cast<QFrame*>(Panel1)->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setGeometry(4, 2 + kTopStripHeight + 4, 582, kFieldPanelHeight);
  // The panel is laid out in pixels for a small face; keep it small here too.
  QFont font = Panel1->font();
  font.setPixelSize(11);
  Panel1->setFont(font);

  auto* heading =
      new QLabel(QStringLiteral("Choose the fields you wish to export to JFile"), Panel1);
  heading->setObjectName(QStringLiteral("StaticText1"));
  heading->setGeometry(8, 3, 400, 16);

  for (int n = 1; n <= 16; ++n) buildField(n, 0, n, CheckBoxWidth(n));
  for (int n = 17; n <= 32; ++n) buildField(n, 1, n - 16, CheckBoxWidth(n));
  for (int n = 33; n <= kFieldControls; ++n) buildField(n, 2, n - 32, CheckBoxWidth(n));
  // Tab order: by field number, the width box before the check box.
  QWidget* previous = nullptr;
  for (int n = 1; n <= kFieldControls; ++n) {
    if (previous) setTabOrder(previous, widthBoxes_[n]);
    setTabOrder(widthBoxes_[n], checkBoxes_[n]);
    previous = checkBoxes_[n];
  }
}

void MainWindow::buildField(int n, int column, int row, int checkWidth) {
  const Column& at = column == 0 ? kLeft : column == 1 ? kMiddle : kRight;
  const int top = kFirstRowTop + (row - 1) * kRowHeight;

  auto* width = new QLineEdit(Panel1);
  width->setObjectName(WidthBoxName(n));
  width->setProperty(kTag, n);
  width->setGeometry(n >= 17 && n <= 20 ? at.widthBoxX + 1 : at.widthBoxX, top, 34, 18);
  width->setToolTip(QStringLiteral("This sets the maximum width of fields in JFile"));
  width->setText(QStringLiteral("0"));
  new WholeNumberBox(
      width, {5, 3990, QStringLiteral("Field Size must be between 5 and 3990"),
              QStringLiteral("Field Size must be between 5 and 3990"), QStringLiteral("3990")});
  widthBoxes_[n] = width;

  auto* check = new QCheckBox(Panel1);
  check->setObjectName(CheckBoxName(n));
  check->setProperty(kTag, n);
  check->setGeometry(at.checkBoxX, top, checkWidth, 18);
  check->setToolTip(QStringLiteral("Left click to select field, Right click for properties"));
  check->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(check, &QCheckBox::customContextMenuRequested, this, [this, check](const QPoint& pos) {
    popupTarget_ = check;
    PopupField->popup(check->mapToGlobal(pos));
  });
  checkBoxes_[n] = check;
}

void MainWindow::buildStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  for (int i = 0; i < 2; ++i) {
    statusPanels_[i] = new QLabel(bar);
    statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    statusPanels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  statusPanels_[0]->setFixedWidth(50);
  bar->addWidget(statusPanels_[0]);
  bar->addWidget(statusPanels_[1], 1);
  setStatusBar(bar);
}

// ------------------------------------------------------ start and end

void MainWindow::FormCreate() {
  runCommand([this] { StartUp(state_, *this); });
  // A set-up given up half way must not leave the window without its panel.
  Panel1->setVisible(true);
  checkModeItem(state_.convMode);
}

void MainWindow::FormDestroy() {
  if (shutDown_) return;
  shutDown_ = true;
  runCommand([this] { ShutDown(state_, *this); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (busy_) {
    // The conversion runs inside this window's own handlers; it ends first.
    event->ignore();
    return;
  }
  checkWidthBoxes();
  FormDestroy();
  progDlg->hide();
  event->accept();
}

// ------------------------------------------------------------- commands

void MainWindow::runCommand(const std::function<void()>& command) {
  if (busy_) {
    QApplication::beep();
    return;
  }
  busy_ = true;
  try {
    command();
  } catch (const std::exception& error) {
    // OperationError and the library's own failures alike: the command is
    // given up and the user told why.
    ShowMessageBox(this, MessageKind::Error, FromCore(error.what()));
  }
  busy_ = false;
  refreshStatus();
}

void MainWindow::HelpClick() { RunModal(*AboutBox_); }

void MainWindow::Settings1Click() {
  runCommand([this] {
    if (FormJFConv->edit(state_)) WriteSettings(state_);
  });
}

void MainWindow::selectMode(std::int32_t mode) {
  if (busy_) {
    checkModeItem(state_.convMode);
    QApplication::beep();
    return;
  }
  checkModeItem(mode);
  runCommand([this, mode] { SetupMode(state_, *this, mode); });
  Panel1->setVisible(true);
}

void MainWindow::checkModeItem(std::int32_t mode) {
  for (std::int32_t i = 0; i < 4; ++i) modeItems_[i]->setChecked(i == mode);
}

void MainWindow::Btn2JFClick() {
  runCommand([this] {
    // A width box left with a bad value is mended before the panel is read.
    if (!checkWidthBoxes()) return;
    ImportChosenFiles(state_, *this, chooseFiles(ImportDialogSetup(state_)));
  });
  hideProgress();
}

void MainWindow::Btn2ENClick() {
  runCommand([this] { ExportChosenFiles(state_, *this, chooseFiles(ExportDialogSetup(state_))); });
  hideProgress();
}

std::vector<std::string> MainWindow::chooseFiles(const FileDialogSetup& setup) {
  std::vector<std::string> chosen;
  for (const QString& file :
       ChooseOpenFiles(this, PathFromCore(setup.initialFolder), FromCore(setup.filter)))
    chosen.push_back(PathToCore(QDir::toNativeSeparators(file)));
  return chosen;
}

void MainWindow::PuClickProp() {
  QCheckBox* box = popupTarget_;
  const int n = TagOf(box);
  if (n < 1 || n > state_.fieldCount) return;
  runCommand([this, box, n] {
    FldSetDlg->editField(n, box->text(), state_);
    QFont font = box->font();
    font.setBold(IsPopupType(FldTable[n].fldType));
    box->setFont(font);
  });
}

bool MainWindow::EDfn1Exit(QLineEdit* box) {
  WholeNumberBox* check = WholeNumberBox::of(box);
  return !check || check->check();
}

bool MainWindow::checkWidthBoxes() {
  bool good = true;
  for (int n = 1; n <= kFieldControls; ++n)
    if (!widthBoxes_[n]->isHidden() && !EDfn1Exit(widthBoxes_[n])) good = false;
  return good;
}

void MainWindow::refreshStatus() { statusPanels_[1]->setText(FromCore(state_.statusText)); }

// ------------------------------------------------------------------- Ui

void MainWindow::showMessage(MessageKind kind, const std::string& text) {
  ShowMessageBox(this, kind, FromCore(text));
}

void MainWindow::showProgress(const ProgressSetup& setup) { progDlg->start(setup); }

void MainWindow::hideProgress() { progDlg->finish(); }

void MainWindow::setBanner(Banner banner) { progDlg->setBanner(banner); }

void MainWindow::progressStep(int n) {
  progDlg->step(n);
  processMessages();
}

void MainWindow::setRecordCounter(long record) { progDlg->setRecordCounter(record); }

void MainWindow::processMessages() {
  progDlg->refresh();
  refreshStatus();
  QCoreApplication::processEvents();
}

void MainWindow::showErrorReport(const std::vector<std::string>& lines) {
  ConvErrorDialog->fill(lines);
  RunModal(*ConvErrorDialog);
}

// ------------------------------------------------------- field panel

void MainWindow::readFieldPanel(AppState& state) {
  const int last = std::min(state.fieldCount, kFieldControls);
  for (int n = 1; n <= last && n < kFieldTableSize; ++n) {
    FldTable[n].selected = checkBoxes_[n]->isChecked() ? 1 : 0;
    const QString text = widthBoxes_[n]->text();
    const std::optional<int> width = ParseWholeNumber(text);
    if (!width) throw OperationError(NotAWholeNumberMessage(text).toStdString());
    FldTable[n].maxWidth = *width;
  }
}

void MainWindow::showFieldPanel(const AppState& state) {
  const int last = std::min(state.fieldCount, kFieldControls);
  for (int n = 1; n <= last && n < kFieldTableSize; ++n) {
    const FldDef& field = FldTable[n];
    QCheckBox* check = checkBoxes_[n];
    check->setVisible(true);
    check->setChecked(field.selected != 0);
    check->setText(FromCore(std::string(FieldLabel(state.convMode, n))));
    QFont font = check->font();
    font.setBold(IsPopupType(field.fldType));
    check->setFont(font);
    widthBoxes_[n]->setVisible(true);
    widthBoxes_[n]->setText(QString::number(field.maxWidth));
  }
}

void MainWindow::HideFieldControls() {
  for (int n = 1; n <= kFieldControls; ++n) {
    checkBoxes_[n]->setVisible(false);
    widthBoxes_[n]->setVisible(false);
  }
}

void MainWindow::beginModeSetup() { Panel1->setVisible(false); }

void MainWindow::finishModeSetup(const AppState& state) {
  HideFieldControls();
  showFieldPanel(state);
  statusPanels_[0]->setFixedWidth(20);
  if (const ModeInfo* mode = ModeInfoOf(state.convMode)) {
    Btn2EN->setText(QString::fromLatin1(mode->exportCaption));
    Btn2JF->setText(QString::fromLatin1(mode->importCaption));
    Panel1->resize(mode->panelWidth, Panel1->height());
    Panel3->resize(mode->panelWidth, Panel3->height());
    // Lower the maximum first, so a narrower mode can follow a wider one.
    setMinimumWidth(0);
    setMaximumWidth(mode->windowMaxWidth);
    setMinimumWidth(mode->windowMinWidth);
    resize(mode->windowWidth, kWindowHeight);
  }
  Panel1->setVisible(true);
}

}  // namespace tk::app
