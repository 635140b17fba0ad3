// The windows, headless: every message box is recorded in order instead of
// shown ("E:" error, "I:" information, "P:" plain, then the text), and every
// modal dialog is recorded and cancelled unless a test answers it.
#include "app/MainWindow.h"
#include "app/Modal.h"
#include "app/ProgressWindow.h"
#include "app/ShowRequests.h"
#include "app/SingleInstance.h"
#include "fields/PalmFolders.h"
#include "fields/Settings.h"
#include "mock/Faults.h"
#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"
#include "session/SessionTexts.h"
#include "session/WorkFolderClaim.h"

#include <gtest/gtest.h>
#include <QtTest>
#include <QtWidgets>
#include <filesystem>

// Failures print a QString as text instead of as its bytes.
inline void PrintTo(const QString& s, std::ostream* out) { *out << '"' << s.toStdString() << '"'; }

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
    app::SetDialogHook([this](QDialog& dialog) {
      seen << dialog.objectName();
      return 0;
    });
    app::SetChoiceHook([this](const QString& text, const QStringList& buttons) {
      boxes << "Q:" + text << buttons;
      return choice;
    });
    app::SetFilesHook([this](const QString&, const QString& filter) {
      seen << filter;
      return QStringList();
    });
    ownFolders();
    window = std::make_unique<app::MainWindow>(folder.path(), TOMEKIT_PROGRAM_FOLDER);
  }
  // Settings that name the test's own import and export folder as each of the
  // mode's and Palm's: on Windows the default is one fixed folder that every
  // test of a run would share.
  void ownFolders() const {
    Settings own = MakeSettings(folder.path());
    own.importExportFolder = own.palmInstallFolder = own.palmBackupFolder =
        ImportExportFolder(folder.path());
    own.hotSyncUserId = "0";
    ASSERT_TRUE(WriteSettings(own)) << own.settingsFile;
  }

  // Import and export button, checked mode item, number of field controls
  // that show with the window (a check box and a width box each) and field 1's
  // caption.
  QStringList shown() const {
    QStringList texts{Plain(window->findChild<QPushButton*>("Btn2JF")->text()),
                      Plain(window->findChild<QPushButton*>("Btn2EN")->text())};
    for (QAction* item : window->findChild<QMenu*>("Mode1")->actions())
      if (item->isChecked()) texts << Plain(item->text());
    int fields = 0;
    for (int n = 1; n <= app::MainWindow::kFieldControls; ++n)
      fields += window->fieldCheckBox(n)->isVisibleTo(window.get()) +
                window->widthBox(n)->isVisibleTo(window.get());
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
  // How the status and the summary end for a database when nothing syncs
  // it: outside Windows the pilot-xfer command; on Windows nothing, as the
  // tests' request store is no HotSync Manager's.
  static QString CopyIt(const QString& pdb) {
#ifdef _WIN32
    (void)pdb;
    return {};
#else
    return QStringLiteral("; copy it with: pilot-xfer -p usb: -i \"%1\"").arg(pdb);
#endif
  }
  // A caption without its mnemonic's marker.
  static QString Plain(QString caption) { return caption.remove(u'&'); }
  FldDef& field(int n) { return window->fieldSetup().table[n]; }
  std::vector<std::string>& words(int n) { return window->fieldSetup().popupLists[n]; }
  QString path(const char* name) const { return QString::fromStdString(folder.file(name)); }
  // A file of the folder ownFolders names.
  std::string exportFile(const char* name) const {
    return JoinPath(ImportExportFolder(folder.path()), name);
  }
  QString exportPath(const char* name) const { return QString::fromStdString(exportFile(name)); }
  // Imports an export of one record, with during run at the first pump
  // that shows the progress window.
  void importDuringRun(const std::function<void()>& during) {
    WriteBytes(folder.file("refs.txt"), "Journal Article\tSmith\xB0");
    app::SetFilesHook(
        [this](const QString&, const QString&) { return QStringList{path("refs.txt")}; });
    auto* poll = new QTimer(window.get());
    QObject::connect(poll, &QTimer::timeout, window.get(), [this, poll, during] {
      if (!window->progressWindow().isVisible()) return;
      poll->deleteLater();
      poll->stop();
      during();
    });
    poll->start(0);
    window->onImportClicked();
  }

  QStringList boxes, seen;
  int choice = -1;  // the button a question is answered with
  TempFolder folder;
  ScopedEnv installStore{"TOMEKIT_INSTALL_STORE", folder.file("install.ini")};
  ScopedEnv noJPilot{"JPILOT_HOME", folder.path()};
  std::unique_ptr<app::MainWindow> window;
};

