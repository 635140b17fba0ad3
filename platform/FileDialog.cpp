#include "platform/FileDialog.h"

namespace tk {

std::vector<std::pair<std::string, std::string>> SplitDialogFilter(const std::string& filter) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  for (;;) {
    auto bar = filter.find('|', start);
    parts.push_back(filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) pairs.emplace_back(parts[i], parts[i + 1]);
  return pairs;
}

}  // namespace tk
