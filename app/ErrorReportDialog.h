#pragma once
// "Error Report": the lines of the outside converter's error log.
#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace tk::app {

class ErrorReportDialog : public QDialog {
  Q_OBJECT
public:
  explicit ErrorReportDialog(QWidget* parent = nullptr);

  // Replaces the text box's contents with the log's lines.
  void fill(const std::vector<std::string>& lines);
  QString reportText() const;

private:
  QPlainTextEdit* reportBox_;
};

}  // namespace tk::app