// ProCite first: a narrower mode must be able to follow a wider one. Each
// mode has its own character sets, saved and ticked when the mode returns,
// and its popup words are in its handheld's set. Leaving a mode keeps its
// ticks, widths and words, as closing does.
TEST_F(AppTest, each_mode_sizes_the_window_and_keeps_what_was_left_there_and_its_character_set) {
  auto charsets = [&] { return window->findChild<QMenu*>("CharsetMenu")->actions(); };
  auto palmSets = [&] { return window->findChild<QMenu*>("PalmCharsetMenu")->actions(); };
  ASSERT_EQ(charsets().size(), 3);
  ASSERT_EQ(palmSets().size(), 11);
  charsets()[2]->trigger();
  palmSets()[7]->trigger();                     // Japanese
  window->fieldCheckBox(20)->setChecked(true);  // EndNote's, as below
  window->widthBox(6)->setText("  5");          // the least, blanks before it allowed
  window->widthBox(7)->setText("4");            // mended to 3990 on the way out, as at close
  properties(4, Ok(1, "40", QString::fromUtf8("Book\n\xE6\x9D\xB1\xE4\xBA\xAC")));
  const struct {
    Mode mode;
    QStringList buttonsMenuAndControls;  // import, export, ticked menu item, field controls
    int width;                           // the window's and its least
  } modes[] = {
      {Mode::ProCite, {"ProCite to JFile", "JFile to ProCite", "ProCite (All Fields)", "94"}, 600},
      {Mode::EndNote, {"EndNote to JFile", "JFile to EndNote", "EndNote", "62"}, 420},
      {Mode::ProCiteGeneric,
       {"ProCite to JFile", "JFile to ProCite", "ProCite (Generic)", "48"},
       420},
      {Mode::RefMan, {"Ref Manager to JFile", "JFile to Ref Manager", "Ref. Manager", "66"}, 497},
  };
  for (const auto& m : modes) {
    SCOPED_TRACE(m.buttonsMenuAndControls[2].toStdString());
    window->onModeChosen(m.mode);
    EXPECT_EQ(shown().mid(0, 4), m.buttonsMenuAndControls);
    EXPECT_EQ(QList<QSize>({window->size(), window->minimumSize()}),
              QList<QSize>(2, QSize(m.width, app::MainWindow::kWindowHeight)));
  }
  // The window grows with its panel, and never below the mode's size.
  window->show();
  auto* scroller = window->findChild<QScrollArea*>("FieldScroller");
  const QSize least = window->minimumSize(), panel = scroller->size();
  window->resize(least * 2);
  EXPECT_EQ(QList<QSize>({window->size(), scroller->size()}),
            QList<QSize>({least * 2, panel + least}));
  window->resize(100, 100);
  EXPECT_EQ(window->size(), least);
  EXPECT_TRUE(charsets()[0]->isChecked());
  EXPECT_FALSE(charsets()[2]->isChecked());
  charsets()[1]->trigger();
  window->fieldCheckBox(20)->setChecked(true);
  window->widthBox(20)->setText("77");
  window->close();
  window = std::make_unique<app::MainWindow>(folder.path(), folder.path());
  EXPECT_EQ(shown()[2], "Ref. Manager");
  EXPECT_TRUE(window->fieldCheckBox(20)->isChecked());
  EXPECT_EQ(window->widthBox(20)->text(), "77");
  EXPECT_TRUE(charsets()[1]->isChecked());  // each set came back from the settings file
  EXPECT_TRUE(palmSets()[0]->isChecked());
  window->onModeChosen(Mode::EndNote);
  EXPECT_TRUE(window->fieldCheckBox(20)->isChecked());
  EXPECT_EQ(window->widthBox(6)->text() + "," + window->widthBox(7)->text(), "5,3990");
  EXPECT_EQ(words(4), (std::vector<std::string>{"Book", "\x93\x8C\x8B\x9E"}));
  EXPECT_TRUE(charsets()[2]->isChecked());
  EXPECT_TRUE(palmSets()[7]->isChecked());
  EXPECT_EQ(boxes, QStringList{"E:Field Size must be between 5 and 3990"});
}

