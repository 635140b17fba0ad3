#pragma once
// Every message box and modal dialog of the windows goes through here, so a
// test can answer them instead of a user (and never hangs on a modal loop).
//
// A box or dialog whose parent is the progress window is shown while a
// conversion runs: it stays above that window, which stays on top, and
// leaves it live beneath, so its Stop answers while the box waits; Stop
// closes the box unanswered.
#include "platform/Ui.h"

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

namespace tk::app {

// One OK button; an error symbol, an information symbol or none.
void ShowMessageBox(QWidget* parent, MessageKind kind, const QString& text);

// A question with its own buttons (captions with mnemonics); the index of
// the button pressed, or -1 when the box is closed without one.
int AskChoice(QWidget* parent, const QString& text, const QStringList& buttons);

// Runs the dialog modally and returns its result (QDialog::Accepted or
// QDialog::Rejected).
int RunModal(QDialog& dialog);

// Presets for tests. With a message hook set, message boxes are handed to it
// instead of being shown; with a dialog hook set, RunModal hands the dialog to
// it (already prepared, not shown) and returns the hook's answer. Pass an
// empty function to go back to real boxes.
using MessageHook = std::function<void(MessageKind, const QString&)>;
using DialogHook = std::function<int(QDialog&)>;
using ChoiceHook = std::function<int(const QString& text, const QStringList& buttons)>;
void SetMessageHook(MessageHook hook);
void SetDialogHook(DialogHook hook);
void SetChoiceHook(ChoiceHook hook);

// The open-file dialog, several files at once; filter as "Description|pattern"
// pairs. An empty list when the user cancels.
QStringList ChooseOpenFiles(QWidget* parent, const QString& folder, const QString& filter);
// The folder browser; an empty text when the user cancels.
QString ChooseFolder(QWidget* parent, const QString& title);
// The save dialog, offering suggested; an empty text when the user cancels.
QString ChooseSaveFile(QWidget* parent, const QString& suggested, const QString& filter);

// Presets for the three choosers, as above.
using FilesHook = std::function<QStringList(const QString& folder, const QString& filter)>;
using FolderHook = std::function<QString(const QString& title)>;
using SaveFileHook = std::function<QString(const QString& suggested)>;
void SetFilesHook(FilesHook hook);
void SetFolderHook(FolderHook hook);
void SetSaveFileHook(SaveFileHook hook);

// Qt's filter text for "Description|pattern|Description|pattern".
QString QtFileFilter(const QString& pairs);

}  // namespace tk::app
