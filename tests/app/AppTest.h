#pragma once
// Shared by the window tests: one QApplication for the test program (headless
// unless a display is chosen), and message boxes answered by a recorder.
#include "app/MainWindow.h"
#include "app/Modal.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QString>
#include <memory>
#include <vector>

namespace tk::test {

inline QApplication& TestApplication() {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "app_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt's own objects outlive a static application at exit.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

struct RecordedBox {
  MessageKind kind;
  QString text;
};

// Records every message box instead of showing it; every modal dialog is
// cancelled unless the test presets another answer.
class WindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    TestApplication();
    app::SetMessageHook([this](MessageKind kind, const QString& text) {
      boxes.push_back({kind, text});
    });
    app::SetDialogHook([](QDialog&) { return 0; });
    app::SetFilesHook([](const QString&, const QString&) { return QStringList(); });
    app::SetFolderHook([](const QString&) { return QString(); });
  }
  void TearDown() override {
    app::SetMessageHook({});
    app::SetDialogHook({});
    app::SetFilesHook({});
    app::SetFolderHook({});
  }

  QStringList boxTexts() const {
    QStringList texts;
    for (const RecordedBox& box : boxes) texts << box.text;
    return texts;
  }

  std::vector<RecordedBox> boxes;
};

// A main window started in a fresh program folder.
class MainWindowInFolderTest : public WindowTest {
protected:
  void SetUp() override {
    WindowTest::SetUp();
    window = std::make_unique<app::MainWindow>(folder.path());
  }
  void TearDown() override {
    window.reset();
    WindowTest::TearDown();
  }

  TempFolder folder;
  std::unique_ptr<app::MainWindow> window;
};

}  // namespace tk::test