TEST_F(AppTest, settings_or_log_that_cant_be_saved_are_reported_and_the_window_goes_on) {
  const QStringList start = shown();
  fs::remove(window->settings().settingsFile);
  fs::create_directory(window->settings().settingsFile);
  fs::remove(folder.file("Log.txt"));  // the session's own, begun at start
  fs::create_directory(folder.file("Log.txt"));
  window->onModeChosen(Mode::ProCite);
  EXPECT_EQ(shown(), start);
  app::SetDialogHook([](QDialog&) { return 1; });  // the folders dialog's OK
  window->onFoldersClicked();
  window->close();
  const QString error = "E:" + QString::fromStdString(SettingsWriteError(window->settings())),
                log = "E:Unable to write to " + path("Log.txt");
  EXPECT_EQ(boxes, (QStringList{error, error, log, error}));
  // Started so, it still comes up whole in the saved mode.
  window = std::make_unique<app::MainWindow>(folder.path(), folder.path());
  EXPECT_EQ(shown() << QString::number(boxes.size()), QStringList(start) << "5");
}

TEST_F(AppTest, buttons_offer_their_folders_each_file_reports_and_stop_waits_for_the_next) {
  window->settings().importExportFolder = "/refs";
  window->settings().palmBackupFolder = "/backup";
  WriteBytes(folder.file("My Refs.txt"), "Journal Article\tSmith\xB0Journal Article\tJones\xB0");
  // Where each file dialog looks, with the cursor and status panel then, and
  // the cursor once the import runs; the About box must wait for it. The next
  // import dialog opens where the file was chosen.
  auto* status = window->findChild<QLabel*>("StatusPanel1");
  auto cursor = [] { return QString(QApplication::overrideCursor() ? "busy" : "arrow"); };
  app::SetFilesHook([&](const QString& where, const QString& filter) {
    seen << where << filter << cursor() + "," + status->text();
    if (seen.size() != 3) return QStringList();
    QTimer::singleShot(0, window.get(), [&] {
      seen << cursor();
      window->onAboutClicked();
    });
    return QStringList{path("My Refs.txt")};
  });
  window->widthBox(2)->setText("7");  // the panel is read before the import
  window->onImportClicked();
  EXPECT_EQ(status->toolTip(), status->text());  // the whole text, however narrow the window
  app::ProgressWindow& progress = window->progressWindow();
  EXPECT_EQ(
      QString("%1,%2,%3").arg(field(2).maxWidth).arg(status->text()).arg(progress.isVisible()),
      "7,2 Records Transferred to  JFile \u2192 " + exportPath("EN-My Refs.PDB") +
          CopyIt(exportPath("EN-My Refs.PDB")) + ",0");
  window->onImportClicked();
  // Stop (or Escape) holds until the next choice of files.
  window->showProgress({});
  QTest::keyClick(&progress, Qt::Key_Escape);
  EXPECT_TRUE(window->stopRequested());
  EXPECT_TRUE(progress.isVisible());
  window->onExportClicked();
  EXPECT_FALSE(window->stopRequested());
  window->showProgress({});
  progress.findChild<QPushButton*>("BtnStop")->click();
  EXPECT_TRUE(window->stopRequested());
  const QString en = "EndNote Exports (*.txt)|*.TXT|All files (*)|*";
  EXPECT_EQ(
      seen + boxes,
      (QStringList{"/refs", en, "arrow,", "busy", QString::fromStdString(folder.path()), en,
                   "arrow,", "/backup",
                   "Tomekit PDB  File (EN-*.PDB)|EN-*.PDB|All PDB files|*.pdb|All files (*)|*",
                   "arrow,"}));
}

