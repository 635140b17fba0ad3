#include "app/Splash.h"

#include "app/Artwork.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

namespace tk::app {

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("FormTKSplash"));
  setFixedSize(389, 255);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  pal.setColor(QPalette::WindowText, Qt::white);
  setPalette(pal);

  auto* logo = new QLabel(this);
  logo->setPixmap(Logo(260, 64));
  logo->setAlignment(Qt::AlignCenter);
  auto* line = new QLabel(QStringLiteral("Bibliographic software/JFile conversion utility"), this);
  QFont font(QStringLiteral("serif"));
  font.setPixelSize(16);
  font.setBold(true);
  line->setFont(font);
  line->setAlignment(Qt::AlignCenter);
  line->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addStretch();
  layout->addWidget(logo);
  layout->addSpacing(24);
  layout->addWidget(line);
  layout->addStretch();
}

void SplashWindow::showNow() {
  if (QScreen* screen = QApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  shownAtSecond_ = QDateTime::currentSecsSinceEpoch();
  show();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  repaint();
}

void SplashWindow::holdForTwoClockSeconds() const {
  const qint64 until = shownAtSecond_ + 2;
  while (QDateTime::currentSecsSinceEpoch() < until) {
    // Only paint events: the splash stays drawn, input waits for the window.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(20);
  }
}

}  // namespace tk::app
