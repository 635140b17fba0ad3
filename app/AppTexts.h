#pragma once
// The texts the window and its dialogs show in message boxes, and the ones
// they take from the core. Captions and labels stay beside the widgets they
// name; what differs by mode is in the mode's row.
//
// Kept byte for byte, as the program has always shown them: "Field Size must
// be between 5 and 3990", the column width's two messages (one says "Size",
// the other "width", for the same box) and "Your popup list had to be
// truncated\nOnly 100 items or 2000 characters allowed", whose 2000 is not
// the 1990 the word list really holds. A reason of our own goes after them.
#include "converter/ConverterTexts.h"
#include "fields/FieldTable.h"
#include "fields/FieldsTexts.h"

#include <QString>

namespace tk::app {

// What a width box accepts, and what an out-of-range width becomes.
inline constexpr int kMinFieldWidth = 5;
inline constexpr int kMaxFieldWidth = 3990;
// What the column width box accepts, and what a wrong width becomes.
inline constexpr int kMaxColumnWidth = 160;
inline constexpr int kResetColumnWidth = 80;

inline QString FieldSizeRangeText(int min, int max) {
  return QStringLiteral("Field Size must be between %1 and %2").arg(min).arg(max);
}
inline QString FieldWidthRangeText(int min, int max) {
  return QStringLiteral("Field width must be between %1 and %2").arg(min).arg(max);
}

inline QString NotAWholeNumberText(const QString& text) {
  return QString::fromStdString(NotAnIntegerText(text.toStdString()));
}

inline QString PopupListCutText() {
  return QStringLiteral("Your popup list had to be truncated\nOnly %1 items or 2000 characters allowed")
      .arg(kMaxPopupWords);
}

inline QString WordNotShownText(const QString& word, const QString& lacking) {
  return QStringLiteral(
             "The popup word \"%1\" has a character JFile cannot show: \"%2\"\nPlease change the "
             "word and try again")
      .arg(word, lacking);
}

inline QString ErrorReportHeading() { return QString::fromUtf8(kErrorReportHeading); }

}  // namespace tk::app
