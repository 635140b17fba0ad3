#pragma once
// "Conversion in Progress": shown, never modal, while a conversion runs on
// the window's own thread. It only repaints, and its Stop button only
// answers, when the conversion lets messages through.
#include "platform/Ui.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;

namespace tk::app {

class ProgressWindow : public QDialog {
  Q_OBJECT
public:
  explicit ProgressWindow(QWidget* parent = nullptr);

  void start(const ProgressSetup& setup);
  // Hides the window; the next conversion's bar starts from the beginning.
  void finish();
  void setBanner(Banner banner);
  // Bar := n + 2 while below its maximum; positions above it show as full.
  void step(int n);
  // Cheap: only remembers the number; refresh() puts it on screen.
  void setRecordCounter(long record) { record_ = record; }
  void refresh();

  int barPosition() const;
  Banner banner() const;
  QString recordText() const;

  // Escape and the window's close ask to stop as well: hiding the window
  // would leave the conversion running with nothing to show or stop it.
  void reject() override;

signals:
  // The user asked to stop the conversion; the button stays greyed out
  // until the next start().
  void stopClicked();

private:
  void stop();

  QLabel* fileLabel_;
  QLabel* prefixLabel_;
  QLabel* recordLabel_;
  QStackedWidget* banners_;
  QWidget* barPanel_;
  QProgressBar* bar_;
  QPushButton* stopButton_;
  long record_ = 0;
  long shownRecord_ = -1;
};

}  // namespace tk::app
