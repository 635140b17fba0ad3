#pragma once
// "About Tomekit for Windows": the program's name, purpose and version.
#include <QDialog>

namespace tk::app {

class AboutBox : public QDialog {
  Q_OBJECT
public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace tk::app
