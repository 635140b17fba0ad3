#include "app/Modal.h"

#include "app/ProgressWindow.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace tk::app {
namespace {

MessageHook& CurrentMessageHook() {
  static MessageHook hook;
  return hook;
}

DialogHook& CurrentDialogHook() {
  static DialogHook hook;
  return hook;
}

ChoiceHook& CurrentChoiceHook() {
  static ChoiceHook hook;
  return hook;
}

FilesHook& CurrentFilesHook() {
  static FilesHook hook;
  return hook;
}

FolderHook& CurrentFolderHook() {
  static FolderHook hook;
  return hook;
}

SaveFileHook& CurrentSaveFileHook() {
  static SaveFileHook hook;
  return hook;
}

// A box shown during a conversion waits for the user, so the busy cursor
// gives way to the arrow until it closes. Outside a conversion nothing is
// pushed, and the box's own cursors (a text beam) stay.
class ArrowWhileBusy {
public:
  ArrowWhileBusy() : pushed_(QApplication::overrideCursor() != nullptr) {
    if (pushed_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  }
  ~ArrowWhileBusy() {
    if (pushed_) QApplication::restoreOverrideCursor();
  }
  ArrowWhileBusy(const ArrowWhileBusy&) = delete;
  ArrowWhileBusy& operator=(const ArrowWhileBusy&) = delete;

private:
  bool pushed_;
};

// Over the progress window a modal loop would block its Stop, so the
// dialog waits in a loop of its own, above the window, until it is
// answered or Stop closes it.
int ExecAbove(QDialog& dialog, ProgressWindow& progress) {
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  dialog.setWindowModality(Qt::NonModal);
  QEventLoop loop;
  QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  QObject::connect(&progress, &ProgressWindow::stopClicked, &dialog, &QDialog::reject);
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
  if (dialog.isVisible()) loop.exec();
  QObject::disconnect(&progress, &ProgressWindow::stopClicked, &dialog, &QDialog::reject);
  return dialog.result();
}

int Exec(QDialog& dialog) {
  const ArrowWhileBusy arrow;
  auto* progress = qobject_cast<ProgressWindow*>(dialog.parentWidget());
  return progress && progress->isVisible() ? ExecAbove(dialog, *progress) : dialog.exec();
}

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return QMessageBox::Critical;
    case MessageKind::Information:
      return QMessageBox::Information;
    case MessageKind::Plain:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void ShowMessageBox(QWidget* parent, MessageKind kind, const QString& text) {
  if (CurrentMessageHook()) {
    CurrentMessageHook()(kind, text);
    return;
  }
  QMessageBox box(IconOf(kind), QStringLiteral("Tomekit"), text, QMessageBox::Ok, parent);
  Exec(box);
}

int AskChoice(QWidget* parent, const QString& text, const QStringList& buttons) {
  if (CurrentChoiceHook()) return CurrentChoiceHook()(text, buttons);
  QMessageBox box(QMessageBox::Question, QStringLiteral("Tomekit"), text, QMessageBox::NoButton,
                  parent);
  QList<QAbstractButton*> added;
  for (const QString& caption : buttons) added << box.addButton(caption, QMessageBox::ActionRole);
  // The last button is the cautious one: Escape and Enter both keep things as they are.
  if (!added.isEmpty()) {
    box.setDefaultButton(qobject_cast<QPushButton*>(added.last()));
    box.setEscapeButton(added.last());
  }
  Exec(box);
  return static_cast<int>(added.indexOf(box.clickedButton()));
}

int RunModal(QDialog& dialog) {
  if (CurrentDialogHook()) return CurrentDialogHook()(dialog);
  return Exec(dialog);
}

QStringList ChooseOpenFiles(QWidget* parent, const QString& folder, const QString& filter) {
  if (CurrentFilesHook()) return CurrentFilesHook()(folder, filter);
  QFileDialog dialog(parent, QString(), folder, QtFileFilter(filter));
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

QString ChooseFolder(QWidget* parent, const QString& title) {
  if (CurrentFolderHook()) return CurrentFolderHook()(title);
  // A window title has one line; the prompt's line break becomes a blank.
  QString caption = title;
  caption.replace(u'\n', u' ');
  return QFileDialog::getExistingDirectory(parent, caption, QString(), QFileDialog::ShowDirsOnly);
}

QString ChooseSaveFile(QWidget* parent, const QString& suggested, const QString& filter) {
  if (CurrentSaveFileHook()) return CurrentSaveFileHook()(suggested);
  return QFileDialog::getSaveFileName(parent, QString(), suggested, QtFileFilter(filter));
}

QString QtFileFilter(const QString& pairs) {
  const QStringList parts = pairs.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    // Qt reads the patterns from the last parentheses of the description.
    QString description = parts[i].trimmed();
    description.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)$")));
    filters << QStringLiteral("%1 (%2)").arg(description,
                                             QString(parts[i + 1]).replace(u';', u' '));
  }
  return filters.join(QStringLiteral(";;"));
}

void SetFilesHook(FilesHook hook) { CurrentFilesHook() = std::move(hook); }
void SetFolderHook(FolderHook hook) { CurrentFolderHook() = std::move(hook); }
void SetSaveFileHook(SaveFileHook hook) { CurrentSaveFileHook() = std::move(hook); }
void SetMessageHook(MessageHook hook) { CurrentMessageHook() = std::move(hook); }
void SetDialogHook(DialogHook hook) { CurrentDialogHook() = std::move(hook); }
void SetChoiceHook(ChoiceHook hook) { CurrentChoiceHook() = std::move(hook); }

}  // namespace tk::app
