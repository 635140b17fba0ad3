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
#include "fields/Settings.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tk::app {

// The program's name in the titles of its windows: on Windows the name it
// has always had there.
inline QString ProgramTitle() {
#ifdef _WIN32
  return QStringLiteral("Tomekit for Windows");
#else
  return QStringLiteral("Tomekit");
#endif
}

// What a width box accepts (kMinFieldWidth to kMaxFieldWidth), and what an
// out-of-range width becomes: the field table's limits.
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
  return QStringLiteral(
             "Your popup list had to be truncated\nOnly %1 items or 2000 characters allowed")
      .arg(kMaxPopupWords);
}

inline QString WordNotShownText(const QString& word, const QString& lacking) {
  return QStringLiteral(
             "The popup word \"%1\" has a character JFile cannot show: \"%2\"\nPlease change the "
             "word and try again")
      .arg(word, lacking);
}

// The HotSync ID names the Palm user in the install request, so it must be
// the number the Palm shows: digits only, as the settings file is read.
inline bool IsWholeHotSyncId(const QString& text) {
  const std::string id = text.toStdString();
  return tk::IsWholeHotSyncId(std::string_view(id));
}

inline QString HotSyncIdRefusedText(const QString& typed, const QString& kept) {
  return QStringLiteral(
             "The Palm Hotsync ID must be a whole number\n\"%1\" was not taken; it stays %2")
      .arg(typed, kept);
}

inline QString PalmSyncUserRefusedText(const QString& typed, const QString& kept) {
  return QStringLiteral(
             "The palm-sync user must be the name of one folder in palm-sync's folder\n\"%1\" "
             "was not taken; it stays \"%2\"")
      .arg(typed, kept);
}

// Asked when the window is closed while files convert.
// The first line of each session's log.
inline std::string SessionStartText(const QDateTime& now) {
  return "Session started " + now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

inline QStringList CloseWhileConvertingButtons() {
  return {QStringLiteral("&Stop and Close"), QStringLiteral("&Keep Converting")};
}

inline QString CloseWhileConvertingText() {
  return QStringLiteral(
      "Files are still being converted.\nStop the conversion and close the window, or keep "
      "converting?");
}

// Asked before a result replaces a file that is there; the buttons in the
// order of ReplaceAnswer.
inline QStringList ReplaceButtons() {
  return {QStringLiteral("&Replace"), QStringLiteral("Replace &All"),
          QStringLiteral("&Keep the Earlier One")};
}

inline QString ReplaceQuestionText(const QString& path, const QString& warning) {
  const QString why =
      warning.isEmpty() ? QStringLiteral("%1 is already there.").arg(path) : warning;
  return why + QStringLiteral("\nReplace it?");
}

inline QString ErrorReportHeading() { return QString::fromUtf8(kErrorReportHeading); }

}  // namespace tk::app
