#include "app/FieldAttributesDialog.h"

#include "app/Modal.h"
#include "app/Text.h"
#include "app/WholeNumberBox.h"
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

constexpr std::int32_t kTypeOfIndex[] = {kTypeString, kTypePopup, kTypeMultiPopup};

// Line breaks count as two characters, as they do in the word list files.
int CountedLength(const QString& text) { return static_cast<int>(text.size() + text.count(u'\n')); }

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

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  ok->setGeometry(216, 203, 75, 27);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  cancel->setGeometry(300, 203, 75, 27);
  connect(ok, &QPushButton::clicked, this, &FieldAttributesDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  setTabOrder(ok, cancel);
  setTabOrder(cancel, MemoWList);
  setTabOrder(MemoWList, RadioGroupFldTypes->button(0));
  setTabOrder(RadioGroupFldTypes->button(0), EditFldSize);
}

void FieldAttributesDialog::buildWordList() {
  auto* group = new QGroupBox(QStringLiteral("Edit Popup Word List"), this);
  group->setObjectName(QStringLiteral("GroupBox1"));
  group->setGeometry(8, 6, 170, 227);
  MemoWList = new QPlainTextEdit(group);
  MemoWList->setObjectName(QStringLiteral("MemoWList"));
  MemoWList->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoWList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoWList->setToolTip(QStringLiteral("You may type or paste into this pop-up item list"));
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(MemoWList);
  connect(MemoWList, &QPlainTextEdit::textChanged, this, &FieldAttributesDialog::limitWordList);
}

void FieldAttributesDialog::buildTypesAndWidth() {
  auto* types = new QGroupBox(QStringLiteral("JFile Field Type"), this);
  types->setObjectName(QStringLiteral("RadioGroupFldTypes"));
  types->setGeometry(186, 6, 190, 100);
  RadioGroupFldTypes = new QButtonGroup(this);
  auto* typesLayout = new QVBoxLayout(types);
  const char* const captions[] = {"String", "Normal Popup", "Multiple Popup items "};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(captions[i]), types);
    radio->setObjectName(QStringLiteral("RadioType%1").arg(i));
    RadioGroupFldTypes->addButton(radio, i);
    typesLayout->addWidget(radio);
  }

  auto* label1 = new QLabel(QStringLiteral("JFile column width"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setGeometry(186, 118, 160, 18);
  EditFldSize = new QLineEdit(QStringLiteral("80"), this);
  EditFldSize->setObjectName(QStringLiteral("EditFldSize"));
  EditFldSize->setGeometry(186, 138, 56, 22);
  fldSizeCheck_ = new WholeNumberBox(
      EditFldSize, {0, 160, QStringLiteral("Field width must be between 0 and 160"),
                    QStringLiteral("Field Size must be between 0 and 160"), QStringLiteral("80")});
}

int FieldAttributesDialog::TypeIndexOf(std::int32_t fldType) {
  for (int i = 0; i < 3; ++i)
    if (kTypeOfIndex[i] == fldType) return i;
  return -1;
}

void FieldAttributesDialog::setCaptionFor(const QString& label) {
  setWindowTitle(QStringLiteral(" Set JFile Field attributes for ") + label);
}

bool FieldAttributesDialog::editField(int n, const QString& label, AppState& state) {
  if (n < 1 || n >= kFieldTableSize || n >= static_cast<int>(state.popupLists.size())) return false;
  FldDef& field = FldTable[n];

  QStringList words;
  for (const std::string& word : state.popupLists[n]) words << WordFromCore(word);
  lastWordList_ = words.join(u'\n');
  MemoWList->setPlainText(lastWordList_);
  setCaptionFor(label);
  int typeIndex = TypeIndexOf(field.fldType);
  if (typeIndex < 0) {
    // An unknown type code is repaired on sight, whatever the user answers.
    typeIndex = 0;
    field.fldType = kTypeString;
  }
  RadioGroupFldTypes->button(typeIndex)->setChecked(true);
  EditFldSize->setText(QString::number(field.colWidth));
  MemoWList->setFocus();

  if (RunModal(*this) != QDialog::Accepted) return false;

  QStringList lines = LinesOf(MemoWList->toPlainText());
  if (lines.size() > kMaxPopupWords) {
    ShowMessageBox(this, MessageKind::Error,
                   QStringLiteral("Your popup list had to be truncated\nOnly 100 items or 2000 "
                                  "characters allowed"));
    lines = lines.mid(0, kMaxPopupWords);
  }
  std::vector<std::string>& list = state.popupLists[n];
  list.clear();
  for (const QString& line : lines) list.push_back(WordToCore(line));

  // accept() made sure the width is a whole number in range.
  field.colWidth = ParseWholeNumber(EditFldSize->text()).value_or(80);
  const int chosen = RadioGroupFldTypes->checkedId();
  field.fldType = kTypeOfIndex[chosen < 0 ? 0 : chosen];
  return true;
}

void FieldAttributesDialog::accept() {
  // Enter closes the dialog without the width box losing the focus, so its
  // leave check has to run here, or an out-of-range width would be stored.
  if (!EditFldSizeExit()) return;
  QDialog::accept();
}

bool FieldAttributesDialog::EditFldSizeExit() { return fldSizeCheck_->check(); }

void FieldAttributesDialog::limitWordList() {
  const QString text = MemoWList->toPlainText();
  if (CountedLength(text) > kMaxWordListChars && text.size() > lastWordList_.size()) {
    const int cursor =
        MemoWList->textCursor().position() - static_cast<int>(text.size() - lastWordList_.size());
    const QSignalBlocker block(MemoWList);
    MemoWList->setPlainText(lastWordList_);
    QTextCursor restored = MemoWList->textCursor();
    restored.setPosition(std::clamp(cursor, 0, static_cast<int>(lastWordList_.size())));
    MemoWList->setTextCursor(restored);
    QApplication::beep();
    return;
  }
  lastWordList_ = text;
}

}  // namespace tk::app
