#pragma once
// The status bar's text panel: a status too long for it gives way in the
// middle, so the verdict that opens it and the file that ends it both stay
// in sight; the tooltip holds all of it.
#include <QLabel>

namespace tk::app {

class StatusText : public QLabel {
  Q_OBJECT
public:
  explicit StatusText(QWidget* parent = nullptr);

  void setStatus(const QString& status);
  const QString& status() const { return status_; }

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void fit();

  QString status_;
};

}  // namespace tk::app