// A tomekit-cli run holds the data folder: the window's choice, exports and
// imports alike, is refused before anything of it is converted.
TEST_F(AppTest, a_choice_made_while_another_run_converts_is_refused) {
  const WorkFolderClaim otherRun(folder.path(), {});
  window->convertDropped({path("EN-a.PDB"), path("refs.txt")});
  EXPECT_EQ(boxes, QStringList(2, "E:" + QString::fromStdString(otherRun.refusalText())));
}

// Words are the strategy file's Windows-1252 bytes, unassigned ones too.
TEST_F(AppTest,
       field_attributes_are_shown_stored_on_ok_or_enter_and_their_width_and_words_checked) {
  field(4).fldType = 2;  // unknown: repaired on sight, even when cancelled
  words(4) = {"\x80 \x85", "\x81\xE9"};
  properties(4, [](QDialog&) { return 0; });
  EXPECT_EQ(seen, (QStringList{" Set JFile Field attributes for Title",
                               QString::fromUtf8("\xE2\x82\xAC \xE2\x80\xA6\n\xC2\x81\xC3\xA9")}));
  EXPECT_EQ(field(4).fldType, kTypeString);
  properties(4, Ok(2, "160", QString("w\n").repeated(120)));
  EXPECT_EQ(words(4).size(), 100u);
  EXPECT_EQ(QList<int>({field(4).fldType, field(4).colWidth}), QList<int>({kTypeMultiPopup, 160}));
  EXPECT_TRUE(window->fieldCheckBox(4)->font().bold());
  // OK with a word JFile can't show, or a bad width, keeps the dialog open;
  // the width is reset to 80.
  properties(4, [&](QDialog& dialog) {
    int result = Ok(0, "80", QString::fromUtf8("ok\n\xCE\xA9mega"))(dialog);
    seen << QString::number(result);
    for (const char* typed : {"161", "-1", "x", "0"})
      seen << QString::number(
                  result = Ok(0, typed, QString::fromUtf8("Book\n\xE2\x82\xAC\xC2\x81"))(dialog))
           << dialog.findChild<QLineEdit*>("EditFldSize")->text();
    return result;
  });
  EXPECT_EQ(seen.mid(6), (QStringList{"0", "0", "80", "0", "80", "0", "80", "1", "0"}));
  EXPECT_EQ(QList<int>({field(4).fldType, field(4).colWidth}), QList<int>({kTypeString, 0}));
  EXPECT_FALSE(window->fieldCheckBox(4)->font().bold());
  // Enter is OK, and Tab in the word list moves on, typing nothing; a paste
  // before the words is cut at the limit, the words there counting 8 with
  // the line break as two.
  properties(4, [&](QDialog& dialog) {
    auto* list = dialog.findChild<QPlainTextEdit*>("MemoWList");
    dialog.show();
    QWidget* focus = QTest::qWaitForWindowActive(&dialog) ? QApplication::focusWidget() : nullptr;
    seen << (focus ? focus->objectName() : "no focus");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Tab);
    seen << QString::number(list->hasFocus());
    list->moveCursor(QTextCursor::Start);
    list->insertPlainText(QString(kMaxWordListChars, 'x'));
    if (focus) QTest::keyClick(focus, Qt::Key_Return);
    return dialog.result();
  });
  EXPECT_EQ(seen.mid(seen.size() - 2), (QStringList{"OKBtn", "0"}));
  EXPECT_EQ(words(4), (std::vector<std::string>{std::string(kMaxWordListChars - 8, 'x') + "Book",
                                                "\x80\x81"}));
  const QString range = "E:Field width must be between 0 and 160";
  EXPECT_EQ(boxes,
            (QStringList{"E:Your popup list had to be truncated\nOnly 100 items or 2000 "
                         "characters allowed",
                         QString::fromUtf8("E:The popup word \"\xCE\xA9mega\" has a character "
                                           "JFile cannot show: \"\xCE\xA9\"\nPlease change "
                                           "the word and try again"),
                         range, range, "E:'x' is not a valid integer value",
                         "E:Field Size must be between 0 and 160"}));
}

