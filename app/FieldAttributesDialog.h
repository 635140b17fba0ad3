#pragma once
// The field attributes dialog: a field's JFile type, its JFile column width
// and its popup word list. Opened by "Properties" on a field's check box.
#include "fields/AppState.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace tk::app {

class WholeNumberBox;

class FieldAttributesDialog : public QDialog {
  Q_OBJECT
public:
  static constexpr int kMaxPopupWords = 100;
  static constexpr int kMaxWordListChars = 1990;

  explicit FieldAttributesDialog(QWidget* parent = nullptr);

  // Shows field n's attributes, runs the dialog and, with OK, stores them in
  // FldTable and state.popupLists. True when the user chose OK.
  bool editField(int n, const QString& label, AppState& state);

  // OK with a column width that is not acceptable keeps the dialog open.
  void accept() override;

  // The column width's leave check; true when the box holds 0 to 160.
  bool EditFldSizeExit();

private:
  void setCaptionFor(const QString& label);
  void buildWordList();
  void buildTypesAndWidth();
  void limitWordList();
  static int TypeIndexOf(std::int32_t fldType);

  QPlainTextEdit* MemoWList;
  QButtonGroup* RadioGroupFldTypes;
  QLineEdit* EditFldSize;
  WholeNumberBox* fldSizeCheck_;
  QString lastWordList_;
};

}  // namespace tk::app
