#pragma once
// The field attributes dialog: a field's JFile type, its JFile column width
// and its popup word list. Opened by "Properties" on a field's check box.
#include "fields/FieldSetup.h"
#include "platform/PalmCharset.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QPlainTextEdit;

namespace tk::app {

class WholeNumberBox;

class FieldAttributesDialog : public QDialog {
  Q_OBJECT
public:
  explicit FieldAttributesDialog(QWidget* parent = nullptr);

  // Shows field n's attributes, its words in the handheld's set, runs the
  // dialog and, with OK, stores them in the setup's table and popup lists.
  // True when the user chose OK.
  bool editField(int n, const QString& label, FieldSetup& setup, PalmCharset charset);

  // OK with a column width that is not acceptable, or with a word the
  // handheld can't hold, keeps the dialog open.
  void accept() override;

  // The column width's leave check; true when the box holds 0 to 160.
  bool checkColumnWidth();
  // True when the handheld's set holds every word; otherwise says which not.
  bool checkWords();

private:
  void buildWordList();
  void buildTypesAndWidth();
  void showField(FldDef& field, const std::vector<std::string>& words, const QString& label);
  void storeField(FldDef& field, std::vector<std::string>& words);
  void limitWordList();

  QPushButton* okButton_ = nullptr;
  QPlainTextEdit* wordList_ = nullptr;
  QButtonGroup* typeButtons_ = nullptr;
  QLineEdit* columnWidthBox_ = nullptr;
  WholeNumberBox* columnWidthCheck_ = nullptr;
  QString lastWordList_;
  PalmCharset charset_ = PalmCharset::Windows1252;
};

}  // namespace tk::app
