// The windows, headless: every message box is recorded in order instead of
// shown ("E:" error, "I:" information, "P:" plain, then the text), and every
// modal dialog is cancelled unless a test answers it.
#include "app/MainWindow.h"
#include "app/Modal.h"
#include "app/ProgressWindow.h"
#include "app/SingleInstance.h"
#include "mock/Faults.h"
#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

// Failures print a QString as text instead of as its bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace tk::test {
namespace {

namespace fs = std::filesystem;
using Answer = std::function<int(QDialog&)>;

class AppTest : public ::testing::Test {
protected:
  void SetUp() override {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "app_tests", *argv[] = {name, nullptr};
    // Never destroyed: Qt's own objects outlive a static application at exit.
    if (!qApp) new QApplication(argc, argv);
    app::SetMessageHook([this](MessageKind kind, const QString& text) {
      boxes << QString("EIP"[static_cast<int>(kind)]) + ":" + text;
    });
    app::SetDialogHook([](QDialog&) { return 0; });
    window = std::make_unique<app::MainWindow>(folder.path());
  }

  // Import and export button, checked mode item, number of visible field
  // controls (a check box and a width box each) and field 1's caption.
  QStringList shown() const {
    QStringList texts{window->findChild<QPushButton*>("Btn2JF")->text(),
                      window->findChild<QPushButton*>("Btn2EN")->text()};
    for (QAction* item : window->findChild<QMenu*>("Mode1")->actions())
      if (item->isChecked()) texts << item->text();
    int fields = 0;
    for (int n = 1; n <= app::MainWindow::kFieldControls; ++n)
      fields += !window->fieldCheckBox(n)->isHidden() + !window->widthBox(n)->isHidden();
    return texts << QString::number(fields) << window->fieldCheckBox(1)->text();
  }
  // Opens "Properties" on field n; answer plays the user.
  void properties(int n, const Answer& answer) {
    app::SetDialogHook([&](QDialog& dialog) {
      seen << dialog.windowTitle() << dialog.findChild<QPlainTextEdit*>("MemoWList")->toPlainText();
      return answer(dialog);
    });
    window->setPopupTarget(window->fieldCheckBox(n));
    window->onPropertiesClicked();
  }
  // Type button, column width and words, then OK.
  static Answer Ok(int type, const char* width, const QString& words) {
    return [=](QDialog& dialog) {
      dialog.findChild<QRadioButton*>(QString("RadioType%1").arg(type))->setChecked(true);
      dialog.findChild<QLineEdit*>("EditFldSize")->setText(width);
      dialog.findChild<QPlainTextEdit*>("MemoWList")->setPlainText(words);
      dialog.setResult(QDialog::Rejected);
      dialog.accept();
      return dialog.result();
    };
  }
  FldDef& field(int n) { return window->fieldSetup().table[n]; }
  std::vector<std::string>& words(int n) { return window->fieldSetup().popupLists[n]; }

