#include "app/StatusText.h"

#include <algorithm>

namespace tk::app {

StatusText::StatusText(QWidget* parent) : QLabel(parent) {
  // A long status must not widen the window.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void StatusText::setStatus(const QString& status) {
  status_ = status;
  setToolTip(status);
  fit();
}

void StatusText::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

// Not yet laid out, the panel has no width of its own to fit.
void StatusText::fit() {
  if (!isVisible()) return setText(status_);
  const int room = std::max(0, contentsRect().width() - 2 * margin());
  setText(fontMetrics().elidedText(status_, Qt::ElideMiddle, room));
}

}  // namespace tk::app
