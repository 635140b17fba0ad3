// Tomekit for Windows: one copy at a time, a splash while the main window
// loads its settings and mode, then the main window until it is closed.
#include "app/Artwork.h"
#include "app/MainWindow.h"
#include "app/Modal.h"
#include "app/ShowRequests.h"
#include "app/SingleInstance.h"
#include "app/Splash.h"
#include "platform/DataFolder.h"
#include "platform/Files.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <exception>
#include <memory>
#include <string>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  tk::app::SingleInstance instance;
  if (instance.anotherCopyRuns()) {
    // A copy too busy to answer still gets the old signal.
    if (!tk::app::AskRunningCopyToShow()) tk::app::SignalAlreadyRunning();
    return 0;
  }
  QApplication::setWindowIcon(tk::app::ProgramIcon());

  try {
    auto splash = std::make_unique<tk::app::SplashWindow>();
    splash->showNow();
    const std::string programFolder = tk::ProgramFolder();
    tk::app::MainWindow window(tk::ChooseDataFolder(programFolder), programFolder);
    splash->holdForTwoClockSeconds();
    splash.reset();
    // Centred, but never with its title or menu bar above the screen's top.
    if (QScreen* screen = QApplication::primaryScreen()) {
      const QRect room = screen->availableGeometry();
      const QPoint at = room.center() - window.rect().center();
      window.move(std::max(at.x(), room.left()), std::max(at.y(), room.top()));
    }
    window.show();
    tk::app::ShowRequests showRequests(window);
    app.exec();
  } catch (const std::exception& error) {
    tk::app::ShowMessageBox(nullptr, tk::MessageKind::Error, QString::fromLocal8Bit(error.what()));
  }
  return 0;
}
