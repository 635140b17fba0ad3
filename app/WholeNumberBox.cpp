#include "app/WholeNumberBox.h"

#include "app/AppTexts.h"
#include "app/Modal.h"
#include "platform/Text.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace tk::app {

std::optional<int> ParseTypedWholeNumber(const QString& text) {
  qsizetype start = 0;
  while (start < text.size() && text[start] == u' ') ++start;
  return ParseWholeNumber(text.mid(start).toStdString());
}

WholeNumberBox::WholeNumberBox(QLineEdit* edit, WholeNumberRule rule)
    : QObject(edit), edit_(edit), rule_(std::move(rule)) {
  edit_->installEventFilter(this);
}

WholeNumberBox* WholeNumberBox::Of(QLineEdit* edit) {
  return edit ? edit->findChild<WholeNumberBox*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool WholeNumberBox::check() {
  if (checking_) return true;
  const QString text = edit_->text();
  const std::optional<int> value = ParseTypedWholeNumber(text);
  if (value && *value >= rule_.min && *value <= rule_.max) return true;

  checking_ = true;
  if (!value) {
    ShowMessageBox(edit_, MessageKind::Error, NotAWholeNumberText(text));
    ShowMessageBox(edit_, MessageKind::Error, rule_.notNumberMessage);
  } else {
    ShowMessageBox(edit_, MessageKind::Error, rule_.rangeMessage);
  }
  edit_->setText(rule_.resetText);
  edit_->activateWindow();
  edit_->setFocus(Qt::OtherFocusReason);
  checking_ = false;
  return false;
}

bool WholeNumberBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::FocusOut && !checking_) {
    // Focus lost to another window or a pop-up is no "leaving the box";
    // the box's own message box would otherwise re-trigger the check.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      QTimer::singleShot(0, this, [this] { check(); });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tk::app
