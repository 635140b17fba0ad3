#include "AppTest.h"

#include "app/FoldersDialog.h"
#include "app/Modal.h"
#include "app/ProgressWindow.h"
#include "app/SingleInstance.h"
#include "mock/TempFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>

namespace tk::test {
namespace {

using SmallWindowsTest = WindowTest;

TEST_F(SmallWindowsTest, progress_counter_is_shown_when_messages_are_handled) {
  app::ProgressWindow progress;
  progress.start({"Working on Record number", "/tmp/My Refs.txt", Banner::MovingTo, true, true});
  EXPECT_TRUE(progress.isVisible());
  EXPECT_EQ(progress.banner(), Banner::MovingTo);
  progress.setRecordCounter(17);
  EXPECT_EQ(progress.recordText(), "0");
  progress.refresh();
  EXPECT_EQ(progress.recordText(), "17");
}

TEST_F(SmallWindowsTest, progress_bar_steps_to_n_plus_2_and_stops_at_its_maximum) {
  app::ProgressWindow progress;
  progress.start({});
  progress.step(1);
  EXPECT_EQ(progress.barPosition(), 3);
  progress.step(98);
  EXPECT_EQ(progress.barPosition(), 100);
  progress.step(5);
  EXPECT_EQ(progress.barPosition(), 100);
}

TEST_F(SmallWindowsTest, folders_dialog_follows_the_mode_and_ok_copies_back_as_typed) {
  app::FoldersDialog dialog;
  AppState state;
  state.convMode = 1;
  state.importExportFolder = "/refs";
  state.hotSyncUserId = "12";
  QString label;
  QString browseTitle;
  app::SetFolderHook([&](const QString& title) {
    browseTitle = title;
    return QStringLiteral("/picked");
  });
  app::SetDialogHook([&](QDialog& d) {
    label = d.findChild<QLabel*>("LabelEn")->text();
    EXPECT_EQ(d.findChild<QLineEdit*>("EditENPath")->text(), "/refs");
    d.findChild<QPushButton*>("ButtonBrEN")->click();
    d.findChild<QLineEdit*>("EditHSId")->clear();
    return 1;
  });
  EXPECT_TRUE(dialog.edit(state));
  EXPECT_EQ(label, "Ref Mngr Import/Export");
  EXPECT_EQ(browseTitle, "Reference Manager import/export Folder");
  EXPECT_EQ(state.importExportFolder, "/picked");
  EXPECT_EQ(state.hotSyncUserId, "");

  app::SetDialogHook([](QDialog& d) {
    d.findChild<QLineEdit*>("EditENPath")->setText("/elsewhere");
    return 0;
  });
  EXPECT_FALSE(dialog.edit(state));
  EXPECT_EQ(state.importExportFolder, "/picked");
}

TEST_F(SmallWindowsTest, file_filters_become_qt_filters) {
  EXPECT_EQ(app::QtFileFilter("EndNote Exports (*.txt)|*.TXT"), "EndNote Exports (*.TXT)");
  EXPECT_EQ(app::QtFileFilter("Tomekit PDB  File (TK-*.PDB)|TK-*.PDB|All PDB files|*.pdb"),
            "Tomekit PDB  File (TK-*.PDB);;All PDB files (*.pdb)");
}

TEST(SingleInstanceTest, second_lock_fails_while_the_first_is_held) {
  TempFolder folder;
  const QString path = QString::fromStdString(folder.file("TomekitWin.lock"));
  {
    app::SingleInstance first(path);
    ASSERT_TRUE(first.acquired());
    app::SingleInstance second(path);
    EXPECT_FALSE(second.acquired());
  }
  app::SingleInstance later(path);
  EXPECT_TRUE(later.acquired());
}

TEST(SingleInstanceTest, second_copy_of_the_program_ends_at_once_with_exit_code_0) {
  TestApplication();
  TempFolder folder;
  const QString runtime = QString::fromStdString(folder.path());
  // Where the program looks with this runtime folder.
  app::SingleInstance first(runtime + "/TomekitWin.lock");
  ASSERT_TRUE(first.acquired());

  QProcess second;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("XDG_RUNTIME_DIR", runtime);
  env.insert("QT_QPA_PLATFORM", "offscreen");
  second.setProcessEnvironment(env);
  second.start(QStringLiteral(TOMEKIT_PROGRAM_FOLDER "/tomekit"));
  ASSERT_TRUE(second.waitForStarted(10000));
  const bool ended = second.waitForFinished(15000);
  if (!ended) second.kill();
  ASSERT_TRUE(ended);
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
}

}  // namespace
}  // namespace tk::test
