#pragma once
// The Ui of the command line: message box texts go to the error stream, one
// box after another, exactly as the box would show them; progress is silent.
// A stop is requested by Ctrl-C or SIGTERM once the handlers are installed.
#include "platform/Ui.h"

#include <ostream>

namespace tk::cli {

class ConsoleUi : public SilentProgressUi {
public:
  explicit ConsoleUi(std::ostream& err) : err_(err) {}

  void showMessage(MessageKind kind, const std::string& text) override;
  void showErrorReport(const std::vector<std::string>& lines) override;
  bool stopRequested() const override;

private:
  std::ostream& err_;
};

}  // namespace tk::cli
