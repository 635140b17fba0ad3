#pragma once
// The tags a tagged reader met that no field takes, or whose values a better
// tag kept out, for the log.
#include "import/ImportMessages.h"
#include "import/ImportRun.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tk {

// Tags met in records, counted per tag in the order first met, logged after
// a lead that says what befell them.
class UnplacedTags {
public:
  explicit UnplacedTags(const char* lead = kTagsWithoutFieldLead) : lead_(lead) {}
  void count(char first, char second) {
    for (auto& [tag, times] : tags_) {
      if (tag[0] == first && tag[1] == second) {
        ++times;
        return;
      }
    }
    tags_.push_back({{first, second}, 1});
  }
  void log(ImportRun& run) const {
    if (tags_.empty()) return;
    std::string line = lead_;
    for (const auto& [tag, times] : tags_) {
      if (&tag != &tags_.front().first) line += ", ";
      line += std::string(tag.data(), 2) + " " + std::to_string(times);
    }
    run.note(line);
  }

private:
  const char* lead_;
  std::vector<std::pair<std::array<char, 2>, int>> tags_;
};

}  // namespace tk
