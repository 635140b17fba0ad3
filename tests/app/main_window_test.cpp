#include "AppTest.h"

#include "app/MainWindow.h"
#include "app/ProgressWindow.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldTable.h"
#include "fields/ProgramModes.h"
#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <filesystem>

namespace tk::test {
namespace {

class MainWindowTest : public MainWindowInFolderTest {
protected:
  int visibleFields() const {
    int count = 0;
    for (int n = 1; n <= app::MainWindow::kFieldControls; ++n) {
      const bool check = !window->fieldCheckBox(n)->isHidden();
      EXPECT_EQ(check, !window->widthBox(n)->isHidden()) << "field " << n;
      if (check) ++count;
    }
    return count;
  }
  QString buttonText(const char* name) const {
    return window->findChild<QPushButton*>(QString::fromLatin1(name))->text();
  }
  QStringList checkedModeItems() const {
    QStringList checked;
    for (QAction* item : window->findChild<QMenu*>(QStringLiteral("Mode1"))->actions())
      if (item->isChecked()) checked << item->text();
    return checked;
  }
};

TEST_F(MainWindowTest, first_start_comes_up_in_endnote_mode_with_its_default_strategy) {
  EXPECT_EQ(window->windowTitle(), "Tomekit for Windows");
  EXPECT_EQ(buttonText("Btn2JF"), "EndNote to JFile");
  EXPECT_EQ(buttonText("Btn2EN"), "JFile to EndNote");
  EXPECT_EQ(visibleFields(), 31);
  EXPECT_EQ(checkedModeItems(), QStringList{"EndNote"});
  EXPECT_TRUE(window->fieldCheckBox(15)->isChecked());
  EXPECT_FALSE(window->fieldCheckBox(16)->isChecked());
  EXPECT_EQ(window->fieldCheckBox(1)->text(), "Reference Type");
  EXPECT_TRUE(std::filesystem::exists(folder.file("stratEN.jfp")));
  EXPECT_TRUE(std::filesystem::exists(folder.file("tomekit.INI")));
  EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, mode_switch_rebuilds_captions_fields_and_window_widths) {
  using Click = void (app::MainWindow::*)();
  // ProCite first: a narrower mode must be able to follow a wider one.
  const std::pair<Click, std::int32_t> switches[] = {
      {&app::MainWindow::ProCite1Click, kModeProCite},
      {&app::MainWindow::EndNote1Click, kModeEndNote},
      {&app::MainWindow::RefManager1Click, kModeRefMan},
      {&app::MainWindow::ProCiteGeneric1Click, kModeProCiteGeneric}};
  for (const auto& [click, mode] : switches) {
    (window.get()->*click)();
    const ModeInfo& info = *ModeInfoOf(mode);
    EXPECT_EQ(buttonText("Btn2JF"), info.importCaption) << mode;
    EXPECT_EQ(buttonText("Btn2EN"), info.exportCaption) << mode;
    EXPECT_EQ(visibleFields(), info.fieldCount) << mode;
    EXPECT_EQ(checkedModeItems(), QStringList{info.menuCaption}) << mode;
    EXPECT_EQ(window->width(), info.windowWidth) << mode;
    EXPECT_EQ(window->minimumWidth(), info.windowMinWidth) << mode;
    EXPECT_EQ(window->maximumWidth(), info.windowMaxWidth) << mode;
    EXPECT_EQ(window->minimumHeight(), app::MainWindow::kWindowHeight) << mode;
    EXPECT_EQ(window->maximumHeight(), app::MainWindow::kWindowHeight) << mode;
  }
  EXPECT_TRUE(boxes.empty()) << boxTexts().join(" | ").toStdString();
}

TEST_F(MainWindowTest, ticked_field_reaches_the_strategy_file_at_close_and_the_next_start) {
  window->RefManager1Click();
  window->fieldCheckBox(20)->setChecked(true);
  window->widthBox(20)->setText("77");
  window->close();
  window.reset();
  EXPECT_TRUE(std::filesystem::exists(folder.file("stratRM.jfp")));
  EXPECT_EQ(ReadBytes(folder.file("Log.txt")), " \r\nProgram location:  " + folder.path() + "\r\n");
  EXPECT_TRUE(boxes.empty()) << boxTexts().join(" | ").toStdString();

  window = std::make_unique<app::MainWindow>(folder.path());
  EXPECT_EQ(checkedModeItems(), QStringList{"Ref. Manager"});
  EXPECT_TRUE(window->fieldCheckBox(20)->isChecked());
  EXPECT_EQ(window->widthBox(20)->text(), "77");
}

TEST_F(MainWindowTest, leaving_mode_drops_unsaved_ticks) {
  window->fieldCheckBox(20)->setChecked(true);
  window->RefManager1Click();
  window->EndNote1Click();
  EXPECT_FALSE(window->fieldCheckBox(20)->isChecked());
}

TEST_F(MainWindowTest, width_box_out_of_range_or_not_a_number_is_reset_to_3990) {
  QLineEdit* box = window->widthBox(3);
  box->setText("4");
  EXPECT_FALSE(window->EDfn1Exit(box));
  EXPECT_EQ(box->text(), "3990");
  EXPECT_EQ(boxTexts(), QStringList{"Field Size must be between 5 and 3990"});
  EXPECT_EQ(boxes[0].kind, MessageKind::Error);

  boxes.clear();
  box->setText("12a");
  EXPECT_FALSE(window->EDfn1Exit(box));
  EXPECT_EQ(box->text(), "3990");
  EXPECT_EQ(boxTexts(), (QStringList{"'12a' is not a valid integer value",
                                     "Field Size must be between 5 and 3990"}));

  boxes.clear();
  for (const char* good : {"5", "3990"}) {
    box->setText(good);
    EXPECT_TRUE(window->EDfn1Exit(box));
    EXPECT_EQ(box->text(), good);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, leaving_a_width_box_runs_its_check) {
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QLineEdit* box = window->widthBox(2);
  box->setFocus();
  box->setText("4000");
  window->widthBox(3)->setFocus(Qt::TabFocusReason);
  for (int i = 0; i < 100 && box->text() != "3990"; ++i) QTest::qWait(10);
  EXPECT_EQ(box->text(), "3990");
  EXPECT_EQ(boxTexts(), QStringList{"Field Size must be between 5 and 3990"});
}

TEST_F(MainWindowTest, error_escaping_an_operation_is_shown_and_ends_it) {
  // The settings file is a folder: saving the settings can only fail.
  std::filesystem::remove(folder.file("tomekit.INI"));
  std::filesystem::create_directory(folder.file("tomekit.INI"));
  app::SetDialogHook([](QDialog&) { return 1; });
  window->Settings1Click();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Error);
  EXPECT_TRUE(boxes[0].text.startsWith("Unable to write to ")) << boxes[0].text.toStdString();

  // The window stays usable.
  boxes.clear();
  window->ProCite1Click();
  EXPECT_FALSE(window->findChild<QWidget*>("Panel1")->isHidden());
}

TEST_F(MainWindowTest, ui_messages_go_through_the_preset_answer) {
  Ui& ui = *window;
  ui.showMessage(MessageKind::Information, "42 Records Transferred to  JFile");
  ui.showMessage(MessageKind::Plain, "plain");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].kind, MessageKind::Information);
  EXPECT_EQ(boxes[0].text, "42 Records Transferred to  JFile");
  EXPECT_EQ(boxes[1].kind, MessageKind::Plain);
}

