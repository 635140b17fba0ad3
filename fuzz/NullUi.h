#pragma once
// A Ui for the fuzz targets: shows nothing, counts messages so a target can
// check whether one was shown.
#include "platform/Ui.h"

#include <string>
#include <vector>

namespace tk::fuzz {

class NullUi : public SilentProgressUi {
public:
  void showMessage(MessageKind, const std::string&) override { ++messages; }
  void showErrorReport(const std::vector<std::string>&) override {}

  int messages = 0;
};

}  // namespace tk::fuzz
