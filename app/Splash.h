#pragma once
// The window that bridges the time the main window takes to come up.
#include <QWidget>

namespace tk::app {

class SplashWindow : public QWidget {
  Q_OBJECT
public:
  SplashWindow();

  // Shows the window and paints it at once: the message loop is not running
  // yet.
  void showNow();

  // Keeps the splash up until the clock, in whole seconds, has advanced by
  // two since it was shown: between one and two seconds of real time however
  // fast the machine is, the main window's loading included.
  void holdForTwoClockSeconds() const;

private:
  qint64 shownAtSecond_ = 0;
};

}  // namespace tk::app
