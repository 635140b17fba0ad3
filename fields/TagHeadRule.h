#pragma once
// How a tagged format (RIS, EndNote's `%` export) tells a tag line from text
// by the line's first bytes. One rule per format, so that every reader and
// the look at a file agree on what a tag line is.
#include <cstddef>
#include <string_view>

namespace tk {

struct TagHeadRule {
  // The most bytes of a line the rule needs to decide.
  std::size_t longest;
  // The length of the tag head that starts `start` (the tag, the blanks and
  // the separator after it), 0 when the line is no tag line. `start` holds
  // `longest` bytes of the line, or the whole line when it is shorter
  // (`whole`).
  std::size_t (*headLength)(std::string_view start, bool whole);
};

}  // namespace tk