// Only a lock held by a running copy counts; the second copy ends at once,
// with exit code 0, and the running window comes forward.
TEST_F(AppTest, a_second_launch_ends_and_brings_the_running_window_forward) {
  BlockFolder(folder.file("blocked"));
  fs::create_directory(folder.file("damaged.lock"));
  for (const char* lock : {"blocked/TomekitWin.lock", "damaged.lock"})
    EXPECT_FALSE(app::SingleInstance(path(lock)).anotherCopyRuns());
  ScopedEnv runtime("XDG_RUNTIME_DIR", folder.path());
  app::SingleInstance first;
  ASSERT_FALSE(first.anotherCopyRuns());
  QWidget running;
  app::ShowRequests requests(running);
  EXPECT_FALSE(app::AskRunningCopyToShow(path("none.socket")));
  QProcess second;
  second.start(QStringLiteral(TOMEKIT_PROGRAM_FOLDER "/tomekit"));
  ASSERT_TRUE(second.waitForFinished(15000)) << "still running";
  EXPECT_EQ(second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1, 0);
  for (int i = 0; i < 1000 && !running.isVisible(); ++i) QTest::qWait(10);
  EXPECT_TRUE(running.isVisible());
}

// Posted while a file converts: the window's own messages reach it only
// while the conversion pumps them, as a user's clicks would.
TEST_F(AppTest, closing_during_a_conversion_asks_and_stops_then_closes_or_keeps_converting) {
  window->show();
  importDuringRun([&] {
    window->close();  // the question dismissed: the conversion goes on
    seen << QString::number(window->stopRequested());
    choice = 0;
    window->close();
    seen << QString::number(window->stopRequested()) << QString::number(window->isVisible());
  });
  const QStringList asked{
      "Q:Files are still being converted.\nStop the conversion and close the "
      "window, or keep converting?",
      "&Stop and Close", "&Keep Converting"};
  EXPECT_EQ(boxes, asked + asked);
  EXPECT_EQ(seen, (QStringList{"0", "1", "1"}));
  EXPECT_FALSE(window->isVisible());  // closed once the command ended
}

// Only Stop and closing stay live; a setting changed anyway (a menu item
// triggered by its shortcut, say) is kept for the next conversion and
// changes nothing of this one.
TEST_F(AppTest, a_conversion_takes_no_other_command_and_a_setting_changed_meanwhile_waits) {
  auto* utf8 = window->findChild<QMenu*>("CharsetMenu")->actions().at(2);
  const auto live = [&] {
    return QList<bool>{window->menuBar()->isEnabled(),
                       window->findChild<QPushButton*>("Btn2JF")->isEnabled(),
                       window->fieldCheckBox(1)->isEnabled(), window->acceptDrops()};
  };
  QList<bool> during;
  importDuringRun([&] {
    during = live();
    utf8->trigger();
  });
  EXPECT_EQ(during, QList<bool>(4, false));
  EXPECT_EQ(live(), QList<bool>(4, true));
  // Read as Windows-1252 (auto), as it began: UTF-8 would find no record end.
  EXPECT_EQ(window->findChild<QLabel*>("StatusPanel1")->toolTip().section(" \u2192", 0, 0),
            "1 Records Transferred to  JFile");
  EXPECT_EQ(window->settings().charset, Charset::Utf8);
  EXPECT_TRUE(boxes.isEmpty()) << boxes.join('|').toStdString();
}

