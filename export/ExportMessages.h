#pragma once
// The message boxes an export's last stage ends with, in the order shown.
#include "export/TaggedWriter.h"
#include "platform/Ui.h"

#include <string>
#include <vector>

namespace tk {

struct Notice {
  MessageKind kind;
  std::string text;
  bool operator==(const Notice&) const = default;
};

// None for a complete transfer: first what stopped the reading, then the
// file that could not be written.
std::vector<Notice> TaggedNotices(const TaggedResult& result);

}  // namespace tk
