#pragma once
// The check a number box runs when the user leaves it: a text that is not a
// whole number, or a number out of range, is reported, replaced by a safe
// value, and the focus goes back into the box.
#include <QObject>
#include <QString>
#include <optional>

class QLineEdit;

namespace tk::app {

struct WholeNumberRule {
  int min = 0;
  int max = 0;
  QString rangeMessage;      // shown for a number out of range
  QString notNumberMessage;  // shown after the conversion error
  QString resetText;         // what the box holds afterwards
};

// A whole number as the user may type it: leading blanks, an optional sign,
// decimal digits, within 32 bits.
std::optional<int> ParseTypedWholeNumber(const QString& text);

class WholeNumberBox : public QObject {
  Q_OBJECT
public:
  // Watches `edit` (and is owned by it).
  WholeNumberBox(QLineEdit* edit, WholeNumberRule rule);

  // Checks the box now: true when it holds a number in range; otherwise the
  // messages are shown, the box is reset and takes the focus.
  bool check();

  static WholeNumberBox* Of(QLineEdit* edit);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QLineEdit* edit_;
  WholeNumberRule rule_;
  bool checking_ = false;
};

}  // namespace tk::app
