#pragma once
// A Ui for the fuzz targets: shows nothing, keeps the last message so a
// target can check that a failure was reported.
#include "platform/Ui.h"

#include <string>
#include <vector>

namespace tk::fuzz {

class NullUi : public SilentProgressUi {
public:
  void showMessage(MessageKind kind, const std::string& text) override {
    ++messages;
    if (kind == MessageKind::Error) ++errors;
    lastMessage = text;
  }
  void showErrorReport(const std::vector<std::string>&) override {}

  int messages = 0;
  int errors = 0;
  std::string lastMessage;
};

}  // namespace tk::fuzz