// A box of the core and the close question come up above the progress
// window, which stays live beneath: Stop closes the box and ends the run.
TEST_F(AppTest, a_box_raised_during_a_conversion_is_above_the_progress_window_and_stop_answers) {
  window->show();
  importDuringRun([] {});  // the database the export below reads
  app::SetMessageHook({});
  app::SetChoiceHook({});
  // Whenever a box shows: where it is, then Stop. A box that Stop leaves open
  // (one raised outside a run) is closed, so the test fails instead of hanging.
  auto* poll = new QTimer(window.get());
  QObject::connect(poll, &QTimer::timeout, window.get(), [&] {
    for (QWidget* shown : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(shown);
      if (!box || !box->isVisible()) continue;
      seen << box->text().section('\n', 0, 0)
           << QString::number(box->parentWidget() == &window->progressWindow())
           << QString::number(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
      window->progressWindow().findChild<QPushButton*>("BtnStop")->click();
      if (!box->isVisible()) continue;
      seen << "open after Stop";
      box->reject();
    }
  });
  poll->start(10);
  // The export folder is a file: the tagged file can't be opened.
  WriteBytes(window->settings().importExportFolder = folder.file("not a folder"), "");
  const std::string pdb = exportFile("EN-refs.PDB");
  app::SetFilesHook(
      [&](const QString&, const QString&) { return QStringList{QString::fromStdString(pdb)}; });
  window->onExportClicked();
  fs::remove(pdb);
  importDuringRun([&] { window->close(); });
  EXPECT_TRUE(window->isVisible());  // the question went unanswered: no close
  EXPECT_EQ(seen, (QStringList{"Couldnt open output output File", "1", "1",
                               "Files are still being converted.", "1", "1"}));
  EXPECT_EQ(window->findChild<QLabel*>("StatusPanel1")->toolTip(), QString("Conversion stopped"));
}

// A database already there is replaced only when the user says so, asked
// once per file until "replace all"; several files end with one summary.
TEST_F(AppTest, an_earlier_database_is_kept_or_replaced_as_asked_and_several_files_are_summed_up) {
  for (const char* name : {"a.txt", "b.txt", "c.txt"})
    WriteBytes(folder.file(name), "Journal Article\tSmith\xB0");
  const QStringList abc{path("a.txt"), path("b.txt"), path("c.txt")};
  app::SetFilesHook([&](const QString&, const QString&) { return abc; });
  window->onImportClicked();
  boxes.clear();
  const std::string a = exportFile("EN-a.PDB");
  WriteBytes(a, "earlier");
  QList<int> answers{2, 1};  // keep the earlier one, then replace all
  app::SetChoiceHook([&](const QString& text, const QStringList& buttons) {
    boxes << "Q:" + text << buttons;
    return answers.takeFirst();
  });
  window->onImportClicked();
  EXPECT_EQ(ReadBytes(a), "earlier");
  const QString b = exportPath("EN-b.PDB"), c = exportPath("EN-c.PDB");
  ASSERT_EQ(boxes.size(), 9);
  // The choice's first question says what replacing does on the handheld.
  EXPECT_EQ(boxes.at(0),
            "Q:" + QString::fromStdString(HandheldEditsReplacedText(a, "JFile to EndNote")) +
                "\nReplace it?");
  EXPECT_EQ(boxes.mid(1, 3), (QStringList{"&Replace", "Replace &All", "&Keep the Earlier One"}));
  EXPECT_EQ(boxes.at(4), "Q:" + b + " is already there.\nReplace it?");
  EXPECT_EQ(boxes.at(8), "I:2 of 3 files converted\n" + path("a.txt") + ": Kept the earlier " +
                             QString::fromStdString(a) + "\n" + path("b.txt") + " \u2192 " + b +
                             CopyIt(b) + "\n" + path("c.txt") + " \u2192 " + c + CopyIt(c));
  // The status bar copies the last database's command, where there is one.
  auto* copy = window->findChild<QToolButton*>("CopyInstallCommand");
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->isVisibleTo(window.get()), !CopyIt(c).isEmpty());
  if (!CopyIt(c).isEmpty()) {
    copy->click();
    EXPECT_EQ(QApplication::clipboard()->text(), CopyIt(c).mid(16));
  }
}

