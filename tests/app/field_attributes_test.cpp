#include "AppTest.h"

#include "app/FieldAttributesDialog.h"
#include "app/MainWindow.h"
#include "fields/FieldTable.h"
#include "mock/TempFolder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace tk::test {
namespace {

class FieldAttributesTest : public MainWindowInFolderTest {
protected:
  // Opens "Properties" on field n; `answer` plays the user.
  void properties(int n, std::function<int(QDialog&)> answer) {
    app::SetDialogHook([&](QDialog& dialog) {
      shownCaption = dialog.windowTitle();
      return answer(dialog);
    });
    window->setPopupTarget(window->fieldCheckBox(n));
    window->PuClickProp();
  }

  static QRadioButton* radio(QDialog& dialog, int index) {
    return dialog.findChild<QRadioButton*>(QStringLiteral("RadioType%1").arg(index));
  }
  static QLineEdit* columnWidth(QDialog& dialog) {
    return dialog.findChild<QLineEdit*>("EditFldSize");
  }
  static QPlainTextEdit* words(QDialog& dialog) {
    return dialog.findChild<QPlainTextEdit*>("MemoWList");
  }
  static int pressOk(QDialog& dialog) {
    dialog.accept();
    return dialog.result();
  }

  QString shownCaption;
};

TEST_F(FieldAttributesTest, shows_the_field_and_cancel_keeps_it_apart_from_a_repaired_type) {
  FldTable[4].fldType = 2;
  FldTable[4].colWidth = 33;
  window->state().popupLists[4] = {"alpha", "beta"};
  bool stringShown = false;
  QString shownWords;
  QString shownWidth;
  properties(4, [&](QDialog& dialog) {
    stringShown = radio(dialog, 0)->isChecked();
    shownWords = words(dialog)->toPlainText();
    shownWidth = columnWidth(dialog)->text();
    words(dialog)->setPlainText("changed");
    return 0;
  });
  EXPECT_EQ(shownCaption, " Set JFile Field attributes for " + window->fieldCheckBox(4)->text());
  EXPECT_TRUE(stringShown);
  EXPECT_EQ(shownWords, "alpha\nbeta");
  EXPECT_EQ(shownWidth, "33");
  EXPECT_EQ(FldTable[4].fldType, kTypeString);
  EXPECT_EQ(FldTable[4].colWidth, 33);
  EXPECT_EQ(window->state().popupLists[4], (std::vector<std::string>{"alpha", "beta"}));
}

TEST_F(FieldAttributesTest, ok_stores_type_width_and_words_and_popup_fields_turn_bold) {
  properties(2, [](QDialog& dialog) {
    radio(dialog, 1)->setChecked(true);
    columnWidth(dialog)->setText("160");
    words(dialog)->setPlainText("Book\nJournal\n");
    return pressOk(dialog);
  });
  EXPECT_EQ(FldTable[2].fldType, kTypePopup);
  EXPECT_EQ(FldTable[2].colWidth, 160);
  EXPECT_EQ(window->state().popupLists[2], (std::vector<std::string>{"Book", "Journal"}));
  EXPECT_TRUE(window->fieldCheckBox(2)->font().bold());

  properties(2, [](QDialog& dialog) {
    radio(dialog, 0)->setChecked(true);
    columnWidth(dialog)->setText("0");
    return pressOk(dialog);
  });
  EXPECT_EQ(FldTable[2].fldType, kTypeString);
  EXPECT_EQ(FldTable[2].colWidth, 0);
  EXPECT_FALSE(window->fieldCheckBox(2)->font().bold());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(FieldAttributesTest, long_word_list_is_cut_to_100_with_one_message) {
  QStringList lines;
  for (int i = 1; i <= 120; ++i) lines << QString::number(i);
  properties(5, [&](QDialog& dialog) {
    words(dialog)->setPlainText(lines.join('\n'));
    return pressOk(dialog);
  });
  const auto& list = window->state().popupLists[5];
  ASSERT_EQ(list.size(), 100u);
  EXPECT_EQ(list.back(), "100");
  EXPECT_EQ(boxTexts(),
            QStringList{
                "Your popup list had to be truncated\nOnly 100 items or 2000 characters allowed"});
}

TEST_F(FieldAttributesTest, column_width_out_of_range_keeps_the_dialog_open_and_resets_to_80) {
  FldTable[6].colWidth = 50;
  bool closed = true;
  QString afterCheck;
  properties(6, [&](QDialog& dialog) {
    columnWidth(dialog)->setText("161");
    dialog.accept();  // Enter while the box still has the focus
    closed = dialog.result() == QDialog::Accepted;
    afterCheck = columnWidth(dialog)->text();
    return 0;
  });
  EXPECT_FALSE(closed);
  EXPECT_EQ(afterCheck, "80");
  EXPECT_EQ(boxTexts(), QStringList{"Field width must be between 0 and 160"});
  EXPECT_EQ(FldTable[6].colWidth, 50);

  boxes.clear();
  properties(6, [&](QDialog& dialog) {
    columnWidth(dialog)->setText("-1");
    pressOk(dialog);
    columnWidth(dialog)->setText("x");
    pressOk(dialog);
    return 0;
  });
  EXPECT_EQ(boxTexts(), (QStringList{"Field width must be between 0 and 160",
                                     "'x' is not a valid integer value",
                                     "Field Size must be between 0 and 160"}));
}

}  // namespace
}  // namespace tk::test