TEST_F(MainWindowTest, status_text_reaches_the_second_status_panel) {
  window->state().statusText = "7 Records Transferred to EndNote";
  static_cast<Ui&>(*window).processMessages();
  EXPECT_EQ(window->findChild<QLabel*>("StatusPanel1")->text(), "7 Records Transferred to EndNote");
}

TEST_F(MainWindowTest, import_button_converts_the_chosen_files_and_reports_in_the_status_bar) {
  namespace fs = std::filesystem;
  fs::copy_file(fs::path(TOMEKIT_PROGRAM_FOLDER) / "jconv5", folder.file("jconv5"));
  ScopedEnv storeLocation("TOMEKIT_INSTALL_STORE", folder.file("install.ini"));
  AppState& state = window->state();
  state.palmInstallFolder = folder.file("Install");
  state.importExportFolder = folder.file("exports");
  fs::create_directories(state.palmInstallFolder);
  fs::create_directories(state.importExportFolder);
  const std::string input = state.importExportFolder + "/My Refs.txt";
  WriteBytes(input,
             "Journal Article\tSmith\t1999\tFirst\xB0"
             "Book\tJones\t2001\tSecond\xB0");

  QString dialogFolder, dialogFilter;
  app::SetFilesHook([&](const QString& where, const QString& filter) {
    dialogFolder = where;
    dialogFilter = filter;
    return QStringList{QString::fromStdString(input)};
  });
  window->Btn2JFClick();

  EXPECT_EQ(dialogFilter, "EndNote Exports (*.txt)|*.TXT");
  EXPECT_EQ(dialogFolder.toStdString(), state.importExportFolder);
  EXPECT_TRUE(boxes.empty()) << boxTexts().join(" | ").toStdString();
  EXPECT_EQ(window->findChild<QLabel*>("StatusPanel1")->text(), "2 Records Transferred to  JFile");
  EXPECT_TRUE(fs::exists(state.palmInstallFolder + "/EN-My Refs.PDB"));
  EXPECT_FALSE(window->progressWindow().isVisible());
}

TEST_F(MainWindowTest, export_button_offers_the_palm_backup_folder) {
  window->state().palmBackupFolder = folder.file("backup");
  QString dialogFolder, dialogFilter;
  app::SetFilesHook([&](const QString& where, const QString& filter) {
    dialogFolder = where;
    dialogFilter = filter;
    return QStringList();
  });
  window->Btn2ENClick();
  EXPECT_EQ(dialogFolder.toStdString(), folder.file("backup"));
  EXPECT_TRUE(dialogFilter.contains("*.PDB", Qt::CaseInsensitive)) << dialogFilter.toStdString();
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace tk::test