  QStringList boxes, seen;
  TempFolder folder;
  std::unique_ptr<app::MainWindow> window;
};

TEST_F(AppTest, starts_in_endnote_and_each_mode_rebuilds_captions_fields_and_widths) {
  EXPECT_EQ(shown(), (QStringList{"EndNote to JFile", "JFile to EndNote", "EndNote", "62",
                                  "Reference Type"}));
  // ProCite first: a narrower mode must be able to follow a wider one.
  for (std::int32_t mode : {kModeProCite, kModeEndNote, kModeRefMan, kModeProCiteGeneric}) {
    window->onModeChosen(mode);
    const ModeInfo& info = ModeOrEndNote(mode);
    EXPECT_EQ(shown().mid(0, 4),
              (QStringList{info.importCaption, info.exportCaption, info.menuCaption,
                           QString::number(2 * info.fieldCount)}));
    EXPECT_EQ(QList<int>({window->width(), window->minimumWidth(), window->maximumWidth()}),
              QList<int>({info.windowWidth, info.windowMinWidth, info.windowMaxWidth}));
  }
  EXPECT_EQ(boxes, QStringList());
}

TEST_F(AppTest, ticks_reach_the_strategy_file_at_close_and_unsaved_ones_are_dropped) {
  window->fieldCheckBox(20)->setChecked(true);  // EndNote's: left unsaved
  window->onModeChosen(kModeRefMan);
  window->fieldCheckBox(20)->setChecked(true);
  window->widthBox(20)->setText("77");
  window->close();
  EXPECT_EQ(ReadBytes(folder.file("Log.txt")), " \r\nProgram location:  " + folder.path() + "\r\n");
  window = std::make_unique<app::MainWindow>(folder.path());
  EXPECT_EQ(shown()[2], "Ref. Manager");
  EXPECT_TRUE(window->fieldCheckBox(20)->isChecked());
  EXPECT_EQ(window->widthBox(20)->text(), "77");
  window->onModeChosen(kModeEndNote);
  EXPECT_FALSE(window->fieldCheckBox(20)->isChecked());
  EXPECT_EQ(boxes, QStringList());
}

TEST_F(AppTest, width_box_outside_5_to_3990_or_no_number_is_reset_to_3990) {
  const QString range = "E:Field Size must be between 5 and 3990";
  const std::pair<const char*, QStringList> cases[] = {
      {"4", {range}},
      {"12a", {"E:'12a' is not a valid integer value", range}},
      {"5", {}},
      {"  3990", {}}};
  for (const auto& [typed, expected] : cases) {
    boxes.clear();
    window->widthBox(3)->setText(typed);
    EXPECT_EQ(window->checkWidthBox(window->widthBox(3)), expected.isEmpty()) << typed;
    EXPECT_EQ(window->widthBox(3)->text(), expected.isEmpty() ? typed : "3990");
    EXPECT_EQ(boxes, expected);
  }
  // Leaving the box runs the same check.
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->widthBox(2)->setFocus();
  window->widthBox(2)->setText("4000");
  window->widthBox(3)->setFocus(Qt::TabFocusReason);
  for (int i = 0; i < 100 && window->widthBox(2)->text() != "3990"; ++i) QTest::qWait(10);
  EXPECT_EQ(boxes, QStringList{range});
}

TEST_F(AppTest, bad_strategy_value_is_shown_and_the_mode_comes_up_whole_from_its_default) {
  WriteBytes(folder.file("stratRM.jfp"), "110\r\n1\r\n8\r\n12,x,\r\n");
  window->onModeChosen(kModeRefMan);
  const ModeInfo& info = ModeOrEndNote(kModeRefMan);
  EXPECT_FALSE(window->findChild<QWidget*>("Panel1")->isHidden());
  EXPECT_EQ(shown().mid(0, 4),
            (QStringList{info.importCaption, info.exportCaption, info.menuCaption,
                         QString::number(2 * info.fieldCount)}));
  EXPECT_EQ(window->widthBox(1)->text(), "3990");
  EXPECT_EQ(ReadBytes(folder.file("stratRM.jfp.bad")), "110\r\n1\r\n8\r\n12,x,\r\n");
  window->close();  // and no width box complains
  EXPECT_EQ(boxes, QStringList{"E:'x' is not a valid integer value"});
}

TEST_F(AppTest, settings_or_log_that_cant_be_saved_are_reported_and_the_window_goes_on) {
  fs::remove(window->settings().settingsFile);
  fs::create_directory(window->settings().settingsFile);
  fs::create_directory(folder.file("Log.txt"));
  window->onModeChosen(kModeProCite);
  EXPECT_FALSE(window->findChild<QWidget*>("Panel1")->isHidden());
  EXPECT_EQ(shown().mid(0, 3), (QStringList{"EndNote to JFile", "JFile to EndNote", "EndNote"}));
  // The folders dialog speaks of the mode; OK takes what was typed.
  app::SetFolderHook([&](const QString& title) {
    seen << title;
    return QStringLiteral("/picked");
  });
  app::SetDialogHook([&](QDialog& d) {
    seen << d.findChild<QLabel*>("LabelEn")->text();
    d.findChild<QPushButton*>("ButtonBrEN")->click();
    d.findChild<QLineEdit*>("EditHSId")->setText("12");
    return 1;
  });
  window->settings().mode = kModeRefMan;
  window->onFoldersClicked();
  EXPECT_EQ(seen,
            (QStringList{"Ref Mngr Import/Export", "Reference Manager import/export Folder"}));
  EXPECT_EQ(window->settings().importExportFolder + window->settings().hotSyncUserId, "/picked12");
  window->close();
  const QString error = "E:" + QString::fromStdString(SettingsWriteError(window->settings()));
  EXPECT_EQ(boxes,
            (QStringList{error, error,
                         "E:Unable to write to " + QString::fromStdString(folder.file("Log.txt")),
                         error}));
  // Started so, it still comes up whole in the saved mode.
  window = std::make_unique<app::MainWindow>(folder.path());
  EXPECT_EQ(shown(), (QStringList{"EndNote to JFile", "JFile to EndNote", "EndNote", "62",
                                  "Reference Type"}));
  EXPECT_EQ(boxes.size(), 5);
}

TEST_F(AppTest, buttons_offer_their_folders_and_each_file_reports_in_the_status_bar) {
  fs::copy_file(fs::path(TOMEKIT_PROGRAM_FOLDER) / "jconv5", folder.file("jconv5"));
  ScopedEnv storeLocation("TOMEKIT_INSTALL_STORE", folder.file("install.ini"));
  Settings& settings = window->settings();
  settings.palmInstallFolder = settings.importExportFolder = folder.path();
  settings.palmBackupFolder = "/backup";
  WriteBytes(folder.file("My Refs.txt"), "Journal Article\tSmith\xB0Journal Article\tJones\xB0");
  // The cursor and status panel at each file dialog and once the import runs,
  // and the About box if it opens.
  QStringList states;
  auto* status = window->findChild<QLabel*>("StatusPanel1");
  auto cursor = [] { return QString(QApplication::overrideCursor() ? "busy" : "arrow"); };
  app::SetDialogHook([&](QDialog& dialog) {
    states << dialog.objectName();
    return 0;
  });
  app::SetFilesHook([&](const QString& where, const QString& filter) {
    seen << where << filter;
    states << cursor() + "," + status->text();
    if (seen.size() != 2) return QStringList();
    QTimer::singleShot(0, window.get(), [&] {
      states << cursor();
      window->onAboutClicked();
    });
    return QStringList{QString::fromStdString(folder.file("My Refs.txt"))};
  });
  window->widthBox(2)->setText("7");  // the panel is read before the import
  window->onImportClicked();
  EXPECT_EQ(window->fieldSetup().table[2].maxWidth, 7);
  EXPECT_EQ(window->findChild<QLabel*>("StatusPanel1")->text(), "2 Records Transferred to  JFile");
  EXPECT_TRUE(fs::exists(folder.file("EN-My Refs.PDB")));
  EXPECT_FALSE(window->progressWindow().isVisible());
  window->onExportClicked();
  EXPECT_EQ(window->findChild<QLabel*>("StatusPanel1")->text(), "");
  EXPECT_EQ(states, (QStringList{"arrow,", "busy", "arrow,"}));
  EXPECT_EQ(cursor(), "arrow");
  EXPECT_EQ(seen.mid(0, 3), (QStringList{QString::fromStdString(folder.path()),
                                         "EndNote Exports (*.txt)|*.TXT", "/backup"}));
  EXPECT_EQ(boxes, QStringList());
}

TEST_F(AppTest, field_attributes_are_shown_stored_on_ok_and_their_width_checked) {
  field(4).fldType = 2;  // unknown: repaired on sight, even when cancelled
  words(4) = {"alpha", "beta"};
  properties(4, [](QDialog&) { return 0; });
  EXPECT_EQ(seen,
            (QStringList{" Set JFile Field attributes for " + window->fieldCheckBox(4)->text(),
                         "alpha\nbeta"}));
  EXPECT_EQ(field(4).fldType, kTypeString);
  QStringList lines;
  for (int i = 1; i <= 120; ++i) lines << QString::number(i);
  properties(4, Ok(2, "160", lines.join('\n') + '\n'));
  EXPECT_EQ(words(4).back(), "100");
  EXPECT_EQ(QList<int>({field(4).fldType, field(4).colWidth}), QList<int>({kTypeMultiPopup, 160}));
  EXPECT_TRUE(window->fieldCheckBox(4)->font().bold());
  // OK with a bad width keeps the dialog open, the width reset to 80.
  seen.clear();
  properties(4, [&](QDialog& dialog) {
    int result = 0;
    for (const char* typed : {"161", "-1", "x", "0"}) {
      result = Ok(0, typed, "Book\nJournal")(dialog);
      seen << QString::number(result) + dialog.findChild<QLineEdit*>("EditFldSize")->text();
    }
    return result;
  });
  EXPECT_EQ(seen.mid(2), (QStringList{"080", "080", "080", "10"}));
  EXPECT_EQ(words(4), (std::vector<std::string>{"Book", "Journal"}));
  EXPECT_EQ(QList<int>({field(4).fldType, field(4).colWidth}), QList<int>({kTypeString, 0}));
  EXPECT_FALSE(window->fieldCheckBox(4)->font().bold());
  const QString range = "E:Field width must be between 0 and 160";
  EXPECT_EQ(boxes, (QStringList{"E:Your popup list had to be truncated\nOnly 100 items or 2000 "
                                "characters allowed",
                                range, range, "E:'x' is not a valid integer value",
                                "E:Field Size must be between 0 and 160"}));
}

TEST_F(AppTest, enter_closes_the_attributes_dialog_and_a_paste_is_cut_at_the_limit) {
  words(4) = {"alpha", "beta"};
  properties(4, [&](QDialog& dialog) {
    auto* list = dialog.findChild<QPlainTextEdit*>("MemoWList");
    list->moveCursor(QTextCursor::Start);
    list->insertPlainText(QString(kMaxWordListChars, 'x'));
    dialog.show();
    QWidget* focus = QTest::qWaitForWindowActive(&dialog) ? QApplication::focusWidget() : nullptr;
    seen << (focus ? focus->objectName() : "no focus");
    if (focus) QTest::keyClick(focus, Qt::Key_Return);
    dialog.hide();
    return dialog.result();
  });
  EXPECT_EQ(seen.mid(2), QStringList{"OKBtn"});
  // What was there counts 11, the line break two.
  EXPECT_EQ(words(4),
            (std::vector<std::string>{std::string(kMaxWordListChars - 11, 'x') + "alpha", "beta"}));
}

TEST_F(AppTest, stop_and_escape_ask_to_stop_until_the_next_choice_of_files) {
  app::SetFilesHook([](const QString&, const QString&) { return QStringList(); });
  app::ProgressWindow& progress = window->progressWindow();
  window->showProgress({});
  QTest::keyClick(&progress, Qt::Key_Escape);
  EXPECT_TRUE(window->stopRequested() && progress.isVisible());
  window->onExportClicked();
  EXPECT_FALSE(window->stopRequested());
  window->showProgress({});
  progress.findChild<QPushButton*>("BtnStop")->click();
  EXPECT_TRUE(window->stopRequested());
  EXPECT_EQ(boxes, QStringList());
}

TEST_F(AppTest, only_a_lock_held_by_a_running_copy_keeps_the_program_from_starting) {
  const std::string held = folder.file("TomekitWin.lock");
  app::SingleInstance first(QString::fromStdString(held));
  ASSERT_FALSE(first.anotherCopyRuns());
  BlockFolder(folder.file("blocked"));
  fs::create_directory(folder.file("damaged.lock"));
  const std::pair<std::string, bool> cases[] = {{held, true},
                                                {folder.file("blocked/TomekitWin.lock"), false},
                                                {folder.file("damaged.lock"), false}};
  for (const auto& [path, runs] : cases)
    EXPECT_EQ(app::SingleInstance(QString::fromStdString(path)).anotherCopyRuns(), runs) << path;
  // The second copy, whole: it ends at once, with exit code 0.
  QProcess second;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_RUNTIME_DIR", QString::fromStdString(folder.path()));
  second.setProcessEnvironment(env);
  second.start(QStringLiteral(TOMEKIT_PROGRAM_FOLDER "/tomekit"));
  ASSERT_TRUE(second.waitForFinished(15000)) << "still running";
  EXPECT_EQ(second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1, 0);
}

}  // namespace
}  // namespace tk::test