// The zip for an emulator holds the databases the choice's imports wrote; it
// is offered only once there is one.
TEST_F(AppTest, the_choices_databases_zip_for_an_emulator) {
  auto* zip = window->findChild<QToolButton*>("ZipForEmulator");
  ASSERT_TRUE(zip);
  EXPECT_FALSE(zip->isVisibleTo(window.get()));
  window->settings().palmInstallFolder = folder.file("palm");
  ASSERT_TRUE(CreateFolders(folder.file("palm")));
  WriteBytes(folder.file("a.txt"), "Journal Article\tSmith\xB0");
  app::SetFilesHook([&](const QString&, const QString&) { return QStringList{path("a.txt")}; });
  window->onImportClicked();
  ASSERT_TRUE(zip->isVisibleTo(window.get()));
  app::SetSaveFileHook([&](const QString& suggested) {
    seen << suggested;
    return path("emulator.zip");
  });
  zip->click();
  app::SetSaveFileHook({});
  EXPECT_EQ(seen,
            QStringList{QString::fromStdString(JoinPath(folder.file("palm"), "tomekit.zip"))});
  EXPECT_EQ(ReadBytes(folder.file("emulator.zip")).substr(0, 2), "PK");
  EXPECT_EQ(boxes, QStringList());
}

// palm-sync's folder is taken as typed; a user that names no one folder is
// refused, the earlier one back in the box.
TEST_F(AppTest, folders_take_palm_syncs_folder_and_a_user_that_is_one_folder) {
  window->settings().palmSyncUser = "Jo";
  app::SetDialogHook([&](QDialog& d) {
    d.findChild<QLineEdit*>("EditPalmSyncPath")->setText("/home/jo/palm-sync");
    auto* user = d.findChild<QLineEdit*>("EditPalmSyncUser");
    for (const char* typed : {"../x", "Jane"}) {
      user->setText(typed);
      d.accept();
      seen << QString::number(d.result()) << user->text();
    }
    return d.result();
  });
  window->onFoldersClicked();
  EXPECT_EQ(seen, (QStringList{"0", "Jo", "1", "Jane"}));
  EXPECT_EQ(window->settings().palmSyncFolder + window->settings().palmSyncUser,
            "/home/jo/palm-syncJane");
  EXPECT_EQ(boxes.value(0),
            "E:The palm-sync user must be the name of one folder in palm-sync's folder\n\"../x\" "
            "was not taken; it stays \"Jo\"");
}

// The folders dialog speaks of the mode; OK takes what was typed but
// refuses an ID that is no whole number, the earlier one back in the box.
TEST_F(AppTest, folders_speak_of_the_mode_and_a_hotsync_id_that_is_no_whole_number_is_refused) {
  window->settings().mode = Mode::RefMan;
  window->settings().hotSyncUserId = "7";
  app::SetFolderHook([&](const QString& title) {
    seen << title;
    return path("picked");  // a full path, in the platform's own form
  });
  app::SetDialogHook([&](QDialog& d) {
    seen << d.findChild<QLabel*>("LabelEn")->text();
    d.findChild<QPushButton*>("ButtonBrEN")->click();
    auto* id = d.findChild<QLineEdit*>("EditHSId");
    for (const char* typed : {"my palm", "-3", "", "99999999999", "42"}) {
      id->setText(typed);
      d.accept();
      seen << QString::number(d.result()) << id->text();
    }
    return d.result();
  });
  window->onFoldersClicked();
  EXPECT_EQ(seen, (QStringList{"Ref Mngr Import/Export", "Reference Manager import/export Folder",
                               "0", "7", "0", "7", "0", "7", "0", "7", "1", "42"}));
  EXPECT_EQ(window->settings().importExportFolder + window->settings().hotSyncUserId,
            folder.file("picked") + "42");
  EXPECT_EQ(boxes.size(), 4);
  EXPECT_EQ(boxes.value(0),
            "E:The Palm Hotsync ID must be a whole number\n\"my palm\" was not "
            "taken; it stays 7");
}

