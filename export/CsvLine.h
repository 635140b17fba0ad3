#pragma once
// Reading the comma-separated text that jconv5 writes back: one physical line
// at a time, split into items by the comma-text rule.
#include "platform/Files.h"

#include <string>
#include <string_view>
#include <vector>

namespace tk {

// Splits one line into items (the list is cleared first). Quoted items may
// hold commas, blanks and doubled quotes; unquoted items end at the first
// comma or character with code 1 to 32. A comma at the end of the line gives
// no empty last item.
void ParseCommaText(std::string_view line, std::vector<std::string>& items);

// Data lines are parsed with every tab made a blank first.
void ParseDataLine(std::string line, std::vector<std::string>& items);

// Reads lines ended by LF; the line end (CR LF or LF) stays in the line, as
// it counts towards the line length limit. A line is never kept longer than
// maxLength bytes: the rest of an over-long line is left unread.
class CsvLineReader {
public:
  enum class [[nodiscard]] Result{Line, End, ReadError, TooLong};

  explicit CsvLineReader(InputFile& in, std::size_t maxLength) : in_(in), maxLength_(maxLength) {}
  [[nodiscard]] Result next(std::string& line);
  // True when at least one more byte can be read.
  bool moreData();

private:
  InputFile& in_;
  std::size_t maxLength_;
  int pending_ = -2;  // a byte read ahead by moreData(); -2 for none
};

}  // namespace tk
