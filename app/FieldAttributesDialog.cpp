#include "app/FieldAttributesDialog.h"

#include "app/AppTexts.h"
#include "app/Modal.h"
#include "app/Text.h"
#include "app/WholeNumberBox.h"
#include "app/WordListLimit.h"
#include "fields/FieldTable.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tk::app {
namespace {

// By radio button, top to bottom.
constexpr std::int32_t kTypeOfButton[] = {kTypeString, kTypePopup, kTypeMultiPopup};

int ButtonOfType(std::int32_t fldType) {
  const auto* found = std::find(std::begin(kTypeOfButton), std::end(kTypeOfButton), fldType);
  return found == std::end(kTypeOfButton) ? -1 : static_cast<int>(found - kTypeOfButton);
}

QStringList LinesOf(const QString& text) {
  if (text.isEmpty()) return {};
  QStringList lines = text.split(u'\n');
  if (lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

FieldAttributesDialog::FieldAttributesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FldSetDlg"));
  setFixedSize(384, 241);
  buildWordList();
  buildTypesAndWidth();

  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setObjectName(QStringLiteral("OKBtn"));
  okButton_->setDefault(true);
  okButton_->setGeometry(216, 203, 75, 27);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  cancel->setGeometry(300, 203, 75, 27);
  connect(okButton_, &QPushButton::clicked, this, &FieldAttributesDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  setTabOrder(okButton_, cancel);
  setTabOrder(cancel, wordList_);
  setTabOrder(wordList_, typeButtons_->button(0));
  setTabOrder(typeButtons_->button(0), columnWidthBox_);
}

void FieldAttributesDialog::buildWordList() {
  auto* group = new QGroupBox(QStringLiteral("Edit Popup &Word List"), this);
  group->setObjectName(QStringLiteral("GroupBox1"));
  group->setGeometry(8, 6, 170, 227);
  wordList_ = new QPlainTextEdit(group);
  wordList_->setObjectName(QStringLiteral("MemoWList"));
  wordList_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Words are one a line, so a tab is never part of one: Tab moves on.
  wordList_->setTabChangesFocus(true);
  wordList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  wordList_->setToolTip(QStringLiteral("You may type or paste into this pop-up item list"));
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(wordList_);
  connect(wordList_, &QPlainTextEdit::textChanged, this, &FieldAttributesDialog::limitWordList);
}

void FieldAttributesDialog::buildTypesAndWidth() {
  auto* types = new QGroupBox(QStringLiteral("JFile Field Type"), this);
  types->setObjectName(QStringLiteral("RadioGroupFldTypes"));
  types->setGeometry(186, 6, 190, 100);
  typeButtons_ = new QButtonGroup(this);
  auto* typesLayout = new QVBoxLayout(types);
  const char* const captions[] = {"&String", "&Normal Popup", "&Multiple Popup items "};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(captions[i]), types);
    radio->setObjectName(QStringLiteral("RadioType%1").arg(i));
    typeButtons_->addButton(radio, i);
    typesLayout->addWidget(radio);
  }

  auto* label = new QLabel(QStringLiteral("JFile &column width"), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setGeometry(186, 118, 160, 18);
  columnWidthBox_ = new QLineEdit(QStringLiteral("80"), this);
  columnWidthBox_->setObjectName(QStringLiteral("EditFldSize"));
  columnWidthBox_->setGeometry(186, 138, 56, 22);
  label->setBuddy(columnWidthBox_);
  columnWidthCheck_ = new WholeNumberBox(
      columnWidthBox_,
      {0, kMaxColumnWidth, FieldWidthRangeText(0, kMaxColumnWidth),
       FieldSizeRangeText(0, kMaxColumnWidth), QString::number(kResetColumnWidth)});
}

bool FieldAttributesDialog::editField(int n, const QString& label, FieldSetup& setup,
                                      PalmCharset charset) {
  charset_ = charset;
  if (n < 1 || n >= kFieldTableSize || n >= static_cast<int>(setup.popupLists.size())) return false;
  FldDef& field = setup.table[n];
  showField(field, setup.popupLists[n], label);
  if (RunModal(*this) != QDialog::Accepted) return false;
  storeField(field, setup.popupLists[n]);
  return true;
}

void FieldAttributesDialog::showField(FldDef& field, const std::vector<std::string>& words,
                                      const QString& label) {
  QStringList lines;
  for (const std::string& word : words) lines << WordFromCore(word, charset_);
  lastWordList_ = lines.join(u'\n');
  wordList_->setPlainText(lastWordList_);
  setWindowTitle(QStringLiteral(" Set JFile Field attributes for ") + label);
  int button = ButtonOfType(field.fldType);
  if (button < 0) {
    // An unknown type code is repaired on sight, whatever the user answers.
    button = 0;
    field.fldType = kTypeString;
  }
  typeButtons_->button(button)->setChecked(true);
  columnWidthBox_->setText(QString::number(field.colWidth));
  // First in the tab order, so that Enter closes the dialog; in the word
  // list it would only add a line.
  okButton_->setFocus();
}

void FieldAttributesDialog::storeField(FldDef& field, std::vector<std::string>& words) {
  QStringList lines = LinesOf(wordList_->toPlainText());
  if (lines.size() > kMaxPopupWords) {
    ShowMessageBox(this, MessageKind::Error, PopupListCutText());
    lines = lines.mid(0, kMaxPopupWords);
  }
  words.clear();
  // accept() made sure every word has its bytes in the handheld's set.
  for (const QString& line : lines) {
    words.push_back(WordToCore(line, charset_).value_or(std::string()));
  }

  // accept() made sure the width is a whole number in range.
  field.colWidth = ParseTypedWholeNumber(columnWidthBox_->text()).value_or(kResetColumnWidth);
  const int chosen = typeButtons_->checkedId();
  field.fldType = kTypeOfButton[chosen < 0 ? 0 : chosen];
}

void FieldAttributesDialog::accept() {
  // Enter closes the dialog without the width box losing the focus, so its
  // leave check has to run here, or an out-of-range width would be stored.
  if (!checkColumnWidth() || !checkWords()) return;
  QDialog::accept();
}

// A word turned into "?" would no longer match the values it is there to
// pick.
bool FieldAttributesDialog::checkWords() {
  for (const QString& line : LinesOf(wordList_->toPlainText())) {
    QString lacking;
    if (WordToCore(line, charset_, &lacking)) continue;
    ShowMessageBox(this, MessageKind::Error, WordNotShownText(line, lacking));
    wordList_->setFocus();
    return false;
  }
  return true;
}

bool FieldAttributesDialog::checkColumnWidth() { return columnWidthCheck_->check(); }

void FieldAttributesDialog::limitWordList() {
  const LimitedEdit edit =
      LimitInsertion(lastWordList_, wordList_->toPlainText(), kMaxWordListChars);
  lastWordList_ = edit.text;
  if (!edit.cut) return;
  const QSignalBlocker block(wordList_);
  wordList_->setPlainText(edit.text);
  QTextCursor cursor = wordList_->textCursor();
  cursor.setPosition(static_cast<int>(edit.cursor));
  wordList_->setTextCursor(cursor);
  QApplication::beep();
}

}  // namespace tk::app