// Palm Desktop's users fill in the install folder and ID; left as found they
// stay Palm Desktop's, one chosen is the user's own from then on.
TEST_F(AppTest, palm_desktop_users_fill_in_the_install_folder_and_id) {
  Settings& settings = window->settings();
  settings.palmDesktop = {folder.file("Palm"),
                          {{"Jane Doe", "4242", "DoeJ"},
                           {"Ren\xC3\xA9"
                            "e",
                            "7", "R"}}};
  settings.palmInstallFolder = InstallFolderOf(settings.palmDesktop, settings.palmDesktop.users[0]);
  settings.hotSyncUserId = "4242";
  settings.installFromPalmDesktop = true;
  int pick = -1;
  app::SetDialogHook([&](QDialog& d) {
    auto* users = d.findChild<QComboBox*>("ComboPalmDesktopUser");
    seen << users->currentText() << QString::number(users->count());
    if (pick >= 0) users->activated(pick);
    d.accept();
    return d.result();
  });
  window->onFoldersClicked();
  EXPECT_TRUE(settings.installFromPalmDesktop);
  pick = 1;
  window->onFoldersClicked();
  EXPECT_EQ(seen, (QStringList{"Jane Doe (4242)", "2", "Jane Doe (4242)", "2"}));
  EXPECT_EQ(settings.palmInstallFolder, JoinPath(JoinPath(folder.file("Palm"), "R"), "Install"));
  EXPECT_EQ(settings.hotSyncUserId, "7");
  EXPECT_FALSE(settings.installFromPalmDesktop);
}

// Enter presses the button that has the focus; leaving a width box by Tab
// runs its check.
TEST_F(AppTest, keys_reach_menus_and_buttons_tab_checks_a_width_and_ctrl_q_closes) {
  for (QMenu* menu : window->findChildren<QMenu*>())
    for (QAction* item : menu->actions())
      EXPECT_TRUE(item->isSeparator() || item->text().contains('&')) << item->text().toStdString();
  auto* import = window->findChild<QPushButton*>("Btn2JF");
  EXPECT_TRUE(import->text().startsWith('&'));
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  import->setFocus();
  QTest::keyClick(import, Qt::Key_Return);
  window->widthBox(2)->setFocus();
  window->widthBox(2)->setText("4000");
  QTest::keyClick(window->widthBox(2), Qt::Key_Tab);
  for (int i = 0; i < 100 && window->widthBox(2)->text() != "3990"; ++i) QTest::qWait(10);
  EXPECT_EQ(seen + boxes, (QStringList{"EndNote Exports (*.txt)|*.TXT|All files (*)|*",
                                       "E:Field Size must be between 5 and 3990"}));
  QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(window->isVisible());
}

// One drop of a PDB and an export: the PDB goes to export first, the other
// file to import; the status ends with the import's count.
TEST_F(AppTest, dropped_files_export_the_pdbs_and_import_the_rest_in_the_mode_in_force) {
  WriteBytes(folder.file("refs.txt"), "Journal Article\tSmith\xB0Journal Article\tJones\xB0");
  WriteBytes(folder.file("junk.PDB"), "not a database");
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path("junk.PDB")), QUrl::fromLocalFile(path("refs.txt"))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &drop);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_TRUE(drop.isAccepted());
  auto* status = window->findChild<QLabel*>("StatusPanel1");
  for (int i = 0; i < 3000 && !status->text().contains("JFile"); ++i) QTest::qWait(10);
  EXPECT_EQ(status->text(), "2 Records Transferred to  JFile \u2192 " + exportPath("EN-refs.PDB") +
                                CopyIt(exportPath("EN-refs.PDB")));
  // The junk, tried first, is named by the name it was dropped with.
  EXPECT_EQ(boxes.value(0), "E:CSV Output file not created\n" + path("junk.PDB") +
                                ": the converter wrote nothing (the error report says why)");
}

}  // namespace
}  // namespace tk::test
